#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/Geometry.h"

namespace pel {

// The colour as the data file writes it: its identifier when it has one
// ("clBtnFace"), else "$" and eight upper-case hex digits.
std::string ColorToString(Color color);

// An identifier (any letter case) or an integer in the data file's forms.
std::optional<Color> StringToColor(std::string_view text);

}  // namespace pel
