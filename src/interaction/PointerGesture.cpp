#include "interaction/PointerGesture.h"

namespace pel {

namespace {

bool IsItem(int index, int itemCount) {
    return index >= 0 && index < itemCount;
}

}  // namespace

bool PointerGesture::Begin(MouseButton button, Target target, bool autoRepeat) {
    if (button != MouseButton::Left) {
        return false;
    }
    Cancel();
    if (target == Target::None) {
        return false;
    }
    target_ = target;
    if (autoRepeat) {
        repeating_ = true;
        window_.SetRepeatTimer(true);
    }
    return true;
}

void PointerGesture::Press(ShiftState shift, int cell, int itemCount) {
    if (shift.LeftAlone() && LeftOnGrid()) {
        source_ = IsItem(cell, itemCount) ? cell : -1;
    }
}

GestureOutcome PointerGesture::Move(ShiftState shift, int cell, int current) {
    if (cell == -1) {
        return {};
    }
    // A button pressed outside the bar, or a press that named no item,
    // never makes a drag here.
    if (shift.LeftAlone() && LeftOnGrid() && source_ != -1) {
        if (cell != source_) {
            moved_ = true;
        }
        held_ = true;
    }
    if (cell == current) {
        return {};
    }
    return {GestureOutcome::Kind::SelectCell, cell};
}

PointerGesture::Target PointerGesture::End(MouseButton button) {
    if (button != MouseButton::Left) {
        return Target::None;
    }
    StopRepeat();
    const Target ended = target_;
    target_ = Target::None;
    return ended;
}

GestureOutcome PointerGesture::Release(int cell, int itemCount, bool fixedIcons) {
    held_ = false;
    if (cell >= itemCount) {
        return {};
    }
    if (moved_) {
        moved_ = false;
        if (cell != source_ && cell != -1 && !fixedIcons && IsItem(source_, itemCount)) {
            return {GestureOutcome::Kind::Move, source_, cell};
        }
    }
    if (cell == source_ && cell != -1) {
        return {GestureOutcome::Kind::Launch, cell};
    }
    return {};
}

GestureOutcome PointerGesture::DragOff(bool mayDelete, bool offBand, int itemCount) {
    if (!held_ || !mayDelete || !offBand) {
        return {};
    }
    if (IsItem(source_, itemCount)) {
        // Still held while the bar deletes it: the question it may ask keeps
        // the bar shown.
        return {GestureOutcome::Kind::Delete, source_};
    }
    held_ = false;
    return {};
}

void PointerGesture::DragOffDone(int index) {
    source_ = index;
    held_ = false;
}

void PointerGesture::Cancel() {
    StopRepeat();
    target_ = Target::None;
    source_ = -1;
    moved_ = false;
    held_ = false;
}

void PointerGesture::StopRepeat() {
    if (repeating_) {
        repeating_ = false;
        window_.SetRepeatTimer(false);
    }
}

}  // namespace pel
