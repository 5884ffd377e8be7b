#include "bar/BarPlacement.h"

#include "bar/Placement.h"
#include "store/Settings.h"

namespace pel {

namespace {

constexpr int kDesignClientWidth = 760;

}  // namespace

BarPlacement::BarPlacement(BarView& window, const Display& display)
    : window_(window), monitors_(display) {
    panel1_.bounds = Rect::FromSize(0, 0, kDesignClientWidth, kBarThickness);
    LayoutPanels();
}

void BarPlacement::Orient(int edge) {
    if (edge == kEdgeTop || edge == kEdgeBottom) {
        horizontal_ = true;
    } else if (edge == kEdgeLeft || edge == kEdgeRight) {
        horizontal_ = false;
    }
}

Scale BarPlacement::ScaleOf(int monitor) const {
    const Monitor* shown = MonitorOrFirst(monitors_.All(), monitor);
    return shown ? shown->scale : Scale{};
}

void BarPlacement::SetScale(Scale scale) {
    scale_ = scale;
    grid1_.cellSize = CellMetricsAt(scale).cell;
}

void BarPlacement::SizeForCells(int visibleCount) {
    visibleCells_ = UsableVisibleCount(visibleCount);
    const int thickness = scale_.Px(kBarThickness);
    const int length = visibleCells_ * grid1_.cellSize + 2 * scale_.Px(kScrollPanelLength);
    panel1_.bounds = horizontal_ ? Rect::FromSize(0, 0, length, thickness)
                                 : Rect::FromSize(0, 0, thickness, length);
    LayoutPanels();  // in the order last applied
}

void BarPlacement::LayOutScrollButtons(int position) {
    if (position >= 0 && position <= 2) {
        panelOrder_ = position;
    }
    LayoutPanels();
}

void BarPlacement::LayoutPanels() {
    const bool horizontal = horizontal_;
    const int length = horizontal ? panel1_.bounds.Width() : panel1_.bounds.Height();
    const int thickness = scale_.Px(kBarThickness);
    auto span = [horizontal, thickness](int from, int to) {
        return horizontal ? Rect{from, 0, to, thickness} : Rect{0, from, thickness, to};
    };
    const int p = scale_.Px(kScrollPanelLength);
    switch (panelOrder_) {
        case 1:
            grid1_.bounds = span(0, length - 2 * p);
            panelLeft_.bounds = span(length - 2 * p, length - p);
            panelRight_.bounds = span(length - p, length);
            break;
        case 2:
            panelLeft_.bounds = span(0, p);
            panelRight_.bounds = span(p, 2 * p);
            grid1_.bounds = span(2 * p, length);
            break;
        default:
            panelLeft_.bounds = span(0, p);
            grid1_.bounds = span(p, length - p);
            panelRight_.bounds = span(length - p, length);
            break;
    }
    // The form sizes itself to Panel1, keeping its top-left corner.
    const Point frame = window_.BarFrameSize();
    SetBarRect(Rect::FromSize(bounds_.left, bounds_.top, panel1_.bounds.Width() + frame.x,
                              panel1_.bounds.Height() + frame.y));
}

void BarPlacement::SetGridCounts(int count) {
    if (horizontal_) {
        grid1_.SetColCount(count);
        grid1_.SetRowCount(1);
    } else {
        grid1_.SetRowCount(count);
        grid1_.SetColCount(1);
    }
}

int BarPlacement::CurrentItem() const {
    return horizontal_ ? grid1_.Col() : grid1_.Row();
}

BarPlacement::CellsInView BarPlacement::InView() const {
    return horizontal_ ? CellsInView{grid1_.Col(), grid1_.LeftCol()}
                       : CellsInView{grid1_.Row(), grid1_.TopRow()};
}

void BarPlacement::ScrollAlong(int first) {
    if (horizontal_) {
        grid1_.ScrollTo(first, grid1_.TopRow());
    } else {
        grid1_.ScrollTo(grid1_.LeftCol(), first);
    }
}

int BarPlacement::CellCount() const {
    return horizontal_ ? grid1_.ColCount() : grid1_.RowCount();
}

void BarPlacement::SetCellCount(int n) {
    if (horizontal_) {
        grid1_.SetColCount(n);
    } else {
        grid1_.SetRowCount(n);
    }
}

void BarPlacement::SelectCell(int index) {
    if (horizontal_) {
        grid1_.SetCurrent(index, grid1_.Row());
    } else {
        grid1_.SetCurrent(grid1_.Col(), index);
    }
}

int BarPlacement::CurrentCellEdge() const {
    const int before =
        horizontal_ ? grid1_.Col() - grid1_.LeftCol() : grid1_.Row() - grid1_.TopRow();
    return (before + 1) * grid1_.cellSize;
}

ScrollZone BarPlacement::HoverZone(Point client) const {
    const bool horizontal = horizontal_;
    // Along the bar and across it, so one test serves rows and columns.
    const int along = horizontal ? client.x : client.y;
    const int across = horizontal ? client.y : client.x;
    auto alongStart = [horizontal](const Rect& r) { return horizontal ? r.left : r.top; };
    auto alongEnd = [horizontal](const Rect& r) { return horizontal ? r.right : r.bottom; };
    auto acrossStart = [horizontal](const Rect& r) { return horizontal ? r.top : r.left; };
    auto acrossEnd = [horizontal](const Rect& r) { return horizontal ? r.bottom : r.right; };
    const Rect& grid = grid1_.bounds;
    const int gridLength = horizontal ? grid.Width() : grid.Height();
    const bool onGridBand = acrossStart(grid) < across && across < acrossEnd(grid);
    const bool back = along < alongStart(grid) && onGridBand &&
                      alongStart(panelLeft_.bounds) < along && along < alongEnd(panelLeft_.bounds);
    const bool forward = along > gridLength && onGridBand &&
                         alongStart(panelRight_.bounds) < along &&
                         along < alongEnd(panelRight_.bounds);
    if (forward) {
        return ScrollZone::Forward;
    }
    return back ? ScrollZone::Back : ScrollZone::None;
}

Point BarPlacement::ClientPoint(Point screen, bool fromGrid) const {
    // The client area starts inside the thin border, which is as wide on
    // every side.
    const Point frame = window_.BarFrameSize();
    Point p{screen.x - bounds_.left - frame.x / 2, screen.y - bounds_.top - frame.y / 2};
    if (fromGrid) {
        // Along the bar only: the scroll panels that lie before the grid.
        if (horizontal_) {
            p.x -= grid1_.bounds.left;
        } else {
            p.y -= grid1_.bounds.top;
        }
    }
    return p;
}

void BarPlacement::SetBarRect(const Rect& outer) {
    if (outer == bounds_) {
        return;
    }
    bounds_ = outer;
    window_.SetBarBounds(outer);
}

void BarPlacement::SetAlpha(int alpha) {
    if (alpha == alpha_) {
        return;
    }
    alpha_ = alpha;
    window_.SetBarAlpha(alpha);
}

void BarPlacement::Place(int edge, int monitor, int dx, int dy) {
    const std::optional<Rect> area = MonitorWorkArea(monitors_.All(), monitor);
    if (!area) {
        return;  // nothing to place the bar on; it stays where it is
    }
    const Rect current = bounds_;
    const int w = current.Width();
    const int h = current.Height();
    // The offsets are in pixels at 96 DPI; the bar moves by as many of its
    // scale's, and is held to the range in those pixels.
    const Point scaled{scale_.Px(dx), scale_.Px(dy)};
    const Point offset = ClampOffset(scaled, edge, *area, w, h);
    // An unknown edge has no offset range; its offsets are added as they are.
    const bool knownEdge = edge >= kEdgeTop && edge <= kEdgeRight;
    SetBarRect(PlaceBar(edge, *area, w, h, knownEdge ? offset.x : scaled.x,
                        knownEdge ? offset.y : scaled.y, current));
}

Rect BarPlacement::WorkAreaOf(int monitor) const {
    // Without any monitor the bar's own rectangle is the best area there is.
    return MonitorWorkArea(monitors_.All(), monitor).value_or(bounds_);
}

Point BarPlacement::OffsetRange(bool isMax, int monitor, int edge) const {
    const std::optional<Rect> area = MonitorWorkArea(monitors_.All(), monitor);
    if (!area) {
        return {};
    }
    const Point corner = OffsetRangeCorner(isMax, edge, *area, bounds_.Width(), bounds_.Height());
    return {scale_.To96(corner.x), scale_.To96(corner.y)};
}

}  // namespace pel
