#include <gtest/gtest.h>

#include "search/GridModel.h"

namespace {

// Three columns 30, 100 and 50 wide in a 200 × 100 client area; one fixed
// row and nine data rows of 20 pixels, each cell followed by a 1-pixel line.
// Right to left: column 0 takes x 170-199, column 1 69-168, column 2 18-67.
TGridModel Grid(bool rightToLeft = true) {
    TGridModel g(3, 10, 20, 1);
    g.RightToLeft = rightToLeft;
    g.SetColumnWidth(0, 30);
    g.SetColumnWidth(1, 100);
    g.SetColumnWidth(2, 50);
    g.SetClientSize(200, 100);
    return g;
}

TEST(GridModel, ColumnsRunFromTheRightInARightToLeftGrid) {
    const TGridModel g = Grid();
    EXPECT_EQ(g.CellRect(0, 0), (TGridRect{170, 0, 200, 20}));
    EXPECT_EQ(g.CellRect(1, 1), (TGridRect{69, 21, 169, 41}));
    EXPECT_EQ(g.CellRect(2, 2), (TGridRect{18, 42, 68, 62}));
    const TGridModel ltr = Grid(false);
    EXPECT_EQ(ltr.CellRect(0, 0), (TGridRect{0, 0, 30, 20}));
    EXPECT_EQ(ltr.CellRect(2, 1), (TGridRect{132, 21, 182, 41}));
}

TEST(GridModel, HitTestFindsCellsAndMissesLinesAndEmptySpace) {
    TGridModel g = Grid();
    struct Case {
        int x, y, top;
        TGridCell hit;
    };
    const Case cases[] = {
        {199, 0, 1, {0, 0}},    // the header of column 0, at the right edge
        {170, 19, 1, {0, 0}},   // its last pixel
        {169, 5, 1, {}},        // the line between columns 0 and 1
        {100, 21, 1, {1, 1}},   // first data row
        {100, 20, 1, {}},       // the line under the header
        {10, 30, 1, {}},        // past the last column, on the left
        {18, 99, 1, {2, 4}},    // the partly shown fifth row
        {199, 25, 5, {0, 5}},   // scrolled: the first data row shown is row 5
        {199, 10, 5, {0, 0}},   // the fixed row never scrolls
        {200, 10, 1, {}},       // outside the client area
    };
    for (const Case& c : cases) {
        g.SetTopRow(c.top);
        EXPECT_EQ(g.HitTest(c.x, c.y), c.hit) << c.x << "," << c.y << " top " << c.top;
    }
}

TEST(GridModel, ScrollingStopsWhenTheLastRowIsShownWhole) {
    TGridModel g = Grid();
    // Header 21 pixels, room 79 for rows of 21: three whole rows.
    EXPECT_EQ(g.MaxTopRow(), 7);
    EXPECT_TRUE(g.SetTopRow(100));
    EXPECT_EQ(g.TopRow(), 7);
    EXPECT_EQ(g.LastVisibleRow(), 9);
    EXPECT_FALSE(g.SetTopRow(7));
    g.SetTopRow(-3);
    EXPECT_EQ(g.TopRow(), 1);  // never into the fixed rows
    EXPECT_EQ(g.LastVisibleRow(), 4);  // 1-3 whole, 4 cut off
    EXPECT_EQ(g.CellRect(0, 4).Top, 84);

    // Rows measured taller: fewer fit, the limit moves down.
    g.SetRowHeight(8, 40);
    EXPECT_EQ(g.MaxTopRow(), 8);
    // A last row taller than the room may still be reached.
    g.SetRowHeight(9, 90);
    EXPECT_EQ(g.MaxTopRow(), 9);
    // The line under the last row may fall outside the client area.
    g.SetRowHeight(9, 20);
    g.SetRowHeight(8, 20);
    g.SetClientSize(200, 21 + 3 * 21 - 1);
    EXPECT_EQ(g.MaxTopRow(), 7);
    // Everything fits: no scrolling at all.
    g.SetClientSize(200, 1000);
    EXPECT_EQ(g.MaxTopRow(), 1);
    EXPECT_FALSE(g.ScrollBar().Needed);
}

TEST(GridModel, ScrollBarReachesExactlyTheLastTopRow) {
    TGridModel g = Grid();
    TGridScrollBar bar = g.ScrollBar();
    EXPECT_TRUE(bar.Needed);
    EXPECT_EQ(bar.Position, 0);
    EXPECT_EQ(bar.Page, 3);
    g.SetTopRow(g.MaxTopRow());
    bar = g.ScrollBar();
    EXPECT_EQ(bar.Position, bar.Max - bar.Page + 1);
    EXPECT_EQ(bar.Position, 6);
}

TEST(GridModel, RowsOutOfSightHaveNoRectangle) {
    TGridModel g = Grid();
    g.SetTopRow(5);
    EXPECT_TRUE(g.CellRect(0, 4).Empty());  // scrolled away above
    EXPECT_FALSE(g.CellRect(0, 5).Empty());
    g.SetTopRow(1);
    EXPECT_TRUE(g.CellRect(0, 5).Empty());  // below the client area
    EXPECT_TRUE(g.CellRect(3, 1).Empty());  // no such column
}

TEST(GridModel, SelectionRules) {
    TGridModel g = Grid();
    g.RowSelect = true;
    EXPECT_FALSE(g.Select({1, 0}));  // the header row
    EXPECT_TRUE(g.Select({2, 3}));
    EXPECT_TRUE(g.IsSelected(0, 3));  // whole row
    EXPECT_FALSE(g.IsSelected(0, 4));
    g.Selectable = false;  // a grid without results
    EXPECT_FALSE(g.Select({1, 4}));
    EXPECT_EQ(g.Selected(), (TGridCell{2, 3}));
    EXPECT_FALSE(g.MoveSelection(1, 0));

    TGridModel cells = Grid();
    cells.Select({1, 2});
    EXPECT_TRUE(cells.IsSelected(1, 2));
    EXPECT_FALSE(cells.IsSelected(0, 2));
}

TEST(GridModel, KeysMoveTheSelectionWithinTheRowsAndScrollItIntoView) {
    TGridModel g = Grid();
    g.RowSelect = true;
    EXPECT_TRUE(g.MoveSelection(1, 0));  // nothing selected: the first data row
    EXPECT_EQ(g.Selected().Row, 1);
    EXPECT_FALSE(g.MoveSelection(-1, 0));  // not into the header
    g.MoveSelection(5, 0);
    EXPECT_EQ(g.Selected().Row, 6);
    EXPECT_EQ(g.TopRow(), 4);  // rows 4-6 shown whole
    g.MoveSelection(100, 0);
    EXPECT_EQ(g.Selected().Row, 9);
    EXPECT_EQ(g.TopRow(), 7);
    g.MoveSelection(-8, 0);
    EXPECT_EQ(g.Selected().Row, 1);
    EXPECT_EQ(g.TopRow(), 1);
    g.MoveSelection(0, 5);
    EXPECT_EQ(g.Selected().Col, 2);
}

TEST(GridModel, FewerRowsKeepTheSelectionAndTopRowInside) {
    TGridModel g = Grid();
    g.Select({0, 8});
    g.SetTopRow(7);
    g.SetRowHeight(2, 30);
    g.SetRowCount(4);
    EXPECT_FALSE(g.HasSelection());
    EXPECT_EQ(g.TopRow(), 1);
    EXPECT_EQ(g.RowHeight(2), 30);  // rows that stay keep their heights
    g.SetRowCount(6);
    EXPECT_EQ(g.RowHeight(5), 20);
    g.ResetRowHeights();
    EXPECT_EQ(g.RowHeight(2), 20);
}

}  // namespace
