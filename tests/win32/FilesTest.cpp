#include <gtest/gtest.h>

#include <thread>

#include "Win32TestSupport.h"
#include "win32/Win32Platform.h"

namespace pel::win32::test {
namespace {

class FilesTest : public ::testing::Test {
  protected:
    Win32Platform platform{::GetModuleHandleW(nullptr)};
    TempFolder folder;

    void MakeReadOnly(const std::string& path) {
        ASSERT_TRUE(::SetFileAttributesW(ToWide(path).c_str(), FILE_ATTRIBUTE_READONLY));
    }
};

TEST_F(FilesTest, FilesAndFoldersAreToldApart) {
    const std::string file = folder.File("a.txt");
    ASSERT_TRUE(platform.WriteWholeFile(file, "x"));
    EXPECT_TRUE(platform.FileExists(file));
    EXPECT_FALSE(platform.DirectoryExists(file));
    EXPECT_TRUE(platform.DirectoryExists(folder.Path()));
    EXPECT_FALSE(platform.FileExists(folder.Path()));
    EXPECT_FALSE(platform.FileExists(folder.File("missing.txt")));
    EXPECT_FALSE(platform.DirectoryExists(folder.File("missing")));
    EXPECT_FALSE(platform.FileExists(""));
    EXPECT_FALSE(platform.DirectoryExists(""));
}

TEST_F(FilesTest, WholeFileRoundTripKeepsEveryByteUnderAUnicodeName) {
    const std::string file = folder.File("тест_ü.txt");
    std::string bytes = "[PATH]\r\nC:\\a\r\n\r\n[~]\r\n";
    bytes += std::string("\0\xE9\xFF\x80", 4);
    ASSERT_TRUE(platform.WriteWholeFile(file, bytes));
    EXPECT_TRUE(platform.FileExists(file));
    EXPECT_EQ(platform.ReadWholeFile(file), bytes);

    ASSERT_TRUE(platform.WriteWholeFile(file, "shorter"));
    EXPECT_EQ(platform.ReadWholeFile(file), "shorter");
    ASSERT_TRUE(platform.WriteWholeFile(file, ""));
    EXPECT_EQ(platform.ReadWholeFile(file), "");
    EXPECT_EQ(folder.EntryCount(), 1u) << "no temporary file may stay behind";
}

TEST_F(FilesTest, LargeFileRoundTrip) {
    std::string bytes(3 * 1024 * 1024 + 17, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<char>(i * 31 % 251);
    }
    const std::string file = folder.File("big");
    ASSERT_TRUE(platform.WriteWholeFile(file, bytes));
    EXPECT_EQ(platform.ReadWholeFile(file), bytes);
}

TEST_F(FilesTest, PathsLongerThanMaxPathWork) {
    std::string deep = folder.Path();
    while (deep.size() < 300) {
        deep += "\\" + std::string(40, 'd');
        ASSERT_TRUE(::CreateDirectoryW(ToWidePath(deep).c_str(), nullptr) ||
                    ::GetLastError() == ERROR_ALREADY_EXISTS);
    }
    const std::string file = deep + "\\data";
    ASSERT_TRUE(platform.WriteWholeFile(file, "deep"));
    EXPECT_TRUE(platform.FileExists(file));
    EXPECT_TRUE(platform.DirectoryExists(deep));
    EXPECT_EQ(platform.ReadWholeFile(file), "deep");
}

TEST_F(FilesTest, ReadingWhatIsNotAFileGivesNothing) {
    EXPECT_EQ(platform.ReadWholeFile(folder.File("missing")), std::nullopt);
    EXPECT_EQ(platform.ReadWholeFile(folder.Path()), std::nullopt);
    EXPECT_EQ(platform.ReadWholeFile(""), std::nullopt);
}

TEST_F(FilesTest, AFailedWriteLeavesTheOldFileWholeAndNoLeftovers) {
    const std::string file = folder.File("Pellorinth_data");
    ASSERT_TRUE(platform.WriteWholeFile(file, "old content"));
    MakeReadOnly(file);

    EXPECT_FALSE(platform.WriteWholeFile(file, "new content"));
    EXPECT_EQ(platform.ReadWholeFile(file), "old content");
    EXPECT_EQ(folder.EntryCount(), 1u);
}

TEST_F(FilesTest, WritingIntoAMissingFolderOrOverAFolderFails) {
    EXPECT_FALSE(platform.WriteWholeFile(folder.File("no\\such\\file"), "x"));
    const std::string sub = folder.File("sub");
    ASSERT_TRUE(::CreateDirectoryW(ToWide(sub).c_str(), nullptr));
    EXPECT_FALSE(platform.WriteWholeFile(sub, "x"));
    EXPECT_TRUE(platform.DirectoryExists(sub));
    EXPECT_FALSE(platform.WriteWholeFile("", "x"));
    EXPECT_EQ(folder.EntryCount(), 1u);
}

TEST_F(FilesTest, ALeftoverTemporaryFileDoesNotBlockTheWrite) {
    const std::string file = folder.File("data");
    const std::string leftover = file + ".tmp";  // what a killed save leaves
    ASSERT_TRUE(platform.WriteWholeFile(leftover, "stale"));
    MakeReadOnly(leftover);
    EXPECT_TRUE(platform.WriteWholeFile(file, "fresh"));
    EXPECT_EQ(platform.ReadWholeFile(file), "fresh");
    EXPECT_FALSE(platform.FileExists(leftover));
}

TEST_F(FilesTest, AFileHeldForAMomentIsWaitedForAndKeepsItsAttributes) {
    const std::string file = folder.File("data");
    ASSERT_TRUE(platform.WriteWholeFile(file, "old"));
    ASSERT_TRUE(::SetFileAttributesW(ToWide(file).c_str(), FILE_ATTRIBUTE_HIDDEN));
    // Some file systems under Wine cannot keep the attribute at all.
    const bool keepsHidden =
        (::GetFileAttributesW(ToWide(file).c_str()) & FILE_ATTRIBUTE_HIDDEN) != 0;
    HANDLE held = ::CreateFileW(ToWide(file).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    std::thread releaser([held] {
        ::Sleep(250);
        ::CloseHandle(held);
    });
    const bool written = platform.WriteWholeFile(file, "new");
    releaser.join();
    EXPECT_TRUE(written);
    EXPECT_EQ(platform.ReadWholeFile(file), "new");
    EXPECT_EQ((::GetFileAttributesW(ToWide(file).c_str()) & FILE_ATTRIBUTE_HIDDEN) != 0,
              keepsHidden);
    EXPECT_EQ(folder.EntryCount(), 1u);
}

TEST_F(FilesTest, MovingAsideNeverReplacesAndAFolderCanBeMadeAndTested) {
    const std::string file = folder.File("data");
    const std::string aside = folder.File("data.damaged");
    ASSERT_TRUE(platform.WriteWholeFile(file, "first"));
    ASSERT_TRUE(platform.RenamePath(file, aside));
    ASSERT_TRUE(platform.WriteWholeFile(file, "second"));
    EXPECT_FALSE(platform.RenamePath(file, aside));
    EXPECT_EQ(platform.ReadWholeFile(aside), "first");
    EXPECT_EQ(platform.ReadWholeFile(file), "second");

    const std::string sub = folder.File("sub");
    EXPECT_TRUE(platform.CreateFolder(sub));
    EXPECT_TRUE(platform.CreateFolder(sub));  // already there
    EXPECT_FALSE(platform.CreateFolder(file));
    EXPECT_TRUE(platform.RenamePath(sub, sub + ".damaged"));
    EXPECT_TRUE(platform.DirectoryExists(sub + ".damaged"));
    const std::size_t entries = folder.EntryCount();
    EXPECT_TRUE(platform.FolderWritable(folder.Path() + "\\"));
    EXPECT_FALSE(platform.FolderWritable(folder.File("missing")));
    EXPECT_EQ(folder.EntryCount(), entries) << "the test of the folder left a file";

    EXPECT_FALSE(platform.FileReadOnly(file));
    MakeReadOnly(file);
    EXPECT_TRUE(platform.FileReadOnly(file));
    const std::string appData = platform.RoamingAppDataFolder();
    ASSERT_FALSE(appData.empty());
    EXPECT_EQ(appData.back(), '\\');
    EXPECT_TRUE(platform.DirectoryExists(appData)) << appData;
}

TEST_F(FilesTest, ExecutableLocationAndDrive) {
    const std::string exe = platform.ExePath();
    EXPECT_TRUE(platform.FileExists(exe)) << exe;
    EXPECT_TRUE(exe.ends_with("pel_win32_tests.exe")) << exe;
    const std::string exeFolder = platform.ExeFolder();
    ASSERT_FALSE(exeFolder.empty());
    EXPECT_EQ(exeFolder.back(), '\\');
    EXPECT_EQ(exe.rfind(exeFolder, 0), 0u);
}

}  // namespace
}  // namespace pel::win32::test
