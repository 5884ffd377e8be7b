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
    WakeTick();
    const GridModel& grid = placement_.Grid1();
    const Rect backButton = buttons_.BackOnBar(placement_.PanelLeft());
    const Rect forwardButton = buttons_.ForwardOnBar(placement_.PanelRight());
    const bool left = button == MouseButton::Left;
    const bool onGrid = grid.bounds.Contains(client);
    Target target = Target::None;
    if (onGrid) {
        target = Target::Grid;
    } else if (left && buttons_.sbScrollLeft().enabled && backButton.Contains(client)) {
        target = Target::BackButton;
    } else if (left && buttons_.sbScrollRight().enabled && forwardButton.Contains(client)) {
        target = Target::ForwardButton;
    }
    const bool selecting = left && !shift.doubleClick;
    if (gesture_.Begin(button, target, onGrid && selecting) && onGrid && selecting) {
        // The grid's own selecting: focus, current cell, auto-repeat.
        placement_.SetGridFocused(true);
        const Point cell =
            grid.MouseToCell({client.x - grid.bounds.left, client.y - grid.bounds.top});
        if (cell.x >= 0) {
            SelectItemCell(Horizontal() ? cell.x : cell.y);
        }
    }
    if (onGrid) {
        Grid1MouseDown(button, shift, client.x - grid.bounds.left, client.y - grid.bounds.top);
    } else if (target == Target::None && placement_.PanelLeft().bounds.Contains(client)) {
        // A disabled button takes no input; the panel under it does.
        PanelLeftMouseDown();
    } else if (target == Target::None && placement_.PanelRight().bounds.Contains(client)) {
        PanelRightMouseDown();
    }
}

void TFormPellorinth::OnMouseMove(ShiftState shift, Point client) {
    // The pointer came to the bar: the tick that sleeps while it is away
    // shows the hint and scrolls again.
    WakeTick();
    const GridModel& grid = placement_.Grid1();
    if (gesture_.CurrentTarget() == Target::Grid || grid.bounds.Contains(client)) {
        Grid1MouseMove(shift, client.x - grid.bounds.left, client.y - grid.bounds.top);
    }
}

void TFormPellorinth::OnMouseUp(MouseButton button, ShiftState shift, Point client) {
    const GridModel& grid = placement_.Grid1();
    switch (gesture_.End(button)) {
        case Target::Grid:
            Grid1MouseUp(button, shift, client.x - grid.bounds.left, client.y - grid.bounds.top);
            break;
        case Target::BackButton:
            if (buttons_.BackOnBar(placement_.PanelLeft()).Contains(client)) {
                sbScrollLeftClick();
            }
            break;
        case Target::ForwardButton:
            if (buttons_.ForwardOnBar(placement_.PanelRight()).Contains(client)) {
                sbScrollRightClick();
            }
            break;
        case Target::None:
            break;
    }
}

void TFormPellorinth::OnCaptureLost() {
    gesture_.Cancel();
}

void TFormPellorinth::OnKeyDown(int key, ShiftState shift) {
    const GridModel& grid = placement_.Grid1();
    Grid1KeyDown(key, shift);
    // The grid's own navigation runs too, since the handler does not eat the
    // key. Left, Right, Home and End move along the columns; Up, Down and the
    // page keys move along the rows, so on a one-row bar they change nothing.
    int col = grid.Col();
    int row = grid.Row();
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
            row -= grid.VisibleRowCount();
            break;
        case kVkNext:
            row += grid.VisibleRowCount();
            break;
        case kVkHome:
            (shift.ctrl ? row : col) = 0;
            break;
        case kVkEnd:
            if (shift.ctrl) {
                row = grid.RowCount() - 1;
            } else {
                col = grid.ColCount() - 1;
            }
            break;
        default:
            return;
    }
    col = std::clamp(col, 0, grid.ColCount() - 1);
    row = std::clamp(row, 0, grid.RowCount() - 1);
    if (col != grid.Col() || row != grid.Row()) {
        SelectItemCell(Horizontal() ? col : row);
    }
}

void TFormPellorinth::Paint(Canvas& canvas) {
    const Color face = look_.ResolveColor(kClBtnFace);
    canvas.FillRect(placement_.Panel1().bounds, face);
    buttons_.Paint(canvas, placement_.PanelLeft(), placement_.PanelRight());

    const GridModel& grid = placement_.Grid1();
    const Color gridColor = look_.ResolveColor(look_.GridColor());
    canvas.FillRect(grid.bounds, gridColor);
    const Point origin = Origin(grid.bounds);
    for (int row = grid.TopRow(); row < grid.RowCount(); ++row) {
        for (int col = grid.LeftCol(); col < grid.ColCount(); ++col) {
            const Rect cell = grid.CellRect(col, row);
            if (cell.Width() == 0) {
                continue;
            }
            const Rect onBar = Offset(cell, origin);
            const bool current = col == grid.Col() && row == grid.Row();
            if (current && !grid.focused) {
                // Grid1DrawCell paints over the highlight fill a grid without
                // focus would give its current cell.
                canvas.FillRect(onBar, look_.ResolveColor(kSystemColorFlag | 13u));
            }
            Grid1DrawCell(canvas, col, row, onBar, current && !grid.focused);
            if (current && grid.focused) {
                canvas.DrawFocusRect(onBar);
            }
        }
    }
}

}  // namespace pel
