#include "win32/Win32HintView.h"

#include <algorithm>

#include "store/Settings.h"
#include "win32/Utf.h"

namespace pel::win32 {

namespace {

constexpr int kPointsPerInch = 72;

UniqueFont MakeFont(const FontFace& font, int dpi) {
    const std::wstring face = ToWide(font.name);
    // Antialiased edges would blend towards the colour key and leave a dark
    // fringe around every letter once the key is cut out.
    return UniqueFont(::CreateFontW(
        -::MulDiv(font.pointSize, dpi, kPointsPerInch), 0, 0, 0,
        (font.style & kStyleBold) != 0 ? FW_BOLD : FW_NORMAL,
        (font.style & kStyleItalic) != 0 ? TRUE : FALSE,
        (font.style & kStyleUnderline) != 0 ? TRUE : FALSE,
        (font.style & kStyleStrikeOut) != 0 ? TRUE : FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
        CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str()));
}

}  // namespace

HFONT Win32HintView::FontFor(const FontFace& font) const {
    const int dpi = dpi_;
    if (!font_ || font != fontMadeFor_ || dpi != dpiMadeFor_) {
        font_ = MakeFont(font, dpi);
        fontMadeFor_ = font;
        dpiMadeFor_ = dpi;
    }
    return font_.get();
}

Point Win32HintView::TextExtent(const std::string& text, const FontFace& font) const {
    // Without the window (GetDC of null) the screen measures the same.
    const WindowDC dc(hint_);
    if (dc.get() == nullptr) {
        return {};
    }
    const SelectedObject selected(dc.get(), FontFor(font));
    const std::wstring wide = ToWide(text);
    RECT r{0, 0, 0, 0};
    ::DrawTextW(dc.get(), wide.c_str(), static_cast<int>(wide.size()), &r,
                DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    return Point{r.right - r.left, r.bottom - r.top};
}

void Win32HintView::SetBounds(const Rect& outer) {
    if (hint_ == nullptr) {
        return;
    }
    ::SetWindowPos(hint_, HWND_TOPMOST, outer.left, outer.top, std::max(0, outer.Width()),
                   std::max(0, outer.Height()), SWP_NOACTIVATE);
}

void Win32HintView::Show(bool visible) {
    if (hint_ == nullptr) {
        return;
    }
    if (!visible) {
        ::ShowWindow(hint_, SW_HIDE);
        return;
    }
    ::ShowWindow(hint_, SW_SHOWNOACTIVATE);
    // Showing leaves the Z order as it was, and the bar, topmost too, may
    // have come up over the hidden hint since it last showed.
    ::SetWindowPos(hint_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Win32HintView::Invalidate() {
    if (hint_ != nullptr) {
        ::InvalidateRect(hint_, nullptr, FALSE);
    }
}

}  // namespace pel::win32
