#include <gtest/gtest.h>

#include "fake/BarTest.h"
#include "interaction/FormHint.h"
#include "interaction/HintPlacement.h"

namespace pel::test {
namespace {

// At 150 and 200 % the cells, the gap beside a column and the outline are as
// many of the monitor's pixels; the font is sized for its DPI.
TEST(HintPosition, CellsGapAndOutlineFollowTheScale) {
    HintPlaceInput in;
    in.workArea = {0, 0, 1920, 1040};
    in.hintSize = {100, 30};
    in.edge = kEdgeLeft;
    in.scale = Scale{144};
    in.bar = {0, 300, 56, 1000};
    in.gridSize = {54, 648};
    in.gridPoint = {5, 2 * 54 + 10};
    in.cursor = {5, 400};
    EXPECT_EQ(HintPosition(in), (Point{56 + 3, 400 - 10 + 27 - 15}));
    in.edge = kEdgeTop;
    in.scale = Scale{192};
    in.bar = {500, 0, 1446, 74};
    in.gridSize = {864, 72};
    in.gridPoint = {2 * 72 + 10, 5};
    in.cursor = {600, 5};
    EXPECT_EQ(HintPosition(in), (Point{600 - 10 + 36 - 50, 74}));

    FakeHintView view;
    TFormHint hint(view);
    hint.UseScale(Scale{192});
    hint.SetCaptionText("abcd");  // 40 x 30 at 96 DPI in the fake's 20 points
    EXPECT_EQ(view.scale, Scale{192});
    EXPECT_EQ(hint.Size(), (Point{80 + 4, 60 + 4}));
    EXPECT_EQ(hint.Labels[0].position, (Point{2, 2}));
    EXPECT_EQ(hint.Labels[2].position, (Point{4, 4}));
}

// A 100 x 30 hint for a pointer 10 pixels into cell 2 of the grid.
TEST(HintPosition, EachEdgeCentresOnTheCellAndStaysInTheWorkArea) {
    struct Case {
        const char* what;
        int edge;
        Rect bar;
        Rect area;
        int cursorAlong;  // screen coordinate along the bar
        std::optional<Point> at;
        int gridAlong = 2 * 36 + 10;
    };
    const Rect area{0, 0, 1920, 1040};
    const Rect left{-1920, 0, 0, 1040};     // a monitor left of the primary
    const Rect right{1920, 0, 3840, 1040};  // and one right of it
    const Rect belowTaskBar{0, 40, 1920, 1040};
    const Rect leftBar{0, 300, 38, 778};
    const Rect rightBar{1882, 300, 1920, 778};
    const Case cases[] = {
        {"top", kEdgeTop, {500, 0, 978, 38}, area, 600, Point{558, 38}},
        {"top at the right end", kEdgeTop, {1400, 0, 1920, 38}, area, 1900, Point{1820, 38}},
        {"top at the left end", kEdgeTop, {0, 0, 478, 38}, area, 30, Point{0, 38}},
        {"top left of the primary", kEdgeTop, {-1900, 0, -1422, 38}, left, -1890, Point{-1920, 38}},
        {"top right of the primary", kEdgeTop, {1920, 0, 2398, 38}, right, 1930, Point{1920, 38}},
        {"bottom", kEdgeBottom, {500, 1002, 978, 1040}, area, 600, Point{558, 972}},
        {"left", kEdgeLeft, leftBar, area, 400, Point{40, 393}},
        {"left at the bottom", kEdgeLeft, {0, 600, 38, 1078}, area, 1030, Point{40, 1010}},
        {"left on a narrow area", kEdgeLeft, leftBar, {0, 0, 120, 1040}, 400, Point{20, 393}},
        {"left on the grid's last pixel", kEdgeLeft, leftBar, area, 400, Point{40, 403}, 432},
        {"right on the grid's last pixel", kEdgeRight, rightBar, area, 400, std::nullopt, 432},
        {"left under a top task bar", kEdgeLeft, {0, 40, 38, 518}, belowTaskBar, 45, Point{40, 40}},
        {"right, narrow area", kEdgeRight, rightBar, {1800, 0, 1920, 1040}, 400, Point{1800, 393}},
        {"right, hint > area", kEdgeRight, rightBar, {1850, 0, 1920, 1040}, 400, Point{1850, 393}},
        {"right", kEdgeRight, rightBar, area, 400, Point{1780, 393}},
        {"right at the bottom", kEdgeRight, {1882, 600, 1920, 1078}, area, 1030, Point{1780, 1010}},
        {"unknown edge", 5, {0, 0, 478, 38}, area, 100, std::nullopt},
    };
    for (const Case& c : cases) {
        HintPlaceInput in;
        in.edge = c.edge;
        in.bar = c.bar;
        in.workArea = c.area;
        const bool row = c.edge == kEdgeTop || c.edge == kEdgeBottom || c.edge > 3;
        in.gridSize = row ? Point{432, 36} : Point{36, 432};
        in.gridPoint = row ? Point{c.gridAlong, 5} : Point{5, c.gridAlong};
        in.cursor =
            row ? Point{c.cursorAlong, c.bar.top + 5} : Point{c.bar.left + 5, c.cursorAlong};
        in.hintSize = {100, 30};
        EXPECT_EQ(HintPosition(in), c.at) << c.what;
    }
}

class HintTest : public BarTest {
  protected:
    void SetUp() override {
        platform.dirs.insert("C:\\Data\\Photos");
        platform.AddFile("C:\\Tools\\notepad.exe");
        platform.barVisible = true;
    }
    // Four items on a twelve-cell top bar; the last is a separator unless
    // named.
    void StartOn(int monitor, const std::string& fourth = "") {
        Settings record;
        record.MonitorIndex = monitor;
        Start(record,
              {"C:\\Tools\\notepad.exe", "C:\\Data\\Photos", "http://example.org/a&b", fourth});
    }
    Point Cell(int i) const {
        const Rect bar = form.BarRect();
        return {bar.left + 1 + form.Placement().Grid1().bounds.left + i * kCellSize + 20,
                bar.top + 10};
    }
    void TickAt(Point p) {
        platform.cursor = p;
        form.OnTick();
    }
};

TEST_F(HintTest, ShowsEachItemsNameBelowTheBarCentredOnItsCell) {
    StartOn(0);
    const char* names[] = {"notepad", "Photos", "http://example.org/a&b", ""};
    for (int i = 0; i < 4; ++i) {
        TickAt(Cell(i));
        EXPECT_EQ(app.HintForm().Text(), names[i]);
        ASSERT_TRUE(platform.hint.visible) << i;
        const Rect r = platform.hint.bounds;
        EXPECT_EQ(r.top, form.BarRect().bottom);
        EXPECT_EQ(r.left + r.Width() / 2, Cell(i).x - 2) << i;  // the cell's middle
    }
    // Names measure in the hint font, plus the outline's two pixels.
    EXPECT_EQ(platform.hint.bounds.Width(), 2);
    TickAt(Cell(0));
    EXPECT_EQ(platform.hint.bounds.Width(), 7 * 8 + 2);
}

TEST_F(HintTest, HidesOffTheItemsWithHintsOffAndStaysUnderTheMenu) {
    StartOn(0);
    TickAt(Cell(1));
    TickAt({Cell(1).x, form.BarRect().bottom + 50});
    EXPECT_FALSE(platform.hint.visible);
    TickAt(Cell(5));  // a cell with no item
    EXPECT_FALSE(platform.hint.visible);

    TickAt(Cell(1));
    form.OnMouseDown(MouseButton::Right, ShiftState{}, {Cell(1).x - form.BarRect().left - 1, 9});
    platform.whileMenu = [&] {
        EXPECT_FALSE(platform.hint.visible);
        TickAt(Cell(0));
        EXPECT_FALSE(platform.hint.visible);
    };
    form.OnContextMenu(Cell(1));  // and closed with no command
    platform.whileMenu = nullptr;
    form.OnAppDeactivate();  // the tag the menu left ends with the focus
    TickAt(Cell(0));
    EXPECT_TRUE(platform.hint.visible);

    platform.barVisible = false;
    TickAt(Cell(5));
    EXPECT_TRUE(platform.hint.visible);  // a bar off screen leaves it be
    platform.barVisible = true;
    preferencesWindow.user = [](TDlgPref& dialog) {
        dialog.Style().showHints.SetChecked(false);
        return true;
    };
    ChooseOn(0, kCmdPreferences);
    TickAt(Cell(0));
    EXPECT_FALSE(platform.hint.visible);
}

// A folder test may take seconds on an unreachable share, and the tick
// comes ten times a second.
TEST_F(HintTest, RestingOnAnItemAsksNeitherTheDiskNorTheMonitorsAgain) {
    StartOn(0, "http://example.org/c");
    TickAt(Cell(1));
    const std::size_t disk = platform.existenceQueries.size();
    const int monitors = platform.monitorQueries;
    for (int i = 0; i < 5; ++i) {
        TickAt(Cell(1));
    }
    EXPECT_EQ(platform.existenceQueries.size(), disk);
    EXPECT_EQ(platform.monitorQueries, monitors);
    TickAt(Cell(3));
    EXPECT_EQ(app.HintForm().Text(), "http://example.org/c");
    platform.inputResults.push_back("http://example.org/d");
    ChooseOn(3, kCmdChangeUrl);
    TickAt(Cell(3));
    EXPECT_EQ(app.HintForm().Text(), "http://example.org/d");
}

TEST_F(HintTest, TheTickSleepsWhileThePointerIsAwayAndWakesWhenItComesBack) {
    StartOn(0);
    TickAt(Cell(1));
    EXPECT_TRUE(platform.tickTimer);
    TickAt({Cell(1).x, form.BarRect().bottom + 50});
    EXPECT_FALSE(platform.hint.visible);
    EXPECT_FALSE(platform.tickTimer);
    form.OnMouseMove(ShiftState{}, {30, 10});
    EXPECT_TRUE(platform.tickTimer);
    ChooseOn(1, kCmdAutoHide);  // the tick now watches the edge
    TickAt({Cell(1).x, form.BarRect().bottom + 50});
    EXPECT_TRUE(platform.tickTimer);
}

TEST_F(HintTest, MonitorIndexNamingNoMonitorPlacesOnMonitorZero) {
    StartOn(9, std::string(100, 'x'));
    // Dragged to the right end of the work area.
    const Rect bar = form.BarRect();
    form.OnBoundsChanged(Rect::FromSize(1920 - bar.Width(), 0, bar.Width(), bar.Height()));
    TickAt(Cell(3));
    EXPECT_EQ(platform.hint.bounds.right, 1920);
}

}  // namespace
}  // namespace pel::test
