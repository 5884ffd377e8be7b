#include "bar/Fade.h"

#include <array>

namespace pel {

namespace {

constexpr std::array<int, 4> kFadeOpacity{220, 190, 150, 80};
constexpr int kHideStep = static_cast<int>(kFadeOpacity.size()) + 1;

}  // namespace

std::optional<int> Fade::Advance() {
    if (step_ < 0) {
        return std::nullopt;
    }
    ++step_;
    if (step_ >= kHideStep) {
        step_ = -1;
        return std::nullopt;
    }
    return kFadeOpacity[static_cast<std::size_t>(step_ - 1)];
}

}  // namespace pel
