#include <algorithm>
#include <array>
#include <string_view>

#include "app/FormPellorinth.h"
#include "bar/Placement.h"
#include "interaction/FormHint.h"
#include "store/DataFile.h"
#include "store/ExePaths.h"
#include "store/PreferenceLines.h"
#include "store/TextEncoding.h"

namespace pel {

namespace {

// The first item list: these shell folders, then the entries below (an empty
// entry is a separator).
constexpr std::array<const char*, 5> kFirstShellFolders{"Desktop", "My Pictures", "My Music",
                                                        "My Video", "Personal"};
constexpr std::array<const char*, 5> kFirstEntries{
    "",
    "C:\\Program Files\\Windows Media Player\\wmplayer.exe",
    "C:\\Program Files\\Internet Explorer\\iexplore.exe",
    "",
    "http://pellorinth.example/",
};

// Notes how far the preference lines went; the bar is laid out that far once
// the items are in.
class ReachedSteps final : public PreferenceSteps {
  public:
    void ScrollButtonsRead() override { Reach(LayoutReach::ScrollButtons); }
    void EdgeRead() override { Reach(LayoutReach::Orientation); }
    void PlaceBar() override { Reach(LayoutReach::Place); }

    LayoutReach reached = LayoutReach::None;

  private:
    void Reach(LayoutReach step) { reached = std::max(reached, step); }
};

// url.ico and del.ico beside the program replace the stock pictures.
void LoadStockIconFiles(TFormPellorinth& form) {
    Platform& platform = form.platform;
    const std::string folder = platform.ExeFolder();
    if (platform.FileExists(folder + "url.ico")) {
        PicturePtr url = platform.LoadIconFile(folder + "url.ico");
        form.ImageUrl = url ? url : form.ImageUnKnown;
    }
    if (platform.FileExists(folder + "del.ico")) {
        if (PicturePtr separator = platform.LoadIconFile(folder + "del.ico")) {
            form.ImageDel = separator;
            form.ImageDel2 = separator;
        }
    }
}

// False when some preference line could not be read.
bool LoadDataFile(TFormPellorinth& form, const DataFileContent& content, LayoutReach& reach) {
    ReachedSteps steps;
    const bool prefsRead = ReadPreferences(
        content.prefs, form.settings, static_cast<int>(form.platform.Monitors().size()), steps);
    reach = steps.reached;

    // Missing icon lines mean no custom icon; extra ones belong to no item.
    form.store.Assign(content.items, content.icons);
    form.PutLoadedPictures();
    return prefsRead;
}

}  // namespace

void TFormPellorinth::LoadUserData() {
    FirstShowDone = 1;
    platform.HideTaskbarWindow();
    FormHint.Caption = kApplicationTitle;
    LoadStockIconFiles(*this);
    // The first list is laid out in full.
    LayoutReach reach = LayoutReach::Place;

    if (!platform.FileExists(DataFilePath)) {
        FirstUserLoad();
    } else if (const auto bytes = platform.ReadWholeFile(DataFilePath)) {
        const DataFileReading reading = ReadDataFile(DecodeDataFileText(*bytes, platform));
        if (!reading.hasItemList) {
            // Damaged or not ours: run as without a file and leave it alone.
            DataFileUnreadable = true;
            FirstUserLoad();
        } else if (!LoadDataFile(*this, reading.content, reach) || !reading.clean ||
                   !IsOwnEncoding(*bytes)) {
            // Saving will not give back what was there; keep the user a way back.
            backupBeforeSave_ = *bytes;
        }
    } else {
        // Locked or unreadable: run with the first list, leave the file alone.
        DataFileUnreadable = true;
        FirstUserLoad();
    }

    // Whatever part of the preferences was read, the bar shows it. Behind a
    // gradient the icon area is the button face, and is stored so at close.
    if (settings.GradientBackground) {
        settings.BackgroundColor = kClBtnFace;
    }
    ApplySettings(settings, reach);
    SetCellCount(store.Count());
    buttons_.EnableForward(CellCount() > UsableVisibleCount(settings.VisibleIconCount));
}

void TFormPellorinth::SaveUserData() {
    if (DataFileUnreadable) {
        return;
    }
    if (backupBeforeSave_) {
        if (!platform.WriteWholeFile(DataFilePath + ".bak", *backupBeforeSave_)) {
            return;  // without its copy the file is not replaced
        }
        backupBeforeSave_.reset();
    }
    const DataFileContent content{store.Targets(), store.Icons(), FormatPreferences(settings)};
    std::string bytes = EncodeDataFileText(FormatDataFile(content), platform);
    if (bytes == lastSaved_) {
        return;
    }
    // One whole-file replace: a crash or a full disk leaves the old file, and
    // a failure is not worth a message at close. The write is tried even when
    // the current drive reports no size, since that drive need not hold the
    // file and a skipped write would lose the whole run's changes.
    if (platform.WriteWholeFile(DataFilePath, bytes)) {
        lastSaved_ = std::move(bytes);
    }
}

void TFormPellorinth::FirstUserLoad() {
    for (const char* name : kFirstShellFolders) {
        // A folder the registry does not know would become an item whose
        // target is a lone backslash.
        const std::string target = ShellFolderPath(name);
        if (target != "\\") {
            AddFileToList(-1, target, true);
        }
    }
    for (const std::string target : kFirstEntries) {
        if (target.find(".exe") != std::string::npos && !platform.FileExists(target)) {
            continue;
        }
        AddFileToList(-1, target, true);
    }
    settings.VisibleIconCount = std::max(1, store.Count());
    settings.OffsetX = 0;
    settings.OffsetY = 0;
    settings.ScreenPosition = kEdgeTop;
    settings.MonitorIndex = 0;
}

std::string TFormPellorinth::ShellFolderPath(const std::string& name) const {
    return platform.ReadUserRegistryString(kShellFoldersKey, name).value_or(std::string()) + "\\";
}

std::string TFormPellorinth::ExeRelativePath(const std::string& path) const {
    return ToExeRelativePath(path, platform.ExeFolder());
}

std::string TFormPellorinth::ExeAbsolutePath(const std::string& text) const {
    return ToExeAbsolutePath(text, platform.ExeFolder());
}

}  // namespace pel
