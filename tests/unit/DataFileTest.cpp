#include <gtest/gtest.h>

#include "store/DataFile.h"
#include "store/ExePaths.h"
#include "store/ValueText.h"

namespace pel {
namespace {

using Lines = std::vector<std::string>;

TEST(DataFileLines, EveryLineEndCountsAndTheLastLineNeedsNone) {
    EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\r\n\r\n"), (Lines{"a", ""}));
    EXPECT_EQ(SplitLines("a\r\r\nb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(SplitLines(""), Lines{});
}

TEST(DataFileSections, HeaderIgnoresCaseAndClosingLineMustBeExact) {
    const Lines lines{"junk", "[path]", "C:\\a", "[~] ", "", "[~]", "[ICON]", "x", "[~]"};
    EXPECT_EQ(ReadSection(lines, kPathHeader), (Lines{"C:\\a", "[~] ", ""}));
    EXPECT_EQ(ReadSection(lines, kIconHeader), Lines{"x"});
}

TEST(DataFileSections, DamagedFilesReadLeniently) {
    // No closing line: the next header or the end of the file closes it.
    const auto content =
        ParseDataFile("[PATH]\r\nC:\\a\r\n\r\n[ICON]\r\n.i.ico\r\n[PREF]\r\n1\r\n0");
    EXPECT_EQ(content.items, (Lines{"C:\\a", ""}));
    EXPECT_EQ(content.icons, Lines{".i.ico"});
    EXPECT_EQ(content.prefs, (Lines{"1", "0"}));
    // A missing section is empty and does not borrow from the others.
    const auto noIcons = ParseDataFile("[PATH]\r\nC:\\a\r\n[~]\r\n[PREF]\r\n1\r\n[~]\r\n");
    EXPECT_EQ(noIcons.items, Lines{"C:\\a"});
    EXPECT_TRUE(noIcons.icons.empty());
    EXPECT_TRUE(ParseDataFile("\x01\x02garbage").items.empty());
}

TEST(DataFileFormat, WritesEverySectionClosedAndReadsBackTheSame) {
    const DataFileContent content{{"", "C:\\x y\\z.txt", "http://h/"}, {"", ".a.ico", ""}, {"1"}};
    const std::string text = FormatDataFile(content);
    EXPECT_EQ(text.substr(0, 26), "[PATH]\r\n\r\nC:\\x y\\z.txt\r\nht");
    EXPECT_EQ(text.substr(text.size() - 16), "[PREF]\r\n1\r\n[~]\r\n");
    EXPECT_EQ(ParseDataFile(text), content);
}

TEST(DataFileFormat, LineBreakInsideAValueDoesNotShiftLaterItems) {
    const DataFileContent content{{"http://a/\r\nb", "C:\\c"}, {"", ""}, {}};
    const auto back = ParseDataFile(FormatDataFile(content));
    EXPECT_EQ(back.items, (Lines{"http://a/  b", "C:\\c"}));
    EXPECT_EQ(back.icons.size(), 2u);
}

TEST(DataFileValues, IntegersInDecimalAndDollarHex) {
    EXPECT_EQ(ParseInt32("12"), 12);
    EXPECT_EQ(ParseInt32("-15"), -15);
    EXPECT_EQ(ParseInt32("-2147483648"), INT32_MIN);
    EXPECT_EQ(ParseInt32("$1f"), 31);
    EXPECT_EQ(ParseInt32("$FFFFFFFF"), -1);
    EXPECT_EQ(ParseInt32("$000000010"), 16);
    for (const char* bad :
         {"", "-", "$", "2147483648", "$100000000", " 1", "1 ", "+1", "1x", "0x10"}) {
        EXPECT_EQ(ParseInt32(bad), std::nullopt) << bad;
    }
}

TEST(DataFilePaths, IconPathsInsideTheProgramFolderAreStoredRelative) {
    const std::string exe = "C:\\Tools\\";
    EXPECT_EQ(ToExeRelativePath("C:\\Tools\\icons\\a.ico", exe), ".icons\\a.ico");
    EXPECT_EQ(ToExeRelativePath("C:\\Tools\\a.ico", exe), ".a.ico");
    EXPECT_EQ(ToExeRelativePath("C:\\tools\\a.ico", exe), "C:\\tools\\a.ico");
    EXPECT_EQ(ToExeRelativePath("D:\\a.ico", exe), "D:\\a.ico");
    EXPECT_EQ(ToExeAbsolutePath(".icons\\a.ico", "D:\\Moved\\"), "D:\\Moved\\icons\\a.ico");
    EXPECT_EQ(ToExeAbsolutePath("D:\\a.ico", exe), "D:\\a.ico");
    EXPECT_EQ(ToExeAbsolutePath("", exe), "");
}

}  // namespace
}  // namespace pel
