#pragma once

#include "platform/Geometry.h"
#include "platform/Scale.h"

namespace pel {

// Where the bar lies, as the auto-hide tests read it: its edge, its outer
// rectangle (kept while hidden), the work area and full rectangle of its
// monitor, and that monitor's scale, which widens the zones' bands.
struct BarPlace {
    int edge = 0;
    Rect bar;
    Rect workArea;
    Rect monitor;
    Scale scale;
};

// The pointer touches the bar's screen edge within the bar's span.
[[nodiscard]] bool InShowZone(const BarPlace& place, Point p);
// The pointer is outside the zone that keeps the bar; never for an unknown edge.
[[nodiscard]] bool OutsideKeepZone(const BarPlace& place, Point p);
// The pointer is over the bar.
[[nodiscard]] bool OverBar(const BarPlace& place, Point p);

}  // namespace pel
