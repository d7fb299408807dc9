#include "holidays/world/WorldHolidays.h"

#include "holidays/world/RuleEvaluator.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>

#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <array>
#include <map>

namespace morvessa::world {

namespace {

constexpr std::array<const char*, kKindCount> kKindNames{"public", "bank", "optional", "school", "observance"};
const QString kIndexFile = QStringLiteral("index.json");
const QString kEnglish = QStringLiteral("en");
// A data file bigger than this is not one of ours.
constexpr qint64 kMostBytes = 16 * 1024 * 1024;

QJsonObject ReadJson(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw WorldDataError(QCoreApplication::translate("WorldHolidays", "The holiday data %1 cannot be read: %2")
                                 .arg(QDir::toNativeSeparators(path), file.errorString())
                                 .toStdString());
    if (file.size() > kMostBytes)
        throw WorldDataError(
            QCoreApplication::translate("WorldHolidays", "The holiday data %1 is too large").arg(QDir::toNativeSeparators(path)).toStdString());
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (!document.isObject())
        throw WorldDataError(QCoreApplication::translate("WorldHolidays", "The holiday data %1 is damaged: %2")
                                 .arg(QDir::toNativeSeparators(path), error.errorString())
                                 .toStdString());
    return document.object();
}

QJsonObject IndexOf(const QString& folder)
{
    return ReadJson(QDir(folder).filePath(kIndexFile));
}

// A place's names: {"de": "Bayern", "en": "Bavaria"} or, in the data's short form, one local name.
QJsonObject NamesOf(const QJsonObject& node)
{
    if (node.value(QStringLiteral("names")).isObject())
        return node.value(QStringLiteral("names")).toObject();
    QJsonObject names;
    names.insert(QString(), node.value(QStringLiteral("name")).toString());
    return names;
}

QString PickName(const QJsonObject& names, const QStringList& languages)
{
    for (const QString& language : languages)
        if (!language.isEmpty() && names.contains(language))
            return names.value(language).toString();
    return names.isEmpty() ? QString() : names.begin()->toString();
}

// Overlays `top` on `base`: attributes of a rule both have are merged, "false" removes a rule.
void Overlay(std::vector<std::pair<QString, QJsonValue>>& days, const QJsonObject& top)
{
    for (auto it = top.begin(); it != top.end(); ++it) {
        auto there = std::find_if(days.begin(), days.end(), [&](const auto& d) { return d.first == it.key(); });
        if (it.value().isBool() && !it.value().toBool()) {
            if (there != days.end())
                days.erase(there);
            continue;
        }
        if (there == days.end()) {
            days.emplace_back(it.key(), it.value());
            continue;
        }
        // A place restates the day whole (its kind defaults to public again), keeping only the
        // names of its country's day when it gives none of its own.
        QJsonObject overlay = it.value().toObject();
        const QJsonObject base = there->second.toObject();
        if (!overlay.contains(QStringLiteral("name"))) {
            for (const QString& key : {QStringLiteral("name"), QStringLiteral("_name")})
                if (base.contains(key) && !overlay.contains(key))
                    overlay.insert(key, base.value(key));
        }
        there->second = overlay;
    }
}

class CountryFile {
public:
    explicit CountryFile(QJsonObject file) : file_(std::move(file)) {}

    QJsonObject Country(const QString& code) const
    {
        if (code == file_.value(QStringLiteral("code")).toString())
            return file_.value(QStringLiteral("country")).toObject();
        return file_.value(QStringLiteral("others")).toObject().value(code).toObject();
    }

