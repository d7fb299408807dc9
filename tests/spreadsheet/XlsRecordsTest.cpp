// Each record's layout, byte by byte: the bytes the writer emits for a typical value, and the
// decoder giving that value back. A field moved by one byte fails here, named by its record.

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <set>
#include <sstream>

#include "spreadsheet/xls/GlobalsRecords.h"
#include "spreadsheet/xls/RecordDump.h"
#include "spreadsheet/xls/SheetRecords.h"
#include "spreadsheet/xls/XlsFile.h"

namespace morvessa::sheet::xls {
namespace {

std::vector<uint8_t> FromHex(const std::string& hex)
{
    std::vector<uint8_t> bytes;
    std::istringstream in(hex);
    std::string byte;
    while (in >> byte)
        bytes.push_back(static_cast<uint8_t>(std::stoul(byte, nullptr, 16)));
    return bytes;
}

struct RecordCase {
    const char* name;
    uint16_t id;
    std::vector<uint8_t> expected;
    std::function<std::vector<uint8_t>()> encode;
    std::function<bool(std::span<const uint8_t>)> decodesBack;
};

template <typename Record>
RecordCase Case(const char* name, const Record& value, const std::string& hex)
{
    return {name, Record::kId, FromHex(hex), [value] { return value.Encode(); },
            [value](std::span<const uint8_t> data) { return Record::Decode(data) == value; }};
}

std::vector<RecordCase> Cases()
{
    SetupRecord setup;
    setup.paper = 9;
    setup.scale = 85;
    setup.fitWide = 1;
    setup.fitTall = 2;
    setup.flags = kSetupPortrait;
    setup.horizontalDpi = setup.verticalDpi = 600;
    FormulaRecord formula;
    formula.cell = {1, 2, 16};
    formula.result[0] = 1;  // a truth value: TRUE
    formula.result[2] = 1;
    formula.result[6] = formula.result[7] = 0xFF;
    return {
        Case("BOF", BofRecord{kBiff8Version, kBofWorksheet, kBofBuild, kBofYear, 0, 6},
             "00 06 10 00 BB 0D CC 07 00 00 00 00 06 00 00 00"),
        Case("WINDOW1", Window1Record{0, 0, 0x3A5C, 0x23BE, 0x38, 6, 0, 1, 600},
             "00 00 00 00 5C 3A BE 23 38 00 06 00 00 00 01 00 58 02"),
        Case("BOUNDSHEET", BoundSheetRecord{3471, 0, kSheetWorksheet, "May"},
             "8F 0D 00 00 00 00 03 00 4D 61 79"),
        Case("BOUNDSHEET wide", BoundSheetRecord{16, 0, kSheetWorksheet, "\xCE\xA9"},
             "10 00 00 00 00 00 01 01 A9 03"),
        Case("TABID", TabIdRecord{{1, 2, 3}}, "01 00 02 00 03 00"),
        Case("COUNTRY", CountryRecord{1, 49}, "01 00 31 00"),
        Case("STYLE", StyleRecord{0x8000, 0, 0xFF}, "00 80 00 FF"),
        Case("INDEX", IndexRecord{2, 57, 0xE4F, {0x1234, 0x5678}},
             "00 00 00 00 02 00 00 00 39 00 00 00 4F 0E 00 00 34 12 00 00 78 56 00 00"),
        Case("DEFAULTROWHEIGHT", DefaultRowHeightRecord{1, 300}, "01 00 2C 01"),
        Case("SETUP", setup,
             "09 00 55 00 01 00 01 00 02 00 02 00 58 02 58 02 00 00 00 00 00 00 E0 3F "
             "00 00 00 00 00 00 E0 3F 01 00"),
        Case("COLINFO", ColInfoRecord{0, 55, 585, 16, kColumnCustomWidth},
             "00 00 37 00 49 02 10 00 02 00 00 00"),
        Case("DIMENSIONS", DimensionsRecord{0, 57, 0, 56}, "00 00 00 00 39 00 00 00 00 00 38 00 00 00"),
        Case("ROW", RowRecord{4, 0, 56, 180, 0x0140, 15}, "04 00 00 00 38 00 B4 00 00 00 00 00 40 01 0F 00"),
        Case("DBCELL", DbCellRecord{0x2A0, {0x280, 14, 22}}, "A0 02 00 00 80 02 0E 00 16 00"),
        Case("WINDOW2", Window2Record{0x06B6, 0, 0, kIcvAutomaticPattern, 0, 0},
             "B6 06 00 00 00 00 40 00 00 00 00 00 00 00 00 00 00 00"),
        Case("SELECTION", SelectionRecord{kPaneTopLeft, 2, 1, 0, {{2, 4, 1, 55}}},
             "03 02 00 01 00 00 00 01 00 02 00 04 00 01 37"),
        Case("MERGEDCELLS", MergedCellsRecord{{{5, 7, 0, 7}, {5, 7, 8, 15}}},
             "02 00 05 00 07 00 00 00 07 00 05 00 07 00 08 00 0F 00"),
        Case("BLANK", BlankRecord{{9, 3, 20}}, "09 00 03 00 14 00"),
        Case("NUMBER", NumberRecord{{0, 1, 16}, 0.1}, "00 00 01 00 10 00 9A 99 99 99 99 99 B9 3F"),
        Case("RK", RkRecord{{1, 0, 16}, (31u << 2) | 2}, "01 00 00 00 10 00 7E 00 00 00"),
        Case("LABELSST", LabelSstRecord{{0, 0, 17}, 3}, "00 00 00 00 11 00 03 00 00 00"),
        Case("MULBLANK", MulBlankRecord{7, 2, {20, 21, 22}}, "07 00 02 00 14 00 15 00 16 00 04 00"),
        Case("MULRK", MulRkRecord{3, 1, {{16, (1u << 2) | 2}, {17, (2u << 2) | 2}}},
             "03 00 01 00 10 00 06 00 00 00 11 00 0A 00 00 00 02 00"),
        Case("LABEL", LabelRecord{{0, 0, 15}, "Mai"}, "00 00 00 00 0F 00 03 00 00 4D 61 69"),
        Case("BOOLERR", BoolErrRecord{{0, 0, 15}, 0x07, BoolErrRecord::kIsError}, "00 00 00 00 0F 00 07 01"),
        Case("FORMULA", formula, "01 00 02 00 10 00 01 00 01 00 00 00 FF FF"),
        Case("STRING", StringRecord{"ok"}, "02 00 00 6F 6B"),
    };
}

TEST(XlsRecords, EachRecordHasItsBytesAndDecodesBack)
{
    for (const RecordCase& c : Cases()) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.encode(), c.expected);
        EXPECT_TRUE(c.decodesBack(c.expected));
        EXPECT_NE(RecordName(c.id), nullptr);
    }
}

