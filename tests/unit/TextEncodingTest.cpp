#include <gtest/gtest.h>

#include "fake/FakeTextCodec.h"
#include "store/TextEncoding.h"

namespace pel::test {
namespace {

TEST(TextEncoding, MarkMeansUtf8AndAnythingElseIsTheCodePage) {
    const FakeTextCodec codePage;  // Latin-1 stands in for the ANSI code page
    EXPECT_EQ(DecodeDataFileText("M\xFCller", codePage), "M\xC3\xBCller");
    EXPECT_EQ(DecodeDataFileText("\xEF\xBB\xBF\xD0\x94x", codePage), "\xD0\x94x");
    EXPECT_EQ(DecodeDataFileText("\xEF\xBB\xBF", codePage), "");
    using namespace std::string_literals;
    // UTF-16 either way round: Д, a pair for U+1F600, then a lone surrogate
    // and an odd last byte, which become U+FFFD.
    EXPECT_EQ(DecodeDataFileText("\xFF\xFE\x14\x04\x3D\xD8\x00\xDEx\0\x00\xDC!"s, codePage),
              "\xD0\x94\xF0\x9F\x98\x80x\xEF\xBF\xBD\xEF\xBF\xBD");
    EXPECT_EQ(DecodeDataFileText("\xFE\xFF\x04\x14\0x"s, codePage), "\xD0\x94x");
    // The last three-byte character and the first four-byte one.
    EXPECT_EQ(DecodeDataFileText("\xFF\xFE\xFF\xFF\x00\xD8\x00\xDC"s, codePage),
              "\xEF\xBF\xBF\xF0\x90\x80\x80");
    // Without a mark, well-formed UTF-8 beyond ASCII is taken as UTF-8.
    EXPECT_EQ(DecodeDataFileText("\xD0\x94x", codePage), "\xD0\x94x");
    EXPECT_EQ(DecodeDataFileText("\xD0x", codePage), "\xC3\x90x");
}

TEST(TextEncoding, WritesTheCodePageWhenNothingIsLostElseUtf8WithMark) {
    const FakeTextCodec codePage;
    EXPECT_EQ(EncodeDataFileText("M\xC3\xBCller", codePage), "M\xFCller");
    const std::string cyrillic = "C:\\\xD0\x94\xD0\xBE\xD0\xBA\\x";
    const std::string bytes = EncodeDataFileText(cyrillic, codePage);
    EXPECT_EQ(bytes, "\xEF\xBB\xBF" + cyrillic);
    EXPECT_EQ(DecodeDataFileText(bytes, codePage), cyrillic);
}

// What a name is written as on each kind of system, and that it reads back.
TEST(TextEncoding, EachCodePageWritesWhatReadsBackAfterTheCodePageChanges) {
    struct Case {
        FakeTextCodec::CodePage page;
        std::string text;
        std::string bytes;
    };
    const std::string otchet = "\xD0\x9E\xD1\x82\xD1\x87\xD1\x91\xD1\x82";  // Отчёт
    const Case cases[] = {
        {FakeTextCodec::CodePage::Cyrillic, otchet, "\xCE\xF2\xF7\xB8\xF2"},
        {FakeTextCodec::CodePage::Cyrillic, "M\xC3\xBCller", "\xEF\xBB\xBFM\xC3\xBCller"},
        {FakeTextCodec::CodePage::Utf8, otchet, "\xEF\xBB\xBF" + otchet},
        {FakeTextCodec::CodePage::Utf8, "plain", "plain"},
        {FakeTextCodec::CodePage::Japanese, "\xE4\xB9\x80", "\x81\x40"},
    };
    for (const Case& c : cases) {
        FakeTextCodec codePage;
        codePage.codePage = c.page;
        EXPECT_EQ(EncodeDataFileText(c.text, codePage), c.bytes) << c.text;
        EXPECT_EQ(DecodeDataFileText(c.bytes, codePage), c.text) << c.text;
        EXPECT_TRUE(DecodedExactly(c.bytes, c.text, codePage)) << c.text;
    }
}

TEST(TextEncoding, BrokenUtf8BecomesReplacementCharacters) {
    EXPECT_EQ(SanitizeUtf8("a\xFF"
                           "b"),
              "a\xEF\xBF\xBD"
              "b");
    EXPECT_EQ(SanitizeUtf8("\xC0\xAF"), "\xEF\xBF\xBD\xEF\xBF\xBD");       // overlong
    EXPECT_EQ(SanitizeUtf8("\xED\xA0\x80").substr(0, 3), "\xEF\xBF\xBD");  // surrogate
    EXPECT_EQ(SanitizeUtf8("x\xE2\x82"), "x\xEF\xBF\xBD\xEF\xBF\xBD");     // cut short
    EXPECT_EQ(SanitizeUtf8("\xF0\x9F\x98\x80\xE2\x82\xAC"), "\xF0\x9F\x98\x80\xE2\x82\xAC");
}

}  // namespace
}  // namespace pel::test
