#include <gtest/gtest.h>

#include <shlobj.h>

#include <optional>
#include <utility>

#include "Win32TestSupport.h"
#include "store/ExePaths.h"
#include "store/StartupShortcut.h"
#include "win32/Handles.h"
#include "win32/Win32Platform.h"

namespace pel::win32::test {
namespace {

// A link's target and working folder, read back as the shell reads them.
std::pair<std::wstring, std::wstring> ReadLink(const std::string& path) {
    ComPtr<IShellLinkW> link;
    ComPtr<IPersistFile> file;
    wchar_t target[MAX_PATH] = {};
    wchar_t folder[MAX_PATH] = {};
    if (SUCCEEDED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                     IID_IShellLinkW, reinterpret_cast<void**>(link.put()))) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file.put()))) &&
        SUCCEEDED(file->Load(ToWide(path).c_str(), STGM_READ))) {
        link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH);
        link->GetWorkingDirectory(folder, MAX_PATH);
    }
    return {target, folder};
}

// The user's StartUp shell folder pointed elsewhere, or removed, until the end.
class StartUpRedirect {
  public:
    StartUpRedirect(const Platform& platform, const std::optional<std::string>& folder)
        : old_(platform.ReadUserRegistryString(kShellFoldersKey, "StartUp")) {
        Set(folder);
    }
    ~StartUpRedirect() { Set(old_); }
    StartUpRedirect(const StartUpRedirect&) = delete;
    StartUpRedirect& operator=(const StartUpRedirect&) = delete;

  private:
    static void Set(const std::optional<std::string>& folder) {
        const std::wstring key = ToWide(kShellFoldersKey);
        if (!folder) {
            ::RegDeleteKeyValueW(HKEY_CURRENT_USER, key.c_str(), L"StartUp");
            return;
        }
        const std::wstring text = ToWide(*folder);
        ::RegSetKeyValueW(HKEY_CURRENT_USER, key.c_str(), L"StartUp", REG_SZ, text.c_str(),
                          static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    }
    std::optional<std::string> old_;
};

class ShellLinkTest : public ::testing::Test {
  protected:
    ScopedCom com;
    Win32Platform platform{::GetModuleHandleW(nullptr)};
    TempFolder temp;
    const std::string folder = temp.File("Автозагрузка Ω");

    void SetUp() override { ASSERT_TRUE(::CreateDirectoryW(ToWide(folder).c_str(), nullptr)); }
};

TEST_F(ShellLinkTest, LinkReadsBackOrIsNotLeftBehind) {
    // Wine keeps the target only in the link's ANSI field, where a non-ANSI
    // name reads back as question marks; the folders are what must survive.
    const std::string target = temp.File("target.exe");
    ASSERT_TRUE(platform.WriteWholeFile(target, "MZ"));
    const std::string link = folder + "\\Ярлык.lnk";
    ASSERT_TRUE(platform.CreateShellLink(link, target, folder));
    EXPECT_EQ(ReadLink(link), std::make_pair(ToWide(target), ToWide(folder)));

    EXPECT_FALSE(platform.CreateShellLink(temp.File("Нет такой\\Ярлык.lnk"), target, folder));
    EXPECT_EQ(temp.EntryCount(), 2u) << "the folder and the target only";
}

// The shell's known folder wins over the value it keeps for older programs.
TEST_F(ShellLinkTest, StartUpLinkGoesToTheShellsStartUpFolderAndReadsBack) {
    StartupShortcut shortcut{platform, platform};
    const std::optional<std::string> startup = platform.StartupFolder();
    ASSERT_TRUE(startup);
    const StartUpRedirect redirect(platform, folder);
    ASSERT_TRUE(shortcut.Create());
    const std::string link = *startup + "\\Pellorinth.lnk";
    const std::wstring exe = ToWide(platform.ExePath());
    EXPECT_EQ(ReadLink(link), std::make_pair(exe, exe.substr(0, exe.rfind(L'\\'))));
    EXPECT_EQ(platform.ShellLinkTarget(link), platform.ExePath());
    EXPECT_FALSE(platform.FileExists(folder + "\\Pellorinth.lnk"));
    EXPECT_EQ(platform.ShellLinkTarget(folder + "\\none.lnk"), std::nullopt);
    platform.RemoveFile(link);
}

}  // namespace
}  // namespace pel::win32::test
