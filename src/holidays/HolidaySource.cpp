#include "holidays/HolidaySource.h"

#include <QCoreApplication>
#include <QStringList>

#include <array>
#include <utility>

namespace morvessa {

namespace {
const QString kListsKey = QStringLiteral("lists");
const QString kCountryPrefix = QStringLiteral("country");
const QString kCalendarPrefix = QStringLiteral("calendar");
const QString kPublicKind = QStringLiteral("public");

// The kinds of a place's holidays other than the public ones, by the names the holiday data uses.
constexpr std::array<std::pair<const char*, const char*>, 4> kKindWords{{
    {"bank", QT_TRANSLATE_NOOP("CalendarWords", "bank")},
    {"optional", QT_TRANSLATE_NOOP("CalendarWords", "optional")},
    {"school", QT_TRANSLATE_NOOP("CalendarWords", "school")},
    {"observance", QT_TRANSLATE_NOOP("CalendarWords", "observance")},
}};
}  // namespace

HolidaySource HolidaySource::Country(const QString& code, const QString& kind)
{
    return {Origin::Country, code.trimmed().toUpper(), kind.trimmed().toLower(), {}};
}

HolidaySource HolidaySource::Calendar(const QString& name)
{
    return {Origin::Calendar, name.simplified(), {}, {}};
}

QString HolidaySource::Key() const
{
    switch (origin) {
    case Origin::Country:
        return kCountryPrefix + u':' + code + u':' + (kind.isEmpty() ? kPublicKind : kind);
    case Origin::Calendar:
        // The name is the rest of the key, colons and all.
        return kCalendarPrefix + u':' + code;
    case Origin::Lists:
        break;
    }
    return kListsKey;
}

std::optional<HolidaySource> HolidaySource::FromKey(const QString& key)
{
    if (key == kListsKey)
        return Lists();
    const qsizetype colon = key.indexOf(u':');
    if (colon < 0)
        return std::nullopt;
    const QString prefix = key.left(colon);
    const QString rest = key.mid(colon + 1);
    if (prefix == kCalendarPrefix && !rest.simplified().isEmpty())
        return Calendar(rest);
    if (prefix == kCountryPrefix) {
        const QStringList parts = rest.split(u':');
        if (parts.size() == 2 && !parts[0].trimmed().isEmpty() && !parts[1].trimmed().isEmpty())
            return Country(parts[0], parts[1]);
    }
    return std::nullopt;
}

QString HolidaySource::Label(const CalendarLanguage& language) const
{
    switch (origin) {
    case Origin::Lists:
        return name.isEmpty() ? language.Word(kHolidaysWord) : name;
    case Origin::Calendar:
        return name.isEmpty() ? code : name;
    case Origin::Country:
        break;
    }
    const QString place = name.isEmpty() ? code : name;
    if (kind.isEmpty() || kind == kPublicKind)
        return place;
    for (const auto& [data, word] : kKindWords) {
        if (kind == QLatin1String(data))
            return QStringLiteral("%1 (%2)").arg(place, language.Word(word));
    }
    return QStringLiteral("%1 (%2)").arg(place, kind);
}

}  // namespace morvessa
