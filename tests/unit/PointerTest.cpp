#include <gtest/gtest.h>

#include <functional>

#include "app/Application.h"
#include "fake/FakePlatform.h"

namespace pel::test {
namespace {

// Lets a test act while a modal box is open, as the timer and the mouse can.
class ModalPlatform : public FakePlatform {
  public:
    std::function<void()> duringMessage;
    MessageResult ShowMessage(const std::string& text, MessageKind kind) override {
        if (duringMessage) {
            auto once = std::move(duringMessage);
            duringMessage = nullptr;
            once();
        }
        return FakePlatform::ShowMessage(text, kind);
    }
};

constexpr int kVisible = 12;
constexpr Point kBarOrigin{100, 0};

class PointerTest : public ::testing::Test {
  protected:
    ModalPlatform platform;
    Application app{platform};
    TFormPellorinth& form = app.MainForm();

    void SetUp() override {
        form.ImageUrl = std::make_shared<FakePicture>("url");
        form.ImageDel = std::make_shared<FakePicture>("del");
        form.ImageUnKnown = std::make_shared<FakePicture>("unknown");
        // A top-edge bar of twelve cells with a scroll panel at each end.
        form.settings.VisibleIconCount = kVisible;
        form.Panel1.bounds = Rect::FromSize(0, 0, kVisible * kCellSize + 40, kBarThickness);
        form.LayoutPanels();
        const Point frame = platform.frameSize;
        form.SetBarRect(Rect::FromSize(kBarOrigin.x, kBarOrigin.y,
                                       form.Panel1.bounds.Width() + frame.x,
                                       form.Panel1.bounds.Height() + frame.y));
    }

    // Items "C:\i0.txt" ... with icon overrides "ico<i>".
    void AddItems(int n) {
        for (int i = 0; i < n; ++i) {
            const std::string path = "C:\\i" + std::to_string(i) + ".txt";
            platform.AddFile(path);
            form.AddFileToList(-1, path, true);
            form.store.ListIcons.back() = "ico" + std::to_string(i);
        }
    }
    std::string Target(int i) const { return form.store.ListCurr[static_cast<std::size_t>(i)]; }

    Point ClientOrigin() const { return {form.BarRect().left + 1, form.BarRect().top + 1}; }
    // Screen point in the middle of item cell i as currently scrolled.
    Point CellCentre(int i) const {
        return {ClientOrigin().x + form.Grid1.bounds.left + (i - form.Grid1.LeftCol()) * kCellSize +
                    kCellSize / 2,
                ClientOrigin().y + kCellSize / 2};
    }
    Point ToClient(Point screen) const {
        return {screen.x - ClientOrigin().x, screen.y - ClientOrigin().y};
    }

