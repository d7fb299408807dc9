#pragma once
// The words the calendar itself prints beside its holidays (the legend and the year page's list),
// in the calendar's language rather than the window's (CalendarLanguage::Word); the sources'
// names are HolidaySource::Label's.

#include <QCoreApplication>
#include <QString>

namespace morvessa {

inline constexpr const char* kWeekendWord = QT_TRANSLATE_NOOP("CalendarWords", "Weekend");
// A list cut short: how many lines did not fit.
inline constexpr const char* kMoreWord = QT_TRANSLATE_NOOP("CalendarWords", "… %1 more");
// A day's notes cut short: the last line.
inline constexpr const char* kAndMoreWord = QT_TRANSLATE_NOOP("CalendarWords", "and %1 more");
// The Easter the lists mark when the Easter setting is on.
inline constexpr const char* kEasterWord = QT_TRANSLATE_NOOP("CalendarWords", "Easter");

}  // namespace morvessa
