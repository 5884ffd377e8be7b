#include "interaction/PointerGesture.h"

namespace pel {

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

PointerGesture::Target PointerGesture::End(MouseButton button) {
    if (button != MouseButton::Left) {
        return Target::None;
    }
    StopRepeat();
    const Target ended = target_;
    target_ = Target::None;
    return ended;
}

void PointerGesture::Cancel() {
    StopRepeat();
    target_ = Target::None;
    DragSource = -1;
    DragMoved = false;
    DragHeld = false;
}

void PointerGesture::StopRepeat() {
    if (repeating_) {
        repeating_ = false;
        window_.SetRepeatTimer(false);
    }
}

}  // namespace pel
