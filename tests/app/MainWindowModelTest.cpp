#include "app/MainWindowModel.h"

#include <QLocale>
#include <gtest/gtest.h>
#include <stdexcept>

namespace morvessa {
namespace {

HolidayTable FixedTable(std::initializer_list<std::tuple<HolidayCell, HolidayCell, HolidayCell>> rows)
{
    HolidayTable table(3);
    table.Reset(int(rows.size()));
    int row = 1;
    for (const auto& [month, day, name] : rows) {
        table.Cell(row, 1) = month;
        table.Cell(row, 2) = day;
        table.Cell(row, 3) = name;
        ++row;
    }
    return table;
}

TEST(HolidayNames, FirstOfTwoEqualNamesWinsAndMatchingIsExact)
{
    const HolidayTable table = FixedTable({{1, 1, "New Year"}, {2, 3, "Feast"}, {5, 6, "Feast"}});
    EXPECT_EQ(HolidayNames(table, 3), QStringList({"New Year", "Feast", "Feast"}));
    EXPECT_EQ(FirstRowNamed(table, 3, "Feast"), 2);
    EXPECT_EQ(FirstRowNamed(table, 3, "feast"), 0);
    EXPECT_EQ(FirstRowNamed(table, 3, "Feast "), 0);
    EXPECT_EQ(FirstRowNamed(table, 3, ""), 0);
}

TEST(FixedHolidayView, ShowsMonthDayAndNameAndLeavesEmptyCellsAlone)
{
    const HolidayTable table =
        FixedTable({{12, 25, "Christmas"}, {{}, {}, {}}, {"3", "x", "Typed"}, {13, 1, "Bad"}});
    const FixedHolidayView christmas = ViewOfFixedHoliday(table, 1);
    EXPECT_EQ(christmas.monthIndex, 11);
    EXPECT_EQ(christmas.dayText, "25");
    EXPECT_EQ(christmas.name, "Christmas");

    const FixedHolidayView empty = ViewOfFixedHoliday(table, 2);
    EXPECT_EQ(empty.monthIndex, -1);
    EXPECT_EQ(empty.dayText, "");
    EXPECT_EQ(empty.name, "");

    const FixedHolidayView typed = ViewOfFixedHoliday(table, 3);
    EXPECT_EQ(typed.monthIndex, 2);
    EXPECT_EQ(typed.dayText, "x");

    EXPECT_THROW(ViewOfFixedHoliday(table, 4), std::out_of_range);  // month 13
    EXPECT_THROW(ViewOfFixedHoliday(table, 0), std::out_of_range);
    EXPECT_THROW(ViewOfFixedHoliday(table, 5), std::out_of_range);
}

TEST(FloatingHolidayView, MapsWeekdayAndOccurrenceAndKeepsSelectionsForOtherValues)
{
    HolidayTable table(4);
    table.Reset(3);
    table.Cell(1, 1) = 5;
    table.Cell(1, 2) = 2;
    table.Cell(1, 3) = "Last";
    table.Cell(1, 4) = "Memorial Day";
    table.Cell(2, 1) = 11;
    table.Cell(2, 2) = 5;
    table.Cell(2, 3) = 4;
    table.Cell(2, 4) = "Thanksgiving";
    table.Cell(3, 1) = 0;
    table.Cell(3, 2) = 9;
    table.Cell(3, 3) = "last";

    const FloatingHolidayView memorial = ViewOfFloatingHoliday(table, 1);
    EXPECT_EQ(memorial.monthIndex, 4);
    EXPECT_EQ(memorial.weekdayIndex, 1);
    EXPECT_EQ(memorial.occurrenceIndex, 4);
    EXPECT_EQ(memorial.name, "Memorial Day");

    const FloatingHolidayView thanksgiving = ViewOfFloatingHoliday(table, 2);
    EXPECT_EQ(thanksgiving.weekdayIndex, 4);
    EXPECT_EQ(thanksgiving.occurrenceIndex, 3);

    EXPECT_THROW(ViewOfFloatingHoliday(table, 3), std::out_of_range);  // month 0
    table.Cell(3, 1) = 1;
    const FloatingHolidayView odd = ViewOfFloatingHoliday(table, 3);
    EXPECT_EQ(odd.weekdayIndex, -1);     // weekday 9
    EXPECT_EQ(odd.occurrenceIndex, -1);  // "last" is not "Last"
}

}  // namespace
}  // namespace morvessa
