#include "dialogs/HolidayDialogModel.h"

#include "core/CalendarNames.h"

#include <QCoreApplication>

#include <stdexcept>

namespace morvessa {

namespace {
const QChar kFieldSeparator = u'|';
const QChar kRowSeparator = QChar(0x00AC);  // the not sign
}  // namespace

int MonthNumberFromName(const QStringList& monthNames, const QString& text)
{
    for (int i = 0; i < monthNames.size() && i < 12; ++i) {
        if (monthNames[i] == text)
            return i + 1;
    }
    return 0;
}

int LongestMonthLength(int month)
{
    switch (month) {
    case 2:
        return 29;
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    default:
        return 31;
    }
}

QString HolidayNameRefusal(const QString& name)
{
    if (name.contains(kFieldSeparator) || name.contains(kRowSeparator)) {
        return QCoreApplication::translate("HolidayDialog",
                                           "A holiday name cannot contain the characters \"|\" or \"%1\".")
            .arg(kRowSeparator);
    }
    return {};
}

QString FixedDayRefusal(const QString& dayText, int month)
{
    const int longest = LongestMonthLength(month);
    const QString day = dayText.trimmed();
    bool wholeNumber = !day.isEmpty() && day.size() <= 4;
    for (QChar c : day)
        wholeNumber = wholeNumber && c >= u'0' && c <= u'9';
    const int value = wholeNumber ? day.toInt() : 0;
    if (value >= 1 && value <= longest)
        return {};
    return QCoreApplication::translate("HolidayDialog",
                                       "Please enter the day as a whole number from 1 to %1.")
        .arg(longest);
}

HolidayInputCheck CheckFixedHolidayInput(const QString& name, const QString& monthText,
                                         const QString& dayText, const QStringList& monthNames)
{
    using Verdict = HolidayInputCheck::Verdict;
    if (dayText.isEmpty() || name.isEmpty() || monthText.isEmpty())
        return {Verdict::Incomplete, {}};
    if (QString why = HolidayNameRefusal(name); !why.isEmpty())
        return {Verdict::Refused, why};
    const int month = MonthNumberFromName(monthNames, monthText);
    if (QString why = FixedDayRefusal(dayText, month); !why.isEmpty())
        return {Verdict::Refused, why};
    return {};
}

HolidayInputCheck CheckFloatingHolidayInput(const QString& name, int monthIndex, int weekdayIndex,
                                            int occurrenceIndex)
{
    using Verdict = HolidayInputCheck::Verdict;
    if (name.isEmpty())
        return {Verdict::Incomplete, QCoreApplication::translate("HolidayDialog", "Please add name.")};
    if (QString why = HolidayNameRefusal(name); !why.isEmpty())
        return {Verdict::Refused, why};
    if (monthIndex < 0)
        return {Verdict::Incomplete, QCoreApplication::translate("HolidayDialog", "Please select month.")};
    if (weekdayIndex < 0)
        return {Verdict::Incomplete, QCoreApplication::translate("HolidayDialog", "Please select day.")};
    if (occurrenceIndex < 0)
        return {Verdict::Incomplete,
                QCoreApplication::translate("HolidayDialog", "Please select occurence.")};
    return {};
}

HolidayCell OccurrenceCell(int occurrenceIndex)
{
    if (occurrenceIndex == kLastOccurrenceIndex)
        return HolidayCell(kLastOccurrenceName);
    if (occurrenceIndex < 0 || occurrenceIndex > kLastOccurrenceIndex)
        throw std::out_of_range("Subscript out of range");
    return HolidayCell(occurrenceIndex + 1);
}

int AppendFixedHoliday(HolidayTable& table, const QStringList& monthNames, const QString& monthText,
                       const QString& dayText, const QString& name)
{
    AppendHolidayRow(table);
    const int row = table.RowCount();
    if (const int month = MonthNumberFromName(monthNames, monthText); month != 0)
        table.Cell(row, fixed_column::Month) = HolidayCell(month);
    table.Cell(row, fixed_column::Day) = HolidayCell(dayText);
    table.Cell(row, fixed_column::Name) = HolidayCell(name);
    return row;
}

int AppendFloatingHoliday(HolidayTable& table, const QStringList& monthNames, const QString& monthText,
                          int weekdayIndex, int occurrenceIndex, const QString& name)
{
    // Checked before the row exists, so a bad selection never leaves a half-filled row behind.
    if (weekdayIndex < 0 || weekdayIndex > 6)
        throw std::out_of_range("Subscript out of range");
    const HolidayCell occurrence = OccurrenceCell(occurrenceIndex);
    AppendHolidayRow(table);
    const int row = table.RowCount();
    if (const int month = MonthNumberFromName(monthNames, monthText); month != 0)
        table.Cell(row, floating_column::Month) = HolidayCell(month);
    table.Cell(row, floating_column::Name) = HolidayCell(name);
    table.Cell(row, floating_column::Weekday) = HolidayCell(weekdayIndex + 1);
    table.Cell(row, floating_column::Occurrence) = occurrence;
    return row;
}

}  // namespace morvessa