    // The node of a path such as {"DE", "BY", "A"}, empty when there is none.
    QJsonObject Node(const QStringList& path) const
    {
        QJsonObject node = Country(path.value(0));
        for (qsizetype i = 1; i < path.size() && !node.isEmpty(); ++i) {
            QJsonObject next;
            // The data's codes of states and regions are mostly upper case, a few not ("US-la").
            for (const char* kind : {"states", "regions"}) {
                const QJsonObject children = node.value(QLatin1String(kind)).toObject();
                for (auto it = children.begin(); it != children.end() && next.isEmpty(); ++it)
                    if (it.key().compare(path[i], Qt::CaseInsensitive) == 0)
                        next = it.value().toObject();
            }
            node = next;
        }
        return node;
    }

    // A place's days: its country's, overlaid by each state and region on the way, each after the
    // days of the place it refers to with "_days".
    void Days(const QStringList& path, std::vector<std::pair<QString, QJsonValue>>& days, int depth = 0) const
    {
        if (depth > 8)  // "_days" that refer round in a circle
            throw WorldDataError(
                QCoreApplication::translate("WorldHolidays", "The holiday data refers round in a circle").toStdString());
        for (qsizetype i = 1; i <= path.size(); ++i) {
            const QJsonObject node = Node(path.first(i));
            const QJsonValue refer = node.value(QStringLiteral("_days"));
            if (refer.isString() || refer.isArray()) {
                QStringList other;
                if (refer.isString())
                    other.append(refer.toString());
                for (const QJsonValue& part : refer.toArray())
                    if (part.toString() != QLatin1String("states") && part.toString() != QLatin1String("regions"))
                        other.append(part.toString());
                Days(other, days, depth + 1);
            }
            Overlay(days, node.value(QStringLiteral("days")).toObject());
        }
    }

