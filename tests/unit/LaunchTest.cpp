#include <gtest/gtest.h>

#include "fake/BarTest.h"

namespace pel::test {
namespace {

class LaunchTest : public BarTest {
  protected:
    // Left clicks on cell `index`, each launch of C:\x.exe answered with the next of `answers`.
    void Click(int index, std::initializer_list<std::intptr_t> answers = {42}) {
        for (const auto answer : answers) {
            platform.shellResults["C:\\x.exe"] = answer;
            ClickAt(CellCentre(index));
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
    Start({.AutoHide = true, .LanguageIndex = kRussian}, {"C:\\x.exe"});
    std::vector<bool> autoHideInBox;
    platform.whileModal = [&] {
        autoHideInBox.push_back(form.AutoHideActive());
        EXPECT_EQ(platform.cursorHistory.back(), CursorKind::Default);
    };
    Click(0, {2, 5, 32});
    EXPECT_TRUE(form.Record().AutoHide);
    platform.menuChoices.push_back(kCmdAutoHide);
    form.OnContextMenu(platform.cursor);
    Click(0, {31});
    EXPECT_FALSE(form.Record().AutoHide);

    ASSERT_EQ(platform.messages.size(), 4u);
    EXPECT_EQ(platform.messages[0].text, "The specified file was not found.");  // in English
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
    Click(0, {1, 4, 12, 25, 33, 42});
    EXPECT_EQ(platform.shellOpened.size(), 6u);
    EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace pel::test
