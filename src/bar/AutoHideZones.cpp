#include "bar/AutoHideZones.h"

#include "store/Settings.h"

namespace pel {

namespace {

// How far past its screen edge the pointer still calls the bar back, how far
// inside a side work area's edge, and how far round the bar the pointer keeps
// it: lengths at 96 DPI, like the bar's own.
constexpr int kOutwards = 15;
constexpr int kInwards = 2;
constexpr int kKeepMargin = 5;

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
    const int outwards = place.scale.Px(kOutwards);
    const int inwards = place.scale.Px(kInwards);
    switch (place.edge) {
        case kEdgeTop:
            return Between(m.top - outwards, p.y, m.top) && Between(b.left, p.x, b.right);
        case kEdgeBottom:
            return Between(m.bottom - 1, p.y, m.bottom - 1 + outwards) &&
                   Between(b.left, p.x, b.right);
        case kEdgeLeft:
            return (Between(a.left - outwards, p.x, a.left + inwards) ||
                    Between(m.left - outwards, p.x, m.left)) &&
                   Between(b.top, p.y, b.bottom);
        case kEdgeRight:
            return (Between(a.right - 1, p.x, a.right + outwards) ||
                    Between(m.right - 1, p.x, m.right - 1 + outwards)) &&
                   Between(b.top, p.y, b.bottom);
        default:
            return false;
    }
}

bool OutsideKeepZone(const BarPlace& place, Point p) {
    const Rect& b = place.bar;
    const Rect& m = place.monitor;
    const int outwards = place.scale.Px(kOutwards);
    const int inwards = place.scale.Px(kInwards);
    const int margin = place.scale.Px(kKeepMargin);
    const bool alongRow = Between(b.left - margin, p.x, b.right + margin);
    const bool alongColumn = Between(b.top - margin, p.y, b.bottom + margin);
    switch (place.edge) {
        // Beyond the bar's edge the zone ends where the show zone does: a
        // monitor above or below is not level with the bar.
        case kEdgeTop:
            return !(Between(m.top - outwards, p.y, b.bottom + inwards) && alongRow);
        case kEdgeBottom:
            return !(Between(b.top - inwards, p.y, m.bottom - 1 + outwards) && alongRow);
        case kEdgeLeft:
            return !(alongRow && alongColumn);
        case kEdgeRight:
            return !(b.left - margin <= p.x && p.x < b.right + margin && alongColumn);
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
