#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/Picture.h"
#include "platform/PixelImage.h"

namespace pel {

struct ClipboardText {
    std::string text;      // UTF-8
    bool tooLong = false;  // the clipboard held more than the requested limit
};

// What the shell does for the bar: opening targets, their icons and other
// pictures, shell links, the start-up folder and the clipboard.
class Shell {
  public:
    virtual ~Shell() = default;

    // ShellExecute with the default verb; the raw result code.
    virtual std::intptr_t ShellOpen(const std::string& target) = 0;
    // The shell's icon of a path, `side` pixels square.
    virtual PicturePtr AssociatedIcon(const std::string& path, int side) = 0;
    // An .ico file as a `side` x `side` picture, from its best frame for that
    // size; null when it cannot be read.
    virtual PicturePtr LoadIconFile(const std::string& path, int side) = 0;
    virtual PicturePtr MakePicture(const PixelImage& image) = 0;
    // Writes a shell link at `linkPath` to `target`, starting in
    // `workingFolder`. False, and no file left behind, when any step fails.
    virtual bool CreateShellLink(const std::string& linkPath, const std::string& target,
                                 const std::string& workingFolder) = 0;
    // The target path of the shell link at `linkPath`; nullopt when it
    // cannot be read.
    [[nodiscard]] virtual std::optional<std::string> ShellLinkTarget(
        const std::string& linkPath) const = 0;
    // The user's start-up folder as the shell names it (known folder);
    // nullopt when the shell cannot tell.
    [[nodiscard]] virtual std::optional<std::string> StartupFolder() const = 0;
    [[nodiscard]] virtual ClipboardText ReadClipboardText(std::size_t maxChars) const = 0;
};

}  // namespace pel
