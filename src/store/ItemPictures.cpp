#include "store/ItemPictures.h"

#include <string_view>

#include "store/ItemStore.h"

namespace pel {

namespace {

// Expired entries are swept once the map has grown this far past the live
// ones, so a long session of changing items does not keep every key it saw.
constexpr std::size_t kSweepSlack = 64;

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
        if (PicturePtr icon = platform_.LoadIconFile(iconPath)) {
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
    PicturePtr icon = TargetPresent(platform_, target) ? platform_.AssociatedIcon(target) : nullptr;
    if (!icon) {
        return standIn.unknown;
    }
    shell_.Put(target, icon);
    return icon;
}

bool TargetPresent(const Platform& platform, const std::string& target) {
    const std::string_view name = std::string_view(target).substr(target.find_last_of("\\:") + 1);
    if (name.find('.') == std::string_view::npos) {
        return platform.DirectoryExists(target);
    }
    return platform.FileExists(target) || platform.DirectoryExists(target);
}

}  // namespace pel
