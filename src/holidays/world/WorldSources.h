#pragma once
// The world holiday sources a user chose ("Bavaria, public and bank holidays, in German"), kept as
// the choice itself under their own key (a JSON list), not as a copy of the days: the days are
// computed at each generation, so an update of the data reaches old settings. The holiday lists and
// their keys stay as they are.

#include "holidays/world/WorldHolidays.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <vector>

namespace morvessa::world {

namespace key {
inline constexpr const char* WorldHolidaySources = "WorldHolidaySources";
}  // namespace key

struct WorldSource {
    QString code;                                   // "DE-BY"
    QStringList kinds{QStringLiteral("public")};   // data kind names
    QString language;                               // names' language; empty: the calendar's
    QStringList hiddenRules;                        // single holidays the user chose not to show

    friend bool operator==(const WorldSource&, const WorldSource&) = default;
};

// The stored list; a missing key is an empty list. A damaged one throws WorldDataError.
std::vector<WorldSource> StoredWorldSources();
void SaveWorldSources(const std::vector<WorldSource>& sources);

// Checks the code (and opens the place) before adding; throws WorldDataError and stores nothing
// when the place is unknown. Returns the place's English name for the user.
QString AddWorldSource(const WorldSource& source);
WorldSource RemoveWorldSource(std::size_t index);
// Puts a removed source back at `index` (the end when the list is shorter now), for Undo.
void RestoreWorldSource(std::size_t index, const WorldSource& source);
void SetWorldHolidayHidden(std::size_t index, const QString& rule, bool hidden);

// A source's place, opened once per process and code (opening reads its country's file).
const PlaceHolidays& OpenedPlace(const QString& code, const QString& folder = DefaultDataFolder());

// "Bavaria, Germany" for "DE-BY".
QString SourceTitle(const WorldSource& source, const QString& language = {});

// One day a source marks (a holiday of several days gives one per day).
struct WorldSourceDay {
    QDate date;
    QString name;
    QString rule;
    HolidayKind kind = HolidayKind::Public;
    int source = 0;  // index in the stored list
    QString title;   // the source's place, "Bayern, Germany"
};
struct WorldSourceDays {
    std::vector<WorldSourceDay> days;
    QStringList problems;
};

// The days `source` marks in `year`, hidden ones included when asked (for lists that show them).
std::vector<WorldSourceDay> DaysOfSource(const WorldSource& source, int year, const QString& calendarLanguage,
                                         bool withHidden = false);

// The days every stored source marks in `year`, in the sources' order; a source that cannot be
// read becomes a message for the user. Empty, without reading any data, when no source is stored.
WorldSourceDays DaysOfWorldSources(int year, const QString& calendarLanguage);

}  // namespace morvessa::world
