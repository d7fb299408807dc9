#pragma once
// Holidays for one run only (the batch tool's --country and --ics): the settings in use are copied into
// a private file, the holidays are added there (each .ics file as a calendar linked to the file), and
// the run reads that copy. The stored settings are
// never written.

#include <QString>
#include <QStringList>

namespace morvessa {

struct RunHolidaysRequest {
    QStringList countries;  // countries, states and regions: "DE", "DE-BY", "GB-SCT", any letter case
    QStringList kinds{QStringLiteral("public")};  // the kinds of their holidays to mark
    QStringList icsFiles;
    bool englishNames = false;  // else in the calendar's language, else the country's own
};

// Copies the current settings file (or nothing, for a store that does not exist yet) to
// `folder`/settings.ini, points the store at the copy and adds the requested holidays to it. Returns
// the lines to tell the user ("Added the public holidays of Bavaria, Germany (DE-BY)."). Throws std::runtime_error (an unknown
// code, an unreadable .ics, a copy that fails) before anything is added; the store then still points
// where it did.
QStringList UseRunHolidays(const RunHolidaysRequest& request, const QString& folder);

}  // namespace morvessa
