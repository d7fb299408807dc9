#include "spreadsheet/xls/GlobalsWriter.h"

#include "spreadsheet/xls/BiffStrings.h"
#include "spreadsheet/xls/Bytes.h"
#include "spreadsheet/xls/Palette.h"

#include <initializer_list>

namespace morvessa::sheet::xls {
namespace {

constexpr size_t kWriteAccessSize = 112;
constexpr const char* kWriterName = "Morvessa";
constexpr uint16_t kWindow1Flags = 0x0038;  // scroll bars and sheet tabs shown
constexpr uint16_t kTabRatio = 600;
constexpr uint16_t kWindowWidth = 0x3A5C, kWindowHeight = 0x23BE;
constexpr uint16_t kCountryUnitedStates = 1;
constexpr uint8_t kSheetVisible = 0;
constexpr size_t kMaxSheetNameChars = 31;

struct U16Record {
    uint16_t id;
    uint16_t value;
};

void WriteU16Records(BiffRecordWriter& out, std::initializer_list<U16Record> records)
{
    for (const U16Record& record : records)
        out.WriteU16(record.id, record.value);
}

void WriteInterface(BiffRecordWriter& out)
{
    out.WriteU16(rec::kInterfaceHdr, kCodePageUtf16);
    out.WriteU16(rec::kMms, 0);
    out.Write(rec::kInterfaceEnd, {});
    std::vector<uint8_t> access;
    PutUnicodeString(access, kWriterName, LengthField::k16Bit, 54);
    access.resize(kWriteAccessSize, ' ');
    out.Write(rec::kWriteAccess, access);
    out.WriteU16(rec::kCodePage, kCodePageUtf16);
    out.WriteU16(rec::kDsf, 0);
}

void WriteTabIds(size_t sheets, BiffRecordWriter& out)
{
    std::vector<uint8_t> d;
    for (size_t i = 0; i < sheets; ++i)
        PutU16(d, static_cast<uint16_t>(i + 1));
    out.Write(rec::kTabId, d);
}

void WriteProtection(BiffRecordWriter& out)
{
    WriteU16Records(out, {{rec::kWindowProtect, 0},
                          {rec::kProtect, 0},
                          {rec::kPassword, 0},
                          {rec::kProt4Rev, 0},
                          {rec::kProt4RevPass, 0}});
}

void WriteWindow1(const GlobalsInfo& info, BiffRecordWriter& out)
{
    std::vector<uint8_t> d;
    PutU16(d, 0);
    PutU16(d, 0);
    PutU16(d, kWindowWidth);
    PutU16(d, kWindowHeight);
    PutU16(d, kWindow1Flags);
    PutU16(d, static_cast<uint16_t>(info.activeSheet));
    PutU16(d, 0);  // first visible tab
    PutU16(d, 1);  // selected tabs
    PutU16(d, kTabRatio);
    out.Write(rec::kWindow1, d);
}

void WriteBookSettings(BiffRecordWriter& out)
{
    WriteU16Records(out, {{rec::kBackup, 0},
                          {rec::kHideObj, 0},
                          {rec::kDate1904, 0},
                          {rec::kCalcPrecision, 1},
                          {rec::kRefreshAll, 0},
                          {rec::kBookBool, 0}});
}

std::vector<size_t> WriteBoundSheets(const GlobalsInfo& info, BiffRecordWriter& out)
{
    std::vector<size_t> fields;
    for (const auto& name : info.sheetNames) {
        std::vector<uint8_t> d;
        PutU32(d, 0);
        PutU8(d, kSheetVisible);
        PutU8(d, kSheetWorksheet);
        PutUnicodeString(d, name, LengthField::k8Bit, kMaxSheetNameChars);
        fields.push_back(out.Bytes().size() + 4);
        out.Write(rec::kBoundSheet, d);
    }
    return fields;
}

void WriteCountry(BiffRecordWriter& out)
{
    std::vector<uint8_t> d;
    PutU16(d, kCountryUnitedStates);
    PutU16(d, kCountryUnitedStates);
    out.Write(rec::kCountry, d);
}

}  // namespace

std::vector<size_t> WriteGlobals(const GlobalsInfo& info, const XfTable& xfs,
                                 const SharedStringTable& strings, BiffRecordWriter& out)
{
    out.WriteBof(kBofGlobals);
    WriteInterface(out);
    WriteTabIds(info.sheetNames.size(), out);
    WriteProtection(out);
    WriteWindow1(info, out);
    WriteBookSettings(out);
    xfs.WriteFonts(out);
    xfs.WriteNumberFormats(out);
    xfs.WriteXfs(out);
    xfs.WriteStyles(out);
    out.Write(rec::kPalette, PaletteRecordData());
    out.WriteU16(rec::kUsesElfs, 0);
    auto fields = WriteBoundSheets(info, out);
    WriteCountry(out);
    strings.Write(out);
    out.Write(rec::kEof, {});
    return fields;
}

}  // namespace morvessa::sheet::xls
