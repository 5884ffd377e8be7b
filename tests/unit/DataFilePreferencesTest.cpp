#include <gtest/gtest.h>

#include "store/PreferenceLines.h"
#include "store/StyleCode.h"

namespace pel {
namespace {

using Lines = std::vector<std::string>;

// Notes each step with the values the bar would be placed with.
class RecordedSteps : public PreferenceSteps {
  public:
    explicit RecordedSteps(const Settings& s) : s_(s) {}
    void ScrollButtonsRead() override { calls.push_back("buttons"); }
    void EdgeRead() override {
        calls.push_back("edge " + std::to_string(s_.ScreenPosition) + " " +
                        std::to_string(s_.VisibleIconCount));
    }
    void PlaceBar() override {
        calls.push_back("place " + std::to_string(s_.MonitorIndex) + " " +
                        std::to_string(s_.OffsetX) + " " + std::to_string(s_.OffsetY));
    }
    Lines calls;

  private:
    const Settings& s_;
};

Lines FullFile() {
    return {"1", "1", "clRed", "$00123456", "Segoe UI", "20", "15",      "clNavy",
            "0", "2", "1",     "5",         "3",        "1",  "clBlack", "$00000001",
            "1", "0", "1",     "1",         "-7",       "-9", "0"};
}

Lines FirstLines(std::size_t n) {
    Lines lines = FullFile();
    lines.resize(n);
    return lines;
}

struct Read {
    Settings settings;
    bool ok = false;
    Lines calls;
};

Read ReadFrom(const Lines& lines) {
    Read r;
    RecordedSteps steps(r.settings);
    r.ok = ReadPreferences(lines, r.settings, steps);
    r.calls = steps.calls;
    return r;
}

TEST(DataFilePreferences, WrittenLinesReadBackToTheSameSettings) {
    const Read r = ReadFrom(FullFile());
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(FormatPreferences(r.settings), FullFile());
    EXPECT_EQ(r.settings.Hint.HintFontStyle, kStyleUnderline | kStyleStrikeOut);
    EXPECT_EQ(r.settings.OffsetX, -7);
    EXPECT_EQ(FormatPreferences(Settings{}).size(), std::size_t{kPreferenceLineCount});
}

TEST(DataFilePreferences, ShortSectionsPlaceTheBarOnceWithWhatTheyHold) {
    EXPECT_TRUE(ReadFrom(FirstLines(9)).calls.empty());
    EXPECT_EQ(ReadFrom(FirstLines(13)).calls, (Lines{"buttons", "edge 3 5", "place 1 0 0"}));
    EXPECT_EQ(ReadFrom(FirstLines(19)).calls, (Lines{"buttons", "edge 3 5", "place 1 0 0"}));
    EXPECT_EQ(ReadFrom(FirstLines(20)).calls, (Lines{"buttons", "edge 3 5", "place 1 0 0"}));
    EXPECT_EQ(ReadFrom(FirstLines(22)).calls, (Lines{"buttons", "edge 3 5", "place 1 -7 -9"}));
    const Read twelve = ReadFrom(FirstLines(12));
    EXPECT_TRUE(twelve.ok);
    EXPECT_EQ(twelve.calls, Lines{"buttons"});
    // Lines not in the file keep their values.
    EXPECT_FALSE(twelve.settings.GradientBackground);
    EXPECT_EQ(twelve.settings.MonitorIndex, 1);
    EXPECT_EQ(twelve.settings.LanguageIndex, 1);
}

TEST(DataFilePreferences, FirstBadLineEndsReadingButKeepsWhatWasRead) {
    Lines lines = FullFile();
    lines[5] = "big";
    const Read r = ReadFrom(lines);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.settings.Hint.HintFontName, "Segoe UI");
    EXPECT_EQ(r.settings.Hint.HintFontSize, 16);
    EXPECT_TRUE(r.settings.ShowHints);
    EXPECT_TRUE(r.calls.empty());

    EXPECT_FALSE(ReadFrom(FirstLines(8)).ok);  // line 8 is required
    lines = FullFile();
    lines[20] = "x";
    EXPECT_EQ(ReadFrom(lines).calls, (Lines{"buttons", "edge 3 5"}));
}

TEST(DataFilePreferences, BadScrollButtonLineAloneIsSkipped) {
    Lines lines = FullFile();
    lines[9] = "two";
    const Read r = ReadFrom(lines);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.settings.ScrollButtonPosition, 0);
    EXPECT_TRUE(r.settings.HoverScroll);
    EXPECT_EQ(r.calls.front(), "edge 3 5");
}

TEST(DataFilePreferences, FlagsCompareExactly) {
    Lines lines = FullFile();
    for (const int i : {0, 1, 8, 10, 13, 16, 18}) {
        lines[static_cast<std::size_t>(i)] = "yes";
    }
    lines[17] = "false";
    const Read r = ReadFrom(lines);
    EXPECT_FALSE(r.settings.AutoHide);
    EXPECT_FALSE(r.settings.ShowHints);
    EXPECT_FALSE(r.settings.GradientBackground);
    EXPECT_FALSE(r.settings.ConfirmDelete);
    EXPECT_TRUE(r.settings.DeleteWithMouse);
}

TEST(DataFilePreferences, ValuesThatWouldBreakTheBarFallBack) {
    for (const char* count : {"0", "-3", "2000000", "2147483647"}) {
        Lines lines = FullFile();
        lines[11] = count;
        lines[5] = "0";
        const Read r = ReadFrom(lines);
        EXPECT_EQ(r.settings.VisibleIconCount, 12) << count;
        EXPECT_EQ(r.settings.Hint.HintFontSize, 16);
        EXPECT_TRUE(r.ok);
    }
    Lines lines = FullFile();
    lines[12] = "$7FFFFFFF";  // an edge the bar does not know
    lines[19] = "9";
    const Read r = ReadFrom(lines);
    EXPECT_EQ(r.calls[1], "edge 0 5") << "oriented as the top";
    EXPECT_EQ(r.settings.MonitorIndex, 9) << "a monitor is kept whatever it names";
}

}  // namespace
}  // namespace pel
