#pragma once

#include "bar/AutoHideZones.h"
#include "bar/Fade.h"
#include "platform/Geometry.h"

namespace pel {

// What one auto-hide tick does to the bar, in this order: full opacity
// first when `opaque`, then the move.
struct AutoHideMove {
    enum class Kind { Nothing, Show, Fade, Hide };
    // The pointer stopped a fade over the shown bar, or calls the bar back.
    bool opaque = false;
    Kind kind = Kind::Nothing;
    // The opacity of a Fade step.
    int opacity = 255;
};

// The bar's auto-hide: the fade in progress, the dialogs that suspend it, and
// what each tick does with the pointer where it is.
class AutoHide {
  public:
    // Keeps the bar from fading under a dialog for the scope's life. The
    // record keeps the user's AutoHide, so a save meanwhile (log-off) stores
    // it as it is.
    class Suspension {
      public:
        ~Suspension() { --autoHide_.suspensions_; }
        Suspension(const Suspension&) = delete;
        Suspension& operator=(const Suspension&) = delete;

      private:
        friend class AutoHide;
        explicit Suspension(AutoHide& autoHide) : autoHide_(autoHide) { ++autoHide_.suspensions_; }

        AutoHide& autoHide_;
    };

    [[nodiscard]] Suspension Suspend() { return Suspension(*this); }
    // The user's setting is on and no dialog suspends it.
    [[nodiscard]] bool Active(bool autoHideOn) const { return autoHideOn && suspensions_ == 0; }

    [[nodiscard]] int FadeStep() const { return fade_.Step(); }
    void ResetFade() { fade_.Reset(); }

    // One tick with the pointer at `pointer`. `shown`: the bar is on screen;
    // `held`: the open menu or a held drag keeps it where it is;
    // `edgeCalls`: the screen edge may call the bar back (not while another
    // program fills the screen).
    [[nodiscard]] AutoHideMove Step(const BarPlace& place, Point pointer, bool shown, bool held,
                                    bool edgeCalls = true);

  private:
    Fade fade_;
    int suspensions_ = 0;
};

}  // namespace pel
