#pragma once
// BIFF8 record identifiers and the fixed values written into records.

#include <cstddef>
#include <cstdint>

namespace morvessa::sheet::xls {

namespace rec {
constexpr uint16_t kFormula = 0x0006;
constexpr uint16_t kEof = 0x000A;
constexpr uint16_t kCalcCount = 0x000C;
constexpr uint16_t kCalcMode = 0x000D;
constexpr uint16_t kCalcPrecision = 0x000E;
constexpr uint16_t kRefMode = 0x000F;
constexpr uint16_t kDelta = 0x0010;
constexpr uint16_t kIteration = 0x0011;
constexpr uint16_t kProtect = 0x0012;
constexpr uint16_t kPassword = 0x0013;
constexpr uint16_t kWindowProtect = 0x0019;
constexpr uint16_t kSelection = 0x001D;
constexpr uint16_t kDate1904 = 0x0022;
constexpr uint16_t kPrintRowColHeaders = 0x002A;
constexpr uint16_t kPrintGridlines = 0x002B;
constexpr uint16_t kHeader = 0x0014;
constexpr uint16_t kFooter = 0x0015;
constexpr uint16_t kFilePass = 0x002F;
constexpr uint16_t kFont = 0x0031;
constexpr uint16_t kContinue = 0x003C;
constexpr uint16_t kWindow1 = 0x003D;
constexpr uint16_t kBackup = 0x0040;
constexpr uint16_t kCodePage = 0x0042;
constexpr uint16_t kDefColWidth = 0x0055;
constexpr uint16_t kWriteAccess = 0x005C;
constexpr uint16_t kSaveRecalc = 0x005F;
constexpr uint16_t kColInfo = 0x007D;
constexpr uint16_t kGuts = 0x0080;
constexpr uint16_t kWsBool = 0x0081;
constexpr uint16_t kGridSet = 0x0082;
constexpr uint16_t kHCenter = 0x0083;
constexpr uint16_t kVCenter = 0x0084;
constexpr uint16_t kBoundSheet = 0x0085;
constexpr uint16_t kCountry = 0x008C;
constexpr uint16_t kHideObj = 0x008D;
constexpr uint16_t kPalette = 0x0092;
constexpr uint16_t kSetup = 0x00A1;
constexpr uint16_t kDbCell = 0x00D7;
constexpr uint16_t kFnGroupCount = 0x009C;
constexpr uint16_t kMulRk = 0x00BD;
constexpr uint16_t kMulBlank = 0x00BE;
constexpr uint16_t kMms = 0x00C1;
constexpr uint16_t kBookBool = 0x00DA;
constexpr uint16_t kXf = 0x00E0;
constexpr uint16_t kInterfaceHdr = 0x00E1;
constexpr uint16_t kInterfaceEnd = 0x00E2;
constexpr uint16_t kMergedCells = 0x00E5;
constexpr uint16_t kSst = 0x00FC;
constexpr uint16_t kLabelSst = 0x00FD;
constexpr uint16_t kExtSst = 0x00FF;
constexpr uint16_t kTabId = 0x013D;
constexpr uint16_t kUsesElfs = 0x0160;
constexpr uint16_t kDsf = 0x0161;
constexpr uint16_t kProt4Rev = 0x01AF;
constexpr uint16_t kRefreshAll = 0x01B7;
constexpr uint16_t kProt4RevPass = 0x01BC;
constexpr uint16_t kDimensions = 0x0200;
constexpr uint16_t kBlank = 0x0201;
constexpr uint16_t kNumber = 0x0203;
constexpr uint16_t kLabel = 0x0204;
constexpr uint16_t kBoolErr = 0x0205;
constexpr uint16_t kString = 0x0207;
constexpr uint16_t kRow = 0x0208;
constexpr uint16_t kIndex = 0x020B;
constexpr uint16_t kDefaultRowHeight = 0x0225;
constexpr uint16_t kWindow2 = 0x023E;
constexpr uint16_t kRk = 0x027E;
constexpr uint16_t kStyle = 0x0293;
constexpr uint16_t kFormat = 0x041E;
constexpr uint16_t kBof = 0x0809;
}  // namespace rec

// Id and length before each record's data.
constexpr size_t kRecordHeaderSize = 4;
// Largest data part of one record; longer data continues in CONTINUE records.
constexpr size_t kMaxRecordData = 8224;

constexpr uint16_t kBiff8Version = 0x0600;
constexpr uint16_t kBofGlobals = 0x0005;
constexpr uint16_t kBofWorksheet = 0x0010;
constexpr uint16_t kBofBuild = 0x0DBB;
constexpr uint16_t kBofYear = 0x07CC;
constexpr uint16_t kCodePageUtf16 = 1200;

constexpr uint16_t kLastRowIndex = 65535;
constexpr uint16_t kLastColumnIndex = 255;
constexpr size_t kMaxMergedAreasPerRecord = 1026;

// Colour indexes of the file: the 56 palette entries are 8..63.
constexpr uint16_t kIcvPaletteFirst = 8;
constexpr uint16_t kIcvAutomaticFont = 0x7FFF;
constexpr uint16_t kIcvAutomaticPattern = 64;
constexpr uint16_t kIcvAutomaticBackground = 65;
constexpr uint16_t kIcvAutomaticBorder = 64;

// Fixed XF positions: 0..14 style XFs, 15 the default cell XF, then our cell XFs.
constexpr uint16_t kStyleXfCount = 15;
constexpr uint16_t kDefaultCellXf = 15;
constexpr uint16_t kFirstUserXf = 16;
constexpr uint16_t kFirstUserFont = 5;  // font index 4 does not exist in the format
constexpr uint16_t kFirstUserNumberFormat = 164;

// Flags shared by the writer and the reader.
constexpr uint16_t kRowHidden = 0x0020;
constexpr uint16_t kRowCustomHeight = 0x0040;
constexpr uint16_t kRowHasFormat = 0x0080;
constexpr uint16_t kColumnCustomWidth = 0x0002;
constexpr uint16_t kWindow2Selected = 0x0200;
constexpr uint8_t kPaneTopLeft = 3;
constexpr uint16_t kWsBoolFitToPage = 0x0100;
constexpr uint16_t kSetupPortrait = 0x0002;
constexpr uint16_t kSetupNoPrinterFields = 0x0004;  // paper, scale, resolution, copies, orientation undefined
constexpr uint16_t kSetupNoOrientation = 0x0040;
constexpr uint8_t kSheetWorksheet = 0;

}  // namespace morvessa::sheet::xls
