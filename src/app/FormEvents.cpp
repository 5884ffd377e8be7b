// Turns window-level pointer, key and paint events into the handlers of the
// component they belong to, as a form with child controls would.
#include <algorithm>

#include "app/FormPellorinth.h"

namespace pel {

namespace {

Rect Offset(const Rect& r, Point by) {
    return Rect{r.left + by.x, r.top + by.y, r.right + by.x, r.bottom + by.y};
}

Point Origin(const Rect& r) {
    return {r.left, r.top};
}

}  // namespace

struct PointerCapture {
    enum Target { None, Grid, BackButton, ForwardButton };
};

void TFormPellorinth::OnMouseDown(MouseButton button, ShiftState shift, Point client) {
    const Rect backButton = Offset(sbScrollLeft.bounds, Origin(PanelLeft.bounds));
    const Rect forwardButton = Offset(sbScrollRight.bounds, Origin(PanelRight.bounds));
    if (Grid1.bounds.Contains(client)) {
        captureTarget_ = PointerCapture::Grid;
        if (button == MouseButton::Left && !shift.doubleClick) {
            // The grid's own selecting: focus, current cell, auto-repeat.
            Grid1.focused = true;
            const Point cell =
                Grid1.MouseToCell({client.x - Grid1.bounds.left, client.y - Grid1.bounds.top});
            if (cell.x >= 0) {
                SelectItemCell(settings.IsHorizontal ? cell.x : cell.y);
            }
            platform.SetRepeatTimer(true);
        }
        Grid1MouseDown(button, shift, client.x - Grid1.bounds.left, client.y - Grid1.bounds.top);
    } else if (button == MouseButton::Left && backButton.Contains(client)) {
        captureTarget_ = sbScrollLeft.enabled ? PointerCapture::BackButton : PointerCapture::None;
    } else if (button == MouseButton::Left && forwardButton.Contains(client)) {
        captureTarget_ =
            sbScrollRight.enabled ? PointerCapture::ForwardButton : PointerCapture::None;
    } else if (PanelLeft.bounds.Contains(client)) {
        PanelLeftMouseDown();
    } else if (PanelRight.bounds.Contains(client)) {
        PanelRightMouseDown();
    }
}

void TFormPellorinth::OnMouseMove(ShiftState shift, Point client) {
    if (captureTarget_ == PointerCapture::Grid || Grid1.bounds.Contains(client)) {
        Grid1MouseMove(shift, client.x - Grid1.bounds.left, client.y - Grid1.bounds.top);
    }
}

void TFormPellorinth::OnMouseUp(MouseButton button, ShiftState shift, Point client) {
    const int target = captureTarget_;
    captureTarget_ = PointerCapture::None;
    if (target == PointerCapture::Grid) {
        platform.SetRepeatTimer(false);
        Grid1MouseUp(button, shift, client.x - Grid1.bounds.left, client.y - Grid1.bounds.top);
    } else if (target == PointerCapture::BackButton &&
               Offset(sbScrollLeft.bounds, Origin(PanelLeft.bounds)).Contains(client)) {
        sbScrollLeftClick();
    } else if (target == PointerCapture::ForwardButton &&
               Offset(sbScrollRight.bounds, Origin(PanelRight.bounds)).Contains(client)) {
        sbScrollRightClick();
    }
}

void TFormPellorinth::OnKeyDown(int key, ShiftState shift) {
    Grid1KeyDown(key, shift);
    // The grid's own navigation runs too, since the handler does not eat the key.
    const bool horizontal = settings.IsHorizontal;
    const int cur = CurrentItem();
    const int page = horizontal ? Grid1.VisibleColCount() : Grid1.VisibleRowCount();
    int next = cur;
    switch (key) {
        case kVkLeft:
            next = horizontal ? cur - 1 : cur;
            break;
        case kVkRight:
            next = horizontal ? cur + 1 : cur;
            break;
        case kVkUp:
            next = horizontal ? cur : cur - 1;
            break;
        case kVkDown:
            next = horizontal ? cur : cur + 1;
            break;
        case kVkPrior:
            next = cur - page;
            break;
        case kVkNext:
            next = cur + page;
            break;
        case kVkHome:
            next = 0;
            break;
        case kVkEnd:
            next = CellCount() - 1;
            break;
        default:
            return;
    }
    next = std::max(0, std::min(next, CellCount() - 1));
    if (next != CurrentItem()) {
        SelectItemCell(next);
    }
}

void TFormPellorinth::Paint(Canvas& canvas) {
    const Color face = ResolveColor(kClBtnFace);
    canvas.FillRect(Panel1.bounds, face);
    PaintScrollButton(canvas, sbScrollLeft, PanelLeft);
    PaintScrollButton(canvas, sbScrollRight, PanelRight);

    const Color gridColor = ResolveColor(Grid1.color);
    canvas.FillRect(Grid1.bounds, gridColor);
    const Point origin = Origin(Grid1.bounds);
    for (int row = Grid1.TopRow(); row < Grid1.RowCount(); ++row) {
        for (int col = Grid1.LeftCol(); col < Grid1.ColCount(); ++col) {
            const Rect cell = Grid1.CellRect(col, row);
            if (cell.Width() == 0) {
                continue;
            }
            const Rect onBar = Offset(cell, origin);
            const bool current = col == Grid1.Col() && row == Grid1.Row();
            if (current && !Grid1.focused) {
                // Grid1DrawCell paints over the highlight fill a grid without
                // focus would give its current cell.
                canvas.FillRect(onBar, ResolveColor(kSystemColorFlag | 13u));
            }
            Grid1DrawCell(canvas, col, row, onBar, current && !Grid1.focused);
            if (current && Grid1.focused) {
                canvas.DrawFocusRect(onBar);
            }
        }
    }
}

void TFormPellorinth::PaintScrollButton(Canvas& canvas, const SpeedButtonModel& button,
                                        const PanelModel& panel) {
    if (button.glyph < 0 || button.glyph >= static_cast<int>(ImageList2.size())) {
        return;
    }
    const PixelImage& glyph =
        button.enabled ? ImageList2[button.glyph] : ImageList2Disabled[button.glyph];
    if (glyph.Empty()) {
        return;
    }
    const Rect area = Offset(button.bounds, Origin(panel.bounds));
    const int x = area.left + (area.Width() - glyph.width) / 2;
    const int y = area.top + (area.Height() - glyph.height) / 2;
    canvas.DrawImage(glyph, Rect::FromSize(x, y, glyph.width, glyph.height));
}

}  // namespace pel
