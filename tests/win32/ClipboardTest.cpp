#include <gtest/gtest.h>

#include "Win32TestSupport.h"
#include "win32/Win32Platform.h"

namespace pel::win32::test {
namespace {

class ClipboardTest : public ::testing::Test {
  protected:
    Win32Platform platform{::GetModuleHandleW(nullptr)};
};

TEST_F(ClipboardTest, ReadsUnicodeText) {
    ASSERT_TRUE(PutClipboardText(L"http://пример.рф/ü"));
    const ClipboardText read = platform.ReadClipboardText(1000);
    EXPECT_EQ(read.text, "http://пример.рф/ü");
    EXPECT_FALSE(read.tooLong);
}

TEST_F(ClipboardTest, LongTextIsCutAtTheLimitAndFlagged) {
    ASSERT_TRUE(PutClipboardText(std::wstring(100000, L'a')));
    const ClipboardText read = platform.ReadClipboardText(2048);
    EXPECT_EQ(read.text, std::string(2048, 'a'));
    EXPECT_TRUE(read.tooLong);

    ASSERT_TRUE(PutClipboardText(L"abcd"));
    EXPECT_FALSE(platform.ReadClipboardText(4).tooLong);
    EXPECT_TRUE(platform.ReadClipboardText(3).tooLong);
}

TEST_F(ClipboardTest, TheCutNeverSplitsASurrogatePair) {
    ASSERT_TRUE(PutClipboardText(L"ab\U0001F600cd"));
    const ClipboardText read = platform.ReadClipboardText(3);
    EXPECT_EQ(read.text, "ab");
    EXPECT_TRUE(read.tooLong);
}

TEST_F(ClipboardTest, TextWithoutTerminatorIsReadOnlyWithinItsBlock) {
    ASSERT_TRUE(PutClipboardText(L"http://x.org", false));
    const ClipboardText read = platform.ReadClipboardText(1u << 20);
    // The system may terminate the text by overwriting its last character;
    // nothing beyond the block may ever appear.
    EXPECT_GE(read.text.size(), 11u);
    EXPECT_LE(read.text.size(), 12u);
    EXPECT_EQ(std::string("http://x.org").rfind(read.text, 0), 0u) << read.text;
    EXPECT_FALSE(read.tooLong);
}

TEST_F(ClipboardTest, NoTextGivesEmptyAndTheClipboardIsClosedAgain) {
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    ::CloseClipboard();
    const ClipboardText read = platform.ReadClipboardText(100);
    EXPECT_EQ(read.text, "");
    EXPECT_FALSE(read.tooLong);
    // Left open, the clipboard could not be opened by anyone else.
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::CloseClipboard();
}

}  // namespace
}  // namespace pel::win32::test
