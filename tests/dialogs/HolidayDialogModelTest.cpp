// Input checks and row building of the add-holiday dialogs, without a screen.

#include "dialogs/HolidayDialogModel.h"
#include "core/CalendarNames.h"

#include "dialogs/DialogTestSupport.h"

#include <gtest/gtest.h>

namespace morvessa {
namespace {

using test::EnglishMonthNames;
using Verdict = HolidayInputCheck::Verdict;

const QString kNotSign = QString(QChar(0x00AC));

TEST(HolidayDialogModel, MonthNameMatchesExactlyOrNotAtAll)
{
    EXPECT_EQ(MonthNumberFromName(EnglishMonthNames(), "January"), 1);
    EXPECT_EQ(MonthNumberFromName(EnglishMonthNames(), "December"), 12);
    EXPECT_EQ(MonthNumberFromName(EnglishMonthNames(), "march"), 0);
    EXPECT_EQ(MonthNumberFromName(EnglishMonthNames(), "March "), 0);
    EXPECT_EQ(MonthNumberFromName(EnglishMonthNames(), ""), 0);
}

TEST(HolidayDialogModel, NamesHoldingTheStoredSeparatorsAreRefused)
{
    EXPECT_TRUE(HolidayNameRefusal("Veteran's Day, \"observed\" = yes").isEmpty());
    EXPECT_TRUE(HolidayNameRefusal(QString::fromUtf8("Fête nationale")).isEmpty());
    for (const QString& name : {QString("Sun|Day"), QString("|"), "Sun" + kNotSign + "Day", kNotSign}) {
        const QString why = HolidayNameRefusal(name);
        EXPECT_TRUE(why.contains('|') && why.contains(kNotSign)) << name.toStdString();
    }
}

TEST(HolidayDialogModel, DayMustBeAWholeNumberWithinTheMonthsLongestLength)
{
    for (const char* day : {"1", "17", "31", " 7 ", "017"})
        EXPECT_TRUE(FixedDayRefusal(day, 3).isEmpty()) << day;
    for (const char* day : {"0", "32", "-1", "1.5", "17a", "abc", "1e1", "+5", "", "   ", "99999999999"})
        EXPECT_FALSE(FixedDayRefusal(day, 3).isEmpty()) << day;

    EXPECT_TRUE(FixedDayRefusal("29", 2).isEmpty());  // leap years have it
    EXPECT_EQ(FixedDayRefusal("30", 2), "Please enter the day as a whole number from 1 to 29.");
    EXPECT_TRUE(FixedDayRefusal("30", 4).isEmpty());
    EXPECT_EQ(FixedDayRefusal("31", 4), "Please enter the day as a whole number from 1 to 30.");
    EXPECT_TRUE(FixedDayRefusal("31", 12).isEmpty());
    // A month that matched no name (the cell stays empty) still bounds the day by 31.
    EXPECT_FALSE(FixedDayRefusal("32", 0).isEmpty());
}

TEST(HolidayDialogModel, FixedCheckStopsSilentlyOnAnEmptyFieldBeforeAnyRefusal)
{
    const QStringList months = EnglishMonthNames();
    EXPECT_TRUE(CheckFixedHolidayInput("Test", "March", "17", months).accepted());

    for (const auto& [name, month, day] :
         {std::tuple{"", "March", "17"}, {"Test", "", "17"}, {"Test", "March", ""}, {"A|B", "March", ""}}) {
        const HolidayInputCheck check = CheckFixedHolidayInput(name, month, day, months);
        EXPECT_EQ(check.verdict, Verdict::Incomplete);
        EXPECT_TRUE(check.message.isEmpty());
    }

    const HolidayInputCheck badName = CheckFixedHolidayInput("A|B", "March", "40", months);
    EXPECT_EQ(badName.verdict, Verdict::Refused);
    EXPECT_EQ(badName.message, HolidayNameRefusal("A|B"));  // the name is explained first

    const HolidayInputCheck badDay = CheckFixedHolidayInput("Test", "February", "30", months);
    EXPECT_EQ(badDay.verdict, Verdict::Refused);
    EXPECT_EQ(badDay.message, FixedDayRefusal("30", 2));
}

TEST(HolidayDialogModel, FloatingCheckNamesTheFirstMissingFieldInOrder)
{
    auto message = [](const QString& name, int month, int weekday, int occurrence) {
        return CheckFloatingHolidayInput(name, month, weekday, occurrence).message;
    };
    EXPECT_EQ(message("", -1, -1, -1), "Please add name.");
    EXPECT_EQ(message("", 8, 5, 4), "Please add name.");
    EXPECT_EQ(message("Harvest", -1, -1, -1), "Please select month.");
    EXPECT_EQ(message("Harvest", 8, -1, -1), "Please select day.");
    EXPECT_EQ(message("Harvest", 8, 5, -1), "Please select occurence.");
    EXPECT_EQ(message("Harvest", -1, 5, 4), "Please select month.");
    EXPECT_TRUE(CheckFloatingHolidayInput("Harvest", 8, 5, 4).accepted());

    const HolidayInputCheck refused = CheckFloatingHolidayInput("Har" + kNotSign + "vest", -1, -1, -1);
    EXPECT_EQ(refused.verdict, Verdict::Refused);
    EXPECT_EQ(refused.message, HolidayNameRefusal(kNotSign));
}

TEST(HolidayDialogModel, ListItemsMapToTheStoredValues)
{
    EXPECT_EQ(WeekdayNameList(),
              QStringList({"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"}));
    EXPECT_EQ(OccurrenceNameList(), QStringList({"1st", "2nd", "3rd", "4th", "Last"}));
    EXPECT_EQ(OccurrenceCell(0), HolidayCell(1));
    EXPECT_EQ(OccurrenceCell(3), HolidayCell(4));
    EXPECT_EQ(OccurrenceCell(kLastOccurrenceIndex), HolidayCell(QString("Last")));
    EXPECT_THROW(OccurrenceCell(5), std::out_of_range);
    EXPECT_THROW(OccurrenceCell(-1), std::out_of_range);
}

TEST(HolidayDialogModel, FixedRowHoldsTheMonthNumberTheTypedDayAndTheName)
{
    HolidayTable table(3);
    table.Reset(2);
    EXPECT_EQ(AppendFixedHoliday(table, EnglishMonthNames(), "March", "17", "Test"), 3);
    ASSERT_EQ(table.RowCount(), 3);
    EXPECT_EQ(table.Cell(3, fixed_column::Month), HolidayCell(3));
    EXPECT_EQ(table.Cell(3, fixed_column::Day), HolidayCell(QString("17")));  // as typed, text
    EXPECT_EQ(table.Cell(3, fixed_column::Name), HolidayCell(QString("Test")));

    EXPECT_EQ(AppendFixedHoliday(table, EnglishMonthNames(), "Marzo", "1", "X"), 4);
    EXPECT_TRUE(table.Cell(4, fixed_column::Month).IsEmpty());
}

TEST(HolidayDialogModel, FloatingRowHoldsNumbersAndLastAsText)
{
    HolidayTable table(4);
    table.Reset(1);
    EXPECT_EQ(
        AppendFloatingHoliday(table, EnglishMonthNames(), "September", 5, kLastOccurrenceIndex, "Harvest"),
        2);
    EXPECT_EQ(table.Cell(2, floating_column::Month), HolidayCell(9));
    EXPECT_EQ(table.Cell(2, floating_column::Weekday), HolidayCell(6));
    EXPECT_EQ(table.Cell(2, floating_column::Occurrence), HolidayCell(QString("Last")));
    EXPECT_EQ(table.Cell(2, floating_column::Name), HolidayCell(QString("Harvest")));

    EXPECT_EQ(AppendFloatingHoliday(table, EnglishMonthNames(), "March", 0, 1, "Test"), 3);
    EXPECT_EQ(table.Cell(3, floating_column::Month), HolidayCell(3));
    EXPECT_EQ(table.Cell(3, floating_column::Weekday), HolidayCell(1));
    EXPECT_EQ(table.Cell(3, floating_column::Occurrence), HolidayCell(2));

    // A selection outside the lists adds no half-filled row.
    EXPECT_THROW(AppendFloatingHoliday(table, EnglishMonthNames(), "March", 7, 1, "X"), std::out_of_range);
    EXPECT_THROW(AppendFloatingHoliday(table, EnglishMonthNames(), "March", 0, 5, "X"), std::out_of_range);
    EXPECT_EQ(table.RowCount(), 3);
}

}  // namespace
}  // namespace morvessa
