#pragma once
// Writes every holiday of the year into the notes cell of its day and colours that cell: the fixed
// holidays, then the floating ones, then Easter when the "Easter" setting is 1, then the rule
// holidays with their observed days. A later holiday on the same date replaces the name of an earlier
// one, unless "Show every holiday of a day" is on: then the cell lists each name once, one per line.

#include "calendar/CalendarOptions.h"

#include "calendar/DateRules.h"
#include "holidays/HolidaySource.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace morvessa {

class ErrorTrap;

namespace sheet {
class Application;
}

// Deletes "Calendar Template" first; the workbook then holds the month sheets "January" ..
// "December". A holiday that cannot be placed (a day the month does not have, a month, day, weekday
// or occurrence that is not a valid number) is reported through `trap` at `line`, naming the
// holiday, and skipped; the others are still marked. A fixed 29 February in a common year is
// skipped without a report. Failures that concern no single holiday (the template sheet missing,
// the "Easter" setting not a number) are thrown to the caller.
//
// The sheets are the twelve months from the options' first month of `year` on, named in the
// options' language; each month takes the holidays of its own year (September 2026 to August 2027
// marks the holidays of 2026 from September and of 2027 until August).
//
// Each source's holidays are filled with its colour (HolidayColours). With `marked`, also lists what
// the sheets show, by date: each name a notes cell holds, with its source and colour (the last name
// of a day alone when each holiday replaces the one before).
struct MarkedHoliday;
void MarkHolidays(sheet::Application& app, long year, ErrorTrap& trap, int line,
                  const CalendarOptions& options = {}, std::vector<MarkedHoliday>* marked = nullptr);

// Marks one holiday: `name`, always as text, in the notes cell below day `day` of the sheet of
// `month`, font colour 3, fill of the "HolidaysColor" setting (read afresh). Throws when the month
// has no such day or its sheet is missing.
// `fill` replaces the setting's colour (a source's own).
void MarkHoliday(sheet::Application& app, int year, int month, int day, const std::string& name,
                 const CalendarOptions& options = {}, std::optional<std::int32_t> fill = std::nullopt);

// One holiday on the day the sheet marks it.
struct MarkedHoliday {
    CalendarDate date;
    QString name;
    HolidaySource source;
    std::int32_t fill = 0;  // the source's colour on the sheets: a palette index, or none

    // What is marked where: the colour follows the source.
    friend bool operator==(const MarkedHoliday& a, const MarkedHoliday& b)
    {
        return a.date == b.date && a.name == b.name;
    }
};

// Every holiday the sheets of `year` mark, in the order they are marked (all twelve months, whatever
// the first month): what an export writes, from the very code that marks the sheets. Holidays that
// cannot be placed are left out.
std::vector<MarkedHoliday> MarkedHolidaysOfYear(int year);

// Where a marked holiday comes from, for a list that tells the user.
struct SourcedHoliday {
    enum class Source { FixedList, FloatingList, Easter, Rules, World, Calendar };
    CalendarDate date;
    QString name;
    Source source = Source::FixedList;
    QString origin;  // the place ("Bayern, Germany") or the calendar's name
};

// Every holiday the sheets of `year` mark, with where each comes from, by date.
std::vector<SourcedHoliday> SourcedHolidaysOfYear(int year);

// Where the holidays of a year go: the month sheets, or a list.
class HolidaySink {
public:
    virtual ~HolidaySink() = default;
    // May throw for a day that cannot be marked; the holiday is then reported through Fail.
    virtual void Mark(int month, int day, const QString& name, const HolidaySource& source) = 0;
    // Several holidays of one day, in order; the same as marking each.
    virtual void MarkAll(int month, int day, const QStringList& names, const HolidaySource& source)
    {
        for (const QString& name : names)
            Mark(month, day, name, source);
    }
    virtual void Fail(const std::string& description) = 0;
    // A group of holidays is done (the sheets go back to January).
    virtual void BlockDone() {}
    // The holidays marked next come from here.
    virtual void From(SourcedHoliday::Source, const QString& /*origin*/) {}
};

}  // namespace morvessa
