#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "fake/ProgramRuns.h"

namespace pel::test {
namespace {

// Pictures of a loaded list: read when their cell first shows or while the
// bar idles, shared by items of one target or one icon file.
class ItemPicturesTest : public ProgramRuns {
  protected:
    // A run of a bar on `edge` showing `visible` cells of these items.
    TFormPellorinth& RunWith(const std::vector<std::string>& items, int visible = 5,
                             int edge = kEdgeTop, const std::vector<std::string>& icons = {},
                             Settings settings = {}) {
        for (const std::string& item : items) {
            if (!item.empty() && !IsUrl(item)) {
                platform.AddFile(item);
            }
        }
        settings.VisibleIconCount = visible;
        settings.ScreenPosition = edge;
        PutDataFile(platform, settings, items, icons);
        return Run();
    }

    static std::vector<std::string> Files(int n, int distinct = 0) {
        std::vector<std::string> files;
        for (int i = 0; i < n; ++i) {
            files.push_back("C:\\f" + std::to_string(distinct > 0 ? i % distinct : i) + ".txt");
        }
        return files;
    }

    static std::vector<int> Pending(const TFormPellorinth& form) {
        std::vector<int> pending;
        for (int i = 0; i < form.Items().Count(); ++i) {
            if (form.Items().PicturePending(i)) {
                pending.push_back(i);
            }
        }
        return pending;
    }

