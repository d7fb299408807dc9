// The record layout a strict reader expects: the order of the globals and of each sheet, the
// fixed XF and font positions, the number format ids, and the stream positions that INDEX,
// DBCELL and BOUNDSHEET hold.

#include <gtest/gtest.h>

#include <algorithm>

#include "spreadsheet/Application.h"
#include "spreadsheet/ModelCalendarBuilder.h"
#include "spreadsheet/xls/BiffRecordReader.h"
#include "spreadsheet/xls/BiffRecords.h"
#include "spreadsheet/xls/Bytes.h"
#include "spreadsheet/xls/CompoundFile.h"
#include "spreadsheet/xls/XlsFile.h"

namespace morvessa::sheet::xls {
namespace {

struct Stream {
    std::vector<uint8_t> bytes;
    std::vector<BiffRecord> records;  // spans into bytes
};

Stream CalendarStream()
{
    Application app;
    Workbook& book = sheet::testing::BuildCalendar(app, 2026);
    app.Sheets().Item("May").Activate();
    Stream s;
    s.bytes = *CompoundFileReader(WriteWorkbookBytes(book)).ReadStream(u"Workbook");
    BiffRecordReader reader(s.bytes, 0);
    for (BiffRecord r; reader.Next(r);)
        s.records.push_back(r);
    return s;
}

std::vector<uint16_t> Ids(const std::vector<BiffRecord>& records, size_t from, size_t to)
{
    std::vector<uint16_t> ids;
    for (size_t i = from; i < to; ++i)
        if (ids.empty() || ids.back() != records[i].id)
            ids.push_back(records[i].id);  // runs as one
    return ids;
}

class XlsStructure : public ::testing::Test {
protected:
    static void SetUpTestSuite() { stream_ = new Stream(CalendarStream()); }
    static void TearDownTestSuite() { delete stream_; }
    static const std::vector<BiffRecord>& Records() { return stream_->records; }
    size_t GlobalsEnd() const
    {
        return size_t(
            std::find_if(Records().begin(), Records().end(), [](auto& r) { return r.id == rec::kEof; }) -
            Records().begin());
    }
    static Stream* stream_;
};
Stream* XlsStructure::stream_ = nullptr;

TEST_F(XlsStructure, GlobalsComeInTheOrderOfTheFormat)
{
    using namespace rec;
    const std::vector<uint16_t> expected{
        kBof,          kInterfaceHdr, kMms,           kInterfaceEnd, kWriteAccess, kCodePage,
        kDsf,          kTabId,        kWindowProtect, kProtect,      kPassword,    kProt4Rev,
        kProt4RevPass, kWindow1,      kBackup,        kHideObj,      kDate1904,    kCalcPrecision,
        kRefreshAll,   kBookBool,     kFont,          kFormat,       kXf,          kStyle,
        kPalette,      kUsesElfs,     kBoundSheet,    kCountry,      kSst,         kExtSst,
        kEof};
    EXPECT_EQ(Ids(Records(), 0, GlobalsEnd() + 1), expected);
}

TEST_F(XlsStructure, FontsXfsAndNumberFormatsSitWhereReadersLookForThem)
{
    size_t fonts = 0, xfs = 0;
    std::vector<uint16_t> formatIds;
    for (size_t i = 0; i < GlobalsEnd(); ++i) {
        const BiffRecord& r = Records()[i];
        if (r.id == rec::kFont)
            ++fonts;
        if (r.id == rec::kFormat)
            formatIds.push_back(GetU16(r.data.data()));
        if (r.id != rec::kXf)
            continue;
        const uint16_t font = GetU16(r.data.data());
        const bool styleXf = (GetU16(r.data.data() + 4) & 0x0004) != 0;
        EXPECT_NE(font, 4) << "XF " << xfs;  // font index 4 does not exist
        EXPECT_LT(font, fonts + 1) << "XF " << xfs;
        EXPECT_EQ(styleXf, xfs < 15) << "XF " << xfs;  // 15 style XFs, then cell XFs
        ++xfs;
    }
    EXPECT_GE(xfs, 17u);
    EXPECT_GE(fonts, 5u);
    EXPECT_GE(formatIds.size(), 9u);  // eight currency formats and the calendar's own
    EXPECT_NE(std::find(formatIds.begin(), formatIds.end(), 164), formatIds.end());
}

TEST_F(XlsStructure, SheetsAreWhereBoundSheetSaysAndIndexPointsAtTheirBlocks)
{
    std::vector<uint32_t> sheetPositions;
    for (size_t i = 0; i < GlobalsEnd(); ++i)
        if (Records()[i].id == rec::kBoundSheet)
            sheetPositions.push_back(GetU32(Records()[i].data.data()));
    ASSERT_EQ(sheetPositions.size(), 12u);
    auto recordAt = [&](size_t position) -> const BiffRecord* {
        for (const auto& r : Records())
            if (r.offset == position)
                return &r;
        return nullptr;
    };
    int selected = 0;
    for (uint32_t position : sheetPositions) {
        const BiffRecord* bof = recordAt(position);
        ASSERT_NE(bof, nullptr);
        ASSERT_EQ(bof->id, rec::kBof);
        EXPECT_EQ(GetU16(bof->data.data() + 2), kBofWorksheet);
        const size_t first = size_t(bof - Records().data());
        size_t end = first;
        while (Records()[end].id != rec::kEof)
            ++end;
        using namespace rec;
        const std::vector<uint16_t> expected{kBof,
                                             kIndex,
                                             kCalcMode,
                                             kCalcCount,
                                             kRefMode,
                                             kIteration,
                                             kDelta,
                                             kSaveRecalc,
                                             kPrintRowColHeaders,
                                             kPrintGridlines,
                                             kGridSet,
                                             kGuts,
                                             kDefaultRowHeight,
                                             kWsBool,
                                             kHeader,
                                             kFooter,
                                             kHCenter,
                                             kVCenter,
                                             kSetup,
                                             kDefColWidth,
                                             kColInfo,
                                             kDimensions,
                                             kRow};
        const auto ids = Ids(Records(), first, end + 1);
        ASSERT_GE(ids.size(), expected.size());
        EXPECT_TRUE(std::equal(expected.begin(), expected.end(), ids.begin()));
        const std::vector<uint16_t> tail{kDbCell, kWindow2, kSelection, kMergedCells, kEof};
        EXPECT_TRUE(std::equal(tail.begin(), tail.end(), ids.end() - long(tail.size())));

        // INDEX: DEFCOLWIDTH's position and one DBCELL per block of 32 rows.
        const BiffRecord& index = Records()[first + 1];
        EXPECT_EQ(recordAt(GetU32(index.data.data() + 12))->id, rec::kDefColWidth);
        size_t rows = 0;
        for (size_t i = first; i < end; ++i)
            rows += Records()[i].id == rec::kRow;
        const size_t blocks = (index.data.size() - 16) / 4;
        EXPECT_EQ(blocks, (rows + 31) / 32);
        for (size_t b = 0; b < blocks; ++b) {
            const BiffRecord* dbCell = recordAt(GetU32(index.data.data() + 16 + 4 * b));
            ASSERT_NE(dbCell, nullptr);
            ASSERT_EQ(dbCell->id, rec::kDbCell);
            EXPECT_EQ(recordAt(dbCell->offset - GetU32(dbCell->data.data()))->id, rec::kRow);
        }
        for (size_t i = first; i < end; ++i) {
            if (Records()[i].id == rec::kWindow2)
                selected += (GetU16(Records()[i].data.data()) & 0x0200) != 0;
            if (Records()[i].id == rec::kMergedCells) {
                EXPECT_LE(GetU16(Records()[i].data.data()), 1026);
            }
        }
    }
    EXPECT_EQ(selected, 1);  // only the active sheet's tab is selected
}

}  // namespace
}  // namespace morvessa::sheet::xls
