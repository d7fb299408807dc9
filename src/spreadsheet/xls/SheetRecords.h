#pragma once
// The records of a worksheet substream, one struct per record. Each holds the record's fields
// as the file stores them (zero-based rows and columns, twips, raw flags), encodes its data
// part and decodes it back. The sheet writer, the reader and the record dumper all go through
// these, so each field offset is written down once. Decoding checks every length and fails with
// XlsError ("a ROW record is too short.") on data that ends early.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "spreadsheet/xls/BiffRecords.h"

namespace morvessa::sheet::xls {

// INDEX: the rows that hold cells and where each block's DBCELL lies. The writer learns the
// positions only later and patches them at the offsets below.
struct IndexRecord {
    static constexpr uint16_t kId = rec::kIndex;
    static constexpr size_t kDefColWidthOffset = 12;  // in the data part
    static constexpr size_t kFirstDbCellOffset = 16;
    uint32_t firstRow = 0, endRow = 0;  // end: one past the last row with cells
    uint32_t defColWidthPosition = 0;   // stream position of DEFCOLWIDTH
    std::vector<uint32_t> dbCellPositions;

    std::vector<uint8_t> Encode() const;
    static IndexRecord Decode(std::span<const uint8_t> data);
    bool operator==(const IndexRecord&) const = default;
};

// DEFAULTROWHEIGHT: the height of rows without their own.
struct DefaultRowHeightRecord {
    static constexpr uint16_t kId = rec::kDefaultRowHeight;
    static constexpr uint16_t kUnsynced = 0x0001;  // the height differs from the default font's
    uint16_t flags = 0;
    uint16_t heightTwips = 0;

    std::vector<uint8_t> Encode() const;
    static DefaultRowHeightRecord Decode(std::span<const uint8_t> data);
    bool operator==(const DefaultRowHeightRecord&) const = default;
};

// SETUP: the page setup. Some writers cut the record after the fit fields; the printer
// fields after them read as zero then.
struct SetupRecord {
    static constexpr uint16_t kId = rec::kSetup;
    uint16_t paper = 0;
    uint16_t scale = 100;
    uint16_t firstPage = 1;
    uint16_t fitWide = 1, fitTall = 1;
    uint16_t flags = 0;  // kSetup...
    uint16_t horizontalDpi = 0, verticalDpi = 0;
    double headerMargin = 0.5, footerMargin = 0.5;  // inches
    uint16_t copies = 1;

    std::vector<uint8_t> Encode() const;
    static SetupRecord Decode(std::span<const uint8_t> data);
    bool operator==(const SetupRecord&) const = default;
};

// COLINFO: width, format and flags of a run of columns.
struct ColInfoRecord {
    static constexpr uint16_t kId = rec::kColInfo;
    uint16_t first = 0, last = 0;
    uint16_t width = 0;  // 1/256 of a character width
    uint16_t xf = kDefaultCellXf;
    uint16_t flags = 0;  // kColumnCustomWidth, ...

    std::vector<uint8_t> Encode() const;
    static ColInfoRecord Decode(std::span<const uint8_t> data);
    bool operator==(const ColInfoRecord&) const = default;
};

// DIMENSIONS: the used range; the ends are one past the last row and column (0, 0 when empty).
struct DimensionsRecord {
    static constexpr uint16_t kId = rec::kDimensions;
    uint32_t firstRow = 0, endRow = 0;
    uint16_t firstColumn = 0, endColumn = 0;

    std::vector<uint8_t> Encode() const;
    static DimensionsRecord Decode(std::span<const uint8_t> data);
    bool operator==(const DimensionsRecord&) const = default;
};

// ROW: height, format and cell span of one row.
struct RowRecord {
    static constexpr uint16_t kId = rec::kRow;
    static constexpr size_t kSize = 16;             // the data part; DBCELL offsets count on it
    static constexpr uint16_t kAlwaysSet = 0x0100;  // a flag the format requires
    uint16_t row = 0;
    uint16_t firstColumn = 0, endColumn = 0;  // end: one past the last cell
    uint16_t heightTwips = 0;
    uint16_t flags = 0;  // kRow...
    uint16_t xf = 0;     // meaningful with kRowHasFormat

