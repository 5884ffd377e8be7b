#include "store/UserDataFile.h"

#include <utility>

#include "platform/WindowNames.h"
#include "store/DataFile.h"
#include "store/TextEncoding.h"

namespace pel {

UserDataFile::UserDataFile(Platform& platform)
    : platform_(platform), path_(platform.ExeFolder() + kApplicationTitle + "_data") {}

bool UserDataFile::Load(ItemStore& items, Settings& settings, PreferenceSteps& steps) {
    if (!platform_.FileExists(path_)) {
        return false;
    }
    const std::optional<std::string> bytes = platform_.ReadWholeFile(path_);
    if (!bytes) {
        // Locked or unreadable: the program runs with its first list.
        unreadable_ = true;
        return false;
    }
    const DataFileReading reading = ReadDataFile(DecodeDataFileText(*bytes, platform_));
    if (!reading.hasItemList) {
        // Damaged or not ours: run as without a file and leave it alone.
        unreadable_ = true;
        return false;
    }
    const bool prefsRead = ReadPreferences(reading.content.prefs, settings, steps);
    // Missing icon lines mean no custom icon; extra ones belong to no item.
    items.Assign(reading.content.items, reading.content.icons);
    if (!prefsRead || !reading.clean || !IsOwnEncoding(*bytes)) {
        // Saving will not give back what was there; keep the user a way back.
        backupBeforeSave_ = *bytes;
    }
    return true;
}

void UserDataFile::Save(const ItemStore& items, const Settings& settings) {
    if (unreadable_) {
        return;
    }
    if (backupBeforeSave_) {
        if (!platform_.WriteWholeFile(path_ + ".bak", *backupBeforeSave_)) {
            return;  // without its copy the file is not replaced
        }
        backupBeforeSave_.reset();
    }
    const DataFileContent content{items.Targets(), items.Icons(), FormatPreferences(settings)};
    std::string bytes = EncodeDataFileText(FormatDataFile(content), platform_);
    if (bytes == lastSaved_) {
        return;
    }
    // One whole-file replace: a crash or a full disk leaves the old file, and
    // a failure is not worth a message at close. The write is tried even when
    // the current drive reports no size, since that drive need not hold the
    // file and a skipped write would lose the whole run's changes.
    if (platform_.WriteWholeFile(path_, bytes)) {
        lastSaved_ = std::move(bytes);
    }
}

}  // namespace pel
