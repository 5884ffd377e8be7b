#include <gtest/gtest.h>

#include "fake/BarTest.h"

namespace pel::test {
namespace {

class LaunchTest : public BarTest {
  protected:
    // A left click on cell `index`: its item is launched.
    void Click(int index) {
        const Point at = CellCentre(index);
        form.OnMouseDown(MouseButton::Left, ShiftState{.left = true}, at);
        form.OnMouseUp(MouseButton::Left, ShiftState{}, at);
    }
    // Launches of item 0 that the shell answers with each of `codes`.
    void LaunchAnswered(std::initializer_list<std::intptr_t> codes) {
        for (const auto code : codes) {
            platform.shellResults["C:\\x.exe"] = code;
            Click(0);
        }
    }
};

TEST_F(LaunchTest, TargetGoesUnchangedToTheShellAndSeparatorsOpenNothing) {
    const std::string folder = "C:\\Фото\\Лето 2024\\";
    Start({}, {"", folder, "https://example.org/?q=a b"});
    Click(0);
    EXPECT_TRUE(platform.shellOpened.empty());
    EXPECT_TRUE(platform.cursorHistory.empty());

    Click(1);
    Click(2);
    EXPECT_EQ(platform.shellOpened,
              (std::vector<std::string>{folder, "https://example.org/?q=a b"}));
    EXPECT_EQ(platform.cursorHistory,
              (std::vector<CursorKind>{CursorKind::Hourglass, CursorKind::Default,
                                       CursorKind::Hourglass, CursorKind::Default}));
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(LaunchTest, RefusalShowsTheShellTextWithAutoHideOffOnlyMeanwhile) {
    Start({.AutoHide = true, .Hint = {}, .LanguageIndex = kRussian}, {"C:\\x.exe"});
    // The shell's texts stay English.
    std::vector<bool> autoHideInBox;
    platform.whileModal = [&] {
        autoHideInBox.push_back(form.AutoHideActive());
        EXPECT_EQ(platform.cursorHistory.back(), CursorKind::Default);
    };
    LaunchAnswered({2, 5, 32});
    EXPECT_TRUE(form.Record().AutoHide);
    platform.menuChoices.push_back(kCmdAutoHide);
    form.OnContextMenu(platform.cursor);
    LaunchAnswered({31});
    EXPECT_FALSE(form.Record().AutoHide);

    ASSERT_EQ(platform.messages.size(), 4u);
    EXPECT_EQ(platform.messages[0].text, "The specified file was not found.");
    EXPECT_EQ(platform.messages[1].text,
              "The operating system denied access to the specified file");
    EXPECT_EQ(platform.messages[2].text, "The specified dynamic-link library was not found.");
    EXPECT_EQ(platform.messages[3].text,
              "There is no application associated with the given filename extension.");
    EXPECT_EQ(platform.messages[0].kind, MessageKind::Information);
    EXPECT_EQ(autoHideInBox, std::vector<bool>(4, false));
}

TEST_F(LaunchTest, SuccessAndUnlistedFailuresStaySilent) {
    Start({}, {"C:\\x.exe"});
    LaunchAnswered({1, 4, 12, 25, 33, 42});
    EXPECT_EQ(platform.shellOpened.size(), 6u);
    EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace pel::test
