#include "spreadsheet/xls/WorkbookReader.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "spreadsheet/HostError.h"
#include "spreadsheet/xls/BiffRecordReader.h"
#include "spreadsheet/xls/BiffRecords.h"
#include "spreadsheet/xls/BiffStrings.h"
#include "spreadsheet/xls/Bytes.h"
#include "spreadsheet/xls/FontTable.h"
#include "spreadsheet/xls/GlobalsRecords.h"
#include "spreadsheet/xls/SharedStrings.h"
#include "spreadsheet/xls/SheetGeometry.h"
#include "spreadsheet/xls/SheetRecords.h"
#include "spreadsheet/xls/TextCodec.h"
#include "spreadsheet/xls/XfTable.h"

namespace morvessa::sheet::xls {
namespace {

struct SheetEntry {
    uint32_t offset = 0;
    uint8_t type = 0;
    std::string name;
};

struct Globals {
    XfDecoder xfs;
    std::vector<std::u16string> strings;
    std::vector<SheetEntry> sheets;
    uint16_t activeTab = 0;
    size_t end = 0;  // stream position after the globals' EOF
};

// What the whole workbook may make the model hold, counted as it is read so that a small
// file cannot claim gigabytes or minutes: cell and row slots, and merged areas.
class ReadBudget {
public:
    void AddSlots(size_t slots)
    {
        slots_ += slots;
        if (slots_ > kMaxCellSlots)
            throw XlsError("The workbook is too large to be opened.");
    }
    // Checked as the areas are read; counted once their sheet is built.
    void CheckMergedAreas(size_t pending) const
    {
        if (mergedAreas_ + pending > kMaxMergedAreas)
            throw XlsError("The workbook has too many merged areas to be opened.");
    }
    void AddMergedAreas(size_t areas)
    {
        CheckMergedAreas(areas);
        mergedAreas_ += areas;
    }
    // Each cell holds its own copy of its text: a long shared string used by every cell of a
    // small file would otherwise come to gigabytes.
    void CheckTextBytes(size_t pending) const
    {
        if (textBytes_ + pending > kMaxTextBytes)
            throw XlsError("The workbook is too large to be opened.");
    }
    void AddTextBytes(size_t bytes)
    {
        CheckTextBytes(bytes);
        textBytes_ += bytes;
    }

private:
    size_t slots_ = 0;
    size_t mergedAreas_ = 0;
    size_t textBytes_ = 0;
};

struct ReadCell {
    uint16_t row = 0, column = 0, xf = 0;
    CellValue value;
};

struct ReadRow {
    uint16_t row = 0;
    double height = 0;
    bool customHeight = false;
    std::optional<uint16_t> xf;
};

struct ReadColumn {
    uint16_t xf = kDefaultCellXf;
    std::optional<uint16_t> widthUnits;
    bool userSet = false;
};

struct SheetContent {
    double standardHeight = 12.75;
    std::optional<double> standardWidth;
    std::vector<ReadColumn> columns = std::vector<ReadColumn>(kMaxColumns);  // by column index
    std::vector<ReadRow> rows;
    std::vector<ReadCell> cells;
    std::vector<CellRange> merged;
    std::optional<CellRange> selection;
    int activeRow = 1, activeColumn = 1;
    PageLayout layout;
    size_t end = 0;        // stream position after the sheet's EOF
    size_t textBytes = 0;  // of the cells' texts
};

std::string ErrorText(uint8_t code)
{
    switch (code) {
    case 0x00:
        return "#NULL!";
    case 0x07:
        return "#DIV/0!";
    case 0x0F:
        return "#VALUE!";
    case 0x17:
        return "#REF!";
    case 0x1D:
        return "#NAME?";
    case 0x24:
        return "#NUM!";
    default:
        return "#N/A";
    }
}

// A double from the file may be NaN or infinite; the model keeps only finite numbers.
CellValue NumberValue(double value)
{
    return std::isfinite(value) ? CellValue(value) : CellValue("#NUM!");
}

void CheckBof(const BiffRecord& record, uint16_t expectedType, const char* where)
{
    if (record.id != rec::kBof)
        FailInvalid(std::string("the ") + where + " does not begin with a BOF record.");
    const BofRecord bof = BofRecord::Decode(record.data);
    if (bof.version != kBiff8Version)
        throw XlsError("The file was saved in an Excel format older than Excel 97 and cannot be opened.");
    if (bof.type != expectedType)
        FailInvalid(std::string("the ") + where + " has the wrong type.");
}

Globals ReadGlobals(std::span<const uint8_t> stream)
{
    Globals g;
    BiffRecordReader reader(stream, 0);
    BiffRecord record;
    if (!reader.Next(record))
        FailInvalid("the workbook stream is empty.");
    CheckBof(record, kBofGlobals, "workbook");
    bool ended = false;
    while (!ended && reader.Next(record)) {
        switch (record.id) {
        case rec::kFilePass:
            throw XlsError("The workbook is protected with a password and cannot be opened.");
        case rec::kFont: {
            ByteReader in(record.data, "FONT");
            g.xfs.AddFont(ReadFontRecord(in));
            break;
        }
        case rec::kFormat: {
            FormatRecord format = ReadFormatRecord(record.data);
            g.xfs.AddNumberFormat(format.id, std::move(format.text));
            break;
        }
        case rec::kXf:
            g.xfs.AddXf(record.data);
            break;
        case rec::kWindow1:
            g.activeTab = Window1Record::Decode(record.data).activeTab;
            break;
        case rec::kBoundSheet: {
            BoundSheetRecord sheet = BoundSheetRecord::Decode(record.data);
            if (g.sheets.size() >= kMaxSheets)
                throw XlsError("The workbook has too many sheets to be opened.");
            g.sheets.push_back({sheet.position, sheet.type, std::move(sheet.name)});
            break;
        }
        case rec::kSst:
            g.strings = ReadSharedStrings(record);
            break;
        case rec::kEof:
            ended = true;
            g.end = record.offset + kRecordHeaderSize + record.data.size();
            break;
        default:
            break;  // records this program does not use
        }
    }
    if (!ended)
        FailInvalid("the workbook globals have no end.");
    if (g.sheets.empty())
        FailInvalid("it contains no sheets.");
    return g;
}

void ReadColumnInfo(const BiffRecord& record, SheetContent& s)
{
    const ColInfoRecord info = ColInfoRecord::Decode(record.data);
    for (uint32_t c = info.first; c <= std::min<uint32_t>(info.last, kLastColumnIndex); ++c) {
        s.columns[c].xf = info.xf;
        s.columns[c].widthUnits = info.width;
        s.columns[c].userSet = (info.flags & kColumnCustomWidth) != 0;
    }
}

void ReadRowRecord(std::span<const uint8_t> data, SheetContent& s)
{
    const RowRecord record = RowRecord::Decode(data);
    ReadRow row;
    row.row = record.row;
    row.customHeight = (record.flags & (kRowCustomHeight | kRowHidden)) != 0;
    row.height = (record.flags & kRowHidden) ? 0 : TwipsToPoints(record.heightTwips);
    if (record.flags & kRowHasFormat)
        row.xf = record.xf;
    s.rows.push_back(row);
}

ReadCell CellAt(const CellAddress& address, CellValue value = {})
{
    return {address.row, address.column, address.xf, std::move(value)};
}

// The value a FORMULA record stored; a text result follows in the STRING record after it.
void ReadFormula(const FormulaRecord& formula, SheetContent& s, std::optional<size_t>& pendingFormulaString)
{
    // The host keeps values, not formulas.
    ReadCell cell = CellAt(formula.cell);
    if (formula.IsNumber())
        cell.value = NumberValue(formula.Number());
    else if (formula.Type() == FormulaRecord::ResultType::kString)
        pendingFormulaString = s.cells.size();
    else if (formula.Type() == FormulaRecord::ResultType::kBool)
        cell.value = std::string(formula.Value() ? "TRUE" : "FALSE");
    else if (formula.Type() == FormulaRecord::ResultType::kError)
        cell.value = ErrorText(formula.Value());
    s.cells.push_back(std::move(cell));
}

void ReadCellRecord(const BiffRecord& record, const Globals& g, SheetContent& s,
                    std::optional<size_t>& pendingFormulaString)
{
    switch (record.id) {
    case rec::kBlank:
        s.cells.push_back(CellAt(BlankRecord::Decode(record.data).cell));
        break;
    case rec::kNumber: {
        const NumberRecord number = NumberRecord::Decode(record.data);
        s.cells.push_back(CellAt(number.cell, NumberValue(number.value)));
        break;
    }
    case rec::kRk: {
        const RkRecord rk = RkRecord::Decode(record.data);
        s.cells.push_back(CellAt(rk.cell, NumberValue(DecodeRk(rk.rk))));
        break;
    }
    case rec::kLabelSst: {
        const LabelSstRecord label = LabelSstRecord::Decode(record.data);
        if (label.stringIndex >= g.strings.size())
            FailInvalid("a cell refers to a shared string that does not exist.");
        std::string text = Utf16ToUtf8(g.strings[label.stringIndex]);
        s.textBytes += text.size();
        s.cells.push_back(CellAt(label.cell, std::move(text)));
        break;
    }
    case rec::kLabel: {
        LabelRecord label = LabelRecord::Decode(record.data);
        s.textBytes += label.text.size();
        s.cells.push_back(CellAt(label.cell, std::move(label.text)));
        break;
    }
    case rec::kBoolErr: {
        const BoolErrRecord b = BoolErrRecord::Decode(record.data);
        s.cells.push_back(CellAt(b.cell, b.isError == BoolErrRecord::kIsError
                                             ? ErrorText(b.value)
                                             : std::string(b.value ? "TRUE" : "FALSE")));
        break;
    }
    case rec::kMulBlank: {
        const MulBlankRecord blanks = MulBlankRecord::Decode(record.data);
        // Most of a calendar's cells come here: each is made in place, with no value to move.
        for (size_t i = 0; i < blanks.xfs.size(); ++i) {
            // Member by member: an aggregate made in place by emplace_back's arguments needs a newer
            // compiler than the fuzz build's.
            ReadCell& cell = s.cells.emplace_back();
            cell.row = blanks.row;
            cell.column = static_cast<uint16_t>(blanks.firstColumn + i);
            cell.xf = blanks.xfs[i];
        }
        break;
    }
    case rec::kMulRk: {
        const MulRkRecord numbers = MulRkRecord::Decode(record.data);
        for (size_t i = 0; i < numbers.items.size(); ++i)
            s.cells.push_back(
                CellAt({numbers.row, static_cast<uint16_t>(numbers.firstColumn + i), numbers.items[i].xf},
                       NumberValue(DecodeRk(numbers.items[i].rk))));
        break;
    }
    case rec::kFormula:
        ReadFormula(FormulaRecord::Decode(record.data), s, pendingFormulaString);
        break;
    case rec::kString:
        if (pendingFormulaString) {
            std::string text = StringRecord::Decode(record.Joined()).text;
            s.textBytes += text.size();
            s.cells[*pendingFormulaString].value = std::move(text);
            pendingFormulaString.reset();
        }
        break;
    default:
        break;
    }
}

void ReadMergedCells(const BiffRecord& record, SheetContent& s, const ReadBudget& budget)
{
    const MergedCellsRecord merged = MergedCellsRecord::Decode(record.data);
    budget.CheckMergedAreas(s.merged.size() + merged.areas.size());
    for (const MergedArea& a : merged.areas) {
        const int firstRow = a.firstRow + 1, lastRow = a.lastRow + 1;
        const int firstColumn = a.firstColumn + 1, lastColumn = a.lastColumn + 1;
        if (firstRow > lastRow || firstColumn > lastColumn || lastColumn > kMaxColumns)
            FailInvalid("a merged area lies outside the sheet.");
        s.merged.push_back({firstRow, firstColumn, lastRow, lastColumn});
    }
}

void ReadSelection(const BiffRecord& record, SheetContent& s)
{
    // An odd selection is only a view setting: keep the default rather than refuse the file.
    SelectionRecord selection;
    try {
        selection = SelectionRecord::Decode(record.data);
    } catch (const XlsError&) {
        return;
    }
    if (selection.pane != kPaneTopLeft || selection.areas.empty())
        return;
    const int activeRow = selection.activeRow + 1, activeColumn = selection.activeColumn + 1;
    const SelectionArea& area = selection.areas.front();
    const int firstRow = area.firstRow + 1, lastRow = area.lastRow + 1;
    const int firstColumn = area.firstColumn + 1, lastColumn = area.lastColumn + 1;
    if (firstRow > lastRow || firstColumn > lastColumn || activeColumn > kMaxColumns)
        return;
    s.selection = CellRange{firstRow, firstColumn, lastRow, lastColumn};
    s.activeRow = activeRow;
    s.activeColumn = activeColumn;
}

// Print settings only: a short or odd record keeps the default rather than refuse the file.
void ReadSetup(const BiffRecord& record, PageLayout& layout)
{
    constexpr size_t kFieldsUsed = 12;
    constexpr uint16_t kMinZoom = 10, kMaxZoom = 400, kMaxFitPages = 32767;
    if (record.data.size() < kFieldsUsed)
        return;
    const SetupRecord setup = SetupRecord::Decode(record.data);
    if (setup.fitWide <= kMaxFitPages)
        layout.fitPagesWide = setup.fitWide;
    if (setup.fitTall <= kMaxFitPages)
        layout.fitPagesTall = setup.fitTall;
    if (setup.flags & kSetupNoPrinterFields)
        return;
    if (setup.scale >= kMinZoom && setup.scale <= kMaxZoom)
        layout.zoom = setup.scale;
    // Other papers are the printer's business: the default stays.
    if (setup.paper == xlPaperLetter || setup.paper == xlPaperLegal || setup.paper == xlPaperA3 ||
        setup.paper == xlPaperA4)
        layout.paperSize = setup.paper;
    if (!(setup.flags & kSetupNoOrientation))
        layout.landscape = !(setup.flags & kSetupPortrait);
}

// Charts embedded in a sheet come as their own BOF .. EOF inside it; the host keeps no charts.
void SkipEmbeddedSubstream(BiffRecordReader& reader)
{
    BiffRecord record;
    for (int depth = 1; depth > 0;) {
        if (!reader.Next(record))
            FailInvalid("an embedded chart has no end.");
        if (record.id == rec::kBof)
            ++depth;
        if (record.id == rec::kEof)
            --depth;
    }
}

SheetContent ReadSheetRecords(std::span<const uint8_t> stream, const SheetEntry& entry, const Globals& g,
                              const ReadBudget& budget, bool& selected, size_t expectedCells)
{
    if (entry.offset >= stream.size())
        FailInvalid("a sheet lies outside the workbook stream.");
    SheetContent s;
    s.cells.reserve(expectedCells);
    BiffRecordReader reader(stream, entry.offset);
    BiffRecord record;
    if (!reader.Next(record))
        FailInvalid("a sheet is empty.");
    CheckBof(record, kBofWorksheet, "sheet");
    std::optional<size_t> pendingFormulaString;
    bool ended = false;
    while (!ended && reader.Next(record)) {
        switch (record.id) {
        case rec::kDefaultRowHeight:
            s.standardHeight = TwipsToPoints(DefaultRowHeightRecord::Decode(record.data).heightTwips);
            break;
        case rec::kDefColWidth:
            s.standardWidth = StandardWidthFromFile(DecodeU16(record.data, "DEFCOLWIDTH"));
            break;
        case rec::kColInfo:
            ReadColumnInfo(record, s);
            break;
        case rec::kRow:
            ReadRowRecord(record.data, s);
            break;
        case rec::kMergedCells:
            ReadMergedCells(record, s, budget);
            break;
        case rec::kWindow2:
            selected = (Window2Record::Decode(record.data).flags & kWindow2Selected) != 0;
            break;
        case rec::kSelection:
            ReadSelection(record, s);
            break;
        case rec::kWsBool:
            if (record.data.size() >= 2)
                s.layout.fitToPages = (GetU16(record.data.data()) & kWsBoolFitToPage) != 0;
            break;
        case rec::kHCenter:
            if (record.data.size() >= 2)
                s.layout.centerHorizontally = GetU16(record.data.data()) != 0;
            break;
        case rec::kSetup:
            ReadSetup(record, s.layout);
            break;
        case rec::kBof:
            SkipEmbeddedSubstream(reader);
            break;
        case rec::kEof:
            ended = true;
            s.end = record.offset + kRecordHeaderSize + record.data.size();
            break;
        default:
            ReadCellRecord(record, g, s, pendingFormulaString);
            break;
        }
        // Cells are held until the sheet ends; a flood of them fails before memory runs out.
        if (s.cells.size() > kMaxCellSlots)
            throw XlsError("The workbook is too large to be opened.");
        budget.CheckTextBytes(s.textBytes);
    }
    if (!ended)
        FailInvalid("a sheet has no end.");
    return s;
}

// Maps XF indexes to the model's format ids, interning each decoded format once.
class FormatMapper {
public:
    FormatMapper(const XfDecoder& xfs, FormatTable& formats) : xfs_(xfs), formats_(formats) {}
    FormatId IdOf(uint16_t xf)
    {
        // XF indexes past the table all read as the default format: one slot serves them.
        const size_t slot = std::min<size_t>(xf, xfs_.XfCount());
        if (ids_.size() <= slot)
            ids_.resize(slot + 1, kNoFormat);
        if (ids_[slot] == kNoFormat)
            ids_[slot] = formats_.Intern(xfs_.Decode(xf));
        return ids_[slot];
    }

private:
    const XfDecoder& xfs_;
    FormatTable& formats_;
    std::vector<FormatId> ids_;
};

// The sheet's own format is the one most columns share; the others become column formats.
uint16_t MostCommonColumnXf(const SheetContent& s)
{
    std::map<uint16_t, int> counts;
    for (const auto& c : s.columns)
        ++counts[c.xf];
    uint16_t best = s.columns.back().xf;
    for (const auto& [xf, n] : counts)
        if (n > counts[best])
            best = xf;
    return best;
}

// The cells each row of the model will store (up to its last one), by row number; counted
// against the budget, with the row table itself, before the model grows.
std::vector<uint16_t> CountedRowWidths(const SheetContent& s, ReadBudget& budget)
{
    size_t lastRow = 0;
    for (const ReadRow& row : s.rows)
        lastRow = std::max<size_t>(lastRow, row.row + 1u);
    for (const ReadCell& cell : s.cells)
        lastRow = std::max<size_t>(lastRow, cell.row + 1u);
    std::vector<uint16_t> rowWidth(lastRow + 1, 0);
    for (const ReadCell& cell : s.cells) {
        const int column = cell.column + 1;
        if (column > kMaxColumns)
            FailInvalid("a cell lies outside the sheet.");
        rowWidth[cell.row + 1] = std::max(rowWidth[cell.row + 1], static_cast<uint16_t>(column));
    }
    // Each row of the row table costs about what a cell does.
    size_t slots = lastRow;
    for (uint16_t width : rowWidth)
        slots += width;
    budget.AddSlots(slots);
    return rowWidth;
}

void BuildSheet(const SheetContent& s, Worksheet& sheet, FormatMapper& formats, ReadBudget& budget)
{
    const std::vector<uint16_t> rowWidth = CountedRowWidths(s, budget);
    sheet.SetStandardHeight(s.standardHeight);
    if (s.standardWidth)
        sheet.SetStandardWidth(*s.standardWidth);
    const uint16_t sheetXf = MostCommonColumnXf(s);
    sheet.SetSheetFormatId(formats.IdOf(sheetXf));
    // Some writers leave the user-set flag off: a width unlike the standard one is custom too.
    const uint16_t standardUnits = ColumnWidthToFile(sheet.StandardWidth());
    std::vector<FormatId> columnFormat(kMaxColumns + 1, kNoFormat);
    for (int c = 1; c <= kMaxColumns; ++c) {
        const ReadColumn& column = s.columns[c - 1];
        if (column.xf != sheetXf) {
            columnFormat[c] = formats.IdOf(column.xf);
            sheet.SetColumnFormatId(c, columnFormat[c]);
        }
        if (column.widthUnits && (column.userSet || *column.widthUnits != standardUnits))
            sheet.SetColumnWidth(c, ColumnWidthFromFile(*column.widthUnits));
    }
    std::vector<FormatId> rowFormat(rowWidth.size(), kNoFormat);
    for (const ReadRow& row : s.rows) {
        if (row.customHeight)
            sheet.SetRowHeight(row.row + 1, row.height);
        if (row.xf) {
            rowFormat[row.row + 1] = formats.IdOf(*row.xf);
            sheet.SetRowFormatId(row.row + 1, rowFormat[row.row + 1]);
        }
    }
    const FormatId sheetFormat = sheet.SheetFormatId();
    sheet.ReserveCells(rowWidth);
    for (const ReadCell& cell : s.cells) {
        const int row = cell.row + 1, column = cell.column + 1;
        const FormatId own = formats.IdOf(cell.xf);
        const FormatId inherited = rowFormat[row] != kNoFormat         ? rowFormat[row]
                                   : columnFormat[column] != kNoFormat ? columnFormat[column]
                                                                       : sheetFormat;
        // A value cell keeps the format it inherits; only a different one becomes its own.
        if (cell.value.IsEmpty() || own != inherited)
            sheet.SetCellFormatId(row, column, own);
        if (!cell.value.IsEmpty())
            sheet.SetCellValue(row, column, cell.value);
    }
    budget.AddTextBytes(s.textBytes);
    budget.AddMergedAreas(s.merged.size());
    sheet.AddMergedAreas(s.merged);
    sheet.SetLayout(s.layout);
    if (s.selection) {
        try {
            sheet.SetSelection(*s.selection, s.activeRow, s.activeColumn);
        } catch (const HostError&) {
            // Only a view setting: the sheet opens with its default selection.
        }
    }
}

// Each sheet has its own bytes: a position named twice, or one inside the globals, would let a
// small file stand for any number of sheets.
std::vector<uint32_t> CheckedSheetPositions(const Globals& g)
{
    std::vector<uint32_t> positions;
    for (const SheetEntry& entry : g.sheets)
        positions.push_back(entry.offset);
    std::sort(positions.begin(), positions.end());
    if (std::adjacent_find(positions.begin(), positions.end()) != positions.end())
        FailInvalid("two sheets start at the same position of the workbook stream.");
    if (positions.front() < g.end)
        FailInvalid("a sheet lies inside the workbook globals.");
    return positions;
}

// A sheet that starts inside the one just read (in an embedded chart, say) is refused.
void CheckNoSheetInside(const std::vector<uint32_t>& positions, uint32_t start, size_t end)
{
    const auto next = std::upper_bound(positions.begin(), positions.end(), start);
    if (next != positions.end() && *next < end)
        FailInvalid("a sheet lies inside another sheet.");
}

}  // namespace

std::unique_ptr<Workbook> ReadWorkbookStream(std::span<const uint8_t> stream)
{
    const Globals globals = ReadGlobals(stream);
    auto workbook = std::make_unique<Workbook>();
    FormatMapper formats(globals.xfs, workbook->Formats());
    const std::vector<uint32_t> positions = CheckedSheetPositions(globals);
    ReadBudget budget;
    int activeSheet = 0;
    int selectedSheet = 0;
    size_t expectedCells = 0;
    try {
        for (size_t i = 0; i < globals.sheets.size(); ++i) {
            const SheetEntry& entry = globals.sheets[i];
            if (entry.type != kSheetWorksheet)
                continue;  // charts and macro sheets are not kept
            bool selected = false;
            // Sheets of one workbook tend to be alike: the list starts at the size of the last one.
            const SheetContent content =
                ReadSheetRecords(stream, entry, globals, budget, selected, expectedCells);
            expectedCells = content.cells.size();
            CheckNoSheetInside(positions, entry.offset, content.end);
            Worksheet& sheet = workbook->AddSheet(entry.name);
            BuildSheet(content, sheet, formats, budget);
            if (i == globals.activeTab)
                activeSheet = workbook->SheetCount();
            if (selected && selectedSheet == 0)
                selectedSheet = workbook->SheetCount();
        }
    } catch (const HostError& e) {
        FailInvalid(e.what());
    }
    if (workbook->SheetCount() == 0)
        FailInvalid("it contains no worksheets.");
    workbook->SetActiveSheetIndex(activeSheet ? activeSheet : selectedSheet ? selectedSheet : 1);
    return workbook;
}

}  // namespace morvessa::sheet::xls
