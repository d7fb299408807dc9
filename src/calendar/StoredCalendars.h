#pragma once
// The iCalendar files a user imported, kept as calendars rather than turned into holiday rules: each
// is either a copy of the file in the configuration folder or, for "keep in step with the file", the
// user's own file, read again whenever a calendar is generated. The list lives under its own key
// ("IcsCalendars", a JSON list), so the holiday lists and their keys stay as they are.

#include "calendar/IcsCalendar.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace morvessa {

namespace key {
inline constexpr const char* IcsCalendars = "IcsCalendars";
}  // namespace key

struct StoredCalendar {
    QString name;             // X-WR-CALNAME, else the file's name
    QString file;             // the copy, or the user's file when linked
    QString source;           // the file it was imported from
    bool linked = false;      // read from `source` itself, so it follows the file's changes
    bool includeTimed = false;
    int eventCount = 0;       // as of the last import or refresh
    QStringList hiddenUids;   // events the user chose not to show

    friend bool operator==(const StoredCalendar&, const StoredCalendar&) = default;
};

// The stored list; a missing key is an empty list. A damaged one throws IcsError.
std::vector<StoredCalendar> StoredCalendars();

// Writes the list (one update of the settings file).
void SaveStoredCalendars(const std::vector<StoredCalendar>& calendars);

// Reads the file at `path` (a regular file of at most 8 MB) and parses it; throws IcsError naming
// the file when it cannot be read or is no calendar.
IcsCalendar ReadCalendarFile(const QString& path);

// Imports `path`: reads and checks it, copies it into the configuration folder unless `linked`, and
// adds it to the stored list. Nothing is stored when anything fails (IcsError). Returns the entry.
StoredCalendar ImportCalendar(const QString& path, bool linked, bool includeTimed = false);

// Reads the calendar's source file again: a copy is replaced by the file's current content and the
// event count brought up to date. Throws IcsError and leaves the stored calendar as it was when the
// file cannot be read.
void RefreshCalendar(std::size_t index);

// Removes a calendar from the list and returns it; its copy stays on disk, so putting the entry back
// (RestoreCalendar) undoes the removal.
StoredCalendar RemoveCalendar(std::size_t index);
void RestoreCalendar(std::size_t index, const StoredCalendar& calendar);
// Removes the stored calendar of `calendar`'s file (an import taken back) and its copy; false when it
// is no longer stored.
bool ForgetCalendar(const StoredCalendar& calendar);

// Shows or hides one event of a calendar by its UID; or sets every hidden one at once.
void SetEventHidden(std::size_t index, const QString& uid, bool hidden);
void SetHiddenEvents(std::size_t index, const QStringList& uids);

// What an import tells the user: "Imported the calendar "Holidays" with 12 events; 2 timed events are
// left out."
QString CalendarImportSummary(const StoredCalendar& calendar, const IcsCalendar& parsed);

// The days every stored calendar marks in firstYear..lastYear, with what went wrong (a calendar that
// cannot be read) and what the user should know (an event cut at its limit; the rest still shows) as
// messages. Empty, without loading libical, when no calendar is stored.
struct StoredCalendarDays {
    std::vector<IcsDay> days;
    QStringList problems;
    QStringList notices;
};
StoredCalendarDays DaysOfStoredCalendars(int firstYear, int lastYear);

}  // namespace morvessa
