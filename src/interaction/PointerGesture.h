#pragma once

#include "platform/BarView.h"
#include "platform/Widgets.h"

namespace pel {

// What the bar does for one step of a gesture on its grid.
struct GestureOutcome {
    enum class Kind { Nothing, SelectCell, Launch, Move, Delete };
    Kind kind = Kind::Nothing;
    // The cell to make current, or the item launched, moved or deleted.
    int item = -1;
    // Where a moved item goes.
    int to = -1;

    friend bool operator==(const GestureOutcome&, const GestureOutcome&) = default;
};

// One left press on the bar, from the press to its release, and the rules of
// dragging an item: across the grid it moves, off the bar it goes, and a
// release on the cell pressed launches it. The bar tells it where the pointer
// is in cells and items and carries out what it answers. A press or release
// of another button leaves it running; losing the pointer to another window
// cancels it. Only the gesture's own plain press may name an item to drag:
// every gesture starts with none.
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
    // The press that began the gesture landed on `cell` (-1 beside every
    // cell) of a grid holding `itemCount` items. Only a plain press names the
    // item to drag and launch; a modified press or the second press of a
    // double click names none, so nothing pressed earlier goes with it.
    void Press(ShiftState shift, int cell, int itemCount);
    // The pointer is over `cell` (-1: none) with `shift` held; `current` is
    // the grid's current cell. The cell under the pointer becomes current.
    [[nodiscard]] GestureOutcome Move(ShiftState shift, int cell, int current);
    // The target a release of `button` goes to, ending the gesture; None
    // when no gesture runs or another button began it.
    Target End(MouseButton button);
    // The left button came up over `cell` of the grid the gesture began on:
    // the dragged item moves there, unless the icons are fixed, or the item
    // pressed is launched when the release is on its cell.
    [[nodiscard]] GestureOutcome Release(int cell, int itemCount, bool fixedIcons);
    // A tick while the button may hold an item: once the pointer leaves the
    // bar's band, the item pressed goes (not the cell crossed last), if
    // deleting by dragging is allowed now. The bar then answers with
    // DragOffDone.
    [[nodiscard]] GestureOutcome DragOff(bool mayDelete, bool offBand, int itemCount);
    // The pressed item the last DragOff named now stands at `index`, -1 when
    // it went: a later release must neither move nor launch what then stands
    // at its old place.
    void DragOffDone(int index);
    // Ends the gesture as a release outside every cell would: the drag is
    // over, nothing is launched, moved or deleted.
    void Cancel();

    [[nodiscard]] Target CurrentTarget() const { return target_; }
    // A left press on the grid is held: only then can the pointer drag.
    [[nodiscard]] bool LeftOnGrid() const { return target_ == Target::Grid; }
    // The left button holds an item while the pointer moves.
    [[nodiscard]] bool Held() const { return held_; }
    // The pointer left the pressed cell with the item held.
    [[nodiscard]] bool Moved() const { return moved_; }

  private:
    void StopRepeat();

    BarView& window_;
    Target target_ = Target::None;
    bool repeating_ = false;
    // The item the gesture may drag and launch: -1 unless a plain left press
    // on an item began it.
    int source_ = -1;
    bool moved_ = false;
    bool held_ = false;
};

}  // namespace pel
