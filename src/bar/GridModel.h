#pragma once

#include "bar/BarMetrics.h"
#include "platform/Geometry.h"

namespace pel {

// The owner-drawn string grid: cells carry no text, only a current cell and
// a scroll offset (first visible column and row).
class GridModel {
  public:
    Rect bounds;               // in the bar's client coordinates
    int cellSize = kCellSize;  // square cells, in pixels of the bar's scale
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

}  // namespace pel
