#include "interaction/BarAccessibility.h"

#include <algorithm>

#include "platform/WindowNames.h"
#include "texts/LanguageTables.h"

namespace pel {

AccessibleNode BarAccessibility::Self() const {
    AccessibleNode node;
    node.role = AccessibleRole::ToolBar;
    node.name = kApplicationTitle;
    node.state.focusable = true;
    return node;
}

std::vector<BarAccessibility::Element> BarAccessibility::Elements() const {
    const GridModel& grid = host_.AccessibleGrid();
    const bool row = host_.RunsAlongRow();
    std::vector<Element> elements;
    elements.push_back({Element::Kind::Back, -1, host_.ScrollButtonRect(false)});
    elements.push_back({Element::Kind::Forward, -1, host_.ScrollButtonRect(true)});
    const int count = row ? grid.ColCount() : grid.RowCount();
    for (int item = FirstShownCell(); item < count && items_.IsItem(item); ++item) {
        const Rect cell = row ? grid.CellRect(item, grid.Row()) : grid.CellRect(grid.Col(), item);
        if (cell.Width() == 0 || cell.Height() == 0) {
            break;  // past the last cell on show
        }
        elements.push_back({Element::Kind::Cell, item,
                            Rect{cell.left + grid.bounds.left, cell.top + grid.bounds.top,
                                 cell.right + grid.bounds.left, cell.bottom + grid.bounds.top}});
    }
    // Where the buttons stand depends on the button-position setting; a
    // reader walks the children in the order the eye would.
    std::stable_sort(elements.begin(), elements.end(), [row](const Element& a, const Element& b) {
        return row ? a.client.left < b.client.left : a.client.top < b.client.top;
    });
    return elements;
}

int BarAccessibility::ChildCount() const {
    return static_cast<int>(Elements().size());
}

std::optional<AccessibleNode> BarAccessibility::Child(int index) const {
    const std::vector<Element> elements = Elements();
    if (index < 0 || index >= static_cast<int>(elements.size())) {
        return std::nullopt;
    }
    const Element& element = elements[static_cast<std::size_t>(index)];
    const int language = host_.ShownLanguage();
    AccessibleNode node;
    node.location = OnScreen(element.client);
    if (element.kind == Element::Kind::Cell) {
        const std::string& target = items_.Target(element.item);
        const bool separator = target.empty();
        node.role = separator ? AccessibleRole::Separator : AccessibleRole::PushButton;
        node.name = host_.ItemName(element.item);
        node.description = target;
        if (!separator) {
            node.defaultAction = std::string(texts::kOpenAction.Assigned(language));
        }
        node.state.focusable = true;
        node.state.focused = element.item == CurrentItem();
        return node;
    }
    const bool forward = element.kind == Element::Kind::Forward;
    const bool row = host_.RunsAlongRow();
    const Phrase& name = forward ? (row ? texts::kScrollRight : texts::kScrollDown)
                                 : (row ? texts::kScrollLeft : texts::kScrollUp);
    node.role = AccessibleRole::PushButton;
    node.name = std::string(name.Assigned(language));
    node.defaultAction = std::string(texts::kPressAction.Assigned(language));
    node.state.unavailable = !host_.ScrollButtonEnabled(forward);
    return node;
}

int BarAccessibility::ChildAt(Point screen) const {
    const std::vector<Element> elements = Elements();
    for (std::size_t i = 0; i < elements.size(); ++i) {
        if (OnScreen(elements[i].client).Contains(screen)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int BarAccessibility::FocusedChild() const {
    return ChildOfItem(CurrentItem());
}

bool BarAccessibility::DoDefaultAction(int index) {
    const std::vector<Element> elements = Elements();
    if (index < 0 || index >= static_cast<int>(elements.size())) {
        return false;
    }
    const Element& element = elements[static_cast<std::size_t>(index)];
    if (element.kind == Element::Kind::Cell) {
        if (items_.Target(element.item).empty()) {
            return false;  // a separator opens nothing
        }
        host_.OpenItem(element.item);
        return true;
    }
    const bool forward = element.kind == Element::Kind::Forward;
    // A disabled button takes no click, and so no action.
    if (!host_.ScrollButtonEnabled(forward)) {
        return false;
    }
    host_.PressScrollButton(forward);
    return true;
}

void BarAccessibility::CurrentCellMoved() {
    const int first = FirstShownCell();
    if (first != toldFirstShown_) {
        toldFirstShown_ = first;
        window_.NotifyAccessible(AccessibleEvent::Reorder, -1);
    }
    const int current = CurrentItem();
    if (current != toldCurrent_) {
        toldCurrent_ = current;
        // The pointer moves the current cell too; only keys and clicks,
        // which the focus comes with, move the keyboard focus.
        if (host_.AccessibleGrid().focused) {
            TellFocus();
        }
    }
}

void BarAccessibility::FocusGained() {
    toldCurrent_ = CurrentItem();
    TellFocus();
}

void BarAccessibility::TellFocus() const {
    const int child = ChildOfItem(CurrentItem());
    if (child != -1) {
        window_.NotifyAccessible(AccessibleEvent::Focus, child);
    }
}

void BarAccessibility::OnItemsRearranged() {
    window_.NotifyAccessible(AccessibleEvent::Reorder, -1);
}

void BarAccessibility::OnTargetChanged(int index) {
    const int child = ChildOfItem(index);
    if (child != -1) {
        window_.NotifyAccessible(AccessibleEvent::NameChange, child);
    }
}

int BarAccessibility::CurrentItem() const {
    const GridModel& grid = host_.AccessibleGrid();
    const int item = host_.RunsAlongRow() ? grid.Col() : grid.Row();
    return items_.IsItem(item) ? item : -1;
}

int BarAccessibility::FirstShownCell() const {
    const GridModel& grid = host_.AccessibleGrid();
    return host_.RunsAlongRow() ? grid.LeftCol() : grid.TopRow();
}

int BarAccessibility::ChildOfItem(int item) const {
    if (item == -1) {
        return -1;
    }
    const std::vector<Element> elements = Elements();
    for (std::size_t i = 0; i < elements.size(); ++i) {
        if (elements[i].kind == Element::Kind::Cell && elements[i].item == item) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

Rect BarAccessibility::OnScreen(const Rect& client) const {
    const Point origin = host_.ClientOriginOnScreen();
    return Rect{client.left + origin.x, client.top + origin.y, client.right + origin.x,
                client.bottom + origin.y};
}

}  // namespace pel
