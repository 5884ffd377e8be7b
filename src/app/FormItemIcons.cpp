#include "app/FormPellorinth.h"

namespace pel {

namespace {

// Along the bar: the grid's first cell shown.
int FirstShownCell(const GridModel& grid, bool horizontal) {
    return horizontal ? grid.LeftCol() : grid.TopRow();
}

// Along the bar: the cells the grid shows, a cell cut off at its end included.
int ShownCells(const GridModel& grid, bool horizontal) {
    const int length = horizontal ? grid.bounds.Width() : grid.bounds.Height();
    return (length + grid.cellSize - 1) / grid.cellSize;
}

}  // namespace

void TFormPellorinth::ResolvePicture(int index) {
    pictures_.Resolve(index, Horizontal());
}

void TFormPellorinth::ResolveVisiblePictures() {
    const bool horizontal = Horizontal();
    const GridModel& grid = placement_.Grid1();
    pictures_.ResolveShown(FirstShownCell(grid, horizontal), ShownCells(grid, horizontal),
                           horizontal);
}

void TFormPellorinth::ResolveIdlePictures() {
    const bool horizontal = Horizontal();
    const GridModel& grid = placement_.Grid1();
    const int fullyShown = horizontal ? grid.VisibleColCount() : grid.VisibleRowCount();
    pictures_.ResolveIdle(FirstShownCell(grid, horizontal), fullyShown, horizontal);
}

void TFormPellorinth::CheckItemIcon(int index, bool refetch) {
    if (!store_.IsItem(index)) {
        return;
    }
    // Without a refetch the item keeps its picture, or fetches it later with
    // the icon path as it is now.
    pictures_.CheckIcon(index, refetch, Horizontal());
    Repaint();
}

}  // namespace pel
