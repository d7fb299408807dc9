#include "app/MainWindowModel.h"

#include "core/CalendarNames.h"
#include "settings/SettingsStore.h"
#include "core/NumericText.h"

#include <optional>
#include <stdexcept>

namespace morvessa {

namespace {

constexpr const char* kSubscriptOutOfRange = "Subscript out of range";

int MonthIndexOrThrow(int month)
{
    if (month < 1 || month > 12)
        throw std::out_of_range(kSubscriptOutOfRange);
    return month - 1;
}

// A whole number held by a cell (number or numeric text); nothing for anything else.
std::optional<int> WholeNumberOfCell(const HolidayCell& cell)
{
    if (cell.IsNumber()) {
        const double value = cell.Number();
        if (value >= -1e9 && value <= 1e9 && value == static_cast<int>(value))
            return static_cast<int>(value);
        return std::nullopt;
    }
    if (cell.IsText() && IsWholeNumber(cell.Text())) {
        const double value = ToNumber(cell.Text());
        if (value >= -1e9 && value <= 1e9)
            return static_cast<int>(value);
    }
    return std::nullopt;
}

}  // namespace

QStringList HolidayNames(const HolidayTable& table, int nameColumn)
{
    QStringList names;
    for (int row = 1; row <= table.RowCount(); ++row)
        names.append(table.Cell(row, nameColumn).Text());
    return names;
}

int FirstRowNamed(const HolidayTable& table, int nameColumn, const QString& name)
{
    for (int row = 1; row <= table.RowCount(); ++row)
        if (table.Cell(row, nameColumn).Text() == name)
            return row;
    return 0;
}

int RowOfNameBoxEntry(const HolidayTable& table, int nameColumn, int index, const QString& name)
{
    const int row = index + 1;
    if (row >= 1 && row <= table.RowCount() && table.Cell(row, nameColumn).Text() == name)
        return row;
    return FirstRowNamed(table, nameColumn, name);
}

int MonthNumberOfCell(const HolidayCell& cell)
{
    if (cell.IsEmpty())
        return 0;
    if (cell.IsNumber())
        return RoundToInt32(cell.Number());
    return ToWholeNumber(cell.Text());
}

FixedHolidayView ViewOfFixedHoliday(const HolidayTable& table, int row)
{
    FixedHolidayView view;
    if (row == 0 && table.RowCount() == 0)
        return view;
    const HolidayCell& month = table.Cell(row, fixed_column::Month);
    if (!month.IsEmpty())
        view.monthIndex = MonthIndexOrThrow(MonthNumberOfCell(month));
    view.dayText = table.Cell(row, fixed_column::Day).Text();
    view.name = table.Cell(row, fixed_column::Name).Text();
    return view;
}

FloatingHolidayView ViewOfFloatingHoliday(const HolidayTable& table, int row)
{
    FloatingHolidayView view;
    const HolidayCell& month = table.Cell(row, floating_column::Month);
    // An empty month cell leaves the month box as it is, as for fixed holidays.
    if (!month.IsEmpty())
        view.monthIndex = MonthIndexOrThrow(MonthNumberOfCell(month));
    view.name = table.Cell(row, floating_column::Name).Text();

    if (const auto weekday = WholeNumberOfCell(table.Cell(row, floating_column::Weekday));
        weekday && *weekday >= 1 && *weekday <= 7)
        view.weekdayIndex = *weekday - 1;

    const HolidayCell& occurrence = table.Cell(row, floating_column::Occurrence);
    if (occurrence.IsText() && occurrence.Text() == kLastOccurrenceName)
        view.occurrenceIndex = 4;
    else if (const auto nth = WholeNumberOfCell(occurrence); nth && *nth >= 1 && *nth <= 4)
        view.occurrenceIndex = *nth - 1;
    return view;
}

int StoredHolidayCount(const char* countKey)
{
    return RoundToInt32(LeadingNumber(ReadSetting(QString::fromLatin1(countKey), QString())));
}

int StoredEasterChoice()
{
    return ReadWholeNumberSetting(QString::fromLatin1(key::Easter), kEasterYes);
}

}  // namespace morvessa
