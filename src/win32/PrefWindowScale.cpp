// The preferences window at the scale of its monitor: the layout drawn for
// 96 DPI, every length and the font scaled, and no text cut off.
#include "win32/PrefWindow.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "win32/PrefDrawing.h"
#include "win32/ResourceIds.h"

namespace pel::win32 {

namespace {

using pref::Control;
using pref::Kind;

// Tahoma 8 pt: 11 pixels at 96 DPI.
constexpr int kDialogFontPixels = 11;

UniqueIcon LoadSquareIcon(HINSTANCE instance, int id, int size) {
    return UniqueIcon(static_cast<HICON>(
        ::LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
}

// Whether a control shows its text on a single line that the font must fit.
bool ShowsOneLine(Kind kind) {
    return kind == Kind::Label || kind == Kind::CheckBox || kind == Kind::FlatButton ||
           kind == Kind::PushButton || kind == Kind::DefaultButton;
}

}  // namespace

bool PrefWindow::LayOutAt(Scale scale) {
    UniqueFont font(::CreateFontW(-scale.Px(kDialogFontPixels), 0, 0, 0, FW_NORMAL, FALSE, FALSE,
                                  FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                  DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"Tahoma"));
    if (!font) {
        return false;
    }
    scale_ = scale;
    for (int i = 0; i < TDlgPref::kPageCount; ++i) {
        pageIcons_[static_cast<std::size_t>(i)] =
            LoadSquareIcon(instance_, IDI_PAGE_0 + i, scale.Px(pref::kPageIconSize));
    }
    for (int i = 0; i < static_cast<int>(flags_.size()); ++i) {
        flags_[static_cast<std::size_t>(i)] =
            LoadSquareIcon(instance_, IDI_FLAG_0 + i, scale.Px(pref::kFlagSize));
    }

    // A line of the font may be taller than the scaled row, as the system's
    // glyphs and fonts do not grow in step: a row is at least one line high.
    int lineHeight = 0;
    if (const WindowDC dc(Handle()); dc.get() != nullptr) {
        const SelectedObject selected(dc.get(), font.get());
        TEXTMETRICW metrics{};
        if (::GetTextMetricsW(dc.get(), &metrics)) {
            lineHeight = metrics.tmHeight;
        }
    }
    const int checkSide = ::GetSystemMetrics(SM_CYMENUCHECK);

    for (const Control& c : pref::kControls) {
        const HWND child = ::GetDlgItem(Handle(), c.id);
        if (child == nullptr) {
            continue;
        }
        ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
        RECT r = pref::Scaled(pref::PlaceOf(c), scale);
        if (ShowsOneLine(c.kind)) {
            const int least =
                c.kind == Kind::CheckBox ? std::max(lineHeight, checkSide) : lineHeight;
            r.bottom = std::max(r.bottom, r.top + least);
        }
        ::SetWindowPos(child, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                       SWP_NOZORDER | SWP_NOACTIVATE);
        switch (c.kind) {
            case Kind::TickedSlider:
            case Kind::PlainSlider:
                ::SendMessageW(child, TBM_SETTHUMBLENGTH, static_cast<WPARAM>(scale.Px(c.thumb)),
                               0);
                break;
            case Kind::PageSelector:
                ::SendMessageW(child, LB_SETCOLUMNWIDTH, scale.Px(pref::kSelectorCell), 0);
                ::SendMessageW(child, LB_SETITEMHEIGHT, 0, scale.Px(pref::kSelectorCell));
                break;
            case Kind::LanguageList:
            case Kind::ColorPicker: {
                const int item = scale.Px(c.kind == Kind::LanguageList ? pref::kLanguageItemHeight
                                                                       : pref::kColorItemHeight);
                // The items and the selection field alike (-1).
                ::SendMessageW(child, CB_SETITEMHEIGHT, 0, item);
                ::SendMessageW(child, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1),
                               std::max(item, lineHeight));
                break;
            }
            default:
                break;
        }
    }
    font_ = std::move(font);

    // The client area scaled; the frame kept as the system draws it.
    RECT outer{};
    RECT client{};
    ::GetWindowRect(Handle(), &outer);
    ::GetClientRect(Handle(), &client);
    const int frameX = (outer.right - outer.left) - client.right;
    const int frameY = (outer.bottom - outer.top) - client.bottom;
    ::SetWindowPos(Handle(), nullptr, 0, 0, scale.Px(TDlgPref::kClientWidth) + frameX,
                   scale.Px(TDlgPref::kClientHeight) + frameY,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    return true;
}

}  // namespace pel::win32
