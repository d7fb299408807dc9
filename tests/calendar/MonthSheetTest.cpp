// The template and the month sheets, read back from the host's model.

#include "calendar/MonthSheet.h"
#include "calendar/Template.h"
#include "calendar/DateRules.h"
#include "calendar/CalendarTestSupport.h"

namespace morvessa::calendar_test {
namespace {

class MonthSheetTest : public IsolatedCalendarTest {
protected:
    void SetUp() override
    {
        IsolatedCalendarTest::SetUp();
        LoadHolidays();  // the first-run colours: days none, empty 15, holidays 36
    }
};

TEST(ColumnLetterTest, GivesTheLettersOfTheGridColumns)
{
    EXPECT_EQ(ColumnLetter(1), "A");
    EXPECT_EQ(ColumnLetter(8), "H");
    EXPECT_EQ(ColumnLetter(26), "Z");
    EXPECT_EQ(ColumnLetter(31), "AE");
    EXPECT_EQ(ColumnLetter(56), "BD");
}

TEST_F(MonthSheetTest, PrepareLeavesDeadAndTheFinishedTemplate)
{
    WriteSetting(key::DaysColor, QStringLiteral("0"));
    sheet::Application app;
    CalendarWorkbookState state;
    PrepareWorkbook(app, state);

    ASSERT_NE(state.CalendarWorkbook, nullptr);
    EXPECT_EQ(state.WorkbookName, app.ActiveWorkbook().Name());
    ASSERT_EQ(app.Sheets().Count(), 2);
    EXPECT_EQ(app.Sheets()(1).Name(), "Dead");
    sheet::Worksheet& tmpl = app.Sheets()(2);
    EXPECT_EQ(tmpl.Name(), "Calendar Template");

    // Exactly 6 x 7 day and 6 x 7 notes areas, seven header blocks and the title.
    EXPECT_EQ(tmpl.MergedAreas().size(), std::size_t(1 + 7 + 2 * 42));
    EXPECT_EQ(MergedAreaAt(tmpl, "A1"), "A1:BD5");
    EXPECT_EQ(MergedAreaAt(tmpl, "AW6"), "AW6:BD8");
    EXPECT_EQ(MergedAreaAt(tmpl, "I9"), "I9:P10");
    EXPECT_EQ(MergedAreaAt(tmpl, "AW51"), "AW51:BD56");
    EXPECT_EQ(ValueAt(tmpl, "A6"), sheet::CellValue("Sunday"));
    EXPECT_EQ(ValueAt(tmpl, "AW6"), sheet::CellValue("Saturday"));

    const sheet::CellFormat& title = FormatAt(tmpl, "A1");
    EXPECT_EQ(title.font.name, "Times New Roman");
    EXPECT_TRUE(title.font.bold);
    EXPECT_EQ(title.font.size, 20);
    EXPECT_EQ(title.numberFormat, "mmmm yyyy");
    EXPECT_EQ(title.horizontalAlignment, sheet::xlCenter);
    EXPECT_FALSE(title.wrapText);

    const sheet::CellFormat& notes = FormatAt(tmpl, "I11");
    EXPECT_EQ(notes.font.name, "Arial");
    EXPECT_EQ(notes.font.size, 12);
    EXPECT_TRUE(notes.font.bold);
    EXPECT_TRUE(notes.wrapText);
    EXPECT_EQ(notes.verticalAlignment, sheet::xlCenter);
    EXPECT_EQ(notes.Border(sheet::xlEdgeLeft).lineStyle, sheet::xlContinuous);
    EXPECT_EQ(FormatAt(tmpl, "P16").Border(sheet::xlEdgeBottom).weight, sheet::xlThin);
    EXPECT_EQ(FormatAt(tmpl, "BD56").Border(sheet::xlEdgeRight).lineStyle, sheet::xlContinuous);

    // Days colour of none: no fill on the notes rows; the day areas keep 19, the rest of the sheet 2.
    EXPECT_EQ(FillAt(tmpl, "A11"), sheet::xlColorIndexNone);
    EXPECT_EQ(FillAt(tmpl, "BD56"), sheet::xlColorIndexNone);
    EXPECT_EQ(FillAt(tmpl, "A9"), 19);
    EXPECT_EQ(FillAt(tmpl, "BD50"), 19);
    EXPECT_EQ(FillAt(tmpl, "BE9"), 2);
    EXPECT_EQ(FillAt(tmpl, "A60"), 2);
    EXPECT_DOUBLE_EQ(tmpl.ColumnWidthAt(56), 1.57);
    EXPECT_DOUBLE_EQ(tmpl.RowHeightAt(70), 9);
    // A4 lies in the merged title, so the title is what ends up selected.
    EXPECT_EQ(tmpl.SelectedArea(), sheet::CellRange::Parse("A1:BD5"));
}

TEST_F(MonthSheetTest, DaysColourFillsTheNotesRows)
{
    WriteSetting(key::DaysColor, QStringLiteral("35"));
    sheet::Application app;
    CalendarWorkbookState state;
    PrepareWorkbook(app, state);
    sheet::Worksheet& tmpl = app.Sheets()("Calendar Template");
    EXPECT_EQ(FillAt(tmpl, "A11"), 35);
    EXPECT_EQ(FillAt(tmpl, "AW56"), 35);
    EXPECT_EQ(FillAt(tmpl, "A10"), 19);
}

TEST_F(MonthSheetTest, January2022StartsOnSaturdayAndFillsSixBands)
{
    BuiltMonths built = BuildMonths(2022);
    sheet::Worksheet& january = built.app->Sheets()("January");
    EXPECT_EQ(ValueAt(january, "A1"), sheet::CellValue("January 2022"));
    EXPECT_EQ(FormatAt(january, "A1").font.name, "Arial");
    EXPECT_EQ(ValueAt(january, "AW9"), sheet::CellValue(1));
    EXPECT_EQ(ValueAt(january, "A17"), sheet::CellValue(2));
    EXPECT_EQ(ValueAt(january, "I49"), sheet::CellValue(31));
    // Leading blocks A9:AV16 and trailing blocks Q49:BD56 take the empty colour, solid.
    for (const char* cell : {"A9", "AV16", "AO11", "Q49", "BD56", "Y51"})
        EXPECT_EQ(FillAt(january, cell), 15) << cell;
    EXPECT_EQ(FormatAt(january, "Q49").interior.pattern, sheet::xlSolid);
    EXPECT_EQ(FillAt(january, "AW9"), 19);
    EXPECT_EQ(FillAt(january, "I49"), 19);
    EXPECT_EQ(FillAt(january, "P56"), sheet::xlColorIndexNone);
    // Nothing of the grid follows the sixth band.
    EXPECT_EQ(MergedAreaAt(january, "A57"), "");
    EXPECT_EQ(january.MergedAreas().size(), std::size_t(1 + 7 + 2 * 42));
}

TEST_F(MonthSheetTest, February2026FillsFourBandsWithoutEmptyBlocks)
{
    BuiltMonths built = BuildMonths(2026);
    sheet::Worksheet& february = built.app->Sheets()("February");
    EXPECT_EQ(ValueAt(february, "A9"), sheet::CellValue(1));
    EXPECT_EQ(ValueAt(february, "AW33"), sheet::CellValue(28));
    // Bands 5 and 6 are gone: the grid ends at row 40.
    EXPECT_EQ(MergedAreaAt(february, "A35"), "A35:H40");
    EXPECT_EQ(MergedAreaAt(february, "A41"), "");
    EXPECT_EQ(february.MergedAreas().size(), std::size_t(1 + 7 + 2 * 28));
    for (const char* cell : {"A9", "AW33", "A11", "AW35"})
        EXPECT_NE(FillAt(february, cell), 15) << cell;
}

TEST_F(MonthSheetTest, March2024EndsInTheSixthBand)
{
    BuiltMonths built = BuildMonths(2024);
    sheet::Worksheet& march = built.app->Sheets()("March");
    EXPECT_EQ(ValueAt(march, "AO9"), sheet::CellValue(1));
    EXPECT_EQ(ValueAt(march, "A49"), sheet::CellValue(31));
    EXPECT_EQ(FillAt(march, "AG9"), 15);
    EXPECT_EQ(FillAt(march, "AO9"), 19);
    EXPECT_EQ(FillAt(march, "I49"), 15);
    EXPECT_EQ(FillAt(march, "BD56"), 15);
}

TEST_F(MonthSheetTest, EveryDayOfEveryMonthIsAtItsCellAndTheSheetsAreInOrder)
{
    BuiltMonths built = BuildMonths(2100);
    ASSERT_EQ(built.app->Sheets().Count(), 13);
    EXPECT_EQ(built.app->Sheets()(1).Name(), "Calendar Template");
    for (int month = 1; month <= 12; ++month) {
        sheet::Worksheet& ws = built.app->Sheets()(month + 1);
        ASSERT_EQ(ws.Name(), MonthName(month));
        const int first = FirstWeekday(2100, month);
        const int length = DaysInMonth(2100, month);
        int numbers = 0;
        ws.ForEachCell([&](int, int, const sheet::Cell& cell) { numbers += cell.value.IsNumber() ? 1 : 0; });
        EXPECT_EQ(numbers, length) << ws.Name();
        for (int day = 1; day <= length; ++day) {
            const DayCellPosition cell = DayCell(day, first);
            ASSERT_NE(ws.FindCell(cell.row, cell.column), nullptr);
            EXPECT_EQ(ws.FindCell(cell.row, cell.column)->value, sheet::CellValue(day))
                << ws.Name() << " " << day;
        }
        // The grid ends at row 8 * rows + 8.
        const int lastRow = 8 * WeekRowCount(2100, month) + 8;
        EXPECT_NE(ws.MergedAreaAt(lastRow, 1), nullptr) << ws.Name();
        EXPECT_EQ(ws.MergedAreaAt(lastRow + 1, 1), nullptr) << ws.Name();
    }
}

TEST_F(MonthSheetTest, EveryMonthSheetPrintsOnOneLandscapePageCentred)
{
    BuiltMonths built = BuildMonths(2025);
    ASSERT_EQ(built.app->Sheets().Count(), 13);
    for (int index = 1; index <= 13; ++index) {
        sheet::Worksheet& ws = built.app->Sheets()(index);
        sheet::PageSetup page = ws.PageSetup();
        EXPECT_EQ(page.Orientation(), sheet::xlLandscape) << ws.Name();
        EXPECT_EQ(page.Zoom(), std::nullopt) << ws.Name();
        EXPECT_EQ(page.FitToPagesWide(), 1) << ws.Name();
        EXPECT_EQ(page.FitToPagesTall(), 1) << ws.Name();
        EXPECT_TRUE(page.CenterHorizontally()) << ws.Name();
    }
}

TEST_F(MonthSheetTest, EmptyColourOfNoneLeavesTheEmptyBlocksUnfilled)
{
    WriteSetting(key::EmptyColor, QStringLiteral("-4142"));
    BuiltMonths built = BuildMonths(2022);
    sheet::Worksheet& january = built.app->Sheets()("January");
    EXPECT_EQ(FillAt(january, "A9"), sheet::xlColorIndexNone);
    EXPECT_EQ(FillAt(january, "Q49"), sheet::xlColorIndexNone);
    EXPECT_EQ(FormatAt(january, "Q49").interior.pattern, sheet::xlPatternNone);
}

}  // namespace
}  // namespace morvessa::calendar_test
