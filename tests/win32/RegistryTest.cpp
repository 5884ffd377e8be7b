#include <gtest/gtest.h>

#include "win32/Handles.h"
#include "win32/Win32Platform.h"

namespace pel::win32::test {
namespace {

constexpr wchar_t kTestKey[] = L"Software\\PellorinthTest";

class RegistryTest : public ::testing::Test {
  protected:
    Win32Platform platform{::GetModuleHandleW(nullptr)};
    UniqueRegKey key;

    void SetUp() override {
        HKEY created = nullptr;
        ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, kTestKey, 0, nullptr, 0, KEY_ALL_ACCESS,
                                    nullptr, &created, nullptr),
                  ERROR_SUCCESS);
        key.reset(created);
    }
    void TearDown() override {
        key.reset();
        ::RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey);
    }

    void SetRaw(const wchar_t* name, DWORD type, const void* data, DWORD bytes) {
        ASSERT_EQ(::RegSetValueExW(key.get(), name, 0, type, static_cast<const BYTE*>(data), bytes),
                  ERROR_SUCCESS);
    }
    void SetString(const wchar_t* name, const std::wstring& text, DWORD type = REG_SZ) {
        SetRaw(name, type, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    }
    std::optional<std::string> Read(const std::string& value) const {
        return platform.ReadUserRegistryString("Software\\PellorinthTest", value);
    }
};

TEST_F(RegistryTest, ReadsStringValues) {
    SetString(L"StartUp", L"C:\\users\\тест\\Start Menu\\Programs\\StartUp");
    SetString(L"Empty", L"");
    EXPECT_EQ(Read("StartUp"), "C:\\users\\тест\\Start Menu\\Programs\\StartUp");
    EXPECT_EQ(Read("Empty"), "");
}

TEST_F(RegistryTest, MissingKeyOrValueGivesNothingAndCreatesNothing) {
    EXPECT_EQ(Read("NoSuchValue"), std::nullopt);
    EXPECT_EQ(platform.ReadUserRegistryString("Software\\PellorinthTest\\Missing", "x"),
              std::nullopt);
    HKEY probe = nullptr;
    EXPECT_NE(::RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\PellorinthTest\\Missing", 0, KEY_READ,
                              &probe),
              ERROR_SUCCESS);
}

TEST_F(RegistryTest, StoredTextWithoutTerminatorOrWithAnEarlyOneIsCutSafely) {
    const wchar_t unterminated[] = {L'a', L'b', L'c'};
    SetRaw(L"NoNul", REG_SZ, unterminated, sizeof(unterminated));
    EXPECT_EQ(Read("NoNul"), "abc");

    const wchar_t early[] = {L'x', L'\0', L'y', L'\0'};
    SetRaw(L"EarlyNul", REG_SZ, early, sizeof(early));
    EXPECT_EQ(Read("EarlyNul"), "x");

    const unsigned char odd[] = {'q', 0, 'r'};
    SetRaw(L"OddSize", REG_SZ, odd, sizeof(odd));
    EXPECT_EQ(Read("OddSize"), "q");
}

TEST_F(RegistryTest, ExpandableStringsAreExpandedAndOtherTypesRefused) {
    ASSERT_TRUE(::SetEnvironmentVariableW(L"PEL_TEST_ROOT", L"D:\\root"));
    SetString(L"Expand", L"%PEL_TEST_ROOT%\\sub", REG_EXPAND_SZ);
    EXPECT_EQ(Read("Expand"), "D:\\root\\sub");

    const DWORD number = 7;
    SetRaw(L"Number", REG_DWORD, &number, sizeof(number));
    EXPECT_EQ(Read("Number"), std::nullopt);
}

}  // namespace
}  // namespace pel::win32::test
