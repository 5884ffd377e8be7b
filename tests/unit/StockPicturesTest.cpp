#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "app/Application.h"
#include "bar/IconFile.h"
#include "bar/StockPictures.h"
#include "fake/FakePlatform.h"
#include "fake/FakePreferencesWindow.h"

namespace pel::test {
namespace {

constexpr std::uint32_t kClear = 0;

int Count(const PixelImage& image, std::uint32_t argb) {
    int n = 0;
    for (const std::uint32_t px : image.pixels) {
        n += px == argb ? 1 : 0;
    }
    return n;
}

TEST(StockPictures, RowSeparatorIsEightDashesDownTheMiddle) {
    const PixelImage del = RowSeparatorPicture();
    ASSERT_EQ(del.width, 32);
    ASSERT_EQ(del.height, 32);
    for (int j = 0; j < 8; ++j) {
        for (const int row : {4 * j + 1, 4 * j + 2}) {
            EXPECT_EQ(del.At(14, row), kArgbBlack);
            EXPECT_EQ(del.At(15, row), kArgbBlack);
            EXPECT_EQ(del.At(16, row), kArgbWhite);
            EXPECT_EQ(del.At(13, row), kClear);
        }
        for (const int col : {14, 15, 16}) {
            EXPECT_EQ(del.At(col, 4 * j + 3), kArgbWhite);
        }
        EXPECT_EQ(del.At(15, 4 * j), kClear);
    }
    EXPECT_EQ(Count(del, kArgbBlack), 32);
    EXPECT_EQ(Count(del, kArgbWhite), 40);
    EXPECT_EQ(Count(del, kClear), 32 * 32 - 72);
}

TEST(StockPictures, ColumnSeparatorIsEightDashesAcrossTheMiddle) {
    const PixelImage del2 = ColumnSeparatorPicture();
    for (int j = 0; j < 8; ++j) {
        for (const int col : {4 * j + 1, 4 * j + 2, 4 * j + 3}) {
            EXPECT_EQ(del2.At(col, 15), kArgbWhite);
        }
        for (const int row : {16, 17}) {
            EXPECT_EQ(del2.At(4 * j + 1, row), kArgbBlack);
            EXPECT_EQ(del2.At(4 * j + 2, row), kArgbBlack);
            EXPECT_EQ(del2.At(4 * j + 3, row), kArgbWhite);
        }
        EXPECT_EQ(del2.At(4 * j, 16), kClear);
    }
    EXPECT_EQ(Count(del2, kArgbBlack), 32);
    EXPECT_EQ(Count(del2, kArgbWhite), 40);
}

TEST(StockPictures, ScrollGlyphsAreTrianglesPointingTheirWay) {
    const PixelImage left = ScrollGlyphPicture(kGlyphBackRow);
    const PixelImage right = ScrollGlyphPicture(kGlyphForwardRow);
    const PixelImage up = ScrollGlyphPicture(kGlyphBackColumn);
    const PixelImage down = ScrollGlyphPicture(kGlyphForwardColumn);
    for (const PixelImage* g : {&left, &right, &up, &down}) {
        ASSERT_EQ(g->width, 16);
        ASSERT_EQ(g->height, 16);
        EXPECT_EQ(Count(*g, kArgbBlack), 16);  // 1 + 3 + 5 + 7
        EXPECT_EQ(Count(*g, kClear), 256 - 16);
    }
    // Tips, and the ends of each base (a full triangle has 16 pixels).
    EXPECT_EQ(left.At(4, 7), kArgbBlack);
    EXPECT_EQ(right.At(10, 7), kArgbBlack);
    EXPECT_EQ(up.At(7, 4), kArgbBlack);
    EXPECT_EQ(down.At(7, 10), kArgbBlack);
    for (const int end : {4, 10}) {
        EXPECT_EQ(left.At(7, end), kArgbBlack);
        EXPECT_EQ(right.At(7, end), kArgbBlack);
        EXPECT_EQ(up.At(end, 7), kArgbBlack);
        EXPECT_EQ(down.At(end, 7), kArgbBlack);
    }
    EXPECT_TRUE(ScrollGlyphPicture(4).Empty());
    EXPECT_TRUE(ScrollGlyphPicture(-1).Empty());
}

TEST(StockPictures, GreyedGlyphKeepsTheShapeWithoutBlack) {
    const PixelImage glyph = ScrollGlyphPicture(kGlyphForwardRow);
    const PixelImage grey = GreyedGlyph(glyph);
    EXPECT_EQ(Count(grey, kArgbBlack), 0);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            EXPECT_EQ(glyph.At(x, y) != kClear, grey.At(x, y) == 0xFF808080u) << x << "," << y;
        }
    }
    EXPECT_EQ(grey.At(11, 8), kArgbWhite) << "white etch below right of the tip";
}

