#include <gtest/gtest.h>

#include <functional>

#include "fake/BarTest.h"

namespace pel::test {
namespace {

constexpr int kVisible = 12;

class PointerTest : public BarTest {
  protected:
    // A top-edge bar of twelve cells, a scroll panel at each end, showing
    // files C:\i0.txt ... with icon overrides ico0 ...
    void AddItems(int n, Settings record = {}) {
        std::vector<std::string> targets;
        std::vector<std::string> icons;
        for (int i = 0; i < n; ++i) {
            targets.push_back(File(i));
            platform.AddFile(File(i));
            icons.push_back("ico" + std::to_string(i));
        }
        record.VisibleIconCount = kVisible;
        Start(record, targets, icons);
    }
    static std::string File(int i) { return "C:\\i" + std::to_string(i) + ".txt"; }
    static std::vector<std::string> Targets(std::initializer_list<int> numbers) {
        std::vector<std::string> targets;
        for (const int i : numbers) {
            targets.push_back(File(i));
        }
        return targets;
    }
    // The preferences dialog, where the user makes `change` and presses OK.
    void Prefs(const std::function<void(TDlgPref&)>& change) {
        preferencesWindow.user = [change](TDlgPref& dialog) {
            change(dialog);
            return true;
        };
        ChooseOn(0, kCmdPreferences);
    }

    // Screen point in the middle of item cell i as currently scrolled; the
    // fake frame puts the client area one pixel inside the outer rectangle.
    Point Cell(int i) const {
        const Point client = CellCentre(i);
        return {form.BarRect().left + 1 + client.x, form.BarRect().top + 1 + client.y};
    }
    Point Below(Point p) const { return {p.x, form.BarRect().bottom + 40}; }
    Point Client(Point screen) const {
        return {screen.x - form.BarRect().left - 1, screen.y - form.BarRect().top - 1};
    }

