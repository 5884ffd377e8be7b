#include <gtest/gtest.h>

#include "fake/ProgramRuns.h"
#include "store/StartupShortcut.h"

namespace pel::test {
namespace {

constexpr const char* kStartUpValue =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders|StartUp";

class DropAndLinkTest : public ProgramRuns {
  protected:
    void SetUp() override {
        for (const char* name : {"0", "1", "2", "3", "4", "first", "second", "third"}) {
            platform.AddFile(std::string("C:\\") + name + ".txt");
        }
    }
    // A bar of `count` items named C:\0.txt ...
    TFormPellorinth& RunWith(int count, const Settings& record = {}) {
        std::vector<std::string> targets;
        for (int i = 0; i < count; ++i) {
            targets.push_back("C:\\" + std::to_string(i) + ".txt");
        }
        PutDataFile(platform, record, targets);
        return Run();
    }
    // The screen point over item cell i of the top bar.
    Point Cell(int i) const {
        const TFormPellorinth& form = app->MainForm();
        const Rect bar = form.BarRect();
        return {bar.left + 1 + form.Placement().Grid1().bounds.left + i * kCellSize + 18,
                bar.top + 18};
    }
};

TEST_F(DropAndLinkTest, DroppedNamesGoBeforeThePointedCellLastFirstOrToTheEndInOrder) {
    const std::vector<std::string> dropped{"C:\\first.txt", "C:\\second.txt", "C:\\third.txt"};
    TFormPellorinth& form = RunWith(5);
    platform.cursor = Cell(2);
    form.OnDrop(dropped);
    EXPECT_EQ(form.Items().Targets(),
              (std::vector<std::string>{"C:\\0.txt", "C:\\1.txt", "C:\\third.txt", "C:\\second.txt",
                                        "C:\\first.txt", "C:\\2.txt", "C:\\3.txt", "C:\\4.txt"}));
    EXPECT_EQ(form.CellCount(), 8);

    for (const bool besideTheCells : {true, false}) {
        Settings record;
        record.AddToEnd = !besideTheCells;
        TFormPellorinth& one = RunWith(1, record);
        platform.cursor = besideTheCells ? Point{Cell(0).x, Cell(0).y + 200} : Cell(0);
        one.OnDrop(dropped);
        one.OnDrop({});
        EXPECT_EQ(one.Items().Targets(),
                  (std::vector<std::string>{"C:\\0.txt", "C:\\first.txt", "C:\\second.txt",
                                            "C:\\third.txt"}));
    }
}

TEST(StartupShortcutTest, IsWrittenOnlyWhereThereIsAStartUpFolder) {
    FakePlatform platform;
    StartupShortcut shortcut{platform, platform};
    EXPECT_EQ(shortcut.Path(), std::nullopt);
    EXPECT_FALSE(shortcut.Create());
    platform.registry[kStartUpValue] = "";
    EXPECT_FALSE(shortcut.Create());
    EXPECT_TRUE(platform.links.empty());

    platform.registry[kStartUpValue] = "C:\\Users\\Пётр\\Start Menu\\StartUp";
    const std::string link = "C:\\Users\\Пётр\\Start Menu\\StartUp\\Pellorinth.lnk";
    EXPECT_EQ(shortcut.Path(), link);
    EXPECT_TRUE(shortcut.Create());
    EXPECT_EQ(platform.links[link].target, "C:\\Tools\\Pellorinth.exe");
    EXPECT_EQ(platform.links[link].workingFolder, "C:\\Tools");

    platform.startupFolder = "C:\\Users\\Petr\\Startup";  // the shell's answer comes first
    EXPECT_EQ(shortcut.Path(), "C:\\Users\\Petr\\Startup\\Pellorinth.lnk");

    platform.links.clear();
    platform.linksFail = true;
    EXPECT_FALSE(shortcut.Create());
    EXPECT_TRUE(platform.links.empty());
}

// A count outside 1..1000 in a damaged file is read as the built-in twelve;
// wherever items are counted against a count, it is held to those limits.
TEST_F(DropAndLinkTest, VisibleCountOutsideItsLimitsNeverPagesWrongly) {
    static_assert(UsableVisibleCount(-3) == 1 && UsableVisibleCount(0) == 1);
    static_assert(UsableVisibleCount(5000) == kMaxVisibleCells);
    struct Case {
        int visible;
        int items;
        bool forwardEnabled;
    };
    for (const Case c : {Case{-3, 12, false}, Case{0, 13, true}, Case{5000, 12, false},
                         Case{1000, 1001, true}, Case{1000, 1000, false}}) {
        Settings record;
        record.VisibleIconCount = c.visible;
        const TFormPellorinth& form = RunWith(c.items, record);
        EXPECT_EQ(form.Buttons().sbScrollRight().enabled, c.forwardEnabled)
            << c.visible << " " << c.items;
    }
}

}  // namespace
}  // namespace pel::test
