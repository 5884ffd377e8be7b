#include "app/FormPellorinth.h"
#include "bar/FullScreen.h"
#include "interaction/FormHint.h"

namespace pel {

const Settings& TFormPellorinth::BarShows() const {
    // While the preferences dialog is open the bar shows its candidate, and
    // the hint and hover scrolling follow what the user sees.
    return dlgPref_.Visible() ? look_.Shown() : settings;
}

BarPlace TFormPellorinth::CurrentPlace() const {
    BarPlace place;
    place.edge = BarShows().ScreenPosition;
    place.bar = BarRect();
    const auto& monitors = placement_.Monitors();
    if (monitors.empty()) {
        place.workArea = place.monitor = place.bar;
        return place;
    }
    // A monitor index that names no monitor means monitor 0, as in placement.
    const int index = BarShows().MonitorIndex;
    const Monitor& m = index >= 0 && index < static_cast<int>(monitors.size())
                           ? monitors[static_cast<std::size_t>(index)]
                           : monitors.front();
    place.workArea = m.workArea;
    place.monitor = m.bounds;
    place.scale = m.scale;
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
    // A shown bar must leave the top under a full-screen program, and one
    // that is there must be left when it goes; a hidden bar asks only when
    // the edge calls it (the question costs the system several calls).
    if (fullScreen_ || platform.BarVisible()) {
        CheckFullScreen();
    }
    if (BarShows().HoverScroll && !gesture.DragMoved) {
        HoverScrollStep(getCurrentPoint(false));
    }
    AutoHideStep();
    ShowHintCell();
    CheckDragOff();
    ResolveIdlePictures();
    tick_.Run(TickNeeded());
}

bool TFormPellorinth::TickNeeded() const {
    // Auto-hide watches the pointer until the bar is hidden, and then the
    // edge; the end of a full-screen program shows in no message to the bar.
    if (AutoHideActive() || fullScreen_ || pictures_.HasPending()) {
        return true;
    }
    if (FormHint.Visible() || gesture.DragHeld || gesture.DragMoved) {
        return true;
    }
    // Over the bar: hints, hover scrolling and the current cell follow the
    // pointer. Elsewhere the bar waits for the pointer to come back.
    return platform.BarVisible() && BarRect().Contains(platform.CursorPos());
}

void TFormPellorinth::WakeTick() {
    tick_.Run(true);
}

void TFormPellorinth::OnMouseLeave() {
    // One more tick hides the hint and lets the timer sleep.
    WakeTick();
}

void TFormPellorinth::OnForegroundChanged() {
    CheckFullScreen();
}

void TFormPellorinth::CheckFullScreen() {
    const bool covered = CoversMonitor(platform.ForegroundClientRect(), CurrentPlace().monitor);
    if (covered == fullScreen_) {
        return;
    }
    fullScreen_ = covered;
    // Below the full-screen window while it lasts; above everything again
    // once it leaves the foreground or the full screen.
    platform.SetBarTopmost(!covered);
    WakeTick();
}

void TFormPellorinth::AutoHideStep() {
    if (!AutoHideActive()) {
        return;
    }
    const Point pointer = platform.CursorPos();
    const bool shown = platform.BarVisible();
    const bool held = menu_.IsOpen() || gesture.DragHeld;
    const BarPlace place = CurrentPlace();
    if (!shown && !fullScreen_ && InShowZone(place, pointer)) {
        CheckFullScreen();
    }
    const AutoHideMove move = autoHide_.Step(place, pointer, shown, held, !fullScreen_);
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
