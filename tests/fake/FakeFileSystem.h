#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/Clock.h"
#include "platform/FileSystem.h"

namespace pel::test {

// Files, folders and registry values the test sets, on a clock that only
// moves when waited on, so that a lock can wear off.
class FakeFileSystem : public virtual FileSystem, public virtual Clock {
  public:
    std::map<std::string, std::string> files;  // path -> bytes
    std::set<std::string> dirs;
    std::set<std::string> readOnlyFiles;          // writes to these fail
    std::set<std::string> unreadableFiles;        // exist, but reading them fails
    std::map<std::string, int> lockedUntilMs;     // reading fails until waitedMs reaches it
    std::set<std::string> readOnlyFolders;        // nothing can be made inside these
    std::map<std::string, std::string> registry;  // "key|value" -> text
    std::string appDataFolder = "C:\\Users\\u\\AppData\\Roaming\\";
    std::string exePath = "C:\\Tools\\Pellorinth.exe";
    LocalTime now{2026, 3, 4, 9, 8, 7};

    mutable std::vector<std::string> existenceQueries;  // FileExists and DirectoryExists paths
    std::vector<std::string> fileWrites;
    int waitedMs = 0;

    [[nodiscard]] bool FileExists(const std::string& path) const override;
    [[nodiscard]] bool DirectoryExists(const std::string& path) const override;
    [[nodiscard]] std::optional<std::string> ReadWholeFile(const std::string& path) const override;
    bool WriteWholeFile(const std::string& path, const std::string& bytes) override;
    bool RemoveFile(const std::string& path) override { return files.erase(path) != 0; }
    bool RenamePath(const std::string& from, const std::string& to) override;
    bool CreateFolder(const std::string& path) override;
    bool FolderWritable(const std::string& folder) override {
        return readOnlyFolders.count(folder) == 0;
    }
    [[nodiscard]] bool FileReadOnly(const std::string& path) const override {
        return readOnlyFiles.count(path) != 0;
    }
    [[nodiscard]] std::string RoamingAppDataFolder() const override { return appDataFolder; }
    [[nodiscard]] std::string ExePath() const override { return exePath; }
    [[nodiscard]] std::string ExeFolder() const override;
    [[nodiscard]] std::optional<std::string> ReadUserRegistryString(
        const std::string& key, const std::string& value) const override;

    void WaitMilliseconds(int milliseconds) override { waitedMs += milliseconds; }
    [[nodiscard]] LocalTime Now() const override { return now; }

    void AddFile(const std::string& path, std::string bytes = {}) {
        files[path] = std::move(bytes);
    }
};

}  // namespace pel::test
