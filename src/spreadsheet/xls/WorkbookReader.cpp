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
#include "spreadsheet/xls/SharedStrings.h"
#include "spreadsheet/xls/SheetGeometry.h"
#include "spreadsheet/xls/TextCodec.h"
#include "spreadsheet/xls/XfTable.h"

namespace morvessa::sheet::xls {
namespace {

constexpr uint8_t kBoolErrIsError = 1;
constexpr uint16_t kFormulaNonNumber = 0xFFFF;
constexpr uint8_t kFormulaString = 0, kFormulaBool = 1, kFormulaError = 2;

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

double DecodeRk(uint32_t rk)
{
    double value;
    if (rk & 0x2) {
        value = static_cast<double>(static_cast<int32_t>(rk) >> 2);
    } else {
        const uint64_t bits = static_cast<uint64_t>(rk & 0xFFFFFFFCu) << 32;
        std::memcpy(&value, &bits, sizeof value);
    }
    return (rk & 0x1) ? value / 100 : value;
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
    ByteReader in(record.data, "BOF");
    const uint16_t version = in.U16();
    const uint16_t type = in.U16();
    if (version != kBiff8Version)
        throw XlsError("The file was saved in an Excel format older than Excel 97 and cannot be opened.");
    if (type != expectedType)
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
            ByteReader in(record.data, "FORMAT");
            const uint16_t id = in.U16();
            g.xfs.AddNumberFormat(id, ReadUnicodeString(in, LengthField::k16Bit));
            break;
        }
        case rec::kXf:
            g.xfs.AddXf(record.data);
            break;
        case rec::kWindow1: {
            ByteReader in(record.data, "WINDOW1");
            in.Skip(10);
            g.activeTab = in.U16();
            break;
        }
        case rec::kBoundSheet: {
            ByteReader in(record.data, "BOUNDSHEET");
            SheetEntry entry;
            entry.offset = in.U32();
            in.U8();
            entry.type = in.U8();
            entry.name = ReadUnicodeString(in, LengthField::k8Bit);
            if (g.sheets.size() >= kMaxSheets)
                throw XlsError("The workbook has too many sheets to be opened.");
            g.sheets.push_back(std::move(entry));
            break;
        }
        case rec::kSst:
            g.strings = ReadSharedStrings(record);
            break;
        case rec::kEof:
            ended = true;
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
    ByteReader in(record.data, "COLINFO");
    const uint16_t first = in.U16();
    const uint16_t last = in.U16();
    const uint16_t width = in.U16();
    const uint16_t xf = in.U16();
    const uint16_t flags = in.U16();
    for (uint32_t c = first; c <= std::min<uint32_t>(last, kLastColumnIndex); ++c) {
        s.columns[c].xf = xf;
        s.columns[c].widthUnits = width;
        s.columns[c].userSet = (flags & kColumnCustomWidth) != 0;
    }
}

void ReadRowRecord(const BiffRecord& record, SheetContent& s)
{
    ByteReader in(record.data, "ROW");
    ReadRow row;
    row.row = in.U16();
    in.Skip(4);
    const uint16_t height = in.U16() & 0x7FFF;
    in.Skip(4);
    const uint16_t flags = in.U16();
    const uint16_t xf = in.U16() & 0x0FFF;
    row.customHeight = (flags & (kRowCustomHeight | kRowHidden)) != 0;
    row.height = (flags & kRowHidden) ? 0 : TwipsToPoints(height);
    if (flags & kRowHasFormat)
        row.xf = xf;
    s.rows.push_back(row);
}

ReadCell CellAt(ByteReader& in)
{
    ReadCell cell;
    cell.row = in.U16();
    cell.column = in.U16();
    cell.xf = in.U16();
    return cell;
}

void ReadCellRecord(const BiffRecord& record, const Globals& g, SheetContent& s,
                    std::optional<size_t>& pendingFormulaString)
{
    ByteReader in(record.data, "cell");
    switch (record.id) {
    case rec::kBlank:
        s.cells.push_back(CellAt(in));
        break;
    case rec::kNumber: {
        ReadCell cell = CellAt(in);
        cell.value = NumberValue(in.F64());
        s.cells.push_back(std::move(cell));
        break;
    }
    case rec::kRk: {
        ReadCell cell = CellAt(in);
        cell.value = NumberValue(DecodeRk(in.U32()));
        s.cells.push_back(std::move(cell));
        break;
    }
    case rec::kLabelSst: {
        ReadCell cell = CellAt(in);
        const uint32_t index = in.U32();
        if (index >= g.strings.size())
            FailInvalid("a cell refers to a shared string that does not exist.");
        cell.value = Utf16ToUtf8(g.strings[index]);
        s.cells.push_back(std::move(cell));
        break;
    }
    case rec::kLabel: {
        ReadCell cell = CellAt(in);
        cell.value = ReadUnicodeString(in, LengthField::k16Bit);
        s.cells.push_back(std::move(cell));
        break;
    }
    case rec::kBoolErr: {
        ReadCell cell = CellAt(in);
        const uint8_t value = in.U8();
        const uint8_t isError = in.U8();
        cell.value = isError == kBoolErrIsError ? ErrorText(value) : std::string(value ? "TRUE" : "FALSE");
        s.cells.push_back(std::move(cell));
        break;
    }
    case rec::kMulBlank:
    case rec::kMulRk: {
        const bool numbers = record.id == rec::kMulRk;
        const uint16_t row = in.U16();
        uint16_t column = in.U16();
        const size_t itemSize = numbers ? 6 : 2;
        if (in.Remaining() < 2)
            FailInvalid("a MULBLANK or MULRK record is too short.");
        const size_t items = (in.Remaining() - 2) / itemSize;
        for (size_t i = 0; i < items; ++i, ++column) {
            ReadCell cell;
            cell.row = row;
            cell.column = column;
            cell.xf = in.U16();
            if (numbers)
                cell.value = NumberValue(DecodeRk(in.U32()));
            s.cells.push_back(std::move(cell));
        }
        break;
    }
    case rec::kFormula: {
        // The host keeps values, not formulas: take the result the file stored.
        ReadCell cell = CellAt(in);
        const auto result = in.Bytes(8);
        if (GetU16(&result[6]) != kFormulaNonNumber) {
            double value;
            std::memcpy(&value, result.data(), sizeof value);
            cell.value = NumberValue(value);
        } else if (result[0] == kFormulaString) {
            pendingFormulaString = s.cells.size();
        } else if (result[0] == kFormulaBool) {
            cell.value = std::string(result[2] ? "TRUE" : "FALSE");
        } else if (result[0] == kFormulaError) {
            cell.value = ErrorText(result[2]);
        }
        s.cells.push_back(std::move(cell));
        break;
    }
    case rec::kString: {
        if (!pendingFormulaString)
            break;
        const std::vector<uint8_t> joined = record.Joined();
        ByteReader text(joined, "STRING");
        s.cells[*pendingFormulaString].value = ReadUnicodeString(text, LengthField::k16Bit);
        pendingFormulaString.reset();
        break;
    }
    default:
        break;
    }
}

void ReadMergedCells(const BiffRecord& record, SheetContent& s)
{
    ByteReader in(record.data, "MERGEDCELLS");
    const uint16_t count = in.U16();
    for (uint16_t i = 0; i < count; ++i) {
        const int firstRow = in.U16() + 1, lastRow = in.U16() + 1;
        const int firstColumn = in.U16() + 1, lastColumn = in.U16() + 1;
        if (firstRow > lastRow || firstColumn > lastColumn || lastColumn > kMaxColumns)
            FailInvalid("a merged area lies outside the sheet.");
        s.merged.push_back({firstRow, firstColumn, lastRow, lastColumn});
    }
}

void ReadSelection(const BiffRecord& record, SheetContent& s)
{
    ByteReader in(record.data, "SELECTION");
    if (in.U8() != kPaneTopLeft)
        return;
    const int activeRow = in.U16() + 1, activeColumn = in.U16() + 1;
    in.U16();
    if (in.U16() == 0)
        return;
    const int firstRow = in.U16() + 1, lastRow = in.U16() + 1;
    const int firstColumn = in.U8() + 1, lastColumn = in.U8() + 1;
    // An odd selection is only a view setting: keep the default rather than refuse the file.
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
    ByteReader in(record.data, "SETUP");
    in.U16();  // paper: the printer's choice is kept
    const uint16_t scale = in.U16();
    in.U16();
    const uint16_t fitWide = in.U16();
    const uint16_t fitTall = in.U16();
    const uint16_t flags = in.U16();
    if (fitWide <= kMaxFitPages)
        layout.fitPagesWide = fitWide;
    if (fitTall <= kMaxFitPages)
        layout.fitPagesTall = fitTall;
    if (flags & kSetupNoPrinterFields)
        return;
    if (scale >= kMinZoom && scale <= kMaxZoom)
        layout.zoom = scale;
    if (!(flags & kSetupNoOrientation))
        layout.landscape = !(flags & kSetupPortrait);
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
                              bool& selected)
{
    if (entry.offset >= stream.size())
        FailInvalid("a sheet lies outside the workbook stream.");
    SheetContent s;
    BiffRecordReader reader(stream, entry.offset);
    BiffRecord record;
    if (!reader.Next(record))
        FailInvalid("a sheet is empty.");
    CheckBof(record, kBofWorksheet, "sheet");
    std::optional<size_t> pendingFormulaString;
    bool ended = false;
    while (!ended && reader.Next(record)) {
        switch (record.id) {
        case rec::kDefaultRowHeight: {
            ByteReader in(record.data, "DEFAULTROWHEIGHT");
            in.U16();
            s.standardHeight = TwipsToPoints(in.U16() & 0x7FFF);
            break;
        }
        case rec::kDefColWidth: {
            ByteReader in(record.data, "DEFCOLWIDTH");
            s.standardWidth = StandardWidthFromFile(in.U16());
            break;
        }
        case rec::kColInfo:
            ReadColumnInfo(record, s);
            break;
        case rec::kRow:
            ReadRowRecord(record, s);
            break;
        case rec::kMergedCells:
            ReadMergedCells(record, s);
            break;
        case rec::kWindow2: {
            ByteReader in(record.data, "WINDOW2");
            selected = (in.U16() & kWindow2Selected) != 0;
            break;
        }
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
            break;
        default:
            ReadCellRecord(record, g, s, pendingFormulaString);
            break;
        }
        // Cells are held until the sheet ends; a flood of them fails before memory runs out.
        if (s.cells.size() > kMaxCellSlots)
            throw XlsError("The workbook is too large to be opened.");
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

void BuildSheet(const SheetContent& s, Worksheet& sheet, FormatMapper& formats, size_t& cellSlots)
{
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
    // Indexed by row number; only as long as the sheet's last row needs.
    size_t lastRow = 0;
    for (const ReadRow& row : s.rows)
        lastRow = std::max<size_t>(lastRow, row.row + 1u);
    for (const ReadCell& cell : s.cells)
        lastRow = std::max<size_t>(lastRow, cell.row + 1u);
    std::vector<FormatId> rowFormat(lastRow + 1, kNoFormat);
    for (const ReadRow& row : s.rows) {
        if (row.customHeight)
            sheet.SetRowHeight(row.row + 1, row.height);
        if (row.xf) {
            rowFormat[row.row + 1] = formats.IdOf(*row.xf);
            sheet.SetRowFormatId(row.row + 1, rowFormat[row.row + 1]);
        }
    }
    std::vector<uint16_t> rowWidth(lastRow + 1, 0);
    const FormatId sheetFormat = sheet.SheetFormatId();
    for (const ReadCell& cell : s.cells) {
        const int row = cell.row + 1, column = cell.column + 1;
        if (column > kMaxColumns)
            FailInvalid("a cell lies outside the sheet.");
        if (column > rowWidth[row]) {
            cellSlots += column - rowWidth[row];
            rowWidth[row] = static_cast<uint16_t>(column);
            if (cellSlots > kMaxCellSlots)
                throw XlsError("The workbook is too large to be opened.");
        }
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
    for (const CellRange& area : s.merged)
        sheet.AddMergedArea(area);
    sheet.SetLayout(s.layout);
    if (s.selection) {
        try {
            sheet.SetSelection(*s.selection, s.activeRow, s.activeColumn);
        } catch (const HostError&) {
            // Only a view setting: the sheet opens with its default selection.
        }
    }
}

}  // namespace

std::unique_ptr<Workbook> ReadWorkbookStream(std::span<const uint8_t> stream)
{
    const Globals globals = ReadGlobals(stream);
    auto workbook = std::make_unique<Workbook>();
    FormatMapper formats(globals.xfs, workbook->Formats());
    size_t cellSlots = 0;
    int activeSheet = 0;
    int selectedSheet = 0;
    try {
        for (size_t i = 0; i < globals.sheets.size(); ++i) {
            const SheetEntry& entry = globals.sheets[i];
            if (entry.type != kSheetWorksheet)
                continue;  // charts and macro sheets are not kept
            bool selected = false;
            const SheetContent content = ReadSheetRecords(stream, entry, globals, selected);
            Worksheet& sheet = workbook->AddSheet(entry.name);
            BuildSheet(content, sheet, formats, cellSlots);
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
