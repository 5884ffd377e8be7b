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

// The bar's items as three sequences kept in step: pictures (ImageList1),
// targets (ListCurr) and custom icon paths (ListIcons). The grid's cell
// count follows the picture count and lives with the grid.
class ItemStore {
  public:
    std::vector<PicturePtr> ImageList1;
    std::vector<std::string> ListCurr;
    std::vector<std::string> ListIcons;

    [[nodiscard]] int Count() const { return static_cast<int>(ImageList1.size()); }
    [[nodiscard]] bool IsItem(int index) const {
        return index >= 0 && index < static_cast<int>(ListCurr.size());
    }

    // Inserts at `position` (-1 or past the end appends) in all three lists.
    void Insert(int position, PicturePtr picture, std::string target, std::string icon);
    void InsertPicture(int position, PicturePtr picture);
    // The target and icon entries of an item whose picture is added apart.
    void InsertEntry(int position, std::string target, std::string icon);
    void Remove(int index);
    // Moves entry `from` so that it ends at index `to`, in all three lists.
    void Move(int from, int to);
    void Clear();

    [[nodiscard]] bool PicturePending(int index) const {
        return index >= 0 && index < Count() &&
               ImageList1[static_cast<std::size_t>(index)] == PendingPicture();
    }
};

// A target is a URL when it holds "http://" or "https://" anywhere.
bool IsUrl(std::string_view target);

}  // namespace pel
