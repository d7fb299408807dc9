// A whole calendar built through the automation objects, call for call as a month calendar is laid
// out, checked at the cells the generation relies on.

#include <gtest/gtest.h>

#include "spreadsheet/HostError.h"
#include "spreadsheet/ModelCalendarBuilder.h"

namespace morvessa::sheet {
namespace {

using testing::BuildCalendar;

class AutomationCalendar : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        app = new Application();
        book = &BuildCalendar(*app, 2022);
    }
    static void TearDownTestSuite()
    {
        delete app;
        app = nullptr;
    }
    static Worksheet& Month(const char* name) { return book->Sheets().Item(name); }
    static Application* app;
    static Workbook* book;
};

Application* AutomationCalendar::app = nullptr;
Workbook* AutomationCalendar::book = nullptr;

TEST_F(AutomationCalendar, TwelveMonthSheetsWithJanuaryActiveAtI11)
{
    ASSERT_EQ(book->Sheets().Count(), 12);
    for (int m = 1; m <= 12; ++m)
        EXPECT_EQ(book->Sheets().Item(m).Name(), testing::kMonthNames[m - 1]);
    EXPECT_EQ(app->ActiveSheet().Name(), "January");
    EXPECT_EQ(app->ActiveCell().Address(), "$I$11");
    EXPECT_EQ(app->Selection().Address(), "$I$11:$P$16");
}

TEST_F(AutomationCalendar, TitleAndHeader)
{
    Worksheet& january = Month("January");
    EXPECT_EQ(january.Range("A1").Value(), CellValue("January 2022"));
    EXPECT_EQ(january.Range("A1").MergeArea().Address(), "$A$1:$BD$5");
    EXPECT_EQ(january.Range("A1").Font().Name(), "Arial");
    EXPECT_TRUE(january.Range("A1").Font().Bold());
    EXPECT_EQ(january.Range("A1").Font().Size(), 20);
    EXPECT_EQ(january.Range("A1").NumberFormat(), "mmmm yyyy");
    EXPECT_EQ(january.Range("AW6").Value(), CellValue("Saturday"));
    EXPECT_EQ(january.Range("A6").Value(), CellValue("Sunday"));
    EXPECT_TRUE(january.Range("A6").WrapText());
    EXPECT_EQ(january.Range("A6").HorizontalAlignment(), xlCenter);
    EXPECT_EQ(january.Range("BD1").ColumnWidth(), 1.57);
    EXPECT_EQ(january.Range("A20").RowHeight(), 9);
}

TEST_F(AutomationCalendar, JanuaryDaysFillsAndBands)
{
    Worksheet& january = Month("January");
    EXPECT_EQ(january.Range("AW9").Value(), CellValue(1.0));
    EXPECT_EQ(january.Range("I49").Value(), CellValue(31.0));
    EXPECT_EQ(january.Range("A6:BD100").Find(31, xlFormulas, xlWhole).Address(), "$I$49");
    EXPECT_EQ(january.Range("A9").Interior().ColorIndex(), 15);  // before the 1st
    EXPECT_EQ(january.Range("AV16").Interior().ColorIndex(), 15);
    EXPECT_EQ(january.Range("AW9").Interior().ColorIndex(), 19);   // a day cell
    EXPECT_EQ(january.Range("AW11").Interior().ColorIndex(), 36);  // its notes
    EXPECT_EQ(january.Range("Q49").Interior().ColorIndex(), 15);   // after the 31st
    EXPECT_EQ(january.Range("BD56").Interior().ColorIndex(), 15);
    EXPECT_EQ(january.Range("I49").Interior().ColorIndex(), 19);
    EXPECT_EQ(january.Range("AW11").Value(), CellValue("New Year's Day"));
    EXPECT_EQ(january.Range("AW11").Font().ColorIndex(), 3);
    EXPECT_EQ(january.Range("BD56").Borders(xlEdgeBottom).LineStyle(), xlContinuous);
    EXPECT_EQ(january.Range("AG33").Borders(xlEdgeLeft).Weight(), xlThin);
    // 1 title, 7 header blocks, 6 bands of 14 areas, 2 mini-month titles.
    EXPECT_EQ(january.MergedAreas().size(), 94u);
}

