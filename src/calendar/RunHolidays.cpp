#include "calendar/RunHolidays.h"

#include "calendar/StoredCalendars.h"
#include "holidays/CountryPresets.h"
#include "holidays/HolidayEditing.h"
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
    std::vector<CountryPreset> countries;
    for (const QString& code : request.countries)
        countries.push_back(LoadCountryPreset(code));
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
        for (const CountryPreset& country : countries) {
            std::vector<HolidayRule> rules = RuleHolidays();
            const AddedHolidays added = AddCountryHolidays(
                rules, country, request.englishNames ? PresetNames::English : PresetNames::Local);
            RuleHolidays() = std::move(rules);
            QString line =
                QStringLiteral("Added %1 holidays of %2").arg(added.added).arg(country.englishName);
            if (added.skipped > 0)
                line += QStringLiteral("; %1 were already there").arg(added.skipped);
            lines.append(line + u'.');
        }
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
