#include <gtest/gtest.h>

#include "fake/BarTest.h"

namespace pel::test {
namespace {

// Items are added at run time by drops with the pointer off the bar: at the end.
class ItemStoreTest : public BarTest {
  protected:
    void ExpectInStep() const {
        ASSERT_EQ(form.Items().Count(), form.Items().Targets().size());
        ASSERT_EQ(form.Items().Targets().size(), form.Items().Icons().size());
        EXPECT_EQ(form.CellCount(), std::max(1, form.Items().Count()));
    }
};

TEST_F(ItemStoreTest, AddingToAnEmptyStoreFillsTheBlankCell) {
    Start(Settings{});
    form.OnDrop({"http://example.com/"});
    ExpectInStep();
    EXPECT_EQ(form.Items().Count(), 1);
    EXPECT_EQ(form.Items().Icon(0), "");
    EXPECT_EQ(NameOf(form.Items().Picture(0)), "url");
}

TEST_F(ItemStoreTest, InsertAtZeroMovesEveryListAlongTogether) {
    platform.AddFile("C:\\a.txt");
    Start(Settings{}, {"C:\\a.txt", "", "https://x.org/page"}, {"", "", "marker"});
    platform.openResults.push_back({"C:\\missing.doc"});
    ChooseOn(0, kCmdAddFiles);
    ExpectInStep();
    EXPECT_EQ(form.Items().Targets(),
              (std::vector<std::string>{"C:\\missing.doc", "C:\\a.txt", "", "https://x.org/page"}));
    EXPECT_EQ(form.Items().Icon(3), "marker");
    EXPECT_EQ(NameOf(form.Items().Picture(0)), "unknown");
    EXPECT_EQ(NameOf(form.Items().Picture(1)), "assoc:C:\\a.txt");
    EXPECT_EQ(NameOf(form.Items().Picture(2)), "del");
    EXPECT_EQ(NameOf(form.Items().Picture(3)), "url");
}

TEST_F(ItemStoreTest, UrlTestLooksAnywhereInTheTarget) {
    EXPECT_TRUE(IsUrl("C:\\docs\\http://x"));
    EXPECT_TRUE(IsUrl("see https://a"));
    EXPECT_FALSE(IsUrl("HTTP://upper.case"));
    Start(Settings{});
    form.OnDrop({"C:\\docs\\http://x"});
    EXPECT_EQ(NameOf(form.Items().Picture(0)), "url");
}

TEST_F(ItemStoreTest, ExistingFileWithoutExtensionShowsTheUnknownPicture) {
    platform.AddFile("C:\\src\\README");
    platform.dirs.insert("C:\\Users\\Me\\Desktop");
    Start(Settings{});
    form.OnDrop({"C:\\src\\README", "C:\\Users\\Me\\Desktop\\"});
    EXPECT_EQ(NameOf(form.Items().Picture(0)), "unknown");
    EXPECT_EQ(NameOf(form.Items().Picture(1)), "assoc:C:\\Users\\Me\\Desktop\\");
}

TEST_F(ItemStoreTest, ShellIconFailureGivesTheUnknownPicture) {
    platform.AddFile("C:\\x.bin");
    platform.failingIcons.insert("C:\\x.bin");
    Start(Settings{});
    form.OnDrop({"C:\\x.bin"});
    EXPECT_EQ(NameOf(form.Items().Picture(0)), "unknown");
}

TEST_F(ItemStoreTest, SeparatorPictureFollowsOrientation) {
    Start({.ScreenPosition = kEdgeLeft});
    form.OnDrop({""});
    EXPECT_EQ(NameOf(form.Items().Picture(0)), "del2");
    form.Preview({.ScreenPosition = kEdgeTop});
    form.OnDrop({""});
    EXPECT_EQ(NameOf(form.Items().Picture(1)), "del");
}

TEST_F(ItemStoreTest, AddingClearsMenuOpenAndEnablesForwardPastTheVisibleCount) {
    Start({.VisibleIconCount = 2});
    platform.whileModal = [this] {  // drops while the menu's dialog is open
        form.OnDrop({"", ""});
        EXPECT_FALSE(form.Menu().IsOpen());
    };
    platform.menuChoices.push_back(kCmdAddFiles);
    form.OnContextMenu(platform.cursor);
    EXPECT_FALSE(form.Buttons().sbScrollRight().enabled);
    form.OnDrop({""});
    EXPECT_TRUE(form.Buttons().sbScrollRight().enabled);
}

TEST_F(ItemStoreTest, DisplayNames) {
    platform.dirs.insert("C:\\Users\\Me\\Desktop");
    platform.dirs.insert("C:\\a\\release.2");
    Start(Settings{}, {"C:\\Users\\Me\\Desktop\\", "C:\\a\\notes.txt", "C:\\a\\release.2",
                       "C:\\a\\archive.tar.gz", "D:", ""});
    std::vector<std::string> names;
    for (int i = 0; i < form.Items().Count(); ++i) {
        names.push_back(form.HintText(i));
    }
    EXPECT_EQ(names,
              (std::vector<std::string>{"Desktop", "notes", "release.2", "archive.tar", "", ""}));
}

TEST_F(ItemStoreTest, MoveKeepsEntriesTogether) {
    ItemStore store;
    for (const char* t : {"a", "b", "c", "d", "e", "f"}) {
        store.Insert(-1, std::make_shared<FakePicture>(t), t, std::string("i") + t);
    }
    store.Move(2, 5);
    EXPECT_EQ(store.Targets(), (std::vector<std::string>{"a", "b", "d", "e", "f", "c"}));
    EXPECT_EQ(store.Icon(5), "ic");
    EXPECT_EQ(NameOf(store.Picture(5)), "c");
    store.Move(5, 0);
    EXPECT_EQ(store.Targets(), (std::vector<std::string>{"c", "a", "b", "d", "e", "f"}));
}

}  // namespace
}  // namespace pel::test
