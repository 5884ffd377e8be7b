#pragma once

#include <optional>
#include <vector>

#include "bar/BarMetrics.h"
#include "platform/Display.h"
#include "platform/Geometry.h"
#include "platform/Widgets.h"
#include "store/Settings.h"

namespace pel {

// Length of a bar showing n cells: the cells and both scroll panels.
constexpr int GetNewSizePanel(int n) {
    return n * kCellSize + 2 * kScrollPanelLength;
}

// Sets the panel's width (row bar) or height (column bar) to GetNewSizePanel(n).
void SetNewSizePanel(PanelModel& panel, bool horizontal, int n);

// The monitor an index means among `count`: an index that names no monitor
// means monitor 0.
constexpr int MonitorIndexOrFirst(int index, int count) {
    return index >= 0 && index < count ? index : 0;
}

// Monitor MonitorIndexOrFirst(index); null only when the system lists no
// monitor at all.
const Monitor* MonitorOrFirst(const std::vector<Monitor>& monitors, int index);

// Work area of MonitorOrFirst(index); nullopt only when the system lists no
// monitor at all.
std::optional<Rect> MonitorWorkArea(const std::vector<Monitor>& monitors, int index);

// Where a bar of outer size w x h goes: against `edge` of the work area,
// centred along it, then moved by (dx, dy). An unknown edge keeps the place of
// `current` and only adds the offsets.
Rect PlaceBar(int edge, const Rect& workArea, int w, int h, int dx, int dy, const Rect& current);

// One corner of the rectangle of offsets allowed for a w x h bar on `edge`:
// along the edge up to the free half-length either way, away from it inwards
// only, by a twentieth (row) or twelfth (column) of the free space. An
// unknown edge allows no offset: both corners are (0, 0).
Point OffsetRangeCorner(bool isMax, int edge, const Rect& workArea, int w, int h);

// Offsets held to the rectangle spanned by the two corners of OffsetRangeCorner.
Point ClampOffset(Point offset, int edge, const Rect& workArea, int w, int h);

}  // namespace pel