    QJsonObject Refs() const { return file_.value(QStringLiteral("refs")).toObject(); }

private:
    QJsonObject file_;
};

QDate DateOf(const QJsonValue& value)
{
    if (value.isDouble())  // a year alone
        return QDate(value.toInt(), 1, 1);
    const QString text = value.toString();
    // "2019-01-01" or "2019-01-01 00:00"; the day is what matters here.
    return QDate::fromString(text.left(10), Qt::ISODate);
}

std::vector<QDate> DateList(const QJsonValue& value)
{
    std::vector<QDate> dates;
    for (const QJsonValue& item : value.toArray())
        if (const QDate date = DateOf(item); date.isValid())
            dates.push_back(date);
    return dates;
}

QString DataFolderBeside(const QString& programFolder)
{
    const QDir program(programFolder);
    // Beside the program (the build tree), in the installed data folder, or, for the test programs
    // of the build tree, beside the programs they test.
    for (const QString& candidate : {program.filePath(QStringLiteral("holidays")),
                                     program.filePath(QStringLiteral("../share/morvessa/holidays")),
                                     program.filePath(QStringLiteral("../bin/holidays"))})
        if (QFile::exists(QDir(candidate).filePath(kIndexFile)))
            return QDir::cleanPath(candidate);
    return QDir::cleanPath(program.filePath(QStringLiteral("holidays")));
}

// A country's name in `language` from ICU's locale data, where the holiday data has none in it
// (a German user looks for "Brasilien", not "Brasil"); empty when ICU does not know the country.
QString IcuCountryName(const QString& code, const QString& language)
{
    if (language.isEmpty() || code.size() != 2)
        return {};
    icu::UnicodeString name;
    icu::Locale(nullptr, code.toLatin1().constData()).getDisplayCountry(icu::Locale(language.toLatin1().constData()),
                                                                        name);
    const QString text = QString::fromUtf16(reinterpret_cast<const char16_t*>(name.getBuffer()), name.length());
    return text.compare(code, Qt::CaseInsensitive) == 0 ? QString() : text;
}

std::vector<Place> PlacesOf(const QJsonObject& nodes, const QString& prefix, const QString& language,
                            bool deep)
{
    std::vector<Place> places;
    for (auto it = nodes.begin(); it != nodes.end(); ++it) {
        const QJsonObject node = it.value().toObject();
        const QJsonObject names = node.value(QStringLiteral("names")).toObject();
        const QString code = prefix.isEmpty() ? it.key() : prefix + u'-' + it.key();
        const QStringList local = {node.value(QStringLiteral("langs")).toArray().first().toString(), QString()};
        QString name = names.contains(language) ? names.value(language).toString() : QString();
        if (name.isEmpty() && prefix.isEmpty())
            name = IcuCountryName(code, language);
        if (name.isEmpty())
            name = PickName(names, {local[0], kEnglish, QString()});
        places.push_back({code, name, PickName(names, {kEnglish, local[0], QString()})});
        if (deep)
            for (const char* kind : {"states", "regions"}) {
                std::vector<Place> inner =
                    PlacesOf(node.value(QLatin1String(kind)).toObject(), code, language, true);
                places.insert(places.end(), inner.begin(), inner.end());
            }
    }
    return places;
}

}  // namespace

QString KindName(HolidayKind kind) { return QLatin1String(kKindNames[static_cast<size_t>(kind)]); }

std::optional<HolidayKind> KindFromName(const QString& name)
{
    for (size_t i = 0; i < kKindNames.size(); ++i)
        if (name == QLatin1String(kKindNames[i]))
            return static_cast<HolidayKind>(i);
    return std::nullopt;
}

QString DefaultDataFolder()
{
    const QByteArray override = qgetenv("MORVESSA_HOLIDAY_DATA");
    if (!override.isEmpty())
        return QString::fromLocal8Bit(override);
    // Before the application object exists (--version), the program's own path tells where it is.
    if (!QCoreApplication::instance())
        return DataFolderBeside(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath());
    return DataFolderBeside(QCoreApplication::applicationDirPath());
}

QString DataDescription(const QString& folder)
{
    try {
        return QStringLiteral("date-holidays %1").arg(IndexOf(folder).value(QStringLiteral("version")).toString());
    } catch (const WorldDataError&) {
        return QStringLiteral("date-holidays (not installed)");
    }
}

std::vector<Place> Countries(const QString& folder, const QString& language)
{
    return PlacesOf(IndexOf(folder).value(QStringLiteral("countries")).toObject(), QString(), language, false);
}

QString CountryName(const QString& code, const QString& language, const QString& folder)
{
    for (const Place& place : Countries(folder, language))
        if (place.code.compare(code, Qt::CaseInsensitive) == 0)
            return place.name;
    return {};
}

std::vector<Place> Subdivisions(const QString& country, const QString& folder, const QString& language)
{
    const QString code = country.trimmed().toUpper();
    const QJsonObject countries = IndexOf(folder).value(QStringLiteral("countries")).toObject();
    if (!countries.contains(code))
        throw WorldDataError(QCoreApplication::translate("WorldHolidays", "No holidays are known for the country \"%1\"").arg(country).toStdString());
    const QJsonObject node = countries.value(code).toObject();
    std::vector<Place> places;
    for (const char* kind : {"states", "regions"}) {
        std::vector<Place> inner = PlacesOf(node.value(QLatin1String(kind)).toObject(), code, language, true);
        places.insert(places.end(), inner.begin(), inner.end());
    }
    return places;
}

PlaceHolidays PlaceHolidays::Open(const QString& code, const QString& folder)
{
    const QStringList path = code.trimmed().toUpper().split(u'-');
    static const QRegularExpression countryCode(QStringLiteral("^[A-Z]{2}$"));
    const QString file = QDir(folder).filePath(path[0] + QStringLiteral(".json"));
    if (!countryCode.match(path[0]).hasMatch() || !QFile::exists(file))
        throw WorldDataError(
            QCoreApplication::translate("WorldHolidays",
                                        "No holidays are known for \"%1\" (morvessa-batch --list-countries lists the codes)")
                .arg(code)
                .toStdString());
    const CountryFile country(ReadJson(file));
    const QJsonObject node = country.Node(path);
    if (node.isEmpty())
        throw WorldDataError(
            QCoreApplication::translate("WorldHolidays", "No holidays are known for \"%1\" (morvessa-batch --list-countries "
                                                        "%2 lists its states and regions)")
                .arg(code, path[0])
                .toStdString());

    PlaceHolidays place;
    place.code_ = path.join(u'-');
    place.placeNames_ = NamesOf(node);
    // A state may speak other languages than its country (Fribourg French, Switzerland German first).
    for (qsizetype i = path.size(); i >= 1 && place.languages_.isEmpty(); --i)
        for (const QJsonValue& language : country.Node(path.first(i)).value(QStringLiteral("langs")).toArray())
            place.languages_.append(language.toString());
    const QJsonObject refs = country.Refs();
    place.substituteWord_ = refs.value(QStringLiteral("substitutes")).toObject().value(QStringLiteral("name")).toObject();

    std::vector<std::pair<QString, QJsonValue>> days;
    country.Days(path, days);
    for (const auto& [text, value] : days) {
        const QJsonObject attributes = value.toObject();
        Entry entry;
        try {
            entry.rule = ParseRule(text);
        } catch (const RuleGrammarError& error) {
            // A form a newer data version brings costs that one holiday, not the whole place.
            place.unreadRules_.append(QString::fromUtf8(error.what()));
            continue;
        }
        // A name given as one text, or a reference the shared names lack, is the name in every
        // language, and the data's evaluator adds no word for a substitute day to it.
        const QString local = place.languages_.value(0, kEnglish);
        const QString ref = attributes.value(QStringLiteral("_name")).toString();
        if (refs.contains(ref))
            entry.names = refs.value(ref).toObject().value(QStringLiteral("name")).toObject();
        else if (!ref.isEmpty())
            entry.names.insert(local, ref);
        const QJsonValue own = attributes.value(QStringLiteral("name"));
        entry.oneText = own.isString() || (!ref.isEmpty() && !refs.contains(ref) && !own.isObject());
        if (own.isString())
            entry.names = QJsonObject{{local, own}};
        const QJsonObject ownNames = own.toObject();
        for (auto it = ownNames.begin(); it != ownNames.end(); ++it)
            entry.names.insert(it.key(), it.value());
        // The data's evaluator leaves out a day of a kind it does not know (e.g. "Observance").
        const QJsonValue type = attributes.value(QStringLiteral("type"));
        const auto kind = type.isUndefined() ? std::optional(HolidayKind::Public) : KindFromName(type.toString());
        if (!kind)
            continue;
        entry.kind = *kind;
        entry.substituteName = attributes.value(QStringLiteral("substitute")).toBool();
        for (const QJsonValue& range : attributes.value(QStringLiteral("active")).toArray()) {
            const QJsonObject r = range.toObject();
            entry.active.emplace_back(DateOf(r.value(QStringLiteral("from"))), DateOf(r.value(QStringLiteral("to"))));
        }
        entry.disabled = DateList(attributes.value(QStringLiteral("disable")));
        entry.enabled = DateList(attributes.value(QStringLiteral("enable")));
        place.entries_.push_back(std::move(entry));
    }
    return place;
}

QString PlaceHolidays::NameIn(const QJsonObject& names, const QString& language) const
{
    return PickName(names, {language, languages_.value(0), kEnglish, QString()});
}

QString PlaceHolidays::Name(const QString& language) const { return NameIn(placeNames_, language); }

std::vector<WorldHoliday> PlaceHolidays::Holidays(int year, const QString& language) const
{
    struct Found {
        WorldHoliday holiday;
        const Entry* entry;
    };
    std::vector<Found> found;
    for (const Entry& entry : entries_) {
        const bool wide = CanLeaveItsYear(entry.rule);
        for (int y = wide ? year - 1 : year; y <= (wide ? year + 1 : year); ++y) {
            for (RuleDay day : EvaluateRule(entry.rule, y, false)) {
                // The data moves single dates (disable one, enable another in its place); a moved
                // date stands whatever the rule's own years say ("prior to 2050").
                const auto disabled = std::find(entry.disabled.begin(), entry.disabled.end(), day.date);
                if (disabled != entry.disabled.end()) {
                    const auto index = disabled - entry.disabled.begin();
                    if (index >= static_cast<qsizetype>(entry.enabled.size()))
                        continue;
                    day.date = entry.enabled[index];
                } else if (!InForce(entry.rule, day.date)) {
                    continue;
                }
                if (day.date.year() != year)
                    continue;
                if (!entry.active.empty() &&
                    std::none_of(entry.active.begin(), entry.active.end(), [&](const auto& range) {
                        return (!range.first.isValid() || day.date >= range.first) &&
                               (!range.second.isValid() || day.date < range.second);
                    }))
                    continue;
                WorldHoliday holiday;
                holiday.date = day.date;
                holiday.days = day.days;
                holiday.startMinutes = day.startMinutes;
                holiday.kind = entry.kind;
                holiday.substitute = day.substitute && entry.substituteName;
                holiday.rule = entry.rule.text;
                found.push_back({holiday, &entry});
            }
        }
    }

    // Conditions on the other holidays: bridge days, and days that move off another holiday.
    auto heldBy = [&](const QDate& date, const QString& type, const Entry* except) {
        const auto kind = KindFromName(type);
        return std::any_of(found.begin(), found.end(), [&](const Found& f) {
            return f.entry != except && f.holiday.date == date && (!kind || f.holiday.kind == *kind);
        });
    };
    std::vector<Found> kept;
    for (Found f : found) {
        const Rule& rule = f.entry->rule;
        if (!rule.bridgeDays.empty() &&
            !std::all_of(rule.bridgeDays.begin(), rule.bridgeDays.end(), [&](const QDate& md) {
                return heldBy(QDate(year, md.month(), md.day()), rule.bridgeType, f.entry);
            }))
            continue;
        if (rule.collision && heldBy(f.holiday.date, rule.collision->type, f.entry)) {
            const QDate moved = f.holiday.date.addDays(1);
            f.holiday.date = rule.collision->next
                                 ? moved.addDays((rule.collision->to - moved.dayOfWeek() + 7) % 7)
                                 : f.holiday.date.addDays(-1 - (f.holiday.date.addDays(-1).dayOfWeek() -
                                                                 rule.collision->to + 7) % 7);
        }
        kept.push_back(f);
    }

    // A place that restates its country's holiday under another rule has it once, of the weightier
    // kind (public before bank ... before observance); "the same" is judged on the English name so
    // that every language gives the same days.
    std::vector<Found> unique;
    auto key = [&](const Found& f) { return NameIn(f.entry->names, kEnglish) + (f.holiday.substitute ? u'+' : u'-'); };
    for (const Found& f : kept) {
        const auto same = std::find_if(unique.begin(), unique.end(), [&](const Found& u) {
            return u.holiday.date == f.holiday.date && u.holiday.startMinutes == f.holiday.startMinutes &&
                   key(u) == key(f);
        });
        if (same == unique.end())
            unique.push_back(f);
        else if (f.holiday.kind < same->holiday.kind)
            *same = f;
    }

    std::vector<WorldHoliday> holidays;
    for (Found& f : unique) {
        f.holiday.name = NameIn(f.entry->names, language);
        if (f.holiday.substitute && !f.entry->oneText) {
            const QString word = NameIn(substituteWord_, language);
            if (!word.isEmpty())
                f.holiday.name += QStringLiteral(" (%1)").arg(word);
        }
        holidays.push_back(std::move(f.holiday));
    }
    std::stable_sort(holidays.begin(), holidays.end(),
                     [](const WorldHoliday& a, const WorldHoliday& b) { return a.date < b.date; });
    return holidays;
}

}  // namespace morvessa::world
