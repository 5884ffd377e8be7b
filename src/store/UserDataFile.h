#pragma once

#include <optional>
#include <string>

#include "platform/Platform.h"
#include "store/ItemStore.h"
#include "store/PreferenceLines.h"
#include "store/Settings.h"

namespace pel {

// The data file beside the program: what a start takes from it and what each
// save writes over it. A file that was not read cleanly is never lost: one
// that could not be read at all is left alone, and one read only in part is
// copied beside it before the first save replaces it.
class UserDataFile {
  public:
    explicit UserDataFile(Platform& platform);

    [[nodiscard]] const std::string& Path() const { return path_; }
    // The file exists but could not be read: saving keeps it as it is
    // instead of writing this run's stand-in list over it.
    [[nodiscard]] bool Unreadable() const { return unreadable_; }

    // Reads the preferences into `settings`, as far as they go, then the
    // item list into `items`. False when there is no list to take (no file,
    // an unreadable one, or one that is not ours); both are then unchanged.
    bool Load(ItemStore& items, Settings& settings, PreferenceSteps& steps);

    // Replaces the file with `items` and `settings` in one whole-file write.
    void Save(const ItemStore& items, const Settings& settings);

  private:
    Platform& platform_;
    std::string path_;
    bool unreadable_ = false;
    // The file's bytes when they did not read cleanly: copied beside it
    // before the first save replaces them.
    std::optional<std::string> backupBeforeSave_;
    // What the last save wrote: saving the same again (the session ending
    // after its close query) writes nothing.
    std::string lastSaved_;
};

}  // namespace pel
