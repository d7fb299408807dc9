#include "spreadsheet/Worksheet.h"

#include <algorithm>
#include <tuple>
#include <unordered_map>

#include "spreadsheet/Application.h"
#include "spreadsheet/HostError.h"
#include "spreadsheet/Range.h"
#include "spreadsheet/Workbook.h"

namespace morvessa::sheet {
namespace {

// Beyond this many cells a cell-by-cell operation would take the whole memory of the machine.
constexpr std::int64_t kMaxCellsPerOperation = 4'000'000;

void CheckCellLimits(int row, int column)
{
    if (row < 1 || row > kMaxRows || column < 1 || column > kMaxColumns)
        CellRange::Checked(row, column, row, column);
}

void CheckOperationSize(const CellRange& area, const char* what)
{
    if (area.CellCount() > kMaxCellsPerOperation)
        throw HostError(std::string(what) + " failed: the range " + area.Address() +
                        " is too large for this host");
}

[[noreturn]] void MergedCellConflict()
{
    throw HostError("Cannot change part of a merged cell.");
}

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

Worksheet::Worksheet(Workbook& parent, std::string name)
    : parent_(&parent), name_(std::move(name)), columns_(std::size_t(kMaxColumns))
{
}

// ---- Model: reading -------------------------------------------------------------------------------

const Cell* Worksheet::FindCell(int row, int column) const
{
    if (row < 1 || column < 1 || std::size_t(row) > rows_.size())
        return nullptr;
    const auto& cells = rows_[std::size_t(row - 1)].cells;
    if (std::size_t(column) > cells.size())
        return nullptr;
    const Cell& cell = cells[std::size_t(column - 1)];
    return cell.Exists() ? &cell : nullptr;
}

FormatId Worksheet::RowFormatId(int row) const
{
    if (row < 1 || std::size_t(row) > rows_.size())
        return kNoFormat;
    return rows_[std::size_t(row - 1)].formatId;
}

FormatId Worksheet::ColumnFormatId(int column) const
{
    if (column < 1 || column > kMaxColumns)
        return kNoFormat;
    return columns_[std::size_t(column - 1)].formatId;
}

FormatId Worksheet::EffectiveFormatId(int row, int column) const
{
    if (row >= 1 && std::size_t(row) <= rows_.size()) {
        const RowData& data = rows_[std::size_t(row - 1)];
        if (column >= 1 && std::size_t(column) <= data.cells.size()) {
            FormatId own = data.cells[std::size_t(column - 1)].formatId;
            if (own != kNoFormat)
                return own;
        }
        if (data.formatId != kNoFormat)
            return data.formatId;
    }
    FormatId columnFormat = ColumnFormatId(column);
    return columnFormat != kNoFormat ? columnFormat : sheetFormat_;
}

const CellFormat& Worksheet::EffectiveFormat(int row, int column) const
{
    return Formats().Get(EffectiveFormatId(row, column));
}

const FormatTable& Worksheet::Formats() const
{
    return parent_->Formats();
}

double Worksheet::RowHeightAt(int row) const
{
    if (row >= 1 && std::size_t(row) <= rows_.size() && rows_[std::size_t(row - 1)].height >= 0)
        return rows_[std::size_t(row - 1)].height;
    return standardHeight_;
}

bool Worksheet::HasCustomHeight(int row) const
{
    return row >= 1 && std::size_t(row) <= rows_.size() && rows_[std::size_t(row - 1)].height >= 0;
}

double Worksheet::ColumnWidthAt(int column) const
{
    if (column >= 1 && column <= kMaxColumns && columns_[std::size_t(column - 1)].width >= 0)
        return columns_[std::size_t(column - 1)].width;
    return standardWidth_;
}

bool Worksheet::HasCustomWidth(int column) const
{
    return column >= 1 && column <= kMaxColumns && columns_[std::size_t(column - 1)].width >= 0;
}

std::vector<ColumnInfo> Worksheet::ColumnInfos() const
{
    std::vector<ColumnInfo> infos;
    for (int c = 1; c <= kMaxColumns; ++c) {
        const ColumnData& data = columns_[std::size_t(c - 1)];
        if (data.formatId == kNoFormat && data.width < 0)
            continue;
        infos.push_back({c, data.formatId, ColumnWidthAt(c), data.width >= 0});
    }
    return infos;
}

std::vector<RowInfo> Worksheet::RowInfos() const
{
    std::vector<RowInfo> infos;
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        const RowData& data = rows_[r];
        bool hasCell =
            std::any_of(data.cells.begin(), data.cells.end(), [](const Cell& c) { return c.Exists(); });
        if (data.formatId == kNoFormat && data.height < 0 && !hasCell)
            continue;
        infos.push_back({int(r) + 1, data.formatId, RowHeightAt(int(r) + 1), data.height >= 0});
    }
    return infos;
}

const CellRange* Worksheet::MergedAreaAt(int row, int column) const
{
    for (const CellRange& area : merged_)
        if (area.Contains(row, column))
            return &area;
    return nullptr;
}

CellRange Worksheet::WidenedOverMerges(const CellRange& area) const
{
    CellRange result = area;
    bool grown = true;
    while (grown) {
        grown = false;
        for (const CellRange& m : merged_) {
            if (m.Intersects(result) && !result.Contains(m)) {
                result = result.Union(m);
                grown = true;
            }
        }
    }
    return result;
}

std::optional<CellRange> Worksheet::UsedArea() const
{
    std::optional<CellRange> used;
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        const auto& cells = rows_[r].cells;
        for (std::size_t c = 0; c < cells.size(); ++c) {
            if (!cells[c].Exists())
                continue;
            CellRange cell = CellRange::Cell(int(r) + 1, int(c) + 1);
            used = used ? used->Union(cell) : cell;
        }
    }
    return used;
}

