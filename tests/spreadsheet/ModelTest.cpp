// The workbook model: addresses, cell input, format interning, the sparse format levels, merged
// areas and deleting rows.

#include <gtest/gtest.h>

#include "spreadsheet/CellFormat.h"
#include "spreadsheet/CellRange.h"
#include "spreadsheet/CellValue.h"
#include "spreadsheet/HostError.h"
#include "spreadsheet/Workbook.h"
#include "spreadsheet/Worksheet.h"

namespace morvessa::sheet {
namespace {

TEST(ModelCellRange, ParsesCellsRangesColumnsAndRows)
{
    EXPECT_EQ(CellRange::Parse("A1"), CellRange::Cell(1, 1));
    EXPECT_EQ(CellRange::Parse("$AW$49"), CellRange::Cell(49, 49));
    EXPECT_EQ(CellRange::Parse("a1:bd5"), (CellRange{1, 1, 5, 56}));
    EXPECT_EQ(CellRange::Parse("BD5:A1"), (CellRange{1, 1, 5, 56}));
    EXPECT_EQ(CellRange::Parse("A:BD"), CellRange::WholeColumns(1, 56));
    EXPECT_EQ(CellRange::Parse("$C:$C"), CellRange::WholeColumns(3, 3));
    EXPECT_EQ(CellRange::Parse("1:70"), CellRange::WholeRows(1, 70));
    EXPECT_EQ(CellRange::Parse("IV65536"), CellRange::Cell(65536, 256));
    EXPECT_TRUE(CellRange::Parse("1:65536").IsWholeSheet());
}

TEST(ModelCellRange, RejectsMalformedAddressesWithAClearMessage)
{
    for (const char* bad : {"", " ", "A", "1", "A1:", ":A1", "A1:B2:C3", "1A", "A$", "A1,B2", "$$A1", "A 1",
                            "A1:5", "A-1", "R1C1x"}) {
        try {
            CellRange::Parse(bad);
            ADD_FAILURE() << "accepted \"" << bad << "\"";
        } catch (const AddressError& error) {
            EXPECT_NE(std::string(error.what()).find("not a valid"), std::string::npos)
                << bad << ": " << error.what();
        }
    }
}

TEST(ModelCellRange, RejectsAddressesBeyondTheSheetLimits)
{
    for (const char* outside : {"IW1", "A65537", "A0", "AAAA1", "XFD1", "A1:A70000", "IV:IW", "0:3"}) {
        try {
            CellRange::Parse(outside);
            ADD_FAILURE() << "accepted \"" << outside << "\"";
        } catch (const AddressError& error) {
            EXPECT_NE(std::string(error.what()).find("outside the sheet"), std::string::npos) << error.what();
        }
    }
    EXPECT_THROW(CellRange::Checked(0, 1, 1, 1), AddressError);
    EXPECT_THROW(CellRange::Checked(1, 1, 1, 257), AddressError);
    EXPECT_THROW(CellRange::Checked(5, 1, 4, 1), AddressError);
}

TEST(ModelCellRange, FormatsAddresses)
{
    EXPECT_EQ(CellRange::Cell(1, 1).Address(), "$A$1");
    EXPECT_EQ((CellRange{1, 1, 5, 56}).Address(), "$A$1:$BD$5");
    EXPECT_EQ((CellRange{1, 1, 5, 56}).Address(false, false), "A1:BD5");
    EXPECT_EQ(CellRange::WholeColumns(1, 56).Address(), "$A:$BD");
    EXPECT_EQ(CellRange::WholeRows(1, 70).Address(), "$1:$70");
    EXPECT_EQ(CellRange::Parse(CellRange::Cell(49, 49).Address()), CellRange::Cell(49, 49));
}

TEST(ModelCellRange, ConvertsColumnLettersBothWays)
{
    EXPECT_EQ(ColumnLetters(1), "A");
    EXPECT_EQ(ColumnLetters(8), "H");
    EXPECT_EQ(ColumnLetters(26), "Z");
    EXPECT_EQ(ColumnLetters(27), "AA");
    EXPECT_EQ(ColumnLetters(31), "AE");
    EXPECT_EQ(ColumnLetters(56), "BD");
    EXPECT_EQ(ColumnLetters(256), "IV");
    for (int c = 1; c <= kMaxColumns; ++c)
        ASSERT_EQ(ColumnNumber(ColumnLetters(c)), c);
    EXPECT_THROW(ColumnLetters(0), AddressError);
    EXPECT_THROW(ColumnLetters(257), AddressError);
    EXPECT_THROW(ColumnNumber("IW"), AddressError);
    EXPECT_THROW(ColumnNumber("A1"), AddressError);
}

TEST(ModelCellValue, TypedInputBecomesNumberTextOrNothing)
{
    EXPECT_EQ(CellValue::FromInput("29"), CellValue(29.0));
    EXPECT_EQ(CellValue::FromInput(" -1.5 "), CellValue(-1.5));
    EXPECT_EQ(CellValue::FromInput("1e3"), CellValue(1000.0));
    EXPECT_EQ(CellValue::FromInput(".5"), CellValue(0.5));
    EXPECT_TRUE(CellValue::FromInput("").IsEmpty());
    for (const char* text : {"29a", "January 2024", "inf", "nan", "0x10", "1,5", "-", "e5", "1e"})
        EXPECT_EQ(CellValue::FromInput(text), CellValue(text)) << text;
    EXPECT_EQ(CellValue::FromInput("'29"), CellValue("29"));
    EXPECT_THROW(CellValue::FromInput("=SUM(A1:A3)"), HostError);
}

TEST(ModelCellValue, FormulaTextOfNumbersIsShortest)
{
    EXPECT_EQ(CellValue(29.0).FormulaText(), "29");
    EXPECT_EQ(CellValue(0.5).FormulaText(), "0.5");
    EXPECT_EQ(CellValue(-3.0).FormulaText(), "-3");
    EXPECT_EQ(CellValue(1e20).FormulaText(), "1E+20");
    EXPECT_EQ(CellValue("Easter").FormulaText(), "Easter");
    EXPECT_EQ(CellValue().FormulaText(), "");
    EXPECT_THROW(CellValue("x").Number(), HostError);
    EXPECT_THROW(CellValue(1.0).Text(), HostError);
}

// A text is kept apart from its cell: a copy is a text of its own, and one moved away reads as empty.
TEST(ModelCellValue, CopiedTextStandsAloneAndMovedTextLeavesNothingBehind)
{
    CellValue original("Independence Day");
    CellValue copy = original;
    original = CellValue("Labor Day");
    EXPECT_EQ(copy.Text(), "Independence Day");
    EXPECT_NE(copy, original);
    CellValue moved = std::move(copy);
    EXPECT_EQ(moved.Text(), "Independence Day");
    EXPECT_EQ(copy.FormulaText(), "");  // NOLINT(bugprone-use-after-move): what a moved-from value reads
}

TEST(ModelFormatTable, InternsEqualFormatsToOneId)
{
    FormatTable table;
    const CellFormat defaults;
    EXPECT_EQ(table.Intern(defaults), FormatTable::kDefaultId);
    CellFormat bold;
    bold.font.bold = true;
    CellFormat filled;
    filled.interior = {xlPatternSolid, 19, xlColorIndexAutomatic};
    FormatTable::Id a = table.Intern(bold);
    FormatTable::Id b = table.Intern(filled);
    EXPECT_NE(a, b);
    EXPECT_EQ(table.Intern(bold), a);
    filled.Border(xlEdgeLeft).lineStyle = xlContinuous;
    EXPECT_NE(table.Intern(filled), b);
    EXPECT_EQ(table.Size(), 4u);
    EXPECT_TRUE(table.Get(a).font.bold);
}

class ModelSheet : public ::testing::Test {
protected:
    Workbook book;
    Worksheet& sheet = book.AddSheet("Sheet1");

