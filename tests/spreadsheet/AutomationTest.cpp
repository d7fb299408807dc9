// The automation objects as a generation drives them: application settings and quitting, workbooks
// and sheets, selection over merged areas, values, Find, copy and paste, deleting, property checks.

#include <gtest/gtest.h>

#include <filesystem>

#include "spreadsheet/Application.h"
#include "spreadsheet/HostError.h"

namespace morvessa::sheet {
namespace {

std::string ErrorOf(const std::function<void()>& call)
{
    try {
        call();
    } catch (const HostError& error) {
        return error.what();
    }
    return "(no error)";
}

class Automation : public ::testing::Test {
protected:
    Application app;
    Workbook& book = app.Workbooks().Add();
};

TEST_F(Automation, ApplicationSettingsAndIdentity)
{
    EXPECT_EQ(app.Name(), "Microsoft Excel");
    EXPECT_EQ(app.Version(), "16.0");
    EXPECT_EQ(Application("11.0").Version(), "11.0");
    app.ScreenUpdating(false);
    app.DisplayAlerts(false);
    app.EnableEvents(false);
    app.EnableCancelKey(xlDisabled);
    app.Cursor(xlWait);
    EXPECT_FALSE(app.ScreenUpdating());
    EXPECT_FALSE(app.DisplayAlerts());
    EXPECT_FALSE(app.EnableEvents());
    EXPECT_EQ(app.EnableCancelKey(), xlDisabled);
    EXPECT_EQ(app.Cursor(), xlWait);
    EXPECT_EQ(ErrorOf([&] { app.Cursor(7); }), "Unable to set the Cursor property of the Application class");
    EXPECT_THROW(app.EnableCancelKey(3), PropertyError);
}

TEST_F(Automation, QuitDisconnectsEverythingAndTellsListenersOnce)
{
    int told = 0;
    app.OnQuit([&] { ++told; });
    Worksheet& sheet = app.ActiveSheet();
    Range cell = app.Range("A1");
    app.Quit();
    EXPECT_EQ(told, 1);
    EXPECT_TRUE(app.HasQuit());
    EXPECT_THROW(app.Name(), DisconnectedError);
    EXPECT_THROW(app.Workbooks(), DisconnectedError);
    EXPECT_THROW(app.Quit(), DisconnectedError);
    EXPECT_THROW(book.Sheets(), DisconnectedError);
    EXPECT_THROW(sheet.Name("x"), DisconnectedError);
    EXPECT_THROW(cell.Value(1), DisconnectedError);
    EXPECT_THROW(cell.Font().Bold(true), DisconnectedError);
    EXPECT_EQ(told, 1);
}

TEST_F(Automation, NewWorkbooksAndTheirSheets)
{
    EXPECT_EQ(book.Name(), "Book1");
    EXPECT_EQ(app.Sheets().Count(), 1);
    EXPECT_EQ(app.ActiveSheet().Name(), "Sheet1");
    app.SheetsInNewWorkbook(3);
    Workbook& second = app.Workbooks().Add();
    EXPECT_EQ(second.Name(), "Book2");
    EXPECT_EQ(&app.ActiveWorkbook(), &second);
    EXPECT_EQ(app.Workbooks().Count(), 2);
    EXPECT_EQ(app.Sheets().Item(3).Name(), "Sheet3");
    EXPECT_EQ(&app.Workbooks().Item(1), &book);
    EXPECT_EQ(ErrorOf([&] { app.Workbooks().Item(3); }), "Subscript out of range");
    second.Close();
    EXPECT_EQ(app.Workbooks().Count(), 1);
    EXPECT_EQ(&app.ActiveWorkbook(), &book);
    EXPECT_THROW(second.Sheets(), DisconnectedError);
}

TEST_F(Automation, SheetsByNameAndNumberAddAndDelete)
{
    Sheets sheets = app.Sheets();
    Worksheet& added = sheets.Add(After{sheets.Item(sheets.Count())});
    EXPECT_EQ(added.Name(), "Sheet2");
    EXPECT_EQ(&app.ActiveSheet(), &added);
    EXPECT_EQ(added.Index(), 2);
    added.Name("Calendar Template");
    EXPECT_EQ(&sheets.Item("calendar template"), &added);
    EXPECT_EQ(ErrorOf([&] { sheets.Item("March"); }), "Subscript out of range");
    EXPECT_EQ(ErrorOf([&] { sheets.Item(0); }), "Subscript out of range");
    EXPECT_THROW(sheets.Item(1).Name("CALENDAR TEMPLATE"), HostError);

    sheets.Item(1).Activate();
    sheets.Item(1).Delete();
    EXPECT_EQ(sheets.Count(), 1);
    EXPECT_EQ(&app.ActiveSheet(), &added);
    EXPECT_EQ(ErrorOf([&] { added.Delete(); }), "A workbook must contain at least one visible worksheet.");
}

TEST_F(Automation, DeletedSheetsFailCleanlyAndTheNextSheetBecomesActive)
{
    Sheets sheets = app.Sheets();
    Worksheet& second = sheets.Add(After{sheets.Item(1)});
    Worksheet& third = sheets.Add(After{second});
    second.Activate();
    second.Delete();
    EXPECT_EQ(&app.ActiveSheet(), &third);
    EXPECT_THROW(second.Range("A1"), DisconnectedError);
    EXPECT_THROW(second.Activate(), DisconnectedError);
    third.Delete();
    EXPECT_EQ(app.ActiveSheet().Name(), "Sheet1");
}

TEST_F(Automation, CopyAfterTheLastSheetPutsTheCopyLastAndActivatesIt)
{
    Sheets sheets = app.Sheets();
    sheets.Item(1).Name("Calendar Template");
    sheets.Add(Before{sheets.Item(1)}).Name("Dead");
    Worksheet& original = sheets.Item("Calendar Template");
    original.Activate();
    app.Range("A1:BD5").Merge();
    app.Range("A6").Value("Sunday");
    app.Range("A9:H10").Interior().ColorIndex(19);
    Worksheet& copy = original.Copy(After{book.Sheets().Item(book.Sheets().Count())});
    EXPECT_EQ(copy.Name(), "Calendar Template (2)");
    EXPECT_EQ(copy.Index(), 3);
    EXPECT_EQ(&app.ActiveSheet(), &copy);
    Worksheet& again = original.Copy(After{copy});
    EXPECT_EQ(again.Name(), "Calendar Template (3)");
    EXPECT_EQ(again.Copy(After{again}).Name(), "Calendar Template (4)");

    copy.Name("January");
    copy.Range("A6").Value("changed");
    EXPECT_EQ(original.Range("A6").Value(), CellValue("Sunday"));
    EXPECT_EQ(copy.Range("A9").Interior().ColorIndex(), 19);
    EXPECT_TRUE(copy.Range("C3").MergeCells());
}

TEST_F(Automation, SheetNamesAreCheckedWhenRenaming)
{
    Worksheet& sheet = app.ActiveSheet();
    EXPECT_NO_THROW(sheet.Name("Sheet1"));
    EXPECT_NO_THROW(sheet.Name(std::string(31, 'N')));
    EXPECT_THROW(sheet.Name(std::string(32, 'N')), HostError);
    for (const char* bad : {"a:b", "a\\b", "a/b", "a?b", "a*b", "a[b", "a]b", ""})
        EXPECT_THROW(sheet.Name(bad), HostError) << bad;
    EXPECT_EQ(sheet.Name(), std::string(31, 'N'));
    // Copies of a long name stay within 31 characters.
    EXPECT_EQ(sheet.Copy(After{sheet}).Name(), std::string(27, 'N') + " (2)");
}

TEST_F(Automation, SelectingWidensOverMergedAreasAndKeepsTheActiveCell)
{
    app.Range("A9:H10").Merge();
    app.Range("I9:P10").Merge();
    app.Range("A11:H16").Merge();
    app.Range("B10").Select();
    EXPECT_EQ(app.Selection().Address(), "$A$9:$H$10");
    EXPECT_EQ(app.ActiveCell().Address(), "$A$9");
    app.Range("A9").Select();
    app.Range(app.ActiveCell(), app.Cells(11, 9)).Select();
    EXPECT_EQ(app.Selection().Address(), "$A$9:$P$16");
    EXPECT_EQ(app.ActiveCell().Address(), "$A$9");
    EXPECT_EQ(app.Selection().Count(), 8 * 16);
}

TEST_F(Automation, SelectingOnASheetThatIsNotActiveFails)
{
    Worksheet& first = app.ActiveSheet();
    app.Sheets().Add(After{first});
    EXPECT_THROW(first.Range("A1").Select(), HostError);
    first.Select();
    EXPECT_NO_THROW(first.Range("A1").Select());
}

TEST_F(Automation, OffsetTreatsAMergedAreaAsOneCell)
{
    app.Range("A9:H10").Merge();
    app.Range("A11:H16").Merge();
    app.Range("I9:P10").Merge();
    EXPECT_EQ(app.Range("A9").Offset(0, 1).Address(), "$I$9");
    EXPECT_EQ(app.Range("A9").Offset(1, 0).Address(), "$A$11");
    EXPECT_EQ(app.Range("A9:H10").Offset(1, 0).Address(), "$A$11:$H$12");
    EXPECT_EQ(app.Range("I9").Offset(0, -1).Address(), "$H$9");
    EXPECT_EQ(app.Range("B2").Offset(1, 2).Address(), "$D$3");
    EXPECT_EQ(app.Range("B2:C3").Offset(-1, -1).Address(), "$A$1:$B$2");
    EXPECT_THROW(app.Range("A1").Offset(-1, 0), AddressError);
    EXPECT_THROW(app.Range("IV1").Offset(0, 1), AddressError);
    EXPECT_THROW(app.Range("A65536").Offset(1, 0), AddressError);
}

TEST_F(Automation, ValuesFromTextBecomeNumbersWhenNumeric)
{
    app.Range("A1").FormulaR1C1("29");
    app.Range("A2").Value("Sunday");
    app.Range("A3").FormulaR1C1(7);
    app.Range("A4").Value(" 2.5 ");
    EXPECT_EQ(app.Range("A1").Value(), CellValue(29.0));
    EXPECT_EQ(app.Range("A1").FormulaR1C1(), "29");
    EXPECT_EQ(app.Range("A2").Value(), CellValue("Sunday"));
    EXPECT_EQ(app.Range("A3").Value(), CellValue(7.0));
    EXPECT_EQ(app.Range("A4").Value(), CellValue(2.5));
    EXPECT_THROW(app.Range("A5").FormulaR1C1("=ROUNDUP(1.5,0)"), HostError);
    // A merged area keeps its value in the top-left cell only.
    app.Range("C1:D2").Merge();
    app.Range("C1:D2").Value(5);
    EXPECT_EQ(app.Range("C1").Value(), CellValue(5.0));
    EXPECT_TRUE(app.Range("D2").Value().IsEmpty());
    app.Range("A1:A2").Value(CellValue());
    EXPECT_TRUE(app.Range("A1").Value().IsEmpty());
}

TEST_F(Automation, FindMatchesWholeCellsAndReturnsNothingOtherwise)
{
    Worksheet& sheet = app.ActiveSheet();
    int day = 1;
    for (int row : {9, 17, 25, 33, 41})
        for (int column = 1; column <= 49 && day <= 31; column += 8)
            sheet.Range(ColumnLetters(column) + std::to_string(row)).Value(day++);
    sheet.Range("A6").Value("Sunday");
    Range one = sheet.Range("A6:BD100").Find(1, xlFormulas, xlWhole);
    EXPECT_EQ(one.Address(), "$A$9");
    EXPECT_EQ(sheet.Range("A6:BD100").Find(31, xlFormulas, xlWhole).Address(), "$Q$41");
    EXPECT_EQ(sheet.Range("A6:BD100").Find("sunday", xlFormulas, xlWhole).Address(), "$A$6");
    Range missing = sheet.Range("A6:BD100").Find(32, xlFormulas, xlWhole);
    EXPECT_TRUE(missing.IsNothing());
    EXPECT_EQ(ErrorOf([&] { missing.Address(); }), "Object variable or With block variable not set");
    EXPECT_EQ(sheet.Range("A6:BD100").Find(3, xlFormulas, xlPart).Address(), "$Q$9");
    // The search starts after the top-left cell and comes back to it last.
    sheet.Range("A1").Value(5);
    sheet.Range("B2").Value(5);
    EXPECT_EQ(sheet.Range("A1:B2").Find(5).Address(), "$B$2");
    EXPECT_EQ(sheet.Range("A1:A2").Find(5).Address(), "$A$1");
}

TEST_F(Automation, ColourIndexesOutsideThePaletteFailLikeTheHost)
{
    Range cells = app.Range("A1:B2");
    for (int ok : {1, 56, xlColorIndexNone, xlColorIndexAutomatic}) {
        EXPECT_NO_THROW(cells.Interior().ColorIndex(ok)) << ok;
        EXPECT_NO_THROW(cells.Font().ColorIndex(ok)) << ok;
        EXPECT_NO_THROW(cells.Borders(xlEdgeTop).ColorIndex(ok)) << ok;
    }
    for (int bad : {0, 57, -1, 64, -4143}) {
        EXPECT_EQ(ErrorOf([&] { cells.Interior().ColorIndex(bad); }),
                  "Unable to set the ColorIndex property of the Interior class");
        EXPECT_EQ(ErrorOf([&] { cells.Font().ColorIndex(bad); }),
                  "Unable to set the ColorIndex property of the Font class");
        EXPECT_EQ(ErrorOf([&] { cells.Borders(xlEdgeLeft).ColorIndex(bad); }),
                  "Unable to set the ColorIndex property of the Border class");
    }
    cells.Interior().ColorIndex(36);
    EXPECT_EQ(app.Range("B2").Interior().ColorIndex(), 36);
    EXPECT_EQ(app.Range("B2").Interior().Pattern(), xlSolid);
    cells.Interior().ColorIndex(xlColorIndexNone);
    EXPECT_EQ(app.Range("B2").Interior().ColorIndex(), xlColorIndexNone);
    EXPECT_EQ(app.Range("B2").Interior().Pattern(), xlPatternNone);
}

TEST_F(Automation, FontStylesIncludeTheRussianBoldName)
{
    Font font = app.Range("A1:BD5").Font();
    font.FontStyle("Bold");
    EXPECT_TRUE(font.Bold());
    font.FontStyle("Regular");
    EXPECT_FALSE(font.Bold());
    font.FontStyle("\xD0\x9F\xD0\xBE\xD0\xBB\xD1\x83\xD0\xB6\xD0\xB8\xD1\x80\xD0\xBD\xD1\x8B\xD0\xB9");
    EXPECT_TRUE(font.Bold());
    EXPECT_FALSE(font.Italic());
    font.FontStyle("bold italic");
    EXPECT_EQ(font.FontStyle(), "Bold Italic");
    EXPECT_EQ(ErrorOf([&] { font.FontStyle("Heavy"); }),
              "Unable to set the FontStyle property of the Font class");
    EXPECT_EQ(font.FontStyle(), "Bold Italic");
    EXPECT_THROW(font.Size(0), PropertyError);
    EXPECT_THROW(font.Size(410), PropertyError);
    EXPECT_THROW(font.Underline(3), PropertyError);
    EXPECT_THROW(font.Name(""), PropertyError);
}

TEST_F(Automation, OtherPropertyChecks)
{
    Range cells = app.Range("A1");
    EXPECT_THROW(cells.HorizontalAlignment(0), PropertyError);
    EXPECT_THROW(cells.VerticalAlignment(xlLeft), PropertyError);
    EXPECT_THROW(cells.ReadingOrder(1), PropertyError);
    EXPECT_THROW(cells.RowHeight(410), PropertyError);
    EXPECT_THROW(cells.RowHeight(-1), PropertyError);
    EXPECT_THROW(cells.ColumnWidth(256), PropertyError);
    EXPECT_THROW(cells.Borders(4), HostError);
    EXPECT_THROW(cells.Borders(13), HostError);
    EXPECT_THROW(cells.Borders(xlEdgeTop).LineStyle(99), PropertyError);
    EXPECT_THROW(cells.Borders(xlEdgeTop).Weight(3), PropertyError);
    EXPECT_THROW(cells.Interior().Pattern(99), PropertyError);
    cells.Orientation(xlUpward);
    EXPECT_EQ(cells.Orientation(), 90);
    cells.NumberFormat("mmmm yyyy");
    EXPECT_EQ(cells.NumberFormat(), "mmmm yyyy");
}

TEST_F(Automation, BordersGoOnEdgesAndBetweenCellsButNotInsideMergedAreas)
{
    app.Range("A1:H2").Merge();
    Range block = app.Range("A1:H4");
    for (int index :
         {xlEdgeLeft, xlEdgeTop, xlEdgeBottom, xlEdgeRight, xlInsideVertical, xlInsideHorizontal}) {
        block.Borders(index).LineStyle(xlContinuous);
        block.Borders(index).Weight(xlThin);
    }
    const Worksheet& sheet = app.ActiveSheet();
    auto line = [&](const char* cell, int side) {
        CellRange r = CellRange::Parse(cell);
        return sheet.EffectiveFormat(r.firstRow, r.firstColumn).Border(side).lineStyle;
    };
    EXPECT_EQ(line("A1", xlEdgeLeft), xlContinuous);
    EXPECT_EQ(line("A1", xlEdgeTop), xlContinuous);
    EXPECT_EQ(line("A1", xlEdgeRight), xlLineStyleNone);  // inside the merged area
    EXPECT_EQ(line("A1", xlEdgeBottom), xlLineStyleNone);
    EXPECT_EQ(line("A2", xlEdgeBottom), xlContinuous);  // the merged area's lower edge
    EXPECT_EQ(line("B3", xlEdgeLeft), xlContinuous);
    EXPECT_EQ(line("B3", xlEdgeRight), xlContinuous);
    EXPECT_EQ(line("H3", xlEdgeRight), xlContinuous);
    EXPECT_EQ(line("I3", xlEdgeLeft), xlLineStyleNone);
    EXPECT_EQ(line("H4", xlEdgeBottom), xlContinuous);
    EXPECT_EQ(block.Borders(xlInsideVertical).Weight(), xlThin);
    block.Borders(xlEdgeLeft).LineStyle(xlLineStyleNone);
    EXPECT_EQ(line("A3", xlEdgeLeft), xlLineStyleNone);
    EXPECT_EQ(line("B3", xlEdgeLeft), xlContinuous);
}

TEST_F(Automation, WholeSheetColumnAndRowSizes)
{
    app.Columns("A:BD").ColumnWidth(1.57);
    app.Rows("1:70").RowHeight(9);
    EXPECT_EQ(app.Range("BD1").ColumnWidth(), 1.57);
    EXPECT_EQ(app.Range("BE1").ColumnWidth(), 8.43);
    EXPECT_EQ(app.Range("A70").RowHeight(), 9);
    EXPECT_EQ(app.Range("A71").RowHeight(), 12.75);
    EXPECT_THROW(app.Rows("A1"), AddressError);
    EXPECT_THROW(app.Columns("1:2"), AddressError);
    EXPECT_EQ(app.Rows("5").Address(), "$5:$5");
    EXPECT_EQ(app.Columns("c").Address(), "$C:$C");
    app.Cells().Select();
    app.Selection().Font().Size(12);
    EXPECT_FALSE(app.ActiveSheet().UsedArea().has_value());
}

TEST_F(Automation, PasteBringsValuesFormatsBordersAndMergedAreas)
{
    Worksheet& source = app.ActiveSheet();
    source.Range("A1:G1").Merge();
    source.Range("A1").Value("December 2023");
    source.Range("A2").Value("S");
    source.Range("B3").Value(1);
    source.Range("A1:G3").Borders(xlEdgeBottom).LineStyle(xlContinuous);
    source.Range("A1:G3").Font().Size(7);
    source.Range("A1:G3").Select();
    app.Selection().Copy();
    EXPECT_EQ(app.CutCopyMode(), xlCopy);

    Worksheet& target = app.Sheets().Add(After{source});
    target.Range("Q50").Select();
    target.Paste();
    EXPECT_EQ(target.Range("Q50").Value(), CellValue("December 2023"));
    EXPECT_EQ(target.Range("R52").Value(), CellValue(1.0));
    EXPECT_TRUE(target.Range("W50").MergeCells());
    EXPECT_EQ(target.Range("Q50").MergeArea().Address(), "$Q$50:$W$50");
    EXPECT_EQ(target.Range("S52").Borders(xlEdgeBottom).LineStyle(), xlContinuous);
    EXPECT_EQ(target.Range("S52").Font().Size(), 7);
    EXPECT_EQ(app.Selection().Address(), "$Q$50:$W$52");

    // Values only: the target keeps its own formats.
    source.Activate();
    source.Range("B3").Value(9);
    source.Range("A3:G3").Select();
    app.CutCopyMode(false);
    EXPECT_EQ(app.CutCopyMode(), 0);
    EXPECT_THROW(app.Selection().PasteSpecial(xlPasteValues), HostError);
    app.Selection().Copy();
    target.Activate();
    target.Range("Y60:AE60").Select();
    target.Range("Y60:AE60").Font().Size(14);
    app.Selection().PasteSpecial(xlPasteValues, xlPasteSpecialOperationNone, false, false);
    EXPECT_EQ(target.Range("Z60").Value(), CellValue(9.0));
    EXPECT_EQ(target.Range("Z60").Font().Size(), 14);
    EXPECT_EQ(target.Range("Z60").Borders(xlEdgeBottom).LineStyle(), xlLineStyleNone);
    EXPECT_THROW(target.Range("Y61:AB61").PasteSpecial(xlPasteValues), HostError);  // 4 columns for 7
    EXPECT_NO_THROW(target.Range("Y62:AL62").PasteSpecial(xlPasteValues));          // twice the block
    EXPECT_EQ(target.Range("AG62").Value(), CellValue(9.0));
}

TEST_F(Automation, PasteOverPartOfAMergedAreaFails)
{
    Worksheet& sheet = app.ActiveSheet();
    sheet.Range("A1:B1").Value(1);
    sheet.Range("A1:B1").Copy();
    sheet.Range("D5:F5").Merge();
    EXPECT_EQ(ErrorOf([&] { sheet.Paste(sheet.Range("C5")); }), "Cannot change part of a merged cell.");
    EXPECT_NO_THROW(sheet.Paste(sheet.Range("D6")));
}

TEST_F(Automation, RowsDeleteShiftUpAndUsedRange)
{
    Worksheet& sheet = app.ActiveSheet();
    sheet.Range("A9:H10").Merge();
    sheet.Range("A49:H50").Merge();
    sheet.Range("A49").Value(31);
    sheet.Range("B90").Interior().ColorIndex(3);
    app.Rows("41:83").Delete(xlShiftUp);
    EXPECT_TRUE(sheet.Range("A41").Value().IsEmpty());
    EXPECT_EQ(sheet.MergedAreas().size(), 1u);
    EXPECT_EQ(app.Range("B47").Interior().ColorIndex(), 3);
    Range used = sheet.UsedRange();
    EXPECT_EQ(used.Address(), "$B$47");
    EXPECT_EQ(used.Rows(used.Rows().Count()).Row(), 47);
    EXPECT_EQ(used.Columns(used.Columns().Count()).Column(), 2);
    EXPECT_THROW(app.Range("A1").Delete(xlShiftToLeft), HostError);
}

TEST_F(Automation, SaveAsAcceptsOnlyTheCodesOfItsTwoFormats)
{
    EXPECT_NE(ErrorOf([&] { book.SaveAs("/tmp/never-written.xlsb", 50); }).find("file format 50"),
              std::string::npos);
    EXPECT_THROW(book.SaveAs("/tmp/never-written.xls", 0), HostError);
    EXPECT_FALSE(std::filesystem::exists("/tmp/never-written.xlsb"));
}

TEST_F(Automation, SheetsCopyBetweenWorkbooksKeepTheirLook)
{
    Worksheet& source = app.ActiveSheet();
    source.Range("B2").Value("Easter");
    source.Range("B2").Interior().ColorIndex(36);
    source.Range("B2").Font().ColorIndex(3);
    source.Range("C3:D4").Merge();
    Workbook& other = app.Workbooks().Add();
    Worksheet& first = other.Sheets().Item(1);
    Worksheet& copy = source.Copy(Before{first});
    EXPECT_EQ(&copy.Parent(), &other);
    EXPECT_EQ(copy.Index(), 1);
    EXPECT_EQ(copy.Name(), "Sheet1 (2)");
    EXPECT_EQ(copy.Range("B2").Value(), CellValue("Easter"));
    EXPECT_EQ(copy.Range("B2").Interior().ColorIndex(), 36);
    EXPECT_EQ(copy.Range("B2").Font().ColorIndex(), 3);
    EXPECT_TRUE(copy.Range("D4").MergeCells());
    Worksheet& before = other.Sheets().Add(Before{copy});
    EXPECT_EQ(before.Index(), 1);
    EXPECT_EQ(copy.Index(), 2);
    // Range.Copy with a destination pastes at once, without the clipboard.
    source.Range("B2").Copy(first.Range("E5"));
    EXPECT_EQ(first.Range("E5").Value(), CellValue("Easter"));
    EXPECT_EQ(first.Range("E5").Interior().ColorIndex(), 36);
    EXPECT_EQ(app.CutCopyMode(), 0);
}

TEST_F(Automation, BordersOnWholeColumnsStayOnTheColumnLevel)
{
    app.Columns("A:C").Borders(xlInsideVertical).LineStyle(xlContinuous);
    const Worksheet& sheet = app.ActiveSheet();
    EXPECT_FALSE(sheet.UsedArea().has_value());
    // The top edge of whole columns lies on their first cells only.
    app.Columns("A:C").Borders(xlEdgeTop).LineStyle(xlDash);
    EXPECT_EQ(sheet.UsedArea(), CellRange::Parse("A1:C1"));
    EXPECT_EQ(sheet.EffectiveFormat(60000, 1).Border(xlEdgeRight).lineStyle, xlContinuous);
    EXPECT_EQ(sheet.EffectiveFormat(60000, 1).Border(xlEdgeLeft).lineStyle, xlLineStyleNone);
    EXPECT_EQ(sheet.EffectiveFormat(60000, 2).Border(xlEdgeLeft).lineStyle, xlContinuous);
    EXPECT_EQ(sheet.EffectiveFormat(60000, 3).Border(xlEdgeRight).lineStyle, xlLineStyleNone);
    EXPECT_EQ(sheet.EffectiveFormat(1, 2).Border(xlEdgeTop).lineStyle, xlDash);
    EXPECT_EQ(sheet.EffectiveFormat(1, 2).Border(xlEdgeLeft).lineStyle, xlContinuous);
    EXPECT_EQ(sheet.EffectiveFormat(2, 2).Border(xlEdgeTop).lineStyle, xlLineStyleNone);
}

class RecordingSink : public PictureSink {
public:
    void CopyPicture(const Worksheet& sheet, const CellRange& area) override
    {
        sheetName = sheet.Name();
        address = area.Address();
    }
    std::string sheetName;
    std::string address;
};

TEST_F(Automation, CopyPictureGoesToThePictureSink)
{
    EXPECT_EQ(ErrorOf([&] { app.Range("A1:B2").CopyPicture(); }), "CopyPicture method of Range class failed");
    RecordingSink sink;
    app.SetPictureSink(&sink);
    app.Range("B2:C60").Value(1);
    app.ActiveSheet().UsedRange().CopyPicture();
    EXPECT_EQ(sink.sheetName, "Sheet1");
    EXPECT_EQ(sink.address, "$B$2:$C$60");
}

}  // namespace
}  // namespace morvessa::sheet
