#include "interaction/HintPlacement.h"

#include <algorithm>

#include "bar/BarMetrics.h"
#include "store/Settings.h"

namespace pel {

namespace {

// Screen coordinate along the bar of the middle of the pointed cell.
int CellMiddle(int gridAlong, int cursorAlong, int cell) {
    const int offsetInCell = gridAlong - cell * (gridAlong / cell);
    return cursorAlong - offsetInCell + cell / 2;
}

// The hint moved inside its monitor's work area: a task bar on any side and
// a neighbouring monitor keep it out. One wider or higher than the area
// starts at the area's left or top, where a long name begins.
Point InsideWorkArea(Point at, const HintPlaceInput& in) {
    const Rect& r = in.workArea;
    at.x = std::max(std::min(at.x, r.right - in.hintSize.x), r.left);
    at.y = std::max(std::min(at.y, r.bottom - in.hintSize.y), r.top);
    return at;
}

}  // namespace

std::optional<Point> HintPosition(const HintPlaceInput& in) {
    const Rect& bar = in.bar;
    const int w = in.hintSize.x;
    const int h = in.hintSize.y;
    const int cell = CellMetricsAt(in.scale).cell;
    const int gap = in.scale.Px(2);
    switch (in.edge) {
        case kEdgeTop:
        case kEdgeBottom: {
            if (in.gridPoint.x >= in.gridSize.x) {
                return std::nullopt;
            }
            const int top = in.edge == kEdgeTop ? bar.bottom : bar.top - h;
            return InsideWorkArea({CellMiddle(in.gridPoint.x, in.cursor.x, cell) - w / 2, top}, in);
        }
        case kEdgeLeft:
        case kEdgeRight: {
            const bool onLeftEdge = in.edge == kEdgeLeft;
            if (onLeftEdge ? in.gridPoint.y > in.gridSize.y : in.gridPoint.y >= in.gridSize.y) {
                return std::nullopt;
            }
            const int left = onLeftEdge ? bar.right + gap : bar.left - w - gap;
            return InsideWorkArea({left, CellMiddle(in.gridPoint.y, in.cursor.y, cell) - h / 2},
                                  in);
        }
        default:
            return std::nullopt;
    }
}

}  // namespace pel
