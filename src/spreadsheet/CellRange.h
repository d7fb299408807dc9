#pragma once
// A rectangular block of cells in A1 terms: 1-based rows 1..65536 and columns 1..256.

#include <cstdint>
#include <string>
#include <string_view>

#include "spreadsheet/Constants.h"

namespace morvessa::sheet {

struct CellRange {
    int firstRow = 1;
    int firstColumn = 1;
    int lastRow = 1;
    int lastColumn = 1;

    static CellRange Cell(int row, int column) { return {row, column, row, column}; }
    // Throws AddressError unless 1 <= first <= last <= limit on both axes.
    static CellRange Checked(int firstRow, int firstColumn, int lastRow, int lastColumn);
    static CellRange WholeSheet() { return {1, 1, kMaxRows, kMaxColumns}; }
    static CellRange WholeRows(int firstRow, int lastRow) { return {firstRow, 1, lastRow, kMaxColumns}; }
    static CellRange WholeColumns(int firstColumn, int lastColumn)
    {
        return {1, firstColumn, kMaxRows, lastColumn};
    }

    // Parses "A1", "$A$1", "A1:BD5", "A:BD", "1:70" (letters in either case). Throws AddressError for a
    // malformed address or one beyond the sheet limits.
    static CellRange Parse(std::string_view address);

    int RowCount() const { return lastRow - firstRow + 1; }
    int ColumnCount() const { return lastColumn - firstColumn + 1; }
    std::int64_t CellCount() const { return std::int64_t(RowCount()) * ColumnCount(); }
    bool IsSingleCell() const { return firstRow == lastRow && firstColumn == lastColumn; }
    bool SpansAllColumns() const { return firstColumn == 1 && lastColumn == kMaxColumns; }
    bool SpansAllRows() const { return firstRow == 1 && lastRow == kMaxRows; }
    bool IsWholeSheet() const { return SpansAllColumns() && SpansAllRows(); }

    bool Contains(int row, int column) const
    {
        return row >= firstRow && row <= lastRow && column >= firstColumn && column <= lastColumn;
    }
    bool Contains(const CellRange& other) const
    {
        return other.firstRow >= firstRow && other.lastRow <= lastRow && other.firstColumn >= firstColumn &&
               other.lastColumn <= lastColumn;
    }
    bool Intersects(const CellRange& other) const
    {
        return other.firstRow <= lastRow && other.lastRow >= firstRow && other.firstColumn <= lastColumn &&
               other.lastColumn >= firstColumn;
    }
    // The smallest range covering both.
    CellRange Union(const CellRange& other) const;

    // "$A$1", "$A$1:$BD$5", "$A:$BD", "$1:$70" (the "$" only where asked for).
    std::string Address(bool rowAbsolute = true, bool columnAbsolute = true) const;

    friend bool operator==(const CellRange&, const CellRange&) = default;
};

// Column letters: 1 -> "A", 26 -> "Z", 27 -> "AA", 256 -> "IV". Throws AddressError outside 1..256.
std::string ColumnLetters(int column);
// "A" -> 1 ... "IV" -> 256 (either case). Throws AddressError for anything else.
int ColumnNumber(std::string_view letters);

}  // namespace morvessa::sheet
