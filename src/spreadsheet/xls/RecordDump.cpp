#include "spreadsheet/xls/RecordDump.h"

#include <cstdio>
#include <map>
#include <optional>
#include <sstream>
#include <vector>

#include "spreadsheet/CellRange.h"
#include "spreadsheet/xls/BiffRecordReader.h"
#include "spreadsheet/xls/Bytes.h"
#include "spreadsheet/xls/CompoundFile.h"
#include "spreadsheet/xls/FontTable.h"
#include "spreadsheet/xls/GlobalsRecords.h"
#include "spreadsheet/xls/NumberFormats.h"
#include "spreadsheet/xls/Palette.h"
#include "spreadsheet/xls/SharedStrings.h"
#include "spreadsheet/xls/SheetRecords.h"
#include "spreadsheet/xls/TextCodec.h"

namespace morvessa::sheet::xls {
namespace {

constexpr size_t kHexShown = 64;
constexpr size_t kItemsShown = 8;

struct NamedId {
    uint16_t id;
    const char* name;
};

// The records this program writes or reads, and common ones other programs write.
constexpr NamedId kNames[] = {
    {rec::kFormula, "FORMULA"},
    {rec::kEof, "EOF"},
    {rec::kCalcCount, "CALCCOUNT"},
    {rec::kCalcMode, "CALCMODE"},
    {rec::kCalcPrecision, "PRECISION"},
    {rec::kRefMode, "REFMODE"},
    {rec::kDelta, "DELTA"},
    {rec::kIteration, "ITERATION"},
    {rec::kProtect, "PROTECT"},
    {rec::kPassword, "PASSWORD"},
    {rec::kHeader, "HEADER"},
    {rec::kFooter, "FOOTER"},
    {0x0017, "EXTERNSHEET"},
    {0x0018, "NAME"},
    {rec::kWindowProtect, "WINDOWPROTECT"},
    {0x001A, "VERTICALPAGEBREAKS"},
    {0x001B, "HORIZONTALPAGEBREAKS"},
    {0x001C, "NOTE"},
    {rec::kSelection, "SELECTION"},
    {rec::kDate1904, "DATE1904"},
    {0x0023, "EXTERNNAME"},
    {0x0026, "LEFTMARGIN"},
    {0x0027, "RIGHTMARGIN"},
    {0x0028, "TOPMARGIN"},
    {0x0029, "BOTTOMMARGIN"},
    {rec::kPrintRowColHeaders, "PRINTHEADERS"},
    {rec::kPrintGridlines, "PRINTGRIDLINES"},
    {rec::kFilePass, "FILEPASS"},
    {rec::kFont, "FONT"},
    {rec::kContinue, "CONTINUE"},
    {rec::kWindow1, "WINDOW1"},
    {rec::kBackup, "BACKUP"},
    {0x0041, "PANE"},
    {rec::kCodePage, "CODEPAGE"},
    {0x004D, "PLS"},
    {rec::kDefColWidth, "DEFCOLWIDTH"},
    {rec::kWriteAccess, "WRITEACCESS"},
    {0x005D, "OBJ"},
    {rec::kSaveRecalc, "SAVERECALC"},
    {0x0063, "OBJPROTECT"},
    {rec::kColInfo, "COLINFO"},
    {rec::kGuts, "GUTS"},
    {rec::kWsBool, "WSBOOL"},
    {rec::kGridSet, "GRIDSET"},
    {rec::kHCenter, "HCENTER"},
    {rec::kVCenter, "VCENTER"},
    {rec::kBoundSheet, "BOUNDSHEET"},
    {rec::kCountry, "COUNTRY"},
    {rec::kHideObj, "HIDEOBJ"},
    {rec::kPalette, "PALETTE"},
    {0x0099, "STANDARDWIDTH"},
    {rec::kFnGroupCount, "FNGROUPCOUNT"},
    {0x00A0, "SCL"},
    {rec::kSetup, "SETUP"},
    {rec::kMulRk, "MULRK"},
    {rec::kMulBlank, "MULBLANK"},
    {rec::kMms, "MMS"},
    {rec::kDbCell, "DBCELL"},
    {rec::kBookBool, "BOOKBOOL"},
    {0x00DD, "SCENPROTECT"},
    {rec::kXf, "XF"},
    {rec::kInterfaceHdr, "INTERFACEHDR"},
    {rec::kInterfaceEnd, "INTERFACEEND"},
    {rec::kMergedCells, "MERGEDCELLS"},
    {0x00EB, "MSODRAWINGGROUP"},
    {0x00EC, "MSODRAWING"},
    {0x00EF, "PHONETICPR"},
    {rec::kSst, "SST"},
    {rec::kLabelSst, "LABELSST"},
    {rec::kExtSst, "EXTSST"},
    {rec::kTabId, "TABID"},
    {rec::kUsesElfs, "USESELFS"},
    {rec::kDsf, "DSF"},
    {0x01AE, "SUPBOOK"},
    {rec::kProt4Rev, "PROT4REV"},
    {0x01B0, "CONDFMT"},
    {0x01B1, "CF"},
    {0x01B2, "DVAL"},
    {0x01B6, "TXO"},
    {rec::kRefreshAll, "REFRESHALL"},
    {0x01B8, "HLINK"},
    {0x01BA, "CODENAME"},
    {rec::kProt4RevPass, "PROT4REVPASS"},
    {0x01BE, "DV"},
    {0x01C0, "EXCEL9FILE"},
    {rec::kDimensions, "DIMENSIONS"},
    {rec::kBlank, "BLANK"},
    {rec::kNumber, "NUMBER"},
    {rec::kLabel, "LABEL"},
    {rec::kBoolErr, "BOOLERR"},
    {rec::kString, "STRING"},
    {rec::kRow, "ROW"},
    {rec::kIndex, "INDEX"},
    {0x0221, "ARRAY"},
    {rec::kDefaultRowHeight, "DEFAULTROWHEIGHT"},
    {rec::kWindow2, "WINDOW2"},
    {rec::kRk, "RK"},
    {rec::kStyle, "STYLE"},
    {rec::kFormat, "FORMAT"},
    {0x04BC, "SHRFMLA"},
    {rec::kBof, "BOF"},
    {0x0862, "SHEETEXT"},
    {0x0863, "BOOKEXT"},
    {0x0867, "FEATHEADR"},
    {0x087D, "XFEXT"},
    {0x088C, "COMPAT12"},
    {0x0892, "STYLEEXT"},
    {0x0896, "THEME"},
};

std::string Hex(std::span<const uint8_t> data)
{
    std::string text;
    char byte[4];
    for (size_t i = 0; i < data.size() && i < kHexShown; ++i) {
        std::snprintf(byte, sizeof byte, "%s%02X", i ? " " : "", data[i]);
        text += byte;
    }
    if (data.size() > kHexShown)
        text += " ... (" + std::to_string(data.size() - kHexShown) + " more)";
    return text;
}

std::string HexNumber(uint32_t value)
{
    char text[12];
    std::snprintf(text, sizeof text, "0x%04X", value);
    return text;
}

std::string Quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

// "B3" for zero-based row and column; columns past the sheet are shown by number.
std::string Cell(uint32_t row, uint32_t column)
{
    if (column < 256)
        return ColumnLetters(static_cast<int>(column) + 1) + std::to_string(row + 1);
    char text[32];
    std::snprintf(text, sizeof text, "R%uC%u", row + 1, column + 1);
    return text;
}

std::string CellFields(const CellAddress& cell)
{
    return Cell(cell.row, cell.column) + " xf=" + std::to_string(cell.xf);
}

std::string Number(double value)
{
    std::ostringstream text;
    text.precision(17);
    text << value;
    return text.str();
}

// What the dump learns on the way: the shared strings, and the sheet names by position.
struct DumpState {
    std::vector<std::u16string> strings;
    std::map<uint32_t, std::string> sheetAt;
};

std::string DescribeSheetRecord(const BiffRecord& record, const DumpState& state)
{
    std::ostringstream f;
    switch (record.id) {
    case rec::kIndex: {
        const auto r = IndexRecord::Decode(record.data);
        f << "rows=" << r.firstRow << ".." << r.endRow << " defcolwidth@" << r.defColWidthPosition
          << " dbcells=" << r.dbCellPositions.size();
        break;
    }
    case rec::kDefaultRowHeight: {
        const auto r = DefaultRowHeightRecord::Decode(record.data);
        f << "flags=" << HexNumber(r.flags) << " height=" << r.heightTwips << "tw";
        break;
    }
    case rec::kSetup: {
        const auto r = SetupRecord::Decode(record.data);
        f << "paper=" << r.paper << " scale=" << r.scale << " fit=" << r.fitWide << "x" << r.fitTall
          << " flags=" << HexNumber(r.flags) << " dpi=" << r.horizontalDpi << "x" << r.verticalDpi
          << " copies=" << r.copies;
        break;
    }
    case rec::kColInfo: {
        const auto r = ColInfoRecord::Decode(record.data);
        f << "columns=" << r.first << ".." << r.last << " width=" << r.width << " xf=" << r.xf
          << " flags=" << HexNumber(r.flags);
        break;
    }
    case rec::kDimensions: {
        const auto r = DimensionsRecord::Decode(record.data);
        f << "rows=" << r.firstRow << ".." << r.endRow << " columns=" << r.firstColumn << ".." << r.endColumn;
        break;
    }
    case rec::kRow: {
        const auto r = RowRecord::Decode(record.data);
        f << "row=" << r.row << " (" << r.row + 1 << ") columns=" << r.firstColumn << ".." << r.endColumn
          << " height=" << r.heightTwips << "tw flags=" << HexNumber(r.flags) << " xf=" << r.xf;
        break;
    }
    case rec::kDbCell: {
        const auto r = DbCellRecord::Decode(record.data);
        f << "back=" << r.toFirstRow << " rows=" << r.cellOffsets.size();
        break;
    }
    case rec::kWindow2: {
        const auto r = Window2Record::Decode(record.data);
        f << "flags=" << HexNumber(r.flags) << " top-left=" << Cell(r.topRow, r.leftColumn)
          << " selected=" << ((r.flags & kWindow2Selected) ? "yes" : "no");
        break;
    }
    case rec::kSelection: {
        const auto r = SelectionRecord::Decode(record.data);
        f << "pane=" << int(r.pane) << " active=" << Cell(r.activeRow, r.activeColumn)
          << " areas=" << r.areas.size();
        for (size_t i = 0; i < r.areas.size() && i < kItemsShown; ++i)
            f << " " << Cell(r.areas[i].firstRow, r.areas[i].firstColumn) << ":"
              << Cell(r.areas[i].lastRow, r.areas[i].lastColumn);
        break;
    }
    case rec::kMergedCells: {
        const auto r = MergedCellsRecord::Decode(record.data);
        f << "areas=" << r.areas.size();
        for (size_t i = 0; i < r.areas.size() && i < kItemsShown; ++i)
            f << " " << Cell(r.areas[i].firstRow, r.areas[i].firstColumn) << ":"
              << Cell(r.areas[i].lastRow, r.areas[i].lastColumn);
        if (r.areas.size() > kItemsShown)
            f << " ...";
        break;
    }
    case rec::kBlank:
        f << CellFields(BlankRecord::Decode(record.data).cell);
        break;
    case rec::kNumber: {
        const auto r = NumberRecord::Decode(record.data);
        f << CellFields(r.cell) << " value=" << Number(r.value);
        break;
    }
    case rec::kRk: {
        const auto r = RkRecord::Decode(record.data);
        f << CellFields(r.cell) << " value=" << Number(DecodeRk(r.rk));
        break;
    }
    case rec::kLabelSst: {
        const auto r = LabelSstRecord::Decode(record.data);
        f << CellFields(r.cell) << " sst=" << r.stringIndex;
        if (r.stringIndex < state.strings.size())
            f << " " << Quoted(Utf16ToUtf8(state.strings[r.stringIndex]));
        else
            f << " (no such string)";
        break;
    }
    case rec::kMulBlank: {
        const auto r = MulBlankRecord::Decode(record.data);
        f << Cell(r.row, r.firstColumn) << " count=" << r.xfs.size() << " xfs=";
        for (size_t i = 0; i < r.xfs.size() && i < kItemsShown; ++i)
            f << (i ? "," : "") << r.xfs[i];
        break;
    }
    case rec::kMulRk: {
        const auto r = MulRkRecord::Decode(record.data);
        f << Cell(r.row, r.firstColumn) << " count=" << r.items.size() << " values=";
        for (size_t i = 0; i < r.items.size() && i < kItemsShown; ++i)
            f << (i ? "," : "") << Number(DecodeRk(r.items[i].rk));
        break;
    }
    case rec::kLabel: {
        const auto r = LabelRecord::Decode(record.data);
        f << CellFields(r.cell) << " " << Quoted(r.text);
        break;
    }
    case rec::kBoolErr: {
        const auto r = BoolErrRecord::Decode(record.data);
        f << CellFields(r.cell) << (r.isError ? " error=" : " bool=") << int(r.value);
        break;
    }
    case rec::kFormula: {
        const auto r = FormulaRecord::Decode(record.data);
        f << CellFields(r.cell);
        if (r.IsNumber())
            f << " result=" << Number(r.Number());
        else
            f << " result-type=" << int(r.result[0]) << " value=" << int(r.Value());
        break;
    }
    case rec::kString:
        f << Quoted(StringRecord::Decode(record.Joined()).text);
        break;
    default:
        return {};
    }
    return f.str();
}

std::string DescribeGlobalsRecord(const BiffRecord& record, DumpState& state)
{
    std::ostringstream f;
    switch (record.id) {
    case rec::kBof: {
        const auto r = BofRecord::Decode(record.data);
        f << "version=" << HexNumber(r.version) << " type=" << HexNumber(r.type)
          << (r.type == kBofGlobals     ? " (globals)"
              : r.type == kBofWorksheet ? " (worksheet)"
                                        : "");
        break;
    }
    case rec::kWindow1: {
        const auto r = Window1Record::Decode(record.data);
        f << "size=" << r.width << "x" << r.height << "tw flags=" << HexNumber(r.flags)
          << " active-tab=" << r.activeTab << " first-tab=" << r.firstTab << " tab-ratio=" << r.tabRatio;
        break;
    }
    case rec::kBoundSheet: {
        const auto r = BoundSheetRecord::Decode(record.data);
        f << Quoted(r.name) << " at=" << r.position << " type=" << int(r.type)
          << " visibility=" << int(r.visibility);
        state.sheetAt[r.position] = r.name;
        break;
    }
    case rec::kWriteAccess:
        f << Quoted(WriteAccessRecord::Decode(record.data).name);
        break;
    case rec::kTabId: {
        const auto r = TabIdRecord::Decode(record.data);
        f << "ids=";
        for (size_t i = 0; i < r.ids.size(); ++i)
            f << (i ? "," : "") << r.ids[i];
        break;
    }
    case rec::kCountry: {
        const auto r = CountryRecord::Decode(record.data);
        f << "interface=" << r.interfaceCountry << " system=" << r.systemCountry;
        break;
    }
    case rec::kStyle: {
        const auto r = StyleRecord::Decode(record.data);
        f << "xf=" << (r.xfAndFlags & 0x0FFF);
        if (r.xfAndFlags & StyleRecord::kBuiltIn)
            f << " built-in=" << int(r.builtInId) << " level=" << int(r.level);
        break;
    }
    case rec::kFont: {
        ByteReader in(record.data, "FONT");
        const FontFormat font = ReadFontRecord(in);
        f << Quoted(font.name) << " size=" << Number(font.size) << (font.bold ? " bold" : "")
          << (font.italic ? " italic" : "") << " colour="
          << (IsPaletteIndex(font.colorIndex) ? std::to_string(font.colorIndex) : std::string("automatic"));
        break;
    }
    case rec::kFormat: {
        const auto r = ReadFormatRecord(record.data);
        f << "id=" << r.id << " " << Quoted(r.text);
        break;
    }
    case rec::kXf: {
        ByteReader in(record.data, "XF");
        const uint16_t font = in.U16(), numberFormat = in.U16(), protection = in.U16();
        f << "font=" << font << " format=" << numberFormat << ((protection & 0x0004) ? " style" : " cell")
          << " data=" << Hex(record.data.subspan(6));
        break;
    }
    case rec::kPalette: {
        const auto colours = ReadPaletteRecord(record.data);
        f << "colours=" << colours.size();
        break;
    }
    case rec::kSst: {
        state.strings = ReadSharedStrings(record);
        f << "strings=" << state.strings.size();
        for (size_t i = 0; i < state.strings.size() && i < kItemsShown; ++i)
            f << " " << Quoted(Utf16ToUtf8(state.strings[i]));
        if (state.strings.size() > kItemsShown)
            f << " ...";
        break;
    }
    case rec::kDelta:
        f << "value=" << Number(DecodeF64(record.data, "DELTA"));
        break;
    default:
        if (record.data.size() != 2 || !RecordName(record.id))
            return {};
        f << "value=" << DecodeU16(record.data, RecordName(record.id));
    }
    return f.str();
}

// The decoded fields, or nothing for a record without a decoder.
std::string Describe(const BiffRecord& record, DumpState& state)
{
    std::string fields = DescribeSheetRecord(record, state);
    return fields.empty() ? DescribeGlobalsRecord(record, state) : fields;
}

// One line per record; false when the record framing breaks.
bool DumpRecords(std::span<const uint8_t> stream, std::ostream& out)
{
    DumpState state;
    BiffRecordReader reader(stream, 0);
    BiffRecord record;
    char line[64];
    try {
        while (reader.Next(record)) {
            if (record.id == rec::kBof) {
                const auto sheet = state.sheetAt.find(static_cast<uint32_t>(record.offset));
                out << "-- substream at " << record.offset;
                if (sheet != state.sheetAt.end())
                    out << ": sheet " << Quoted(sheet->second);
                out << "\n";
            }
            size_t length = record.data.size();
            for (const auto& part : record.continues)
                length += part.size();
            const char* name = RecordName(record.id);
            std::snprintf(line, sizeof line, "%08zX  %04X  %-18s %6zu  ", record.offset, record.id,
                          name ? name : "?", length);
            out << line;
            if (!record.continues.empty())
                out << "(+" << record.continues.size() << " CONTINUE) ";
            try {
                const std::string fields = Describe(record, state);
                out << (fields.empty() ? Hex(record.data) : fields) << "\n";
            } catch (const XlsError& e) {
                out << "! " << e.what() << " | " << Hex(record.data) << "\n";
            }
        }
    } catch (const XlsError& e) {
        out << "! " << e.what() << "\n";
        return false;
    }
    return true;
}

}  // namespace

const char* RecordName(uint16_t id)
{
    for (const NamedId& named : kNames)
        if (named.id == id)
            return named.name;
    return nullptr;
}

bool DumpWorkbookFile(std::span<const uint8_t> file, std::ostream& out)
{
    std::optional<CompoundFileReader> container;
    try {
        container.emplace(file);
    } catch (const XlsError& e) {
        out << "! " << e.what() << "\n";
        return false;
    }
    bool whole = true;
    for (const std::u16string& name : container->StreamNames()) {
        out << "== stream " << Quoted(Utf16ToUtf8(name));
        try {
            const auto stream = container->ReadStream(name);
            out << ", " << stream->size() << " bytes\n";
            if (name == u"Workbook" || name == u"Book")
                whole = DumpRecords(*stream, out) && whole;
            else
                out << "(not a record stream)\n";
        } catch (const XlsError& e) {
            out << "\n! " << e.what() << "\n";
            whole = false;
        }
    }
    return whole;
}

}  // namespace morvessa::sheet::xls
