#pragma once

#include <cstdint>

namespace pel {

// The data file's code for a font style set (bold 1, italic 2, underline 4,
// strike-out 8). The codes are not the bit values: all four styles are 8 and
// strike-out without underline is 9..12. Underline with strike-out alone had
// no code of its own; it is written as 15 so that it survives a restart.
int StyleToCode(std::uint8_t style);

// Any code that names no style reads as the plain style.
std::uint8_t CodeToStyle(std::int32_t code);

}  // namespace pel
