#include "store/ItemPictures.h"

#include <algorithm>
#include <string_view>

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

// A missed icon file is looked for again after 2 s, then 4 s, 8 s, ... up to
// every 5 minutes (ticks of 100 ms): a drive mapped shortly after log-on
// shows its icons soon, one that stays away costs little.
constexpr std::int64_t kFirstLookAgainTicks = 20;
constexpr std::int64_t kLongestLookAgainTicks = 3000;

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

void MissedIconFiles::Missed(const std::string& path) {
    const auto [it, first] = missed_.try_emplace(path, Wait{0, kFirstLookAgainTicks});
    if (!first) {
        it->second.ticks = std::min(2 * it->second.ticks, kLongestLookAgainTicks);
    }
    it->second.due = now_ + it->second.ticks;
}

bool MissedIconFiles::MayRead(const std::string& path) const {
    const auto it = missed_.find(path);
    return it == missed_.end() || it->second.due <= now_;
}

bool MissedIconFiles::AnyDue() const {
    return std::any_of(missed_.begin(), missed_.end(),
                       [this](const auto& entry) { return entry.second.due <= now_; });
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
        if (missed_.MayRead(iconPath)) {
            read = true;
            if (PicturePtr icon = shell_.LoadIconFile(iconPath, side_)) {
                iconFiles_.Put(iconPath, icon);
                missed_.Forget(iconPath);
                return icon;
            }
            missed_.Missed(iconPath);
        }
    }
    if (IsUrl(target)) {
        return standIn.url;
    }
    if (PicturePtr shared = shellIcons_.Find(target)) {
        return shared;
    }
    read = true;
    // The shell's lookup for a path that is gone gives some arbitrary icon,
    // so a missing target shows the blank page. That answer is not kept: the
    // target may come back.
    PicturePtr icon =
        TargetPresent(files_, target) ? shell_.AssociatedIcon(target, side_) : nullptr;
    if (!icon) {
        return standIn.unknown;
    }
    shellIcons_.Put(target, icon);
    return icon;
}

void ItemPictureSource::UseSide(int side) {
    if (side == side_) {
        return;
    }
    side_ = side;
    shellIcons_ = {};
    iconFiles_ = {};
}

ItemPictures::ItemPictures(Shell& shell, const FileSystem& files, ItemStore& items,
                           StockItemPictures stock, int iconSide)
    : shell_(shell),
      files_(files),
      items_(items),
      stock_(std::move(stock)),
      source_(shell, files, iconSide) {}

void ItemPictures::UseIconSide(int side, StockItemPictures stock, bool horizontal) {
    if (side == source_.Side()) {
        return;
    }
    source_.UseSide(side);
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
    const std::string folder = files_.ExeFolder();
    const int side = source_.Side();
    if (files_.FileExists(folder + "url.ico")) {
        PicturePtr url = shell_.LoadIconFile(folder + "url.ico", side);
        stock_.url = url ? url : stock_.unknown;
    }
    if (files_.FileExists(folder + "del.ico")) {
        if (PicturePtr separator = shell_.LoadIconFile(folder + "del.ico", side)) {
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
    for (int i = 0; i < items_.Count(); ++i) {
        const std::string& target = items_.Target(i);
        // Separators keep their glyph.
        if (target.empty() && !items_.Icon(i).empty()) {
            items_.SetIcon(i, std::string());
        }
        items_.SetPicture(i, First(target, items_.Icon(i), horizontal));
    }
}

void ItemPictures::CheckIcon(int index, bool refetch, bool horizontal) {
    if (!items_.IsItem(index)) {
        return;
    }
    if (items_.Target(index).empty() && !items_.Icon(index).empty()) {
        items_.SetIcon(index, std::string());  // separators keep their glyph
    }
    if (refetch) {
        // A file just chosen is read at once, missed before or not.
        Refetch(index, horizontal, true);
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

void ItemPictures::ResolveShown(int first, int shown, bool horizontal) {
    const bool lookAgain = source_.Missed().AnyDue();
    if (!pending_ && !lookAgain) {
        return;
    }
    const int last = std::min(items_.Count(), first + shown);
    for (int i = first; i < last; ++i) {
        if (items_.PicturePending(i)) {
            Resolve(i, horizontal);
        } else if (lookAgain && items_.IsItem(i)) {
            const std::string iconPath = IconPath(i);
            if (source_.Missed().Has(iconPath) && source_.Missed().MayRead(iconPath)) {
                Refetch(i, horizontal, false);
            }
        }
    }
}

void ItemPictures::ResolveIdle(int first, int fullyShown, bool horizontal) {
    source_.Missed().Tick();
    if (!pending_) {
        return;
    }
    const int count = items_.Count();
    // The next page first: paging forward is what the user does most.
    const int start = first + std::max(1, fullyShown);
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

void ItemPictures::Refetch(int index, bool horizontal, bool readNow) {
    const std::string iconPath = IconPath(index);
    const bool wasMissed = source_.Missed().Has(iconPath);
    if (readNow) {
        source_.Missed().Forget(iconPath);
    }
    bool read = false;
    items_.SetPicture(index, Fetch(index, horizontal, read));
    if (!wasMissed || source_.Missed().Has(iconPath)) {
        return;
    }
    for (int i = 0; i < items_.Count(); ++i) {
        if (i != index && !items_.Icon(i).empty() && IconPath(i) == iconPath) {
            items_.SetPicture(i, PendingPicture());
            pending_ = true;
        }
    }
}

StandInPictures ItemPictures::StandIns(bool horizontal) const {
    return {stock_.url, Separator(horizontal), stock_.unknown};
}

const PicturePtr& ItemPictures::Separator(bool horizontal) const {
    return horizontal ? stock_.rowSeparator : stock_.columnSeparator;
}

std::string ItemPictures::IconPath(int index) const {
    return ToExeAbsolutePath(items_.Icon(index), files_.ExeFolder());
}

bool TargetPresent(const FileSystem& files, const std::string& target) {
    const std::string_view name = std::string_view(target).substr(target.find_last_of("\\:") + 1);
    if (name.find('.') == std::string_view::npos) {
        return files.DirectoryExists(target);
    }
    return files.FileExists(target) || files.DirectoryExists(target);
}

}  // namespace pel
