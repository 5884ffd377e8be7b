#include <gtest/gtest.h>

#include "bar/GridModel.h"

namespace pel {
namespace {

GridModel RowGrid(int visibleCells, int cells) {
    GridModel grid;
    grid.bounds = Rect::FromSize(20, 0, visibleCells * kCellSize, kCellSize);
    grid.SetColCount(cells);
    return grid;
}

TEST(GridModel, NeverHasFewerThanOneCell) {
    GridModel grid;
    grid.SetColCount(0);
    grid.SetRowCount(-3);
    EXPECT_EQ(grid.ColCount(), 1);
    EXPECT_EQ(grid.RowCount(), 1);
    EXPECT_EQ(grid.Col(), 0);
}

TEST(GridModel, MovingTheCurrentCellScrollsJustEnoughToShowIt) {
    GridModel grid = RowGrid(12, 30);
    grid.SetCurrent(11, 0);
    EXPECT_EQ(grid.LeftCol(), 0);
    grid.SetCurrent(22, 0);
    EXPECT_EQ(grid.LeftCol(), 11);
    grid.SetCurrent(29, 0);
    EXPECT_EQ(grid.LeftCol(), 18);
    grid.SetCurrent(11, 0);
    EXPECT_EQ(grid.LeftCol(), 11);
    grid.SetCurrent(0, 0);
    EXPECT_EQ(grid.LeftCol(), 0);
    grid.SetCurrent(99, 5);
    EXPECT_EQ(grid.Col(), 29);
    EXPECT_EQ(grid.Row(), 0);
}

TEST(GridModel, MouseToCellCountsFromTheFirstVisibleCell) {
    GridModel grid = RowGrid(4, 10);
    EXPECT_EQ(grid.MouseToCell({0, 0}), (Point{0, 0}));
    EXPECT_EQ(grid.MouseToCell({35, 35}), (Point{0, 0}));
    EXPECT_EQ(grid.MouseToCell({36, 10}), (Point{1, 0}));
    grid.SetCurrent(6, 0);
    EXPECT_EQ(grid.MouseToCell({0, 0}), (Point{3, 0}));
    EXPECT_EQ(grid.MouseToCell({-1, 0}), (Point{-1, -1}));
    EXPECT_EQ(grid.MouseToCell({4 * kCellSize, 0}), (Point{-1, -1}));
    EXPECT_EQ(grid.MouseToCell({0, kCellSize}), (Point{-1, -1}));
}

TEST(GridModel, CellsPastTheLastItemAreNoCells) {
    GridModel grid = RowGrid(12, 5);
    EXPECT_EQ(grid.MouseToCell({5 * kCellSize + 3, 3}), (Point{-1, -1}));
    EXPECT_EQ(grid.CellRect(4, 0), Rect::FromSize(4 * kCellSize, 0, kCellSize, kCellSize));
    EXPECT_EQ(grid.CellRect(5, 0), Rect{});
}

TEST(GridModel, ShrinkingKeepsTheCurrentCellInside) {
    GridModel grid = RowGrid(3, 10);
    grid.SetCurrent(9, 0);
    grid.SetColCount(4);
    EXPECT_EQ(grid.Col(), 3);
    EXPECT_EQ(grid.LeftCol(), 1);
    grid.SetColCount(2);
    EXPECT_EQ(grid.LeftCol(), 0);
}

}  // namespace
}  // namespace pel