// ---- Model: writing -------------------------------------------------------------------------------

Worksheet::RowData& Worksheet::RowAt(int row)
{
    if (std::size_t(row) > rows_.size())
        rows_.resize(std::size_t(row));
    return rows_[std::size_t(row - 1)];
}

Cell& Worksheet::CellAt(int row, int column)
{
    auto& cells = RowAt(row).cells;
    if (std::size_t(column) > cells.size())
        cells.resize(std::size_t(column));
    return cells[std::size_t(column - 1)];
}

void Worksheet::SetCellValue(int row, int column, CellValue value)
{
    CheckCellLimits(row, column);
    CellAt(row, column).value = std::move(value);
}

void Worksheet::SetCellFormatIdSlow(int row, int column, FormatId id)
{
    CheckCellLimits(row, column);
    CellAt(row, column).formatId = id;
}

void Worksheet::ReserveCells(std::span<const uint16_t> widths)
{
    size_t lastRow = widths.empty() ? 0 : widths.size() - 1;  // widths[0] is no row
    while (lastRow > 0 && widths[lastRow] == 0)
        --lastRow;
    if (lastRow == 0)
        return;
    CheckCellLimits(int(lastRow), 1);
    // The rows up to the last one with cells exist as soon as its first cell is set anyway.
    if (lastRow > rows_.size())
        rows_.resize(lastRow);
    for (size_t r = 1; r <= lastRow; ++r) {
        if (widths[r] == 0)
            continue;
        CheckCellLimits(int(r), widths[r]);
        auto& cells = rows_[r - 1].cells;
        if (widths[r] > cells.size())
            cells.resize(widths[r]);
    }
}

void Worksheet::SetSheetFormatId(FormatId id)
{
    sheetFormat_ = id;
}

void Worksheet::SetRowFormatId(int row, FormatId id)
{
    CheckCellLimits(row, 1);
    RowAt(row).formatId = id;
}

void Worksheet::SetColumnFormatId(int column, FormatId id)
{
    CheckCellLimits(1, column);
    columns_[std::size_t(column - 1)].formatId = id;
}

void Worksheet::SetRowHeight(int row, double points)
{
    CheckCellLimits(row, 1);
    RowAt(row).height = points;
}

void Worksheet::SetColumnWidth(int column, double characters)
{
    CheckCellLimits(1, column);
    columns_[std::size_t(column - 1)].width = characters;
}

void Worksheet::SetStandardHeight(double points)
{
    standardHeight_ = points;
}
void Worksheet::SetStandardWidth(double characters)
{
    standardWidth_ = characters;
}

void Worksheet::AddMergedArea(const CellRange& area)
{
    CellRange::Checked(area.firstRow, area.firstColumn, area.lastRow, area.lastColumn);
    if (area.IsSingleCell())
        return;
    for (const CellRange& m : merged_)
        if (m.Intersects(area))
            throw HostError("The merged area " + area.Address() + " overlaps the merged area " + m.Address());
    merged_.push_back(area);
}

