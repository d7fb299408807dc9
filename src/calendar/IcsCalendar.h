#pragma once
// An iCalendar file kept as its events: the days of each year are found by libical's recurrence
// expansion, so everything a feed says about its days (RRULE of any frequency and BY... part, COUNT,
// UNTIL, INTERVAL, RDATE, EXDATE, moved or cancelled occurrences, events spanning several days)
// holds as written instead of being bent into one of our own holiday rules.

#include "calendar/DateRules.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace morvessa {

// The most occurrences one event gives in the years asked for; beyond them it is cut and reported.
inline constexpr int kMaxOccurrencesOfEvent = 10000;
// The most days one calendar marks in the years asked for: a day shows only its first names, so a
// file whose thousands of daily events would mark millions is shown up to here and reported.
inline constexpr int kMaxDaysOfCalendar = 100000;

struct IcsEventInfo {
    QString uid;  // the event's UID, or "#<n>" for one without
    QString summary;
    bool timed = false;  // it starts at a time of day
};

// One day an event marks.
struct IcsDay {
    CalendarDate date;
    QString label;  // the event's summary; "09:30 Summary" for a timed event
    QString uid;
    QString calendar;  // the stored calendar's name, when it comes from one
};

struct IcsExpansion {
    std::vector<IcsDay> days;    // in date order, then in the order of the file
    QStringList cutEvents;       // summaries of events cut at kMaxOccurrencesOfEvent
    int timedSkipped = 0;        // timed events left out
    bool daysCut = false;        // stopped at kMaxDaysOfCalendar; later events are left out
};

struct IcsExpansionOptions {
    bool includeTimed = false;  // timed events on the day they start, in their own zone, time first
    QStringList hiddenUids;     // events the user chose not to show
};

class IcsCalendar {
public:
    // Parses an .ics text (after PreScanIcs). Throws IcsError for text that is no calendar.
    static IcsCalendar Parse(const QByteArray& data);

    IcsCalendar(IcsCalendar&&) noexcept;
    IcsCalendar& operator=(IcsCalendar&&) noexcept;
    ~IcsCalendar();

    // X-WR-CALNAME, or empty.
    QString Name() const;
    // The events, one per UID (a moved occurrence is part of its event), in the order of the file.
    const std::vector<IcsEventInfo>& Events() const;
    // Events libical could not read or that have no start.
    int DamagedEvents() const;

    // The days of the events in firstYear..lastYear (1..9999).
    IcsExpansion Expand(int firstYear, int lastYear, const IcsExpansionOptions& options = {}) const;

private:
    struct Data;
    explicit IcsCalendar(std::unique_ptr<Data> data);
    std::unique_ptr<Data> data_;
};

}  // namespace morvessa
