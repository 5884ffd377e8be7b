#include "app/FormPellorinth.h"
#include "bar/Placement.h"

namespace pel {

void TFormPellorinth::CheckButtons(int col, int row) {
    buttons_.Check(Horizontal() ? col : row, store_.Count(), BarShows().VisibleIconCount);
}

int TFormPellorinth::ScrollStepClosingMenu(bool hover, bool forward) {
    menu_.SetOpen(false);
    return buttons_.Step(placement_.CurrentCellEdge(), CurrentItem(), hover, forward, CellCount(),
                         BarShows().VisibleIconCount);
}

void TFormPellorinth::sbScrollRightClick() {
    SelectItemCell(ScrollStepClosingMenu(false, true));
}

void TFormPellorinth::sbScrollLeftClick() {
    SelectItemCell(ScrollStepClosingMenu(false, false));
    buttons_.EnableForward(CellCount() > UsableVisibleCount(BarShows().VisibleIconCount));
}

void TFormPellorinth::PanelLeftMouseDown() {
    menu_.SetOpen(false);
}

void TFormPellorinth::PanelRightMouseDown() {
    menu_.SetOpen(false);
}

void TFormPellorinth::HoverScrollStep(Point client) {
    const ScrollZone zone = placement_.HoverZone(client);
    if (zone == ScrollZone::None) {
        return;
    }
    const int cur = CurrentItem();
    const int r = ScrollStepClosingMenu(true, zone == ScrollZone::Forward);
    if (r != cur) {
        SelectItemCell(r);
    }
    CheckButtons(placement_.Grid1().Col(), placement_.Grid1().Row());
}

}  // namespace pel
