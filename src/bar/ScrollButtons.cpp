#include "bar/ScrollButtons.h"

#include <algorithm>
#include <cstdint>

#include "platform/Widgets.h"
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

}  // namespace pel
