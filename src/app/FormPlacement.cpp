#include "app/FormPellorinth.h"

namespace pel {

void TFormPellorinth::ChangeScreenOriental(int edge, int visibleCount) {
    placement_.Orient(edge);
    const bool horizontal = Horizontal();
    // Length and thickness at once, so the window is resized a single time.
    placement_.SizeForCells(visibleCount);
    buttons_.Orient(horizontal);
    placement_.SetGridCounts(store.Count());
    buttons_.Check(CurrentItem(), store.Count(), visibleCount);

    pictures_.TurnSeparators(horizontal);
    Repaint();
}

void TFormPellorinth::SetScreenPosition(int edge, int monitor, int dx, int dy) {
    placement_.Place(edge, monitor, dx, dy);
}

void TFormPellorinth::OnDisplayChanged() {
    placement_.ForgetMonitors();
    WakeTick();
    if (dlgPref_.visible) {
        // The bar shows what the dialog shows, on the monitors there are now.
        dlgPref_.DisplaysChanged();
        return;
    }
    ChangeScreenOriental(settings.ScreenPosition, settings.VisibleIconCount);
    SetScreenPosition(settings.ScreenPosition, settings.MonitorIndex, settings.OffsetX,
                      settings.OffsetY);
}

Rect TFormPellorinth::GetRectFromMonitor(int monitor) const {
    return placement_.WorkAreaOf(monitor);
}

Point TFormPellorinth::GetOffsetRange(bool isMax, int monitor, int edge) const {
    return placement_.OffsetRange(isMax, monitor, edge);
}

}  // namespace pel
