#include "bar/Placement.h"

#include <algorithm>
#include <cstdint>

#include "platform/Widgets.h"
#include "store/Settings.h"

namespace pel {

namespace {

// Offsets come from the data file as any 32-bit value; the sum is held far
// off screen but where a window's right and bottom still fit in an int.
constexpr std::int64_t kFarthestCoordinate = 1 << 28;

int SaturatingAdd(int a, int b) {
    const std::int64_t sum = static_cast<std::int64_t>(a) + b;
    return static_cast<int>(std::clamp(sum, -kFarthestCoordinate, kFarthestCoordinate));
}

}  // namespace

void SetNewSizePanel(PanelModel& panel, bool horizontal, int n) {
    Rect& r = panel.bounds;
    if (horizontal) {
        r.right = r.left + GetNewSizePanel(n);
    } else {
        r.bottom = r.top + GetNewSizePanel(n);
    }
}

const Monitor* MonitorOrFirst(const std::vector<Monitor>& monitors, int index) {
    if (monitors.empty()) {
        return nullptr;
    }
    const int count = static_cast<int>(monitors.size());
    return &monitors[static_cast<std::size_t>(MonitorIndexOrFirst(index, count))];
}

std::optional<Rect> MonitorWorkArea(const std::vector<Monitor>& monitors, int index) {
    const Monitor* monitor = MonitorOrFirst(monitors, index);
    return monitor ? std::optional<Rect>(monitor->workArea) : std::nullopt;
}

Rect PlaceBar(int edge, const Rect& a, int w, int h, int dx, int dy, const Rect& current) {
    const int centredLeft = a.left + (a.Width() - w) / 2;
    const int centredTop = a.top + (a.Height() - h) / 2;
    int left = current.left;
    int top = current.top;
    switch (edge) {
        case kEdgeTop:
            top = a.top;
            left = centredLeft;
            break;
        case kEdgeBottom:
            top = a.bottom - h;
            left = centredLeft;
            break;
        case kEdgeLeft:
            top = centredTop;
            left = a.left;
            break;
        case kEdgeRight:
            top = centredTop;
            left = a.right - w;
            break;
        default:
            break;
    }
    return Rect::FromSize(SaturatingAdd(left, dx), SaturatingAdd(top, dy), w, h);
}

Point OffsetRangeCorner(bool isMax, int edge, const Rect& a, int w, int h) {
    const int freeX = a.Width() - w;
    const int freeY = a.Height() - h;
    const int hx = freeX / 2;
    const int qx = freeX / 12;
    const int hy = freeY / 2;
    const int qy = freeY / 20;
    switch (edge) {
        case kEdgeTop:
            return isMax ? Point{hx, qy} : Point{-hx, 0};
        case kEdgeBottom:
            return isMax ? Point{hx, -qy} : Point{-hx, 0};
        case kEdgeLeft:
            return isMax ? Point{qx, hy} : Point{0, -hy};
        case kEdgeRight:
            return isMax ? Point{-qx, hy} : Point{0, -hy};
        default:
            return {};
    }
}

Point ClampOffset(Point offset, int edge, const Rect& workArea, int w, int h) {
    const Point a = OffsetRangeCorner(true, edge, workArea, w, h);
    const Point b = OffsetRangeCorner(false, edge, workArea, w, h);
    return {std::clamp(offset.x, std::min(a.x, b.x), std::max(a.x, b.x)),
            std::clamp(offset.y, std::min(a.y, b.y), std::max(a.y, b.y))};
}

}  // namespace pel
