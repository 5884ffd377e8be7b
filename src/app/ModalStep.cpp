#include "app/ModalStep.h"

#include "app/FormPellorinth.h"

namespace pel {

ModalStep::ModalStep(TFormPellorinth& form)
    : form_(form), suspension_(form.SuspendAutoHide()), formerIndex_(form.CurrentItem()) {
    if (form_.store.IsItem(formerIndex_)) {
        // Taken with its picture fetched, as it will be when looked for.
        form_.ResolvePicture(formerIndex_);
        item_ = form_.store.ItemAt(formerIndex_);
    }
}

ModalStep::~ModalStep() {
    form_.ResetFade();
    form_.Menu().SetOpen(false);
}

int ModalStep::ItemNow() const {
    return item_ ? form_.store.Find(*item_, formerIndex_) : -1;
}

int ModalStep::InsertionPlace() const {
    if (form_.settings.AddToEnd) {
        return -1;
    }
    const int now = ItemNow();
    return now != -1 ? now : form_.CurrentItem();
}

}  // namespace pel
