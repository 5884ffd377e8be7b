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
    [[nodiscard]] std::vector<std::string> PictureNames() const {
        std::vector<std::string> names;
        for (int i = 0; i < form.Items().Count(); ++i) {
            names.push_back(NameOf(form.Items().Picture(i)));
        }
        return names;
    }
};

TEST_F(ItemStoreTest, DroppedTargetsFillTheBlankCellAndShowThePictureOfTheirKind) {
    EXPECT_TRUE(IsUrl("C:\\docs\\http://x"));  // a URL anywhere in the target
    EXPECT_TRUE(IsUrl("see https://a"));
    EXPECT_FALSE(IsUrl("HTTP://upper.case"));
    platform.AddFile("C:\\src\\README");  // no extension
    platform.dirs.insert("C:\\Users\\Me\\Desktop");
    platform.AddFile("C:\\x.bin");
    platform.failingIcons.insert("C:\\x.bin");
    Start(Settings{});
    form.OnDrop({"http://example.com/"});
    ExpectInStep();
    EXPECT_EQ(form.Items().Count(), 1);
    EXPECT_EQ(form.Items().Icon(0), "");
    form.OnDrop({"C:\\docs\\http://x", "C:\\src\\README", "C:\\Users\\Me\\Desktop\\", "C:\\x.bin"});
    EXPECT_EQ(PictureNames(),
              (std::vector<std::string>{"url", "url", "unknown", "assoc:C:\\Users\\Me\\Desktop\\",
                                        "unknown"}));
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
    EXPECT_EQ(PictureNames(),
              (std::vector<std::string>{"unknown", "assoc:C:\\a.txt", "del", "url"}));
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
