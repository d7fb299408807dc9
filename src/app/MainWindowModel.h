#pragma once
// The main window's rules that need no widgets: what the holiday controls show for a table row,
// which row a chosen name selects and the numbers read from the settings.

#include "holidays/HolidayCatalogue.h"

#include <QString>
#include <QStringList>

namespace morvessa {

// The names of rows 1..n of a table, in row order (text form of each name cell).
QStringList HolidayNames(const HolidayTable& table, int nameColumn);

// The first row (from 1) whose name is exactly `name` (case-sensitive); 0 when none is.
int FirstRowNamed(const HolidayTable& table, int nameColumn, const QString& name);

// The row a name box entry stands for: the box lists the names in row order, so entry `index`
// (from 0) is row index + 1 when that row holds `name`; otherwise the first row of that name.
// Two holidays of the same name are each reachable this way. 0 when no row has the name.
int RowOfNameBoxEntry(const HolidayTable& table, int nameColumn, int index, const QString& name);

// The month number a month cell holds: 0 for an empty cell; a number rounded half to even; text
// must be numeric (else ConversionError).
int MonthNumberOfCell(const HolidayCell& cell);

// What the fixed-holiday controls show for one row. monthIndex -1: the month box is left as it is
// (empty month cell); an empty name leaves the name box as it is.
struct FixedHolidayView {
    int monthIndex = -1;
    QString dayText;
    QString name;
};
// Throws std::out_of_range for a row outside the table or a month outside 1..12. Row 0 of an empty
// table (the holidays come from a country instead) is an empty view.
FixedHolidayView ViewOfFixedHoliday(const HolidayTable& table, int row);

// What the floating-holiday controls show for one row; -1 leaves a control as it is.
struct FloatingHolidayView {
    int monthIndex = -1;
    QString name;
    int weekdayIndex = -1;     // List1: weekday 1..7 -> 0..6
    int occurrenceIndex = -1;  // List2: 1..4 -> 0..3, "Last" -> 4
};
// Throws std::out_of_range for a row outside the table or a month outside 1..12.
FloatingHolidayView ViewOfFloatingHoliday(const HolidayTable& table, int row);

// The count settings' numeric value: the number the stored text begins with, 0 when none.
int StoredHolidayCount(const char* countKey);

// The Easter choice: 1 marks Easter (also when the setting is absent), anything else does not.
// Stored text that is not a number throws ConversionError.
int StoredEasterChoice();
// What the option buttons store: "1" for Yes, "2" for No.
inline const QString kEasterYes = QStringLiteral("1");
inline const QString kEasterNo = QStringLiteral("2");

// What the year box says when its text is no year (CalendarYear::FromText is the rule).
inline constexpr const char* kInvalidYearText =
    QT_TRANSLATE_NOOP("morvessa::MainWindow", "You must enter a valid year.");
inline const QString kInvalidYearMessage = QString::fromLatin1(kInvalidYearText);

}  // namespace morvessa
