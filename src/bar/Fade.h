#pragma once

#include <optional>

namespace pel {

// The bar's fade out: FadeStep 0 is shown, 1 to 4 fading, -1 hidden.
class Fade {
  public:
    [[nodiscard]] int Step() const { return step_; }
    // Back to fully shown (the pointer reached the edge, or the dialog closed).
    void Reset() { step_ = 0; }

    // One tick away from the bar. The opacity to show now, or nullopt when
    // the bar must hide (the step becomes -1) or is hidden already.
    std::optional<int> Advance();
    [[nodiscard]] bool Hidden() const { return step_ == -1; }

  private:
    int step_ = 0;
};

}  // namespace pel
