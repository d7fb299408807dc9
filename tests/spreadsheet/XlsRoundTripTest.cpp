// Save and open through the .xls writer and reader: everything the host's workbooks hold
// comes back, and a second save gives the same bytes.

#include <gtest/gtest.h>

#include <filesystem>

#include "spreadsheet/Application.h"
#include "spreadsheet/xls/XlsFile.h"
#include "spreadsheet/ModelCalendarBuilder.h"
#include "spreadsheet/XlsSheetStructure.h"
#include "spreadsheet/XlsTestSupport.h"

namespace morvessa::sheet::xls {
namespace {

using testing::ExpectSameWorkbook;

std::unique_ptr<Workbook> RoundTrip(const Workbook& wb, std::vector<uint8_t>* first = nullptr)
{
    std::vector<uint8_t> bytes = WriteWorkbookBytes(wb);
    testing::ExpectSheetsMatchTheirCells(bytes);
    auto back = ReadWorkbookBytes(bytes);
    if (first)
        *first = std::move(bytes);
    return back;
}

TEST(XlsRoundTrip, CalendarWorkbookComesBackUnchangedAndSavesToTheSameBytes)
{
    Application app;
    Workbook& book = sheet::testing::BuildCalendar(app, 2024);
    std::vector<uint8_t> first;
    auto back = RoundTrip(book, &first);
    ExpectSameWorkbook(book, *back);
    EXPECT_EQ(first, WriteWorkbookBytes(*back));
}

TEST(XlsRoundTrip, ValuesTextsAndNumbersOfEveryKind)
{
    Workbook wb;
    Worksheet& s = wb.AddSheet("Values");
    const double numbers[] = {0, 1, -1, 29, 536870911, -536870912, 536870912, 0.5, 0.1, 1e300, -2.75, 1e-300};
    for (int i = 0; i < int(std::size(numbers)); ++i)
        s.SetCellValue(i + 1, 1, numbers[i]);
    s.SetCellValue(1, 2, std::string("plain"));
    s.SetCellValue(2, 2, std::string("\xC3\xA4\xC3\xB6\xC3\xBC \xC2\xAC|"));  // Latin-1 range
    s.SetCellValue(
        3, 2,
        std::string("\xD0\x9F\xD0\xBE\xD0\xBB \xE2\x82\xAC \xF0\x9F\x8E\x89"));  // Cyrillic, euro, emoji
    s.SetCellValue(4, 2, std::string(""));
    s.SetCellValue(5, 2, std::string(40000, 'x'));  // longer than a cell may hold: cut to 32767
    s.SetCellValue(65536, 256, 7.0);
    auto back = RoundTrip(wb);
    const Worksheet& b = back->Sheet(1);
    for (int i = 0; i < int(std::size(numbers)); ++i)
        EXPECT_EQ(b.FindCell(i + 1, 1)->value, CellValue(numbers[i]));
    EXPECT_EQ(b.FindCell(2, 2)->value, s.FindCell(2, 2)->value);
    EXPECT_EQ(b.FindCell(3, 2)->value, s.FindCell(3, 2)->value);
    EXPECT_EQ(b.FindCell(5, 2)->value.Text().size(), 32767u);
    EXPECT_EQ(b.FindCell(65536, 256)->value, CellValue(7.0));
}

CellFormat RichFormat()
{
    CellFormat f;
    f.font = {"Times New Roman", 20, true, true, true, xlUnderlineStyleDouble, 3};
    f.Border(xlEdgeLeft) = {xlContinuous, xlThin, xlColorIndexAutomatic};
    f.Border(xlEdgeTop) = {xlContinuous, xlMedium, 5};
    f.Border(xlEdgeBottom) = {xlDash, xlThin, 10};
    f.Border(xlEdgeRight) = {xlDouble, xlThick, 56};
    f.Border(xlDiagonalDown) = {xlDot, xlThin, 1};
    f.interior = {xlSolid, 19, xlColorIndexAutomatic};
    f.horizontalAlignment = xlCenter;
    f.verticalAlignment = xlTop;
    f.wrapText = true;
    f.readingOrder = xlRTL;
    f.orientation = -45;
    f.indentLevel = 3;
    f.numberFormat = "mmmm yyyy";
    f.locked = false;
    return f;
}

TEST(XlsRoundTrip, FormatsAtSheetColumnRowAndCellLevel)
{
    Workbook wb;
    Worksheet& s = wb.AddSheet("Formats");
    CellFormat sheetFormat;
    sheetFormat.font.size = 12;
    sheetFormat.interior = {xlSolid, 2, xlColorIndexAutomatic};
    s.SetSheetFormatId(wb.Formats().Intern(sheetFormat));
    CellFormat column = sheetFormat;
    column.interior = {xlGray50, 36, 12};
    s.SetColumnFormatId(3, wb.Formats().Intern(column));
    CellFormat row = sheetFormat;
    row.numberFormat = "0.00%";
    row.font.colorIndex = 25;
    s.SetRowFormatId(7, wb.Formats().Intern(row));
    s.SetCellFormatId(2, 2, wb.Formats().Intern(RichFormat()));
    s.SetCellValue(2, 2, 45292.0);
    s.SetCellValue(7, 3, 0.25);                            // inherits the row format
    s.SetCellFormatId(9, 1, wb.Formats().Intern(column));  // formatted, empty
    s.SetCellFormatId(9, 2, wb.Formats().Intern(column));
    s.SetRowHeight(2, 30.75);
    s.SetRowHeight(3, 0);
    s.SetColumnWidth(1, 1.57);
    s.SetColumnWidth(2, 0.5);
    s.SetColumnWidth(4, 20);
    std::vector<uint8_t> first;
    auto back = RoundTrip(wb, &first);
    ExpectSameWorkbook(wb, *back);
    EXPECT_EQ(back->Sheet(1).EffectiveFormat(2, 2), RichFormat());
    EXPECT_EQ(first, WriteWorkbookBytes(*back));
}

TEST(XlsRoundTrip, ManyMergedAreasSplitOverRecordsAndActiveSheetAndSelection)
{
    Workbook wb;
    wb.AddSheet("One");
    Worksheet& s = wb.AddSheet("Two");
    for (int r = 1; r <= 1200; ++r)
        for (int c = 0; c < 3; ++c)
            s.AddMergedArea({2 * r - 1, 2 * c + 1, 2 * r, 2 * c + 2});
    s.SetSelection({5, 2, 9, 4}, 6, 3);
    wb.SetActiveSheetIndex(2);
    auto back = RoundTrip(wb);
    EXPECT_EQ(back->Sheet(2).MergedAreas().size(), 3600u);
    ExpectSameWorkbook(wb, *back);
}

TEST(XlsRoundTrip, SmallWorkbookUsesTheMiniStreamAndStillOpens)
{
    Workbook wb;
    wb.AddSheet("A").SetCellValue(1, 1, std::string("x"));
    const auto bytes = WriteWorkbookBytes(wb);
    ASSERT_LT(bytes.size(), 8000u);  // a workbook stream under 4096 bytes lives in the mini stream
    ExpectSameWorkbook(wb, *ReadWorkbookBytes(bytes));
}

TEST(XlsRoundTrip, SaveReplacesAnExistingFileAndOpenReadsIt)
{
    const auto dir = std::filesystem::temp_directory_path() / "morvessa-xls-save-test";
    std::filesystem::create_directories(dir);
    const auto path = (dir / "book.xls").string();
    Workbook wb;
    wb.AddSheet("Sheet1").SetCellValue(1, 1, 1.0);
    SaveWorkbook(wb, path);
    wb.Sheet(1).SetCellValue(1, 1, 2.0);
    SaveWorkbook(wb, path);
    EXPECT_EQ(OpenWorkbook(path)->Sheet(1).FindCell(1, 1)->value, CellValue(2.0));
    // Nothing but the workbook is left beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), std::filesystem::directory_iterator()), 1);
    std::filesystem::remove_all(dir);
}

TEST(XlsRoundTrip, SaveToAnUnwritablePlaceFailsClearly)
{
    Workbook wb;
    wb.AddSheet("Sheet1");
    try {
        SaveWorkbook(wb, "/nonexistent-folder/book.xls");
        FAIL() << "no error";
    } catch (const XlsError& e) {
        EXPECT_NE(std::string(e.what()).find("could not be saved"), std::string::npos) << e.what();
    }
    EXPECT_THROW(WriteWorkbookBytes(Workbook()), XlsError);
}

TEST(XlsRoundTrip, MoreFormatsThanTheFileHoldsFailInsteadOfWritingABrokenFile)
{
    Workbook wb;
    Worksheet& s = wb.AddSheet("Many");
    for (int i = 0; i < 4100; ++i) {
        CellFormat f;
        f.numberFormat = "0." + std::string(size_t(i % 30 + 1), '0') + std::string(size_t(i / 30), '#');
        s.SetCellFormatId(i + 1, 1, wb.Formats().Intern(f));
    }
    EXPECT_THROW(WriteWorkbookBytes(wb), XlsError);
}

}  // namespace
}  // namespace morvessa::sheet::xls

