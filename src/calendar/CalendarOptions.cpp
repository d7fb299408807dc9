#include "calendar/CalendarOptions.h"

#include "calendar/HolidayColours.h"

#include "calendar/WeekLayout.h"
#include "settings/SettingsStore.h"

namespace morvessa {

namespace {

// A value the store cannot give (a damaged file, a folder that cannot be read) counts as absent.
QString StoredText(const char* key)
{
    try {
        return ReadSetting(QString::fromLatin1(key), QString()).trimmed();
    } catch (...) {
        return {};
    }
}

}  // namespace

std::optional<WeekStartChoice> ParseWeekStart(const QString& text)
{
    const QString choice = text.trimmed().toLower();
    if (choice == QLatin1String("sun"))
        return WeekStartChoice::Sunday;
    if (choice == QLatin1String("mon"))
        return WeekStartChoice::Monday;
    if (choice == QLatin1String("sat"))
        return WeekStartChoice::Saturday;
    if (choice == QLatin1String("locale"))
        return WeekStartChoice::Locale;
    return std::nullopt;
}

QString WeekStartText(WeekStartChoice choice)
{
    switch (choice) {
    case WeekStartChoice::Monday:
        return QStringLiteral("mon");
    case WeekStartChoice::Saturday:
        return QStringLiteral("sat");
    case WeekStartChoice::Locale:
        return QStringLiteral("locale");
    case WeekStartChoice::Sunday:
        break;
    }
    return QStringLiteral("sun");
}

std::optional<PageChoice> ParsePageChoice(const QString& text)
{
    const QString choice = text.trimmed().toLower();
    if (choice == QLatin1String("months"))
        return PageChoice::Months;
    if (choice == QLatin1String("both"))
        return PageChoice::YearAndMonths;
    if (choice == QLatin1String("year"))
        return PageChoice::Year;
    return std::nullopt;
}

QString PageChoiceText(PageChoice choice)
{
    switch (choice) {
    case PageChoice::YearAndMonths:
        return QStringLiteral("both");
    case PageChoice::Year:
        return QStringLiteral("year");
    case PageChoice::Months:
        break;
    }
    return QStringLiteral("months");
}

std::optional<bool> ParsePortrait(const QString& text)
{
    const QString choice = text.trimmed().toLower();
    if (choice == QLatin1String("portrait"))
        return true;
    if (choice == QLatin1String("landscape"))
        return false;
    return std::nullopt;
}

QString OrientationText(bool portrait)
{
    return portrait ? QStringLiteral("portrait") : QStringLiteral("landscape");
}

int CalendarOptions::FirstWeekday() const
{
    switch (weekStart) {
    case WeekStartChoice::Monday:
        return kMonday;
    case WeekStartChoice::Saturday:
        return kSaturday;
    case WeekStartChoice::Locale:
        return language.WeekStart();
    case WeekStartChoice::Sunday:
        break;
    }
    return kSunday;
}

bool CalendarOptions::IsDefault() const
{
    return language.IsEnglish() && FirstWeekday() == kSunday && firstMonth == 1 && !weekNumbers &&
           pages == PageChoice::Months && !portrait && weekendColour == kNoColorIndex;
}

CalendarOptions StoredCalendarOptions()
{
    CalendarOptions options;
    // A value that is there but unusable is said once, by key; an absent one is the default.
    const auto unusable = [](const char* key, const QString& stored) {
        if (!stored.isEmpty())
            ReportInvalidSetting(QString::fromLatin1(key), stored);
    };
    const QString language = StoredText(key::CalendarLanguage);
    if (const auto chosen = CalendarLanguage::FromSetting(language))
        options.language = *chosen;
    else
        unusable(key::CalendarLanguage, language);
    const QString weekStart = StoredText(key::WeekStart);
    if (const auto chosen = ParseWeekStart(weekStart))
        options.weekStart = *chosen;
    else
        unusable(key::WeekStart, weekStart);
    const QString firstMonthText = StoredText(key::FirstMonth);
    bool ok = false;
    const int firstMonth = firstMonthText.toInt(&ok);
    if (ok && firstMonth >= 1 && firstMonth <= 12)
        options.firstMonth = firstMonth;
    else
        unusable(key::FirstMonth, firstMonthText);
    const QString weekNumbers = StoredText(key::WeekNumbers);
    options.weekNumbers = weekNumbers == QLatin1String("1");
    if (weekNumbers != QLatin1String("0"))
        unusable(key::WeekNumbers, weekNumbers);
    if (const auto pages = ParsePageChoice(StoredText(key::Pages)))
        options.pages = *pages;
    if (const auto portrait = ParsePortrait(StoredText(key::Orientation)))
        options.portrait = *portrait;
    options.weekendColour = StoredWeekendColour();
    return options;
}

QString LanguageSettingText(const CalendarLanguage& language, bool system)
{
    if (system)
        return CalendarLanguage::kSystemSetting;
    if (language.IsEnglish())
        return CalendarLanguage::kEnglishSetting;
    return language.Locale().name();
}

}  // namespace morvessa
