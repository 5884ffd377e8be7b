#pragma once

#include <optional>
#include <string>

#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/TextCodec.h"
#include "store/ItemStore.h"
#include "store/PreferenceLines.h"
#include "store/Settings.h"

namespace pel {

// What a start could not do with the data file, told to the user once.
enum class DataFileTrouble {
    None,
    // The file held nothing usable; it was renamed (MovedAsideTo) and the
    // bar runs and saves as without a file.
    MovedAside,
    // The file stays locked, or its place cannot be written: this run's
    // changes will not be kept there.
    NotKept,
};

// The data file beside the program, or in the user's application-data folder
// when the program's folder cannot be written: what a start takes from it and
// what each save writes over it. A file that was not read cleanly is never
// lost: one that could not be read is left alone, one with nothing usable in
// it is moved aside, and one read only in part is copied beside it before the
// first save replaces it.
class UserDataFile {
  public:
    UserDataFile(FileSystem& files, Clock& clock, const TextCodec& codePage);

    [[nodiscard]] const std::string& Path() const { return path_; }
    // The file exists but could not be read: saving keeps it as it is
    // instead of writing this run's stand-in list over it.
    [[nodiscard]] bool Unreadable() const { return unreadable_; }
    [[nodiscard]] DataFileTrouble Trouble() const { return trouble_; }
    [[nodiscard]] const std::string& MovedAsideTo() const { return movedAsideTo_; }

    // Reads the preferences into `settings`, as far as they go, then the
    // item list into `items`. False when there is no list to take (no file,
    // an empty, unreadable or unusable one); both are then unchanged.
    bool Load(ItemStore& items, Settings& settings, PreferenceSteps& steps);

    // Replaces the file with `items` and `settings` in one whole-file write.
    void Save(const ItemStore& items, const Settings& settings);

  private:
    // Beside the program when its folder can be written, else in the
    // application-data folder; then the file beside the program, if any, is
    // where the first start there takes its list from. False when neither
    // place can be written.
    bool ChooseLocation(std::string& startingFile);
    // A file another program holds (a backup, a virus scanner, a sync client
    // at log-on) is waited for, briefly.
    std::optional<std::string> ReadPatiently(const std::string& path);
    // False when the bytes hold no item list.
    bool Take(const std::string& bytes, bool ownFile, ItemStore& items, Settings& settings,
              PreferenceSteps& steps);
    // Renames what is at the data file's path to a new name beside it.
    bool MoveAside();

    FileSystem& files_;
    Clock& clock_;
    const TextCodec& codePage_;
    std::string path_;
    bool unreadable_ = false;
    DataFileTrouble trouble_ = DataFileTrouble::None;
    std::string movedAsideTo_;
    // The file's bytes when they did not read cleanly: copied beside it
    // before the first save replaces them.
    std::optional<std::string> backupBeforeSave_;
    // What the last save wrote: saving the same again (the session ending
    // after its close query) writes nothing.
    std::string lastSaved_;
};

}  // namespace pel
