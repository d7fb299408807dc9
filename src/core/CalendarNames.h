#pragma once
// The calendar vocabulary every layer shows or writes: month names, weekday names (the week starts
// on Sunday) and the occurrence names of floating holidays. English, as the sheets and the stored
// settings use them.

#include <QString>
#include <QStringList>

#include <string>

namespace morvessa {

// "January" .. "December" for 1..12; std::out_of_range("Subscript out of range") otherwise.
const std::string& MonthName(int month);
// "Sunday" .. "Saturday" for 1..7; std::out_of_range("Subscript out of range") otherwise.
const std::string& WeekdayName(int weekday);

// The same as lists: list index i is month i + 1, weekday i + 1.
QStringList MonthNameList();
QStringList WeekdayNameList();
// "1st" .. "4th", "Last": list index i is occurrence i + 1; the last item stands for the last such
// weekday of the month and is stored as the text "Last".
QStringList OccurrenceNameList();
inline const QString kLastOccurrenceName = QStringLiteral("Last");
inline constexpr int kLastOccurrenceIndex = 4;

}  // namespace morvessa
