#include "spreadsheet/Worksheet.h"

#include <algorithm>
#include <tuple>
#include <unordered_map>

#include "spreadsheet/Application.h"
#include "spreadsheet/HostError.h"
#include "spreadsheet/Range.h"
#include "spreadsheet/Workbook.h"
#include "spreadsheet/WorksheetChecks.h"
namespace morvessa::sheet {

using detail::CheckCellLimits;
using detail::CheckOperationSize;
using detail::MergedCellConflict;

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

}  // namespace morvessa::sheet
