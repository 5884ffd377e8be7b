#include <gtest/gtest.h>

#include <functional>

#include "fake/BarTest.h"
#include "interaction/FormHint.h"
#include "interaction/UrlRule.h"

namespace pel::test {
namespace {

const MenuEntry* FindEntry(const MenuEntry& node, int id) {
    const MenuEntry* found = node.id == id ? &node : nullptr;
    for (const MenuEntry& child : node.children) {
        found = found != nullptr ? found : FindEntry(child, id);
    }
    return found;
}

class MenuCommandsTest : public BarTest {
  protected:
    std::vector<bool> autoHideInDialogs;

    void SetUp() override {
        platform.whileModal = [this] { autoHideInDialogs.push_back(form.AutoHideActive()); };
    }
    // The entry `id` of the menu shown last.
    const MenuEntry& Shown(int id) const { return *FindEntry(platform.shownMenus.back(), id); }
    // The preferences dialog from the menu, `change` made on it, and OK.
    void ChangePreferences(std::function<void(TDlgPref&)> change) {
        preferencesWindow.user = [change](TDlgPref& dialog) { return change(dialog), true; };
        ChooseOn(0, kCmdPreferences);
    }
};

TEST_F(MenuCommandsTest, ClipboardUrlMustBeLongerThanTenCharactersAndNotHuge) {
    EXPECT_FALSE(IsAcceptableUrl("http://абв"));  // characters count, not bytes
    EXPECT_TRUE(IsAcceptableUrl("http://абвг"));
    EXPECT_FALSE(IsAcceptableUrl("HTTP://example.org"));
    Start({});
    platform.clipboard = "http://abc";
    ChooseOn(0, kCmdNone);
    EXPECT_FALSE(Shown(kCmdAddUrlFromBuffer).enabled);
    EXPECT_TRUE(form.Menu().IsOpen());
    platform.clipboard = "http://abcd";
    ChooseOn(0, kCmdNone);
    EXPECT_TRUE(Shown(kCmdAddUrlFromBuffer).enabled);
    platform.clipboard = "http://example.org/" + std::string(kMaxClipboardChars, 'a');
    ChooseOn(0, kCmdAddUrlFromBuffer);
    EXPECT_FALSE(Shown(kCmdAddUrlFromBuffer).enabled);
    EXPECT_EQ(form.Items().Count(), 0);
    EXPECT_FALSE(form.Menu().IsOpen());
}

TEST_F(MenuCommandsTest, ClipboardUrlKeepsLeadingWordsAndSeparatorTakesTheCurrentCell) {
    Start({}, {"C:\\a.txt", "C:\\b.txt"});
    platform.clipboard = "Look: http://example.org/";
    ChooseOn(1, kCmdAddUrlFromBuffer);
    ChooseOn(0, kCmdAddSeparator);
    EXPECT_EQ(
        form.Items().Targets(),
        (std::vector<std::string>{"", "C:\\a.txt", "Look: http://example.org/", "C:\\b.txt"}));
    EXPECT_EQ(form.Items().Picture(0), form.Pictures().Stock().rowSeparator);
    EXPECT_TRUE(autoHideInDialogs.empty());
    EXPECT_FALSE(form.Menu().IsOpen());
}

TEST_F(MenuCommandsTest, MenuShowsTheEntriesOfTheCurrentItemAndHidesTheHint) {
    Start({}, {"https://example.org/", "C:\\a.txt"});
    app.HintForm().Show();
    ChooseOn(0, kCmdNone);
    EXPECT_TRUE(Shown(kCmdDeleteItem).enabled);
    EXPECT_TRUE(Shown(kCmdChangeUrl).enabled);
    EXPECT_FALSE(app.HintForm().Visible());
    EXPECT_FALSE(platform.hint.visible);
}

TEST_F(MenuCommandsTest, ChosenFilesGoBeforeTheCurrentItemReversedOrToTheEndInOrder) {
    Start({.AutoHide = true}, {"C:\\0.txt", "C:\\1.txt", "C:\\2.txt", "C:\\3.txt"});
    platform.openResults.push_back({"C:\\first.txt", "C:\\second.txt", "C:\\third.txt"});
    platform.whileModal = [this] {  // a drop on the first cell while the dialog is open
        autoHideInDialogs.push_back(form.AutoHideActive());
        PointAt(0);
        form.OnDrop({"C:\\dropped.txt"});
    };
    ChooseOn(3, kCmdAddFiles);
    SetUp();
    ChangePreferences([](TDlgPref& dialog) { dialog.General().addToEnd.SetChecked(true); });
    platform.openResults.push_back({"C:\\x.txt", "C:\\y.txt"});
    ChooseOn(0, kCmdAddFiles);
    ChooseOn(0, kCmdAddFiles);  // cancelled
    EXPECT_EQ(form.Items().Targets(),
              (std::vector<std::string>{"C:\\dropped.txt", "C:\\0.txt", "C:\\1.txt", "C:\\2.txt",
                                        "C:\\third.txt", "C:\\second.txt", "C:\\first.txt",
                                        "C:\\3.txt", "C:\\x.txt", "C:\\y.txt"}));
    EXPECT_EQ(form.CellCount(), 10);
    EXPECT_EQ(platform.openDialogs[0].filter, "All (*.*)|*.*");
    EXPECT_TRUE(platform.openDialogs[0].multiSelect);
    EXPECT_EQ(autoHideInDialogs, std::vector<bool>(3, false));
    EXPECT_TRUE(form.Record().AutoHide);
    EXPECT_FALSE(form.Menu().IsOpen());
}

TEST_F(MenuCommandsTest, FolderBrowserAddsTheChosenFolder) {
    Start({}, {"C:\\a.txt"});
    platform.folderResults = {"D:\\Музыка", std::nullopt};
    ChooseOn(0, kCmdAddFolder);
    ChooseOn(0, kCmdAddFolder);
    EXPECT_EQ(platform.folderTitles, (std::vector<std::string>{"Select folder", "Select folder"}));
    EXPECT_EQ(form.Items().Targets(), (std::vector<std::string>{"D:\\Музыка", "C:\\a.txt"}));
}

TEST_F(MenuCommandsTest, TypedUrlIsAskedForInTheInterfaceLanguageAndCheckedSilently) {
    Start({.AutoHide = true, .LanguageIndex = kRussian});
    platform.inputResults.push_back("http://x");
    ChooseOn(0, kCmdAddUrl);
    ChangePreferences([](TDlgPref& dialog) { dialog.General().language.Choose(kEnglish); });
    platform.inputResults.push_back("https://example.org/");
    ChooseOn(0, kCmdAddUrl);
    ASSERT_EQ(platform.inputs.size(), 2u);
    EXPECT_EQ(platform.inputs[0].caption, "Добавить URL-адрес");
    EXPECT_EQ(platform.inputs[0].prompt, "Введите URL-адрес:");
    EXPECT_EQ(platform.inputs[1].caption, "Add URL adress");
    EXPECT_EQ(platform.inputs[1].prompt, "Enter URL adress:");
    EXPECT_EQ(platform.inputs[1].defaultText, "");
    EXPECT_EQ(form.Items().Targets(), std::vector<std::string>{"https://example.org/"});
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(autoHideInDialogs, (std::vector<bool>{false, false}));
    EXPECT_TRUE(form.Record().AutoHide);
}

TEST_F(MenuCommandsTest, EditingAUrlReplacesOnlyItsTargetAndAClearedTextKeepsIt) {
    Start({.LanguageIndex = kRussian}, {"C:\\a.txt", "http://old.example.org/"}, {"", "my.ico"});
    const PicturePtr picture = form.Items().Picture(1);
    platform.inputResults = {"", "https://new.example.org/"};
    ChooseOn(1, kCmdChangeUrl);
    EXPECT_EQ(form.Items().Target(1), "http://old.example.org/");
    ChangePreferences([](TDlgPref& dialog) { dialog.General().language.Choose(kEnglish); });
    ChooseOn(1, kCmdChangeUrl);
    EXPECT_EQ(form.Items().Target(1), "https://new.example.org/");
    EXPECT_EQ(form.Items().Icon(1), "my.ico");
    EXPECT_EQ(form.Items().Picture(1), picture);
    ASSERT_EQ(platform.inputs.size(), 2u);
    EXPECT_EQ(platform.inputs[0].caption, "Изменить URL-адрес");
    EXPECT_EQ(platform.inputs[0].prompt, "Введите новый URL-адрес:");
    EXPECT_EQ(platform.inputs[0].defaultText, "http://old.example.org/");
    EXPECT_EQ(platform.inputs[1].caption, "Change URL adress");
    EXPECT_EQ(platform.inputs[1].prompt, "Enter new URL adress:");

    ChooseOn(0, kCmdChangeUrl);  // a file has no URL to edit
    EXPECT_EQ(platform.inputs.size(), 2u);
}

TEST_F(MenuCommandsTest, TogglesForAutoHideAndLockIcons) {
    Start({.AutoHide = true}, {"C:\\a.txt"});
    platform.cursor = {form.BarRect().left, form.BarRect().bottom + 100};
    form.OnTick();  // a fade begun
    ASSERT_LT(platform.alpha, 255);
    ChooseOn(0, kCmdAutoHide);
    EXPECT_FALSE(form.Record().AutoHide);
    EXPECT_EQ(platform.alpha, 255);
    ChooseOn(0, kCmdAutoHide);
    EXPECT_TRUE(form.Record().AutoHide);

    ChooseOn(0, kCmdFixedIcons);
    EXPECT_TRUE(Shown(kCmdAutoHide).checked);
    EXPECT_TRUE(form.Record().FixedIcons);
    EXPECT_FALSE(form.Menu().DeleteItem1().enabled);
    ChooseOn(0, kCmdFixedIcons);
    EXPECT_TRUE(Shown(kCmdFixedIcons).checked);
    EXPECT_TRUE(form.Menu().DeleteItem1().enabled);
    ChooseOn(0, kCmdDeleteItem);
    ChooseOn(0, kCmdFixedIcons);
    ChooseOn(0, kCmdFixedIcons);
    EXPECT_FALSE(form.Menu().DeleteItem1().enabled);  // nothing left to delete
    EXPECT_FALSE(form.Menu().IsOpen());
}

TEST_F(MenuCommandsTest, AboutBoxKeepsTheBarShownUntilClosed) {
    Start({.AutoHide = true});
    ChooseOn(0, kCmdAbout);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text.rfind("Program for launch applications", 0), 0u);
    EXPECT_EQ(platform.messages[0].kind, MessageKind::Information);
    EXPECT_EQ(autoHideInDialogs, std::vector<bool>{false});
    EXPECT_TRUE(form.Record().AutoHide);
    EXPECT_FALSE(form.Menu().IsOpen());
}

}  // namespace
}  // namespace pel::test