    static ShiftState Held(bool doubleClick = false) {
        ShiftState s;
        s.left = true;
        s.doubleClick = doubleClick;
        return s;
    }
    void Press(Point screen, bool doubleClick = false) {
        platform.cursor = screen;
        form.OnMouseDown(MouseButton::Left, Held(doubleClick), ToClient(screen));
    }
    void MoveTo(Point screen, ShiftState shift = Held()) {
        platform.cursor = screen;
        form.OnMouseMove(shift, ToClient(screen));
    }
    void Release(Point screen) {
        platform.cursor = screen;
        form.OnMouseUp(MouseButton::Left, ShiftState{}, ToClient(screen));
    }
    void Click(int i) {
        Press(CellCentre(i));
        Release(CellCentre(i));
    }
    // Press on `from`, cross every cell up to `to`, release there.
    void Drag(int from, int to) {
        Press(CellCentre(from));
        const int step = to > from ? 1 : -1;
        for (int i = from + step; i != to + step; i += step) {
            MoveTo(CellCentre(i));
        }
        Release(CellCentre(to));
    }
    Point BelowBar(Point p) const { return {p.x, form.BarRect().bottom + 40}; }
};

TEST_F(PointerTest, PointerPositionIsInClientAndGridCoordinates) {
    platform.cursor = {kBarOrigin.x + 1 + 20 + 50, kBarOrigin.y + 1 + 7};
    EXPECT_EQ(form.getCurrentPoint(false), (Point{70, 7}));
    EXPECT_EQ(form.getCurrentPoint(true), (Point{50, 7}));
    AddItems(3);
    EXPECT_EQ(form.getCurrentColFromPoint(), 1);
    platform.cursor = {kBarOrigin.x + 5, kBarOrigin.y + 10};  // over the back panel
    EXPECT_EQ(form.getCurrentColFromPoint(), -1);
    platform.cursor = CellCentre(5);  // a blank stretch of the grid
    EXPECT_EQ(form.getCurrentColFromPoint(), -1);
}

TEST_F(PointerTest, CurrentCellFollowsThePointerWithOrWithoutAButton) {
    AddItems(5);
    MoveTo(CellCentre(3), ShiftState{});
    EXPECT_EQ(form.CurrentItem(), 3);
    MoveTo(CellCentre(1), Held());
    EXPECT_EQ(form.CurrentItem(), 1);
    MoveTo({CellCentre(4).x, form.BarRect().bottom + 30}, ShiftState{});
    EXPECT_EQ(form.CurrentItem(), 1);
}

TEST_F(PointerTest, ClickAndWanderBackLaunchesWithoutMoving) {
    AddItems(6);
    Click(4);
    EXPECT_EQ(platform.shellOpened, (std::vector<std::string>{"C:\\i4.txt"}));

    Press(CellCentre(2));
    MoveTo(CellCentre(3));
    MoveTo(CellCentre(2));
    Release(CellCentre(2));
    EXPECT_EQ(platform.shellOpened.back(), "C:\\i2.txt");
    EXPECT_EQ(Target(2), "C:\\i2.txt");
    EXPECT_EQ(Target(3), "C:\\i3.txt");
}

TEST_F(PointerTest, DoubleClickLaunchesOnce) {
    AddItems(3);
    Press(CellCentre(1));
    Release(CellCentre(1));
    Press(CellCentre(1), true);
    Release(CellCentre(1));
    EXPECT_EQ(platform.shellOpened.size(), 1u);
    Click(1);  // the next plain click launches again
    EXPECT_EQ(platform.shellOpened.size(), 2u);
}

TEST_F(PointerTest, DragMovesTheItemWithItsPictureAndIcon) {
    AddItems(7);
    const PicturePtr picture = form.store.ImageList1[2];
    Drag(2, 5);
    EXPECT_TRUE(platform.shellOpened.empty());
    EXPECT_EQ(form.store.ListCurr,
              (std::vector<std::string>{"C:\\i0.txt", "C:\\i1.txt", "C:\\i3.txt", "C:\\i4.txt",
                                        "C:\\i5.txt", "C:\\i2.txt", "C:\\i6.txt"}));
    EXPECT_EQ(form.store.ListIcons[5], "ico2");
    EXPECT_EQ(form.store.ListIcons[2], "ico3");
    EXPECT_EQ(form.store.ImageList1[5], picture);
    EXPECT_FALSE(form.DragMoved);
    EXPECT_FALSE(form.DragHeld);

    Drag(5, 0);
    EXPECT_EQ(Target(0), "C:\\i2.txt");
    EXPECT_EQ(form.store.ListIcons[0], "ico2");
}

TEST_F(PointerTest, LockedIconsNeitherMoveNorLaunchOnADrag) {
    AddItems(7);
    form.settings.FixedIcons = true;
    Drag(2, 5);
    EXPECT_EQ(Target(2), "C:\\i2.txt");
    EXPECT_EQ(Target(5), "C:\\i5.txt");
    EXPECT_TRUE(platform.shellOpened.empty());
    Click(2);  // clicks still launch
    EXPECT_EQ(platform.shellOpened.size(), 1u);
    // and a drag off the bar deletes nothing
    Press(CellCentre(3));
    MoveTo(CellCentre(4));
    MoveTo(BelowBar(CellCentre(4)));
    form.TimerPellorinthTimer();
    EXPECT_EQ(form.store.Count(), 7);
}

TEST_F(PointerTest, ReleaseOutsideEveryCellDoesNothing) {
    AddItems(3);
    Press(CellCentre(0));
    MoveTo(CellCentre(1));
    Release({CellCentre(0).x, -50});
    EXPECT_EQ(Target(0), "C:\\i0.txt");
    EXPECT_TRUE(platform.shellOpened.empty());
}

TEST_F(PointerTest, DraggingOffTheBarDeletesThePressedItemBeforeTheRelease) {
    AddItems(6);
    Press(CellCentre(2));
    MoveTo(CellCentre(3));
    MoveTo(CellCentre(4));
    MoveTo(BelowBar(CellCentre(4)));
    form.TimerPellorinthTimer();
    // The item pressed is gone; the last cell crossed keeps its item.
    EXPECT_EQ(form.store.ListCurr,
              (std::vector<std::string>{"C:\\i0.txt", "C:\\i1.txt", "C:\\i3.txt", "C:\\i4.txt",
                                        "C:\\i5.txt"}));
    EXPECT_EQ(form.store.ListIcons[2], "ico3");
    EXPECT_EQ(form.CellCount(), 5);
    EXPECT_FALSE(form.DragHeld);

    // Coming back and letting go over a cell neither moves nor launches.
    MoveTo(CellCentre(1));
    form.TimerPellorinthTimer();
    Release(CellCentre(1));
    EXPECT_EQ(form.store.Count(), 5);
    EXPECT_EQ(Target(1), "C:\\i1.txt");
    EXPECT_EQ(Target(2), "C:\\i3.txt");
    EXPECT_TRUE(platform.shellOpened.empty());
}

TEST_F(PointerTest, StayingLevelWithTheBarOrSwitchingTheGestureOffDeletesNothing) {
    AddItems(5);
    Press(CellCentre(2));
    MoveTo(CellCentre(3));
    // Past the far end, within the bar's height.
    MoveTo({form.BarRect().right + 200, form.BarRect().top + 10});
    form.TimerPellorinthTimer();
    MoveTo({form.BarRect().left - 200, form.BarRect().bottom});  // the edge row counts as in
    form.TimerPellorinthTimer();
    EXPECT_EQ(form.store.Count(), 5);
    Release({form.BarRect().left - 200, form.BarRect().bottom});

    form.settings.DeleteWithMouse = false;
    Press(CellCentre(2));
    MoveTo(CellCentre(3));
    MoveTo(BelowBar(CellCentre(3)));
    form.TimerPellorinthTimer();
    EXPECT_EQ(form.store.Count(), 5);
}

TEST_F(PointerTest, DragOffWithConfirmationNamesThePressedItemAndCancelKeepsIt) {
    platform.dirs.insert("C:\\Data\\Photos");
    form.AddFileToList(-1, "C:\\Data\\Photos\\", true);
    form.AddFileToList(-1, "https://example.org/a.b", true);
    form.settings.ConfirmDelete = true;
    form.settings.LanguageIndex = kEnglish;

    platform.messageResults.push_back(MessageResult::Cancel);
    Press(CellCentre(0));
    MoveTo(CellCentre(1));
    MoveTo(BelowBar(CellCentre(1)));
    form.TimerPellorinthTimer();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "Do you want delete this icon \"Photos\" ?");
    EXPECT_EQ(platform.messages[0].kind, MessageKind::Confirmation);
    EXPECT_EQ(form.store.Count(), 2);
    EXPECT_EQ(form.DeleteConfirmOpen, 0);