namespace morvessa::sheet::xls {
namespace {

// A calendar this host wrote, opened and saved again by LibreOffice Calc: a different writer's
// record choices (its own XF and style tables, escaped formats, other cell records) read back.
TEST(XlsForeignFile, CalendarResavedByAnotherProgramReadsBack)
{
    const auto book =
        OpenWorkbook(std::string(MORVESSA_SOURCE_DIR) +
                     "/tests/spreadsheet/data/foreign/calendar_2024_resaved_by_libreoffice.xls");
    Application app;
    const Workbook& ours = sheet::testing::BuildCalendar(app, 2024);
    ASSERT_EQ(book->SheetCount(), 12);
    for (int i = 1; i <= 12; ++i) {
        const Worksheet& theirs = book->Sheet(i);
        const Worksheet& mine = ours.Sheet(i);
        SCOPED_TRACE(mine.Name());
        EXPECT_EQ(theirs.Name(), mine.Name());
        EXPECT_EQ(theirs.MergedAreas().size(), mine.MergedAreas().size());
        for (int r = 1; r <= 60; ++r) {
            ASSERT_DOUBLE_EQ(theirs.RowHeightAt(r), mine.RowHeightAt(r));
            for (int c = 1; c <= 56; ++c) {
                const Cell* a = theirs.FindCell(r, c);
                const Cell* b = mine.FindCell(r, c);
                ASSERT_EQ(a ? a->value : CellValue(), b ? b->value : CellValue()) << r << "," << c;
                // Fills and fonts of the visible cells (LibreOffice reformats hidden merged cells).
                if (mine.MergedAreaAt(r, c) &&
                    (mine.MergedAreaAt(r, c)->firstRow != r || mine.MergedAreaAt(r, c)->firstColumn != c))
                    continue;
                // A solid fill shows one colour; the other program keeps its own pattern colour beside it.
                ASSERT_EQ(theirs.EffectiveFormat(r, c).interior.pattern,
                          mine.EffectiveFormat(r, c).interior.pattern);
                ASSERT_EQ(theirs.EffectiveFormat(r, c).interior.colorIndex,
                          mine.EffectiveFormat(r, c).interior.colorIndex)
                    << r << "," << c;
                ASSERT_EQ(theirs.EffectiveFormat(r, c).font, mine.EffectiveFormat(r, c).font)
                    << r << "," << c;
            }
        }
        for (int c = 1; c <= 56; ++c)
            ASSERT_DOUBLE_EQ(theirs.ColumnWidthAt(c), mine.ColumnWidthAt(c));
    }
}

}  // namespace
}  // namespace morvessa::sheet::xls