void Worksheet::AddMergedAreas(const std::vector<CellRange>& areas)
{
    std::vector<CellRange> added;
    added.reserve(areas.size());
    for (const CellRange& area : areas) {
        CellRange::Checked(area.firstRow, area.firstColumn, area.lastRow, area.lastColumn);
        if (!area.IsSingleCell())
            added.push_back(area);
    }
    // Sort and sweep: in order of first row, an area can only meet the areas still open at that
    // row. Those cannot overlap one another, so they hold distinct columns: at most 256 of them.
    std::vector<CellRange> all = merged_;
    all.insert(all.end(), added.begin(), added.end());
    std::vector<std::size_t> order(all.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return std::tie(all[a].firstRow, a) < std::tie(all[b].firstRow, b);
    });
    std::vector<std::size_t> open;
    for (std::size_t i : order) {
        const CellRange& area = all[i];
        std::erase_if(open, [&](std::size_t k) { return all[k].lastRow < area.firstRow; });
        for (std::size_t k : open) {
            if (all[k].Intersects(area)) {
                // Name them in the order they were added, as one call at a time would.
                const CellRange& later = all[std::max(i, k)];
                const CellRange& earlier = all[std::min(i, k)];
                throw HostError("The merged area " + later.Address() + " overlaps the merged area " +
                                earlier.Address());
            }
        }
        open.push_back(i);
    }
    merged_.insert(merged_.end(), added.begin(), added.end());
}

void Worksheet::RemoveMergedAreas(const CellRange& area)
{
    std::erase_if(merged_, [&](const CellRange& m) { return m.Intersects(area); });
}

void Worksheet::SetSelection(const CellRange& area, int activeRow, int activeColumn)
{
    CellRange::Checked(area.firstRow, area.firstColumn, area.lastRow, area.lastColumn);
    CheckCellLimits(activeRow, activeColumn);
    selection_ = area;
    activeRow_ = activeRow;
    activeColumn_ = activeColumn;
}

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

void Worksheet::WriteValue(const CellRange& area, const CellValue& value)
{
    CellRange::Checked(area.firstRow, area.firstColumn, area.lastRow, area.lastColumn);
    CheckOperationSize(area, "Writing a value");
    std::vector<CellRange> touching;
    for (const CellRange& m : merged_)
        if (m.Intersects(area))
            touching.push_back(m);
    for (int r = area.firstRow; r <= area.lastRow; ++r) {
        for (int c = area.firstColumn; c <= area.lastColumn; ++c) {
            bool hidden = std::any_of(touching.begin(), touching.end(), [&](const CellRange& m) {
                return m.Contains(r, c) && !(m.firstRow == r && m.firstColumn == c);
            });
            if (hidden)
                continue;
            if (value.IsEmpty() && !FindCell(r, c))
                continue;
            CellAt(r, c).value = value;
        }
    }
}

void Worksheet::MergeRange(const CellRange& area)
{
    CellRange target = WidenedOverMerges(area);
    CellRange::Checked(target.firstRow, target.firstColumn, target.lastRow, target.lastColumn);
    RemoveMergedAreas(target);
    if (target.IsSingleCell())
        return;
    // Only the upper-left value survives a merge.
    for (std::size_t r = std::size_t(target.firstRow - 1);
         r < std::min(rows_.size(), std::size_t(target.lastRow)); ++r) {
        auto& cells = rows_[r].cells;
        for (std::size_t c = std::size_t(target.firstColumn - 1);
             c < std::min(cells.size(), std::size_t(target.lastColumn)); ++c) {
            if (int(r) + 1 == target.firstRow && int(c) + 1 == target.firstColumn)
                continue;
            cells[c].value = CellValue();
        }
    }
    merged_.push_back(target);
}

