#include "store/UserDataFile.h"

#include <cstdio>
#include <utility>

#include "platform/WindowNames.h"
#include "store/DataFile.h"
#include "store/TextEncoding.h"

namespace pel {

namespace {

constexpr const char* kDataFileName = "_data";
constexpr int kLockWaitMs = 2000;
constexpr int kLockRetryMs = 100;
// Names tried for a file moved aside within the same second as another.
constexpr int kMoveAsideNames = 10;

std::string DamagedSuffix(const LocalTime& t) {
    char text[40];
    std::snprintf(text, sizeof text, ".damaged-%04d%02d%02d-%02d%02d%02d", t.year, t.month, t.day,
                  t.hour, t.minute, t.second);
    return text;
}

}  // namespace

UserDataFile::UserDataFile(FileSystem& files, Clock& clock, const TextCodec& codePage)
    : files_(files),
      clock_(clock),
      codePage_(codePage),
      path_(files.ExeFolder() + kApplicationTitle + kDataFileName) {}

bool UserDataFile::ChooseLocation(std::string& startingFile) {
    if (files_.FolderWritable(files_.ExeFolder())) {
        return true;
    }
    const std::string appData = files_.RoamingAppDataFolder();
    if (appData.empty()) {
        return false;
    }
    const std::string folder = appData + kApplicationTitle;
    if (!files_.CreateFolder(folder) || !files_.FolderWritable(folder + "\\")) {
        return false;
    }
    startingFile = path_;
    path_ = folder + "\\" + kApplicationTitle + kDataFileName;
    return true;
}

std::optional<std::string> UserDataFile::ReadPatiently(const std::string& path) {
    for (int waited = 0;; waited += kLockRetryMs) {
        if (auto bytes = files_.ReadWholeFile(path)) {
            return bytes;
        }
        if (waited >= kLockWaitMs || !files_.FileExists(path)) {
            return std::nullopt;
        }
        clock_.WaitMilliseconds(kLockRetryMs);
    }
}

bool UserDataFile::Take(const std::string& bytes, bool ownFile, ItemStore& items,
                        Settings& settings, PreferenceSteps& steps) {
    const std::string text = DecodeDataFileText(bytes, codePage_);
    const DataFileReading reading = ReadDataFile(text);
    if (!reading.hasItemList) {
        return false;
    }
    const bool prefsRead = ReadPreferences(reading.content.prefs, settings, steps);
    // Missing icon lines mean no custom icon; extra ones belong to no item.
    items.Assign(reading.content.items, reading.content.icons);
    if (ownFile && (!prefsRead || !reading.clean || !DecodedExactly(bytes, text, codePage_))) {
        // Saving will not give back what was there; keep the user a way back.
        backupBeforeSave_ = bytes;
    }
    return true;
}

bool UserDataFile::MoveAside() {
    const std::string base = path_ + DamagedSuffix(clock_.Now());
    for (int n = 1; n <= kMoveAsideNames; ++n) {
        const std::string name = n == 1 ? base : base + "-" + std::to_string(n);
        if (files_.RenamePath(path_, name)) {
            movedAsideTo_ = name;
            return true;
        }
    }
    return false;
}

bool UserDataFile::Load(ItemStore& items, Settings& settings, PreferenceSteps& steps) {
    std::string startingFile;
    const bool writable = ChooseLocation(startingFile);
    const auto notKept = [this] {
        unreadable_ = true;
        trouble_ = DataFileTrouble::NotKept;
        return false;
    };
    const auto moveAside = [this, &notKept] {
        if (!MoveAside()) {
            return notKept();
        }
        trouble_ = DataFileTrouble::MovedAside;
        return false;
    };
    if (files_.DirectoryExists(path_)) {
        return moveAside();
    }
    bool taken = false;
    if (files_.FileExists(path_)) {
        const std::optional<std::string> bytes = ReadPatiently(path_);
        if (!bytes) {
            return notKept();
        }
        // An empty file starts the first list, as no file does.
        if (!bytes->empty() && !Take(*bytes, true, items, settings, steps)) {
            return moveAside();
        }
        taken = !bytes->empty();
    } else if (!startingFile.empty() && files_.FileExists(startingFile)) {
        // Only read: it stays as it is where it is.
        const std::optional<std::string> bytes = ReadPatiently(startingFile);
        taken = bytes && Take(*bytes, false, items, settings, steps);
    }
    if (!writable || files_.FileReadOnly(path_)) {
        trouble_ = DataFileTrouble::NotKept;
    }
    return taken;
}

void UserDataFile::Save(const ItemStore& items, const Settings& settings) {
    if (unreadable_) {
        return;
    }
    if (backupBeforeSave_) {
        const std::string backup = path_ + ".bak";
        // A copy the earlier one already holds would only replace it.
        if (files_.ReadWholeFile(backup) != backupBeforeSave_ &&
            !files_.WriteWholeFile(backup, *backupBeforeSave_)) {
            return;  // without its copy the file is not replaced
        }
        backupBeforeSave_.reset();
    }
    const DataFileContent content{items.Targets(), items.Icons(), FormatPreferences(settings)};
    std::string bytes = EncodeDataFileText(FormatDataFile(content), codePage_);
    if (bytes == lastSaved_) {
        return;
    }
    // One whole-file replace: a crash or a full disk leaves the old file, and
    // a failure is not worth a message at close. The write is tried even when
    // the current drive reports no size, since that drive need not hold the
    // file and a skipped write would lose the whole run's changes.
    if (files_.WriteWholeFile(path_, bytes)) {
        lastSaved_ = std::move(bytes);
    }
}

}  // namespace pel
