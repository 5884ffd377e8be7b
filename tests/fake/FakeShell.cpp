#include "fake/FakeShell.h"

#include "platform/Widgets.h"

namespace pel::test {

std::string NameOf(const PicturePtr& picture) {
    const auto* fake = dynamic_cast<const FakePicture*>(picture.get());
    return fake ? fake->name : std::string();
}

namespace {

std::string SideSuffix(int side) {
    return side == kIconSize ? std::string() : "@" + std::to_string(side);
}

}  // namespace

std::intptr_t FakeShell::ShellOpen(const std::string& target) {
    shellOpened.push_back(target);
    const auto it = shellResults.find(target);
    return it == shellResults.end() ? 42 : it->second;
}

PicturePtr FakeShell::AssociatedIcon(const std::string& path, int side) {
    iconReads.push_back(path);
    if (failingIcons.count(path) != 0) {
        return nullptr;
    }
    return std::make_shared<FakePicture>("assoc:" + path + SideSuffix(side));
}

PicturePtr FakeShell::LoadIconFile(const std::string& path, int side) {
    iconReads.push_back(path);
    if (iconFiles.count(path) == 0) {
        return nullptr;
    }
    return std::make_shared<FakePicture>("ico:" + path + SideSuffix(side));
}

bool FakeShell::CreateShellLink(const std::string& linkPath, const std::string& target,
                                const std::string& workingFolder) {
    if (linksFail) {
        return false;
    }
    links[linkPath] = {target, workingFolder};
    return true;
}

std::optional<std::string> FakeShell::ShellLinkTarget(const std::string& linkPath) const {
    const auto it = links.find(linkPath);
    if (it == links.end()) {
        return std::nullopt;
    }
    return it->second.target;
}

ClipboardText FakeShell::ReadClipboardText(std::size_t maxChars) const {
    if (clipboard.size() > maxChars) {
        return {clipboard.substr(0, maxChars), true};
    }
    return {clipboard, false};
}

}  // namespace pel::test