void Worksheet::DeleteShiftUp(const CellRange& area)
{
    CellRange::Checked(area.firstRow, area.firstColumn, area.lastRow, area.lastColumn);
    const int count = area.RowCount();
    if (area.SpansAllColumns()) {
        // Whole rows: merged areas shrink or move up, rows go with their heights and formats.
        std::vector<CellRange> kept;
        for (CellRange m : merged_) {
            if (m.lastRow < area.firstRow) {
                kept.push_back(m);
                continue;
            }
            if (m.firstRow > area.lastRow) {
                m.firstRow -= count;
                m.lastRow -= count;
                kept.push_back(m);
                continue;
            }
            int first = std::min(m.firstRow, area.firstRow);
            int last = m.lastRow > area.lastRow ? m.lastRow - count : area.firstRow - 1;
            if (last < first)
                continue;
            m.firstRow = first;
            m.lastRow = last;
            if (!m.IsSingleCell())
                kept.push_back(m);
        }
        merged_ = std::move(kept);
        if (std::size_t(area.firstRow) <= rows_.size()) {
            auto begin = rows_.begin() + (area.firstRow - 1);
            auto end = rows_.begin() + std::min<std::ptrdiff_t>(std::ptrdiff_t(rows_.size()), area.lastRow);
            rows_.erase(begin, end);
        }
        return;
    }
    if (area.SpansAllRows())
        throw HostError("Delete method of Range class failed: whole columns cannot be shifted up");

    // Part of the columns: the cells below move up inside these columns only.
    for (const CellRange& m : merged_) {
        bool inColumns = m.firstColumn >= area.firstColumn && m.lastColumn <= area.lastColumn;
        bool besideColumns = m.lastColumn < area.firstColumn || m.firstColumn > area.lastColumn;
        if (besideColumns || m.lastRow < area.firstRow)
            continue;
        if (!inColumns)
            MergedCellConflict();
        bool inside = m.firstRow >= area.firstRow && m.lastRow <= area.lastRow;
        bool below = m.firstRow > area.lastRow;
        if (!inside && !below)
            MergedCellConflict();
    }
    std::vector<CellRange> kept;
    for (CellRange m : merged_) {
        bool inColumns = m.firstColumn >= area.firstColumn && m.lastColumn <= area.lastColumn;
        if (inColumns && m.firstRow >= area.firstRow) {
            if (m.lastRow <= area.lastRow)
                continue;
            m.firstRow -= count;
            m.lastRow -= count;
        }
        kept.push_back(m);
    }
    // Effective formats move with the cells; a moved cell keeps its look even where row formats differ.
    auto baseFormat = [&](int row, int column) {
        FormatId rowFormat = RowFormatId(row);
        if (rowFormat != kNoFormat)
            return rowFormat;
        FormatId columnFormat = ColumnFormatId(column);
        return columnFormat != kNoFormat ? columnFormat : sheetFormat_;
    };
    const int lastRow = int(rows_.size());
    for (int r = area.firstRow; r <= lastRow; ++r) {
        for (int c = area.firstColumn; c <= area.lastColumn; ++c) {
            int from = r + count;
            Cell moved;
            if (from <= kMaxRows) {
                if (const Cell* source = FindCell(from, c))
                    moved = *source;
                if (moved.formatId == kNoFormat && baseFormat(from, c) != baseFormat(r, c))
                    moved.formatId = baseFormat(from, c);
            }
            if (!moved.Exists() && !FindCell(r, c))
                continue;
            CellAt(r, c) = std::move(moved);
        }
    }
    merged_ = std::move(kept);
}

ClipboardContent Worksheet::CopyToClipboard(const CellRange& area) const
{
    CellRange::Checked(area.firstRow, area.firstColumn, area.lastRow, area.lastColumn);
    CheckOperationSize(area, "Copy method of Range class");
    ClipboardContent content;
    content.source = area;
    content.rowCount = area.RowCount();
    content.columnCount = area.ColumnCount();
    content.values.reserve(std::size_t(area.CellCount()));
    content.formats.reserve(std::size_t(area.CellCount()));
    for (int r = area.firstRow; r <= area.lastRow; ++r) {
        content.rowHeights.push_back(RowHeightAt(r));
        for (int c = area.firstColumn; c <= area.lastColumn; ++c) {
            const Cell* cell = FindCell(r, c);
            content.values.push_back(cell ? cell->value : CellValue());
            content.formats.push_back(EffectiveFormat(r, c));
        }
    }
    for (const CellRange& m : merged_) {
        if (!area.Contains(m))
            continue;
        content.merged.push_back({m.firstRow - area.firstRow + 1, m.firstColumn - area.firstColumn + 1,
                                  m.lastRow - area.firstRow + 1, m.lastColumn - area.firstColumn + 1});
    }
    return content;
}

