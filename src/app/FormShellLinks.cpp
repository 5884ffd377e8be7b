#include "app/FormPellorinth.h"
#include "store/ExePaths.h"

namespace pel {

namespace {}  // namespace

void TFormPellorinth::WMDropFiles(const std::vector<std::string>& names) {
    for (const std::string& name : names) {
        // Taken again for each name: several names dropped on one cell each
        // go before it, so they end up last name first.
        const int position = settings.AddToEnd ? -1 : getCurrentColFromPoint();
        AddFileToList(position, name, true);
    }
}

std::optional<std::string> TFormPellorinth::StartupShortcutPath() const {
    const std::optional<std::string> folder =
        platform.ReadUserRegistryString(kShellFoldersKey, "StartUp");
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

bool TFormPellorinth::MyLinkForStartUp() {
    const std::optional<std::string> link = StartupShortcutPath();
    if (!link) {
        return false;
    }
    std::string folder = platform.ExeFolder();
    if (folder.size() > 3 && folder.back() == '\\') {
        folder.pop_back();  // a folder, not a drive's root, is named without it
    }
    return platform.CreateShellLink(*link, platform.ExePath(), folder);
}

}  // namespace pel
