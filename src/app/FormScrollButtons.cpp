#include "app/FormPellorinth.h"
#include "bar/Placement.h"
#include "bar/ScrollButtons.h"

namespace pel {

void TFormPellorinth::SetButtonScrollPos() {
    LayOutScrollButtons(settings.ScrollButtonPosition);
}

void TFormPellorinth::LayOutScrollButtons(int position) {
    if (position >= 0 && position <= 2) {
        panelOrder_ = position;
    }
    LayoutPanels();
}

void TFormPellorinth::CheckButtons(int col, int row) {
    CheckButtonsFor(col, row, settings.VisibleIconCount);
}

void TFormPellorinth::CheckButtonsFor(int col, int row, int visibleCount) {
    const int idx = Horizontal() ? col : row;
    const ScrollButtonStates states =
        CheckButtonStates({sbScrollLeft.enabled, sbScrollRight.enabled}, idx, store.Count(),
                          UsableVisibleCount(visibleCount));
    sbScrollLeft.enabled = states.back;
    sbScrollRight.enabled = states.forward;
}

int TFormPellorinth::GetColVisiblePosition(int edge, int cur, bool hover, bool forward) {
    menu_.SetOpen(false);
    ScrollButtonStates states{sbScrollLeft.enabled, sbScrollRight.enabled};
    const int r = ScrollStep(edge, cur, hover, forward, CellCount(),
                             UsableVisibleCount(settings.VisibleIconCount), states);
    sbScrollLeft.enabled = states.back;
    sbScrollRight.enabled = states.forward;
    return r;
}

void TFormPellorinth::sbScrollRightClick() {
    SelectItemCell(GetColVisiblePosition(CurCellEdge, CurrentItem(), false, true));
}

void TFormPellorinth::sbScrollLeftClick() {
    SelectItemCell(GetColVisiblePosition(CurCellEdge, CurrentItem(), false, false));
    sbScrollRight.enabled = CellCount() > UsableVisibleCount(settings.VisibleIconCount);
}

void TFormPellorinth::PanelLeftMouseDown() {
    menu_.SetOpen(false);
}

void TFormPellorinth::PanelRightMouseDown() {
    menu_.SetOpen(false);
}

void TFormPellorinth::HoverScrollStep(Point client) {
    const bool horizontal = Horizontal();
    // Along the bar and across it, so one test serves rows and columns.
    const int along = horizontal ? client.x : client.y;
    const int across = horizontal ? client.y : client.x;
    auto alongStart = [horizontal](const Rect& r) { return horizontal ? r.left : r.top; };
    auto alongEnd = [horizontal](const Rect& r) { return horizontal ? r.right : r.bottom; };
    auto acrossStart = [horizontal](const Rect& r) { return horizontal ? r.top : r.left; };
    auto acrossEnd = [horizontal](const Rect& r) { return horizontal ? r.bottom : r.right; };
    const Rect& grid = Grid1.bounds;
    const int gridLength = horizontal ? grid.Width() : grid.Height();
    const bool onGridBand = acrossStart(grid) < across && across < acrossEnd(grid);
    const bool back = along < alongStart(grid) && onGridBand &&
                      alongStart(PanelLeft.bounds) < along && along < alongEnd(PanelLeft.bounds);
    const bool forward = along > gridLength && onGridBand &&
                         alongStart(PanelRight.bounds) < along &&
                         along < alongEnd(PanelRight.bounds);
    if (!back && !forward) {
        return;
    }
    const int cur = CurrentItem();
    const int r = GetColVisiblePosition(CurCellEdge, cur, true, forward);
    if (r != cur) {
        SelectItemCell(r);
    }
    CheckButtons(Grid1.Col(), Grid1.Row());
}

}  // namespace pel
