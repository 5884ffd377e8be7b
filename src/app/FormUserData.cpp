#include <algorithm>
#include <array>
#include <string>

#include "app/FormPellorinth.h"
#include "bar/Placement.h"
#include "interaction/FormHint.h"
#include "store/ExePaths.h"
#include "store/PreferenceLines.h"
#include "texts/LanguageTables.h"

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

}  // namespace

void TFormPellorinth::LoadUserData() {
    firstShowDone_ = 1;
    platform_.HideTaskbarWindow();
    pictures_.TakeIconFilesBesideProgram();
    ReachedSteps steps;
    // Without a list from the file the first list is laid out in full.
    LayoutReach reach = LayoutReach::Place;
    if (userData_.Load(store_, settings_, steps)) {
        PutLoadedPictures();
        reach = steps.reached;
    } else {
        FirstUserLoad();
    }

    // Whatever part of the preferences was read, the bar shows it.
    ApplySettings(settings_, reach);
    SetCellCount(store_.Count());
    buttons_.EnableForward(CellCount() > UsableVisibleCount(settings_.VisibleIconCount));
}

void TFormPellorinth::FormShown() {
    const DataFileTrouble trouble = userData_.Trouble();
    if (trouble == DataFileTrouble::None || dataFileTroubleTold_) {
        return;
    }
    dataFileTroubleTold_ = true;
    const bool moved = trouble == DataFileTrouble::MovedAside;
    std::string text(
        (moved ? texts::kDataFileMovedAside : texts::kDataFileNotKept).In(settings_.LanguageIndex));
    text += "\r\n";
    text += moved ? userData_.MovedAsideTo() : userData_.Path();
    const auto suspension = SuspendAutoHide();
    platform_.ShowMessage(text, MessageKind::Information);
}

void TFormPellorinth::SaveUserData() {
    userData_.Save(store_, settings_);
}

void TFormPellorinth::FirstUserLoad() {
    for (const char* name : kFirstShellFolders) {
        // A folder the registry does not know would become an item whose
        // target is a lone backslash.
        const std::string target = ShellFolderPath(platform_, name);
        if (target != "\\") {
            AddFileToList(-1, target, true);
        }
    }
    for (const std::string target : kFirstEntries) {
        if (target.find(".exe") != std::string::npos && !platform_.FileExists(target)) {
            continue;
        }
        AddFileToList(-1, target, true);
    }
    settings_.VisibleIconCount = std::max(1, store_.Count());
    settings_.OffsetX = 0;
    settings_.OffsetY = 0;
    settings_.ScreenPosition = kEdgeTop;
    settings_.MonitorIndex = 0;
}

}  // namespace pel
