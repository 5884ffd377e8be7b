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

using Target = PointerGesture::Target;

void TFormPellorinth::OnMouseDown(MouseButton button, ShiftState shift, Point client) {
    const Rect backButton = Offset(sbScrollLeft.bounds, Origin(PanelLeft.bounds));
    const Rect forwardButton = Offset(sbScrollRight.bounds, Origin(PanelRight.bounds));
    const bool left = button == MouseButton::Left;
    if (Grid1.bounds.Contains(client)) {
        const bool selecting = left && !shift.doubleClick;
        if (gesture.Begin(button, Target::Grid, selecting) && selecting) {
            // The grid's own selecting: focus, current cell, auto-repeat.
            Grid1.focused = true;
            const Point cell =
                Grid1.MouseToCell({client.x - Grid1.bounds.left, client.y - Grid1.bounds.top});
            if (cell.x >= 0) {
                SelectItemCell(Horizontal() ? cell.x : cell.y);
            }
        }
        Grid1MouseDown(button, shift, client.x - Grid1.bounds.left, client.y - Grid1.bounds.top);
    } else if (left && sbScrollLeft.enabled && backButton.Contains(client)) {
        gesture.Begin(button, Target::BackButton);
    } else if (left && sbScrollRight.enabled && forwardButton.Contains(client)) {
        gesture.Begin(button, Target::ForwardButton);
    } else if (PanelLeft.bounds.Contains(client)) {
        // A disabled button takes no input; the panel under it does.
        PanelLeftMouseDown();
    } else if (PanelRight.bounds.Contains(client)) {
        PanelRightMouseDown();
    }
}

void TFormPellorinth::OnMouseMove(ShiftState shift, Point client) {
    if (gesture.CurrentTarget() == Target::Grid || Grid1.bounds.Contains(client)) {
        Grid1MouseMove(shift, client.x - Grid1.bounds.left, client.y - Grid1.bounds.top);
    }
}

void TFormPellorinth::OnMouseUp(MouseButton button, ShiftState shift, Point client) {
    switch (gesture.End(button)) {
        case Target::Grid:
            Grid1MouseUp(button, shift, client.x - Grid1.bounds.left, client.y - Grid1.bounds.top);
            break;
        case Target::BackButton:
            if (Offset(sbScrollLeft.bounds, Origin(PanelLeft.bounds)).Contains(client)) {
                sbScrollLeftClick();
            }
            break;
        case Target::ForwardButton:
            if (Offset(sbScrollRight.bounds, Origin(PanelRight.bounds)).Contains(client)) {
                sbScrollRightClick();
            }
            break;
        case Target::None:
            break;
    }
}

void TFormPellorinth::OnCaptureLost() {
    gesture.Cancel();
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
        SelectItemCell(Horizontal() ? col : row);
    }
}

void TFormPellorinth::Paint(Canvas& canvas) {
    // The system repaints after a resize or an uncovering without a Repaint;
    // cells that came into view then still owe their pictures.
    ResolveVisiblePictures();
    const Color face = ResolveColor(kClBtnFace);
    canvas.FillRect(Panel1.bounds, face);
    PaintScrollButton(canvas, sbScrollLeft, PanelLeft);
    PaintScrollButton(canvas, sbScrollRight, PanelRight);

    const Color gridColor = ResolveColor(gridColor_);
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
