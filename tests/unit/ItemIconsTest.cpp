#include <gtest/gtest.h>

#include <algorithm>

#include "fake/ProgramRuns.h"

namespace pel::test {
namespace {

class ItemIconsTest : public ProgramRuns {
  protected:
    // A run whose bar holds exactly these items, with these icon paths.
    TFormPellorinth& RunWith(const std::vector<std::string>& items,
                             const std::vector<std::string>& icons = {},
                             const Settings& record = {}) {
        PutDataFile(platform, record, items, icons);
        return Run();
    }
    void AddIconFile(const std::string& path) {
        platform.AddFile(path);
        platform.iconFiles.insert(path);
    }
    std::string Picture(const TFormPellorinth& form, int i) const {
        return NameOf(form.Items().Picture(i));
    }
};

TEST_F(ItemIconsTest, ChosenIconIsRecordedRelativeToTheProgramAndSurvivesARestart) {
    AddIconFile("C:\\Tools\\icons\\star.ico");
    AddIconFile("D:\\art\\moon.ico");
    platform.AddFile("C:\\a.txt");
    TFormPellorinth& form = RunWith({"C:\\a.txt", "http://x/"}, {}, {.AutoHide = true});
    platform.openResults.push_back({"C:\\Tools\\icons\\star.ico"});
    ChooseOn(platform, form, 0, kCmdOpenIcon);
    ASSERT_EQ(platform.openDialogs.size(), 1u);
    EXPECT_EQ(platform.openDialogs[0].initialDir, "C:\\Tools\\");
    EXPECT_EQ(platform.openDialogs[0].filter, "Icons(*.ico)|*.ico");
    EXPECT_FALSE(platform.openDialogs[0].multiSelect);
    EXPECT_EQ(form.Items().Icon(0), ".icons\\star.ico");
    EXPECT_EQ(Picture(form, 0), "ico:C:\\Tools\\icons\\star.ico");
    EXPECT_TRUE(form.Record().AutoHide);
    EXPECT_FALSE(form.Menu().IsOpen());

    // The second dialog starts where the first icon was; a cancel keeps it.
    platform.openResults.push_back({"D:\\art\\moon.ico"});
    ChooseOn(platform, form, 1, kCmdOpenIcon);
    ChooseOn(platform, form, 1, kCmdOpenIcon);
    EXPECT_EQ(platform.openDialogs[1].initialDir, "C:\\Tools\\icons\\");
    EXPECT_EQ(platform.openDialogs[2].initialDir, "D:\\art\\");
    EXPECT_EQ(form.Items().Icon(1), "D:\\art\\moon.ico");
    ChooseOn(platform, form, 1, kCmdOpenIcon);
    EXPECT_EQ(platform.openDialogs[3].initialDir, "D:\\art\\");
    form.OnCloseQuery();

    platform.exePath = "E:\\Moved\\Pellorinth.exe";  // the program folder moved, icons too
    platform.files["E:\\Moved\\Pellorinth_data"] = platform.files[kDataFile];
    AddIconFile("E:\\Moved\\icons\\star.ico");
    TFormPellorinth& moved = Run();
    EXPECT_EQ(Picture(moved, 0), "ico:E:\\Moved\\icons\\star.ico");
    EXPECT_EQ(Picture(moved, 1), "ico:D:\\art\\moon.ico");
    ChooseOn(platform, moved, 0, kCmdOpenIcon);
    EXPECT_EQ(platform.openDialogs.back().initialDir, "E:\\Moved\\");
}

TEST_F(ItemIconsTest, DefaultTakesTheOwnPictureBack) {
    AddIconFile("C:\\i.ico");
    platform.AddFile("C:\\a.txt");
    TFormPellorinth& form = RunWith({"C:\\a.txt", "http://x/", "C:\\gone.txt"},
                                    {"C:\\i.ico", "C:\\i.ico", "C:\\i.ico"});
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Picture(form, i), "ico:C:\\i.ico");
        ChooseOn(platform, form, i, kCmdNone);  // the menu shown on the item
        ASSERT_TRUE(form.Menu().DefaultIcon1().enabled);
        ChooseOn(platform, form, i, kCmdDefaultIcon);
        EXPECT_EQ(form.Items().Icon(i), "");
        EXPECT_FALSE(form.Menu().DefaultIcon1().enabled);
    }
    EXPECT_EQ(Picture(form, 0), "assoc:C:\\a.txt");
    EXPECT_EQ(Picture(form, 1), "url");
    EXPECT_EQ(Picture(form, 2), "unknown");
}