    static FormatChange Fill(int colour)
    {
        return [colour](CellFormat& f) { f.interior = {xlPatternSolid, colour, xlColorIndexAutomatic}; };
    }
    static FormatChange FontSize(double size)
    {
        return [size](CellFormat& f) { f.font.size = size; };
    }
    int CellCount() const
    {
        int count = 0;
        sheet.ForEachCell([&](int, int, const Cell&) { ++count; });
        return count;
    }
    const CellFormat& At(const char* cell) const
    {
        CellRange r = CellRange::Parse(cell);
        return sheet.EffectiveFormat(r.firstRow, r.firstColumn);
    }
};

TEST_F(ModelSheet, WholeSheetColumnAndRowFormatsCreateNoCells)
{
    sheet.ApplyFormat(CellRange::WholeSheet(), FontSize(12));
    sheet.ApplyFormat(CellRange::Parse("80:90"), [](CellFormat& f) { f.font.bold = true; });
    sheet.ApplyFormat(CellRange::Parse("A:BD"), Fill(2));
    // Only where formatted rows cross the formatted columns do cells appear (11 x 56 of them).
    EXPECT_EQ(CellCount(), 11 * 56);
    EXPECT_EQ(sheet.UsedArea(), CellRange::Parse("A80:BD90"));
    EXPECT_EQ(sheet.EffectiveFormat(65536, 256).font.size, 12);
    EXPECT_EQ(sheet.EffectiveFormat(65536, 56).interior.colorIndex, 2);
    EXPECT_FALSE(sheet.EffectiveFormat(65536, 57).interior.HasFill());
    EXPECT_TRUE(sheet.EffectiveFormat(85, 200).font.bold);
    EXPECT_TRUE(sheet.EffectiveFormat(85, 3).font.bold);
    EXPECT_EQ(sheet.EffectiveFormat(85, 3).interior.colorIndex, 2);
    EXPECT_FALSE(sheet.EffectiveFormat(91, 1).font.bold);
    EXPECT_EQ(sheet.ColumnInfos().size(), 56u);

    Worksheet& other = book.AddSheet("Sheet2");
    other.ApplyFormat(CellRange::WholeSheet(), FontSize(12));
    other.ApplyFormat(CellRange::Parse("1:70"), Fill(2));
    other.ApplyFormat(CellRange::Parse("A:A"), [](CellFormat& f) { f.font.italic = true; });
    // Column A crosses the 70 formatted rows.
    int cells = 0;
    other.ForEachCell([&](int, int column, const Cell&) { cells += column == 1 ? 1 : 100; });
    EXPECT_EQ(cells, 70);
    EXPECT_EQ(other.RowInfos().size(), 70u);
}

TEST_F(ModelSheet, ChangingOnePropertyKeepsTheOthersOnEveryLevel)
{
    sheet.ApplyFormat(CellRange::WholeSheet(), Fill(2));
    sheet.ApplyFormat(CellRange::Parse("A11:BD16"), Fill(36));
    sheet.ApplyFormat(CellRange::Parse("C:C"), [](CellFormat& f) { f.font.italic = true; });
    sheet.ApplyFormat(CellRange::WholeSheet(), FontSize(12));
    EXPECT_EQ(At("B11").interior.colorIndex, 36);
    EXPECT_EQ(At("B11").font.size, 12);
    EXPECT_EQ(At("C11").interior.colorIndex, 36);
    EXPECT_TRUE(At("C11").font.italic);
    EXPECT_TRUE(At("C500").font.italic);
    EXPECT_EQ(At("C500").font.size, 12);
    EXPECT_EQ(At("Z9000").interior.colorIndex, 2);
}

TEST_F(ModelSheet, ColumnFormatReachesCellsOfFormattedRows)
{
    sheet.ApplyFormat(CellRange::Parse("5:5"), Fill(6));
    sheet.ApplyFormat(CellRange::Parse("B:B"), [](CellFormat& f) { f.font.bold = true; });
    // Row 5 showed its own fill; in column B it now shows the fill and the bold font.
    EXPECT_EQ(At("B5").interior.colorIndex, 6);
    EXPECT_TRUE(At("B5").font.bold);
    EXPECT_FALSE(At("C5").font.bold);
    EXPECT_TRUE(At("B6").font.bold);
    EXPECT_FALSE(At("B6").interior.HasFill());
}

TEST_F(ModelSheet, RowFormatReachesCellsOfFormattedColumns)
{
    sheet.ApplyFormat(CellRange::Parse("B:B"), Fill(6));
    sheet.ApplyFormat(CellRange::Parse("3:4"), [](CellFormat& f) { f.font.bold = true; });
    EXPECT_EQ(At("B3").interior.colorIndex, 6);
    EXPECT_TRUE(At("B3").font.bold);
    EXPECT_TRUE(At("IV4").font.bold);
    EXPECT_FALSE(At("IV4").interior.HasFill());
    EXPECT_EQ(At("B5").interior.colorIndex, 6);
    EXPECT_FALSE(At("B5").font.bold);
}

TEST_F(ModelSheet, UsedAreaCoversValuesAndOwnFormatsOnly)
{
    sheet.ApplyFormat(CellRange::Parse("A:BD"), Fill(2));
    sheet.SetRowHeight(100, 30);
    sheet.SetCellValue(3, 4, CellValue(7.0));
    sheet.ApplyFormat(CellRange::Parse("B10:C12"), Fill(5));
    EXPECT_EQ(sheet.UsedArea(), (CellRange{3, 2, 12, 4}));
}

TEST_F(ModelSheet, MergedAreasMayNotOverlapAndWidenSelections)
{
    sheet.AddMergedArea(CellRange::Parse("A9:H10"));
    sheet.AddMergedArea(CellRange::Parse("I9:P10"));
    sheet.AddMergedArea(CellRange::Parse("B11:C12"));
    EXPECT_THROW(sheet.AddMergedArea(CellRange::Parse("H10:I11")), HostError);
    EXPECT_EQ(sheet.WidenedOverMerges(CellRange::Parse("B10")), CellRange::Parse("A9:H10"));
    EXPECT_EQ(sheet.WidenedOverMerges(CellRange::Parse("H9:I9")), CellRange::Parse("A9:P10"));
    // A9:H10 widens H10:H11 to column A, where B11:C12 pulls in row 12.
    EXPECT_EQ(sheet.WidenedOverMerges(CellRange::Parse("H10:H11")), CellRange::Parse("A9:H12"));
    EXPECT_EQ(sheet.MergedAreaAt(10, 8), &sheet.MergedAreas()[0]);
    EXPECT_EQ(sheet.MergedAreaAt(11, 1), nullptr);
}

TEST_F(ModelSheet, DeletingWholeRowsMovesEverythingBelowUp)
{
    for (int r = 1; r <= 70; ++r)
        sheet.SetRowHeight(r, 9);
    sheet.SetRowHeight(60, 30);
    sheet.SetCellValue(60, 2, CellValue("below"));
    sheet.ApplyFormat(CellRange::Parse("B60"), Fill(4));
    sheet.AddMergedArea(CellRange::Parse("A41:H42"));  // inside the deleted rows
    sheet.AddMergedArea(CellRange::Parse("A58:C59"));  // below them
    sheet.AddMergedArea(CellRange::Parse("J38:K44"));  // across the first deleted row
    sheet.DeleteShiftUp(CellRange::WholeRows(41, 56));
    EXPECT_EQ(sheet.FindCell(44, 2)->value, CellValue("below"));
    EXPECT_EQ(sheet.EffectiveFormat(44, 2).interior.colorIndex, 4);
    EXPECT_EQ(sheet.FindCell(60, 2), nullptr);
    EXPECT_EQ(sheet.RowHeightAt(44), 30);
    EXPECT_EQ(sheet.RowHeightAt(54), 9);  // row 70 moved to 54
    EXPECT_EQ(sheet.RowHeightAt(55), 12.75);
    ASSERT_EQ(sheet.MergedAreas().size(), 2u);
    EXPECT_EQ(sheet.MergedAreas()[0], CellRange::Parse("A42:C43"));
    EXPECT_EQ(sheet.MergedAreas()[1], CellRange::Parse("J38:K40"));
}

TEST_F(ModelSheet, DeletingPartOfTheColumnsShiftsOnlyThoseColumns)
{
    sheet.SetCellValue(5, 1, CellValue(1.0));
    sheet.SetCellValue(5, 3, CellValue(3.0));
    sheet.SetCellValue(8, 1, CellValue(8.0));
    sheet.SetCellValue(8, 3, CellValue(9.0));
    sheet.ApplyFormat(CellRange::Parse("7:7"), Fill(6));
    sheet.DeleteShiftUp(CellRange::Parse("A5:B6"));
    EXPECT_EQ(sheet.FindCell(6, 1)->value, CellValue(8.0));
    EXPECT_EQ(sheet.FindCell(5, 3)->value, CellValue(3.0));
    EXPECT_EQ(sheet.FindCell(8, 3)->value, CellValue(9.0));
    // A7 moved to A5 with the look of row 7; A7 now shows what was A9.
    EXPECT_EQ(sheet.EffectiveFormat(5, 1).interior.colorIndex, 6);
    EXPECT_FALSE(sheet.EffectiveFormat(7, 1).interior.HasFill());
    EXPECT_EQ(sheet.EffectiveFormat(7, 3).interior.colorIndex, 6);

    sheet.AddMergedArea(CellRange::Parse("A20:C21"));
    EXPECT_THROW(sheet.DeleteShiftUp(CellRange::Parse("A10:B10")), HostError);
}

TEST_F(ModelSheet, SheetNamesFollowTheHostRules)
{
    EXPECT_NO_THROW(book.CheckSheetName(std::string(31, 'x')));
    EXPECT_THROW(book.CheckSheetName(std::string(32, 'x')), HostError);
    // 31 Cyrillic letters are 31 characters although they take 62 bytes.
    std::string cyrillic;
    for (int i = 0; i < 31; ++i)
        cyrillic += "\xD0\x96";
    EXPECT_NO_THROW(book.CheckSheetName(cyrillic));
    EXPECT_THROW(book.CheckSheetName(cyrillic + "\xD0\x96"), HostError);
    for (const char* bad : {"", "a:b", "a\\b", "a/b", "a?b", "a*b", "a[b", "a]b", "'quoted", "quoted'"})
        EXPECT_THROW(book.CheckSheetName(bad), HostError) << bad;
    EXPECT_THROW(book.CheckSheetName("SHEET1"), HostError);
    EXPECT_NO_THROW(book.CheckSheetName("Sheet1", &sheet));
}

}  // namespace
}  // namespace morvessa::sheet
