#include "spreadsheet/xls/SheetWriter.h"

#include <algorithm>
#include <cmath>

#include "spreadsheet/xls/Bytes.h"
#include "spreadsheet/xls/SheetGeometry.h"
#include "spreadsheet/xls/TextCodec.h"

namespace morvessa::sheet::xls {
namespace {

constexpr size_t kRowsPerBlock = 32;
constexpr size_t kRowRecordSize = 4 + 16;
constexpr uint16_t kRowAlwaysSet = 0x0100;
constexpr uint16_t kDefaultRowHeightUnsynced = 0x0001;
constexpr uint16_t kStandardRowTwips = 255;  // 12.75 points, the default font's row
constexpr uint16_t kWindow2Shown = 0x00B6;   // gridlines, headers, zeros, default header colour, outline
constexpr uint16_t kWindow2Displayed = 0x0400;
constexpr uint16_t kWsBoolDefault = 0x04C1;
constexpr uint16_t kCalcAutomatic = 1;
constexpr uint16_t kCalcIterations = 100;
constexpr uint16_t kRefModeA1 = 1;
constexpr double kCalcDelta = 0.001;
// Once the file names an orientation or a scale, paper, resolution and copies must be valid too.
constexpr uint16_t kSetupPaperA4 = 9;
constexpr uint16_t kSetupResolutionDpi = 600;
constexpr double kHeaderMarginInches = 0.5;
constexpr int32_t kRkIntegerLimit = 1 << 29;

// Position of the INDEX record's fields that are known only later.
struct IndexPlaceholders {
    size_t defColWidthField = 0;  // offset in the writer's bytes
    size_t firstBlockField = 0;
};

IndexPlaceholders WriteIndex(const SheetPlan& plan, BiffRecordWriter& out)
{
    const size_t blocks = (plan.rows.size() + kRowsPerBlock - 1) / kRowsPerBlock;
    // The row range counts only rows that hold cells (0, 0 without any).
    uint32_t firstRow = 0, endRow = 0;
    for (const auto& row : plan.rows) {
        if (row.cells.empty())
            continue;
        if (endRow == 0)
            firstRow = row.row;
        endRow = row.row + 1u;
    }
    std::vector<uint8_t> d;
    PutU32(d, 0);
    PutU32(d, firstRow);
    PutU32(d, endRow);
    PutU32(d, 0);
    for (size_t i = 0; i < blocks; ++i)
        PutU32(d, 0);
    const size_t start = out.Bytes().size();
    out.Write(rec::kIndex, d);
    return {start + 4 + 12, start + 4 + 16};
}

void WriteCalculationSettings(BiffRecordWriter& out)
{
    out.WriteU16(rec::kCalcMode, kCalcAutomatic);
    out.WriteU16(rec::kCalcCount, kCalcIterations);
    out.WriteU16(rec::kRefMode, kRefModeA1);
    out.WriteU16(rec::kIteration, 0);
    std::vector<uint8_t> delta;
    PutF64(delta, kCalcDelta);
    out.Write(rec::kDelta, delta);
    out.WriteU16(rec::kSaveRecalc, 1);
}

void WritePrintSettings(BiffRecordWriter& out)
{
    out.WriteU16(rec::kPrintRowColHeaders, 0);
    out.WriteU16(rec::kPrintGridlines, 0);
    out.WriteU16(rec::kGridSet, 1);
    out.Write(rec::kGuts, std::vector<uint8_t>(8, 0));
}

void WriteDefaultRowHeight(const SheetPlan& plan, BiffRecordWriter& out)
{
    std::vector<uint8_t> d;
    PutU16(d, plan.standardHeightTwips == kStandardRowTwips ? 0 : kDefaultRowHeightUnsynced);
    PutU16(d, plan.standardHeightTwips);
    out.Write(rec::kDefaultRowHeight, d);
}

void WritePageSetup(const PageLayout& layout, BiffRecordWriter& out)
{
    out.Write(rec::kHeader, {});
    out.Write(rec::kFooter, {});
    out.WriteU16(rec::kHCenter, layout.centerHorizontally ? 1 : 0);
    out.WriteU16(rec::kVCenter, 0);
    // A default layout leaves the printer fields undefined, so the user's printer decides the paper.
    const bool printerFieldsSet = layout.landscape || layout.zoom != PageLayout{}.zoom;
    uint16_t flags = layout.landscape ? 0 : kSetupPortrait;
    if (!printerFieldsSet)
        flags |= kSetupNoPrinterFields;
    std::vector<uint8_t> d;
    PutU16(d, printerFieldsSet ? kSetupPaperA4 : 0);
    PutU16(d, static_cast<uint16_t>(layout.zoom));
    PutU16(d, 1);  // first page number
    PutU16(d, static_cast<uint16_t>(layout.fitPagesWide));
    PutU16(d, static_cast<uint16_t>(layout.fitPagesTall));
    PutU16(d, flags);
    PutU16(d, printerFieldsSet ? kSetupResolutionDpi : 0);
    PutU16(d, printerFieldsSet ? kSetupResolutionDpi : 0);
    PutF64(d, kHeaderMarginInches);
    PutF64(d, kHeaderMarginInches);
    PutU16(d, 1);  // copies
    out.Write(rec::kSetup, d);
}

void WriteColumns(const SheetPlan& plan, BiffRecordWriter& out)
{
    for (const auto& c : plan.columns) {
        std::vector<uint8_t> d;
        PutU16(d, c.first);
        PutU16(d, c.last);
        PutU16(d, c.width);
        PutU16(d, c.xf);
        PutU16(d, c.customWidth ? kColumnCustomWidth : 0);
        PutU16(d, 0);
        out.Write(rec::kColInfo, d);
    }
}

void WriteDimensions(const SheetPlan& plan, BiffRecordWriter& out)
{
    uint32_t firstRow = UINT32_MAX, lastRow = 0;
    uint16_t firstColumn = UINT16_MAX, lastColumn = 0;
    for (const auto& row : plan.rows) {
        if (row.cells.empty())
            continue;
        firstRow = std::min<uint32_t>(firstRow, row.row);
        lastRow = std::max<uint32_t>(lastRow, row.row);
        firstColumn = std::min(firstColumn, row.cells.front().column);
        lastColumn = std::max(lastColumn, row.cells.back().column);
    }
    std::vector<uint8_t> d;
    const bool empty = firstRow == UINT32_MAX;
    PutU32(d, empty ? 0 : firstRow);
    PutU32(d, empty ? 0 : lastRow + 1);
    PutU16(d, empty ? 0 : firstColumn);
    PutU16(d, empty ? 0 : static_cast<uint16_t>(lastColumn + 1));
    PutU16(d, 0);
    out.Write(rec::kDimensions, d);
}

void WriteRowRecord(const PlannedRow& row, BiffRecordWriter& out)
{
    std::vector<uint8_t> d;
    PutU16(d, row.row);
    PutU16(d, row.cells.empty() ? 0 : row.cells.front().column);
    PutU16(d, row.cells.empty() ? 0 : static_cast<uint16_t>(row.cells.back().column + 1));
    PutU16(d, row.heightTwips);
    PutU16(d, 0);
    PutU16(d, 0);
    PutU16(d, static_cast<uint16_t>(kRowAlwaysSet | (row.customHeight ? kRowCustomHeight : 0) |
                                    (row.hidden ? kRowHidden : 0) | (row.hasFormat ? kRowHasFormat : 0)));
    PutU16(d, row.hasFormat ? row.xf : kDefaultCellXf);
    out.Write(rec::kRow, d);
}

void CellHeader(std::vector<uint8_t>& d, uint16_t row, const PlannedCell& cell)
{
    PutU16(d, row);
    PutU16(d, cell.column);
    PutU16(d, cell.xf);
}

// The compact RK form holds integers of 30 bits and doubles whose low 34 bits are zero.
bool ToRk(double value, uint32_t& rk)
{
    if (value == std::floor(value) && value >= -kRkIntegerLimit && value < kRkIntegerLimit &&
        !(value == 0 && std::signbit(value))) {
        rk = (static_cast<uint32_t>(static_cast<int32_t>(value)) << 2) | 0x2;
        return true;
    }
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    if ((bits & 0x3FFFFFFFFull) != 0)
        return false;
    rk = static_cast<uint32_t>(bits >> 32);
    return true;
}

void WriteNumberCell(uint16_t row, const PlannedCell& cell, BiffRecordWriter& out)
{
    std::vector<uint8_t> d;
    CellHeader(d, row, cell);
    uint32_t rk;
    if (ToRk(cell.number, rk)) {
        PutU32(d, rk);
        out.Write(rec::kRk, d);
    } else {
        PutF64(d, cell.number);
        out.Write(rec::kNumber, d);
    }
}

void WriteTextCell(uint16_t row, const PlannedCell& cell, BiffRecordWriter& out)
{
    std::vector<uint8_t> d;
    CellHeader(d, row, cell);
    PutU32(d, cell.stringIndex);
    out.Write(rec::kLabelSst, d);
}

// Adjacent formatted empty cells share one MULBLANK record.
void WriteBlanks(uint16_t row, const PlannedCell* first, size_t count, BiffRecordWriter& out)
{
    std::vector<uint8_t> d;
    if (count == 1) {
        CellHeader(d, row, *first);
        out.Write(rec::kBlank, d);
        return;
    }
    PutU16(d, row);
    PutU16(d, first->column);
    for (size_t i = 0; i < count; ++i)
        PutU16(d, first[i].xf);
    PutU16(d, first[count - 1].column);
    out.Write(rec::kMulBlank, d);
}

void WriteRowCells(const PlannedRow& row, BiffRecordWriter& out)
{
    const auto& cells = row.cells;
    for (size_t i = 0; i < cells.size();) {
        if (cells[i].kind == PlannedCell::Kind::kBlank) {
            size_t run = 1;
            while (i + run < cells.size() && cells[i + run].kind == PlannedCell::Kind::kBlank &&
                   cells[i + run].column == cells[i].column + run)
                ++run;
            WriteBlanks(row.row, &cells[i], run, out);
            i += run;
            continue;
        }
        if (cells[i].kind == PlannedCell::Kind::kNumber)
            WriteNumberCell(row.row, cells[i], out);
        else
            WriteTextCell(row.row, cells[i], out);
        ++i;
    }
}

// Rows in blocks of 32: the ROW records, their cells, then a DBCELL pointing back into the block.
std::vector<size_t> WriteCellTable(const SheetPlan& plan, BiffRecordWriter& out)
{
    std::vector<size_t> dbCellPositions;
    for (size_t blockStart = 0; blockStart < plan.rows.size(); blockStart += kRowsPerBlock) {
        const size_t blockEnd = std::min(plan.rows.size(), blockStart + kRowsPerBlock);
        const size_t firstRowPosition = out.Position();
        for (size_t r = blockStart; r < blockEnd; ++r)
            WriteRowRecord(plan.rows[r], out);
        std::vector<size_t> cellStarts;
        for (size_t r = blockStart; r < blockEnd; ++r) {
            cellStarts.push_back(out.Position());
            WriteRowCells(plan.rows[r], out);
        }
        const size_t dbCell = out.Position();
        std::vector<uint8_t> d;
        PutU32(d, static_cast<uint32_t>(dbCell - firstRowPosition));
        size_t previous = firstRowPosition + kRowRecordSize;
        for (size_t start : cellStarts) {
            PutU16(d, static_cast<uint16_t>(start - previous));
            previous = start;
        }
        out.Write(rec::kDbCell, d);
        dbCellPositions.push_back(dbCell);
    }
    return dbCellPositions;
}

void WriteWindow(const SheetPlan& plan, BiffRecordWriter& out)
{
    std::vector<uint8_t> d;
    PutU16(d,
           static_cast<uint16_t>(kWindow2Shown | (plan.active ? kWindow2Selected | kWindow2Displayed : 0)));
    PutU16(d, 0);                     // top row
    PutU16(d, 0);                     // left column
    PutU16(d, kIcvAutomaticPattern);  // gridline colour
    PutU16(d, 0);
    PutU16(d, 0);  // page break preview zoom: default
    PutU16(d, 0);  // normal zoom: default
    PutU32(d, 0);
    out.Write(rec::kWindow2, d);

    std::vector<uint8_t> s;
    PutU8(s, kPaneTopLeft);
    PutU16(s, static_cast<uint16_t>(plan.activeRow - 1));
    PutU16(s, static_cast<uint16_t>(plan.activeColumn - 1));
    PutU16(s, 0);  // the active cell lies in the first area
    PutU16(s, 1);
    PutU16(s, static_cast<uint16_t>(plan.selection.firstRow - 1));
    PutU16(s, static_cast<uint16_t>(plan.selection.lastRow - 1));
    PutU8(s, static_cast<uint8_t>(plan.selection.firstColumn - 1));
    PutU8(s, static_cast<uint8_t>(plan.selection.lastColumn - 1));
    out.Write(rec::kSelection, s);
}

void WriteMergedCells(const SheetPlan& plan, BiffRecordWriter& out)
{
    for (size_t start = 0; start < plan.merged.size(); start += kMaxMergedAreasPerRecord) {
        const size_t end = std::min(plan.merged.size(), start + kMaxMergedAreasPerRecord);
        std::vector<uint8_t> d;
        PutU16(d, static_cast<uint16_t>(end - start));
        for (size_t i = start; i < end; ++i) {
            const CellRange& m = plan.merged[i];
            PutU16(d, static_cast<uint16_t>(m.firstRow - 1));
            PutU16(d, static_cast<uint16_t>(m.lastRow - 1));
            PutU16(d, static_cast<uint16_t>(m.firstColumn - 1));
            PutU16(d, static_cast<uint16_t>(m.lastColumn - 1));
        }
        out.Write(rec::kMergedCells, d);
    }
}

void PlanColumns(const Worksheet& sheet, XfTable& xfs, SheetPlan& plan)
{
    const uint16_t sheetXf = xfs.XfFor(sheet.SheetFormatId());
    const uint16_t standardWidth = ColumnWidthToFile(sheet.StandardWidth());
    for (int c = 1; c <= kMaxColumns; ++c) {
        const FormatId own = sheet.ColumnFormatId(c);
        PlannedColumns column;
        column.first = column.last = static_cast<uint16_t>(c - 1);
        column.xf = own != kNoFormat ? xfs.XfFor(own) : sheetXf;
        column.customWidth = sheet.HasCustomWidth(c);
        column.width = column.customWidth ? ColumnWidthToFile(sheet.ColumnWidthAt(c)) : standardWidth;
        if (!column.customWidth && column.xf == kDefaultCellXf)
            continue;
        if (!plan.columns.empty()) {
            PlannedColumns& last = plan.columns.back();
            if (last.last + 1 == column.first && last.xf == column.xf && last.width == column.width &&
                last.customWidth == column.customWidth) {
                last.last = column.last;
                continue;
            }
        }
        plan.columns.push_back(column);
    }
}

PlannedRow PlanRow(const Worksheet& sheet, const RowInfo& info, XfTable& xfs)
{
    PlannedRow row;
    row.row = static_cast<uint16_t>(info.row - 1);
    row.customHeight = info.customHeight;
    row.heightTwips = PointsToTwips(info.customHeight ? info.height : sheet.StandardHeight());
    if (row.customHeight && row.heightTwips == 0) {
        row.hidden = true;
        row.heightTwips = PointsToTwips(sheet.StandardHeight());
    }
    row.hasFormat = info.formatId != kNoFormat;
    if (row.hasFormat)
        row.xf = xfs.XfFor(info.formatId);
    return row;
}

}  // namespace

SheetPlan PlanSheet(const Worksheet& sheet, bool active, XfTable& xfs, SharedStringTable& strings)
{
    SheetPlan plan;
    plan.name = sheet.Name();
    plan.active = active;
    plan.standardHeightTwips = PointsToTwips(sheet.StandardHeight());
    plan.standardWidth = StandardWidthToFile(sheet.StandardWidth());
    PlanColumns(sheet, xfs, plan);
    for (const RowInfo& info : sheet.RowInfos())
        plan.rows.push_back(PlanRow(sheet, info, xfs));

    size_t next = 0;
    sheet.ForEachCell([&](int r, int c, const Cell& cell) {
        const auto row = static_cast<uint16_t>(r - 1);
        while (next < plan.rows.size() && plan.rows[next].row < row)
            ++next;
        if (next == plan.rows.size() || plan.rows[next].row != row) {
            RowInfo info;
            info.row = r;
            plan.rows.insert(plan.rows.begin() + static_cast<std::ptrdiff_t>(next),
                             PlanRow(sheet, info, xfs));
        }
        PlannedCell planned;
        planned.column = static_cast<uint16_t>(c - 1);
        planned.xf = xfs.XfFor(cell.formatId != kNoFormat ? cell.formatId : sheet.EffectiveFormatId(r, c));
        if (cell.value.IsNumber()) {
            planned.kind = PlannedCell::Kind::kNumber;
            planned.number = cell.value.Number();
        } else if (cell.value.IsText()) {
            planned.kind = PlannedCell::Kind::kText;
            planned.stringIndex = strings.Add(Utf8ToUtf16(cell.value.Text()));
        }
        plan.rows[next].cells.push_back(planned);
    });

    plan.merged = sheet.MergedAreas();
    plan.selection = sheet.SelectedArea();
    plan.activeRow = sheet.ActiveRow();
    plan.activeColumn = sheet.ActiveColumn();
    plan.layout = sheet.Layout();
    return plan;
}

void WriteSheet(const SheetPlan& plan, BiffRecordWriter& out)
{
    out.WriteBof(kBofWorksheet);
    const IndexPlaceholders index = WriteIndex(plan, out);
    WriteCalculationSettings(out);
    WritePrintSettings(out);
    WriteDefaultRowHeight(plan, out);
    const uint16_t fitFlag = plan.layout.fitToPages ? kWsBoolFitToPage : 0;
    out.WriteU16(rec::kWsBool, static_cast<uint16_t>(kWsBoolDefault | fitFlag));
    WritePageSetup(plan.layout, out);
    SetU32(out.Bytes(), index.defColWidthField, static_cast<uint32_t>(out.Position()));
    out.WriteU16(rec::kDefColWidth, plan.standardWidth);
    WriteColumns(plan, out);
    WriteDimensions(plan, out);
    const auto dbCells = WriteCellTable(plan, out);
    for (size_t i = 0; i < dbCells.size(); ++i)
        SetU32(out.Bytes(), index.firstBlockField + 4 * i, static_cast<uint32_t>(dbCells[i]));
    WriteWindow(plan, out);
    WriteMergedCells(plan, out);
    out.Write(rec::kEof, {});
}

}  // namespace morvessa::sheet::xls
