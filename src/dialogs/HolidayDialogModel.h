#pragma once
// Input checks and list contents of the two add-holiday dialogs, kept apart from the widgets.

#include <QString>
#include <QStringList>

#include "holidays/HolidayCatalogue.h"

namespace morvessa {

struct HolidayInputCheck {
    enum class Verdict {
        Accepted,    // store the holiday
        Incomplete,  // a field is missing: store nothing; `message` may be empty (nothing shown)
        Refused,     // the input would harm the catalogue: store nothing, show `message`
    };
    Verdict verdict = Verdict::Accepted;
    QString message;

    bool accepted() const { return verdict == Verdict::Accepted; }
};

// 1..12 for the month name that `text` equals exactly (case-sensitive), 0 when none does.
int MonthNumberFromName(const QStringList& monthNames, const QString& text);

// The longest length a month can have: 29 for February, 31 for a month outside 1..12.
int LongestMonthLength(int month);

// Why a holiday name cannot be stored, or an empty text when it can. "|" and "¬" separate the
// stored catalogue's fields and rows, so a name holding either would break the next load.
QString HolidayNameRefusal(const QString& name);

// Why a typed day cannot be stored for `month`, or an empty text when it can: the day must be a
// whole number from 1 to the month's longest length (blanks around it allowed).
QString FixedDayRefusal(const QString& dayText, int month);

// Save of the fixed dialog: empty fields stop silently (day, name, month in that order); then the
// name and the day are checked.
HolidayInputCheck CheckFixedHolidayInput(const QString& name, const QString& monthText,
                                         const QString& dayText, const QStringList& monthNames);

// Save of the floating dialog: the four missing-field messages in their order, with the name's
// refusal right after the name's presence. Indexes are list indexes, below 0 for no selection.
HolidayInputCheck CheckFloatingHolidayInput(const QString& name, int monthIndex, int weekdayIndex,
                                            int occurrenceIndex);

// The occurrence cell for an OccurrenceNameList index: 1..4 as whole numbers, the text "Last" for the
// last item - the form holiday marking and the main window recognise.
HolidayCell OccurrenceCell(int occurrenceIndex);

// Appends the holiday as a new last row of a fixed table: the month as a whole number (the cell
// stays empty when `monthText` names no month), the day as typed, the name. Returns the new row's
// number. When the table cannot grow it throws and is left as it was.
int AppendFixedHoliday(HolidayTable& table, const QStringList& monthNames, const QString& monthText,
                       const QString& dayText, const QString& name);

// Appends the holiday as a new last row of a floating table, from the dialog's selections (list
// indexes); returns the new row's number. When the table cannot grow it throws and is left as it was.
int AppendFloatingHoliday(HolidayTable& table, const QStringList& monthNames, const QString& monthText,
                          int weekdayIndex, int occurrenceIndex, const QString& name);

}  // namespace morvessa