    static void IdleUntilDone(TFormPellorinth& form) {
        for (int tick = 0; tick < 1000 && !Pending(form).empty(); ++tick) {
            form.OnTick();
        }
    }
};

TEST_F(ItemPicturesTest, StartUpReadsTheShownCellsOnly) {
    for (const auto& [edge, visible] : {std::pair{kEdgeTop, 5}, std::pair{kEdgeLeft, 5},
                                        std::pair{kEdgeBottom, 12}, std::pair{kEdgeRight, 1}}) {
        platform.iconReads.clear();
        const std::vector<std::string> files = Files(40);
        const TFormPellorinth& form = RunWith(files, visible, edge);
        const std::vector<std::string> shown(files.begin(), files.begin() + visible);
        EXPECT_EQ(platform.iconReads, shown) << edge << " " << visible;
        for (int i = 0; i < visible; ++i) {
            EXPECT_EQ(NameOf(form.Items().Picture(i)),
                      "assoc:" + files[static_cast<std::size_t>(i)]);
        }
        EXPECT_EQ(Pending(form).size(), files.size() - static_cast<std::size_t>(visible));
    }
}

TEST_F(ItemPicturesTest, LoadingInvalidatesTheBarAsOftenForThousandsOfItemsAsForTen) {
    const int before = platform.invalidations;
    RunWith(Files(10));
    const int forTen = platform.invalidations - before;
    RunWith(Files(3000));
    EXPECT_EQ(platform.invalidations - before - forTen, forTen);
}

TEST_F(ItemPicturesTest, ItemsOfOneTargetOrOneIconFileShareOnePictureReadOnce) {
    platform.AddFile("C:\\Tools\\star.ico");
    platform.iconFiles.insert("C:\\Tools\\star.ico");
    std::vector<std::string> items = Files(30, 3);
    items.push_back("https://a.example/");
    items.push_back("C:\\gone.txt");
    std::vector<std::string> icons(items.size());
    icons[4] = icons[17] = icons[30] = ".star.ico";
    TFormPellorinth& form = RunWith(items, 5, kEdgeTop, icons);
    platform.files.erase("C:\\gone.txt");
    IdleUntilDone(form);

    EXPECT_TRUE(Pending(form).empty());
    std::vector<std::string> reads = platform.iconReads;
    std::sort(reads.begin(), reads.end());
    EXPECT_EQ(reads, (std::vector<std::string>{"C:\\Tools\\star.ico", "C:\\f0.txt", "C:\\f1.txt",
                                               "C:\\f2.txt"}));
    auto picture = [&](int i) { return form.Items().Picture(i); };
    for (int i = 0; i < 30; ++i) {
        EXPECT_EQ(picture(i), picture(i == 4 || i == 17 ? 4 : i % 3)) << i;
    }
    EXPECT_NE(picture(0), picture(1));
    EXPECT_EQ(NameOf(picture(4)), "ico:C:\\Tools\\star.ico");
    EXPECT_EQ(picture(30), picture(4));  // a URL's own icon
    EXPECT_EQ(NameOf(picture(31)), "unknown");
}

TEST_F(ItemPicturesTest, IdleTicksReadAFewAtATimeFromTheNextPageAndTouchNoWindow) {
    TFormPellorinth& form = RunWith(Files(40), 5);
    platform.iconReads.clear();
    form.Accessible().DoDefaultAction(form.Accessible().ChildCount() - 1);  // forward button
    const int first = form.Placement().Grid1().LeftCol();
    ASSERT_EQ(first, 4) << "the last cell shown stays on the new page";
    for (int i = first; i < first + 5; ++i) {
        EXPECT_FALSE(form.Items().PicturePending(i)) << i;
    }
    const std::vector<std::string> upToPage = Files(first + 5);  // cells 0..4 were read at load
    std::sort(platform.iconReads.begin(), platform.iconReads.end());
    EXPECT_EQ(platform.iconReads, std::vector(upToPage.begin() + first + 1, upToPage.end()));
    // So are the cells a longer bar brings into view.
    form.Preview({.VisibleIconCount = 12});
    const int last = form.Placement().Grid1().LeftCol() + 11;
    ASSERT_GT(last, first + 4);
    EXPECT_FALSE(form.Items().PicturePending(last)) << last;
}

// Other items' pictures arrive, and then the display's scale changes, which
// fetches every picture again.
TEST_F(ItemPicturesTest, AnItemWhosePictureChangesDuringTheDeleteQuestionStillGoes) {
    TFormPellorinth& form = RunWith(Files(30), 5, kEdgeTop, {}, {.ConfirmDelete = true});
    platform.whileModal = [&] {
        IdleUntilDone(form);
        platform.monitors[0].scale = Scale{144};
        form.OnScaleChanged();
    };
    platform.menuChoices.push_back(kCmdDeleteItem);
    form.OnContextMenu({});  // on the first cell, current since the start
    ASSERT_EQ(form.Items().Count(), 29);
    EXPECT_EQ(form.Items().Target(0), "C:\\f1.txt");
}

// A share that does not answer would hold up the start for every icon on it.
TEST_F(ItemPicturesTest, IconFilesOfCellsNotShownAreNeitherLookedForNorDroppedAtLoad) {
    platform.AddFile("C:\\Tools\\star.ico");
    std::vector<std::string> icons(30);
    icons[25] = "\\\\server\\share\\a.ico";
    icons[26] = ".star.ico";
    TFormPellorinth& form = RunWith(Files(30), 5, kEdgeTop, icons);
    EXPECT_TRUE(form.Items().PicturePending(25));
    EXPECT_EQ(form.Items().Icon(25), "\\\\server\\share\\a.ico");
    EXPECT_EQ(form.Items().Icon(26), ".star.ico");
    for (const auto* asked : {&platform.iconReads, &platform.existenceQueries}) {
        for (const std::string& path : *asked) {
            EXPECT_TRUE(path.find("share") == std::string::npos &&
                        path.find("star") == std::string::npos)
                << path;
        }
    }
}

TEST_F(ItemPicturesTest, APictureNoItemShowsAnyMoreIsReadAgain) {
    TFormPellorinth& form = RunWith(Files(2), 5);
    platform.iconReads.clear();
    platform.menuChoices = {kCmdDeleteItem, kCmdDeleteItem};
    form.OnContextMenu({});
    form.OnContextMenu({});
    ASSERT_EQ(form.Items().Count(), 0);
    form.OnDrop({"C:\\f0.txt"});
    EXPECT_EQ(platform.iconReads, std::vector<std::string>{"C:\\f0.txt"});

    // Nor does the cache grow with every picture it ever held.
    PictureCache cache;
    for (int i = 0; i < 1000; ++i) {
        cache.Put(std::to_string(i), std::make_shared<FakePicture>("p"));
    }
    EXPECT_LT(cache.Size(), 100u);
}

TEST_F(ItemPicturesTest, DroppingManyFilesReadsTheShownOnesOnly) {
    TFormPellorinth& form = RunWith(Files(1), 5);
    platform.iconReads.clear();
    std::vector<std::string> dropped;
    for (int i = 0; i < 50; ++i) {
        dropped.push_back("C:\\drop" + std::to_string(i) + ".txt");
        platform.AddFile(dropped.back());
    }
    form.OnDrop(dropped);  // with the pointer off the bar: at the end
    ASSERT_EQ(form.Items().Count(), 51);
    EXPECT_EQ(platform.iconReads, std::vector<std::string>(dropped.begin(), dropped.begin() + 4));
    EXPECT_EQ(Pending(form).size(), 46u);
}

}  // namespace
}  // namespace pel::test
