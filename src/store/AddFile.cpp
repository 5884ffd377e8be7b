#include <string_view>

#include "app/FormPellorinth.h"
#include "bar/Placement.h"

namespace pel {

namespace {

std::string_view LastComponent(std::string_view path) {
    const auto cut = path.find_last_of("\\:");
    return cut == std::string_view::npos ? path : path.substr(cut + 1);
}

bool HasExtension(std::string_view target) {
    return LastComponent(target).find('.') != std::string_view::npos;
}

}  // namespace

void TFormPellorinth::AddFileToList(int position, const std::string& target, bool isNew) {
    if (IsUrl(target)) {
        Image1 = ImageUrl;
    } else if (target.empty()) {
        Image1 = settings.IsHorizontal ? ImageDel : ImageDel2;
    } else {
        const bool present = HasExtension(target)
                                 ? platform.FileExists(target) || platform.DirectoryExists(target)
                                 : platform.DirectoryExists(target);
        Image1 = nullptr;
        if (present) {
            GetDefaultIcon(target);
        }
        if (!Image1) {
            Image1 = ImageUnKnown;
        }
    }
    if (!isNew) {
        SetOtherIcon(store.Count(), false);
    }
    const int at = position < 0 || position > store.Count() ? -1 : position;
    store.InsertPicture(at, Image1);
    if (isNew) {
        store.InsertEntry(at, target, std::string());
    }
    SetCellCount(store.Count());
    MenuOpen = 0;
    sbScrollRight.enabled = store.Count() > UsableVisibleCount(settings.VisibleIconCount);
    Repaint();
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
