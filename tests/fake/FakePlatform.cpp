#include "fake/FakePlatform.h"

#include "bar/BarMetrics.h"
#include "bar/StockPictures.h"

namespace pel::test {

namespace {

template <typename T>
T NextOr(std::deque<T>& answers, T fallback) {
    if (answers.empty()) {
        return fallback;
    }
    T next = std::move(answers.front());
    answers.pop_front();
    return next;
}

std::string SideSuffix(int side) {
    return side == kIconSize ? std::string() : "@" + std::to_string(side);
}

std::string FolderOf(const std::string& path) {
    return path.substr(0, path.find_last_of('\\') + 1);
}

}  // namespace

MessageResult FakePlatform::ShowMessage(const std::string& text, MessageKind kind) {
    RunWhileModal();
    messages.push_back({text, kind});
    return NextOr(messageResults,
                  kind == MessageKind::Confirmation ? MessageResult::Yes : MessageResult::Ok);
}

std::string FakePlatform::InputBox(const std::string& caption, const std::string& prompt,
                                   const std::string& defaultText) {
    RunWhileModal();
    inputs.push_back({caption, prompt, defaultText});
    return NextOr(inputResults, defaultText);
}

std::optional<std::string> FakePlatform::BrowseForFolder(const std::string& title) {
    RunWhileModal();
    folderTitles.push_back(title);
    return NextOr(folderResults, std::optional<std::string>());
}

std::vector<std::string> FakePlatform::OpenFiles(OpenDialogState& state) {
    RunWhileModal();
    openDialogs.push_back(state);
    return NextOr(openResults, std::vector<std::string>());
}

PicturePtr FakePlatform::MakePicture(const PixelImage& image) {
    const std::pair<const char*, PixelImage (*)()> stock[] = {{"url", UrlPicture},
                                                              {"del", RowSeparatorPicture},
                                                              {"del2", ColumnSeparatorPicture},
                                                              {"unknown", UnknownPicture}};
    for (const auto& [name, draw] : stock) {
        if (image.Empty()) {
            break;
        }
        const PixelImage drawn = AtSide(draw(), image.width);
        if (drawn.height == image.height && drawn.pixels == image.pixels) {
            return std::make_shared<FakePicture>(name, image);
        }
    }
    return std::make_shared<FakePicture>("pixels", image);
}

std::string NameOf(const PicturePtr& picture) {
    const auto* fake = dynamic_cast<const FakePicture*>(picture.get());
    return fake ? fake->name : std::string();
}

std::intptr_t FakePlatform::ShellOpen(const std::string& target) {
    shellOpened.push_back(target);
    const auto it = shellResults.find(target);
    return it == shellResults.end() ? 42 : it->second;
}

PicturePtr FakePlatform::AssociatedIcon(const std::string& path, int side) {
    iconReads.push_back(path);
    if (failingIcons.count(path) != 0) {
        return nullptr;
    }
    return std::make_shared<FakePicture>("assoc:" + path + SideSuffix(side));
}

PicturePtr FakePlatform::LoadIconFile(const std::string& path, int side) {
    iconReads.push_back(path);
    if (iconFiles.count(path) == 0 || files.count(path) == 0) {
        return nullptr;
    }
    return std::make_shared<FakePicture>("ico:" + path + SideSuffix(side));
}

bool FakePlatform::CreateShellLink(const std::string& linkPath, const std::string& target,
                                   const std::string& workingFolder) {
    if (linksFail) {
        return false;
    }
    links[linkPath] = {target, workingFolder};
    files[linkPath] = "link";
    return true;
}

std::optional<std::string> FakePlatform::ShellLinkTarget(const std::string& linkPath) const {
    const auto it = links.find(linkPath);
    if (it == links.end()) {
        return std::nullopt;
    }
    return it->second.target;
}

ClipboardText FakePlatform::ReadClipboardText(std::size_t maxChars) const {
    if (clipboard.size() > maxChars) {
        return {clipboard.substr(0, maxChars), true};
    }
    return {clipboard, false};
}

bool FakePlatform::FileExists(const std::string& path) const {
    existenceQueries.push_back(path);
    return files.count(path) != 0;
}

bool FakePlatform::DirectoryExists(const std::string& path) const {
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

std::optional<std::string> FakePlatform::ReadWholeFile(const std::string& path) const {
    const auto it = files.find(path);
    const auto lock = lockedUntilMs.find(path);
    if (it == files.end() || unreadableFiles.count(path) != 0 ||
        (lock != lockedUntilMs.end() && waitedMs < lock->second)) {
        return std::nullopt;
    }
    return it->second;
}

bool FakePlatform::WriteWholeFile(const std::string& path, const std::string& bytes) {
    fileWrites.push_back(path);
    if (readOnlyFiles.count(path) != 0 || readOnlyFolders.count(FolderOf(path)) != 0 ||
        DirectoryExists(path)) {
        return false;
    }
    files[path] = bytes;
    return true;
}

bool FakePlatform::RenamePath(const std::string& from, const std::string& to) {
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

bool FakePlatform::CreateFolder(const std::string& path) {
    if (DirectoryExists(path)) {
        return true;
    }
    if (readOnlyFolders.count(FolderOf(path)) != 0 || FileExists(path)) {
        return false;
    }
    dirs.insert(path);
    return true;
}

std::string FakePlatform::ExeFolder() const {
    return FolderOf(exePath);
}

std::optional<std::string> FakePlatform::ReadUserRegistryString(const std::string& key,
                                                                const std::string& value) const {
    const auto it = registry.find(key + "|" + value);
    if (it == registry.end()) {
        return std::nullopt;
    }
    return it->second;
}

}  // namespace pel::test
