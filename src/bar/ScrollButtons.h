#pragma once

namespace pel {

// Enabled states of the two scroll buttons.
struct ScrollButtonStates {
    bool back = false;
    bool forward = false;
};

// The buttons' states for the current index `idx` among n items with v
// visible cells; rules applied in order, later ones overriding earlier ones.
ScrollButtonStates CheckButtonStates(ScrollButtonStates states, int idx, int n, int v);

// One scroll step. `edge` is the far edge of the current cell as last painted
// (grid pixels along the bar), `cur` the current index, `n` the item count and
// `v` the visible cells. A click moves the window by a page of v - 1 cells (at
// least one), a hover step by one cell. Returns the new current index, always
// within 0..n-1, and updates the button states.
int ScrollStep(int edge, int cur, bool hover, bool forward, int n, int v,
               ScrollButtonStates& states);

}  // namespace pel
