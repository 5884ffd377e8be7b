#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Picture.h"

namespace pel {

// Stands in ImageList1 for a picture not fetched yet. It travels with its
// item through inserts and moves, draws nothing, and equals no real picture.
const PicturePtr& PendingPicture();

// Told of each change to the items after it is made: which items stand in
// the list, in what order, and what an item opens.
class ItemStoreListener {
  public:
    virtual void OnItemsRearranged() = 0;
    virtual void OnTargetChanged(int index) = 0;

  protected:
    ~ItemStoreListener() = default;
};

// The bar's items as three sequences kept in step: pictures (ImageList1),
// targets (ListCurr) and custom icon paths (ListIcons). Every change goes
// through here, so an index names the same item in all three. The grid's
// cell count follows Count() and lives with the grid.
class ItemStore {
  public:
    // An item as it stood at some moment, to be found again after the list
    // may have changed under a modal box. Not by its picture: a change of
    // display scale fetches every picture again meanwhile.
    struct Item {
        std::string target;
        std::string icon;
        bool operator==(const Item&) const = default;
    };

    [[nodiscard]] int Count() const { return static_cast<int>(targets_.size()); }
    [[nodiscard]] bool IsItem(int index) const { return index >= 0 && index < Count(); }

    // Item `index`; it must be an item.
    [[nodiscard]] const PicturePtr& Picture(int index) const { return pictures_[At(index)]; }
    [[nodiscard]] const std::string& Target(int index) const { return targets_[At(index)]; }
    [[nodiscard]] const std::string& Icon(int index) const { return icons_[At(index)]; }
    [[nodiscard]] Item ItemAt(int index) const { return {Target(index), Icon(index)}; }
    // Where `item` stands now, looking first at `formerIndex`; -1 when it is
    // gone. Items with the same target and icon are interchangeable.
    [[nodiscard]] int Find(const Item& item, int formerIndex) const;
    // The data file's two lists.
    [[nodiscard]] const std::vector<std::string>& Targets() const { return targets_; }
    [[nodiscard]] const std::vector<std::string>& Icons() const { return icons_; }

    // Each changes item `index` only; an index that is no item changes nothing.
    void SetPicture(int index, PicturePtr picture);
    void SetTarget(int index, std::string target);
    void SetIcon(int index, std::string icon);

    // Inserts at `position` (-1 or past the end appends).
    void Insert(int position, PicturePtr picture, std::string target, std::string icon);
    // A list read from the data file: targets with their icon paths (missing
    // ones empty, extra ones dropped), every picture null.
    void Assign(std::vector<std::string> targets, std::vector<std::string> icons);
    void Remove(int index);
    // Moves item `from` so that it ends at index `to`.
    void Move(int from, int to);
    void Clear();

    // One listener at most; null for none. It must outlive the store or be
    // taken off first.
    void SetListener(ItemStoreListener* listener) { listener_ = listener; }

    [[nodiscard]] bool PicturePending(int index) const {
        return IsItem(index) && pictures_[At(index)] == PendingPicture();
    }

  private:
    static std::size_t At(int index) { return static_cast<std::size_t>(index); }
    void Rearranged() const {
        if (listener_ != nullptr) {
            listener_->OnItemsRearranged();
        }
    }

    std::vector<PicturePtr> pictures_;
    std::vector<std::string> targets_;
    std::vector<std::string> icons_;
    ItemStoreListener* listener_ = nullptr;
};

// A target is a URL when it holds "http://" or "https://" anywhere.
bool IsUrl(std::string_view target);

}  // namespace pel
