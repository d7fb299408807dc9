#pragma once
// The calendar vocabulary every layer shows or writes: month names, weekday names (the week starts
// on Sunday) and the occurrence names of floating holidays. The single names are English, as the
// sheets, messages and stored settings use them; the lists are what the windows show, in the
// program's language (English when no translation is installed).

#include <QString>
#include <QStringList>

#include <string>

namespace morvessa {

// "January" .. "December" for 1..12; std::out_of_range("Subscript out of range") otherwise.
const std::string& MonthName(int month);
// "Sunday" .. "Saturday" for 1..7; std::out_of_range("Subscript out of range") otherwise.
const std::string& WeekdayName(int weekday);

// The same as lists for the windows, translated under the context "CalendarNames": list index i is
// month i + 1, weekday i + 1. Nothing may be stored or looked up by these texts, only by position.
QStringList MonthNameList();
QStringList WeekdayNameList();
// "1st" .. "4th", "Last" (translated): list index i is occurrence i + 1; the last item stands for
// the last such weekday of the month and is stored as the English text kLastOccurrenceName.
QStringList OccurrenceNameList();
inline const QString kLastOccurrenceName = QStringLiteral("Last");
inline constexpr int kLastOccurrenceIndex = 4;

}  // namespace morvessa
