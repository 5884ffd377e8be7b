#include "app/FormPellorinth.h"
#include "bar/Placement.h"
#include "bar/StockPictures.h"

namespace pel {

void TFormPellorinth::ChangeScreenOriental(int edge, int visibleCount) {
    if (edge == kEdgeTop || edge == kEdgeBottom) {
        settings.IsHorizontal = true;
    } else if (edge == kEdgeLeft || edge == kEdgeRight) {
        settings.IsHorizontal = false;
    }
    const bool horizontal = Horizontal();

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
    pictures_.TurnSeparators(horizontal);
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
