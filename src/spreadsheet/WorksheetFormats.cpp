// The worksheet's formats and borders: a format change applied to cells, whole rows, whole
// columns or the sheet, and border lines drawn around and inside an area.
#include "spreadsheet/Worksheet.h"

#include "spreadsheet/Workbook.h"
#include "spreadsheet/WorksheetChecks.h"

#include <algorithm>
#include <vector>

namespace morvessa::sheet {

using detail::CheckOperationSize;

namespace {

// Merged-area numbers of the cells of `area` (-1 outside any), row-major.
std::vector<int> MergeGrid(const std::vector<CellRange>& merged, const CellRange& area)
{
    std::vector<int> grid(std::size_t(area.CellCount()), -1);
    for (std::size_t m = 0; m < merged.size(); ++m) {
        const CellRange& a = merged[m];
        if (!a.Intersects(area))
            continue;
        for (int r = std::max(a.firstRow, area.firstRow); r <= std::min(a.lastRow, area.lastRow); ++r)
            for (int c = std::max(a.firstColumn, area.firstColumn);
                 c <= std::min(a.lastColumn, area.lastColumn); ++c)
                grid[std::size_t(r - area.firstRow) * std::size_t(area.ColumnCount()) +
                     std::size_t(c - area.firstColumn)] = int(m);
    }
    return grid;
}

}  // namespace

FormatId Worksheet::Changed(FormatId id, const FormatChange& change, std::vector<FormatId>& cache)
{
    if (std::size_t(id) < cache.size() && cache[std::size_t(id)] != kNoFormat)
        return cache[std::size_t(id)];
    CellFormat format = parent_->Formats().Get(id);
    change(format);
    FormatId result = parent_->Formats().Intern(format);
    if (std::size_t(id) >= cache.size())
        cache.resize(std::size_t(id) + 1, kNoFormat);
    cache[std::size_t(id)] = result;
    return result;
}

void Worksheet::ApplyFormat(const CellRange& area, const FormatChange& change)
{
    CellRange::Checked(area.firstRow, area.firstColumn, area.lastRow, area.lastColumn);
    std::vector<FormatId> cache(parent_->Formats().Size(), kNoFormat);
    if (area.IsWholeSheet()) {
        sheetFormat_ = Changed(sheetFormat_, change, cache);
        for (ColumnData& column : columns_)
            if (column.formatId != kNoFormat)
                column.formatId = Changed(column.formatId, change, cache);
        for (RowData& row : rows_) {
            if (row.formatId != kNoFormat)
                row.formatId = Changed(row.formatId, change, cache);
            for (Cell& cell : row.cells)
                if (cell.formatId != kNoFormat)
                    cell.formatId = Changed(cell.formatId, change, cache);
        }
    } else if (area.SpansAllRows()) {
        ApplyToColumns(area.firstColumn, area.lastColumn, change, cache);
    } else if (area.SpansAllColumns()) {
        ApplyToRows(area.firstRow, area.lastRow, change, cache);
    } else {
        ApplyToCells(area, change, cache);
    }
}

void Worksheet::ApplyToColumns(int firstColumn, int lastColumn, const FormatChange& change,
                               std::vector<FormatId>& cache)
{
    // Cells of formatted rows show the row's format, so they take the change on their own.
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        RowData& row = rows_[r];
        if (row.formatId == kNoFormat) {
            for (int c = firstColumn; c <= std::min(lastColumn, int(row.cells.size())); ++c) {
                Cell& cell = row.cells[std::size_t(c - 1)];
                if (cell.formatId != kNoFormat)
                    cell.formatId = Changed(cell.formatId, change, cache);
            }
        } else {
            if (row.cells.size() < std::size_t(lastColumn))
                row.cells.resize(std::size_t(lastColumn));
            for (int c = firstColumn; c <= lastColumn; ++c) {
                Cell& cell = row.cells[std::size_t(c - 1)];
                cell.formatId =
                    Changed(cell.formatId != kNoFormat ? cell.formatId : row.formatId, change, cache);
            }
        }
    }
    for (int c = firstColumn; c <= lastColumn; ++c) {
        ColumnData& column = columns_[std::size_t(c - 1)];
        column.formatId =
            Changed(column.formatId != kNoFormat ? column.formatId : sheetFormat_, change, cache);
    }
}

