#include "app/FormPellorinth.h"
#include "bar/FullScreen.h"
#include "bar/Placement.h"
#include "interaction/FormHint.h"

namespace pel {

const Settings& TFormPellorinth::BarShows() const {
    // While the preferences dialog is open the bar shows its candidate, and
    // the hint and hover scrolling follow what the user sees.
    return dlgPref_.Visible() ? look_.Shown() : settings_;
}

BarPlace TFormPellorinth::CurrentPlace() const {
    BarPlace place;
    place.edge = BarShows().ScreenPosition;
    place.bar = BarRect();
    const Monitor* m = MonitorOrFirst(placement_.Monitors(), BarShows().MonitorIndex);
    if (m == nullptr) {
        place.workArea = place.monitor = place.bar;
        return place;
    }
    place.workArea = m->workArea;
    place.monitor = m->bounds;
    place.scale = m->scale;
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
    if (fullScreen_ || platform_.BarVisible()) {
        CheckFullScreen();
    }
    if (BarShows().HoverScroll && !gesture_.Moved()) {
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
    if (hint_.Visible() || gesture_.Held() || gesture_.Moved()) {
        return true;
    }
    // Over the bar: hints, hover scrolling and the current cell follow the
    // pointer. Elsewhere the bar waits for the pointer to come back.
    return platform_.BarVisible() && BarRect().Contains(platform_.CursorPos());
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
    const bool covered = CoversMonitor(platform_.ForegroundClientRect(), CurrentPlace().monitor);
    if (covered == fullScreen_) {
        return;
    }
    fullScreen_ = covered;
    // Below the full-screen window while it lasts; above everything again
    // once it leaves the foreground or the full screen.
    platform_.SetBarTopmost(!covered);
    WakeTick();
}

void TFormPellorinth::AutoHideStep() {
    if (!AutoHideActive()) {
        return;
    }
    const Point pointer = platform_.CursorPos();
    const bool shown = platform_.BarVisible();
    const bool held = menu_.IsOpen() || gesture_.Held();
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
    platform_.HideTaskbarWindow();
    FormShow();
    platform_.ShowBar(true);
    platform_.HideTaskbarWindow();
    platform_.BringBarToFront();
}

void TFormPellorinth::HideSequence() {
    platform_.HideTaskbarWindow();
    platform_.ShowBar(false);
    hint_.Hide();
    platform_.MinimizeTaskbarWindow();
    platform_.HideTaskbarWindow();
}

}  // namespace pel
