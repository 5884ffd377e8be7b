#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Geometry.h"

namespace pel {

// The colour as the data file writes it: its identifier when it has one
// ("clBtnFace"), else "$" and eight upper-case hex digits.
std::string ColorToString(Color color);

// An identifier (any letter case) or an integer in the data file's forms.
std::optional<Color> StringToColor(std::string_view text);

// A named colour a colour picker lists; `name` is its identifier without the
// "cl" ("MoneyGreen", "BtnFace").
struct PickerColor {
    std::string_view name;
    Color value = 0;
};

// What a colour picker lists before its custom entry, in the order of the
// data file's colour names: the 16 standard colours, the 4 extended ones and,
// with `systemColors`, the system colours. Never clNone or clDefault.
std::vector<PickerColor> PickerColors(bool systemColors);

}  // namespace pel
