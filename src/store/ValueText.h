#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace pel {

// A decimal integer with an optional minus sign, or "$" and up to eight
// significant hex digits giving the 32-bit pattern ("$FFFFFFFF" is -1).
// Anything else, including blanks and values out of range, is nullopt.
std::optional<std::int32_t> ParseInt32(std::string_view text);

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);

}  // namespace pel