    std::vector<uint8_t> Encode() const;
    void EncodeTo(std::vector<uint8_t>& d) const;  // appends the data part
    static RowRecord Decode(std::span<const uint8_t> data);
    bool operator==(const RowRecord&) const = default;
};

// DBCELL: ends a block of rows; offsets back to its first ROW and to each row's first cell.
struct DbCellRecord {
    static constexpr uint16_t kId = rec::kDbCell;
    uint32_t toFirstRow = 0;
    std::vector<uint16_t> cellOffsets;

    std::vector<uint8_t> Encode() const;
    void EncodeTo(std::vector<uint8_t>& d) const;  // appends the data part
    static DbCellRecord Decode(std::span<const uint8_t> data);
    bool operator==(const DbCellRecord&) const = default;
};

// WINDOW2: the sheet's view. Chart sheets carry a shorter one: only the flags are required.
struct Window2Record {
    static constexpr uint16_t kId = rec::kWindow2;
    uint16_t flags = 0;  // kWindow2...
    uint16_t topRow = 0, leftColumn = 0;
    uint16_t gridlineColour = kIcvAutomaticPattern;
    uint16_t pageBreakZoom = 0, normalZoom = 0;  // 0: the default

    std::vector<uint8_t> Encode() const;
    static Window2Record Decode(std::span<const uint8_t> data);
    bool operator==(const Window2Record&) const = default;
};

// A cell area with zero-based rows and 8-bit columns, as SELECTION stores it.
struct SelectionArea {
    uint16_t firstRow = 0, lastRow = 0;
    uint8_t firstColumn = 0, lastColumn = 0;
    bool operator==(const SelectionArea&) const = default;
};

// SELECTION: the active cell and the selected areas of one pane.
struct SelectionRecord {
    static constexpr uint16_t kId = rec::kSelection;
    uint8_t pane = kPaneTopLeft;
    uint16_t activeRow = 0, activeColumn = 0;
    uint16_t activeArea = 0;  // which area holds the active cell
    std::vector<SelectionArea> areas;

    std::vector<uint8_t> Encode() const;
    static SelectionRecord Decode(std::span<const uint8_t> data);
    bool operator==(const SelectionRecord&) const = default;
};

// A merged area with zero-based rows and columns.
struct MergedArea {
    uint16_t firstRow = 0, lastRow = 0, firstColumn = 0, lastColumn = 0;
    bool operator==(const MergedArea&) const = default;
};

// MERGEDCELLS: up to kMaxMergedAreasPerRecord areas.
struct MergedCellsRecord {
    static constexpr uint16_t kId = rec::kMergedCells;
    std::vector<MergedArea> areas;

    std::vector<uint8_t> Encode() const;
    static MergedCellsRecord Decode(std::span<const uint8_t> data);
    bool operator==(const MergedCellsRecord&) const = default;
};

// The row, column and XF that begin every single-cell record.
struct CellAddress {
    uint16_t row = 0, column = 0, xf = 0;
    bool operator==(const CellAddress&) const = default;
};

struct BlankRecord {
    static constexpr uint16_t kId = rec::kBlank;
    CellAddress cell;

    std::vector<uint8_t> Encode() const;
    void EncodeTo(std::vector<uint8_t>& d) const;  // appends the data part
    static BlankRecord Decode(std::span<const uint8_t> data);
    bool operator==(const BlankRecord&) const = default;
};

struct NumberRecord {
    static constexpr uint16_t kId = rec::kNumber;
    CellAddress cell;
    double value = 0;

    std::vector<uint8_t> Encode() const;
    void EncodeTo(std::vector<uint8_t>& d) const;  // appends the data part
    static NumberRecord Decode(std::span<const uint8_t> data);
    bool operator==(const NumberRecord&) const = default;
};

// The compact number form: a 30-bit integer or the high 30 bits of a double, either /100.
bool EncodeRk(double value, uint32_t& rk);
double DecodeRk(uint32_t rk);

struct RkRecord {
    static constexpr uint16_t kId = rec::kRk;
    CellAddress cell;
    uint32_t rk = 0;

