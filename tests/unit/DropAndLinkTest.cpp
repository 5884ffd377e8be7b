#include <gtest/gtest.h>

#include "fake/BarTest.h"

namespace pel::test {
namespace {

constexpr const char* kStartUpValue =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders|StartUp";

class DropAndLinkTest : public BarTest {
  protected:
    void SetUp() override {
        for (const char* name : {"0", "1", "2", "3", "4", "first", "second", "third"}) {
            platform.AddFile(std::string("C:\\") + name + ".txt");
        }
        for (int i = 0; i < 5; ++i) {
            form.AddFileToList(-1, "C:\\" + std::to_string(i) + ".txt", true);
        }
    }
    // The screen point over item cell i of the top bar.
    Point Cell(int i) const {
        const Rect bar = form.BarRect();
        return {bar.left + 1 + form.Placement().Grid1().bounds.left + i * kCellSize + 18,
                bar.top + 18};
    }
};

TEST_F(DropAndLinkTest, DroppedNamesGoBeforeThePointedCellLastFirstOrToTheEndInOrder) {
    const std::vector<std::string> dropped{"C:\\first.txt", "C:\\second.txt", "C:\\third.txt"};
    platform.cursor = Cell(2);
    form.OnDrop(dropped);
    EXPECT_EQ(form.store.Targets(),
              (std::vector<std::string>{"C:\\0.txt", "C:\\1.txt", "C:\\third.txt", "C:\\second.txt",
                                        "C:\\first.txt", "C:\\2.txt", "C:\\3.txt", "C:\\4.txt"}));
    EXPECT_EQ(form.CellCount(), 8);

    for (const bool besideTheCells : {true, false}) {
        form.store = ItemStore{};
        form.SetCellCount(0);
        form.AddFileToList(-1, "C:\\0.txt", true);
        platform.cursor = besideTheCells ? Point{Cell(0).x, Cell(0).y + 200} : Cell(0);
        form.settings.AddToEnd = !besideTheCells;
        form.OnDrop(dropped);
        form.OnDrop({});
        EXPECT_EQ(form.store.Targets(),
                  (std::vector<std::string>{"C:\\0.txt", "C:\\first.txt", "C:\\second.txt",
                                            "C:\\third.txt"}));
    }
}

TEST_F(DropAndLinkTest, StartUpShortcutIsWrittenOnlyWhereThereIsAStartUpFolder) {
    EXPECT_EQ(form.StartupLink().Path(), std::nullopt);
    EXPECT_FALSE(form.MyLinkForStartUp());
    platform.registry[kStartUpValue] = "";
    EXPECT_FALSE(form.MyLinkForStartUp());
    EXPECT_TRUE(platform.links.empty());

    platform.registry[kStartUpValue] = "C:\\Users\\Пётр\\Start Menu\\StartUp";
    const std::string link = "C:\\Users\\Пётр\\Start Menu\\StartUp\\Pellorinth.lnk";
    EXPECT_EQ(form.StartupLink().Path(), link);
    EXPECT_TRUE(form.MyLinkForStartUp());
    EXPECT_EQ(platform.links[link].target, "C:\\Tools\\Pellorinth.exe");
    EXPECT_EQ(platform.links[link].workingFolder, "C:\\Tools");

    platform.startupFolder = "C:\\Users\\Petr\\Startup";  // the shell's answer comes first
    EXPECT_EQ(form.StartupLink().Path(), "C:\\Users\\Petr\\Startup\\Pellorinth.lnk");

    platform.links.clear();
    platform.linksFail = true;
    EXPECT_FALSE(form.MyLinkForStartUp());
    EXPECT_TRUE(platform.links.empty());
}

// A count outside 1..1000 from a damaged file counts as its nearest limit
// wherever items are counted against it, as it does in the layout.
TEST_F(DropAndLinkTest, VisibleCountOutsideItsLimitsCountsAsTheNearestLimit) {
    struct Case {
        int visible;
        int items;
        bool forwardEnabled;
    };
    for (const Case c : {Case{-3, 1, false}, Case{0, 1, false}, Case{0, 2, true},
                         Case{5000, 1001, true}, Case{5000, 1000, false}}) {
        form.store = ItemStore{};
        form.SetCellCount(0);
        form.settings.VisibleIconCount = c.visible;
        for (int i = 0; i < c.items; ++i) {
            form.AddFileToList(-1, "C:\\0.txt", false);
        }
        EXPECT_EQ(form.Buttons().sbScrollRight().enabled, c.forwardEnabled)
            << c.visible << " " << c.items;
    }
}

}  // namespace
}  // namespace pel::test
