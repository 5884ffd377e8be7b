#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <tuple>
#include <vector>

#include "bar/Placement.h"
#include "bar/StockPictures.h"
#include "fake/BarTest.h"

namespace pel::test {
namespace {

// Settings that put `visible` cells against `edge` of `monitor`, moved by
// the offsets.
Settings At(int edge, int visible, int monitor = 0, int dx = 0, int dy = 0) {
    return {.VisibleIconCount = visible,
            .ScreenPosition = edge,
            .MonitorIndex = monitor,
            .OffsetX = dx,
            .OffsetY = dy};
}

std::vector<std::string> Links(int n) {
    return std::vector<std::string>(n, "https://example.org/");
}

class PlacementTest : public BarTest {
  protected:
    const BarPlacement& placement = form.Placement();
    const ScrollButtons& buttons = form.Buttons();

    // Shown as the preferences dialog previews a candidate.
    void Apply(int edge, int visible, int monitor = 0, int dx = 0, int dy = 0) {
        form.Preview(At(edge, visible, monitor, dx, dy));
    }
    [[nodiscard]] Point Client() const {
        return {placement.Panel1().bounds.Width(), placement.Panel1().bounds.Height()};
    }
    // Columns and rows of the grid.
    [[nodiscard]] Point Cells() const {
        return {placement.Grid1().ColCount(), placement.Grid1().RowCount()};
    }
};

TEST_F(PlacementTest, TwelveCellsOnTopAreCentredAndShifted) {
    Apply(kEdgeTop, 12, 0, 5, 3);
    EXPECT_EQ(Client(), (Point{472, 36}));
    EXPECT_TRUE(form.Horizontal());
    // Outer 474 x 38 with the 2-pixel frame: (1920 - 474) / 2 = 723.
    EXPECT_EQ(form.BarRect(), Rect::FromSize(723 + 5, 0 + 3, 474, 38));
    EXPECT_EQ(platform.barBounds, form.BarRect());
}

TEST_F(PlacementTest, BottomEdgeSitsOnTheWorkAreaBottom) {
    Apply(kEdgeBottom, 12, 0, -20, -10);
    EXPECT_EQ(form.BarRect(), Rect::FromSize(723 - 20, 1040 - 38 - 10, 474, 38));
}

TEST_F(PlacementTest, BottomToRightWithFiveItemsBecomesAColumn) {
    Start(At(kEdgeBottom, 5), Links(5));
    Apply(kEdgeRight, 5, 0, 0, 7);

    EXPECT_FALSE(form.Horizontal());
    EXPECT_EQ(Cells(), (Point{1, 5}));
    EXPECT_EQ(placement.PanelLeft().bounds, (Rect{0, 0, 36, 20}));
    EXPECT_EQ(placement.PanelRight().bounds, (Rect{0, 200, 36, 220}));
    EXPECT_EQ(placement.Grid1().bounds, (Rect{0, 20, 36, 200}));
    EXPECT_EQ(buttons.sbScrollLeft().bounds, Rect::FromSize(2, 2, 32, 16));
    EXPECT_EQ(buttons.sbScrollRight().bounds, Rect::FromSize(2, 2, 32, 16));
    EXPECT_EQ(buttons.sbScrollLeft().glyph, kGlyphBackColumn);
    EXPECT_EQ(buttons.sbScrollRight().glyph, kGlyphForwardColumn);
    EXPECT_EQ(Client(), (Point{36, 220}));
    // (1040 - 222) / 2 = 409.
    EXPECT_EQ(form.BarRect(), Rect::FromSize(1920 - 38, 409 + 7, 38, 222));

    Apply(kEdgeTop, 5);
    EXPECT_EQ(buttons.sbScrollLeft().bounds, Rect::FromSize(2, 2, 16, 32));
    EXPECT_EQ(buttons.sbScrollLeft().glyph, kGlyphBackRow);
    EXPECT_EQ(buttons.sbScrollRight().glyph, kGlyphForwardRow);
    EXPECT_EQ(Cells(), (Point{5, 1}));
}

TEST_F(PlacementTest, ColumnsAreCentredOnWorkAreasThatDoNotStartAtZero) {
    platform.AddMonitor(Rect{0, -1080, 1920, -40});    // above the first
    platform.AddMonitor(Rect{1920, 100, 3200, 1024});  // beside it, task bar on top
    Apply(kEdgeLeft, 5, 1);
    // -1080 + (1040 - 222) / 2, not (-40 - 222) / 2.
    EXPECT_EQ(form.BarRect(), Rect::FromSize(0, -671, 38, 222));
    Apply(kEdgeRight, 5, 2);
    EXPECT_EQ(form.BarRect(), Rect::FromSize(3200 - 38, 100 + (924 - 222) / 2, 38, 222));
    EXPECT_EQ(form.OffsetRange(true, 2, kEdgeRight), (Point{-(1280 - 38) / 12, 351}));
    EXPECT_EQ(form.OffsetRange(false, 2, kEdgeRight), (Point{0, -351}));
}

TEST_F(PlacementTest, MonitorsSideBySideIncludingNegativeCoordinates) {
    platform.AddMonitor(Rect{1920, 0, 3200, 1024});
    platform.AddMonitor(Rect{-1280, 0, 0, 1024});
    Apply(kEdgeTop, 12, 1);
    EXPECT_EQ(form.BarRect(), Rect::FromSize(1920 + (1280 - 474) / 2, 0, 474, 38));
    Apply(kEdgeBottom, 12, 2);
    EXPECT_EQ(form.BarRect(), Rect::FromSize(-1280 + 403, 1024 - 38, 474, 38));
    Apply(kEdgeLeft, 12, 2);
    EXPECT_EQ(form.BarRect(), Rect::FromSize(-1280, (1024 - 474) / 2, 38, 474));
    Apply(kEdgeRight, 12, 1);
    EXPECT_EQ(form.BarRect(), Rect::FromSize(3200 - 38, 275, 38, 474));
}

// Offsets are lengths at 96 DPI: the range is the free space in the
// monitor's pixels over its scale, toward zero.
TEST_F(PlacementTest, OffsetRangesOnEveryEdge) {
    // dpi, edge, the largest offsets, the smallest.
    const std::tuple<int, int, Point, Point> cases[] = {
        // Row 474 x 38: hx = 723, qy = 1002 / 20 = 50. Column 38 x 474:
        // qx = 1882 / 12 = 156, hy = 566 / 2 = 283.
        {96, kEdgeTop, {723, 50}, {-723, 0}},
        {96, kEdgeBottom, {723, -50}, {-723, 0}},
        {96, kEdgeLeft, {156, 283}, {0, -283}},
        {96, kEdgeRight, {-156, 283}, {0, -283}},
        // 125 %: row 592 x 47, hx = 664 -> 531, qy = 49 -> 39.
        {120, kEdgeTop, {531, 39}, {-531, 0}},
        // 150 %: row 710 x 56, hx = 605 -> 403, qy = 49 -> 32; column
        // 56 x 710, qx = 155 -> 103, hy = 165 -> 110.
        {144, kEdgeBottom, {403, -32}, {-403, 0}},
        {144, kEdgeLeft, {103, 110}, {0, -110}},
        // 200 %: column 74 x 946, qx = 153 -> 76, hy = 47 -> 23.
        {192, kEdgeRight, {-76, 23}, {0, -23}},
    };
    for (const auto& [dpi, edge, max, min] : cases) {
        platform.monitors[0].scale = Scale{dpi};
        form.OnScaleChanged();
        Apply(edge, 12);
        EXPECT_EQ(form.OffsetRange(true, 0, edge), max) << edge << " at " << dpi;
        EXPECT_EQ(form.OffsetRange(false, 0, edge), min) << edge << " at " << dpi;
    }
}

// Every length on the bar is one at 96 DPI times its monitor's scale; the
// offsets too, which stay at 96 DPI in the settings.
TEST_F(PlacementTest, EveryLengthFollowsTheMonitorsScale) {
    // dpi, cell, icon, panel, the bar of 12 cells on top at offsets (5, 3), a button in its panel
    const std::tuple<int, int, int, int, Rect, Rect> cases[] = {
        {96, 36, 32, 20, Rect::FromSize(723 + 5, 3, 474, 38), Rect::FromSize(2, 2, 16, 32)},
        {120, 45, 40, 25, Rect::FromSize(664 + 6, 4, 592, 47), Rect::FromSize(3, 3, 20, 40)},
        {144, 54, 48, 30, Rect::FromSize(605 + 8, 5, 710, 56), Rect::FromSize(3, 3, 24, 48)},
        {192, 72, 64, 40, Rect::FromSize(487 + 10, 6, 946, 74), Rect::FromSize(4, 4, 32, 64)},
    };
    Start(At(kEdgeTop, 12), Links(20));
    for (const auto& [dpi, cell, icon, panel, bar, button] : cases) {
        platform.monitors[0].scale = Scale{dpi};
        form.OnScaleChanged();
        Apply(kEdgeTop, 12, 0, 5, 3);
        EXPECT_EQ(form.BarRect(), bar) << dpi;
        EXPECT_EQ(placement.Grid1().cellSize, cell);
        EXPECT_EQ(placement.PanelLeft().bounds, (Rect{0, 0, panel, cell}));
        EXPECT_EQ(buttons.sbScrollLeft().bounds, button);
        EXPECT_EQ(buttons.ImageList2()[0].width, button.Width()) << "glyph drawn at its size";
        EXPECT_EQ(form.Pictures().Stock().url, form.Items().Picture(0));
        EXPECT_EQ(dynamic_cast<const FakePicture&>(*form.Pictures().Stock().url).pixels.width,
                  icon);
        // The grid maps its pixels to cells of that size.
        EXPECT_EQ(placement.Grid1().MouseToCell({11 * cell + 1, 1}), (Point{11, 0}));
    }
}

// Moved to a monitor of another scale (the preview, a display change), the
// bar is laid out for it before it goes there; a change of the scale itself
// lays it out once, by its own rules.
TEST_F(PlacementTest, AnotherMonitorsScaleLaysTheBarOutForIt) {
    platform.AddMonitor(Rect{1920, 0, 3840, 1040}, Rect{1920, 0, 3840, 1080}, Scale{144});
    Start(At(kEdgeLeft, 5));
    Apply(kEdgeLeft, 5, 1);
    EXPECT_EQ(form.BarRect(), Rect::FromSize(1920, (1040 - 332) / 2, 56, 332));
    Apply(kEdgeLeft, 5, 0);
    EXPECT_EQ(form.BarRect(), Rect::FromSize(0, (1040 - 222) / 2, 38, 222));
    const int sizes = platform.barResizes;
    form.OnScaleChanged();
    EXPECT_EQ(platform.barResizes, sizes) << "the scale is what the bar has";
    platform.monitors[0].scale = Scale{192};
    form.OnScaleChanged();
    EXPECT_EQ(form.BarRect(), Rect::FromSize(0, (1040 - 442) / 2, 74, 442));
    EXPECT_EQ(platform.barResizes, sizes + 1) << "one re-layout";
    EXPECT_EQ(platform.hint.scale, Scale{192});
}

TEST_F(PlacementTest, BarWiderThanItsWorkAreaTruncatesTowardZero) {
    platform.monitors = {Monitor{Rect{0, 0, 400, 300}, Rect{0, 0, 400, 300}, Scale{}}};
    platform.frameSize = {3, 3};
    Apply(kEdgeTop, 12);
    // (400 - 475) / 2 is -37 truncated, not -38.
    EXPECT_EQ(form.BarRect(), Rect::FromSize(-37, 0, 475, 39));
    EXPECT_EQ(form.OffsetRange(true, 0, kEdgeTop), (Point{-37, 13}));
    EXPECT_EQ(form.OffsetRange(false, 0, kEdgeTop), (Point{37, 0}));
}

TEST_F(PlacementTest, MonitorIndexNamingNoMonitorUsesTheFirst) {
    ASSERT_EQ(form.Record().MonitorIndex, 1) << "the built-in value names a second monitor";
    Apply(kEdgeLeft, 12, form.Record().MonitorIndex, 10, 20);
    EXPECT_EQ(form.BarRect(), Rect::FromSize(0 + 10, 283 + 20, 38, 474));
    EXPECT_EQ(form.Record().MonitorIndex, 1) << "the stored choice is kept";
    EXPECT_EQ(form.WorkAreaOf(1), (Rect{0, 0, 1920, 1040}));
    EXPECT_EQ(form.WorkAreaOf(-4), (Rect{0, 0, 1920, 1040}));
    EXPECT_EQ(form.OffsetRange(true, 7, kEdgeLeft), form.OffsetRange(true, 0, kEdgeLeft));
}

TEST_F(PlacementTest, WithoutMonitorsTheBarStaysWhereItIs) {
    Apply(kEdgeTop, 12);
    platform.monitors.clear();
    form.OnDisplayChanged();
    const Rect before = form.BarRect();
    Apply(kEdgeBottom, 12, 0, 10, -10);
    EXPECT_EQ(form.BarRect(), before);
    EXPECT_EQ(form.OffsetRange(true, 0, kEdgeTop), (Point{0, 0}));
    EXPECT_EQ(form.WorkAreaOf(0), before);
}

TEST_F(PlacementTest, OffsetsOutsideTheirRangeKeepTheBarOnItsMonitor) {
    Apply(kEdgeTop, 12, 0, 100000, -500);
    EXPECT_EQ(form.BarRect(), Rect::FromSize(1446, 0, 474, 38)) << "right end on the edge";
    Apply(kEdgeRight, 12, 0, INT_MAX, INT_MIN);
    EXPECT_EQ(form.BarRect(), Rect::FromSize(1920 - 38, 0, 38, 474));
}

TEST_F(PlacementTest, UnknownEdgeKeepsOrientationAndPlaceAndAddsOffsets) {
    Start(At(kEdgeLeft, 5), Links(3));
    const Rect before = form.BarRect();
    Apply(9, 5, 0, 4, -6);
    EXPECT_FALSE(form.Horizontal());
    EXPECT_EQ(placement.Grid1().RowCount(), 3);
    EXPECT_EQ(form.BarRect(), Rect::FromSize(before.left + 4, before.top - 6, 38, 222));
    EXPECT_EQ(form.OffsetRange(true, 0, 9), (Point{0, 0}));
    EXPECT_EQ(form.OffsetRange(false, 0, -1), (Point{0, 0}));
    form.PreviewPlace(At(9, 5, 0, INT_MAX, INT_MIN));  // saturates instead of overflowing
    EXPECT_GT(form.BarRect().left, before.left);
    EXPECT_LT(form.BarRect().top, before.top);
}

TEST_F(PlacementTest, SeparatorsFollowTheOrientationBothWays) {
    Start(At(kEdgeRight, 3), {"", Links(1)[0], ""});
    EXPECT_EQ(form.Items().Picture(0), form.Pictures().Stock().columnSeparator);
    EXPECT_EQ(form.Items().Picture(1), form.Pictures().Stock().url);
    EXPECT_EQ(form.Items().Picture(2), form.Pictures().Stock().columnSeparator);
    Apply(kEdgeBottom, 3);
    EXPECT_EQ(form.Items().Picture(0), form.Pictures().Stock().rowSeparator);
    EXPECT_EQ(form.Items().Picture(1), form.Pictures().Stock().url);
    EXPECT_EQ(form.Items().Picture(2), form.Pictures().Stock().rowSeparator);
}

TEST_F(PlacementTest, EmptyBarKeepsOneCellAndStillChecksTheButtons) {
    ScrollButtons stale;  // what the bar asks of its buttons at each layout
    stale.SetStates({true, true});
    stale.Check(0, 0, 12);
    EXPECT_FALSE(stale.sbScrollLeft().enabled || stale.sbScrollRight().enabled);
    for (const int edge : {kEdgeTop, kEdgeLeft}) {
        Apply(edge, 12);
        EXPECT_EQ(Cells(), (Point{1, 1}));
        EXPECT_FALSE(buttons.sbScrollLeft().enabled || buttons.sbScrollRight().enabled);
    }
}

TEST_F(PlacementTest, DamagedVisibleCountStillGivesAUsableBar) {
    Apply(kEdgeTop, 0);
    EXPECT_EQ(Client(), (Point{76, 36}));
    Apply(kEdgeTop, -5);
    EXPECT_EQ(Client(), (Point{76, 36}));
    Apply(kEdgeLeft, INT_MAX);
    EXPECT_EQ(Client(), (Point{36, kMaxVisibleCells * 36 + 40}));
}

// The bar follows work areas and monitors as they change while it runs; its
// own monitor's index stays, so it goes back there when that one returns.
TEST_F(PlacementTest, DisplayChangesReplaceTheBarFromItsSettings) {
    platform.AddMonitor(Rect{1920, 0, 3200, 1000});
    Start(At(kEdgeRight, 12, 1));
    EXPECT_EQ(form.BarRect().right, 3200);

    platform.monitors[1].workArea.right = 3100;  // a task bar moved to the right
    form.OnDisplayChanged();
    EXPECT_EQ(form.BarRect().right, 3100);
    platform.monitors.pop_back();  // unplugged
    platform.barVisible = false;   // and the bar hidden meanwhile
    form.OnDisplayChanged();
    EXPECT_EQ(form.BarRect().right, 1920);
    EXPECT_EQ(form.Record().MonitorIndex, 1);
    EXPECT_FALSE(platform.barVisible);
    platform.AddMonitor(Rect{1920, 0, 3200, 1000});
    form.OnDisplayChanged();
    EXPECT_EQ(form.BarRect().right, 3200);
}

}  // namespace
}  // namespace pel::test
