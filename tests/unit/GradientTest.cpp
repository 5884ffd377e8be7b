#include <gtest/gtest.h>

#include "app/Application.h"
#include "bar/Gradient.h"
#include "fake/FakePlatform.h"
#include "fake/FakePreferencesWindow.h"

namespace pel::test {
namespace {

// Colour of line i (a row for a row bar, a column for a column bar) as 0x00BBGGRR,
// after checking that the whole line has it.
Color LineColor(const PixelImage& image, bool horizontal, int i) {
    const std::uint32_t first = horizontal ? image.At(0, i) : image.At(i, 0);
    const int length = horizontal ? image.width : image.height;
    for (int j = 1; j < length; ++j) {
        const std::uint32_t px = horizontal ? image.At(j, i) : image.At(i, j);
        EXPECT_EQ(px, first) << "line " << i << " is not one colour";
    }
    EXPECT_EQ(first >> 24, 0xFFu) << "gradient pixels are opaque";
    return (first >> 16 & 0xFFu) | (first & 0xFF00u) | (first & 0xFFu) << 16;
}

TEST(Gradient, MulDivRoundsHalvesAwayFromZero) {
    EXPECT_EQ(MulDivRound(1, 63, 35), 2);
    EXPECT_EQ(MulDivRound(1, 1, 2), 1);
    EXPECT_EQ(MulDivRound(-1, 1, 2), -1);
    EXPECT_EQ(MulDivRound(3, -1, 2), -2);
    EXPECT_EQ(MulDivRound(1, 17, 35), 0);
    EXPECT_EQ(MulDivRound(2'000'000'000, 2, 4), 1'000'000'000) << "the product is 64-bit";
    EXPECT_EQ(MulDivRound(5, 7, 0), -1);
}

TEST(Gradient, SilverToWhiteRunsTopToBottomOnARow) {
    const PixelImage image = GradientImage(true, 0xC0C0C0, 0xFFFFFF);
    ASSERT_EQ(image.width, 36);
    ASSERT_EQ(image.height, 36);
    EXPECT_EQ(LineColor(image, true, 0), 0xC0C0C0u);
    EXPECT_EQ(LineColor(image, true, 1), 0xC2C2C2u);
    EXPECT_EQ(LineColor(image, true, 35), 0xFFFFFFu);
    for (int row = 1; row < 36; ++row) {
        EXPECT_GE(LineColor(image, true, row) & 0xFF, LineColor(image, true, row - 1) & 0xFF);
    }
}

TEST(Gradient, ColumnBarRunsLeftToRight) {
    const PixelImage image = GradientImage(false, 0xC0C0C0, 0xFFFFFF);
    EXPECT_EQ(LineColor(image, false, 0), 0xC0C0C0u);
    EXPECT_EQ(LineColor(image, false, 1), 0xC2C2C2u);
    EXPECT_EQ(LineColor(image, false, 35), 0xFFFFFFu);
}

TEST(Gradient, EqualColoursGiveOneColour) {
    const PixelImage image = GradientImage(true, 0x123456, 0x123456);
    for (const std::uint32_t px : image.pixels) {
        ASSERT_EQ(px, 0xFF563412u);
    }
}

TEST(Gradient, ChannelsRunIndependentlyInOppositeDirections) {
    // Red falls from FF to 00 while blue rises from 00 to FF; green stays.
    const PixelImage image = GradientImage(true, 0x0040FF, 0xFF4000);
    EXPECT_EQ(LineColor(image, true, 0), 0x0040FFu);
    EXPECT_EQ(LineColor(image, true, 35), 0xFF4000u);
    // 17 * 255 / 35 = 123.86, rounded to 124 each way.
    EXPECT_EQ(LineColor(image, true, 17), 0x7C4083u);
}

TEST(Gradient, OddSizesDoNotBreak) {
    PixelImage line(5, 1);
    FillGradientBG(true, line, 0x0000FF, 0xFFFFFF);
    EXPECT_EQ(line.At(4, 0), 0xFFFF0000u) << "a single line takes the start colour";
    PixelImage empty;
    FillGradientBG(false, empty, 0, 0xFFFFFF);
    EXPECT_TRUE(empty.Empty());
}

TEST(Gradient, RebuildFollowsTheSettings) {
    FakePlatform platform;
    FakePreferencesWindow preferencesWindow;
    Application app{platform, preferencesWindow};
    TFormPellorinth& form = app.MainForm();
    Settings s = form.Record();
    s.GradientBackground = true;
    s.ScreenPosition = kEdgeLeft;       // a column
    s.GradientStartColor = kClBtnFace;  // system colours are resolved first
    s.GradientEndColor = 0x000000;
    s.BackgroundColor = 0x123456;
    form.Preview(s);
    ASSERT_FALSE(form.ImageBG().Empty());
    EXPECT_EQ(LineColor(form.ImageBG(), false, 0), 0xF0F0F0u);
    EXPECT_EQ(LineColor(form.ImageBG(), false, 35), 0x000000u);
    EXPECT_EQ(form.GridColor(), kClBtnFace) << "the face lies behind the gradient";

    s.GradientBackground = false;
    form.Preview(s);
    EXPECT_TRUE(form.ImageBG().Empty());
    EXPECT_EQ(form.GridColor(), 0x123456u) << "and the user's colour comes back";
}

}  // namespace
}  // namespace pel::test
