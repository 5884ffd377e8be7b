#include "app/FormPellorinth.h"
#include "bar/StockPictures.h"
#include "interaction/FormHint.h"

namespace pel {

void TFormPellorinth::ChangeScreenOriental(int edge, int visibleCount) {
    // The bar is laid out at the scale of the monitor it is about to go to.
    UseScale(placement_.ScaleOf(look_.Shown().MonitorIndex));
    LayOut(edge, visibleCount);
}

void TFormPellorinth::LayOut(int edge, int visibleCount) {
    placement_.Orient(edge);
    const bool horizontal = Horizontal();
    // Length and thickness at once, so the window is resized a single time.
    placement_.SizeForCells(visibleCount);
    buttons_.Orient(horizontal);
    placement_.SetGridCounts(store_.Count());
    buttons_.Check(CurrentItem(), store_.Count(), visibleCount);

    pictures_.TurnSeparators(horizontal);
    Repaint();
}

void TFormPellorinth::SetScreenPosition(int edge, int monitor, int dx, int dy) {
    const Scale scale = placement_.ScaleOf(monitor);
    if (scale != placement_.CurrentScale()) {
        // Another monitor, another scale: laid out again before it goes there.
        UseScale(scale);
        LayOut(edge, placement_.VisibleCells());
    }
    placement_.Place(edge, monitor, dx, dy);
}

void TFormPellorinth::UseScale(Scale scale) {
    if (scale == placement_.CurrentScale()) {
        return;
    }
    const CellMetrics metrics = CellMetricsAt(scale);
    placement_.SetScale(scale);
    buttons_.LoadGlyphs(scale);
    look_.UseCellMetrics(metrics);
    pictures_.UseIconSide(metrics.icon, MakeStockItemPictures(platform_, scale), Horizontal());
    hint_.UseScale(scale);
    RebuildGradient();
}

void TFormPellorinth::OnScaleChanged() {
    placement_.ForgetMonitors();  // their DPIs are what changed
    const Settings& s = look_.Shown();
    if (placement_.ScaleOf(s.MonitorIndex) == placement_.CurrentScale()) {
        return;  // the bar's own move to another monitor, already laid out for it
    }
    // One re-layout at the new scale, put where the bar's own rules say; the
    // rectangle the system suggests is not used.
    ChangeScreenOriental(s.ScreenPosition, s.VisibleIconCount);
    SetScreenPosition(s.ScreenPosition, s.MonitorIndex, s.OffsetX, s.OffsetY);
    RebuildGradient();
    Repaint();
}

void TFormPellorinth::OnDisplayChanged() {
    placement_.ForgetMonitors();
    WakeTick();
    if (dlgPref_.Visible()) {
        // The bar shows what the dialog shows, on the monitors there are now.
        dlgPref_.DisplaysChanged();
        return;
    }
    ChangeScreenOriental(settings_.ScreenPosition, settings_.VisibleIconCount);
    SetScreenPosition(settings_.ScreenPosition, settings_.MonitorIndex, settings_.OffsetX,
                      settings_.OffsetY);
}

Rect TFormPellorinth::GetRectFromMonitor(int monitor) const {
    return placement_.WorkAreaOf(monitor);
}

Point TFormPellorinth::GetOffsetRange(bool isMax, int monitor, int edge) const {
    return placement_.OffsetRange(isMax, monitor, edge);
}

}  // namespace pel
