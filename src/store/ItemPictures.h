#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <unordered_map>

#include "platform/Picture.h"
#include "platform/Platform.h"

namespace pel {

// Pictures by what they were made from. An entry never keeps its picture
// alive: a picture is shared for as long as some item shows it.
class PictureCache {
  public:
    [[nodiscard]] PicturePtr Find(const std::string& key) const;
    void Put(const std::string& key, const PicturePtr& picture);
    [[nodiscard]] std::size_t Size() const { return entries_.size(); }

  private:
    std::unordered_map<std::string, std::weak_ptr<const Picture>> entries_;
    std::size_t live_ = 0;  // entries left by the last sweep of expired ones
};

// The bar's own pictures that stand in for an item's.
struct StandInPictures {
    const PicturePtr& url;
    const PicturePtr& separator;
    const PicturePtr& unknown;  // a target that is gone
};

// Reads item pictures from the shell and from icon files: each target and
// each icon file once, however many items show it.
class ItemPictureSource {
  public:
    explicit ItemPictureSource(Platform& platform) : platform_(platform) {}

    // What an item with this target and icon file (an absolute path, or
    // empty) shows. `read` tells whether the shell or a file was asked.
    PicturePtr Fetch(const std::string& target, const std::string& iconPath,
                     const StandInPictures& standIn, bool& read);

  private:
    Platform& platform_;
    PictureCache shell_;      // by target
    PictureCache iconFiles_;  // by icon file path
};

// A target without an extension only counts as present when it is a folder.
bool TargetPresent(const Platform& platform, const std::string& target);

}  // namespace pel
