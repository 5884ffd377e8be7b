#include "interaction/HintPlacement.h"

#include "platform/Widgets.h"
#include "store/Settings.h"

namespace pel {

namespace {

// Screen coordinate along the bar of the middle of the pointed cell.
int CellMiddle(int gridAlong, int cursorAlong, int cell) {
    const int offsetInCell = gridAlong - cell * (gridAlong / cell);
    return cursorAlong - offsetInCell + cell / 2;
}

}  // namespace

std::optional<Point> HintPosition(const HintPlaceInput& in) {
    const Rect& bar = in.bar;
    const Rect& r = in.workArea;
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
            int left = CellMiddle(in.gridPoint.x, in.cursor.x, cell) - w / 2;
            if (left + w > r.right) {
                left = r.right - w;
            }
            // The work area's own left, so a monitor left of the primary
            // keeps its hints and one right of it never lends them.
            if (left < r.left) {
                left = r.left;
            }
            return Point{left, top};
        }
        case kEdgeLeft:
        case kEdgeRight: {
            const bool onLeftEdge = in.edge == kEdgeLeft;
            if (onLeftEdge ? in.gridPoint.y > in.gridSize.y : in.gridPoint.y >= in.gridSize.y) {
                return std::nullopt;
            }
            int left = onLeftEdge ? bar.right + gap : bar.left - w - gap;
            int top = CellMiddle(in.gridPoint.y, in.cursor.y, cell) - h / 2;
            if (left + w > r.right) {
                left = r.right - w;
                if (onLeftEdge && left < bar.right) {
                    left = bar.right + gap;
                }
            }
            if (top + h > r.bottom) {
                top = r.bottom - h;
            }
            return Point{left, top};
        }
        default:
            return std::nullopt;
    }
}

}  // namespace pel
