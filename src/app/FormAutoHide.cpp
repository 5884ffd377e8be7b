#include "app/FormPellorinth.h"
#include "interaction/FormHint.h"

namespace pel {

BarPlace TFormPellorinth::CurrentPlace() const {
    BarPlace place;
    place.edge = settings.ScreenPosition;
    place.bar = BarRect();
    const auto monitors = platform.Monitors();
    if (monitors.empty()) {
        place.workArea = place.monitor = place.bar;
        return place;
    }
    // A monitor index that names no monitor means monitor 0, as in placement.
    const int index = settings.MonitorIndex;
    const Monitor& m = index >= 0 && index < static_cast<int>(monitors.size())
                           ? monitors[static_cast<std::size_t>(index)]
                           : monitors.front();
    place.workArea = m.workArea;
    place.monitor = m.bounds;
    return place;
}

bool TFormPellorinth::GetShowPanel(int x, int y) const {
    return InShowZone(CurrentPlace(), {x, y});
}

bool TFormPellorinth::GetHidePanel(int x, int y) const {
    return OutsideKeepZone(CurrentPlace(), {x, y});
}

bool TFormPellorinth::GetStopFadePanel(int x, int y) const {
    return OverBar(CurrentPlace(), {x, y});
}

void TFormPellorinth::TimerPellorinthTimer() {
    if (settings.HoverScroll && !gesture.DragMoved) {
        HoverScrollStep(getCurrentPoint(false));
    }
    AutoHideStep();
    ShowHintCell();
    CheckDragOff();
    ResolveIdlePictures();
}

void TFormPellorinth::AutoHideStep() {
    if (!AutoHideActive()) {
        return;
    }
    const Point p = platform.CursorPos();
    const bool shown = platform.BarVisible();
    if (shown && GetStopFadePanel(p.x, p.y)) {
        placement_.SetAlpha(255);
    }
    if (GetShowPanel(p.x, p.y)) {
        fade_.Reset();
        placement_.SetAlpha(255);
        if (!shown) {
            ShowSequence();
        }
        return;
    }
    if (MenuOpen != 0 || gesture.DragHeld || !GetHidePanel(p.x, p.y)) {
        return;
    }
    if (fade_.Hidden()) {
        return;
    }
    if (const std::optional<int> opacity = fade_.Advance()) {
        placement_.SetAlpha(*opacity);
    } else {
        HideSequence();
        // A hidden bar waits at full opacity for its next show.
        placement_.SetAlpha(255);
    }
}

void TFormPellorinth::ShowSequence() {
    platform.HideTaskbarWindow();
    FormShow();
    platform.ShowBar(true);
    platform.HideTaskbarWindow();
    platform.BringBarToFront();
}

void TFormPellorinth::HideSequence() {
    platform.HideTaskbarWindow();
    platform.ShowBar(false);
    FormHint.Hide();
    platform.MinimizeTaskbarWindow();
    platform.HideTaskbarWindow();
}

}  // namespace pel
