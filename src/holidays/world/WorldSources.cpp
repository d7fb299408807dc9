#include "holidays/world/WorldSources.h"

#include "settings/SettingsStore.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <map>
#include <memory>
#include <mutex>

namespace morvessa::world {

namespace {

QJsonArray ToArray(const QStringList& list)
{
    return QJsonArray::fromStringList(list);
}

QStringList FromArray(const QJsonValue& value)
{
    QStringList list;
    for (const QJsonValue& item : value.toArray())
        list.append(item.toString());
    return list;
}

WorldSource FromJson(const QJsonObject& object)
{
    WorldSource source;
    source.code = object.value(QStringLiteral("code")).toString();
    if (object.contains(QStringLiteral("kinds")))
        source.kinds = FromArray(object.value(QStringLiteral("kinds")));
    source.language = object.value(QStringLiteral("language")).toString();
    source.hiddenRules = FromArray(object.value(QStringLiteral("hidden")));
    return source;
}

QJsonObject ToJson(const WorldSource& source)
{
    QJsonObject object{{QStringLiteral("code"), source.code}, {QStringLiteral("kinds"), ToArray(source.kinds)}};
    if (!source.language.isEmpty())
        object.insert(QStringLiteral("language"), source.language);
    if (!source.hiddenRules.isEmpty())
        object.insert(QStringLiteral("hidden"), ToArray(source.hiddenRules));
    return object;
}

WorldSource& At(std::vector<WorldSource>& sources, std::size_t index)
{
    if (index >= sources.size())
        throw WorldDataError("No such holiday source");
    return sources[index];
}

}  // namespace

std::vector<WorldSource> StoredWorldSources()
{
    const QString text = ReadSetting(QString::fromLatin1(key::WorldHolidaySources), QString());
    std::vector<WorldSource> sources;
    if (text.isEmpty())
        return sources;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8(), &error);
    if (!document.isArray())
        throw WorldDataError(
            QCoreApplication::translate("WorldHolidays", "The stored list of holiday sources (%1) cannot be read: %2")
                .arg(QLatin1String(key::WorldHolidaySources), error.errorString())
                .toStdString());
    for (const QJsonValue& value : document.array())
        sources.push_back(FromJson(value.toObject()));
    return sources;
}

void SaveWorldSources(const std::vector<WorldSource>& sources)
{
    QJsonArray list;
    for (const WorldSource& source : sources)
        list.append(ToJson(source));
    WriteSetting(QString::fromLatin1(key::WorldHolidaySources),
                 sources.empty() ? QString() : QString::fromUtf8(QJsonDocument(list).toJson(QJsonDocument::Compact)));
}

QString AddWorldSource(const WorldSource& source)
{
    const PlaceHolidays& place = OpenedPlace(source.code);
    for (const QString& kind : source.kinds)
        if (!KindFromName(kind))
            throw WorldDataError(QCoreApplication::translate("WorldHolidays", "\"%1\" is no kind of holiday").arg(kind).toStdString());
    SettingsEditLock lock;
    std::vector<WorldSource> sources = StoredWorldSources();
    WorldSource stored = source;
    stored.code = place.Code();
    sources.push_back(stored);
    SaveWorldSources(sources);
    return SourceTitle(stored, QStringLiteral("en"));
}

WorldSource RemoveWorldSource(std::size_t index)
{
    SettingsEditLock lock;
    std::vector<WorldSource> sources = StoredWorldSources();
    const WorldSource removed = At(sources, index);
    sources.erase(sources.begin() + std::ptrdiff_t(index));
    SaveWorldSources(sources);
    return removed;
}

void RestoreWorldSource(std::size_t index, const WorldSource& source)
{
    SettingsEditLock lock;
    std::vector<WorldSource> sources = StoredWorldSources();
    sources.insert(sources.begin() + std::ptrdiff_t(std::min(index, sources.size())), source);
    SaveWorldSources(sources);
}

void SetWorldHolidayHidden(std::size_t index, const QString& rule, bool hidden)
{
    SettingsEditLock lock;
    std::vector<WorldSource> sources = StoredWorldSources();
    QStringList& rules = At(sources, index).hiddenRules;
    rules.removeAll(rule);
    if (hidden)
        rules.append(rule);
    SaveWorldSources(sources);
}

const PlaceHolidays& OpenedPlace(const QString& code, const QString& folder)
{
    static std::mutex mutex;
    static std::map<QString, std::unique_ptr<PlaceHolidays>> opened;
    const std::lock_guard guard(mutex);
    const QString key = folder + u'|' + code.trimmed().toUpper();
    auto& slot = opened[key];
    if (!slot) {
        try {
            slot = std::make_unique<PlaceHolidays>(PlaceHolidays::Open(code, folder));
        } catch (...) {
            opened.erase(key);
            throw;
        }
    }
    return *slot;
}

QString SourceTitle(const WorldSource& source, const QString& language)
{
    const QStringList path = source.code.split(u'-');
    QStringList names;
    for (qsizetype i = path.size(); i >= 1; --i) {
        try {
            names.append(OpenedPlace(path.first(i).join(u'-')).Name(language));
        } catch (const WorldDataError&) {
            names.append(path.first(i).join(u'-'));
        }
    }
    return names.join(QStringLiteral(", "));
}

std::vector<WorldSourceDay> DaysOfSource(const WorldSource& source, int year, const QString& calendarLanguage,
                                         bool withHidden)
{
    const PlaceHolidays& place = OpenedPlace(source.code);
    const QString language = source.language.isEmpty() ? calendarLanguage : source.language;
    std::vector<WorldSourceDay> days;
    for (const WorldHoliday& holiday : place.Holidays(year, language)) {
        if (!source.kinds.contains(KindName(holiday.kind)))
            continue;
        if (!withHidden && source.hiddenRules.contains(holiday.rule))
            continue;
        for (int i = 0; i < holiday.days; ++i) {
            const QDate day = holiday.date.addDays(i);
            if (day.year() == year)
                days.push_back({day, holiday.name, holiday.rule, holiday.kind, 0});
        }
    }
    return days;
}

WorldSourceDays DaysOfWorldSources(int year, const QString& calendarLanguage)
{
    WorldSourceDays result;
    std::vector<WorldSource> sources;
    try {
        sources = StoredWorldSources();
    } catch (const WorldDataError& error) {
        result.problems.append(QString::fromUtf8(error.what()));
        return result;
    }
    for (std::size_t i = 0; i < sources.size(); ++i) {
        try {
            const QString title = SourceTitle(sources[i], calendarLanguage);
            for (WorldSourceDay day : DaysOfSource(sources[i], year, calendarLanguage)) {
                day.source = int(i);
                day.title = title;
                result.days.push_back(std::move(day));
            }
        } catch (const WorldDataError& error) {
            result.problems.append(QString::fromUtf8(error.what()));
        }
    }
    return result;
}

}  // namespace morvessa::world
