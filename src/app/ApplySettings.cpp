#include "app/FormPellorinth.h"
#include "interaction/FormHint.h"

namespace pel {

// The bar is invisible while it is re-sized and re-placed, so that it never
// shows half laid out; it is opaque again however the re-layout ends.
class TFormPellorinth::OpaqueAfterRelayout {
  public:
    explicit OpaqueAfterRelayout(BarPlacement& placement) : placement_(placement) {
        placement_.SetAlpha(0);
    }
    ~OpaqueAfterRelayout() { placement_.SetAlpha(255); }
    OpaqueAfterRelayout(const OpaqueAfterRelayout&) = delete;
    OpaqueAfterRelayout& operator=(const OpaqueAfterRelayout&) = delete;

  private:
    BarPlacement& placement_;
};

void TFormPellorinth::ApplySettings(const Settings& shown) {
    ApplySettings(shown, LayoutReach::Place);
}

void TFormPellorinth::ApplySettings(const Settings& shown, LayoutReach reach) {
    look_.Show(shown);
    const Settings& s = look_.Shown();
    const OpaqueAfterRelayout opaque(placement_);

    ChangeLanguage(s.LanguageIndex);
    hint_.ApplyFont(s.Hint);

    if (reach >= LayoutReach::ScrollButtons) {
        placement_.LayOutScrollButtons(s.ScrollButtonPosition);
    }
    if (reach >= LayoutReach::Orientation) {
        ChangeScreenOriental(s.ScreenPosition, s.VisibleIconCount);
    }
    if (reach >= LayoutReach::Place) {
        SetScreenPosition(s.ScreenPosition, s.MonitorIndex, s.OffsetX, s.OffsetY);
    }
    // After the orientation: the current item and the gradient follow it.
    menu_.ShowDeletable(store_.IsItem(CurrentItem()), s.FixedIcons);
    RebuildGradient();
    Repaint();
    WakeTick();  // auto-hide may be on now, and new pictures wait
}

void TFormPellorinth::Preview(const Settings& candidate) {
    ApplySettings(candidate);
}

void TFormPellorinth::PreviewPlace(const Settings& candidate) {
    // Only the place changes; the rest stays as last laid out.
    look_.ShowPlace(candidate);
    const Settings& s = look_.Shown();
    SetScreenPosition(s.ScreenPosition, s.MonitorIndex, s.OffsetX, s.OffsetY);
}

}  // namespace pel
