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

int ItemStore::Find(const Item& item, int formerIndex) const {
    if (IsItem(formerIndex) && ItemAt(formerIndex) == item) {
        return formerIndex;
    }
    for (int i = 0; i < Count(); ++i) {
        if (ItemAt(i) == item) {
            return i;
        }
    }
    return -1;
}

void ItemStore::SetPicture(int index, PicturePtr picture) {
    if (IsItem(index)) {
        pictures_[At(index)] = std::move(picture);
    }
}

void ItemStore::SetTarget(int index, std::string target) {
    if (IsItem(index) && targets_[At(index)] != target) {
        targets_[At(index)] = std::move(target);
        if (listener_ != nullptr) {
            listener_->OnTargetChanged(index);
        }
    }
}

void ItemStore::SetIcon(int index, std::string icon) {
    if (IsItem(index)) {
        icons_[At(index)] = std::move(icon);
    }
}

void ItemStore::Insert(int position, PicturePtr picture, std::string target, std::string icon) {
    InsertAt(pictures_, position, std::move(picture));
    InsertAt(targets_, position, std::move(target));
    InsertAt(icons_, position, std::move(icon));
    Rearranged();
}

void ItemStore::Assign(std::vector<std::string> targets, std::vector<std::string> icons) {
    targets_ = std::move(targets);
    icons_ = std::move(icons);
    icons_.resize(targets_.size());
    pictures_.assign(targets_.size(), nullptr);
    Rearranged();
}

void ItemStore::Remove(int index) {
    RemoveAt(pictures_, index);
    RemoveAt(targets_, index);
    RemoveAt(icons_, index);
    Rearranged();
}

void ItemStore::Move(int from, int to) {
    MoveEntry(pictures_, from, to);
    MoveEntry(targets_, from, to);
    MoveEntry(icons_, from, to);
    Rearranged();
}

void ItemStore::Clear() {
    pictures_.clear();
    targets_.clear();
    icons_.clear();
    Rearranged();
}

bool IsUrl(std::string_view target) {
    return target.find("http://") != std::string_view::npos ||
           target.find("https://") != std::string_view::npos;
}

}  // namespace pel