TEST_F(AutomationCalendar, MiniMonthsSitBelowTheGrid)
{
    Worksheet& january = Month("January");
    EXPECT_EQ(january.Range("Q58").Value(), CellValue("December 2021"));
    EXPECT_EQ(january.Range("Q58").MergeArea().Address(), "$Q$58:$W$58");
    EXPECT_EQ(january.Range("Q59").Value(), CellValue("S"));
    EXPECT_EQ(january.Range("T60").Value(), CellValue(1.0));  // 1 December 2021 was a Wednesday
    EXPECT_TRUE(january.Range("S60").Value().IsEmpty());
    EXPECT_EQ(january.Range("Y58").Value(), CellValue("February 2022"));
    EXPECT_EQ(january.Range("AA60").Value(), CellValue(1.0));  // a Tuesday
    EXPECT_EQ(january.Range("T60").Font().Size(), 7);
    EXPECT_EQ(january.Range("AE64").Borders(xlEdgeRight).LineStyle(), xlContinuous);
    EXPECT_EQ(january.UsedRange().Address(), "$A$1:$BD$64");
}

TEST_F(AutomationCalendar, FebruaryEndsWithItsFifthBand)
{
    Worksheet& february = Month("February");
    // 2022: 1 February was a Tuesday, so the month needs five bands.
    EXPECT_EQ(february.Range("Q9").Value(), CellValue(1.0));
    EXPECT_EQ(february.Range("I41").Value(), CellValue(28.0));
    EXPECT_EQ(february.Range("Q50").Value(), CellValue("January 2022"));
    EXPECT_EQ(february.Range("A49").MergeArea().Address(), "$A$49");
}

TEST_F(AutomationCalendar, HolidaysLandInTheNotesCellBelowTheirDay)
{
    Worksheet& july = Month("July");
    // 4 July 2022 was a Monday in the second band.
    EXPECT_EQ(july.Range("I17").Value(), CellValue(4.0));
    EXPECT_EQ(july.Range("I19").Value(), CellValue("Independence Day"));
    EXPECT_EQ(july.Range("I19").Interior().ColorIndex(), 36);
    EXPECT_EQ(july.Range("I17").Interior().ColorIndex(), 19);
}

TEST(AutomationCalendarMonths, MonthsEndingOnSaturdayLoseTheirUnusedBands)
{
    Application app;
    Workbook& book = testing::PrepareWorkbook(app, 36);
    testing::BuildMonth(app, book, 2026, 2, 15);  // 28 days from a Sunday
    Worksheet& sheet = app.ActiveSheet();
    EXPECT_EQ(sheet.Range("AW33").Value(), CellValue(28.0));
    EXPECT_EQ(sheet.Range("A9").Interior().ColorIndex(), 19);  // no leading fill
    EXPECT_EQ(sheet.Range("A11").Interior().ColorIndex(), 36);
    EXPECT_TRUE(sheet.Range("A41").Value().IsEmpty());
    EXPECT_EQ(sheet.UsedRange().Address(), "$A$1:$BD$40");
    EXPECT_EQ(sheet.MergedAreas().size(), 1u + 7u + 4u * 14u);
    testing::BuildMonth(app, book, 2024, 3, 15);  // 31 days from a Friday
    EXPECT_EQ(app.ActiveSheet().Range("A49").Value(), CellValue(31.0));
    EXPECT_EQ(app.ActiveSheet().Range("I49").Interior().ColorIndex(), 15);
    EXPECT_EQ(app.ActiveSheet().Range("AO9").Value(), CellValue(1.0));
}

TEST(AutomationCalendarMonths, AMissingDayFailsTheHolidayAndLeavesTheSheetAlone)
{
    Application app;
    Workbook& book = testing::PrepareWorkbook(app, 36);
    testing::BuildMonth(app, book, 2023, 2, 15);
    int february = app.ActiveSheet().Index();
    EXPECT_THROW(testing::MarkHoliday(app, february, 29, "Leap Day", 36), NothingError);
    EXPECT_TRUE(app.ActiveSheet().Range("A6:BD100").Find("Leap Day").IsNothing());
}

}  // namespace
}  // namespace morvessa::sheet
