#include "spreadsheet/xls/SheetWriter.h"

#include <algorithm>
#include <cmath>

#include "spreadsheet/xls/Bytes.h"
#include "spreadsheet/xls/SheetGeometry.h"
#include "spreadsheet/xls/SheetRecords.h"
#include "spreadsheet/xls/TextCodec.h"

namespace morvessa::sheet::xls {
namespace {

constexpr size_t kRowsPerBlock = 32;
constexpr uint16_t kStandardRowTwips = 255;  // 12.75 points, the default font's row
constexpr uint16_t kWindow2Shown = 0x00B6;   // gridlines, headers, zeros, default header colour, outline
constexpr uint16_t kWindow2Displayed = 0x0400;
constexpr uint16_t kWsBoolDefault = 0x04C1;
constexpr uint16_t kCalcAutomatic = 1;
constexpr uint16_t kCalcIterations = 100;
constexpr uint16_t kRefModeA1 = 1;
constexpr double kCalcDelta = 0.001;
// Once the file names an orientation or a scale, paper, resolution and copies must be valid too.
constexpr uint16_t kSetupResolutionDpi = 600;
constexpr double kHeaderMarginInches = 0.5;

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
    IndexRecord index;
    index.firstRow = firstRow;
    index.endRow = endRow;
    index.dbCellPositions.resize(blocks);
    const size_t data = out.Position() + kRecordHeaderSize;
    out.Write(rec::kIndex, index.Encode());
    return {data + IndexRecord::kDefColWidthOffset, data + IndexRecord::kFirstDbCellOffset};
}

void WriteCalculationSettings(BiffRecordWriter& out)
{
    out.WriteU16(rec::kCalcMode, kCalcAutomatic);
    out.WriteU16(rec::kCalcCount, kCalcIterations);
    out.WriteU16(rec::kRefMode, kRefModeA1);
    out.WriteU16(rec::kIteration, 0);
    out.Write(rec::kDelta, EncodeF64(kCalcDelta));
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
    DefaultRowHeightRecord height;
    height.flags = plan.standardHeightTwips == kStandardRowTwips ? 0 : DefaultRowHeightRecord::kUnsynced;
    height.heightTwips = plan.standardHeightTwips;
    out.Write(rec::kDefaultRowHeight, height.Encode());
}

void WritePageSetup(const PageLayout& layout, BiffRecordWriter& out)
{
    out.Write(rec::kHeader, {});
    out.Write(rec::kFooter, {});
    out.WriteU16(rec::kHCenter, layout.centerHorizontally ? 1 : 0);
    out.WriteU16(rec::kVCenter, 0);
    // A default layout leaves the printer fields undefined, so the user's printer decides the paper.
    const bool printerFieldsSet =
        layout.landscape || layout.zoom != PageLayout{}.zoom || layout.paperSize != PageLayout{}.paperSize;
    uint16_t flags = layout.landscape ? 0 : kSetupPortrait;
    if (!printerFieldsSet)
        flags |= kSetupNoPrinterFields;
    SetupRecord setup;
    setup.paper = printerFieldsSet ? static_cast<uint16_t>(layout.paperSize) : 0;
    setup.scale = static_cast<uint16_t>(layout.zoom);
    setup.firstPage = 1;
    setup.fitWide = static_cast<uint16_t>(layout.fitPagesWide);
    setup.fitTall = static_cast<uint16_t>(layout.fitPagesTall);
    setup.flags = flags;
    setup.horizontalDpi = setup.verticalDpi = printerFieldsSet ? kSetupResolutionDpi : 0;
    setup.headerMargin = setup.footerMargin = kHeaderMarginInches;
    setup.copies = 1;
    out.Write(rec::kSetup, setup.Encode());
}

void WriteColumns(const SheetPlan& plan, BiffRecordWriter& out)
{
    for (const auto& c : plan.columns) {
        const ColInfoRecord columns{c.first, c.last, c.width, c.xf,
                                    static_cast<uint16_t>(c.customWidth ? kColumnCustomWidth : 0)};
        out.Write(rec::kColInfo, columns.Encode());
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
    DimensionsRecord dimensions;
    if (firstRow != UINT32_MAX)
        dimensions = {firstRow, lastRow + 1, firstColumn, static_cast<uint16_t>(lastColumn + 1)};
    out.Write(rec::kDimensions, dimensions.Encode());
}

void WriteRowRecord(const PlannedRow& row, BiffRecordWriter& out)
{
    RowRecord record;
    record.row = row.row;
    record.firstColumn = row.cells.empty() ? 0 : row.cells.front().column;
    record.endColumn = row.cells.empty() ? 0 : static_cast<uint16_t>(row.cells.back().column + 1);
    record.heightTwips = row.heightTwips;
    record.flags = static_cast<uint16_t>(RowRecord::kAlwaysSet | (row.customHeight ? kRowCustomHeight : 0) |
                                         (row.hidden ? kRowHidden : 0) | (row.hasFormat ? kRowHasFormat : 0));
    record.xf = row.hasFormat ? row.xf : kDefaultCellXf;
    out.WriteRecord(record);
}

CellAddress AddressOf(uint16_t row, const PlannedCell& cell)
{
    return {row, cell.column, cell.xf};
}

void WriteNumberCell(uint16_t row, const PlannedCell& cell, BiffRecordWriter& out)
{
    uint32_t rk;
    if (EncodeRk(cell.number, rk))
        out.WriteRecord(RkRecord{AddressOf(row, cell), rk});
    else
        out.WriteRecord(NumberRecord{AddressOf(row, cell), cell.number});
}

// Adjacent formatted empty cells share one MULBLANK record; `blanks` is reused from run to run.
void WriteBlanks(uint16_t row, const PlannedCell* first, size_t count, MulBlankRecord& blanks,
                 BiffRecordWriter& out)
{
    if (count == 1) {
        out.WriteRecord(BlankRecord{AddressOf(row, *first)});
        return;
    }
    blanks.row = row;
    blanks.firstColumn = first->column;
    blanks.xfs.clear();
    for (size_t i = 0; i < count; ++i)
        blanks.xfs.push_back(first[i].xf);
    out.WriteRecord(blanks);
}

void WriteRowCells(const PlannedRow& row, MulBlankRecord& blanks, BiffRecordWriter& out)
{
    const auto& cells = row.cells;
    for (size_t i = 0; i < cells.size();) {
        if (cells[i].kind == PlannedCell::Kind::kBlank) {
            size_t run = 1;
            while (i + run < cells.size() && cells[i + run].kind == PlannedCell::Kind::kBlank &&
                   cells[i + run].column == cells[i].column + run)
                ++run;
            WriteBlanks(row.row, &cells[i], run, blanks, out);
            i += run;
            continue;
        }
        if (cells[i].kind == PlannedCell::Kind::kNumber)
            WriteNumberCell(row.row, cells[i], out);
        else
            out.WriteRecord(LabelSstRecord{AddressOf(row.row, cells[i]), cells[i].stringIndex});
        ++i;
    }
}

// Rows in blocks of 32: the ROW records, their cells, then a DBCELL pointing back into the block.
std::vector<size_t> WriteCellTable(const SheetPlan& plan, BiffRecordWriter& out)
{
    std::vector<size_t> dbCellPositions;
    std::vector<size_t> cellStarts;
    DbCellRecord index;
    MulBlankRecord blanks;
    for (size_t blockStart = 0; blockStart < plan.rows.size(); blockStart += kRowsPerBlock) {
        const size_t blockEnd = std::min(plan.rows.size(), blockStart + kRowsPerBlock);
        const size_t firstRowPosition = out.Position();
        for (size_t r = blockStart; r < blockEnd; ++r)
            WriteRowRecord(plan.rows[r], out);
        cellStarts.clear();
        for (size_t r = blockStart; r < blockEnd; ++r) {
            cellStarts.push_back(out.Position());
            WriteRowCells(plan.rows[r], blanks, out);
        }
        const size_t dbCell = out.Position();
        index.toFirstRow = static_cast<uint32_t>(dbCell - firstRowPosition);
        index.cellOffsets.clear();
        size_t previous = firstRowPosition + kRecordHeaderSize + RowRecord::kSize;
        for (size_t start : cellStarts) {
            index.cellOffsets.push_back(static_cast<uint16_t>(start - previous));
            previous = start;
        }
        out.WriteRecord(index);
        dbCellPositions.push_back(dbCell);
    }
    return dbCellPositions;
}

void WriteWindow(const SheetPlan& plan, BiffRecordWriter& out)
{
    Window2Record window;
    window.flags =
        static_cast<uint16_t>(kWindow2Shown | (plan.active ? kWindow2Selected | kWindow2Displayed : 0));
    out.Write(rec::kWindow2, window.Encode());

    SelectionRecord selection;
    selection.pane = kPaneTopLeft;
    selection.activeRow = static_cast<uint16_t>(plan.activeRow - 1);
    selection.activeColumn = static_cast<uint16_t>(plan.activeColumn - 1);
    selection.activeArea = 0;
    const CellRange& area = plan.selection;
    selection.areas = {{static_cast<uint16_t>(area.firstRow - 1), static_cast<uint16_t>(area.lastRow - 1),
                        static_cast<uint8_t>(area.firstColumn - 1),
                        static_cast<uint8_t>(area.lastColumn - 1)}};
    out.Write(rec::kSelection, selection.Encode());
}

void WriteMergedCells(const SheetPlan& plan, BiffRecordWriter& out)
{
    for (size_t start = 0; start < plan.merged.size(); start += kMaxMergedAreasPerRecord) {
        const size_t end = std::min(plan.merged.size(), start + kMaxMergedAreasPerRecord);
        MergedCellsRecord record;
        for (size_t i = start; i < end; ++i) {
            const CellRange& m = plan.merged[i];
            record.areas.push_back(
                {static_cast<uint16_t>(m.firstRow - 1), static_cast<uint16_t>(m.lastRow - 1),
                 static_cast<uint16_t>(m.firstColumn - 1), static_cast<uint16_t>(m.lastColumn - 1)});
        }
        out.Write(rec::kMergedCells, record.Encode());
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
    const std::vector<RowInfo> rowInfos = sheet.RowInfos();
    plan.rows.reserve(rowInfos.size());
    for (const RowInfo& info : rowInfos)
        plan.rows.push_back(PlanRow(sheet, info, xfs));

    size_t next = 0;
    size_t previousRowCells = 0;  // rows of a sheet tend to be alike: the last one sizes the next
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
        auto& cells = plan.rows[next].cells;
        if (cells.empty()) {
            if (next > 0 && !plan.rows[next - 1].cells.empty())
                previousRowCells = plan.rows[next - 1].cells.size();
            cells.reserve(previousRowCells);
        }
        cells.push_back(planned);
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