void Worksheet::ApplyToRows(int firstRow, int lastRow, const FormatChange& change,
                            std::vector<FormatId>& cache)
{
    int lastFormattedColumn = 0;
    for (int c = kMaxColumns; c >= 1; --c) {
        if (columns_[std::size_t(c - 1)].formatId != kNoFormat) {
            lastFormattedColumn = c;
            break;
        }
    }
    for (int r = firstRow; r <= lastRow; ++r) {
        RowData& row = RowAt(r);
        if (row.formatId == kNoFormat && lastFormattedColumn > 0) {
            // Cells of formatted columns showed the column's format; they keep it, changed.
            if (row.cells.size() < std::size_t(lastFormattedColumn))
                row.cells.resize(std::size_t(lastFormattedColumn));
            for (int c = 1; c <= lastFormattedColumn; ++c) {
                Cell& cell = row.cells[std::size_t(c - 1)];
                FormatId columnFormat = columns_[std::size_t(c - 1)].formatId;
                if (cell.formatId == kNoFormat && columnFormat != kNoFormat)
                    cell.formatId = Changed(columnFormat, change, cache);
                else if (cell.formatId != kNoFormat)
                    cell.formatId = Changed(cell.formatId, change, cache);
            }
            for (std::size_t c = std::size_t(lastFormattedColumn); c < row.cells.size(); ++c)
                if (row.cells[c].formatId != kNoFormat)
                    row.cells[c].formatId = Changed(row.cells[c].formatId, change, cache);
        } else {
            for (Cell& cell : row.cells)
                if (cell.formatId != kNoFormat)
                    cell.formatId = Changed(cell.formatId, change, cache);
        }
        row.formatId = Changed(row.formatId != kNoFormat ? row.formatId : sheetFormat_, change, cache);
    }
}

void Worksheet::ApplyToCells(const CellRange& area, const FormatChange& change, std::vector<FormatId>& cache)
{
    CheckOperationSize(area, "Formatting");
    for (int r = area.firstRow; r <= area.lastRow; ++r) {
        RowData& row = RowAt(r);
        if (row.cells.size() < std::size_t(area.lastColumn))
            row.cells.resize(std::size_t(area.lastColumn));
        for (int c = area.firstColumn; c <= area.lastColumn; ++c) {
            Cell& cell = row.cells[std::size_t(c - 1)];
            FormatId base = cell.formatId;
            if (base == kNoFormat)
                base = row.formatId;
            if (base == kNoFormat)
                base = columns_[std::size_t(c - 1)].formatId;
            if (base == kNoFormat)
                base = sheetFormat_;
            // Most cells of a range share a format already changed once: take it from the cache here.
            const FormatId known = std::size_t(base) < cache.size() ? cache[std::size_t(base)] : kNoFormat;
            cell.formatId = known != kNoFormat ? known : Changed(base, change, cache);
        }
    }
}

namespace {

// The sides of cell (r, c) that border `index` of area a sets, as bits (bit k: border index 5 + k).
// Inside lines skip the cells of one merged area.
template <typename MergeAt>
unsigned BorderSidesOfCell(int index, const CellRange& a, int r, int c, const MergeAt& mergeAt)
{
    unsigned mask = 0;
    auto add = [&](int side) { mask |= 1u << (side - xlDiagonalDown); };
    const int here = mergeAt(r, c);
    auto split = [&](int r2, int c2) { return here < 0 || mergeAt(r2, c2) != here; };
    switch (index) {
    case xlDiagonalDown:
    case xlDiagonalUp:
        add(index);
        break;
    case xlEdgeLeft:
        if (c == a.firstColumn)
            add(xlEdgeLeft);
        break;
    case xlEdgeRight:
        if (c == a.lastColumn)
            add(xlEdgeRight);
        break;
    case xlEdgeTop:
        if (r == a.firstRow)
            add(xlEdgeTop);
        break;
    case xlEdgeBottom:
        if (r == a.lastRow)
            add(xlEdgeBottom);
        break;
    case xlInsideVertical:
        if (c < a.lastColumn && split(r, c + 1))
            add(xlEdgeRight);
        if (c > a.firstColumn && split(r, c - 1))
            add(xlEdgeLeft);
        break;
    case xlInsideHorizontal:
        if (r < a.lastRow && split(r + 1, c))
            add(xlEdgeBottom);
        if (r > a.firstRow && split(r - 1, c))
            add(xlEdgeTop);
        break;
    }
    return mask;
}

}  // namespace

