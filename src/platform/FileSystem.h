#pragma once

#include <optional>
#include <string>

namespace pel {

// Files and folders, the program's own path and the user's registry.
// Paths use backslashes as on Windows.
class FileSystem {
  public:
    virtual ~FileSystem() = default;

    [[nodiscard]] virtual bool FileExists(const std::string& path) const = 0;
    [[nodiscard]] virtual bool DirectoryExists(const std::string& path) const = 0;
    [[nodiscard]] virtual std::optional<std::string> ReadWholeFile(
        const std::string& path) const = 0;
    // Replaces the file in one step; the old file stays whole on failure.
    virtual bool WriteWholeFile(const std::string& path, const std::string& bytes) = 0;
    // Deletes a file; false when it is missing or cannot be deleted. (Not
    // named DeleteFile, which <windows.h> defines as a macro.)
    virtual bool RemoveFile(const std::string& path) = 0;
    // Renames a file or folder; false, and nothing changed, when `to` exists
    // or the rename fails.
    virtual bool RenamePath(const std::string& from, const std::string& to) = 0;
    // Creates the folder unless it exists; true when it is there afterwards.
    virtual bool CreateFolder(const std::string& path) = 0;
    // A new file can be made in the folder now (the folder is left as it was).
    virtual bool FolderWritable(const std::string& folder) = 0;
    [[nodiscard]] virtual bool FileReadOnly(const std::string& path) const = 0;
    // The user's roaming application-data folder with a trailing '\', or ""
    // when the system names none.
    [[nodiscard]] virtual std::string RoamingAppDataFolder() const = 0;
    // Full path of the running executable and its folder with trailing '\'.
    [[nodiscard]] virtual std::string ExePath() const = 0;
    [[nodiscard]] virtual std::string ExeFolder() const = 0;
    // A string value under the current user's registry root; nullopt when missing.
    [[nodiscard]] virtual std::optional<std::string> ReadUserRegistryString(
        const std::string& key, const std::string& value) const = 0;
};

}  // namespace pel
