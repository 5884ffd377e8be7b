#include "app/FormPellorinth.h"
#include "app/ModalStep.h"
#include "store/ExePaths.h"

namespace pel {

namespace {

constexpr const char* kIconFilter = "Icons(*.ico)|*.ico";

// Along the bar: the grid's first cell shown.
int FirstShownCell(const GridModel& grid, bool horizontal) {
    return horizontal ? grid.LeftCol() : grid.TopRow();
}

// Along the bar: the cells the grid shows, a cell cut off at its end included.
int ShownCells(const GridModel& grid, bool horizontal) {
    const int length = horizontal ? grid.bounds.Width() : grid.bounds.Height();
    return (length + grid.cellSize - 1) / grid.cellSize;
}

}  // namespace

void TFormPellorinth::ResolvePicture(int index) {
    pictures_.Resolve(index, Horizontal());
}

void TFormPellorinth::ResolveVisiblePictures() {
    const bool horizontal = Horizontal();
    const GridModel& grid = placement_.Grid1();
    pictures_.ResolveShown(FirstShownCell(grid, horizontal), ShownCells(grid, horizontal),
                           horizontal);
}

void TFormPellorinth::ResolveIdlePictures() {
    const bool horizontal = Horizontal();
    const GridModel& grid = placement_.Grid1();
    const int fullyShown = horizontal ? grid.VisibleColCount() : grid.VisibleRowCount();
    pictures_.ResolveIdle(FirstShownCell(grid, horizontal), fullyShown, horizontal);
}

void TFormPellorinth::SetOtherIcon(int index, bool replace) {
    if (!store.IsItem(index)) {
        return;
    }
    // Without replace the item keeps its picture, or fetches it later with
    // the icon path as it is now.
    pictures_.CheckIcon(index, replace, Horizontal());
    Repaint();
}

void TFormPellorinth::ChangeIcon(const std::string& path, int index) {
    if (!store.IsItem(index)) {
        return;
    }
    store.SetIcon(index,
                  path.empty() ? std::string() : ToExeRelativePath(path, platform.ExeFolder()));
    SetOtherIcon(index, true);
}

void TFormPellorinth::OpenIcon1Click() {
    OpenDialog1.initialDir = LastIconFolder.empty() ? platform.ExeFolder() : LastIconFolder;
    OpenDialog1.filter = kIconFilter;
    OpenDialog1.multiSelect = false;
    OpenDialog1.fileName.clear();
    const ModalStep step(*this);
    const std::vector<std::string> chosen = platform.OpenFiles(OpenDialog1);
    if (!chosen.empty() && !chosen.front().empty()) {
        const std::string& file = chosen.front();
        // The item the command was chosen on, wherever a drop meanwhile
        // has moved it.
        ChangeIcon(file, step.ItemNow());
        LastIconFolder = file.substr(0, file.find_last_of('\\') + 1);
        OpenDialog1.fileName.clear();
    }
}

void TFormPellorinth::DefaultIcon1Click() {
    ChangeIcon(std::string(), CurrentItem());
    menu_.ShowNoOwnIcon();
    menu_.SetOpen(false);
}

}  // namespace pel