void Worksheet::ApplyBorder(const CellRange& area, int index, const std::function<void(BorderLine&)>& change)
{
    if (index < xlDiagonalDown || index > xlInsideHorizontal)
        throw HostError("Unable to get the Item property of the Borders class");
    if (area.SpansAllRows() || area.SpansAllColumns())
        ApplyBorderToLines(area, index, change);
    else
        ApplyBorderToCells(area, index, change);
}

// Whole rows or columns: stay on the row / column level; merged areas do not split such lines.
void Worksheet::ApplyBorderToLines(const CellRange& a, int index,
                                   const std::function<void(BorderLine&)>& change)
{
    auto sides = [&](std::initializer_list<int> which) {
        return [which, &change](CellFormat& format) {
            for (int side : which)
                change(format.Border(side));
        };
    };
    switch (index) {
    case xlDiagonalDown:
    case xlDiagonalUp:
        ApplyFormat(a, sides({index}));
        break;
    case xlEdgeLeft:
        ApplyFormat({a.firstRow, a.firstColumn, a.lastRow, a.firstColumn}, sides({index}));
        break;
    case xlEdgeRight:
        ApplyFormat({a.firstRow, a.lastColumn, a.lastRow, a.lastColumn}, sides({index}));
        break;
    case xlEdgeTop:
        ApplyFormat({a.firstRow, a.firstColumn, a.firstRow, a.lastColumn}, sides({index}));
        break;
    case xlEdgeBottom:
        ApplyFormat({a.lastRow, a.firstColumn, a.lastRow, a.lastColumn}, sides({index}));
        break;
    case xlInsideVertical:
        if (a.ColumnCount() > 1) {
            ApplyFormat({a.firstRow, a.firstColumn, a.lastRow, a.lastColumn - 1}, sides({xlEdgeRight}));
            ApplyFormat({a.firstRow, a.firstColumn + 1, a.lastRow, a.lastColumn}, sides({xlEdgeLeft}));
        }
        break;
    case xlInsideHorizontal:
        if (a.RowCount() > 1) {
            ApplyFormat({a.firstRow, a.firstColumn, a.lastRow - 1, a.lastColumn}, sides({xlEdgeBottom}));
            ApplyFormat({a.firstRow + 1, a.firstColumn, a.lastRow, a.lastColumn}, sides({xlEdgeTop}));
        }
        break;
    }
}

void Worksheet::ApplyBorderToCells(const CellRange& a, int index,
                                   const std::function<void(BorderLine&)>& change)
{
    CheckOperationSize(a, "Setting a border");
    const std::vector<int> grid = MergeGrid(merged_, a);
    const std::size_t width = std::size_t(a.ColumnCount());
    auto mergeAt = [&](int r, int c) {
        return grid[std::size_t(r - a.firstRow) * width + std::size_t(c - a.firstColumn)];
    };
    // One cache per combination of sides and starting format.
    std::unordered_map<std::uint64_t, FormatId> cache;
    std::uint64_t lastKey = ~std::uint64_t(0);  // no mask is ever all ones
    FormatId lastResult = kNoFormat;
    // An edge touches only its own row or column of the area.
    const int firstRow = index == xlEdgeBottom ? a.lastRow : a.firstRow;
    const int lastRow = index == xlEdgeTop ? a.firstRow : a.lastRow;
    const int firstColumn = index == xlEdgeRight ? a.lastColumn : a.firstColumn;
    const int lastColumn = index == xlEdgeLeft ? a.firstColumn : a.lastColumn;
    for (int r = firstRow; r <= lastRow; ++r) {
        for (int c = firstColumn; c <= lastColumn; ++c) {
            const unsigned mask = BorderSidesOfCell(index, a, r, c, mergeAt);
            if (mask == 0)
                continue;
            FormatId base = EffectiveFormatId(r, c);
            std::uint64_t key = std::uint64_t(mask) << 32 | std::uint32_t(base);
            // Neighbouring cells mostly share sides and format: ask the map only on a change.
            if (key == lastKey) {
                CellAt(r, c).formatId = lastResult;
                continue;
            }
            auto found = cache.find(key);
            FormatId result;
            if (found != cache.end()) {
                result = found->second;
            } else {
                CellFormat format = parent_->Formats().Get(base);
                for (int side = xlDiagonalDown; side <= xlEdgeRight; ++side)
                    if (mask & (1u << (side - xlDiagonalDown)))
                        change(format.Border(side));
                result = parent_->Formats().Intern(format);
                cache.emplace(key, result);
            }
            lastKey = key;
            lastResult = result;
            CellAt(r, c).formatId = result;
        }
    }
}

}  // namespace morvessa::sheet
