#include "store/StartupShortcut.h"

#include <algorithm>

#include "platform/WindowNames.h"
#include "store/ExePaths.h"

namespace pel {

namespace {

// Windows compares paths without regard to the case of ASCII letters.
bool SamePath(const std::string& a, const std::string& b) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace

std::optional<std::string> StartupShortcut::Path() const {
    // The shell's own answer first; the value it kept for older programs
    // when it has none.
    std::optional<std::string> folder = shell_.StartupFolder();
    if (!folder || folder->empty()) {
        folder = files_.ReadUserRegistryString(kShellFoldersKey, "StartUp");
    }
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
    return link && files_.FileExists(*link);
}

bool StartupShortcut::Create() {
    const std::optional<std::string> link = Path();
    if (!link) {
        return false;
    }
    std::string folder = files_.ExeFolder();
    if (folder.size() > 3 && folder.back() == '\\') {
        folder.pop_back();  // a folder, not a drive's root, is named without it
    }
    return shell_.CreateShellLink(*link, files_.ExePath(), folder);
}

bool StartupShortcut::StartsThisProgram(const std::string& link) const {
    const std::optional<std::string> target = shell_.ShellLinkTarget(link);
    return target && SamePath(*target, files_.ExePath());
}

bool StartupShortcut::MakePresent(bool wanted) {
    const std::optional<std::string> link = Path();
    const bool present = link && files_.FileExists(*link);
    // A shortcut left by a copy of the program in another folder would start
    // that copy, or nothing once it is gone: it is made to start this one.
    if (wanted && (!present || !StartsThisProgram(*link))) {
        return Create();
    }
    if (!wanted && present) {
        files_.RemoveFile(*link);
    }
    return true;
}

}  // namespace pel
