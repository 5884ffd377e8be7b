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
    const Point pointer = platform.CursorPos();
    const bool shown = platform.BarVisible();
    const bool held = menu_.IsOpen() || gesture.DragHeld;
    const AutoHideMove move = autoHide_.Step(CurrentPlace(), pointer, shown, held);
    if (move.opaque) {
        placement_.SetAlpha(255);
    }
    switch (move.kind) {
        case AutoHideMove::Kind::Show:
            ShowSequence();
            break;
        case AutoHideMove::Kind::Fade:
            placement_.SetAlpha(move.opacity);
            break;
        case AutoHideMove::Kind::Hide:
            HideSequence();
            // A hidden bar waits at full opacity for its next show.
            placement_.SetAlpha(255);
            break;
        case AutoHideMove::Kind::Nothing:
            break;
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