    // Back over the bar and off again: asked again, and Yes deletes it.
    MoveTo(CellCentre(1));
    MoveTo(BelowBar(CellCentre(1)));
    form.TimerPellorinthTimer();
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(form.store.ListCurr, (std::vector<std::string>{"https://example.org/a.b"}));
}

TEST_F(PointerTest, QuestionNamesFoldersFilesAndUrlsInBothLanguages) {
    platform.dirs.insert("C:\\Data\\Photos");
    form.AddFileToList(-1, "C:\\Data\\Photos\\", true);
    form.AddFileToList(-1, "C:\\Tools\\notepad.exe", true);
    form.AddFileToList(-1, "see http://example.org/x.html", true);
    form.settings.ConfirmDelete = true;
    platform.messageResults = {MessageResult::Cancel, MessageResult::Cancel, MessageResult::Cancel,
                               MessageResult::Cancel};
    form.settings.LanguageIndex = kRussian;
    EXPECT_FALSE(form.CheckFileDelete(0));
    form.settings.LanguageIndex = kEnglish;
    EXPECT_FALSE(form.CheckFileDelete(1));
    EXPECT_FALSE(form.CheckFileDelete(2));
    form.settings.LanguageIndex = 7;
    EXPECT_FALSE(form.CheckFileDelete(1));
    ASSERT_EQ(platform.messages.size(), 4u);
    EXPECT_EQ(platform.messages[0].text, "Вы действительно хотите удалить значок \"Photos\" ?");
    EXPECT_EQ(platform.messages[1].text, "Do you want delete this icon \"notepad\" ?");
    EXPECT_EQ(platform.messages[2].text,
              "Do you want delete this icon \"see http://example.org/x.html\" ?");
    EXPECT_EQ(platform.messages[3].text, platform.messages[1].text);

    form.settings.ConfirmDelete = false;
    EXPECT_TRUE(form.CheckFileDelete(0));
    EXPECT_EQ(platform.messages.size(), 4u);
}

TEST_F(PointerTest, AnOpenQuestionStopsASecondDeletion) {
    AddItems(4);
    form.settings.ConfirmDelete = true;
    platform.duringMessage = [this] {
        EXPECT_EQ(form.DeleteConfirmOpen, 1);
        EXPECT_TRUE(form.DragHeld);  // keeps the bar shown under the box
        form.TimerPellorinthTimer();
    };
    Press(CellCentre(1));
    MoveTo(CellCentre(2));
    MoveTo(BelowBar(CellCentre(2)));
    form.TimerPellorinthTimer();
    EXPECT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(form.store.Count(), 3);
    EXPECT_EQ(Target(1), "C:\\i2.txt");
}

TEST_F(PointerTest, TheAnswerGoesToTheItemAskedAboutEvenIfTheBarChangedMeanwhile) {
    AddItems(4);
    form.settings.ConfirmDelete = true;
    form.SelectItemCell(2);
    // A file dropped in front while the question is open.
    platform.duringMessage = [this] { form.AddFileToList(0, "C:\\dropped.txt", true); };
    form.DeleteItem();
    EXPECT_EQ(form.store.ListCurr, (std::vector<std::string>{"C:\\dropped.txt", "C:\\i0.txt",
                                                             "C:\\i1.txt", "C:\\i3.txt"}));
    EXPECT_EQ(form.store.ListIcons[3], "ico3");
}

TEST_F(PointerTest, MenuDeleteRemovesTheCurrentItemAndTheLastDisablesItsCommands) {
    form.AddFileToList(-1, "http://example.org/", true);
    form.AddFileToList(-1, "C:\\a.txt", true);
    MoveTo(CellCentre(1), ShiftState{});
    MoveTo(CellCentre(0), ShiftState{});
    EXPECT_TRUE(form.DeleteItem1.enabled);
    EXPECT_TRUE(form.ChangeUrl1.enabled);

    form.MenuOpen = 1;
    platform.menuChoices.push_back(kCmdDeleteItem);
    form.OnContextMenu(CellCentre(0));
    EXPECT_EQ(form.store.ListCurr, (std::vector<std::string>{"C:\\a.txt"}));
    EXPECT_EQ(form.MenuOpen, 0);
    EXPECT_FALSE(form.ChangeUrl1.enabled);  // the file now in the current cell
    EXPECT_TRUE(form.DeleteItem1.enabled);

    form.DeleteItem();
    EXPECT_EQ(form.store.Count(), 0);
    EXPECT_TRUE(form.store.ListIcons.empty());
    EXPECT_EQ(form.CellCount(), 1);
    EXPECT_FALSE(form.DeleteItem1.enabled);
    EXPECT_FALSE(form.ChangeUrl1.enabled);

    form.MenuOpen = 1;
    form.DeleteItem();  // nothing left: only clears MenuOpen
    EXPECT_EQ(form.MenuOpen, 0);
    EXPECT_EQ(form.CellCount(), 1);
}

TEST_F(PointerTest, MenuEntriesFollowTheCurrentItem) {
    form.AddFileToList(-1, "C:\\a.txt", true);
    form.AddFileToList(-1, "", true);
    form.AddFileToList(-1, "https://example.org/", true);
    form.store.ListIcons[0] = "my.ico";
    form.SelectItemCell(0);
    EXPECT_TRUE(form.ChangeIcon1.enabled);
    EXPECT_TRUE(form.DefaultIcon1.enabled);
    EXPECT_FALSE(form.ChangeUrl1.enabled);
    form.SelectItemCell(1);  // a separator keeps DefaultIcon1 as it was
    EXPECT_FALSE(form.ChangeIcon1.enabled);
    EXPECT_TRUE(form.DefaultIcon1.enabled);
    form.SelectItemCell(2);
    EXPECT_TRUE(form.ChangeUrl1.enabled);
    EXPECT_TRUE(form.ChangeIcon1.enabled);
    EXPECT_FALSE(form.DefaultIcon1.enabled);
    EXPECT_TRUE(form.DeleteItem1.enabled);
    form.settings.FixedIcons = true;
    form.SelectItemCell(0);
    EXPECT_FALSE(form.DeleteItem1.enabled);
}

TEST_F(PointerTest, ChangesFromThePointerAndTheMenuReachTheDataFileAtClose) {
    AddItems(4);
    Drag(0, 2);  // i1 i2 i0 i3
    form.SelectItemCell(1);
    platform.inputResults.push_back("https://example.org/new");
    platform.menuChoices.push_back(kCmdAddUrl);
    form.OnContextMenu(CellCentre(1));  // i1 url i2 i0 i3
    Press(CellCentre(3));
    MoveTo(CellCentre(4));
    MoveTo(BelowBar(CellCentre(4)));
    form.TimerPellorinthTimer();  // i1 url i2 i3
    Release(BelowBar(CellCentre(4)));
    const std::vector<std::string> targets{"C:\\i1.txt", "https://example.org/new", "C:\\i2.txt",
                                           "C:\\i3.txt"};
    ASSERT_EQ(form.store.ListCurr, targets);
    EXPECT_TRUE(form.FormCloseQuery());

    Application restarted{platform};
    restarted.MainForm().FormShow();
    EXPECT_EQ(restarted.MainForm().store.ListCurr, targets);
}

TEST_F(PointerTest, HoldingTheButtonPastAnEndScrollsOneCellPerTick) {
    AddItems(20);
    Press(CellCentre(2));
    MoveTo(CellCentre(kVisible - 1));
    MoveTo({form.BarRect().right + 30, CellCentre(0).y});
    form.GridRepeatTimer();
    form.GridRepeatTimer();
    form.GridRepeatTimer();
    EXPECT_EQ(form.CurrentItem(), 14);
    EXPECT_EQ(form.Grid1.LeftCol(), 3);
    // Dropped on a cell that was out of view.
    MoveTo(CellCentre(14));
    form.GridRepeatTimer();  // over the cells: no step
    Release(CellCentre(14));
    EXPECT_EQ(Target(14), "C:\\i2.txt");
    EXPECT_EQ(Target(2), "C:\\i3.txt");

    Press(CellCentre(3));
    MoveTo({form.BarRect().left + 5, CellCentre(0).y});  // over the back panel
    form.GridRepeatTimer();
    EXPECT_EQ(form.CurrentItem(), 2);
    EXPECT_EQ(form.Grid1.LeftCol(), 2);
    for (int i = 0; i < 5; ++i) {
        form.GridRepeatTimer();
    }
    EXPECT_EQ(form.CurrentItem(), 0);
    Release({form.BarRect().left + 5, CellCentre(0).y});
}

// On a row bar the page keys and Up/Down move the one-row grid nowhere on
// their own, so each scrolls exactly as far as its button.
TEST_F(PointerTest, PageAndUpDownKeysOnARowBarScrollLikeTheButtons) {
    AddItems(30);
    FakePlatform other;
    Application twinApp{other};
    TFormPellorinth& twin = twinApp.MainForm();
    twin.settings = form.settings;
    twin.Panel1.bounds = form.Panel1.bounds;
    twin.LayoutPanels();
    for (int i = 0; i < 30; ++i) {
        twin.AddFileToList(-1, Target(i), true);
    }
    const std::pair<int, bool> keys[] = {
        {kVkNext, true}, {kVkNext, true}, {kVkPrior, false}, {kVkDown, true}, {kVkUp, false}};
    for (const auto& [key, forward] : keys) {
        form.OnKeyDown(key, ShiftState{});
        if (forward) {
            twin.sbScrollRightClick();
        } else {
            twin.sbScrollLeftClick();
        }
        EXPECT_EQ(form.CurrentItem(), twin.CurrentItem()) << "key " << key;
        EXPECT_EQ(form.Grid1.LeftCol(), twin.Grid1.LeftCol()) << "key " << key;
    }
}

}  // namespace
}  // namespace pel::test
