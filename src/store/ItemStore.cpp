#include "store/ItemStore.h"

#include <algorithm>
#include <memory>

namespace pel {

namespace {

template <typename T>
void InsertAt(std::vector<T>& list, int position, T value) {
    if (position < 0 || position > static_cast<int>(list.size())) {
        list.push_back(std::move(value));
    } else {
        list.insert(list.begin() + position, std::move(value));
    }
}

template <typename T>
void MoveEntry(std::vector<T>& list, int from, int to) {
    const int n = static_cast<int>(list.size());
    if (from < 0 || from >= n || to < 0 || to >= n || from == to) {
        return;
    }
    if (from < to) {
        std::rotate(list.begin() + from, list.begin() + from + 1, list.begin() + to + 1);
    } else {
        std::rotate(list.begin() + to, list.begin() + from, list.begin() + from + 1);
    }
}

template <typename T>
void RemoveAt(std::vector<T>& list, int index) {
    if (index >= 0 && index < static_cast<int>(list.size())) {
        list.erase(list.begin() + index);
    }
}

// The marker's type; nothing draws it.
class PendingMarker final : public Picture {};

}  // namespace

const PicturePtr& PendingPicture() {
    static const PicturePtr marker = std::make_shared<const PendingMarker>();
    return marker;
}

void ItemStore::Insert(int position, PicturePtr picture, std::string target, std::string icon) {
    InsertPicture(position, std::move(picture));
    InsertEntry(position, std::move(target), std::move(icon));
}

void ItemStore::InsertEntry(int position, std::string target, std::string icon) {
    InsertAt(ListCurr, position, std::move(target));
    InsertAt(ListIcons, position, std::move(icon));
}

void ItemStore::InsertPicture(int position, PicturePtr picture) {
    InsertAt(ImageList1, position, std::move(picture));
}

void ItemStore::Remove(int index) {
    RemoveAt(ImageList1, index);
    RemoveAt(ListCurr, index);
    RemoveAt(ListIcons, index);
}

void ItemStore::Move(int from, int to) {
    MoveEntry(ImageList1, from, to);
    MoveEntry(ListCurr, from, to);
    MoveEntry(ListIcons, from, to);
}

void ItemStore::Clear() {
    ImageList1.clear();
    ListCurr.clear();
    ListIcons.clear();
}

bool IsUrl(std::string_view target) {
    return target.find("http://") != std::string_view::npos ||
           target.find("https://") != std::string_view::npos;
}

}  // namespace pel