    void Press(Point screen, ShiftState shift = {.left = true},
               MouseButton button = MouseButton::Left) {
        platform.cursor = screen;
        form.OnMouseDown(button, shift, Client(screen));
    }
    void MoveTo(Point screen, ShiftState shift = {.left = true}) {
        platform.cursor = screen;
        form.OnMouseMove(shift, Client(screen));
    }
    void Release(Point screen, MouseButton button = MouseButton::Left, ShiftState shift = {}) {
        platform.cursor = screen;
        form.OnMouseUp(button, shift, Client(screen));
    }
    void Click(int cell) {
        Press(Cell(cell));
        Release(Cell(cell));
    }
    // Press on `from`, cross each cell up to `to`.
    void DragOver(int from, int to) {
        Press(Cell(from));
        for (int i = from; i != to;) {
            i += to > from ? 1 : -1;
            MoveTo(Cell(i));
        }
    }
    void Drag(int from, int to) {
        DragOver(from, to);
        Release(Cell(to));
    }
    // Drags from `from` over `to` and off the bar below it for a tick, the
    // button still down; returns where the pointer is.
    Point DragOff(int from, int to) {
        DragOver(from, to);
        MoveTo(Below(Cell(to)));
        form.OnTick();
        return platform.cursor;
    }
};

TEST_F(PointerTest, ClicksLaunchOnceAndTheCurrentCellFollowsThePointer) {
    AddItems(6);
    MoveTo(Cell(3), {});
    EXPECT_EQ(form.CurrentItem(), 3);
    DragOver(2, 3);
    MoveTo(Cell(2));
    Release(Cell(2));  // wandered off and back: a click
    Click(1);
    Press(Cell(1), {.left = true, .doubleClick = true});
    Release(Cell(1));  // the second half of a double click
    EXPECT_EQ(platform.shellOpened, Targets({2, 1}));
    EXPECT_EQ(form.Items().Targets(), Targets({0, 1, 2, 3, 4, 5}));
    Release({Cell(0).x, -50});  // outside every cell
    EXPECT_EQ(platform.shellOpened.size(), 2u);
}

// Each gesture after a plain click on item 1: only a plain left press on an
// item may drag or launch, and whatever a gesture did, the next plain click
// launches.
TEST_F(PointerTest, OnlyTheGesturesOwnPlainPressDragsOrLaunches) {
    constexpr int kOff = -1;      // below the bar
    constexpr int kNowhere = -2;  // away from the bar, where no release comes
    constexpr MouseButton kLeft = MouseButton::Left;
    struct Row {
        MouseButton button;
        bool ShiftState::*key;  // held with the press, or nullptr
        int press;
        std::vector<int> moves;  // with the button alone, a tick after each
        int release;
        std::vector<std::string> items;
        std::vector<std::string> launched;
    };
    const std::vector<std::string> all = Targets({0, 1, 2, 3, 4, 5});
    const Row rows[] = {
        {kLeft, &ShiftState::ctrl, 3, {4}, 4, all, {}},
        {kLeft, &ShiftState::shift, 3, {3, kOff}, kOff, all, {}},
        {kLeft, &ShiftState::alt, 4, {}, 4, all, {}},  // the cell clicked last
        {kLeft, &ShiftState::doubleClick, 1, {2}, 2, all, {}},
        {MouseButton::Right, nullptr, 2, {3}, kNowhere, all, {}},
        {MouseButton::Middle, nullptr, 1, {kOff}, kNowhere, all, {}},
        {kLeft, nullptr, 1, {2, 3}, 3, Targets({0, 2, 3, 1, 4, 5}), {}},
        {kLeft, nullptr, 2, {2, kOff}, 0, Targets({0, 2, 1, 4, 5}), {}},
        {kLeft, nullptr, 0, {}, 0, Targets({0, 2, 1, 4, 5}), Targets({0})},
    };
    AddItems(6);
    Click(1);
    platform.shellOpened.clear();
    const auto at = [this](int cell) { return cell == kOff ? Below(Cell(0)) : Cell(cell); };
    int n = 0;
    for (const Row& row : rows) {
        const ShiftState held{.left = row.button == kLeft,
                              .right = row.button == MouseButton::Right,
                              .middle = row.button == MouseButton::Middle};
        ShiftState pressed = held;
        if (row.key != nullptr) {
            pressed.*row.key = true;
        }
        Press(Cell(row.press), pressed, row.button);
        EXPECT_FALSE(form.Menu().IsOpen()) << "row " << n << ": only an open menu sets it";
        for (const int cell : row.moves) {
            MoveTo(at(cell), held);
            form.OnTick();
        }
        if (row.release != kNowhere) {
            Release(at(row.release), row.button);
        }
        EXPECT_EQ(form.Items().Targets(), row.items) << "row " << n;
        EXPECT_EQ(platform.shellOpened, row.launched) << "row " << n;
        platform.shellOpened.clear();
        Click(4);
        EXPECT_EQ(platform.shellOpened, std::vector<std::string>{form.Items().Target(4)}) << n++;
        platform.shellOpened.clear();
    }
}

TEST_F(PointerTest, DragMovesTheItemWithPictureAndIconUnlessLocked) {
    AddItems(7);
    const PicturePtr picture = form.Items().Picture(2);
    Drag(2, 5);
    EXPECT_EQ(form.Items().Targets(), Targets({0, 1, 3, 4, 5, 2, 6}));
    EXPECT_EQ(form.Items().Icon(5), "ico2");
    EXPECT_EQ(form.Items().Icon(2), "ico3");
    EXPECT_EQ(form.Items().Picture(5), picture);
    EXPECT_TRUE(platform.shellOpened.empty());

    ChooseOn(0, kCmdFixedIcons);
    Drag(5, 2);
    Release(DragOff(3, 4));
    EXPECT_EQ(form.Items().Targets(), Targets({0, 1, 3, 4, 5, 2, 6}));
    EXPECT_TRUE(platform.shellOpened.empty());
}

TEST_F(PointerTest, DraggingOffTheBarDeletesThePressedItemNotTheLastCrossed) {
    AddItems(6);
    DragOff(2, 4);
    EXPECT_EQ(form.Items().Targets(), Targets({0, 1, 3, 4, 5}));
    EXPECT_EQ(form.Items().Icon(2), "ico3");
    EXPECT_EQ(form.CellCount(), 5);
    // Back over the bar, the release neither moves nor launches anything.
    MoveTo(Cell(1));
    form.OnTick();
    Release(Cell(1));
    EXPECT_EQ(form.Items().Targets(), Targets({0, 1, 3, 4, 5}));
    EXPECT_TRUE(platform.shellOpened.empty());

    // Beyond the ends level with the bar, or with the gesture switched off.
    DragOver(2, 3);
    MoveTo({form.BarRect().right + 200, form.BarRect().top + 10});
    form.OnTick();
    MoveTo({form.BarRect().left - 200, form.BarRect().bottom});
    form.OnTick();
    Release({form.BarRect().left - 200, form.BarRect().bottom});
    Prefs([](TDlgPref& dialog) { dialog.General().deleteWithMouse.SetChecked(false); });
    DragOff(2, 3);
    EXPECT_EQ(form.Items().Count(), 5);
}

TEST_F(PointerTest, QuestionNamesTheItemInTheInterfaceLanguageAndCancelKeepsIt) {
    platform.dirs.insert("C:\\Data\\Photos");
    Settings record;
    record.ConfirmDelete = true;
    record.LanguageIndex = 7;  // neither of the two: asked in English
    Start(record,
          {"C:\\Data\\Photos\\", "C:\\Tools\\notepad.exe", "see http://example.org/x.html"});
    platform.messageResults.assign(4, MessageResult::Cancel);

    Release(DragOff(2, 0));
    for (const int language : {kEnglish, kRussian}) {
        Prefs([language](TDlgPref& dialog) { dialog.General().language.Choose(language); });
        ChooseOn(language == kEnglish ? 0 : 1, kCmdDeleteItem);
    }
    ASSERT_EQ(platform.messages.size(), 3u);
    EXPECT_EQ(platform.messages[0].text,
              "Do you want delete this icon \"see http://example.org/x.html\" ?");
    EXPECT_EQ(platform.messages[0].kind, MessageKind::Confirmation);
    EXPECT_EQ(platform.messages[1].text, "Do you want delete this icon \"Photos\" ?");
    EXPECT_EQ(platform.messages[2].text, "Вы действительно хотите удалить значок \"notepad\" ?");
    EXPECT_EQ(form.Items().Count(), 3);
    EXPECT_FALSE(form.DeleteConfirmOpen());
}

TEST_F(PointerTest, AnswerGoesToTheItemAskedAboutWhateverHappensMeanwhile) {
    Settings record;
    record.ConfirmDelete = true;
    AddItems(4, record);
    platform.AddFile("C:\\dropped.txt");
    platform.whileModal = [this] {
        EXPECT_TRUE(form.Gesture().Held());  // keeps the bar shown under the box
        platform.whileModal = nullptr;
        form.OnTick();  // no second question, no second deletion
        platform.cursor = Cell(0);
        form.OnDrop({"C:\\dropped.txt"});
    };
    DragOff(1, 2);
    EXPECT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(form.Items().Targets(), (std::vector<std::string>{"C:\\dropped.txt", "C:\\i0.txt",
                                                                "C:\\i2.txt", "C:\\i3.txt"}));
}

TEST_F(PointerTest, DeletingTheLastItemDisablesItsCommands) {
    Start(Settings{}, {"http://example.org/", "C:\\a.txt"});
    PointAt(1);
    PointAt(0);
    EXPECT_TRUE(form.Menu().ChangeUrl1().enabled);
    ChooseOn(0, kCmdDeleteItem);
    EXPECT_FALSE(form.Menu().ChangeUrl1().enabled);  // a file stands in the current cell now
    EXPECT_TRUE(form.Menu().DeleteItem1().enabled);
    ChooseOn(0, kCmdDeleteItem);
    ChooseOn(0, kCmdDeleteItem);  // nothing left
    EXPECT_FALSE(form.Menu().IsOpen());
    EXPECT_TRUE(form.Items().Icons().empty());
    EXPECT_EQ(form.CellCount(), 1);
    EXPECT_FALSE(form.Menu().DeleteItem1().enabled);
    EXPECT_FALSE(form.Menu().ChangeUrl1().enabled);
}

TEST_F(PointerTest, HoldingTheButtonPastAnEndScrollsOneCellPerTick) {
    AddItems(20);
    DragOver(2, kVisible - 1);
    MoveTo({form.BarRect().right + 30, Cell(0).y});
    for (int tick = 0; tick < 3; ++tick) {
        form.OnRepeatTick();
    }
    EXPECT_EQ(form.CurrentItem(), 14);
    EXPECT_EQ(form.Placement().Grid1().LeftCol(), 3);
    MoveTo(Cell(14));
    form.OnRepeatTick();  // over the cells: no step
    Release(Cell(14));
    EXPECT_EQ(form.Items().Target(14), "C:\\i2.txt");

    Press(Cell(3));
    MoveTo({form.BarRect().left + 5, Cell(0).y});  // over the back button
    for (int tick = 0; tick < 5; ++tick) {
        form.OnRepeatTick();
    }
    EXPECT_EQ(form.CurrentItem(), 0);
    EXPECT_EQ(form.Placement().Grid1().LeftCol(), 0);
}

// On a row bar the page keys and Up/Down do not move the one-row grid on
// their own, so each scrolls exactly as far as its button.
TEST_F(PointerTest, PageAndUpDownKeysOnARowBarScrollLikeTheButtons) {
    AddItems(30);
    FakePlatform other;
    Application twinApp{other, preferencesWindow};
    TFormPellorinth& twin = twinApp.MainForm();
    PutDataFile(other, form.Record(), form.Items().Targets());  // as long as the form's bar
    twin.OnShow();
    const std::pair<int, bool> keys[] = {
        {kVkNext, true}, {kVkNext, true}, {kVkPrior, false}, {kVkDown, true}, {kVkUp, false}};
    for (const auto& [key, forward] : keys) {
        form.OnKeyDown(key, ShiftState{});
        const Rect button = forward ? twin.Buttons().ForwardOnBar(twin.Placement().PanelRight())
                                    : twin.Buttons().BackOnBar(twin.Placement().PanelLeft());
        twin.OnMouseDown(MouseButton::Left, ShiftState{}, {button.left + 1, button.top + 1});
        twin.OnMouseUp(MouseButton::Left, ShiftState{}, {button.left + 1, button.top + 1});
        EXPECT_EQ(form.CurrentItem(), twin.CurrentItem()) << "key " << key;
        EXPECT_EQ(form.Placement().Grid1().LeftCol(), twin.Placement().Grid1().LeftCol())
            << "key " << key;
    }
}

TEST_F(PointerTest, ChangesFromThePointerAndTheMenuReachTheDataFileAtClose) {
    AddItems(4);
    Drag(0, 2);
    platform.inputResults.push_back("https://example.org/new");
    ChooseOn(1, kCmdAddUrl);
    Release(DragOff(3, 4));
    const std::vector<std::string> targets{"C:\\i1.txt", "https://example.org/new", "C:\\i2.txt",
                                           "C:\\i3.txt"};
    ASSERT_EQ(form.Items().Targets(), targets);
    EXPECT_TRUE(form.OnCloseQuery());

    Application restarted{platform, preferencesWindow};
    restarted.MainForm().OnShow();
    EXPECT_EQ(restarted.MainForm().Items().Targets(), targets);
}

// Only the release of the button that began a drag ends it; losing the
// pointer to another window ends it as a release outside every cell would.
TEST_F(PointerTest, GesturesEndOnlyByTheirOwnButtonOrACancel) {
    AddItems(6, Settings{.HoverScroll = true});  // stays off while a gesture has moved
    DragOver(0, 1);
    const ShiftState both{.left = true, .right = true};
    Press(Cell(1), both, MouseButton::Right);
    Release(Cell(1), MouseButton::Right, both);
    EXPECT_TRUE(form.Gesture().Held());
    EXPECT_TRUE(platform.repeatTimer);
    Release(Cell(1));
    EXPECT_EQ(form.Items().Targets(), Targets({1, 0, 2, 3, 4, 5}));
    EXPECT_FALSE(form.Gesture().Held());
    MoveTo(Below(Cell(1)), {});
    form.OnTick();
    EXPECT_EQ(form.Items().Count(), 6);

    DragOver(2, 4);
    form.OnCaptureLost();
    EXPECT_FALSE(platform.repeatTimer);
    EXPECT_FALSE(form.Gesture().Moved());  // hover scrolling may run again
    MoveTo(Below(Cell(4)));
    form.OnTick();
    Release(Cell(4));
    EXPECT_EQ(form.Items().Targets(), Targets({1, 0, 2, 3, 4, 5}));
    EXPECT_TRUE(platform.shellOpened.empty());

    // A button pressed away from the bar and dragged onto it drags nothing.
    MoveTo(Cell(2));
    MoveTo(Below(Cell(2)));
    form.OnTick();
    EXPECT_EQ(form.Items().Count(), 6);
}

}  // namespace
}  // namespace pel::test
