#include <gtest/gtest.h>

#include "fake/BarTest.h"

namespace pel::test {
namespace {

class ItemStoreTest : public BarTest {
  protected:
    void ExpectInStep() const {
        ASSERT_EQ(form.store.Count(), form.store.Targets().size());
        ASSERT_EQ(form.store.Targets().size(), form.store.Icons().size());
        EXPECT_EQ(form.CellCount(), std::max(1, form.store.Count()));
    }
};

TEST_F(ItemStoreTest, AddingToAnEmptyStoreFillsTheBlankCell) {
    form.AddFileToList(-1, "http://example.com/", true);
    ExpectInStep();
    EXPECT_EQ(form.store.Count(), 1);
    EXPECT_EQ(form.store.Icon(0), "");
    EXPECT_EQ(NameOf(form.store.Picture(0)), "url");
}

TEST_F(ItemStoreTest, InsertAtZeroMovesEveryListAlongTogether) {
    platform.AddFile("C:\\a.txt");
    form.AddFileToList(-1, "C:\\a.txt", true);
    form.AddFileToList(-1, "", true);
    form.AddFileToList(-1, "https://x.org/page", true);
    form.store.SetIcon(1, "marker");
    form.AddFileToList(0, "C:\\missing.doc", true);
    ExpectInStep();
    EXPECT_EQ(form.store.Targets(),
              (std::vector<std::string>{"C:\\missing.doc", "C:\\a.txt", "", "https://x.org/page"}));
    EXPECT_EQ(form.store.Icon(2), "marker");
    EXPECT_EQ(NameOf(form.store.Picture(0)), "unknown");
    EXPECT_EQ(NameOf(form.store.Picture(1)), "assoc:C:\\a.txt");
    EXPECT_EQ(NameOf(form.store.Picture(2)), "del");
    EXPECT_EQ(NameOf(form.store.Picture(3)), "url");
}

TEST_F(ItemStoreTest, UrlTestLooksAnywhereInTheTarget) {
    EXPECT_TRUE(IsUrl("C:\\docs\\http://x"));
    EXPECT_TRUE(IsUrl("see https://a"));
    EXPECT_FALSE(IsUrl("HTTP://upper.case"));
    form.AddFileToList(-1, "C:\\docs\\http://x", true);
    EXPECT_EQ(NameOf(form.store.Picture(0)), "url");
}

TEST_F(ItemStoreTest, ExistingFileWithoutExtensionShowsTheUnknownPicture) {
    platform.AddFile("C:\\src\\README");
    form.AddFileToList(-1, "C:\\src\\README", true);
    EXPECT_EQ(NameOf(form.store.Picture(0)), "unknown");
    platform.dirs.insert("C:\\Users\\Me\\Desktop");
    form.AddFileToList(-1, "C:\\Users\\Me\\Desktop\\", true);
    EXPECT_EQ(NameOf(form.store.Picture(1)), "assoc:C:\\Users\\Me\\Desktop\\");
}

TEST_F(ItemStoreTest, ShellIconFailureGivesTheUnknownPicture) {
    platform.AddFile("C:\\x.bin");
    platform.failingIcons.insert("C:\\x.bin");
    form.AddFileToList(-1, "C:\\x.bin", true);
    EXPECT_EQ(NameOf(form.store.Picture(0)), "unknown");
}

TEST_F(ItemStoreTest, SeparatorPictureFollowsOrientation) {
    form.Placement().Orient(kEdgeLeft);
    form.AddFileToList(-1, "", true);
    EXPECT_EQ(NameOf(form.store.Picture(0)), "del2");
    form.Placement().Orient(kEdgeTop);
    form.AddFileToList(-1, "", true);
    EXPECT_EQ(NameOf(form.store.Picture(1)), "del");
}

TEST_F(ItemStoreTest, AddingClearsMenuOpenAndEnablesForwardPastTheVisibleCount) {
    form.settings.VisibleIconCount = 2;
    form.Menu().SetOpen(true);
    form.AddFileToList(-1, "", true);
    form.AddFileToList(-1, "", true);
    EXPECT_FALSE(form.Menu().IsOpen());
    EXPECT_FALSE(form.Buttons().sbScrollRight().enabled);
    form.AddFileToList(-1, "", true);
    EXPECT_TRUE(form.Buttons().sbScrollRight().enabled);
}

TEST_F(ItemStoreTest, DisplayNames) {
    platform.dirs.insert("C:\\Users\\Me\\Desktop");
    platform.dirs.insert("C:\\a\\release.2");
    EXPECT_EQ(form.ItemDisplayName("C:\\Users\\Me\\Desktop\\"), "Desktop");
    EXPECT_EQ(form.ItemDisplayName("C:\\a\\notes.txt"), "notes");
    EXPECT_EQ(form.ItemDisplayName("C:\\a\\release.2"), "release.2");
    EXPECT_EQ(form.ItemDisplayName("C:\\a\\archive.tar.gz"), "archive.tar");
    EXPECT_EQ(form.ItemDisplayName("D:"), "");
    EXPECT_EQ(form.ItemDisplayName(""), "");
}

TEST_F(ItemStoreTest, MoveKeepsEntriesTogether) {
    for (const char* t : {"a", "b", "c", "d", "e", "f"}) {
        form.store.Insert(-1, std::make_shared<FakePicture>(t), t, std::string("i") + t);
    }
    form.store.Move(2, 5);
    EXPECT_EQ(form.store.Targets(), (std::vector<std::string>{"a", "b", "d", "e", "f", "c"}));
    EXPECT_EQ(form.store.Icon(5), "ic");
    EXPECT_EQ(NameOf(form.store.Picture(5)), "c");
    form.store.Move(5, 0);
    EXPECT_EQ(form.store.Targets(), (std::vector<std::string>{"c", "a", "b", "d", "e", "f"}));
}

}  // namespace
}  // namespace pel::test
