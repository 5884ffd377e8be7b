#pragma once

#include <cstdint>
#include <string>

#include "platform/Geometry.h"

namespace pel {

// A font as the hint labels use it: face, size in points, FontStyleBits.
struct FontFace {
    std::string name;
    int pointSize = 0;
    std::uint8_t style = 0;
    friend bool operator==(const FontFace&, const FontFace&) = default;
};

// A font with its colour, as the system font chooser offers it.
struct FontChoice {
    FontFace font;
    Color color = 0;
    friend bool operator==(const FontChoice&, const FontChoice&) = default;
};

}  // namespace pel
