#include "core/CalendarNames.h"

#include <QCoreApplication>

#include <array>
#include <stdexcept>

namespace morvessa {

namespace {

constexpr char kContext[] = "CalendarNames";

// Marked for lupdate under kContext; the English words double as the stored and written names.
constexpr std::array<const char*, 12> kMonthSources = {
    QT_TRANSLATE_NOOP("CalendarNames", "January"),   QT_TRANSLATE_NOOP("CalendarNames", "February"),
    QT_TRANSLATE_NOOP("CalendarNames", "March"),     QT_TRANSLATE_NOOP("CalendarNames", "April"),
    QT_TRANSLATE_NOOP("CalendarNames", "May"),       QT_TRANSLATE_NOOP("CalendarNames", "June"),
    QT_TRANSLATE_NOOP("CalendarNames", "July"),      QT_TRANSLATE_NOOP("CalendarNames", "August"),
    QT_TRANSLATE_NOOP("CalendarNames", "September"), QT_TRANSLATE_NOOP("CalendarNames", "October"),
    QT_TRANSLATE_NOOP("CalendarNames", "November"),  QT_TRANSLATE_NOOP("CalendarNames", "December")};
constexpr std::array<const char*, 7> kWeekdaySources = {
    QT_TRANSLATE_NOOP("CalendarNames", "Sunday"),   QT_TRANSLATE_NOOP("CalendarNames", "Monday"),
    QT_TRANSLATE_NOOP("CalendarNames", "Tuesday"),  QT_TRANSLATE_NOOP("CalendarNames", "Wednesday"),
    QT_TRANSLATE_NOOP("CalendarNames", "Thursday"), QT_TRANSLATE_NOOP("CalendarNames", "Friday"),
    QT_TRANSLATE_NOOP("CalendarNames", "Saturday")};
constexpr std::array<const char*, 4> kOccurrenceSources = {
    QT_TRANSLATE_NOOP("CalendarNames", "1st"), QT_TRANSLATE_NOOP("CalendarNames", "2nd"),
    QT_TRANSLATE_NOOP("CalendarNames", "3rd"), QT_TRANSLATE_NOOP("CalendarNames", "4th")};
// kLastOccurrenceName's text.
constexpr const char* kLastOccurrenceSource = QT_TRANSLATE_NOOP("CalendarNames", "Last");

template <std::size_t N>
std::array<std::string, N> Strings(const std::array<const char*, N>& sources)
{
    std::array<std::string, N> names;
    for (std::size_t i = 0; i < N; ++i)
        names[i] = sources[i];
    return names;
}

const std::array<std::string, 12> kMonthNames = Strings(kMonthSources);
const std::array<std::string, 7> kWeekdayNames = Strings(kWeekdaySources);

template <std::size_t N>
const std::string& NameAt(const std::array<std::string, N>& names, int number)
{
    if (number < 1 || number > int(N))
        throw std::out_of_range("Subscript out of range");
    return names[std::size_t(number - 1)];
}

template <std::size_t N>
QStringList Translated(const std::array<const char*, N>& sources)
{
    QStringList list;
    for (const char* source : sources)
        list.append(QCoreApplication::translate(kContext, source));
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
    return Translated(kMonthSources);
}

QStringList WeekdayNameList()
{
    return Translated(kWeekdaySources);
}

QStringList OccurrenceNameList()
{
    QStringList list = Translated(kOccurrenceSources);
    list.append(QCoreApplication::translate(kContext, kLastOccurrenceSource));
    return list;
}

}  // namespace morvessa
