#pragma once
// The month sheet's grid, named once: a title band, a weekday header, then six week bands of seven
// day blocks. Each day block is eight columns wide; each week band is eight rows high, two for the
// day number and six for the notes. Every address of the template and the month sheets is derived
// from these.

namespace morvessa::grid {

inline constexpr int kColumnsPerDay = 8;
inline constexpr int kDaysPerWeek = 7;
inline constexpr int kWeekBands = 6;
inline constexpr int kRowsPerWeek = 8;
inline constexpr int kDayNumberRows = 2;

inline constexpr int kTitleFirstRow = 1;
inline constexpr int kTitleLastRow = 5;
inline constexpr int kHeaderFirstRow = 6;
inline constexpr int kHeaderLastRow = 8;
inline constexpr int kLastColumn = kColumnsPerDay * kDaysPerWeek;  // BD
inline constexpr int kLastRow = kHeaderLastRow + kWeekBands * kRowsPerWeek;

// Every cell is this narrow and this low, so that a block reads as one box.
inline constexpr double kColumnWidth = 1.57;  // characters
inline constexpr double kRowHeight = 9;       // points
inline constexpr int kFormattedRows = 70;     // the rows given that height, mini months included

// Palette entries of the template: the sheet's white, the light band behind the day numbers and
// the grey of the week numbers.
inline constexpr int kSheetColorIndex = 2;
inline constexpr int kDayNumberBandColorIndex = 19;
inline constexpr int kWeekNumberColorIndex = 16;
inline constexpr double kWeekNumberColumnWidth = 3.57;

// First and last column of the day block in column `column` (1..7) of a week.
constexpr int DayFirstColumn(int column)
{
    return kColumnsPerDay * (column - 1) + 1;
}
constexpr int DayLastColumn(int column)
{
    return kColumnsPerDay * column;
}

// Rows of week band `week` (1..6): its day-number rows, then its notes rows.
constexpr int WeekFirstRow(int week)
{
    return kHeaderLastRow + kRowsPerWeek * (week - 1) + 1;
}
constexpr int NotesFirstRow(int week)
{
    return WeekFirstRow(week) + kDayNumberRows;
}
constexpr int WeekLastRow(int week)
{
    return WeekFirstRow(week) + kRowsPerWeek - 1;
}

}  // namespace morvessa::grid
