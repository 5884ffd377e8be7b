#include <gtest/gtest.h>

#include <string>

#include "bar/Gradient.h"
#include "bar/StockPictures.h"
#include "fake/BarTest.h"
#include "fake/RasterCanvas.h"

namespace pel::test {
namespace {

constexpr Color kGridColor = 0x00336699;
constexpr Color kHighlight = 0x00D77800;  // the fake's system highlight
constexpr Color kIconColor = 0x000000CC;

class CellPaintTest : public BarTest {
  protected:
    const BarPlacement& placement = form.Placement();

    void SetUp() override {
        platform.barVisible = true;
        form.settings.BackgroundColor = kGridColor;
        form.ApplySettings(form.settings);
    }

    // A solid icon whose top-left pixel is transparent.
    static PicturePtr SolidIcon(Color rgb) {
        PixelImage pixels(32, 32, OpaquePixel(rgb));
        pixels.Set(0, 0, 0);
        return std::make_shared<FakePicture>("solid", pixels);
    }

    void AddSolidItems(int n, int visible, int edge = kEdgeTop) {
        for (int i = 0; i < n; ++i) {
            form.AddFileToList(-1, "https://example.org/" + std::to_string(i), true);
            form.store.SetPicture(form.store.Count() - 1, SolidIcon(kIconColor));
        }
        form.settings.VisibleIconCount = visible;
        form.settings.ScreenPosition = edge;
        form.ChangeScreenOriental(edge, visible);
    }
    void ShowGradient() {
        form.settings.GradientBackground = true;
        form.ApplySettings(form.settings);
    }

    RasterCanvas Paint() {
        RasterCanvas canvas(placement.Panel1().bounds.Width(), placement.Panel1().bounds.Height());
        form.Paint(canvas);
        return canvas;
    }