    std::vector<uint8_t> Encode() const;
    void EncodeTo(std::vector<uint8_t>& d) const;  // appends the data part
    static RkRecord Decode(std::span<const uint8_t> data);
    bool operator==(const RkRecord&) const = default;
};

struct LabelSstRecord {
    static constexpr uint16_t kId = rec::kLabelSst;
    CellAddress cell;
    uint32_t stringIndex = 0;

    std::vector<uint8_t> Encode() const;
    void EncodeTo(std::vector<uint8_t>& d) const;  // appends the data part
    static LabelSstRecord Decode(std::span<const uint8_t> data);
    bool operator==(const LabelSstRecord&) const = default;
};

// MULBLANK: formatted empty cells side by side in one row, one XF each.
struct MulBlankRecord {
    static constexpr uint16_t kId = rec::kMulBlank;
    uint16_t row = 0, firstColumn = 0;
    std::vector<uint16_t> xfs;

    std::vector<uint8_t> Encode() const;
    void EncodeTo(std::vector<uint8_t>& d) const;  // appends the data part
    static MulBlankRecord Decode(std::span<const uint8_t> data);
    bool operator==(const MulBlankRecord&) const = default;
};

// Records other programs write and the reader takes values from; this program writes none.
struct MulRkRecord {
    static constexpr uint16_t kId = rec::kMulRk;
    struct Item {
        uint16_t xf = 0;
        uint32_t rk = 0;
        bool operator==(const Item&) const = default;
    };
    uint16_t row = 0, firstColumn = 0;
    std::vector<Item> items;

    std::vector<uint8_t> Encode() const;
    static MulRkRecord Decode(std::span<const uint8_t> data);
    bool operator==(const MulRkRecord&) const = default;
};

struct LabelRecord {
    static constexpr uint16_t kId = rec::kLabel;
    CellAddress cell;
    std::string text;  // UTF-8

    std::vector<uint8_t> Encode() const;
    static LabelRecord Decode(std::span<const uint8_t> data);
    bool operator==(const LabelRecord&) const = default;
};

struct BoolErrRecord {
    static constexpr uint16_t kId = rec::kBoolErr;
    static constexpr uint8_t kIsError = 1;
    CellAddress cell;
    uint8_t value = 0;  // the truth value or the error code
    uint8_t isError = 0;

    std::vector<uint8_t> Encode() const;
    static BoolErrRecord Decode(std::span<const uint8_t> data);
    bool operator==(const BoolErrRecord&) const = default;
};

// FORMULA: only the stored result is kept; the parsed formula after it is not decoded.
struct FormulaRecord {
    static constexpr uint16_t kId = rec::kFormula;
    static constexpr uint16_t kNonNumber = 0xFFFF;  // in the result's last two bytes
    enum class ResultType : uint8_t { kString = 0, kBool = 1, kError = 2, kEmpty = 3 };
    CellAddress cell;
    uint8_t result[8] = {};

    bool IsNumber() const;
    double Number() const;
    ResultType Type() const { return static_cast<ResultType>(result[0]); }
    uint8_t Value() const { return result[2]; }  // the truth value or the error code

    std::vector<uint8_t> Encode() const;
    static FormulaRecord Decode(std::span<const uint8_t> data);
    bool operator==(const FormulaRecord&) const = default;
};

// STRING: the text result of the FORMULA record before it (decoded from the joined data).
struct StringRecord {
    static constexpr uint16_t kId = rec::kString;
    std::string text;  // UTF-8

    std::vector<uint8_t> Encode() const;
    static StringRecord Decode(std::span<const uint8_t> data);
    bool operator==(const StringRecord&) const = default;
};

// The records that hold one 16-bit value (CALCMODE, WSBOOL, HCENTER, DEFCOLWIDTH, ...).
std::vector<uint8_t> EncodeU16(uint16_t value);
uint16_t DecodeU16(std::span<const uint8_t> data, const char* what);
// DELTA, the one record holding a double.
std::vector<uint8_t> EncodeF64(double value);
double DecodeF64(std::span<const uint8_t> data, const char* what);

}  // namespace morvessa::sheet::xls
