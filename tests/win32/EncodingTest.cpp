#include <gtest/gtest.h>

#include "win32/FileDialogText.h"
#include "win32/Utf.h"
#include "win32/Win32Platform.h"

namespace pel::win32::test {
namespace {

class EncodingTest : public ::testing::Test {
  protected:
    Win32Platform platform{::GetModuleHandleW(nullptr)};
};

TEST_F(EncodingTest, WideConversionRoundTrips) {
    const std::string text = "C:\\Папка\\ü€\U0001F600.txt";
    EXPECT_EQ(ToUtf8(ToWide(text)), text);
    EXPECT_EQ(ToWide("aé"), L"a\u00e9");
    EXPECT_EQ(ToWide(""), L"");
    EXPECT_EQ(ToUtf8(L""), "");
    EXPECT_EQ(ToWide("\xFF"), L"\uFFFD") << "broken UTF-8 must not vanish silently";
}

TEST_F(EncodingTest, LongPathsGetTheExtendedPrefix) {
    const std::string shortPath = "C:\\a\\b.txt";
    EXPECT_EQ(ToWidePath(shortPath), L"C:\\a\\b.txt");
    const std::string longPath = "C:\\" + std::string(300, 'x');
    EXPECT_EQ(ToWidePath(longPath), L"\\\\?\\C:\\" + std::wstring(300, L'x'));
    const std::string longShare = "\\\\server\\share\\" + std::string(300, 'y');
    EXPECT_EQ(ToWidePath(longShare), L"\\\\?\\UNC\\server\\share\\" + std::wstring(300, L'y'));
    // The prefix would take ".." and '/' literally, so they are resolved first.
    const std::string messy = "C:/" + std::string(300, 'x') + "/../b.txt";
    EXPECT_EQ(ToWidePath(messy), L"\\\\?\\C:\\b.txt");
}

// A fresh Wine prefix under a UTF-8 locale reports code page 1252.
TEST_F(EncodingTest, AnsiRoundTripIsExactOrRefused) {
    if (::GetACP() != 1252) {
        GTEST_SKIP() << "needs code page 1252, have " << ::GetACP();
    }
    EXPECT_EQ(platform.Utf8ToAnsi("Caf\u00e9 \u20ac"), std::string("Caf\xE9 \x80"));
    EXPECT_EQ(platform.AnsiToUtf8("Caf\xE9 \x80"), "Caf\u00e9 \u20ac");
    EXPECT_EQ(platform.Utf8ToAnsi("C:\\Documents"), "C:\\Documents");
    EXPECT_EQ(platform.Utf8ToAnsi(""), "");
    EXPECT_EQ(platform.AnsiToUtf8(""), "");

    EXPECT_EQ(platform.Utf8ToAnsi("C:\\Папка"), std::nullopt);
    // A best-fit mapping would quietly turn these into look-alikes.
    EXPECT_EQ(platform.Utf8ToAnsi("\u0100"), std::nullopt);
    EXPECT_EQ(platform.Utf8ToAnsi("\u221e"), std::nullopt);
    EXPECT_EQ(platform.Utf8ToAnsi("\xC3"), std::nullopt) << "broken UTF-8";
}

TEST(FileDialogTextTest, FilterBecomesTheDoubleNulForm) {
    using namespace std::string_literals;
    EXPECT_EQ(DialogFilter("All (*.*)|*.*"), L"All (*.*)\0*.*\0\0"s);
    EXPECT_EQ(DialogFilter("Icons(*.ico)|*.ico|Any|*.a;*.b"),
              L"Icons(*.ico)\0*.ico\0Any\0*.a;*.b\0\0"s);
    EXPECT_EQ(DialogFilter("Dangling|*.x|Name"), L"Dangling\0*.x\0\0"s);
    EXPECT_EQ(DialogFilter(""), L"\0"s);
}

TEST(FileDialogTextTest, ChosenFilesForOneAndForMany) {
    using namespace std::string_literals;
    const std::wstring one = L"C:\\dir\\a.txt\0\0"s;
    EXPECT_EQ(ChosenFiles(one.data(), one.size()), std::vector<std::wstring>{L"C:\\dir\\a.txt"});

    const std::wstring many = L"C:\\dir\0a.txt\0b c.txt\0\0"s;
    EXPECT_EQ(ChosenFiles(many.data(), many.size()),
              (std::vector<std::wstring>{L"C:\\dir\\a.txt", L"C:\\dir\\b c.txt"}));

    const std::wstring root = L"C:\\\0a.txt\0b.txt\0\0"s;
    EXPECT_EQ(ChosenFiles(root.data(), root.size()),
              (std::vector<std::wstring>{L"C:\\a.txt", L"C:\\b.txt"}));

    const std::wstring unterminated = L"C:\\dir\0abc"s;
    EXPECT_EQ(ChosenFiles(unterminated.data(), unterminated.size()),
              std::vector<std::wstring>{L"C:\\dir\\abc"});
    EXPECT_TRUE(ChosenFiles(L"", 1).empty());
}

}  // namespace
}  // namespace pel::win32::test
