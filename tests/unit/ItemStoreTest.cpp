#include <gtest/gtest.h>

#include "fake/BarTest.h"

namespace pel::test {
namespace {

class ItemStoreTest : public BarTest {
  protected:
    // A bar that adds at the end, started from a data file holding `targets`.
    void StartAddingToEnd(const std::vector<std::string>& targets = {}, Settings record = {}) {
        record.AddToEnd = true;
        Start(record, targets);
    }
    // Added at run time: a separator from the menu, anything else as the
    // file dialog's choice.
    void Add(const std::string& target) {
        if (!target.empty()) {
            platform.openResults.push_back({target});
        }
        platform.menuChoices.push_back(target.empty() ? kCmdAddSeparator : kCmdAddFiles);
        form.OnContextMenu(platform.cursor);
    }
    [[nodiscard]] std::string Picture(int index) const {
        return NameOf(form.Items().Picture(index));
    }
    void ExpectInStep() const {
        const ItemStore& items = form.Items();
        ASSERT_EQ(items.Count(), items.Targets().size());
        ASSERT_EQ(items.Targets().size(), items.Icons().size());
        EXPECT_EQ(form.CellCount(), std::max(1, items.Count()));
    }
};

TEST_F(ItemStoreTest, AddingToAnEmptyStoreFillsTheBlankCell) {
    StartAddingToEnd();
    Add("http://example.com/");
    ExpectInStep();
    EXPECT_EQ(form.Items().Count(), 1);
    EXPECT_EQ(form.Items().Icon(0), "");
    EXPECT_EQ(Picture(0), "url");
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
    EXPECT_EQ(Picture(0), "unknown");
    EXPECT_EQ(Picture(1), "assoc:C:\\a.txt");
    EXPECT_EQ(Picture(2), "del");
    EXPECT_EQ(Picture(3), "url");
}

TEST_F(ItemStoreTest, UrlTestLooksAnywhereInTheTarget) {
    EXPECT_TRUE(IsUrl("C:\\docs\\http://x"));
    EXPECT_TRUE(IsUrl("see https://a"));
    EXPECT_FALSE(IsUrl("HTTP://upper.case"));
    StartAddingToEnd();
    Add("C:\\docs\\http://x");
    EXPECT_EQ(Picture(0), "url");
}

TEST_F(ItemStoreTest, ExistingFileWithoutExtensionShowsTheUnknownPicture) {
    StartAddingToEnd();
    platform.AddFile("C:\\src\\README");
    Add("C:\\src\\README");
    EXPECT_EQ(Picture(0), "unknown");
    platform.dirs.insert("C:\\Users\\Me\\Desktop");
    Add("C:\\Users\\Me\\Desktop\\");
    EXPECT_EQ(Picture(1), "assoc:C:\\Users\\Me\\Desktop\\");
}

TEST_F(ItemStoreTest, ShellIconFailureGivesTheUnknownPicture) {
    StartAddingToEnd();
    platform.AddFile("C:\\x.bin");
    platform.failingIcons.insert("C:\\x.bin");
    Add("C:\\x.bin");
    EXPECT_EQ(Picture(0), "unknown");
}

TEST_F(ItemStoreTest, SeparatorPictureFollowsOrientation) {
    Settings left;
    left.ScreenPosition = kEdgeLeft;
    StartAddingToEnd({}, left);
    Add("");
    EXPECT_EQ(Picture(0), "del2");
    Settings top = form.Record();
    top.ScreenPosition = kEdgeTop;
    form.Preview(top);
    Add("");
    EXPECT_EQ(Picture(1), "del");
}

TEST_F(ItemStoreTest, AddingClearsMenuOpenAndEnablesForwardPastTheVisibleCount) {
    Settings two;
    two.VisibleIconCount = 2;
    StartAddingToEnd({}, two);
    platform.whileModal = [this] {  // a drop while the menu's dialog is open
        form.OnDrop({""});
        EXPECT_FALSE(form.Menu().IsOpen());
    };
    Add("C:\\a.txt");
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
