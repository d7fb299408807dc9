#include "spreadsheet/xls/GlobalsWriter.h"

#include "spreadsheet/xls/Bytes.h"
#include "spreadsheet/xls/GlobalsRecords.h"
#include "spreadsheet/xls/Palette.h"

#include <initializer_list>

namespace morvessa::sheet::xls {
namespace {

constexpr const char* kWriterName = "Morvessa";
constexpr uint16_t kWindow1Flags = 0x0038;  // scroll bars and sheet tabs shown
constexpr uint16_t kTabRatio = 600;
constexpr uint16_t kWindowWidth = 0x3A5C, kWindowHeight = 0x23BE;
constexpr uint16_t kCountryUnitedStates = 1;
constexpr uint8_t kSheetVisible = 0;

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
    out.Write(rec::kWriteAccess, WriteAccessRecord{kWriterName}.Encode());
    out.WriteU16(rec::kCodePage, kCodePageUtf16);
    out.WriteU16(rec::kDsf, 0);
}

void WriteTabIds(size_t sheets, BiffRecordWriter& out)
{
    TabIdRecord tabs;
    for (size_t i = 0; i < sheets; ++i)
        tabs.ids.push_back(static_cast<uint16_t>(i + 1));
    out.Write(rec::kTabId, tabs.Encode());
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
    Window1Record window;
    window.width = kWindowWidth;
    window.height = kWindowHeight;
    window.flags = kWindow1Flags;
    window.activeTab = static_cast<uint16_t>(info.activeSheet);
    window.firstTab = 0;
    window.selectedTabs = 1;
    window.tabRatio = kTabRatio;
    out.Write(rec::kWindow1, window.Encode());
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
        BoundSheetRecord sheet;
        sheet.visibility = kSheetVisible;
        sheet.type = kSheetWorksheet;
        sheet.name = name;
        fields.push_back(out.Position() + kRecordHeaderSize + BoundSheetRecord::kPositionOffset);
        out.Write(rec::kBoundSheet, sheet.Encode());
    }
    return fields;
}

void WriteCountry(BiffRecordWriter& out)
{
    out.Write(rec::kCountry, CountryRecord{kCountryUnitedStates, kCountryUnitedStates}.Encode());
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
