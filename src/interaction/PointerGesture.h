#pragma once

#include "platform/BarView.h"
#include "platform/Widgets.h"

namespace pel {

// One left press on the bar, from the press to its release, with the drag
// state the grid's handlers share. A press or release of another button
// leaves it running; losing the pointer to another window cancels it. Only
// the gesture's own plain press may name an item to drag: every gesture
// starts with none.
class PointerGesture {
  public:
    enum class Target { None, Grid, BackButton, ForwardButton };

    explicit PointerGesture(BarView& window) : window_(window) {}

    // A left press starts a gesture on `target` (None: outside every part
    // that takes one), with no item to drag yet; any gesture still running
    // has lost its release and ends. True when this press began one. Only
    // the left button makes gestures: the window holds the pointer for that
    // button alone, so the release of another may happen elsewhere and never
    // come. `autoRepeat` starts the grid's 60 ms auto-repeat with it.
    bool Begin(MouseButton button, Target target, bool autoRepeat = false);
    // The gesture's press was a plain left press on `item` (-1 beside every
    // item): the item it may drag.
    void PressedOn(int item) { DragSource = item; }
    // The target a release of `button` goes to, ending the gesture; None
    // when no gesture runs or another button began it.
    Target End(MouseButton button);
    // Ends the gesture as a release outside every cell would: the drag is
    // over, nothing is launched, moved or deleted.
    void Cancel();

    [[nodiscard]] Target CurrentTarget() const { return target_; }
    // A left press on the grid is held: only then can the pointer drag.
    [[nodiscard]] bool LeftOnGrid() const { return target_ == Target::Grid; }

    // The item the gesture may drag and launch: -1 unless a plain left press
    // on an item began it.
    int DragSource = 0;
    // The pointer left the pressed cell with the left button held.
    bool DragMoved = false;
    // The left button is held on an icon while the pointer moves.
    bool DragHeld = false;

  private:
    void StopRepeat();

    BarView& window_;
    Target target_ = Target::None;
    bool repeating_ = false;
};

}  // namespace pel