// Every length is checked: each record's data cut by one byte fails cleanly. The few records
// whose tail is optional decode the shorter form instead; they are listed.
TEST(XlsRecords, DataCutShortFailsWithTheRecordsName)
{
    const std::set<std::string> optionalTail = {"BOF",      "WINDOW1", "SETUP",     "COLINFO",
                                                "WINDOW2",  "INDEX",   "DBCELL",    "TABID",
                                                "MULBLANK", "MULRK",   "DIMENSIONS"};
    for (const RecordCase& c : Cases()) {
        SCOPED_TRACE(c.name);
        const std::span<const uint8_t> cut(c.expected.data(), c.expected.size() - 1);
        if (optionalTail.count(c.name))
            continue;
        try {
            c.decodesBack(cut);
            ADD_FAILURE() << "decoded a cut record";
        } catch (const XlsError& e) {
            EXPECT_NE(std::string(e.what()).find("is too short"), std::string::npos) << e.what();
        }
    }
    // The optional tails still need their fixed start.
    EXPECT_THROW(BofRecord::Decode(FromHex("00 06 10")), XlsError);
    EXPECT_THROW(Window1Record::Decode(FromHex("00 00 00 00 5C 3A BE 23 38 00 06")), XlsError);
    EXPECT_THROW(SetupRecord::Decode(FromHex("09 00 55 00 01 00 01 00 02 00 02")), XlsError);
    EXPECT_THROW(ColInfoRecord::Decode(FromHex("00 00 37 00 49 02 10 00 02")), XlsError);
    EXPECT_THROW(MulBlankRecord::Decode(FromHex("07 00 02 00 14")), XlsError);
    EXPECT_THROW(DimensionsRecord::Decode(FromHex("00 00 00 00 39 00 00 00 00 00 38")), XlsError);
}

