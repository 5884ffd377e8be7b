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
    // The grid's own navigation runs too, since the handler does not eat the
    // key. Left, Right, Home and End move along the columns; Up, Down and the
    // page keys move along the rows, so on a one-row bar they change nothing.
    int col = Grid1.Col();
    int row = Grid1.Row();
    switch (key) {
        case kVkLeft:
            --col;
            break;
        case kVkRight:
            ++col;
            break;
        case kVkUp:
            --row;
            break;
        case kVkDown:
            ++row;
            break;
        case kVkPrior:
            row -= Grid1.VisibleRowCount();
            break;
        case kVkNext:
            row += Grid1.VisibleRowCount();
            break;
        case kVkHome:
            (shift.ctrl ? row : col) = 0;
            break;
        case kVkEnd:
            if (shift.ctrl) {
                row = Grid1.RowCount() - 1;
            } else {
                col = Grid1.ColCount() - 1;
            }
            break;
        default:
            return;
    }
    col = std::clamp(col, 0, Grid1.ColCount() - 1);
    row = std::clamp(row, 0, Grid1.RowCount() - 1);
    if (col != Grid1.Col() || row != Grid1.Row()) {
        SelectItemCell(settings.IsHorizontal ? col : row);
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
