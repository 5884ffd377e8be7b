#pragma once

#include <string>

#include "bar/AutoHide.h"

namespace pel {

class TFormPellorinth;

// A command's dialog, browser or box, which keeps the message loop and so
// the timer, drops and drags running. For its life the bar does not fade
// from under it; when it ends the fade starts over (or goes on, as chosen)
// and the menu stops keeping the bar shown, once, however the command ends.
// The list may have changed meanwhile, so the command asks afterwards where
// things stand.
class ModalStep {
  public:
    enum class Fade { StartsOver, Resumes };

    explicit ModalStep(TFormPellorinth& form, Fade fade = Fade::StartsOver);
    ~ModalStep();
    ModalStep(const ModalStep&) = delete;
    ModalStep& operator=(const ModalStep&) = delete;

    // Where the item current when the step began stands now; -1 when it
    // has gone or there was none.
    [[nodiscard]] int ItemNow() const;
    // Where an added item goes now: at the end (-1) with "add to end",
    // otherwise before the item that was current, or at the current cell
    // when that item has gone.
    [[nodiscard]] int InsertionPlace() const;

  private:
    TFormPellorinth& form_;
    Fade fade_;
    AutoHide::Suspension suspension_;
    // The item current at the start, -1 for none, named by its target and
    // icon path: its picture may be fetched again meanwhile.
    int formerIndex_ = -1;
    std::string target_;
    std::string icon_;
};

}  // namespace pel
