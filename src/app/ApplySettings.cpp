#include "app/FormPellorinth.h"
#include "interaction/FormHint.h"

namespace pel {

// The bar is invisible while it is re-sized and re-placed, so that it never
// shows half laid out; it is opaque again however the re-layout ends.
class TFormPellorinth::OpaqueAfterRelayout {
  public:
    explicit OpaqueAfterRelayout(TFormPellorinth& form) : form_(form) { form_.SetAlpha(0); }
    ~OpaqueAfterRelayout() { form_.SetAlpha(255); }
    OpaqueAfterRelayout(const OpaqueAfterRelayout&) = delete;
    OpaqueAfterRelayout& operator=(const OpaqueAfterRelayout&) = delete;

  private:
    TFormPellorinth& form_;
};

void TFormPellorinth::ApplySettings(const Settings& shown) {
    ApplySettings(shown, LayoutReach::Place);
}

void TFormPellorinth::ApplySettings(const Settings& shown, LayoutReach reach) {
    // A copy first: `shown` may be the record, whose derived orientation the
    // layout below rewrites.
    shown_ = shown;
    const Settings& s = shown_;
    const OpaqueAfterRelayout opaque(*this);

    ChangeLanguage(s.LanguageIndex);
    FormHint.ApplyFont(s.Hint);
    gridColor_ = s.BackgroundColor;

    if (reach >= LayoutReach::ScrollButtons) {
        LayOutScrollButtons(s.ScrollButtonPosition);
    }
    if (reach >= LayoutReach::Orientation) {
        ChangeScreenOriental(s.ScreenPosition, s.VisibleIconCount);
    }
    if (reach >= LayoutReach::Place) {
        SetScreenPosition(s.ScreenPosition, s.MonitorIndex, s.OffsetX, s.OffsetY);
    }
    // After the orientation: the current item and the gradient follow it.
    menu_.ShowDeletable(store.IsItem(CurrentItem()), s.FixedIcons);
    RebuildGradient();
    Repaint();
}

void TFormPellorinth::Preview(const Settings& candidate) {
    ApplySettings(candidate);
}

void TFormPellorinth::PreviewPlace(const Settings& candidate) {
    // Only the place changes; the rest stays as last laid out.
    shown_.MonitorIndex = candidate.MonitorIndex;
    shown_.OffsetX = candidate.OffsetX;
    shown_.OffsetY = candidate.OffsetY;
    SetScreenPosition(shown_.ScreenPosition, shown_.MonitorIndex, shown_.OffsetX, shown_.OffsetY);
}

}  // namespace pel
