#pragma once

#include "platform/Widgets.h"
#include "platform/Platform.h"

namespace pel {

// One press on the bar, from the press to the release of the same button,
// with the drag state the grid's handlers share. A release of another button
// leaves it running; losing the pointer to another window cancels it.
class PointerGesture {
  public:
    enum class Target { None, Grid, BackButton, ForwardButton };

    explicit PointerGesture(Platform& platform) : platform_(platform) {}

    // Starts a gesture on `target` unless one runs; true when this press
    // began one. `autoRepeat` starts the grid's 60 ms auto-repeat with it.
    bool Begin(MouseButton button, Target target, bool autoRepeat = false);
    // The target a release of `button` goes to, ending the gesture; None
    // when no gesture runs or another button began it.
    Target End(MouseButton button);
    // Ends the gesture as a release outside every cell would: the drag is
    // over, nothing is launched, moved or deleted.
    void Cancel();

    [[nodiscard]] Target CurrentTarget() const { return target_; }
    // A left press on the grid is held: only then can the pointer drag.
    [[nodiscard]] bool LeftOnGrid() const {
        return target_ == Target::Grid && button_ == MouseButton::Left;
    }

    // The pressed item, -1 when the press was beside every item.
    int DragSource = 0;
    // The pointer left the pressed cell with the left button held.
    bool DragMoved = false;
    // The left button is held on an icon while the pointer moves.
    bool DragHeld = false;
    // The press was the second of a double click, whose release must not
    // launch a second time.
    bool PressWasDouble = false;

  private:
    void StopRepeat();

    Platform& platform_;
    Target target_ = Target::None;
    MouseButton button_ = MouseButton::Left;
    bool repeating_ = false;
};

}  // namespace pel
