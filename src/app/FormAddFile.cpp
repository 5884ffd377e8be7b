#include <string_view>
#include <unordered_map>

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
    const int at = position < 0 || position > store.Count() ? -1 : position;
    // A loaded item's entry is in the lists already, at the end.
    const int index = isNew && at >= 0 ? at : store.Count();
    store.InsertPicture(at, nullptr);
    if (isNew) {
        store.InsertEntry(at, target, std::string());
    } else {
        SetOtherIcon(index, false);
    }
    const auto i = static_cast<std::size_t>(at < 0 ? store.Count() - 1 : at);
    if (store.IsItem(index) && store.ListCurr[static_cast<std::size_t>(index)] == target) {
        store.ImageList1[i] =
            FirstPicture(target, store.ListIcons[static_cast<std::size_t>(index)]);
    } else {
        // A picture without its entry cannot wait for it.
        bool read = false;
        store.ImageList1[i] = pictureSource_.Fetch(target, std::string(), StandIns(), read);
    }
    SetCellCount(store.Count());
    MenuOpen = 0;
    sbScrollRight.enabled = store.Count() > UsableVisibleCount(settings.VisibleIconCount);
    Repaint();
}

void TFormPellorinth::PutLoadedPictures() {
    // Missing icon lines mean no custom icon.
    store.ListIcons.resize(store.ListCurr.size());
    // Icon files are looked for once each, however many items use them.
    std::unordered_map<std::string, bool> iconFound;
    store.ImageList1.clear();
    store.ImageList1.reserve(store.ListCurr.size());
    for (std::size_t i = 0; i < store.ListCurr.size(); ++i) {
        const std::string& target = store.ListCurr[i];
        std::string& icon = store.ListIcons[i];
        const std::string iconPath = ExeAbsolutePath(icon);
        if (!iconPath.empty()) {
            auto [found, first] = iconFound.try_emplace(iconPath, false);
            if (first) {
                found->second = platform.FileExists(iconPath);
            }
            // Separators keep their glyph; a removed file is forgotten.
            if (target.empty() || !found->second) {
                icon.clear();
            }
        }
        store.ImageList1.push_back(FirstPicture(target, icon));
    }
    if (store.Count() == 0) {
        return;
    }
    SetCellCount(store.Count());
    MenuOpen = 0;
    sbScrollRight.enabled = store.Count() > UsableVisibleCount(settings.VisibleIconCount);
    // The bar is laid out after its items; the pictures it then shows are
    // fetched with that layout, not this one.
    platform.InvalidateBar();
}

std::string TFormPellorinth::ItemDisplayName(const std::string& target) const {
    if (target.empty()) {
        return {};
    }
    const bool isFolder = platform.DirectoryExists(target);
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
