#include "spreadsheet/xls/SheetRecords.h"

#include <cmath>
#include <cstring>

#include "spreadsheet/xls/BiffStrings.h"
#include "spreadsheet/xls/Bytes.h"

namespace morvessa::sheet::xls {
namespace {

constexpr int32_t kRkIntegerLimit = 1 << 29;
constexpr uint32_t kRkInteger = 0x2;
constexpr uint32_t kRkDividedBy100 = 0x1;
constexpr size_t kMaxStringChars = 32767;
constexpr size_t kMergedAreaSize = 8;
constexpr size_t kSelectionAreaSize = 6;

void PutCell(std::vector<uint8_t>& d, const CellAddress& cell)
{
    PutU16(d, cell.row);
    PutU16(d, cell.column);
    PutU16(d, cell.xf);
}

CellAddress ReadCell(ByteReader& in)
{
    CellAddress cell;
    cell.row = in.U16();
    cell.column = in.U16();
    cell.xf = in.U16();
    return cell;
}

}  // namespace

std::vector<uint8_t> IndexRecord::Encode() const
{
    std::vector<uint8_t> d;
    PutU32(d, 0);
    PutU32(d, firstRow);
    PutU32(d, endRow);
    PutU32(d, defColWidthPosition);
    for (uint32_t position : dbCellPositions)
        PutU32(d, position);
    return d;
}

IndexRecord IndexRecord::Decode(std::span<const uint8_t> data)
{
    ByteReader in(data, "INDEX");
    IndexRecord r;
    in.U32();
    r.firstRow = in.U32();
    r.endRow = in.U32();
    r.defColWidthPosition = in.U32();
    while (in.Remaining() >= 4)
        r.dbCellPositions.push_back(in.U32());
    return r;
}

std::vector<uint8_t> DefaultRowHeightRecord::Encode() const
{
    std::vector<uint8_t> d;
    PutU16(d, flags);
    PutU16(d, heightTwips);
    return d;
}

DefaultRowHeightRecord DefaultRowHeightRecord::Decode(std::span<const uint8_t> data)
{
    ByteReader in(data, "DEFAULTROWHEIGHT");
    DefaultRowHeightRecord r;
    r.flags = in.U16();
    r.heightTwips = in.U16() & 0x7FFF;
    return r;
}

std::vector<uint8_t> SetupRecord::Encode() const
{
    std::vector<uint8_t> d;
    PutU16(d, paper);
    PutU16(d, scale);
    PutU16(d, firstPage);
    PutU16(d, fitWide);
    PutU16(d, fitTall);
    PutU16(d, flags);
    PutU16(d, horizontalDpi);
    PutU16(d, verticalDpi);
    PutF64(d, headerMargin);
    PutF64(d, footerMargin);
    PutU16(d, copies);
    return d;
}

SetupRecord SetupRecord::Decode(std::span<const uint8_t> data)
{
    constexpr size_t kPrinterFieldsSize = 22;
    ByteReader in(data, "SETUP");
    SetupRecord r;
    r.paper = in.U16();
    r.scale = in.U16();
    r.firstPage = in.U16();
    r.fitWide = in.U16();
    r.fitTall = in.U16();
    r.flags = in.U16();
    if (in.Remaining() < kPrinterFieldsSize) {
        r.headerMargin = r.footerMargin = 0;
        r.copies = 0;
        return r;
    }
    r.horizontalDpi = in.U16();
    r.verticalDpi = in.U16();
    r.headerMargin = in.F64();
    r.footerMargin = in.F64();
    r.copies = in.U16();
    return r;
}

std::vector<uint8_t> ColInfoRecord::Encode() const
{
    std::vector<uint8_t> d;
    PutU16(d, first);
    PutU16(d, last);
    PutU16(d, width);
    PutU16(d, xf);
    PutU16(d, flags);
    PutU16(d, 0);
    return d;
}

ColInfoRecord ColInfoRecord::Decode(std::span<const uint8_t> data)
{
    ByteReader in(data, "COLINFO");
    ColInfoRecord r;
    r.first = in.U16();
    r.last = in.U16();
    r.width = in.U16();
    r.xf = in.U16();
    r.flags = in.U16();
    return r;  // the two reserved bytes after the flags are often left out
}

std::vector<uint8_t> DimensionsRecord::Encode() const
{
    std::vector<uint8_t> d;
    PutU32(d, firstRow);
    PutU32(d, endRow);
    PutU16(d, firstColumn);
    PutU16(d, endColumn);
    PutU16(d, 0);
    return d;
}

DimensionsRecord DimensionsRecord::Decode(std::span<const uint8_t> data)
{
    ByteReader in(data, "DIMENSIONS");
    DimensionsRecord r;
    r.firstRow = in.U32();
    r.endRow = in.U32();
    r.firstColumn = in.U16();
    r.endColumn = in.U16();
    return r;
}

std::vector<uint8_t> RowRecord::Encode() const
{
    std::vector<uint8_t> d;
    d.reserve(kSize);
    EncodeTo(d);
    return d;
}

void RowRecord::EncodeTo(std::vector<uint8_t>& d) const
{
    PutU16(d, row);
    PutU16(d, firstColumn);
    PutU16(d, endColumn);
    PutU16(d, heightTwips);
    PutU16(d, 0);
    PutU16(d, 0);
    PutU16(d, flags);
    PutU16(d, xf);
}

RowRecord RowRecord::Decode(std::span<const uint8_t> data)
{
    ByteReader in(data, "ROW");
    RowRecord r;
    r.row = in.U16();
    r.firstColumn = in.U16();
    r.endColumn = in.U16();
    r.heightTwips = in.U16() & 0x7FFF;
    in.Skip(4);
    r.flags = in.U16();
    r.xf = in.U16() & 0x0FFF;
    return r;
}

std::vector<uint8_t> DbCellRecord::Encode() const
{
    std::vector<uint8_t> d;
    d.reserve(4 + 2 * cellOffsets.size());
    EncodeTo(d);
    return d;
}

void DbCellRecord::EncodeTo(std::vector<uint8_t>& d) const
{
    PutU32(d, toFirstRow);
    for (uint16_t offset : cellOffsets)
        PutU16(d, offset);
}

DbCellRecord DbCellRecord::Decode(std::span<const uint8_t> data)
{
    ByteReader in(data, "DBCELL");
    DbCellRecord r;
    r.toFirstRow = in.U32();
    while (in.Remaining() >= 2)
        r.cellOffsets.push_back(in.U16());
    return r;
}

std::vector<uint8_t> Window2Record::Encode() const
{
    std::vector<uint8_t> d;
    PutU16(d, flags);
    PutU16(d, topRow);
    PutU16(d, leftColumn);
    PutU16(d, gridlineColour);
    PutU16(d, 0);
    PutU16(d, pageBreakZoom);
    PutU16(d, normalZoom);
    PutU32(d, 0);
    return d;
}

Window2Record Window2Record::Decode(std::span<const uint8_t> data)
{
    constexpr size_t kViewSize = 8, kZoomSize = 6;
    ByteReader in(data, "WINDOW2");
    Window2Record r;
    r.flags = in.U16();
    if (in.Remaining() < kViewSize)
        return r;
    r.topRow = in.U16();
    r.leftColumn = in.U16();
    r.gridlineColour = in.U16();
    in.U16();
    if (in.Remaining() < kZoomSize)
        return r;
    r.pageBreakZoom = in.U16();
    r.normalZoom = in.U16();
    return r;
}

std::vector<uint8_t> SelectionRecord::Encode() const
{
    std::vector<uint8_t> d;
    PutU8(d, pane);
    PutU16(d, activeRow);
    PutU16(d, activeColumn);
    PutU16(d, activeArea);
    PutU16(d, static_cast<uint16_t>(areas.size()));
    for (const SelectionArea& a : areas) {
        PutU16(d, a.firstRow);
        PutU16(d, a.lastRow);
        PutU8(d, a.firstColumn);
        PutU8(d, a.lastColumn);
    }
    return d;
}

SelectionRecord SelectionRecord::Decode(std::span<const uint8_t> data)
{
    ByteReader in(data, "SELECTION");
    SelectionRecord r;
    r.pane = in.U8();
    r.activeRow = in.U16();
    r.activeColumn = in.U16();
    r.activeArea = in.U16();
    const uint16_t count = in.U16();
    if (in.Remaining() < size_t{count} * kSelectionAreaSize)
        FailInvalid("a SELECTION record is too short.");
    r.areas.resize(count);
    for (SelectionArea& a : r.areas) {
        a.firstRow = in.U16();
        a.lastRow = in.U16();
        a.firstColumn = in.U8();
        a.lastColumn = in.U8();
    }
    return r;
}

std::vector<uint8_t> MergedCellsRecord::Encode() const
{
    std::vector<uint8_t> d;
    PutU16(d, static_cast<uint16_t>(areas.size()));
    for (const MergedArea& a : areas) {
        PutU16(d, a.firstRow);
        PutU16(d, a.lastRow);
        PutU16(d, a.firstColumn);
        PutU16(d, a.lastColumn);
    }
    return d;
}

MergedCellsRecord MergedCellsRecord::Decode(std::span<const uint8_t> data)
{
    ByteReader in(data, "MERGEDCELLS");
    MergedCellsRecord r;
    const uint16_t count = in.U16();
    if (in.Remaining() < size_t{count} * kMergedAreaSize)
        FailInvalid("a MERGEDCELLS record is too short.");
    r.areas.resize(count);
    for (MergedArea& a : r.areas) {
        a.firstRow = in.U16();
        a.lastRow = in.U16();
        a.firstColumn = in.U16();
        a.lastColumn = in.U16();
    }
    return r;
}

std::vector<uint8_t> BlankRecord::Encode() const
{
    std::vector<uint8_t> d;
    d.reserve(6);
    EncodeTo(d);
    return d;
}

void BlankRecord::EncodeTo(std::vector<uint8_t>& d) const
{
    PutCell(d, cell);
}

BlankRecord BlankRecord::Decode(std::span<const uint8_t> data)
{
    ByteReader in(data, "BLANK");
    return {ReadCell(in)};
}

std::vector<uint8_t> NumberRecord::Encode() const
{
    std::vector<uint8_t> d;
    d.reserve(14);
    EncodeTo(d);
    return d;
}

void NumberRecord::EncodeTo(std::vector<uint8_t>& d) const
{
    PutCell(d, cell);
    PutF64(d, value);
}

NumberRecord NumberRecord::Decode(std::span<const uint8_t> data)
{
    ByteReader in(data, "NUMBER");
    NumberRecord r;
    r.cell = ReadCell(in);
    r.value = in.F64();
    return r;
}

// Integers of 30 bits exactly, and doubles whose low 34 bits are zero; the /100 forms are
// left to other writers.
bool EncodeRk(double value, uint32_t& rk)
{
    if (value == std::floor(value) && value >= -kRkIntegerLimit && value < kRkIntegerLimit &&
        !(value == 0 && std::signbit(value))) {
        rk = (static_cast<uint32_t>(static_cast<int32_t>(value)) << 2) | kRkInteger;
        return true;
    }
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    if ((bits & 0x3FFFFFFFFull) != 0)
        return false;
    rk = static_cast<uint32_t>(bits >> 32);
    return true;
}

double DecodeRk(uint32_t rk)
{
    double value;
    if (rk & kRkInteger) {
        value = static_cast<double>(static_cast<int32_t>(rk) >> 2);
    } else {
        const uint64_t bits = static_cast<uint64_t>(rk & 0xFFFFFFFCu) << 32;
        std::memcpy(&value, &bits, sizeof value);
    }
    return (rk & kRkDividedBy100) ? value / 100 : value;
}

std::vector<uint8_t> RkRecord::Encode() const
{
    std::vector<uint8_t> d;
    d.reserve(10);
    EncodeTo(d);
    return d;
}

void RkRecord::EncodeTo(std::vector<uint8_t>& d) const
{
    PutCell(d, cell);
    PutU32(d, rk);
}

RkRecord RkRecord::Decode(std::span<const uint8_t> data)
{
    ByteReader in(data, "RK");
    RkRecord r;
    r.cell = ReadCell(in);
    r.rk = in.U32();
    return r;
}

std::vector<uint8_t> LabelSstRecord::Encode() const
{
    std::vector<uint8_t> d;
    d.reserve(10);
    EncodeTo(d);
    return d;
}

void LabelSstRecord::EncodeTo(std::vector<uint8_t>& d) const
{
    PutCell(d, cell);
    PutU32(d, stringIndex);
}

LabelSstRecord LabelSstRecord::Decode(std::span<const uint8_t> data)
{
    ByteReader in(data, "LABELSST");
    LabelSstRecord r;
    r.cell = ReadCell(in);
    r.stringIndex = in.U32();
    return r;
}

std::vector<uint8_t> MulBlankRecord::Encode() const
{
    std::vector<uint8_t> d;
    d.reserve(6 + 2 * xfs.size());
    EncodeTo(d);
    return d;
}

void MulBlankRecord::EncodeTo(std::vector<uint8_t>& d) const
{
    PutU16(d, row);
    PutU16(d, firstColumn);
    // One XF per cell of long runs: sized once, then filled in place.
    size_t at = d.size();
    d.resize(at + 2 * xfs.size());
    for (uint16_t xf : xfs) {
        SetU16(d, at, xf);
        at += 2;
    }
    PutU16(d, static_cast<uint16_t>(firstColumn + xfs.size() - 1));
}

// The item count comes from the length; the closing last-column field is not trusted.
MulBlankRecord MulBlankRecord::Decode(std::span<const uint8_t> data)
{
    ByteReader in(data, "MULBLANK");
    MulBlankRecord r;
    r.row = in.U16();
    r.firstColumn = in.U16();
    if (in.Remaining() < 2)
        FailInvalid("a MULBLANK record is too short.");
    r.xfs.resize((in.Remaining() - 2) / 2);
    for (uint16_t& xf : r.xfs)
        xf = in.U16();
    return r;
}

std::vector<uint8_t> MulRkRecord::Encode() const
{
    std::vector<uint8_t> d;
    PutU16(d, row);
    PutU16(d, firstColumn);
    for (const Item& item : items) {
        PutU16(d, item.xf);
        PutU32(d, item.rk);
    }
    PutU16(d, static_cast<uint16_t>(firstColumn + items.size() - 1));
    return d;
}

MulRkRecord MulRkRecord::Decode(std::span<const uint8_t> data)
{
    ByteReader in(data, "MULRK");
    MulRkRecord r;
    r.row = in.U16();
    r.firstColumn = in.U16();
    if (in.Remaining() < 2)
        FailInvalid("a MULRK record is too short.");
    r.items.resize((in.Remaining() - 2) / 6);
    for (Item& item : r.items) {
        item.xf = in.U16();
        item.rk = in.U32();
    }
    return r;
}

std::vector<uint8_t> LabelRecord::Encode() const
{
    std::vector<uint8_t> d;
    PutCell(d, cell);
    PutUnicodeString(d, text, LengthField::k16Bit, kMaxStringChars);
    return d;
}

LabelRecord LabelRecord::Decode(std::span<const uint8_t> data)
{
    ByteReader in(data, "LABEL");
    LabelRecord r;
    r.cell = ReadCell(in);
    r.text = ReadUnicodeString(in, LengthField::k16Bit);
    return r;
}

std::vector<uint8_t> BoolErrRecord::Encode() const
{
    std::vector<uint8_t> d;
    PutCell(d, cell);
    PutU8(d, value);
    PutU8(d, isError);
    return d;
}

BoolErrRecord BoolErrRecord::Decode(std::span<const uint8_t> data)
{
    ByteReader in(data, "BOOLERR");
    BoolErrRecord r;
    r.cell = ReadCell(in);
    r.value = in.U8();
    r.isError = in.U8();
    return r;
}

bool FormulaRecord::IsNumber() const
{
    return GetU16(&result[6]) != kNonNumber;
}

double FormulaRecord::Number() const
{
    double value;
    std::memcpy(&value, result, sizeof value);
    return value;
}

std::vector<uint8_t> FormulaRecord::Encode() const
{
    std::vector<uint8_t> d;
    PutCell(d, cell);
    d.insert(d.end(), std::begin(result), std::end(result));
    return d;
}

FormulaRecord FormulaRecord::Decode(std::span<const uint8_t> data)
{
    ByteReader in(data, "FORMULA");
    FormulaRecord r;
    r.cell = ReadCell(in);
    const auto bytes = in.Bytes(sizeof r.result);
    std::memcpy(r.result, bytes.data(), sizeof r.result);
    return r;
}

std::vector<uint8_t> StringRecord::Encode() const
{
    std::vector<uint8_t> d;
    PutUnicodeString(d, text, LengthField::k16Bit, kMaxStringChars);
    return d;
}

StringRecord StringRecord::Decode(std::span<const uint8_t> data)
{
    ByteReader in(data, "STRING");
    return {ReadUnicodeString(in, LengthField::k16Bit)};
}

std::vector<uint8_t> EncodeU16(uint16_t value)
{
    std::vector<uint8_t> d;
    PutU16(d, value);
    return d;
}

uint16_t DecodeU16(std::span<const uint8_t> data, const char* what)
{
    ByteReader in(data, what);
    return in.U16();
}

std::vector<uint8_t> EncodeF64(double value)
{
    std::vector<uint8_t> d;
    PutF64(d, value);
    return d;
}

double DecodeF64(std::span<const uint8_t> data, const char* what)
{
    ByteReader in(data, what);
    return in.F64();
}

}  // namespace morvessa::sheet::xls
