#include "app/FormPellorinth.h"

namespace pel {

namespace {

// Along the bar: the grid's first cell shown, and its length in pixels.
int FirstShownCell(const GridModel& grid, bool horizontal) {
    return horizontal ? grid.LeftCol() : grid.TopRow();
}

int GridLength(const GridModel& grid, bool horizontal) {
    return horizontal ? grid.bounds.Width() : grid.bounds.Height();
}

}  // namespace

void TFormPellorinth::ResolvePicture(int index) {
    pictures_.Resolve(index, Horizontal());
}

void TFormPellorinth::ResolveVisiblePictures() {
    const bool horizontal = Horizontal();
    const GridModel& grid = placement_.Grid1();
    pictures_.ResolveShown(FirstShownCell(grid, horizontal), GridLength(grid, horizontal),
                           horizontal);
}

void TFormPellorinth::ResolveIdlePictures() {
    const bool horizontal = Horizontal();
    const GridModel& grid = placement_.Grid1();
    pictures_.ResolveIdle(FirstShownCell(grid, horizontal), GridLength(grid, horizontal),
                          horizontal);
}

void TFormPellorinth::CheckItemIcon(int index, bool refetch) {
    if (!store.IsItem(index)) {
        return;
    }
    // Without a refetch the item keeps its picture, or fetches it later with
    // the icon path as it is now.
    pictures_.CheckIcon(index, refetch, Horizontal());
    Repaint();
}

}  // namespace pel
