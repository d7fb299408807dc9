#include "core/CalendarNames.h"

#include <array>
#include <stdexcept>

namespace morvessa {

namespace {

const std::array<std::string, 12> kMonthNames = {"January",   "February", "March",    "April",
                                                 "May",       "June",     "July",     "August",
                                                 "September", "October",  "November", "December"};
const std::array<std::string, 7> kWeekdayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                  "Thursday", "Friday", "Saturday"};

template <std::size_t N>
const std::string& NameAt(const std::array<std::string, N>& names, int number)
{
    if (number < 1 || number > int(N))
        throw std::out_of_range("Subscript out of range");
    return names[std::size_t(number - 1)];
}

template <std::size_t N>
QStringList ListOf(const std::array<std::string, N>& names)
{
    QStringList list;
    for (const std::string& name : names)
        list.append(QString::fromStdString(name));
    return list;
}

}  // namespace

const std::string& MonthName(int month)
{
    return NameAt(kMonthNames, month);
}

const std::string& WeekdayName(int weekday)
{
    return NameAt(kWeekdayNames, weekday);
}

QStringList MonthNameList()
{
    return ListOf(kMonthNames);
}

QStringList WeekdayNameList()
{
    return ListOf(kWeekdayNames);
}

QStringList OccurrenceNameList()
{
    return {QStringLiteral("1st"), QStringLiteral("2nd"), QStringLiteral("3rd"), QStringLiteral("4th"),
            kLastOccurrenceName};
}

}  // namespace morvessa
