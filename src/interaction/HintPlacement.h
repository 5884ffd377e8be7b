#pragma once

#include <optional>

#include "platform/Geometry.h"
#include "platform/Scale.h"

namespace pel {

// What the hint's place depends on, all in screen pixels except `gridPoint`
// (the pointer in grid coordinates) and `gridSize` (the grid's client size).
struct HintPlaceInput {
    int edge = 0;
    Rect bar;       // the bar window's outer rectangle
    Rect workArea;  // of the bar's monitor
    Point gridSize;
    Point gridPoint;
    Point cursor;
    Point hintSize;
    Scale scale;  // the bar's: cells and the gap beside a column bar
};

// Top-left corner of the hint beside the pointed cell, away from the bar's
// edge and kept inside the work area; nullopt when the pointer is past the
// grid or the edge is unknown.
[[nodiscard]] std::optional<Point> HintPosition(const HintPlaceInput& in);

}  // namespace pel
