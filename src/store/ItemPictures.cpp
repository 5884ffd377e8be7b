#include "store/ItemPictures.h"

#include <algorithm>
#include <string_view>

#include "platform/Widgets.h"
#include "store/ExePaths.h"

namespace pel {

namespace {

// Expired entries are swept once the map has grown this far past the live
// ones, so a long session of changing items does not keep every key it saw.
constexpr std::size_t kSweepSlack = 64;

// Idle work per 100 ms tick: a few reads of the shell or of icon files,
// which take milliseconds each, and pictures already read for another item.
constexpr int kIdleReadsPerTick = 4;
constexpr int kIdlePicturesPerTick = 256;

}  // namespace

PicturePtr PictureCache::Find(const std::string& key) const {
    const auto it = entries_.find(key);
    return it == entries_.end() ? nullptr : it->second.lock();
}

void PictureCache::Put(const std::string& key, const PicturePtr& picture) {
    if (!picture) {
        return;
    }
    if (entries_.size() >= 2 * live_ + kSweepSlack) {
        std::erase_if(entries_, [](const auto& entry) { return entry.second.expired(); });
        live_ = entries_.size();
    }
    entries_[key] = picture;
}

PicturePtr ItemPictureSource::Fetch(const std::string& target, const std::string& iconPath,
                                    const StandInPictures& standIn, bool& read) {
    read = false;
    if (target.empty()) {
        return standIn.separator;
    }
    if (!iconPath.empty()) {
        if (PicturePtr shared = iconFiles_.Find(iconPath)) {
            return shared;
        }
        read = true;
        if (PicturePtr icon = platform_.LoadIconFile(iconPath, side_)) {
            iconFiles_.Put(iconPath, icon);
            return icon;
        }
    }
    if (IsUrl(target)) {
        return standIn.url;
    }
    if (PicturePtr shared = shell_.Find(target)) {
        return shared;
    }
    read = true;
    // The shell's lookup for a path that is gone gives some arbitrary icon,
    // so a missing target shows the blank page. That answer is not kept: the
    // target may come back.
    PicturePtr icon =
        TargetPresent(platform_, target) ? platform_.AssociatedIcon(target, side_) : nullptr;
    if (!icon) {
        return standIn.unknown;
    }
    shell_.Put(target, icon);
    return icon;
}

void ItemPictureSource::UseSide(int side) {
    if (side == side_) {
        return;
    }
    side_ = side;
    shell_ = {};
    iconFiles_ = {};
}

ItemPictures::ItemPictures(Platform& platform, ItemStore& items, StockItemPictures stock)
    : platform_(platform), items_(items), stock_(std::move(stock)), source_(platform) {}

void ItemPictures::UseCellMetrics(CellMetrics metrics, StockItemPictures stock, bool horizontal) {
    if (metrics.cell == metrics_.cell && metrics.icon == metrics_.icon) {
        return;
    }
    metrics_ = metrics;
    source_.UseSide(metrics.icon);
    stock_ = std::move(stock);
    if (tookFilesBesideProgram_) {
        TakeIconFilesBesideProgram();
    }
    for (int i = 0; i < items_.Count(); ++i) {
        items_.SetPicture(i, First(items_.Target(i), items_.Icon(i), horizontal));
    }
}

void ItemPictures::TakeIconFilesBesideProgram() {
    tookFilesBesideProgram_ = true;
    const std::string folder = platform_.ExeFolder();
    const int side = source_.Side();
    if (platform_.FileExists(folder + "url.ico")) {
        PicturePtr url = platform_.LoadIconFile(folder + "url.ico", side);
        stock_.url = url ? url : stock_.unknown;
    }
    if (platform_.FileExists(folder + "del.ico")) {
        if (PicturePtr separator = platform_.LoadIconFile(folder + "del.ico", side)) {
            stock_.rowSeparator = separator;
            stock_.columnSeparator = separator;
        }
    }
}

void ItemPictures::PutFirst(int index, bool horizontal) {
    if (items_.IsItem(index)) {
        items_.SetPicture(index, First(items_.Target(index), items_.Icon(index), horizontal));
    }
}

void ItemPictures::PutLoaded(bool horizontal) {
    // Icon files are looked for once each, however many items use them.
    std::unordered_map<std::string, bool> iconFound;
    for (int i = 0; i < items_.Count(); ++i) {
        const std::string& target = items_.Target(i);
        const std::string iconPath = IconPath(i);
        if (!iconPath.empty()) {
            auto [found, first] = iconFound.try_emplace(iconPath, false);
            if (first) {
                found->second = platform_.FileExists(iconPath);
            }
            // Separators keep their glyph; a removed file is forgotten.
            if (target.empty() || !found->second) {
                items_.SetIcon(i, std::string());
            }
        }
        items_.SetPicture(i, First(target, items_.Icon(i), horizontal));
    }
}

void ItemPictures::CheckIcon(int index, bool refetch, bool horizontal) {
    if (!items_.IsItem(index)) {
        return;
    }
    const std::string iconPath = IconPath(index);
    if (!iconPath.empty() && (items_.Target(index).empty() || !platform_.FileExists(iconPath))) {
        // Separators keep their glyph; a removed file is forgotten.
        items_.SetIcon(index, std::string());
    }
    if (refetch) {
        bool read = false;
        items_.SetPicture(index, Fetch(index, horizontal, read));
    }
}

void ItemPictures::TurnSeparators(bool horizontal) {
    for (int i = 0; i < items_.Count(); ++i) {
        if (items_.Target(i).empty()) {
            items_.SetPicture(i, Separator(horizontal));
        }
    }
}

void ItemPictures::Resolve(int index, bool horizontal) {
    if (items_.PicturePending(index) && items_.IsItem(index)) {
        bool read = false;
        items_.SetPicture(index, Fetch(index, horizontal, read));
    }
}

void ItemPictures::ResolveShown(int first, int length, bool horizontal) {
    if (!pending_) {
        return;
    }
    const int last = std::min(items_.Count(), first + (length + metrics_.cell - 1) / metrics_.cell);
    for (int i = first; i < last; ++i) {
        Resolve(i, horizontal);
    }
}

void ItemPictures::ResolveIdle(int first, int length, bool horizontal) {
    if (!pending_) {
        return;
    }
    const int count = items_.Count();
    const int shown = length / metrics_.cell;
    // The next page first: paging forward is what the user does most.
    const int start = first + std::max(1, shown);
    int reads = 0;
    int pictures = 0;
    bool left = false;
    for (int k = 0; k < count && !left; ++k) {
        const int i = (start + k) % count;
        if (!items_.PicturePending(i)) {
            continue;
        }
        if (reads >= kIdleReadsPerTick || pictures >= kIdlePicturesPerTick) {
            left = true;
        } else if (items_.IsItem(i)) {
            bool read = false;
            items_.SetPicture(i, Fetch(i, horizontal, read));
            reads += read ? 1 : 0;
            ++pictures;
        } else {
            items_.SetPicture(i, stock_.unknown);
        }
    }
    pending_ = left;
}

PicturePtr ItemPictures::First(const std::string& target, const std::string& icon,
                               bool horizontal) {
    if (target.empty()) {
        return Separator(horizontal);
    }
    if (IsUrl(target) && icon.empty()) {
        return stock_.url;
    }
    pending_ = true;
    return PendingPicture();
}

PicturePtr ItemPictures::Fetch(int index, bool horizontal, bool& read) {
    return source_.Fetch(items_.Target(index), IconPath(index), StandIns(horizontal), read);
}

StandInPictures ItemPictures::StandIns(bool horizontal) const {
    return {stock_.url, Separator(horizontal), stock_.unknown};
}

const PicturePtr& ItemPictures::Separator(bool horizontal) const {
    return horizontal ? stock_.rowSeparator : stock_.columnSeparator;
}

std::string ItemPictures::IconPath(int index) const {
    return ToExeAbsolutePath(items_.Icon(index), platform_.ExeFolder());
}

bool TargetPresent(const Platform& platform, const std::string& target) {
    const std::string_view name = std::string_view(target).substr(target.find_last_of("\\:") + 1);
    if (name.find('.') == std::string_view::npos) {
        return platform.DirectoryExists(target);
    }
    return platform.FileExists(target) || platform.DirectoryExists(target);
}

}  // namespace pel
