#include "search/GridModel.h"

#include <algorithm>

namespace {
constexpr int DefaultColumnWidth = 64;
}  // namespace

TGridModel::TGridModel(int columns, int rows, int defaultRowHeight, int fixedRows)
    : FWidths(std::size_t(std::max(columns, 1)), DefaultColumnWidth),
      FHeights(std::size_t(std::max(rows, 0)), defaultRowHeight),
      FDefaultRowHeight(defaultRowHeight),
      FFixedRows(std::max(fixedRows, 0)),
      FTopRow(FFixedRows) {}

int TGridModel::ColumnWidth(int col) const {
    return col >= 0 && col < ColumnCount() ? FWidths[std::size_t(col)] : 0;
}

void TGridModel::SetColumnWidth(int col, int width) {
    if (col >= 0 && col < ColumnCount()) FWidths[std::size_t(col)] = std::max(width, 0);
}

void TGridModel::SetRowCount(int rows) {
    FHeights.resize(std::size_t(std::max(rows, 0)), FDefaultRowHeight);
    if (FSelected.Row >= RowCount()) FSelected = {};
    SetTopRow(FTopRow);
}

void TGridModel::ResetRowHeights() {
    std::fill(FHeights.begin(), FHeights.end(), FDefaultRowHeight);
    SetTopRow(FTopRow);
}

int TGridModel::RowHeight(int row) const {
    return row >= 0 && row < RowCount() ? FHeights[std::size_t(row)] : 0;
}

void TGridModel::SetRowHeight(int row, int height) {
    if (row >= 0 && row < RowCount()) FHeights[std::size_t(row)] = std::max(height, 0);
}

void TGridModel::SetClientSize(int width, int height) {
    FClientWidth = std::max(width, 0);
    FClientHeight = std::max(height, 0);
    SetTopRow(FTopRow);
}

int TGridModel::MaxTopRow() const {
    int fixed = 0;
    for (int r = 0; r < std::min(FFixedRows, RowCount()); ++r) fixed += RowHeight(r) + LineWidth;
    // The line under the last row may fall outside.
    const int room = FClientHeight - fixed + LineWidth;
    int top = RowCount() - 1, used = 0;
    // Walk up from the last row while the rows still fit.
    while (top >= FFixedRows) {
        used += RowHeight(top) + LineWidth;
        if (used > room) break;
        --top;
    }
    return std::max(top + 1 <= RowCount() - 1 ? top + 1 : RowCount() - 1, FFixedRows);
}

bool TGridModel::SetTopRow(int row) {
    const int clamped = std::clamp(row, FFixedRows, std::max(MaxTopRow(), FFixedRows));
    if (clamped == FTopRow) return false;
    FTopRow = clamped;
    return true;
}

int TGridModel::LastVisibleRow() const {
    int y = 0;
    for (int r = 0; r < std::min(FFixedRows, RowCount()); ++r) y += RowHeight(r) + LineWidth;
    int row = FTopRow;
    for (int r = FTopRow; r < RowCount(); ++r) {
        if (y >= FClientHeight) break;
        row = r;
        y += RowHeight(r) + LineWidth;
    }
    return row;
}

int TGridModel::FullyVisibleRows() const {
    int y = 0;
    for (int r = 0; r < std::min(FFixedRows, RowCount()); ++r) y += RowHeight(r) + LineWidth;
    int count = 0;
    for (int r = FTopRow; r < RowCount(); ++r) {
        y += RowHeight(r);
        if (y > FClientHeight) break;
        ++count;
        y += LineWidth;
    }
    return std::max(count, 1);
}

bool TGridModel::ScrollIntoView(int row) {
    if (row < FFixedRows || row >= RowCount()) return false;
    if (row < FTopRow) return SetTopRow(row);
    const int before = FTopRow;
    while (FTopRow < row && row >= FTopRow + FullyVisibleRows())
        if (!SetTopRow(FTopRow + 1)) break;
    return FTopRow != before;
}

TGridScrollBar TGridModel::ScrollBar() const {
    TGridScrollBar bar;
    const int maxTop = MaxTopRow();
    bar.Needed = maxTop > FFixedRows;
    bar.Page = FullyVisibleRows();
    bar.Position = FTopRow - FFixedRows;
    // The last position, Max - Page + 1, is the largest top row.
    bar.Max = maxTop - FFixedRows + bar.Page - 1;
    return bar;
}

int TGridModel::ColumnLeft(int col) const {
    int x = 0;
    for (int c = 0; c < col; ++c) x += FWidths[std::size_t(c)] + LineWidth;
    return RightToLeft ? FClientWidth - x - FWidths[std::size_t(col)] : x;
}

TGridRect TGridModel::CellRect(int col, int row) const {
    if (col < 0 || col >= ColumnCount() || row < 0 || row >= RowCount()) return {};
    if (row >= FFixedRows && row < FTopRow) return {};
    int y = 0;
    if (row < FFixedRows) {
        for (int r = 0; r < row; ++r) y += RowHeight(r) + LineWidth;
    } else {
        for (int r = 0; r < std::min(FFixedRows, RowCount()); ++r) y += RowHeight(r) + LineWidth;
        for (int r = FTopRow; r < row; ++r) {
            y += RowHeight(r) + LineWidth;
            if (y >= FClientHeight) return {};  // below the client area
        }
    }
    if (y >= FClientHeight) return {};
    const int left = ColumnLeft(col);
    return {left, y, left + ColumnWidth(col), y + RowHeight(row)};
}

TGridCell TGridModel::HitTest(int x, int y) const {
    if (x < 0 || y < 0 || x >= FClientWidth || y >= FClientHeight) return {};
    TGridCell hit;
    for (int c = 0; c < ColumnCount(); ++c) {
        const int left = ColumnLeft(c);
        if (x >= left && x < left + ColumnWidth(c)) {
            hit.Col = c;
            break;
        }
    }
    int top = 0;
    auto rowAt = [&](int r) {
        if (y >= top && y < top + RowHeight(r)) hit.Row = r;
        top += RowHeight(r) + LineWidth;
    };
    for (int r = 0; r < std::min(FFixedRows, RowCount()) && hit.Row < 0; ++r) rowAt(r);
    for (int r = FTopRow; r < RowCount() && hit.Row < 0 && top < FClientHeight; ++r) rowAt(r);
    return hit.Valid() ? hit : TGridCell{};
}

bool TGridModel::Select(TGridCell cell) {
    if (!Selectable || cell.Row < FFixedRows || cell.Row >= RowCount() || cell.Col < 0 || cell.Col >= ColumnCount())
        return false;
    FSelected = cell;
    return true;
}

bool TGridModel::IsSelected(int col, int row) const {
    if (!FSelected.Valid() || row != FSelected.Row) return false;
    return RowSelect || col == FSelected.Col;
}

bool TGridModel::MoveSelection(int rows, int cols) {
    if (!Selectable || RowCount() <= FFixedRows) return false;
    const TGridCell before = FSelected;
    TGridCell next = FSelected.Valid() ? FSelected : TGridCell{0, FFixedRows};
    if (FSelected.Valid()) {
        next.Row = std::clamp(next.Row + rows, FFixedRows, RowCount() - 1);
        next.Col = std::clamp(next.Col + cols, 0, ColumnCount() - 1);
    }
    Select(next);
    ScrollIntoView(FSelected.Row);
    return !(FSelected == before);
}