// A drive not mapped yet at log-on, a stick not plugged in: the item shows
// its own picture meanwhile and keeps its icon until the user drops it.
TEST_F(ItemIconsTest, IconFilesThatAreGoneOrBrokenAtLoadAreKeptAndLookedForAgain) {
    platform.AddFile("C:\\a.txt");
    platform.AddFile("C:\\broken.ico");  // exists, but is no icon
    AddIconFile("C:\\ok.ico");
    TFormPellorinth& form =
        RunWith({"C:\\a.txt", "C:\\a.txt", "C:\\a.txt", "C:\\gone.txt", "", "C:\\a.txt"},
                {"U:\\i.ico", "C:\\broken.ico", "C:\\ok.ico", "", "C:\\ok.ico", "U:\\i.ico"});
    EXPECT_EQ(form.Items().Icons(), (std::vector<std::string>{"U:\\i.ico", "C:\\broken.ico",
                                                              "C:\\ok.ico", "", "", "U:\\i.ico"}));
    EXPECT_EQ(Picture(form, 0), "assoc:C:\\a.txt");
    EXPECT_EQ(Picture(form, 1), "assoc:C:\\a.txt");
    EXPECT_EQ(Picture(form, 2), "ico:C:\\ok.ico");
    // A missing target keeps the blank page, not the shell's guess for it.
    EXPECT_EQ(Picture(form, 3), "unknown");
    EXPECT_EQ(Picture(form, 4), "del");

    // Looked for again on a later repaint, at waits of 2 s, 4 s, 8 s ...
    const auto readsAfter = [&](int ticks) {
        for (int i = 0; i < ticks; ++i) {
            form.OnTick();
        }
        platform.iconReads.clear();
        form.OnDisplayChanged();
        return std::count(platform.iconReads.begin(), platform.iconReads.end(), "U:\\i.ico");
    };
    EXPECT_EQ(readsAfter(19), 0);
    EXPECT_EQ(readsAfter(1), 1);
    AddIconFile("U:\\i.ico");  // the drive is mapped
    EXPECT_EQ(readsAfter(39), 0);
    EXPECT_EQ(readsAfter(1), 1);
    EXPECT_EQ(Picture(form, 0), "ico:U:\\i.ico");
    EXPECT_EQ(Picture(form, 5), "ico:U:\\i.ico");
}

TEST_F(ItemIconsTest, IconChosenForASeparatorOrAnItemGoneMeanwhileChangesNothing) {
    AddIconFile("C:\\i.ico");
    TFormPellorinth& form = RunWith({""});
    platform.openResults = {{"C:\\i.ico"}, {"C:\\i.ico"}};
    ChooseOn(platform, form, 0, kCmdOpenIcon);
    EXPECT_EQ(form.Items().Icons(), std::vector<std::string>{""});
    EXPECT_EQ(Picture(form, 0), "del");
    platform.whileModal = [&] {  // the item deleted and another dropped meanwhile
        ChooseOn(platform, form, 0, kCmdDeleteItem);
        form.OnDrop({"C:\\b.txt"});
    };
    ChooseOn(platform, form, 0, kCmdOpenIcon);
    EXPECT_EQ(form.Items().Targets(), std::vector<std::string>{"C:\\b.txt"});
    EXPECT_EQ(form.Items().Icons(), std::vector<std::string>{""});
}

TEST_F(ItemIconsTest, IconFilesBesideTheProgramReplaceStockPictures) {
    AddIconFile("C:\\Tools\\url.ico");
    AddIconFile("C:\\Tools\\del.ico");
    TFormPellorinth& form = RunWith({"http://x/", ""});
    EXPECT_EQ(Picture(form, 0), "ico:C:\\Tools\\url.ico");
    EXPECT_EQ(Picture(form, 1), "ico:C:\\Tools\\del.ico");
    EXPECT_EQ(NameOf(form.Pictures().Stock().columnSeparator), "ico:C:\\Tools\\del.ico");

    platform.iconFiles.clear();  // both there but unreadable
    TFormPellorinth& broken = RunWith({"http://x/", ""});
    EXPECT_EQ(Picture(broken, 0), "unknown");
    EXPECT_EQ(Picture(broken, 1), "del");
}

}  // namespace
}  // namespace pel::test