TEST(StockPictures, FormLoadsThemAsPictures) {
    FakePlatform platform;
    FakePreferencesWindow preferencesWindow;
    Application app{platform, preferencesWindow};
    const TFormPellorinth& form = app.MainForm();
    auto pixelsOf = [](const PicturePtr& p) {
        const auto* fake = dynamic_cast<const FakePicture*>(p.get());
        return fake ? fake->pixels : PixelImage{};
    };
    const StockItemPictures& stock = form.Pictures().Stock();
    EXPECT_EQ(pixelsOf(stock.url), UrlPicture());
    EXPECT_EQ(pixelsOf(stock.rowSeparator), RowSeparatorPicture());
    EXPECT_EQ(pixelsOf(stock.columnSeparator), ColumnSeparatorPicture());
    EXPECT_EQ(pixelsOf(stock.unknown), UnknownPicture());
    for (int i = 0; i < kGlyphCount; ++i) {
        EXPECT_EQ(form.Buttons().ImageList2()[static_cast<std::size_t>(i)], ScrollGlyphPicture(i));
        EXPECT_EQ(form.Buttons().ImageList2Disabled()[static_cast<std::size_t>(i)],
                  GreyedGlyph(ScrollGlyphPicture(i)));
    }
}

// The image drawn for a cell's icon: the smallest at least that large, else
// the largest, whatever the order of the file's directory.
TEST(IconFile, BestFrameIsNeverScaledUpWhereALargerOneExists) {
    const std::string file = EncodeIconFile(
        std::vector<PixelImage>{PixelImage(48, 48), PixelImage(16, 16), PixelImage(32, 32)});
    const std::pair<int, int> cases[] = {{16, 16}, {24, 32}, {32, 32}, {40, 48},
                                         {48, 48}, {64, 48}, {8, 16}};
    for (const auto& [side, frame] : cases) {
        const std::optional<IconFrame> best = BestIconFrame(file, side);
        ASSERT_TRUE(best.has_value()) << side;
        EXPECT_EQ(best->side, frame) << side;
        const auto f = static_cast<std::size_t>(frame);
        EXPECT_EQ(best->size, 40u + f * f * 4u + (f + 31u) / 32u * 4u * f) << side;
    }
    EXPECT_FALSE(BestIconFrame(file.substr(0, 30), 32)) << "the directory names bytes past the end";
    EXPECT_FALSE(BestIconFrame("", 32));
}

// Stock pictures for 150 and 200 % are drawn at their size, pixel for pixel
// from the 96 DPI drawing, never blurred.
TEST(StockPictures, AtSideKeepsEveryEdgeHard) {
    const PixelImage row = RowSeparatorPicture();
    const PixelImage twice = AtSide(row, 64);
    ASSERT_EQ(twice.width, 64);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            ASSERT_EQ(twice.At(x, y), row.At(x / 2, y / 2)) << x << "," << y;
        }
    }
    const PixelImage half = AtSide(row, 48);
    EXPECT_EQ(half.At(22, 2), row.At(15, 1)) << "each pixel the one under its centre";
    EXPECT_EQ(AtSide(row, 32), row);
    EXPECT_TRUE(AtSide(row, 0).Empty());
}

