#include "fake/FakeFileSystem.h"

namespace pel::test {

namespace {

std::string FolderOf(const std::string& path) {
    return path.substr(0, path.find_last_of('\\') + 1);
}

}  // namespace

bool FakeFileSystem::FileExists(const std::string& path) const {
    existenceQueries.push_back(path);
    return files.count(path) != 0;
}

bool FakeFileSystem::DirectoryExists(const std::string& path) const {
    existenceQueries.push_back(path);
    if (dirs.count(path) != 0) {
        return true;
    }
    // A folder given with or without its trailing backslash.
    if (!path.empty() && path.back() == '\\') {
        return dirs.count(path.substr(0, path.size() - 1)) != 0;
    }
    return dirs.count(path + "\\") != 0;
}

std::optional<std::string> FakeFileSystem::ReadWholeFile(const std::string& path) const {
    const auto it = files.find(path);
    const auto lock = lockedUntilMs.find(path);
    if (it == files.end() || unreadableFiles.count(path) != 0 ||
        (lock != lockedUntilMs.end() && waitedMs < lock->second)) {
        return std::nullopt;
    }
    return it->second;
}

bool FakeFileSystem::WriteWholeFile(const std::string& path, const std::string& bytes) {
    fileWrites.push_back(path);
    if (readOnlyFiles.count(path) != 0 || readOnlyFolders.count(FolderOf(path)) != 0 ||
        DirectoryExists(path)) {
        return false;
    }
    files[path] = bytes;
    return true;
}

bool FakeFileSystem::RenamePath(const std::string& from, const std::string& to) {
    if (FileExists(to) || DirectoryExists(to) || readOnlyFolders.count(FolderOf(from)) != 0) {
        return false;
    }
    if (const auto file = files.find(from); file != files.end()) {
        files[to] = file->second;
        files.erase(from);
        return true;
    }
    return dirs.erase(from) != 0 && dirs.insert(to).second;
}

bool FakeFileSystem::CreateFolder(const std::string& path) {
    if (DirectoryExists(path)) {
        return true;
    }
    if (readOnlyFolders.count(FolderOf(path)) != 0 || FileExists(path)) {
        return false;
    }
    dirs.insert(path);
    return true;
}

std::string FakeFileSystem::ExeFolder() const {
    return FolderOf(exePath);
}

std::optional<std::string> FakeFileSystem::ReadUserRegistryString(const std::string& key,
                                                                  const std::string& value) const {
    const auto it = registry.find(key + "|" + value);
    if (it == registry.end()) {
        return std::nullopt;
    }
    return it->second;
}

}  // namespace pel::test
