#pragma once
// Holidays to and from iCalendar (.ics) files, through libical.
//
// Import: a yearly recurring all-day event becomes a fixed holiday (BYMONTHDAY) or a weekday-of-month
// holiday (BYDAY with a position, or BYSETPOS); UNTIL or COUNT become the last year in force. A single
// all-day event becomes a dated event (one per day when it spans several). Timed events are skipped
// and counted, as are repetitions a holiday rule cannot say (weekly, every other year, ...) and events
// libical could not fully parse.
// Files written by earlier versions of this program name each event's rule (X-MORVESSA-RULE), which
// is read back exactly.

#include "holidays/HolidayRules.h"

#include <QByteArray>
#include <QString>

#include <stdexcept>
#include <vector>

namespace morvessa {

// An .ics file that cannot be read: the message says why, for the user.
class IcsError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct IcsImport {
    std::vector<HolidayRule> holidays;
    int timedSkipped = 0;        // events at a time of day
    int unsupportedSkipped = 0;  // damaged events, events without a start, repetitions no rule says
};

// The most holidays one file may give.
inline constexpr std::size_t kMaxIcsHolidays = 20000;

// Reads the holidays of an .ics text. Throws IcsError for anything that is no iCalendar data (no
// VCALENDAR, binary data, too large) or holds more than kMaxIcsHolidays holidays.
IcsImport ReadIcs(const QByteArray& data);

// Reads a file; a missing or unreadable file throws IcsError naming it.
IcsImport ReadIcsFile(const QString& path);

// What an import tells the user: "Imported 5 holidays; 2 timed events were skipped."
QString IcsImportSummary(const IcsImport& import, int added, int alreadyThere);

}  // namespace morvessa