    // Cell i of a row bar with the scroll panels at both ends, in client pixels.
    static Rect RowCell(int i) { return Rect::FromSize(20 + 36 * i, 0, 36, 36); }
};

TEST_F(CellPaintTest, EveryCellShowsItsIconOverTheGridColour) {
    AddSolidItems(3, 3);
    form.SelectItemCell(2);
    const RasterCanvas canvas = Paint();
    for (int i = 0; i < 2; ++i) {
        const Rect cell = RowCell(i);
        EXPECT_EQ(canvas.CountColor(cell, kIconColor), 32 * 32 - 1) << "cell " << i;
        EXPECT_EQ(canvas.CountColor(cell, kGridColor), 36 * 36 - 32 * 32 + 1) << "cell " << i;
        EXPECT_EQ(canvas.ColorAt(cell.left + 2, cell.top + 2), kGridColor) << "transparent pixel";
        EXPECT_EQ(canvas.ColorAt(cell.left + 3, cell.top + 2), kIconColor);
        EXPECT_EQ(canvas.ColorAt(cell.left + 33, cell.top + 33), kIconColor);
        EXPECT_EQ(canvas.ColorAt(cell.left + 34, cell.top + 34), kGridColor);
    }
    ASSERT_EQ(canvas.pictures.size(), 3u);
    EXPECT_EQ(canvas.pictures[1].topLeft, (Point{20 + 36 + 2, 2}));
}

TEST_F(CellPaintTest, CurrentCellWithoutFocusShowsADottedOutlineAndNoHighlight) {
    AddSolidItems(3, 3);
    form.Placement().SetGridFocused(false);
    form.SelectItemCell(1);
    const RasterCanvas canvas = Paint();
    const Rect cell = RowCell(1);
    const Color inverted = kGridColor ^ 0xFFFFFFu;
    EXPECT_EQ(canvas.CountColor(cell, kHighlight), 0);
    EXPECT_EQ(canvas.ColorAt(cell.left, 0), inverted);
    EXPECT_EQ(canvas.ColorAt(cell.left + 1, 0), kGridColor);
    EXPECT_EQ(canvas.ColorAt(cell.left + 35, 35), inverted);
    EXPECT_EQ(canvas.ColorAt(cell.left + 1, 1), kGridColor) << "the outline is one pixel wide";
    EXPECT_EQ(canvas.CountColor(RowCell(0), inverted), 0) << "other cells have no outline";
}

TEST_F(CellPaintTest, CurrentCellWithFocusShowsTheOutlineToo) {
    AddSolidItems(3, 3);
    form.Placement().SetGridFocused(true);
    form.SelectItemCell(0);
    const RasterCanvas canvas = Paint();
    EXPECT_EQ(canvas.ColorAt(RowCell(0).left, 0), kGridColor ^ 0xFFFFFFu);
    EXPECT_EQ(canvas.CountColor(RowCell(0), kHighlight), 0);
}

TEST_F(CellPaintTest, GradientLiesBehindEveryIcon) {
    AddSolidItems(3, 3);
    form.settings.GradientStartColor = 0xC0C0C0;
    form.settings.GradientEndColor = 0xFFFFFF;
    ShowGradient();
    form.Placement().SetGridFocused(false);
    form.SelectItemCell(1);
    const RasterCanvas canvas = Paint();
    for (int i = 0; i < 3; ++i) {
        const Rect cell = RowCell(i);
        EXPECT_EQ(canvas.ColorAt(cell.left, 0), 0xC0C0C0u) << "the gradient covers the outline";
        EXPECT_EQ(canvas.ColorAt(cell.left + 20, 1), 0xC2C2C2u);
        EXPECT_EQ(canvas.ColorAt(cell.left + 35, 35), 0xFFFFFFu);
        EXPECT_EQ(canvas.ColorAt(cell.left + 10, 10), kIconColor);
        // Row 2: C0 + MulDiv(2, 63, 35) = C0 + 4.
        EXPECT_EQ(canvas.ColorAt(cell.left + 2, 2), 0xC4C4C4u)
            << "a transparent icon pixel shows the gradient";
    }
    // Each cell is one copy of the prepared background and one icon draw.
    EXPECT_EQ(canvas.imageCount, 3 + 2) << "three cells and the two button glyphs";
    EXPECT_EQ(canvas.pictures.size(), 3u);

    form.Placement().SetGridFocused(true);
    const RasterCanvas focused = Paint();
    EXPECT_EQ(focused.ColorAt(RowCell(1).left, 0), 0xC0C0C0u ^ 0xFFFFFFu)
        << "with focus the outline lies over the gradient";
}

TEST_F(CellPaintTest, ColumnGradientRunsLeftToRight) {
    AddSolidItems(2, 2, kEdgeLeft);
    ShowGradient();
    const RasterCanvas canvas = Paint();
    const Rect cell = Rect::FromSize(0, 20 + 36, 36, 36);
    EXPECT_EQ(canvas.ColorAt(0, cell.top + 20), 0xC0C0C0u);
    EXPECT_EQ(canvas.ColorAt(35, cell.top + 20), 0xFFFFFFu);
}

TEST_F(CellPaintTest, SeparatorIsPaintedLikeAnyItem) {
    form.AddFileToList(-1, "", true);
    form.settings.VisibleIconCount = 1;
    form.ChangeScreenOriental(kEdgeRight, 1);
    form.Placement().SetGridFocused(true);
    const RasterCanvas canvas = Paint();
    const PixelImage del2 = ColumnSeparatorPicture();
    const Rect cell = placement.Grid1().bounds;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const std::uint32_t px = del2.At(x, y);
            if (px == 0) {
                continue;
            }
            ASSERT_EQ(canvas.ColorAt(cell.left + 2 + x, cell.top + 2 + y), px & 0xFFFFFFu)
                << x << "," << y;
        }
    }
    EXPECT_EQ(canvas.ColorAt(cell.left + 2, cell.top + 2), kGridColor);
}

TEST_F(CellPaintTest, HiddenBarPaintsNoCells) {
    AddSolidItems(3, 3);
    platform.barVisible = false;
    const RasterCanvas canvas = Paint();
    EXPECT_TRUE(canvas.pictures.empty());
}

TEST_F(CellPaintTest, EmptyBarPaintsItsBlankCell) {
    form.settings.VisibleIconCount = 4;
    ShowGradient();
    const RasterCanvas canvas = Paint();
    EXPECT_TRUE(canvas.pictures.empty());
    EXPECT_EQ(canvas.ColorAt(20, 35), 0xFFFFFFu);
    EXPECT_EQ(canvas.ColorAt(20 + 36, 35), 0xF0F0F0u) << "only one cell, the rest face";
}

}  // namespace
}  // namespace pel::test
