#include <gtest/gtest.h>

#include "store/Settings.h"
#include "store/StyleCode.h"

namespace pel {
namespace {

constexpr std::uint8_t B = kStyleBold, I = kStyleItalic, U = kStyleUnderline, S = kStyleStrikeOut;

TEST(StyleCode, EveryStyleHasItsOwnCodeBothWays) {
    const std::pair<std::uint8_t, int> table[] = {
        {0, 0},      {B, 1},          {I, 2},          {B | I, 3},      {U, 4},
        {B | U, 5},  {I | U, 6},      {B | I | U, 7},  {S, 9},          {B | S, 10},
        {I | S, 11}, {B | I | S, 12}, {B | U | S, 13}, {I | U | S, 14}, {B | I | U | S, 8},
        {U | S, 15},  // had no code; 15 keeps it
    };
    for (const auto& [style, code] : table) {
        EXPECT_EQ(StyleToCode(style), code) << int{style};
        EXPECT_EQ(CodeToStyle(code), style) << code;
    }
}

TEST(StyleCode, CodesThatNameNoStyleReadAsPlain) {
    for (const int code : {-1, 16, 99, INT32_MIN}) {
        EXPECT_EQ(CodeToStyle(code), 0) << code;
    }
}

}  // namespace
}  // namespace pel
