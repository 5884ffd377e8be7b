#include <algorithm>

#include "app/FormPellorinth.h"

namespace pel {

namespace {

constexpr const char* kIconFilter = "Icons(*.ico)|*.ico";
// Idle work per 100 ms tick: a few reads of the shell or of icon files,
// which take milliseconds each, and pictures already read for another item.
constexpr int kIdleReadsPerTick = 4;
constexpr int kIdlePicturesPerTick = 256;

}  // namespace

PicturePtr TFormPellorinth::FirstPicture(const std::string& target, const std::string& icon) {
    if (target.empty()) {
        return Horizontal() ? ImageDel : ImageDel2;
    }
    if (IsUrl(target) && icon.empty()) {
        return ImageUrl;
    }
    picturesPending_ = true;
    return PendingPicture();
}

PicturePtr TFormPellorinth::FetchPicture(int index, bool& read) {
    return pictureSource_.Fetch(store.Target(index), ExeAbsolutePath(store.Icon(index)), StandIns(),
                                read);
}

StandInPictures TFormPellorinth::StandIns() const {
    return {ImageUrl, Horizontal() ? ImageDel : ImageDel2, ImageUnKnown};
}

void TFormPellorinth::ResolvePicture(int index) {
    if (store.PicturePending(index) && store.IsItem(index)) {
        bool read = false;
        store.SetPicture(index, FetchPicture(index, read));
    }
}

void TFormPellorinth::ResolveVisiblePictures() {
    if (!picturesPending_) {
        return;
    }
    const bool horizontal = Horizontal();
    const GridModel& grid = placement_.Grid1();
    const int first = horizontal ? grid.LeftCol() : grid.TopRow();
    const int length = horizontal ? grid.bounds.Width() : grid.bounds.Height();
    // A cell cut off at the end of the grid shows too.
    const int last = std::min(store.Count(), first + (length + kCellSize - 1) / kCellSize);
    for (int i = first; i < last; ++i) {
        ResolvePicture(i);
    }
}

void TFormPellorinth::ResolveIdlePictures() {
    if (!picturesPending_) {
        return;
    }
    const int count = store.Count();
    const bool horizontal = Horizontal();
    const GridModel& grid = placement_.Grid1();
    const int shown = (horizontal ? grid.bounds.Width() : grid.bounds.Height()) / kCellSize;
    // The next page first: paging forward is what the user does most.
    const int start = (horizontal ? grid.LeftCol() : grid.TopRow()) + std::max(1, shown);
    int reads = 0;
    int pictures = 0;
    bool left = false;
    for (int k = 0; k < count && !left; ++k) {
        const int i = (start + k) % count;
        if (!store.PicturePending(i)) {
            continue;
        }
        if (reads >= kIdleReadsPerTick || pictures >= kIdlePicturesPerTick) {
            left = true;
        } else if (store.IsItem(i)) {
            bool read = false;
            store.SetPicture(i, FetchPicture(i, read));
            reads += read ? 1 : 0;
            ++pictures;
        } else {
            store.SetPicture(i, ImageUnKnown);
        }
    }
    picturesPending_ = left;
}

void TFormPellorinth::SetOtherIcon(int index, bool replace) {
    if (!store.IsItem(index)) {
        return;
    }
    const std::string iconPath = ExeAbsolutePath(store.Icon(index));
    if (!iconPath.empty() && (store.Target(index).empty() || !platform.FileExists(iconPath))) {
        // Separators keep their glyph; a removed file is forgotten.
        store.SetIcon(index, std::string());
    }
    // Without replace the item keeps its picture, or fetches it later with
    // the icon path as it is now.
    if (replace) {
        bool read = false;
        store.SetPicture(index, FetchPicture(index, read));
    }
    Repaint();
}

void TFormPellorinth::ChangeIcon(const std::string& path, int index) {
    if (!store.IsItem(index)) {
        return;
    }
    store.SetIcon(index, path.empty() ? std::string() : ExeRelativePath(path));
    SetOtherIcon(index, true);
}

void TFormPellorinth::OpenIcon1Click() {
    OpenDialog1.initialDir = LastIconFolder.empty() ? platform.ExeFolder() : LastIconFolder;
    OpenDialog1.filter = kIconFilter;
    OpenDialog1.multiSelect = false;
    OpenDialog1.fileName.clear();
    {
        const auto suspension = SuspendAutoHide();
        const std::vector<std::string> chosen = platform.OpenFiles(OpenDialog1);
        if (!chosen.empty() && !chosen.front().empty()) {
            const std::string& file = chosen.front();
            ChangeIcon(file, CurrentItem());
            LastIconFolder = file.substr(0, file.find_last_of('\\') + 1);
            OpenDialog1.fileName.clear();
        }
    }
    menu_.SetOpen(false);
}

void TFormPellorinth::DefaultIcon1Click() {
    ChangeIcon(std::string(), CurrentItem());
    menu_.ShowNoOwnIcon();
    menu_.SetOpen(false);
}

}  // namespace pel
