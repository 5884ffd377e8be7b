#include "bar/Placement.h"

#include <algorithm>
#include <cstdint>

#include "app/FormPellorinth.h"
#include "bar/StockPictures.h"

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

std::optional<Rect> MonitorWorkArea(const std::vector<Monitor>& monitors, int index) {
    if (monitors.empty()) {
        return std::nullopt;
    }
    if (index < 0 || index >= static_cast<int>(monitors.size())) {
        index = 0;
    }
    return monitors[static_cast<std::size_t>(index)].workArea;
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

void SetMinMaxTrackValue(Point a, Point b, TrackBarModel& x, TrackBarModel& y) {
    x.max = std::max(a.x, b.x);
    x.min = std::min(a.x, b.x);
    x.position = std::clamp(x.position, x.min, x.max);
    y.max = std::max(a.y, b.y);
    y.min = std::min(a.y, b.y);
    y.position = std::clamp(y.position, y.min, y.max);
}

void TFormPellorinth::ChangeScreenOriental(int edge, int visibleCount) {
    if (edge == kEdgeTop || edge == kEdgeBottom) {
        settings.IsHorizontal = true;
    } else if (edge == kEdgeLeft || edge == kEdgeRight) {
        settings.IsHorizontal = false;
    }
    const bool horizontal = settings.IsHorizontal;

    // Length and thickness at once, so the window is resized a single time.
    Panel1.bounds = Rect::FromSize(0, 0, kBarThickness, kBarThickness);
    SetNewSizePanel(Panel1, horizontal, UsableVisibleCount(visibleCount));
    LayoutPanels();  // in the order last applied

    const Rect button = horizontal ? Rect::FromSize(2, 2, 16, 32) : Rect::FromSize(2, 2, 32, 16);
    sbScrollLeft.bounds = button;
    sbScrollRight.bounds = button;

    const int count = store.Count();
    if (horizontal) {
        Grid1.SetColCount(count);
        Grid1.SetRowCount(1);
        CheckButtonsFor(Grid1.Col(), Grid1.Row(), visibleCount);
        sbScrollLeft.glyph = kGlyphBackRow;
        sbScrollRight.glyph = kGlyphForwardRow;
    } else {
        Grid1.SetRowCount(count);
        CheckButtonsFor(Grid1.Col(), Grid1.Row(), visibleCount);
        Grid1.SetColCount(1);
        sbScrollLeft.glyph = kGlyphBackColumn;
        sbScrollRight.glyph = kGlyphForwardColumn;
    }
    const PicturePtr& separator = horizontal ? ImageDel : ImageDel2;
    const std::size_t items = std::min(store.ImageList1.size(), store.ListCurr.size());
    for (std::size_t i = 0; i < items; ++i) {
        if (store.ListCurr[i].empty()) {
            store.ImageList1[i] = separator;
        }
    }
    Repaint();
}

void TFormPellorinth::SetScreenPosition(int edge, int monitor, int dx, int dy) {
    const std::optional<Rect> area = MonitorWorkArea(platform.Monitors(), monitor);
    if (!area) {
        return;  // nothing to place the bar on; it stays where it is
    }
    const Rect current = BarRect();
    const int w = current.Width();
    const int h = current.Height();
    const Point offset = ClampOffset({dx, dy}, edge, *area, w, h);
    // An unknown edge has no offset range; its offsets are added as they are.
    const bool knownEdge = edge >= kEdgeTop && edge <= kEdgeRight;
    SetBarRect(
        PlaceBar(edge, *area, w, h, knownEdge ? offset.x : dx, knownEdge ? offset.y : dy, current));
}

void TFormPellorinth::OnDisplayChanged() {
    ChangeScreenOriental(settings.ScreenPosition, settings.VisibleIconCount);
    SetScreenPosition(settings.ScreenPosition, settings.MonitorIndex, settings.OffsetX,
                      settings.OffsetY);
}

Rect TFormPellorinth::GetRectFromMonitor(int monitor) const {
    // Without any monitor the bar's own rectangle is the best area there is.
    return MonitorWorkArea(platform.Monitors(), monitor).value_or(BarRect());
}

Point TFormPellorinth::GetOffsetRange(bool isMax, int monitor, int edge) const {
    const std::optional<Rect> area = MonitorWorkArea(platform.Monitors(), monitor);
    if (!area) {
        return {};
    }
    const Rect bar = BarRect();
    return OffsetRangeCorner(isMax, edge, *area, bar.Width(), bar.Height());
}

}  // namespace pel
