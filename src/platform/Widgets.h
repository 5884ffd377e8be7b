#pragma once

#include <string>
#include <vector>

#include "platform/Geometry.h"

namespace pel {

// Mouse buttons and modifier keys of a pointer event.
struct ShiftState {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
    bool left = false;
    bool right = false;
    bool middle = false;
    bool doubleClick = false;

    // Exactly the left button: no key, no other button, not a double click.
    [[nodiscard]] bool LeftAlone() const {
        return left && !shift && !ctrl && !alt && !right && !middle && !doubleClick;
    }
};

enum class MouseButton { Left, Right, Middle };

struct PanelModel {
    Rect bounds;  // in the bar's client coordinates
};

struct SpeedButtonModel {
    Rect bounds;  // in its panel's coordinates
    bool enabled = false;
    int glyph = -1;  // index into the glyph list, -1 when released
};

// A context-menu item. The two check marks are not kept here: the menu shows
// the settings the bar shows.
struct MenuItemModel {
    int id = 0;
    std::string caption;
    bool enabled = true;
};

// A text label of the hint window.
struct LabelModel {
    Point position;
    std::string caption;
    std::string fontName;
    int fontSize = 0;
    unsigned char fontStyle = 0;
    Color color = 0;
};

}  // namespace pel

namespace pel {

// Virtual-key codes the bar reacts to (the values Windows uses).
enum VirtualKey : int {
    kVkPrior = 0x21,
    kVkNext = 0x22,
    kVkEnd = 0x23,
    kVkHome = 0x24,
    kVkLeft = 0x25,
    kVkUp = 0x26,
    kVkRight = 0x27,
    kVkDown = 0x28,
};

}  // namespace pel
