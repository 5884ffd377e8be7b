#include "interaction/PointerGesture.h"

namespace pel {

bool PointerGesture::Begin(MouseButton button, Target target, bool autoRepeat) {
    if (target_ != Target::None || target == Target::None) {
        return false;
    }
    target_ = target;
    button_ = button;
    if (autoRepeat) {
        repeating_ = true;
        platform_.SetRepeatTimer(true);
    }
    return true;
}

PointerGesture::Target PointerGesture::End(MouseButton button) {
    if (target_ == Target::None || button != button_) {
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
    DragMoved = false;
    DragHeld = false;
    PressWasDouble = false;
}

void PointerGesture::StopRepeat() {
    if (repeating_) {
        repeating_ = false;
        platform_.SetRepeatTimer(false);
    }
}

}  // namespace pel
