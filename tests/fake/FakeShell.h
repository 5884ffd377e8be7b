#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/Shell.h"

namespace pel::test {

// A picture that only knows where it came from; one fetched at another side
// than 32 says so after an "@".
class FakePicture : public Picture {
  public:
    explicit FakePicture(std::string n, PixelImage px = {})
        : name(std::move(n)), pixels(std::move(px)) {}
    std::string name;
    PixelImage pixels;
};

// Name of a fake picture, "" for null.
std::string NameOf(const PicturePtr& picture);

// A shell whose answers the test sets and whose calls it reads.
class FakeShell : public virtual Shell {
  public:
    std::map<std::string, std::intptr_t> shellResults;  // default 42 (success)
    std::set<std::string> failingIcons;                 // AssociatedIcon gives null
    std::set<std::string> iconFiles;                    // readable .ico files
    std::string clipboard;
    struct Link {
        std::string target, workingFolder;
    };
    std::map<std::string, Link> links;         // written shell links by path
    bool linksFail = false;                    // CreateShellLink fails
    std::optional<std::string> startupFolder;  // the known folder; none by default

    std::vector<std::string> shellOpened;
    std::vector<std::string> iconReads;  // AssociatedIcon and LoadIconFile paths, in order

    std::intptr_t ShellOpen(const std::string& target) override;
    PicturePtr AssociatedIcon(const std::string& path, int side) override;
    PicturePtr LoadIconFile(const std::string& path, int side) override;
    PicturePtr MakePicture(const PixelImage& image) override {
        return std::make_shared<FakePicture>("pixels", image);
    }
    bool CreateShellLink(const std::string& linkPath, const std::string& target,
                         const std::string& workingFolder) override;
    [[nodiscard]] std::optional<std::string> ShellLinkTarget(
        const std::string& linkPath) const override;
    [[nodiscard]] std::optional<std::string> StartupFolder() const override {
        return startupFolder;
    }
    [[nodiscard]] ClipboardText ReadClipboardText(std::size_t maxChars) const override;
};

}  // namespace pel::test