TEST(XlsRecords, CountsLargerThanTheDataAreRefused)
{
    // 2 areas claimed, 1 present.
    EXPECT_THROW(MergedCellsRecord::Decode(FromHex("02 00 05 00 07 00 00 00 07 00")), XlsError);
    EXPECT_THROW(SelectionRecord::Decode(FromHex("03 00 00 00 00 00 00 02 00 00 00 00 00 00 00")), XlsError);
    // 65535 areas claimed in a few bytes: refused before anything is allocated for them.
    EXPECT_THROW(MergedCellsRecord::Decode(FromHex("FF FF 00 00")), XlsError);
}

TEST(XlsRecords, ShortFormsOfOtherWritersKeepTheirRequiredFields)
{
    // A SETUP cut after the fit fields, as some writers leave it.
    const SetupRecord setup = SetupRecord::Decode(FromHex("00 00 4B 00 01 00 02 00 03 00 00 00"));
    EXPECT_EQ(setup.scale, 75);
    EXPECT_EQ(setup.fitWide, 2);
    EXPECT_EQ(setup.fitTall, 3);
    // The 10-byte WINDOW2 of a chart sheet.
    EXPECT_EQ(Window2Record::Decode(FromHex("B6 06 00 00 00 00 40 00 00 00")).flags, 0x06B6);
    // A BIFF5 BOF: 8 bytes, version 0x0500, which the reader turns into "older format".
    EXPECT_EQ(BofRecord::Decode(FromHex("00 05 10 00 BB 0D CC 07")).version, 0x0500);
    // MULBLANK's closing column field is not trusted: the length gives the count.
    EXPECT_EQ(MulBlankRecord::Decode(FromHex("07 00 02 00 14 00 15 00 FF FF")).xfs.size(), 2u);
}

TEST(XlsRecords, RkHoldsIntegersAndShortDoublesExactly)
{
    for (double value : {0.0, 1.0, -1.0, 31.0, 536870911.0, -536870912.0, 0.5, 2024.25, 0x1p1000}) {
        uint32_t rk = 0;
        ASSERT_TRUE(EncodeRk(value, rk)) << value;
        EXPECT_EQ(DecodeRk(rk), value);
    }
    uint32_t rk = 0;
    EXPECT_FALSE(EncodeRk(0.1, rk));                      // needs all 52 mantissa bits: a NUMBER record
    EXPECT_DOUBLE_EQ(DecodeRk((1234u << 2) | 3), 12.34);  // integer divided by 100, as other writers use
}

TEST(XlsRecords, FormulaResultsReadAsTheirType)
{
    FormulaRecord number;
    const double value = 2.5;
    std::memcpy(number.result, &value, sizeof value);
    EXPECT_TRUE(number.IsNumber());
    EXPECT_EQ(number.Number(), 2.5);
    const FormulaRecord text =
        FormulaRecord::Decode(FromHex("00 00 00 00 0F 00 00 00 00 00 00 00 FF FF 00 00 00 00 00 00"));
    EXPECT_FALSE(text.IsNumber());
    EXPECT_EQ(text.Type(), FormulaRecord::ResultType::kString);
}

}  // namespace
}  // namespace morvessa::sheet::xls
