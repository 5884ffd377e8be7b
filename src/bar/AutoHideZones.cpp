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
    // Top and bottom use the monitor's own edge rows, so a monitor below or
    // above the primary works as one at the origin does. A neighbour beyond
    // that edge lends as many pixels as the side edges take, not all of it:
    // a pointer resting there would keep the bar from ever hiding.
    const Rect& m = place.monitor;
    switch (place.edge) {
        case kEdgeTop:
            return Between(m.top - kOutwards, p.y, m.top) && Between(b.left, p.x, b.right);
        case kEdgeBottom:
            return Between(m.bottom - 1, p.y, m.bottom - 1 + kOutwards) &&
                   Between(b.left, p.x, b.right);
        case kEdgeLeft:
            return Between(a.left - kOutwards, p.x, a.left + 2) && Between(b.top, p.y, b.bottom);
        case kEdgeRight:
            return Between(a.right - 1, p.x, a.right + kOutwards) && Between(b.top, p.y, b.bottom);
        default:
            return false;
    }
}

bool OutsideKeepZone(const BarPlace& place, Point p) {
    const Rect& b = place.bar;
    const bool alongRow = Between(b.left - 5, p.x, b.right + 5);
    const bool alongColumn = Between(b.top - 5, p.y, b.bottom + 5);
    switch (place.edge) {
        case kEdgeTop:
            return !(p.y <= b.bottom + 2 && alongRow);
        case kEdgeBottom:
            return !(p.y >= b.top - 2 && alongRow);
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
