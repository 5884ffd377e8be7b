#include "store/StyleCode.h"

#include <array>

namespace pel {

namespace {

// Indexed by the style's bits.
constexpr std::array<int, 16> kCodeOfStyle{0, 1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 15, 13, 14, 8};

}  // namespace

int StyleToCode(std::uint8_t style) {
    return kCodeOfStyle[style & 0x0Fu];
}

std::uint8_t CodeToStyle(std::int32_t code) {
    for (std::size_t bits = 0; bits < kCodeOfStyle.size(); ++bits) {
        if (kCodeOfStyle[bits] == code) {
            return static_cast<std::uint8_t>(bits);
        }
    }
    return 0;
}

}  // namespace pel
