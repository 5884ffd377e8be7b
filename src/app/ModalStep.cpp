#include "app/ModalStep.h"

#include "app/FormPellorinth.h"

namespace pel {

ModalStep::ModalStep(TFormPellorinth& form, Fade fade)
    : form_(form),
      fade_(fade),
      suspension_(form.SuspendAutoHide()),
      formerIndex_(form.CurrentItem()) {
    if (form_.Items().IsItem(formerIndex_)) {
        target_ = form_.Items().Target(formerIndex_);
        icon_ = form_.Items().Icon(formerIndex_);
    } else {
        formerIndex_ = -1;
    }
}

ModalStep::~ModalStep() {
    if (fade_ == Fade::StartsOver) {
        form_.ResetFade();
    }
    form_.menu_.SetOpen(false);
}

int ModalStep::ItemNow() const {
    if (formerIndex_ == -1) {
        return -1;
    }
    const ItemStore& store = form_.Items();
    const auto isIt = [&](int i) {
        return store.IsItem(i) && store.Target(i) == target_ && store.Icon(i) == icon_;
    };
    // Nearest first, later places before earlier ones: drops in front of
    // the item move it on.
    for (int distance = 0; distance <= store.Count(); ++distance) {
        if (isIt(formerIndex_ + distance)) {
            return formerIndex_ + distance;
        }
        if (isIt(formerIndex_ - distance)) {
            return formerIndex_ - distance;
        }
    }
    return -1;
}

int ModalStep::InsertionPlace() const {
    if (form_.Record().AddToEnd) {
        return -1;
    }
    const int now = ItemNow();
    return now != -1 ? now : form_.CurrentItem();
}

}  // namespace pel
