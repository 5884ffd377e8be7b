#include "win32/PrefDrawing.h"

#include "store/Settings.h"
#include "win32/GdiCanvas.h"
#include "win32/Handles.h"
#include "win32/PrefLayout.h"
#include "win32/Utf.h"

namespace pel::win32::pref {

namespace {

constexpr int kPointsPerInch = 72;
constexpr int kSwatchInset = 2;
constexpr int kSwatchWidth = 22;
constexpr int kSwatchTextGap = 4;

void Fill(HDC dc, const RECT& r, COLORREF color) {
    const UniqueBrush brush(::CreateSolidBrush(color));
    if (brush) {
        ::FillRect(dc, &r, brush.get());
    }
}

UniqueFont MakeFont(const FontFace& font, Scale scale) {
    const std::wstring face = ToWide(font.name);
    return UniqueFont(::CreateFontW(-::MulDiv(font.pointSize, scale.Dpi(), kPointsPerInch), 0, 0, 0,
                                    (font.style & kStyleBold) != 0 ? FW_BOLD : FW_NORMAL,
                                    (font.style & kStyleItalic) != 0 ? TRUE : FALSE,
                                    (font.style & kStyleUnderline) != 0 ? TRUE : FALSE,
                                    (font.style & kStyleStrikeOut) != 0 ? TRUE : FALSE,
                                    DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                    DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str()));
}

}  // namespace

COLORREF ToColorRef(Color color) {
    return IsSystemColor(color) ? ::GetSysColor(static_cast<int>(color & 0xFFu))
                                : static_cast<COLORREF>(color & 0x00FFFFFFu);
}

RECT Scaled(const RECT& r, Scale scale) {
    return RECT{scale.Px(r.left), scale.Px(r.top), scale.Px(r.right), scale.Px(r.bottom)};
}

void PaintFrame(HDC dc, const RECT& client, Scale scale) {
    ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_BTNFACE));
    for (RECT frame : {Scaled(kPageFrame, scale), Scaled(kSelectorFrame, scale)}) {
        ::DrawEdge(dc, &frame, BDR_SUNKENOUTER, BF_RECT);
    }
}

COLORREF ItemTextColor(const DRAWITEMSTRUCT& item) {
    if ((item.itemState & ODS_DISABLED) != 0) {
        return ::GetSysColor(COLOR_GRAYTEXT);
    }
    return ::GetSysColor((item.itemState & ODS_SELECTED) != 0 ? COLOR_HIGHLIGHTTEXT
                                                              : COLOR_WINDOWTEXT);
}

void DrawPageCell(HDC dc, const RECT& cell, const PageCellDrawing& drawing, HICON icon,
                  Scale scale) {
    ::FillRect(dc, &cell,
               ::GetSysColorBrush(drawing.highlighted ? COLOR_HIGHLIGHT : COLOR_BTNFACE));
    if (drawing.highlighted) {
        ::DrawFocusRect(dc, &cell);
    }
    if (icon != nullptr) {
        const int side = scale.Px(kPageIconSize);
        ::DrawIconEx(dc, drawing.iconAt.x, drawing.iconAt.y, icon, side, side, 0, nullptr,
                     DI_NORMAL);
    }
}

void DrawLanguageItem(HDC dc, const RECT& item, const LanguageItemDrawing& drawing, HICON flag,
                      COLORREF textColor, Scale scale) {
    Fill(dc, item, ToColorRef(drawing.background));
    if (!drawing.hasItem) {
        return;
    }
    if (flag != nullptr) {
        const int side = scale.Px(kFlagSize);
        ::DrawIconEx(dc, drawing.flagAt.x, drawing.flagAt.y, flag, side, side, 0, nullptr,
                     DI_NORMAL);
    }
    const std::wstring text = ToWide(drawing.text);
    RECT clip{drawing.textAt.x, drawing.textAt.y, item.right, item.bottom};
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, textColor);
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &clip,
                DT_SINGLELINE | DT_NOPREFIX | DT_LEFT | DT_TOP);
}

void DrawColorItem(const DRAWITEMSTRUCT& item, Color color, const std::wstring& name, Scale scale) {
    const RECT& r = item.rcItem;
    const int inset = scale.Px(kSwatchInset);
    const int swatchWidth = scale.Px(kSwatchWidth);
    ::FillRect(
        item.hDC, &r,
        ::GetSysColorBrush((item.itemState & ODS_SELECTED) != 0 ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    if (item.itemID == static_cast<UINT>(-1)) {
        return;
    }
    RECT swatch{r.left + inset, r.top + inset, r.left + inset + swatchWidth, r.bottom - inset};
    Fill(item.hDC, swatch, RGB(0, 0, 0));
    ::InflateRect(&swatch, -scale.Px(1), -scale.Px(1));
    Fill(item.hDC, swatch, ToColorRef(color));
    RECT text{r.left + inset + swatchWidth + scale.Px(kSwatchTextGap), r.top, r.right, r.bottom};
    ::SetBkMode(item.hDC, TRANSPARENT);
    ::SetTextColor(item.hDC, ItemTextColor(item));
    ::DrawTextW(item.hDC, name.c_str(), static_cast<int>(name.size()), &text,
                DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER | DT_END_ELLIPSIS);
}

void PaintSample(HDC dc, const RECT& panel, const std::array<SampleLabel, 5>& labels, Scale scale) {
    const int width = panel.right - panel.left;
    const int height = panel.bottom - panel.top;
    const OffscreenBuffer buffer(dc, width, height);
    if (!buffer.Valid()) {
        return;
    }
    const HDC out = buffer.dc();
    RECT area{0, 0, width, height};
    ::FillRect(out, &area, ::GetSysColorBrush(COLOR_BTNFACE));
    ::DrawEdge(out, &area, BDR_RAISEDOUTER | BDR_SUNKENINNER, BF_RECT);
    ::SetBkMode(out, TRANSPARENT);
    for (const int i : StylePage::kSampleBackToFront) {
        const SampleLabel& label = labels[static_cast<std::size_t>(i)];
        const UniqueFont font = MakeFont(label.font.font, scale);
        const SelectedObject selected(out, font.get());
        ::SetTextColor(out, ToColorRef(label.font.color));
        const std::wstring text = ToWide(label.caption);
        RECT r{label.position.x, label.position.y, width, height};
        ::DrawTextW(out, text.c_str(), static_cast<int>(text.size()), &r,
                    DT_SINGLELINE | DT_NOPREFIX | DT_LEFT | DT_TOP);
    }
    buffer.CopyTo(dc, panel.left, panel.top);
}

}  // namespace pel::win32::pref
