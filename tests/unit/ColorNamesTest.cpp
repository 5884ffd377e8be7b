#include <gtest/gtest.h>

#include "store/ColorNames.h"

namespace pel {
namespace {

TEST(ColorNames, NamedColorsRoundTripByName) {
    const std::pair<const char*, Color> samples[] = {
        {"clBlack", 0x000000},       {"clYellow", 0x00FFFF},    {"clSkyBlue", 0xF0CAA6},
        {"clMedGray", 0xA4A0A0},     {"clNone", 0x1FFFFFFF},    {"clDefault", 0x20000000},
        {"clScrollBar", 0xFF000000}, {"clBtnFace", 0xFF00000F}, {"clInfoBk", 0xFF000018},
        {"clHotLight", 0xFF00001A},  {"clMenuBar", 0xFF00001E}, {"cl3DDkShadow", 0xFF000015},
    };
    for (const auto& [name, value] : samples) {
        EXPECT_EQ(ColorToString(value), name);
        EXPECT_EQ(StringToColor(name), value) << name;
    }
}

TEST(ColorNames, OtherValuesAreEightUpperCaseHexDigits) {
    EXPECT_EQ(ColorToString(0x00123456), "$00123456");
    EXPECT_EQ(ColorToString(0xFF000019), "$FF000019");  // index 25 has no name
    EXPECT_EQ(ColorToString(0x00ABCDEF), "$00ABCDEF");
    for (Color c : {0x00123456u, 0xFFFFFFFFu, 0x80000000u, 0u, 0x00FFFFFEu}) {
        EXPECT_EQ(StringToColor(ColorToString(c)), c);
    }
}

TEST(ColorNames, ReadingIgnoresCaseAndTakesNumbers) {
    EXPECT_EQ(StringToColor("CLYELLOW"), 0x00FFFFu);
    EXPECT_EQ(StringToColor("clbtnface"), 0xFF00000Fu);
    EXPECT_EQ(StringToColor("255"), 0xFFu);
    EXPECT_EQ(StringToColor("-16777201"), 0xFF00000Fu);
    EXPECT_EQ(StringToColor("$00123456"), 0x00123456u);
    EXPECT_EQ(StringToColor("clYellowish"), std::nullopt);
    EXPECT_EQ(StringToColor(""), std::nullopt);
}

}  // namespace
}  // namespace pel
