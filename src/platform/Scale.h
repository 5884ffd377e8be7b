#pragma once

#include <cstdint>
#include <limits>

namespace pel {

// Every length the bar knows is one at 96 DPI; a monitor's scale turns it into
// that monitor's pixels. Values kept in the data file stay at 96 DPI.
class Scale {
  public:
    static constexpr int kBaseDpi = 96;

    constexpr Scale() = default;
    // A DPI the system cannot mean (0, negative, absurdly large) is 96.
    constexpr explicit Scale(int dpi) : dpi_(dpi >= 24 && dpi <= 24 * kBaseDpi ? dpi : kBaseDpi) {}

    [[nodiscard]] constexpr int Dpi() const { return dpi_; }
    [[nodiscard]] constexpr bool IsUnit() const { return dpi_ == kBaseDpi; }

    // A length at 96 DPI in this scale's pixels, rounded to nearest, halves
    // away from zero (as MulDiv does).
    [[nodiscard]] constexpr int Px(int length96) const {
        return MulDivRound(length96, dpi_, kBaseDpi);
    }
    // Pixels of this scale as a length at 96 DPI, truncated toward zero, so
    // that a range in pixels never grows past itself when scaled back.
    [[nodiscard]] constexpr int To96(int pixels) const {
        return static_cast<int>(static_cast<std::int64_t>(pixels) * kBaseDpi / dpi_);
    }

    friend constexpr bool operator==(const Scale&, const Scale&) = default;

  private:
    // Saturates at the ends of int: offsets come from the data file as any
    // 32-bit value.
    static constexpr int MulDivRound(int value, int num, int den) {
        const std::int64_t product = static_cast<std::int64_t>(value) * num;
        const std::int64_t half = den / 2;
        const std::int64_t q = product >= 0 ? (product + half) / den : -((-product + half) / den);
        constexpr std::int64_t kMax = std::numeric_limits<int>::max();
        constexpr std::int64_t kMin = std::numeric_limits<int>::min();
        return static_cast<int>(q > kMax ? kMax : (q < kMin ? kMin : q));
    }

    int dpi_ = kBaseDpi;
};

}  // namespace pel