void Worksheet::PasteClipboard(const CellRange& destination, const ClipboardContent& content, PasteKind kind,
                               bool skipBlanks)
{
    if (content.rowCount < 1 || content.columnCount < 1)
        throw HostError("Paste method of Worksheet class failed");
    const int rows = content.rowCount;
    const int columns = content.columnCount;
    // A single cell or one merged area anchors one block; a larger target takes whole copies only.
    const CellRange* anchorArea = MergedAreaAt(destination.firstRow, destination.firstColumn);
    bool anchorOnly = destination.IsSingleCell() || (anchorArea && *anchorArea == destination);
    int tilesDown = 1;
    int tilesAcross = 1;
    if (!anchorOnly) {
        if (destination.RowCount() % rows != 0 || destination.ColumnCount() % columns != 0)
            throw HostError(
                "The information cannot be pasted because the Copy area and the paste area are not the "
                "same size and shape.");
        tilesDown = destination.RowCount() / rows;
        tilesAcross = destination.ColumnCount() / columns;
    }
    const CellRange whole = CellRange::Checked(destination.firstRow, destination.firstColumn,
                                               destination.firstRow + rows * tilesDown - 1,
                                               destination.firstColumn + columns * tilesAcross - 1);
    if (kind == PasteKind::All) {
        for (const CellRange& m : merged_)
            if (m.Intersects(whole) && !whole.Contains(m))
                MergedCellConflict();
        RemoveMergedAreas(whole);
    }
    FormatTable& table = parent_->Formats();
    std::vector<FormatId> ids;
    if (kind != PasteKind::Values) {
        ids.reserve(content.formats.size());
        for (std::size_t i = 0; i < content.formats.size(); ++i) {
            // Neighbouring cells mostly share a format: comparing is cheaper than hashing.
            const CellFormat& format = content.formats[i];
            ids.push_back(i > 0 && format == content.formats[i - 1] ? ids.back() : table.Intern(format));
        }
    }
    for (int tr = 0; tr < tilesDown; ++tr) {
        for (int tc = 0; tc < tilesAcross; ++tc) {
            const int top = whole.firstRow + tr * rows;
            const int left = whole.firstColumn + tc * columns;
            for (int r = 0; r < rows; ++r) {
                for (int c = 0; c < columns; ++c) {
                    const std::size_t i = std::size_t(r) * std::size_t(columns) + std::size_t(c);
                    const CellValue& value = content.values[i];
                    if (kind == PasteKind::Formats) {
                        CellAt(top + r, left + c).formatId = ids[i];
                        continue;
                    }
                    if (skipBlanks && value.IsEmpty())
                        continue;
                    if (kind == PasteKind::Values) {
                        if (value.IsEmpty() && !FindCell(top + r, left + c))
                            continue;
                        CellAt(top + r, left + c).value = value;
                    } else {
                        Cell& cell = CellAt(top + r, left + c);
                        cell.value = value;
                        cell.formatId = ids[i];
                    }
                }
            }
            if (kind == PasteKind::All) {
                for (const CellRange& m : content.merged)
                    merged_.push_back({top + m.firstRow - 1, left + m.firstColumn - 1, top + m.lastRow - 1,
                                       left + m.lastColumn - 1});
            }
        }
    }
    SetSelection(whole, whole.firstRow, whole.firstColumn);
}

void Worksheet::CopyContentFrom(const Worksheet& source)
{
    rows_ = source.rows_;
    columns_ = source.columns_;
    merged_ = source.merged_;
    sheetFormat_ = source.sheetFormat_;
    standardHeight_ = source.standardHeight_;
    standardWidth_ = source.standardWidth_;
    selection_ = source.selection_;
    activeRow_ = source.activeRow_;
    activeColumn_ = source.activeColumn_;
    layout_ = source.layout_;
    if (&source.Parent() == parent_)
        return;
    // Another workbook: the format ids belong to its table.
    const FormatTable& from = source.Formats();
    std::vector<FormatId> map(from.Size(), kNoFormat);
    auto remap = [&](FormatId& id) {
        if (id == kNoFormat)
            return;
        FormatId& target = map[std::size_t(id)];
        if (target == kNoFormat)
            target = parent_->Formats().Intern(from.Get(id));
        id = target;
    };
    remap(sheetFormat_);
    for (ColumnData& column : columns_)
        remap(column.formatId);
    for (RowData& row : rows_) {
        remap(row.formatId);
        for (Cell& cell : row.cells)
            remap(cell.formatId);
    }
}

// ---- Automation -----------------------------------------------------------------------------------

void Worksheet::CheckAlive() const
{
    if (deleted_)
        throw DisconnectedError();
    parent_->CheckAlive();
}

void Worksheet::Name(const std::string& name)
{
    CheckAlive();
    parent_->CheckSheetName(name, this);
    name_ = name;
}

int Worksheet::Index() const
{
    CheckAlive();
    return parent_->PositionOf(*this) + 1;
}