TEST(IconFile, RoundTripsAPictureWithTransparency) {
    const PixelImage picture = UrlPicture();
    const std::string bytes = EncodeIconFile(picture);
    ASSERT_EQ(bytes.size(), 6u + 16u + 40u + 32u * 32u * 4u + 32u * 4u);
    const auto decoded = DecodeIconFile(bytes);
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(*decoded, picture);

    PixelImage odd(3, 5, 0xFF102030u);
    odd.Set(1, 2, 0);
    EXPECT_EQ(DecodeIconFile(EncodeIconFile(odd)), odd);
    EXPECT_TRUE(EncodeIconFile(PixelImage{}).empty());
    EXPECT_TRUE(EncodeIconFile(PixelImage(300, 2)).empty());
}

TEST(IconFile, DamagedFilesAreRefused) {
    const std::string good = EncodeIconFile(ScrollGlyphPicture(0));
    EXPECT_FALSE(DecodeIconFile("").has_value());
    EXPECT_FALSE(DecodeIconFile(good.substr(0, good.size() - 1)).has_value());
    EXPECT_FALSE(DecodeIconFile(good.substr(0, 30)).has_value());
    std::string badOffset = good;
    badOffset[21] = '\x7F';  // image offset far past the end
    EXPECT_FALSE(DecodeIconFile(badOffset).has_value());
    std::string hugeWidth = good;
    hugeWidth[22 + 4] = '\xFF';
    hugeWidth[22 + 5] = '\xFF';
    EXPECT_FALSE(DecodeIconFile(hugeWidth).has_value());
    std::string png = good;
    png.replace(22, 4, "\x89PNG");
    EXPECT_FALSE(DecodeIconFile(png).has_value());
}

TEST(IconFile, AnOldIconWithoutAlphaUsesItsMask) {
    PixelImage picture(8, 8, 0xFF00FF00u);
    picture.Set(0, 0, 0);
    std::string bytes = EncodeIconFile(picture);
    // Clear every alpha byte as old icons have them.
    for (std::size_t i = 6 + 16 + 40 + 3; i < 6 + 16 + 40 + 8 * 8 * 4; i += 4) {
        bytes[i] = '\0';
    }
    const auto decoded = DecodeIconFile(bytes);
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(*decoded, picture);
}

// The icon files in res/ are what the drawing functions give (tools/make_icons
// writes them; run it again after changing a picture).
TEST(IconFile, CommittedResourceIconsMatchTheDrawings) {
    const std::vector<std::pair<std::string, std::function<PixelImage()>>> expected = {
        {"app.ico", ProgramPicture},
        {"stock_url.ico", UrlPicture},
        {"stock_unknown.ico", UnknownPicture},
        {"stock_del.ico", RowSeparatorPicture},
        {"stock_del2.ico", ColumnSeparatorPicture},
        {"glyph_0.ico", [] { return ScrollGlyphPicture(0); }},
        {"glyph_1.ico", [] { return ScrollGlyphPicture(1); }},
        {"glyph_2.ico", [] { return ScrollGlyphPicture(2); }},
        {"glyph_3.ico", [] { return ScrollGlyphPicture(3); }},
    };
    for (const auto& [name, draw] : expected) {
        std::ifstream in(std::string(PEL_SOURCE_DIR) + "/res/" + name, std::ios::binary);
        ASSERT_TRUE(in) << name << " is missing";
        std::stringstream bytes;
        bytes << in.rdbuf();
        const auto decoded = DecodeIconFile(bytes.str());
        ASSERT_TRUE(decoded.has_value()) << name;
        EXPECT_EQ(*decoded, draw()) << name << " differs from its drawing";
    }
}

}  // namespace
}  // namespace pel::test
