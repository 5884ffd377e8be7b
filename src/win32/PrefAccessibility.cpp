#include "win32/PrefAccessibility.h"

#include "win32/PrefColors.h"
#include "win32/PrefWindow.h"
#include "win32/Utf.h"

namespace pel::win32::pref {

namespace {

Rect ScreenRect(HWND window, RECT r) {
    ::MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return Rect{r.left, r.top, r.right, r.bottom};
}

bool HasFocus(HWND window) {
    const HWND focus = ::GetFocus();
    return focus != nullptr && (focus == window || ::IsChild(window, focus));
}

}  // namespace

AccessibleNode PageSelectorSource::Self() const {
    AccessibleNode node;
    node.role = AccessibleRole::List;
    node.state.focusable = true;
    node.state.unavailable = ::IsWindowEnabled(list_) == FALSE;
    return node;
}

std::optional<AccessibleNode> PageSelectorSource::Child(int index) const {
    if (index < 0 || index >= TDlgPref::kPageCount) {
        return std::nullopt;
    }
    AccessibleNode node;
    node.role = AccessibleRole::ListItem;
    node.name = model_.Frame().pageTitles[static_cast<std::size_t>(index)];
    node.state.focusable = true;
    node.state.selectable = true;
    node.state.selected = index == model_.Page();
    node.state.focused = node.state.selected && HasFocus(list_);
    RECT item{};
    if (::SendMessageW(list_, LB_GETITEMRECT, static_cast<WPARAM>(index),
                       reinterpret_cast<LPARAM>(&item)) != LB_ERR) {
        node.location = ScreenRect(list_, item);
    }
    return node;
}

int PageSelectorSource::ChildAt(Point screen) const {
    for (int i = 0; i < TDlgPref::kPageCount; ++i) {
        if (Child(i)->location.Contains(screen)) {
            return i;
        }
    }
    return -1;
}

int PageSelectorSource::FocusedChild() const {
    return HasFocus(list_) ? model_.Page() : -1;
}

AccessibleNode DrawnListSource::Self() const {
    AccessibleNode node;
    node.role = AccessibleRole::ComboBox;
    node.name = name_();
    node.value = value_();
    node.state.focusable = true;
    node.state.unavailable = ::IsWindowEnabled(combo_) == FALSE;
    const bool dropped = ::SendMessageW(combo_, CB_GETDROPPEDSTATE, 0, 0) != 0;
    node.state.expanded = dropped;
    node.state.collapsed = !dropped;
    return node;
}

int DrawnListSource::ChildCount() const {
    const LRESULT count = ::SendMessageW(combo_, CB_GETCOUNT, 0, 0);
    return count > 0 ? static_cast<int>(count) : 0;
}

std::optional<AccessibleNode> DrawnListSource::Child(int index) const {
    if (index < 0 || index >= ChildCount()) {
        return std::nullopt;
    }
    AccessibleNode node;
    node.role = AccessibleRole::ListItem;
    node.name = ToUtf8(ComboItemText(combo_, static_cast<UINT>(index)));
    node.state.selectable = true;
    node.state.selected = ::SendMessageW(combo_, CB_GETCURSEL, 0, 0) == index;
    // Only the choice shows while the list is up; it stands in the box.
    const bool dropped = ::SendMessageW(combo_, CB_GETDROPPEDSTATE, 0, 0) != 0;
    node.state.invisible = !dropped && !node.state.selected;
    RECT box{};
    ::GetClientRect(combo_, &box);
    node.location = ScreenRect(combo_, box);
    return node;
}

std::string ColorValueText(const ColorPicker& picker) {
    const std::vector<ColorEntry> entries = PickerEntries(picker.systemColors);
    const ColorEntry& entry = entries[EntryFor(entries, picker.Selected())];
    if (!entry.custom) {
        return entry.name;
    }
    const Color c = picker.Selected();
    return "RGB(" + std::to_string(c & 0xFF) + ", " + std::to_string((c >> 8) & 0xFF) + ", " +
           std::to_string((c >> 16) & 0xFF) + ")";
}

}  // namespace pel::win32::pref