sheet::Range Worksheet::Range(std::string_view address)
{
    CheckAlive();
    return sheet::Range(*this, CellRange::Parse(address));
}

sheet::Range Worksheet::Range(const sheet::Range& cell1, const sheet::Range& cell2)
{
    CheckAlive();
    if (&cell1.Worksheet() != this || &cell2.Worksheet() != this)
        throw HostError("Method 'Range' of object '_Worksheet' failed: the cells belong to another sheet");
    return sheet::Range(*this, cell1.Area().Union(cell2.Area()));
}

sheet::Range Worksheet::Cells(int row, int column)
{
    CheckAlive();
    return sheet::Range(*this, CellRange::Checked(row, column, row, column));
}

sheet::Range Worksheet::Cells()
{
    CheckAlive();
    return sheet::Range(*this, CellRange::WholeSheet());
}

namespace {

CellRange ParseLines(std::string_view text, bool rows)
{
    std::string address(text);
    bool plain = !address.empty();
    for (char ch : address) {
        bool allowed = ch == '$' || ch == ':' || ch == ' ' ||
                       (rows ? (ch >= '0' && ch <= '9') : std::isalpha(static_cast<unsigned char>(ch)) != 0);
        if (!allowed)
            plain = false;
    }
    if (!plain) {
        throw AddressError("\"" + address + "\" is not a valid " +
                           (rows ? "row range such as \"1:70\"" : "column range such as \"A:BD\""));
    }
    if (address.find(':') == std::string::npos)
        address += ":" + address;
    return CellRange::Parse(address);
}

}  // namespace

sheet::Range Worksheet::Rows(std::string_view rows)
{
    CheckAlive();
    return sheet::Range(*this, ParseLines(rows, true));
}

sheet::Range Worksheet::Rows(int row)
{
    CheckAlive();
    CellRange::Checked(row, 1, row, 1);
    return sheet::Range(*this, CellRange::WholeRows(row, row));
}

sheet::Range Worksheet::Rows()
{
    return Cells();
}

sheet::Range Worksheet::Columns(std::string_view columns)
{
    CheckAlive();
    return sheet::Range(*this, ParseLines(columns, false));
}

sheet::Range Worksheet::Columns(int column)
{
    CheckAlive();
    CellRange::Checked(1, column, 1, column);
    return sheet::Range(*this, CellRange::WholeColumns(column, column));
}

sheet::Range Worksheet::Columns()
{
    return Cells();
}

sheet::Range Worksheet::UsedRange()
{
    CheckAlive();
    return sheet::Range(*this, UsedArea().value_or(CellRange::Cell(1, 1)));
}

sheet::Range Worksheet::Selection()
{
    CheckAlive();
    return sheet::Range(*this, selection_);
}

sheet::Range Worksheet::ActiveCell()
{
    CheckAlive();
    return sheet::Range(*this, CellRange::Cell(activeRow_, activeColumn_));
}

sheet::PageSetup Worksheet::PageSetup()
{
    CheckAlive();
    return sheet::PageSetup(*this);
}

void Worksheet::Select()
{
    CheckAlive();
    parent_->SetActiveSheetIndex(parent_->PositionOf(*this) + 1);
}

void Worksheet::Activate()
{
    Select();
}

void Worksheet::Delete()
{
    CheckAlive();
    parent_->RemoveSheet(*this);
}

Worksheet& Worksheet::Copy(const After& after)
{
    CheckAlive();
    after.sheet.CheckAlive();
    Workbook& target = after.sheet.Parent();
    return target.CopySheet(*this, target.PositionOf(after.sheet) + 1);
}

Worksheet& Worksheet::Copy(const Before& before)
{
    CheckAlive();
    before.sheet.CheckAlive();
    Workbook& target = before.sheet.Parent();
    return target.CopySheet(*this, target.PositionOf(before.sheet));
}

void Worksheet::Paste()
{
    CheckAlive();
    Paste(sheet::Range(*this, selection_));
}

void Worksheet::Paste(const sheet::Range& destination)
{
    CheckAlive();
    Application* application = parent_->Parent();
    if (!application || !application->Clipboard())
        throw HostError("Paste method of Worksheet class failed");
    if (&destination.Worksheet() != this)
        throw HostError("Paste method of Worksheet class failed: the destination is on another sheet");
    PasteClipboard(destination.Area(), *application->Clipboard(), PasteKind::All);
}

}  // namespace morvessa::sheet
