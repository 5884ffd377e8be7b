#pragma once

#include <string>
#include <vector>

#include "platform/Geometry.h"

namespace pel {

constexpr int kCellSize = 36;
constexpr int kIconSize = 32;
constexpr int kIconMargin = 2;
constexpr int kBarThickness = 36;
constexpr int kScrollPanelLength = 20;

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

// The owner-drawn string grid: cells carry no text, only a current cell and
// a scroll offset (first visible column and row).
class GridModel {
  public:
    Rect bounds;  // in the bar's client coordinates
    bool focused = false;

    [[nodiscard]] int ColCount() const { return colCount_; }
    [[nodiscard]] int RowCount() const { return rowCount_; }
    [[nodiscard]] int Col() const { return col_; }
    [[nodiscard]] int Row() const { return row_; }
    [[nodiscard]] int LeftCol() const { return leftCol_; }
    [[nodiscard]] int TopRow() const { return topRow_; }

    // A grid never has fewer than one column or row.
    void SetColCount(int n);
    void SetRowCount(int n);
    // Moves the current cell (clamped) and scrolls just enough to show it.
    void SetCurrent(int col, int row);
    // Makes (leftCol, topRow) the first cell shown as far as the counts
    // allow, then scrolls just enough to show the current cell.
    void ScrollTo(int leftCol, int topRow);

    // Fully visible columns and rows (at least one).
    [[nodiscard]] int VisibleColCount() const;
    [[nodiscard]] int VisibleRowCount() const;

    // Cell under a point in grid coordinates; {-1, -1} when none.
    [[nodiscard]] Point MouseToCell(Point p) const;
    // Cell rectangle in grid coordinates; empty when the cell is not shown.
    [[nodiscard]] Rect CellRect(int col, int row) const;

  private:
    void ScrollInView();

    int colCount_ = 2;
    int rowCount_ = 1;
    int col_ = 0;
    int row_ = 0;
    int leftCol_ = 0;
    int topRow_ = 0;
};

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
