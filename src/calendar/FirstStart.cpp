#include "calendar/FirstStart.h"

#include "calendar/CalendarOptions.h"
#include "core/CalendarLanguage.h"
#include "holidays/HolidayStoredForm.h"
#include "holidays/world/WorldSources.h"
#include "settings/SettingsStore.h"

namespace morvessa {

namespace {

constexpr QChar kTold = u'1';
const QString kEasterNo = QStringLiteral("2");

// The locale's country when the holiday data has it; empty otherwise.
QString CountryWithHolidays(const QLocale& system, const QString& dataFolder)
{
    const QString code = QLocale::territoryToCode(system.territory());
    if (code.size() != 2)
        return {};
    try {
        return world::OpenedPlace(code, dataFolder).Code();
    } catch (const world::WorldDataError&) {
        return {};
    }
}

bool NothingStored()
{
    QStringList keys = holiday_store::StoredHolidayKeys();
    keys << QString::fromLatin1(key::CalendarLanguage) << QString::fromLatin1(key::WeekStart)
         << QString::fromLatin1(world::key::WorldHolidaySources);
    return ReadSettings(keys).isEmpty();
}

}  // namespace

bool FollowSystemOnFirstStart(const QLocale& system, const QString& dataFolder)
{
    const bool plainUs = system.language() == QLocale::C ||
                         (system.language() == QLocale::English && system.territory() == QLocale::UnitedStates);
    if (plainUs || !NothingStored())
        return false;
    const QString country = CountryWithHolidays(system, dataFolder);
    SettingsEditLock lock;
    // Another copy of the program may have made its own first start meanwhile.
    if (!NothingStored())
        return false;
    SettingValues values{{QString::fromLatin1(key::CalendarLanguage), CalendarLanguage::kSystemSetting},
                         {QString::fromLatin1(key::WeekStart), WeekStartText(WeekStartChoice::Locale)}};
    if (!country.isEmpty()) {
        world::SaveWorldSources({world::WorldSource{country, {QStringLiteral("public")}, {}, {}}});
        // The country's data holds Easter where it is a holiday, named in the calendar's language.
        values.emplace_back(QString::fromLatin1(key::Easter), kEasterNo);
        values.emplace_back(QString::fromLatin1(key::EmptyHolidayLists), QString(kTold));
        holiday_store::AppendTableValues(values, HolidayTable(3), HolidayTable(4));
        values.emplace_back(QString::fromLatin1(key::FirstStartCountry), country);
    }
    WriteSettings(values);
    return true;
}

std::optional<FirstStartCountryChoice> UntoldFirstStartCountry(const QString& language)
{
    const QHash<QString, QString> stored = ReadSettings(
        {QString::fromLatin1(key::FirstStartCountry), QString::fromLatin1(key::FirstStartCountryTold)});
    const QString code = stored.value(QString::fromLatin1(key::FirstStartCountry));
    if (code.isEmpty() || stored.value(QString::fromLatin1(key::FirstStartCountryTold)) == kTold)
        return std::nullopt;
    // The country list names each country in the asked language, where the place's own data may not.
    const QString name = world::CountryName(code, language);
    return FirstStartCountryChoice{code, name.isEmpty() ? code : name};
}

void MarkFirstStartCountryTold()
{
    WriteSetting(QString::fromLatin1(key::FirstStartCountryTold), QString(kTold));
}

}  // namespace morvessa
