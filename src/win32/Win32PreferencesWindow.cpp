#include "win32/Win32PreferencesWindow.h"

#include <commdlg.h>

#include <algorithm>
#include <cstdint>
#include <cwchar>

#include "store/Settings.h"
#include "win32/Handles.h"
#include "win32/PrefDrawing.h"
#include "win32/PrefWindow.h"
#include "win32/Utf.h"

#undef ChooseColor
#undef ChooseFont

namespace pel::win32 {

namespace {

constexpr int kPointsPerInch = 72;
// CHOOSEFONTW gives the size in tenths of a point.
constexpr int kTenths = 10;

LOGFONTW ToLogFont(const FontFace& font) {
    LOGFONTW log{};
    const WindowDC screen(nullptr);
    log.lfHeight =
        -::MulDiv(font.pointSize, ::GetDeviceCaps(screen.get(), LOGPIXELSY), kPointsPerInch);
    log.lfWeight = (font.style & kStyleBold) != 0 ? FW_BOLD : FW_NORMAL;
    log.lfItalic = static_cast<BYTE>((font.style & kStyleItalic) != 0 ? TRUE : FALSE);
    log.lfUnderline = static_cast<BYTE>((font.style & kStyleUnderline) != 0 ? TRUE : FALSE);
    log.lfStrikeOut = static_cast<BYTE>((font.style & kStyleStrikeOut) != 0 ? TRUE : FALSE);
    log.lfCharSet = DEFAULT_CHARSET;
    const std::wstring face = ToWide(font.name);
    const std::size_t length = std::min<std::size_t>(face.size(), LF_FACESIZE - 1);
    std::wmemcpy(log.lfFaceName, face.c_str(), length);
    return log;
}

std::uint8_t StyleOf(const LOGFONTW& log) {
    int style = 0;
    style |= log.lfWeight >= FW_BOLD ? kStyleBold : 0;
    style |= log.lfItalic != 0 ? kStyleItalic : 0;
    style |= log.lfUnderline != 0 ? kStyleUnderline : 0;
    style |= log.lfStrikeOut != 0 ? kStyleStrikeOut : 0;
    return static_cast<std::uint8_t>(style);
}

}  // namespace

Win32PreferencesWindow::Win32PreferencesWindow(HINSTANCE instance, const Win32Platform& bar)
    : instance_(instance), bar_(bar) {}

Win32PreferencesWindow::~Win32PreferencesWindow() = default;

Point Win32PreferencesWindow::FrameSize() const {
    return PrefWindowFrameSize();
}

bool Win32PreferencesWindow::ShowModal(TDlgPref& dialog) {
    if (!window_ || shownDialog_ != &dialog) {
        window_ = PrefWindow::Create(instance_, dialog, *this, bar_.BarWindow());
        shownDialog_ = &dialog;
    }
    return window_ && window_->ShowModal();
}

HWND Win32PreferencesWindow::ChooserOwner() const {
    return window_ && window_->Showing() ? window_->Handle() : bar_.BarWindow();
}

std::optional<Color> Win32PreferencesWindow::ChooseColor(Color initial) {
    CHOOSECOLORW chooser{};
    chooser.lStructSize = sizeof(chooser);
    chooser.hwndOwner = ChooserOwner();
    chooser.rgbResult = pref::ToColorRef(initial);
    chooser.lpCustColors = customColors_.data();
    chooser.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!comdlg32::ChooseColorW(&chooser)) {
        return std::nullopt;
    }
    return static_cast<Color>(chooser.rgbResult & 0x00FFFFFFu);
}

std::optional<FontChoice> Win32PreferencesWindow::ChooseFont(const FontChoice& initial) {
    LOGFONTW log = ToLogFont(initial.font);
    CHOOSEFONTW chooser{};
    chooser.lStructSize = sizeof(chooser);
    chooser.hwndOwner = ChooserOwner();
    chooser.lpLogFont = &log;
    // CF_EFFECTS offers the colour with underline and strike-out; vertical
    // ("@") faces would write the names sideways.
    chooser.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT | CF_NOVERTFONTS;
    chooser.rgbColors = pref::ToColorRef(initial.color);
    if (!comdlg32::ChooseFontW(&chooser)) {
        return std::nullopt;
    }
    FontChoice chosen;
    chosen.font.name = ToUtf8(log.lfFaceName);
    chosen.font.pointSize = (chooser.iPointSize + kTenths / 2) / kTenths;
    chosen.font.style = StyleOf(log);
    chosen.color = static_cast<Color>(chooser.rgbColors & 0x00FFFFFFu);
    return chosen;
}

}  // namespace pel::win32
