#pragma once

#include <optional>
#include <string>

#include "platform/Geometry.h"

namespace pel {

// What a screen reader is told an element is, as the system's controls
// report themselves.
enum class AccessibleRole { ToolBar, PushButton, Separator, List, ListItem, ComboBox };

struct AccessibleState {
    bool focusable = false;
    bool focused = false;
    bool unavailable = false;  // disabled
    bool selectable = false;
    bool selected = false;
    bool expanded = false;   // a drop-down list that is down
    bool collapsed = false;  // one that is up
    bool invisible = false;
    friend bool operator==(const AccessibleState&, const AccessibleState&) = default;
};

// One element: the window's own object or one of its children.
struct AccessibleNode {
    AccessibleRole role = AccessibleRole::PushButton;
    std::string name;
    std::string description;
    std::string value;
    std::string defaultAction;  // empty: the element has none
    Rect location;              // on screen
    AccessibleState state;
};

// An element tree one level deep, read afresh at every question: a window's
// object and its children, counted from 0.
class AccessibleSource {
  public:
    virtual ~AccessibleSource() = default;
    [[nodiscard]] virtual AccessibleNode Self() const = 0;
    [[nodiscard]] virtual int ChildCount() const = 0;
    [[nodiscard]] virtual std::optional<AccessibleNode> Child(int index) const = 0;
    // The child at a screen point; -1 for none.
    [[nodiscard]] virtual int ChildAt(Point screen) const = 0;
    // The child that has the focus; -1 for none.
    [[nodiscard]] virtual int FocusedChild() const = 0;
    // Does what the child's default action says; false when it has none.
    virtual bool DoDefaultAction(int index) = 0;
};

// What the system is told about the bar's elements; `child` -1 is the bar.
enum class AccessibleEvent { Focus, Reorder, NameChange, Show, Hide };

enum class NavigateTo { Next, Previous, FirstChild, LastChild };

// Where a move among `count` children lands, from child `from` (-1: the
// parent, which has a first and last child but no neighbours); nullopt when
// there is nothing there.
[[nodiscard]] std::optional<int> NavigateChildren(int count, int from, NavigateTo direction);

}  // namespace pel
