#include <gtest/gtest.h>

#include <string>

#include "bar/ScrollButtons.h"
#include "fake/BarTest.h"

namespace pel::test {
namespace {

class ScrollButtonsTest : public BarTest {
  protected:
    const BarPlacement& placement = form.Placement();
    const ScrollButtons& buttons = form.Buttons();
    Settings record;

    void SetUp() override { platform.barVisible = true; }

    void MakeBar(int items, int visible, int edge = kEdgeTop) {
        std::vector<std::string> urls;
        for (int i = 0; i < items; ++i) {
            urls.push_back("https://example.org/" + std::to_string(i));
        }
        record.VisibleIconCount = visible;
        record.ScreenPosition = edge;
        Start(record, urls);
    }
    // The bar as the preferences dialog previews it on `edge`.
    void Show(int edge, int buttonPosition = 0) {
        Settings shown = form.Record();
        shown.ScreenPosition = edge;
        shown.ScrollButtonPosition = buttonPosition;
        form.Preview(shown);
    }
    // A press and release on the middle of a scroll button.
    void Click(bool forward) {
        const Rect b = forward ? buttons.ForwardOnBar(placement.PanelRight())
                               : buttons.BackOnBar(placement.PanelLeft());
        ClickAt(Middle(b));
    }
    static Point Middle(const Rect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }
    // Home (Ctrl+Home on a column) makes the first cell current.
    void Home() { form.OnKeyDown(kVkHome, ShiftState{.ctrl = !form.Horizontal()}); }
    // Item 22 current at the end of the window 11..22.
    void ShowUpTo22() {
        Home();
        PointAt(11);
        Click(true);
    }
    // A tick with the pointer at `client` on the bar.
    void TickAt(Point client) {
        const Rect bar = form.BarRect();
        platform.cursor = {bar.left + 1 + client.x, bar.top + 1 + client.y};
        form.OnTick();
    }
    [[nodiscard]] int First() const {
        return form.Horizontal() ? placement.Grid1().LeftCol() : placement.Grid1().TopRow();
    }
};

TEST_F(ScrollButtonsTest, ForwardClicksPageToTheEnd) {
    MakeBar(30, 12);
    // The same steps at 100 % and on a monitor at 150 %, where cells are 54 pixels.
    for (const int dpi : {96, 144}) {
        platform.monitors[0].scale = Scale{dpi};
        form.OnScaleChanged();
        Home();
        PointAt(11);
        ASSERT_EQ(placement.CurrentCellEdge(), 12 * (dpi == 96 ? 36 : 54));
        Click(true);
        EXPECT_EQ(form.CurrentItem(), 22) << dpi;
    }
    EXPECT_EQ(First(), 11) << "window 11..22";
    EXPECT_TRUE(buttons.sbScrollLeft().enabled);
    EXPECT_TRUE(buttons.sbScrollRight().enabled);
    Click(true);
    EXPECT_EQ(form.CurrentItem(), 29) << "33 is past the end";
    EXPECT_EQ(First(), 18);
    EXPECT_FALSE(buttons.sbScrollRight().enabled);
    EXPECT_TRUE(buttons.sbScrollLeft().enabled);
    Click(true);
    EXPECT_EQ(form.CurrentItem(), 29);
}

TEST_F(ScrollButtonsTest, CurrentCellEdgeIsInGridPixels) {
    MakeBar(30, 12);
    for (const int order : {0, 1, 2}) {
        Show(kEdgeTop, order);
        ShowUpTo22();  // current last
        EXPECT_EQ(placement.CurrentCellEdge(), 12 * 36) << "button layout " << order;
        PointAt(13);
        EXPECT_EQ(placement.CurrentCellEdge(), 3 * 36) << "button layout " << order;
    }
    Show(kEdgeLeft);
    Home();
    PointAt(4);
    EXPECT_EQ(placement.CurrentCellEdge(), 5 * 36);
}

TEST_F(ScrollButtonsTest, BackClickReturnsToTheStart) {
    MakeBar(30, 12);
    ShowUpTo22();
    PointAt(11);  // window 11..22, current first: k = 1
    ASSERT_EQ(First(), 11);
    Click(false);
    EXPECT_EQ(form.CurrentItem(), 0);
    EXPECT_EQ(First(), 0);
    EXPECT_FALSE(buttons.sbScrollLeft().enabled);
    EXPECT_TRUE(buttons.sbScrollRight().enabled);
}

TEST_F(ScrollButtonsTest, ClicksThroughTheButtonsScrollAColumnToo) {
    MakeBar(30, 12, kEdgeRight);
    PointAt(11);
    ASSERT_TRUE(buttons.sbScrollRight().enabled);
    Click(true);
    EXPECT_EQ(form.CurrentItem(), 22);
    EXPECT_EQ(placement.Grid1().TopRow(), 11);
    Click(false);
    EXPECT_EQ(form.CurrentItem(), 0);
}

TEST_F(ScrollButtonsTest, HoverMovesOneCellAndStopsAtTheEnds) {
    record.HoverScroll = true;
    MakeBar(30, 12);
    const Point forwardZone{460, 18};
    const Point backZone{10, 18};
    PointAt(11);
    TickAt(forwardZone);
    EXPECT_EQ(form.CurrentItem(), 12);
    EXPECT_EQ(First(), 1);
    EXPECT_TRUE(buttons.sbScrollLeft().enabled);

    form.OnKeyDown(kVkEnd, ShiftState{});  // window 18..29
    ChooseOn(29, kCmdNone);                // the menu stays open
    TickAt(forwardZone);
    EXPECT_EQ(form.CurrentItem(), 29) << "nothing past the window";
    EXPECT_FALSE(buttons.sbScrollRight().enabled);
    EXPECT_TRUE(buttons.sbScrollLeft().enabled);
    EXPECT_FALSE(form.Menu().IsOpen());

    PointAt(18);  // first visible
    TickAt(backZone);
    EXPECT_EQ(form.CurrentItem(), 17);
    EXPECT_EQ(First(), 17);
    Home();
    TickAt(backZone);
    EXPECT_EQ(form.CurrentItem(), 0);
    EXPECT_FALSE(buttons.sbScrollLeft().enabled);
}

TEST_F(ScrollButtonsTest, HoverZonesAreInsideTheEndPanelsOnly) {
    record.HoverScroll = true;
    MakeBar(30, 12);
    PointAt(11);
    for (const Point p : {Point{460, 0}, Point{460, 36}, Point{452, 18}, Point{472, 18},
                          Point{200, 18}, Point{0, 18}, Point{20, 18}}) {
        TickAt(p);
        EXPECT_EQ(form.CurrentItem(), 11) << p.x << "," << p.y;
    }
    Show(kEdgeLeft);
    Home();
    PointAt(11);
    TickAt({18, 460});
    EXPECT_EQ(form.CurrentItem(), 12) << "a column scrolls from below its grid";
}

TEST_F(ScrollButtonsTest, BackIsSwitchedOnOnlyPastTheVisibleCount) {
    EXPECT_FALSE(CheckButtonStates({false, false}, 12, 30, 12).back);
    EXPECT_TRUE(CheckButtonStates({true, false}, 12, 30, 12).back) << "kept as it was";
    EXPECT_TRUE(CheckButtonStates({false, false}, 13, 30, 12).back);
    EXPECT_TRUE(CheckButtonStates({false, true}, 18, 30, 12).forward) << "kept as it was";
}

TEST_F(ScrollButtonsTest, ButtonLayoutsInRowsAndColumns) {
    MakeBar(3, 5);
    struct Case {
        int dpi;
        int position;
        int backAt;
        int forwardAt;
        int gridAt;
    };
    // Bar length 5 * 36 + 40 = 220; at 150 % 5 * 54 + 60 = 330.
    const Case cases[] = {{96, 0, 0, 200, 20}, {96, 1, 180, 200, 0}, {96, 2, 0, 20, 40},
                          {96, 7, 0, 20, 40},  {144, 0, 0, 300, 30}, {144, 1, 270, 300, 0},
                          {144, 2, 0, 30, 60}, {144, 7, 0, 30, 60}};
    for (const bool horizontal : {true, false}) {
        for (const Case& c : cases) {
            platform.monitors[0].scale = Scale{c.dpi};
            form.OnScaleChanged();
            Show(horizontal ? kEdgeBottom : kEdgeLeft, c.position);
            auto at = [horizontal](const Rect& r) { return horizontal ? r.left : r.top; };
            EXPECT_EQ(at(placement.PanelLeft().bounds), c.backAt) << c.position;
            EXPECT_EQ(at(placement.PanelRight().bounds), c.forwardAt) << c.position;
            EXPECT_EQ(at(placement.Grid1().bounds), c.gridAt) << c.position;
        }
    }
    EXPECT_EQ(form.PanelOrder(), 2) << "an unknown position keeps the last layout";
}

// A press on a disabled button is a press on its panel.
TEST_F(ScrollButtonsTest, FewerItemsThanCellsNeverEnableTheButtons) {
    MakeBar(5, 12);
    for (int i = 0; i < 5; ++i) {
        PointAt(i);
        EXPECT_FALSE(buttons.sbScrollRight().enabled) << i;
        EXPECT_FALSE(buttons.sbScrollLeft().enabled) << i;
    }
    const Rect forward = placement.PanelRight().bounds;
    const std::pair<MouseButton, Point> presses[] = {
        {MouseButton::Left, Middle(placement.PanelLeft().bounds)},
        {MouseButton::Left, Middle(forward)},
        {MouseButton::Left, {1, 18}},  // beside the button
        {MouseButton::Right, {forward.right - 1, 1}}};
    for (const auto& [button, at] : presses) {
        ChooseOn(0, kCmdNone);  // the menu stays open
        form.OnMouseDown(button, ShiftState{}, at);
        EXPECT_FALSE(form.Menu().IsOpen()) << at.x << "," << at.y << ": a press clears it";
        form.OnMouseUp(button, ShiftState{}, at);
    }
}

TEST_F(ScrollButtonsTest, OneCellBarStillPages) {
    MakeBar(3, 1);
    PointAt(0);
    Click(true);
    EXPECT_EQ(form.CurrentItem(), 1);
    Click(true);
    EXPECT_EQ(form.CurrentItem(), 2);
    EXPECT_FALSE(buttons.sbScrollRight().enabled);
    Click(false);
    EXPECT_EQ(form.CurrentItem(), 1);
}

// Whatever edge it is given, a step keeps the current cell on the bar; a
// hover step at the end stays put and turns the forward button off.
TEST(ScrollButtons, StepsKeepTheCurrentCellOnTheBar) {
    ScrollButtons buttons;
    for (const int edge : {100000, -100000, 0}) {
        for (const bool hover : {false, true}) {
            for (const bool forward : {false, true}) {
                const int r = buttons.Step(edge, 5, hover, forward, 30, 12);
                EXPECT_GE(r, 0);
                EXPECT_LE(r, 29);
            }
        }
    }
    buttons.SetStates({false, true});
    EXPECT_EQ(buttons.Step(12 * 36, 29, true, true, 30, 12), 29) << "nothing past the window";
    EXPECT_FALSE(buttons.sbScrollRight().enabled);
    EXPECT_TRUE(buttons.sbScrollLeft().enabled);
}

}  // namespace
}  // namespace pel::test
