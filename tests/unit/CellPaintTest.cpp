#include <gtest/gtest.h>

#include <string>

#include "app/Application.h"
#include "bar/Gradient.h"
#include "bar/StockPictures.h"
#include "fake/DataFileOnDisk.h"
#include "fake/FakePreferencesWindow.h"
#include "fake/RasterCanvas.h"

namespace pel::test {
namespace {

constexpr Color kGridColor = 0x00336699;
constexpr Color kHighlight = 0x00D77800;  // the fake's system highlight
constexpr Color kIconColor = 0x000000CC;

// A machine whose shell gives every file a solid icon whose top-left pixel
// is transparent.
class SolidIconPlatform : public FakePlatform {
  public:
    PicturePtr AssociatedIcon(const std::string&, int) override {
        PixelImage pixels(32, 32, OpaquePixel(kIconColor));
        pixels.Set(0, 0, 0);
        return std::make_shared<FakePicture>("solid", pixels);
    }
};

class CellPaintTest : public ::testing::Test {
  protected:
    SolidIconPlatform platform;
    FakePreferencesWindow preferencesWindow;
    Application app{platform, preferencesWindow};
    TFormPellorinth& form = app.MainForm();
    const BarPlacement& placement = form.Placement();

    void SetUp() override { platform.barVisible = true; }

    // Shows `files` files with the solid icon after `targets`, in `visible`
    // cells along `edge`, over the grid colour or the default gradient.
    void Start(int files, int visible, int edge = kEdgeTop, bool gradient = false,
               std::vector<std::string> targets = {}) {
        for (int i = 0; i < files; ++i) {
            targets.push_back("C:\\f" + std::to_string(i) + ".txt");
            platform.AddFile(targets.back());
        }
        const Settings record{.BackgroundColor = kGridColor,
                              .VisibleIconCount = visible,
                              .ScreenPosition = edge,
                              .GradientBackground = gradient};
        PutDataFile(platform, record, targets);
        form.OnShow();
        form.OnShown();
    }
    // The pointer over cell i of a row bar makes it current.
    void Select(int i) { form.OnMouseMove(ShiftState{}, {RowCell(i).left + 18, 18}); }

    RasterCanvas Paint() {
        RasterCanvas canvas(placement.Panel1().bounds.Width(), placement.Panel1().bounds.Height());
        form.Paint(canvas);
        return canvas;
    }

    // Cell i of a row bar with the scroll panels at both ends, in client pixels.
    static Rect RowCell(int i) { return Rect::FromSize(20 + 36 * i, 0, 36, 36); }
};

TEST_F(CellPaintTest, EveryCellShowsItsIconOverTheGridColour) {
    Start(3, 3);
    Select(2);
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
    platform.barVisible = false;
    EXPECT_TRUE(Paint().pictures.empty()) << "a hidden bar paints no cells";
}

// With the focus or without, the current cell has an outline and no highlight.
TEST_F(CellPaintTest, CurrentCellShowsADottedOutlineAndNoHighlight) {
    Start(3, 3);
    const Color inverted = kGridColor ^ 0xFFFFFFu;
    for (const bool focused : {false, true}) {
        SCOPED_TRACE(focused ? "focused" : "not focused");
        form.OnFocusChanged(focused);
        const int current = focused ? 0 : 1;
        Select(current);
        const RasterCanvas canvas = Paint();
        const Rect cell = RowCell(current);
        EXPECT_EQ(canvas.CountColor(cell, kHighlight), 0);
        EXPECT_EQ(canvas.ColorAt(cell.left, 0), inverted);
        EXPECT_EQ(canvas.ColorAt(cell.left + 1, 0), kGridColor);
        EXPECT_EQ(canvas.ColorAt(cell.left + 35, 35), inverted);
        EXPECT_EQ(canvas.ColorAt(cell.left + 1, 1), kGridColor) << "the outline is one pixel wide";
        EXPECT_EQ(canvas.CountColor(RowCell(1 - current), inverted), 0)
            << "other cells have no outline";
    }
}

TEST_F(CellPaintTest, GradientLiesBehindEveryIcon) {
    Start(3, 3, kEdgeTop, true);  // from C0C0C0 to FFFFFF
    form.OnFocusChanged(false);
    Select(1);
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

    form.OnFocusChanged(true);
    const RasterCanvas focused = Paint();
    EXPECT_EQ(focused.ColorAt(RowCell(1).left, 0), 0xC0C0C0u ^ 0xFFFFFFu)
        << "with focus the outline lies over the gradient";
}

TEST_F(CellPaintTest, ColumnGradientRunsLeftToRight) {
    Start(2, 2, kEdgeLeft, true);
    const RasterCanvas canvas = Paint();
    const Rect cell = Rect::FromSize(0, 20 + 36, 36, 36);
    EXPECT_EQ(canvas.ColorAt(0, cell.top + 20), 0xC0C0C0u);
    EXPECT_EQ(canvas.ColorAt(35, cell.top + 20), 0xFFFFFFu);
}

TEST_F(CellPaintTest, SeparatorIsPaintedLikeAnyItem) {
    Start(0, 1, kEdgeRight, false, {""});
    form.OnFocusChanged(true);
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

TEST_F(CellPaintTest, EmptyBarPaintsItsBlankCell) {
    Start(0, 4, kEdgeTop, true);
    const RasterCanvas canvas = Paint();
    EXPECT_TRUE(canvas.pictures.empty());
    EXPECT_EQ(canvas.ColorAt(20, 35), 0xFFFFFFu);
    EXPECT_EQ(canvas.ColorAt(20 + 36, 35), 0xF0F0F0u) << "only one cell, the rest face";
}

}  // namespace
}  // namespace pel::test
