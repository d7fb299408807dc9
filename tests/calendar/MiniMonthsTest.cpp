// The previous- and next-month calendars under each month's grid.

#include "calendar/HolidayMarking.h"
#include "calendar/GenerateCalendar.h"
#include "calendar/MiniMonths.h"
#include "calendar/Template.h"
#include "calendar/CalendarTestSupport.h"

namespace morvessa::calendar_test {
namespace {

class MiniMonthsTest : public IsolatedCalendarTest {
protected:
    // The workbook after the mini-month steps of the driver for `year`.
    void BuildWithMiniMonths(int year)
    {
        LoadHolidays();
        built_ = BuildMonths(year);
        RecordingErrorReporter reporter;
        ErrorTrap trap(location::Calendar_GenerateCalendar, &reporter);
        MarkHolidays(*built_.app, year, trap, 152);
        BuildSubCalendar(*built_.app);
        for (int month = 1; month <= 12; ++month)
            AddMiniMonths(*built_.app, year, month);
        built_.app->Sheets()("SubCalendar").Delete();
        EXPECT_TRUE(reporter.messages.empty());
    }
    sheet::Worksheet& Sheet(const char* name) { return built_.app->Sheets()(name); }

    BuiltMonths built_;
};

TEST_F(MiniMonthsTest, January2024HasDecember2023AndFebruary2024BelowItsGrid)
{
    BuildWithMiniMonths(2024);
    ASSERT_EQ(built_.app->Sheets().Count(), 12);
    sheet::Worksheet& january = Sheet("January");

    // January 2024 spans 5 week rows: the grid ends at row 48, the mini months start at row 50.
    EXPECT_EQ(ValueAt(january, "Q50"), sheet::CellValue("December 2023"));
    EXPECT_EQ(MergedAreaAt(january, "Q50"), "Q50:W50");
    EXPECT_EQ(ValueAt(january, "Y50"), sheet::CellValue("February 2024"));
    EXPECT_EQ(MergedAreaAt(january, "AA50"), "Y50:AE50");
    EXPECT_EQ(ValueAt(january, "Q51"), sheet::CellValue("S"));
    EXPECT_EQ(ValueAt(january, "W51"), sheet::CellValue("S"));
    EXPECT_EQ(ValueAt(january, "Z51"), sheet::CellValue("M"));

    // December 2023 begins on a Friday and needs 6 rows (Q50:W57); February 2024 needs 5 (Y50:AE56).
    EXPECT_EQ(ValueAt(january, "U52"), sheet::CellValue());
    EXPECT_EQ(ValueAt(january, "V52"), sheet::CellValue(1));
    EXPECT_EQ(ValueAt(january, "Q57"), sheet::CellValue(31));
    EXPECT_EQ(ValueAt(january, "R57"), sheet::CellValue());
    EXPECT_EQ(ValueAt(january, "AC52"), sheet::CellValue(1));
    EXPECT_EQ(ValueAt(january, "AC56"), sheet::CellValue(29));
    EXPECT_EQ(ValueAt(january, "AD56"), sheet::CellValue());
    EXPECT_EQ(ValueAt(january, "Y57"), sheet::CellValue());

    // Plain numbers with the block's formats: Arial 7 day cells, Arial 8 title, white, thin borders.
    const sheet::CellFormat& day = FormatAt(january, "V52");
    EXPECT_EQ(day.font.name, "Arial");
    EXPECT_EQ(day.font.size, 7);
    EXPECT_EQ(day.interior.colorIndex, 2);
    EXPECT_EQ(day.Border(sheet::xlEdgeLeft).lineStyle, sheet::xlContinuous);
    EXPECT_EQ(day.Border(sheet::xlEdgeTop).weight, sheet::xlThin);
    EXPECT_EQ(FormatAt(january, "Q57").Border(sheet::xlEdgeBottom).lineStyle, sheet::xlContinuous);
    EXPECT_EQ(FormatAt(january, "Q50").font.size, 8);
    EXPECT_EQ(FormatAt(january, "Q50").horizontalAlignment, sheet::xlCenter);
    EXPECT_EQ(FormatAt(january, "Q50").verticalAlignment, sheet::xlBottom);
}

TEST_F(MiniMonthsTest, DecemberLooksIntoTheNextYearAndASundayStartBeginsAtTheBlockEdge)
{
    BuildWithMiniMonths(2024);
    sheet::Worksheet& december = Sheet("December");
    EXPECT_EQ(ValueAt(december, "Q50"), sheet::CellValue("November 2024"));
    EXPECT_EQ(ValueAt(december, "Y50"), sheet::CellValue("January 2025"));
    EXPECT_EQ(ValueAt(december, "AB52"), sheet::CellValue(1));  // 1 January 2025, a Wednesday

    // December 2024 begins on a Sunday: on November's sheet its 1 stands at column Y.
    sheet::Worksheet& november = Sheet("November");
    EXPECT_EQ(ValueAt(november, "Y52"), sheet::CellValue(1));
    EXPECT_EQ(ValueAt(november, "AE52"), sheet::CellValue(7));
    EXPECT_EQ(ValueAt(november, "Y53"), sheet::CellValue(8));
}

TEST_F(MiniMonthsTest, FourRowMonthPlacesItsMiniMonthsAtRow42)
{
    BuildWithMiniMonths(2026);  // February 2026: 28 days from a Sunday
    sheet::Worksheet& february = Sheet("February");
    EXPECT_EQ(ValueAt(february, "Q42"), sheet::CellValue("January 2026"));
    EXPECT_EQ(ValueAt(february, "Y42"), sheet::CellValue("March 2026"));
    EXPECT_EQ(ValueAt(february, "Q41"), sheet::CellValue());
}

TEST_F(MiniMonthsTest, MissingTargetSheetIsSkippedSilently)
{
    LoadHolidays();
    built_ = BuildMonths(2024);
    BuildSubCalendar(*built_.app);
    built_.app->Sheets()("June").Delete();
    EXPECT_NO_THROW(PlaceMiniMonth(*built_.app, 2024, 5, true, 2024, 6));
    // Nothing landed on the working sheet's day rows.
    EXPECT_EQ(ValueAt(Sheet("SubCalendar"), "A3"), sheet::CellValue());
    EXPECT_EQ(ValueAt(Sheet("SubCalendar"), "Q52"), sheet::CellValue());
}

}  // namespace
}  // namespace morvessa::calendar_test
