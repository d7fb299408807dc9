#include "holidays/HolidaySource.h"

#include <QStringList>

namespace morvessa {

namespace {
const QString kListsKey = QStringLiteral("lists");
const QString kCountryPrefix = QStringLiteral("country");
const QString kCalendarPrefix = QStringLiteral("calendar");
const QString kPublicKind = QStringLiteral("public");
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

QString HolidaySource::Label() const
{
    if (!name.isEmpty())
        return name;
    switch (origin) {
    case Origin::Country:
        return kind.isEmpty() || kind == kPublicKind ? code : QStringLiteral("%1 (%2)").arg(code, kind);
    case Origin::Calendar:
        return code;
    case Origin::Lists:
        break;
    }
    return QStringLiteral("Holidays");
}

}  // namespace morvessa
