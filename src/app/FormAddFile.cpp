#include <string_view>

#include "app/FormPellorinth.h"
#include "bar/Placement.h"

namespace pel {

namespace {

std::string_view LastComponent(std::string_view path) {
    const auto cut = path.find_last_of("\\:");
    return cut == std::string_view::npos ? path : path.substr(cut + 1);
}

}  // namespace

void TFormPellorinth::AddFileToList(int position, const std::string& target, bool isNew) {
    const int at = position < 0 || position > store_.Count() ? -1 : position;
    const int index = at < 0 ? store_.Count() : at;
    store_.Insert(at, nullptr, target, std::string());
    if (!isNew) {
        // A loaded item's icon file may be gone since it was saved.
        CheckItemIcon(index, false);
    }
    pictures_.PutFirst(index, Horizontal());
    SetCellCount(store_.Count());
    menu_.SetOpen(false);
    buttons_.EnableForward(store_.Count() > UsableVisibleCount(settings_.VisibleIconCount));
    Repaint();
    WakeTick();  // its picture may wait for an idle tick
}

void TFormPellorinth::PutLoadedPictures() {
    pictures_.PutLoaded(Horizontal());
    if (store_.Count() == 0) {
        return;
    }
    SetCellCount(store_.Count());
    menu_.SetOpen(false);
    buttons_.EnableForward(store_.Count() > UsableVisibleCount(settings_.VisibleIconCount));
    // The bar is laid out after its items; the pictures it then shows are
    // fetched with that layout, not this one.
    platform_.InvalidateBar();
    WakeTick();
}

std::string TFormPellorinth::ItemDisplayName(const std::string& target) const {
    if (target.empty()) {
        return {};
    }
    const bool isFolder = platform_.DirectoryExists(target);
    std::string_view path = target;
    if (path.back() == '\\') {
        path.remove_suffix(1);
    }
    std::string_view name = LastComponent(path);
    if (!isFolder) {
        const auto dot = name.rfind('.');
        if (dot != std::string_view::npos) {
            name = name.substr(0, dot);
        }
    }
    return std::string(name);
}

}  // namespace pel
