#pragma once
// The model of a string grid as the search results and both views of the
// index show it: columns of fixed widths, rows of their own heights, fixed
// rows at the top that never scroll, a scroll offset counted in whole rows,
// a selected cell (or whole row) and hit testing. It holds no texts: the
// window that owns the grid draws each cell itself.
//
// Coordinates are client pixels of the grid control, which is never mirrored
// itself. In a right-to-left grid column 0 stands at the right edge. Every
// cell is followed by one grid line (LineWidth) to its far side and below it.
#include <vector>

struct TGridRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    bool Empty() const { return Right <= Left || Bottom <= Top; }
    bool operator==(const TGridRect&) const = default;
};

struct TGridCell {
    int Col = -1, Row = -1;
    bool Valid() const { return Col >= 0 && Row >= 0; }
    bool operator==(const TGridCell&) const = default;
};

// What the vertical scroll bar shows: positions 0 .. Max - Page + 1.
struct TGridScrollBar {
    int Max = 0, Page = 1, Position = 0;
    bool Needed = false;  // some row lies beyond the client area
    bool operator==(const TGridScrollBar&) const = default;
};

class TGridModel {
public:
    TGridModel(int columns, int rows, int defaultRowHeight, int fixedRows);

    bool RightToLeft = true;
    bool RowSelect = false;  // a click or a key selects the whole row
    int LineWidth = 1;

    int ColumnCount() const { return int(FWidths.size()); }
    int ColumnWidth(int col) const;
    void SetColumnWidth(int col, int width);

    int FixedRows() const { return FFixedRows; }
    int RowCount() const { return int(FHeights.size()); }
    // New rows get the default height; rows that stay keep theirs. The
    // selection and the scroll offset are kept within the new rows.
    void SetRowCount(int rows);
    int DefaultRowHeight() const { return FDefaultRowHeight; }
    // A new default height (the window's DPI changed), and every row back to it.
    void SetDefaultRowHeight(int height) {
        FDefaultRowHeight = height;
        ResetRowHeights();
    }
    // Every row back to the default height.
    void ResetRowHeights();
    int RowHeight(int row) const;
    void SetRowHeight(int row, int height);

    void SetClientSize(int width, int height);
    int ClientWidth() const { return FClientWidth; }
    int ClientHeight() const { return FClientHeight; }

    // The first scrolling row shown below the fixed rows.
    int TopRow() const { return FTopRow; }
    // The largest top row that still fills the client area from the bottom up.
    int MaxTopRow() const;
    // Clamped to FixedRows() .. MaxTopRow(); true when it changed.
    bool SetTopRow(int row);
    bool ScrollBy(int rows) { return SetTopRow(FTopRow + rows); }
    // The last row with any pixel in the client area (at least TopRow()).
    int LastVisibleRow() const;
    // Scrolling rows shown whole from TopRow(), at least 1.
    int FullyVisibleRows() const;
    // Scrolls as little as needed for `row` to be shown whole; true when it moved.
    bool ScrollIntoView(int row);
    TGridScrollBar ScrollBar() const;

    // The cell's client rectangle, without its grid lines; empty when the
    // cell is scrolled out of sight. May reach past the client area.
    TGridRect CellRect(int col, int row) const;
    // The cell under a client point, or an invalid cell (grid lines and the
    // space past the last column or row hit nothing).
    TGridCell HitTest(int x, int y) const;

    // Whether a data cell may be selected at all (the search grid forbids it
    // while it holds no results). Fixed rows are never selectable.
    bool Selectable = true;
    TGridCell Selected() const { return FSelected; }
    bool HasSelection() const { return FSelected.Valid(); }
    // Selects the cell (the whole row with RowSelect) if it may be; true when taken.
    bool Select(TGridCell cell);
    void ClearSelection() { FSelected = {}; }
    bool IsSelected(int col, int row) const;
    // Moves the selection by rows and columns (columns run right to left
    // on screen in a right-to-left grid, the caller maps the arrow keys),
    // clamped to the selectable cells, and scrolls it into view. Without a
    // selection the first selectable cell is taken. True when it changed.
    bool MoveSelection(int rows, int cols);

private:
    int ColumnLeft(int col) const;

    std::vector<int> FWidths;
    std::vector<int> FHeights;
    int FDefaultRowHeight;
    int FFixedRows;
    int FClientWidth = 0, FClientHeight = 0;
    int FTopRow;
    TGridCell FSelected;
};
