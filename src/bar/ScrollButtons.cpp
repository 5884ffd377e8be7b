#include "bar/ScrollButtons.h"

#include <algorithm>
#include <cstdint>

#include "app/FormPellorinth.h"
#include "bar/Placement.h"

namespace pel {

namespace {

// Cells from the first visible one up to and including the current one.
int CellsUpToEdge(int edge) {
    const std::int64_t e = edge;
    const std::int64_t half = kCellSize / 2;
    return static_cast<int>(e >= 0 ? (e + half) / kCellSize : -((-e + half) / kCellSize));
}

}  // namespace

ScrollButtonStates CheckButtonStates(ScrollButtonStates states, int idx, int n, int v) {
    if (idx > v) {
        states.back = true;
    }
    if (idx == 0) {
        states.back = false;
    }
    if (idx == n - 1) {
        states.forward = false;
    }
    if (n <= v) {
        states.forward = false;
    }
    if (idx < n - v && n > v) {
        states.forward = true;
    }
    return states;
}

int ScrollStep(int edge, int cur, bool hover, bool forward, int n, int v,
               ScrollButtonStates& states) {
    const int k = CellsUpToEdge(edge);
    const int last = std::max(0, n - 1);
    // A one-cell bar still pages by one cell instead of standing still.
    const int page = std::max(1, v - 1);
    const int firstVisible = cur - k + 1;
    const int lastVisible = cur + (v - k);
    int r = cur;
    if (forward) {
        r = hover ? lastVisible + 1 : lastVisible + page;
        if (hover) {
            if (r > last) {
                r = cur;  // already at the end: stay
                states.forward = false;
                if (n > v) {
                    states.back = true;
                }
            } else {
                states.back = true;
            }
        } else {
            if (r > last) {
                r = last;
                states.forward = false;
            }
            if (n > v) {
                states.back = true;
            }
        }
        if (r == last) {
            states.forward = false;
        }
    } else {
        r = hover ? firstVisible - 1 : firstVisible - page;
        if (r <= 0) {
            r = 0;
            states.back = false;
        }
        states.forward = true;
    }
    // A stale edge can put the step anywhere; the index stays on the bar.
    return std::clamp(r, 0, last);
}

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
    const int idx = settings.IsHorizontal ? col : row;
    const ScrollButtonStates states =
        CheckButtonStates({sbScrollLeft.enabled, sbScrollRight.enabled}, idx, store.Count(),
                          UsableVisibleCount(visibleCount));
    sbScrollLeft.enabled = states.back;
    sbScrollRight.enabled = states.forward;
}

int TFormPellorinth::GetColVisiblePosition(int edge, int cur, bool hover, bool forward) {
    MenuOpen = 0;
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
    MenuOpen = 0;
}

void TFormPellorinth::PanelRightMouseDown() {
    MenuOpen = 0;
}

void TFormPellorinth::HoverScrollStep(Point client) {
    const bool horizontal = settings.IsHorizontal;
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
