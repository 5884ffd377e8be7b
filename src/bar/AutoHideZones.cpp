#include "bar/AutoHideZones.h"

#include "store/Settings.h"

namespace pel {

namespace {

// How far past its screen edge the pointer still calls the bar back.
constexpr int kOutwards = 15;

bool Between(int low, int v, int high) {
    return low <= v && v <= high;
}

}  // namespace

bool InShowZone(const BarPlace& place, Point p) {
    const Rect& b = place.bar;
    const Rect& a = place.workArea;
    // Every edge answers at the monitor's own edge, so a monitor below,
    // above or beside the primary works as one at the origin does. A
    // neighbour beyond that edge lends 15 pixels, not all of it: a pointer
    // resting there would keep the bar from ever hiding. Side bars also
    // answer at the work area's edge, which a task bar on that side moves
    // inwards: there the pointer rests against the task bar.
    const Rect& m = place.monitor;
    switch (place.edge) {
        case kEdgeTop:
            return Between(m.top - kOutwards, p.y, m.top) && Between(b.left, p.x, b.right);
        case kEdgeBottom:
            return Between(m.bottom - 1, p.y, m.bottom - 1 + kOutwards) &&
                   Between(b.left, p.x, b.right);
        case kEdgeLeft:
            return (Between(a.left - kOutwards, p.x, a.left + 2) ||
                    Between(m.left - kOutwards, p.x, m.left)) &&
                   Between(b.top, p.y, b.bottom);
        case kEdgeRight:
            return (Between(a.right - 1, p.x, a.right + kOutwards) ||
                    Between(m.right - 1, p.x, m.right - 1 + kOutwards)) &&
                   Between(b.top, p.y, b.bottom);
        default:
            return false;
    }
}

bool OutsideKeepZone(const BarPlace& place, Point p) {
    const Rect& b = place.bar;
    const Rect& m = place.monitor;
    const bool alongRow = Between(b.left - 5, p.x, b.right + 5);
    const bool alongColumn = Between(b.top - 5, p.y, b.bottom + 5);
    switch (place.edge) {
        // Beyond the bar's edge the zone ends where the show zone does: a
        // monitor above or below is not level with the bar.
        case kEdgeTop:
            return !(Between(m.top - kOutwards, p.y, b.bottom + 2) && alongRow);
        case kEdgeBottom:
            return !(Between(b.top - 2, p.y, m.bottom - 1 + kOutwards) && alongRow);
        case kEdgeLeft:
            return !(alongRow && alongColumn);
        case kEdgeRight:
            return !(b.left - 5 <= p.x && p.x < b.right + 5 && alongColumn);
        default:
            return false;
    }
}

bool OverBar(const BarPlace& place, Point p) {
    const Rect& b = place.bar;
    const bool inRow = b.left <= p.x && p.x < b.right;
    const bool inColumn = b.top <= p.y && p.y < b.bottom;
    switch (place.edge) {
        case kEdgeTop:
            return p.y < b.bottom && inRow;
        case kEdgeBottom:
            return p.y > b.top && inRow;
        case kEdgeLeft:
            return p.x < b.right && inColumn;
        case kEdgeRight:
            return p.x > b.left && inColumn;
        default:
            return false;
    }
}

}  // namespace pel
