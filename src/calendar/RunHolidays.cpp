#include "calendar/RunHolidays.h"

#include "calendar/StoredCalendars.h"
#include "holidays/HolidayEditing.h"
#include "holidays/world/WorldSources.h"
#include "settings/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <stdexcept>
#include <vector>

namespace morvessa {

QStringList UseRunHolidays(const RunHolidaysRequest& request, const QString& folder)
{
    // Everything is read before the store is touched: a bad code or file stops the run early.
    std::vector<world::WorldSource> countries;
    for (const QString& code : request.countries) {
        world::WorldSource source{world::OpenedPlace(code).Code(), request.kinds,
                                  request.englishNames ? QStringLiteral("en") : QString(), {}};
        countries.push_back(std::move(source));
    }
    // Each .ics file is linked for the run, read as it is now.
    for (const QString& path : request.icsFiles)
        (void)ReadCalendarFile(path);

    const QString copy = QDir(folder).filePath(QStringLiteral("settings.ini"));
    const QString original = SettingsFilePath();
    QFile::remove(copy);
    if (QFileInfo(original).isFile() && !QFile::copy(original, copy))
        throw std::runtime_error(
            QStringLiteral("The settings \"%1\" cannot be copied for this run").arg(original).toStdString());
    QFile::setPermissions(copy, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    SetSettingsFile(copy);

    QStringList lines;
    try {
        LoadHolidays();
        LoadRuleHolidays();
        for (const world::WorldSource& source : countries)
            lines.append(QStringLiteral("Added the %1 holidays of %2 (%3).")
                             .arg(source.kinds.join(QStringLiteral(", ")), world::AddWorldSource(source), source.code));
        SaveRuleHolidays();
        for (const QString& path : request.icsFiles) {
            const StoredCalendar calendar = ImportCalendar(path, true);
            lines.append(QFileInfo(path).fileName() + QStringLiteral(": ") +
                         CalendarImportSummary(calendar, ReadCalendarFile(path)));
        }
    } catch (...) {
        SetSettingsFile(original == DefaultSettingsFilePath() ? QString() : original);
        throw;
    }
    return lines;
}

}  // namespace morvessa
