#include <algorithm>

#include "bar/GridModel.h"

namespace pel {

void GridModel::SetColCount(int n) {
    colCount_ = std::max(1, n);
    col_ = std::min(col_, colCount_ - 1);
    leftCol_ = std::clamp(leftCol_, 0, std::max(0, colCount_ - VisibleColCount()));
    ScrollInView();
}

void GridModel::SetRowCount(int n) {
    rowCount_ = std::max(1, n);
    row_ = std::min(row_, rowCount_ - 1);
    topRow_ = std::clamp(topRow_, 0, std::max(0, rowCount_ - VisibleRowCount()));
    ScrollInView();
}

void GridModel::SetCurrent(int col, int row) {
    col_ = std::clamp(col, 0, colCount_ - 1);
    row_ = std::clamp(row, 0, rowCount_ - 1);
    ScrollInView();
}

void GridModel::ScrollTo(int leftCol, int topRow) {
    leftCol_ = std::clamp(leftCol, 0, std::max(0, colCount_ - VisibleColCount()));
    topRow_ = std::clamp(topRow, 0, std::max(0, rowCount_ - VisibleRowCount()));
    ScrollInView();
}

int GridModel::VisibleColCount() const {
    return std::max(1, bounds.Width() / cellSize);
}

int GridModel::VisibleRowCount() const {
    return std::max(1, bounds.Height() / cellSize);
}

void GridModel::ScrollInView() {
    if (col_ < leftCol_) {
        leftCol_ = col_;
    } else if (col_ >= leftCol_ + VisibleColCount()) {
        leftCol_ = col_ - VisibleColCount() + 1;
    }
    if (row_ < topRow_) {
        topRow_ = row_;
    } else if (row_ >= topRow_ + VisibleRowCount()) {
        topRow_ = row_ - VisibleRowCount() + 1;
    }
}

Point GridModel::MouseToCell(Point p) const {
    if (p.x < 0 || p.y < 0 || p.x >= bounds.Width() || p.y >= bounds.Height()) {
        return {-1, -1};
    }
    const int col = leftCol_ + p.x / cellSize;
    const int row = topRow_ + p.y / cellSize;
    if (col >= colCount_ || row >= rowCount_) {
        return {-1, -1};
    }
    return {col, row};
}

Rect GridModel::CellRect(int col, int row) const {
    if (col < leftCol_ || row < topRow_ || col >= colCount_ || row >= rowCount_) {
        return {};
    }
    const int x = (col - leftCol_) * cellSize;
    const int y = (row - topRow_) * cellSize;
    if (x >= bounds.Width() || y >= bounds.Height()) {
        return {};
    }
    return Rect::FromSize(x, y, cellSize, cellSize);
}

}  // namespace pel
