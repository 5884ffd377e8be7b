#pragma once

#include "platform/BarView.h"

namespace pel {

// The bar's 100 ms tick. It runs only while something needs it, and the
// system hears of it only when that changes: restarting a running timer
// would put its next tick off.
class TickTimer {
  public:
    explicit TickTimer(BarView& window) : window_(window) {}

    [[nodiscard]] bool Running() const { return running_; }
    void Run(bool running) {
        if (running != running_) {
            running_ = running;
            window_.SetTickTimer(running);
        }
    }

  private:
    BarView& window_;
    bool running_ = true;  // the window starts it
};

}  // namespace pel
