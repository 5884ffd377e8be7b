#pragma once

#include <optional>
#include <string>

#include "platform/FileSystem.h"
#include "platform/Shell.h"

namespace pel {

// The shortcut in the user's start-up folder that starts the program with
// Windows. Its presence is the "run at start-up" option; nothing else
// records it.
class StartupShortcut {
  public:
    StartupShortcut(Shell& shell, FileSystem& files) : shell_(shell), files_(files) {}

    // Where the shortcut goes; nullopt when the user has no start-up folder.
    [[nodiscard]] std::optional<std::string> Path() const;
    [[nodiscard]] bool Present() const;
    // Writes the shortcut; false when it could not be written or the user has
    // no start-up folder.
    bool Create();
    // Creates or removes the shortcut as `wanted` says; a wanted one that
    // starts another program (a copy in a folder since moved) is written
    // again. False when a wanted one could not be written; one that cannot
    // be removed stays, and the option shows on again next time.
    bool MakePresent(bool wanted);

  private:
    [[nodiscard]] bool StartsThisProgram(const std::string& link) const;

    Shell& shell_;
    FileSystem& files_;
};

}  // namespace pel
