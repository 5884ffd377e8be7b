#include "store/StartupShortcut.h"

#include "platform/WindowNames.h"
#include "store/ExePaths.h"

namespace pel {

std::optional<std::string> StartupShortcut::Path() const {
    const std::optional<std::string> folder =
        platform_.ReadUserRegistryString(kShellFoldersKey, "StartUp");
    // Without the value the path would be the root of the current drive.
    if (!folder || folder->empty()) {
        return std::nullopt;
    }
    std::string path = *folder;
    if (path.back() != '\\') {
        path += '\\';
    }
    return path + kApplicationTitle + ".lnk";
}

bool StartupShortcut::Present() const {
    const std::optional<std::string> link = Path();
    return link && platform_.FileExists(*link);
}

bool StartupShortcut::Create() {
    const std::optional<std::string> link = Path();
    if (!link) {
        return false;
    }
    std::string folder = platform_.ExeFolder();
    if (folder.size() > 3 && folder.back() == '\\') {
        folder.pop_back();  // a folder, not a drive's root, is named without it
    }
    return platform_.CreateShellLink(*link, platform_.ExePath(), folder);
}

bool StartupShortcut::MakePresent(bool wanted) {
    const std::optional<std::string> link = Path();
    const bool present = link && platform_.FileExists(*link);
    if (wanted && !present) {
        return Create();
    }
    if (!wanted && present) {
        platform_.RemoveFile(*link);
    }
    return true;
}

}  // namespace pel
