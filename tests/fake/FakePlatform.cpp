#include "fake/FakePlatform.h"

namespace pel::test {

PicturePtr FakePlatform::LoadIconFile(const std::string& path, int side) {
    PicturePtr icon = FakeShell::LoadIconFile(path, side);
    return files.count(path) != 0 ? icon : nullptr;
}

bool FakePlatform::CreateShellLink(const std::string& linkPath, const std::string& target,
                                   const std::string& workingFolder) {
    if (!FakeShell::CreateShellLink(linkPath, target, workingFolder)) {
        return false;
    }
    files[linkPath] = "link";
    return true;
}

}  // namespace pel::test
