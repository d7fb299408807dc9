#include "holidays/HolidayRules.h"

#include "core/CalendarNames.h"
#include "holidays/HolidayCatalogue.h"
#include "settings/SettingsStore.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QRegularExpression>
#include <QStringList>

#include <array>
#include <stdexcept>

namespace morvessa {

namespace {

std::vector<HolidayRule> g_rules;

constexpr std::array<const char*, 7> kWeekdayTokens = {"sun", "mon", "tue", "wed", "thu", "fri", "sat"};
[[noreturn]] void Fail(const QString& text, const QString& why)
{
    throw HolidayRuleError(QStringLiteral("The rule \"%1\" cannot be read: %2").arg(text, why).toStdString());
}

int WeekdayOfToken(const QString& text, const QString& token)
{
    for (std::size_t i = 0; i < kWeekdayTokens.size(); ++i)
        if (token.compare(QLatin1String(kWeekdayTokens[i]), Qt::CaseInsensitive) == 0)
            return static_cast<int>(i) + 1;
    Fail(text, QStringLiteral("\"%1\" is not a weekday (sun, mon, ... sat)").arg(token));
}

int NumberOf(const QString& text, const QString& token, int low, int high, const char* what)
{
    bool ok = false;
    const int value = token.toInt(&ok);
    if (!ok || value < low || value > high)
        Fail(text, QStringLiteral("the %1 \"%2\" is not a whole number from %3 to %4")
                       .arg(QLatin1String(what), token)
                       .arg(low)
                       .arg(high));
    return value;
}

int DaysInMonthOfAnyYear(int month)
{
    static constexpr std::array<int, 12> days = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return days[static_cast<std::size_t>(month - 1)];
}

// "MM-DD" into month and day (29 February allowed).
void ReadMonthDay(const QString& text, const QString& token, int& month, int& day)
{
    const QStringList parts = token.split(u'-');
    if (parts.size() != 2)
        Fail(text, QStringLiteral("\"%1\" is not a month-day date such as 12-25").arg(token));
    month = NumberOf(text, parts[0], 1, 12, "month");
    day = NumberOf(text, parts[1], 1, DaysInMonthOfAnyYear(month), "day");
}

bool IsLeap(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

QString TwoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

QString MonthDayText(int month, int day)
{
    return TwoDigits(month) + u'-' + TwoDigits(day);
}

QString ObservedToken(HolidayRule::Observed observed)
{
    switch (observed) {
    case HolidayRule::Observed::SaturdayToFridaySundayToMonday:
        return QStringLiteral(" observe=us");
    case HolidayRule::Observed::NextFreeWeekday:
        return QStringLiteral(" observe=next");
    case HolidayRule::Observed::SundayToNextFreeWeekday:
        return QStringLiteral(" observe=sunday");
    case HolidayRule::Observed::None:
        break;
    }
    return QString();
}

// The description's words, translated under "HolidayRules" (the forms a sentence uses, such as
// French "lundi" and "mai"); English, as in the sheets, without a translation.
constexpr char kContext[] = "HolidayRules";

QString Tr(const char* text)
{
    return QCoreApplication::translate(kContext, text);
}

QString WeekdayText(int weekday)
{
    static constexpr std::array<const char*, 7> names = {
        QT_TRANSLATE_NOOP("HolidayRules", "Sunday"),   QT_TRANSLATE_NOOP("HolidayRules", "Monday"),
        QT_TRANSLATE_NOOP("HolidayRules", "Tuesday"),  QT_TRANSLATE_NOOP("HolidayRules", "Wednesday"),
        QT_TRANSLATE_NOOP("HolidayRules", "Thursday"), QT_TRANSLATE_NOOP("HolidayRules", "Friday"),
        QT_TRANSLATE_NOOP("HolidayRules", "Saturday")};
    (void)WeekdayName(weekday);  // the range check and its message
    return Tr(names[static_cast<std::size_t>(weekday - 1)]);
}

QString MonthText(int month)
{
    static constexpr std::array<const char*, 12> names = {
        QT_TRANSLATE_NOOP("HolidayRules", "January"),   QT_TRANSLATE_NOOP("HolidayRules", "February"),
        QT_TRANSLATE_NOOP("HolidayRules", "March"),     QT_TRANSLATE_NOOP("HolidayRules", "April"),
        QT_TRANSLATE_NOOP("HolidayRules", "May"),       QT_TRANSLATE_NOOP("HolidayRules", "June"),
        QT_TRANSLATE_NOOP("HolidayRules", "July"),      QT_TRANSLATE_NOOP("HolidayRules", "August"),
        QT_TRANSLATE_NOOP("HolidayRules", "September"), QT_TRANSLATE_NOOP("HolidayRules", "October"),
        QT_TRANSLATE_NOOP("HolidayRules", "November"),  QT_TRANSLATE_NOOP("HolidayRules", "December")};
    (void)MonthName(month);  // the range check and its message
    return Tr(names[static_cast<std::size_t>(month - 1)]);
}

QString Ordinal(int n)
{
    static constexpr std::array<const char*, 6> ordinals = {
        QT_TRANSLATE_NOOP("HolidayRules", "1st"), QT_TRANSLATE_NOOP("HolidayRules", "2nd"),
        QT_TRANSLATE_NOOP("HolidayRules", "3rd"), QT_TRANSLATE_NOOP("HolidayRules", "4th"),
        QT_TRANSLATE_NOOP("HolidayRules", "5th"), QT_TRANSLATE_NOOP("HolidayRules", "Last")};
    if (n != HolidayRule::kLast && (n < 1 || n > 5))
        throw std::out_of_range("Subscript out of range");
    return Tr(ordinals[static_cast<std::size_t>(n == HolidayRule::kLast ? 5 : n - 1)]);
}

}  // namespace

bool HolidayRule::InForce(int year) const
{
    if (kind == Kind::Dated)
        return year == this->year;
    return (firstYear == 0 || year >= firstYear) && (lastYear == 0 || year <= lastYear);
}

QString RuleText(const HolidayRule& rule)
{
    QString text;
    switch (rule.kind) {
    case HolidayRule::Kind::Fixed:
        text = QStringLiteral("fixed ") + MonthDayText(rule.month, rule.day) + ObservedToken(rule.observed);
        break;
    case HolidayRule::Kind::NthWeekday:
        text = (rule.occurrence == HolidayRule::kLast ? QStringLiteral("last")
                                                      : QStringLiteral("nth %1").arg(rule.occurrence)) +
               u' ' + QLatin1String(kWeekdayTokens[static_cast<std::size_t>(rule.weekday - 1)]) + u' ' +
               TwoDigits(rule.month);
        break;
    case HolidayRule::Kind::EasterOffset:
        text = QStringLiteral("easter %1%2")
                   .arg(rule.offset < 0 ? QString() : QStringLiteral("+"))
                   .arg(rule.offset);
        break;
    case HolidayRule::Kind::WeekdayOnOrAfter:
    case HolidayRule::Kind::WeekdayOnOrBefore:
        text = QLatin1String(kWeekdayTokens[static_cast<std::size_t>(rule.weekday - 1)]) +
               (rule.kind == HolidayRule::Kind::WeekdayOnOrAfter ? QStringLiteral(" on-or-after ")
                                                                 : QStringLiteral(" on-or-before ")) +
               MonthDayText(rule.month, rule.day);
        break;
    case HolidayRule::Kind::Dated:
        return QStringLiteral("date %1-%2")
            .arg(rule.year, 4, 10, QLatin1Char('0'))
            .arg(MonthDayText(rule.month, rule.day));
    }
    if (rule.firstYear != 0)
        text += QStringLiteral(" from %1").arg(rule.firstYear);
    if (rule.lastYear != 0)
        text += QStringLiteral(" until %1").arg(rule.lastYear);
    return text;
}

HolidayRule ParseRuleText(const QString& text)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    QStringList words = text.trimmed().split(blanks, Qt::SkipEmptyParts);
    if (words.isEmpty())
        Fail(text, QStringLiteral("it is empty"));
    HolidayRule rule;

    // Years in force come last, in either order.
    while (words.size() >= 2 && (words[words.size() - 2] == QLatin1String("from") ||
                                 words[words.size() - 2] == QLatin1String("until"))) {
        const int year = NumberOf(text, words.last(), 1583, 9999, "year");
        (words[words.size() - 2] == QLatin1String("from") ? rule.firstYear : rule.lastYear) = year;
        words.resize(words.size() - 2);
    }
    if (rule.firstYear != 0 && rule.lastYear != 0 && rule.lastYear < rule.firstYear)
        Fail(text, QStringLiteral("it ends before it starts"));
    if (words.isEmpty())
        Fail(text, QStringLiteral("it names no date"));

    const QString kind = words[0].toLower();
    const auto expectWords = [&](qsizetype low, qsizetype high) {
        if (words.size() < low || words.size() > high)
            Fail(text, QStringLiteral("a \"%1\" rule takes %2 words").arg(kind).arg(low));
    };
    if (kind == QLatin1String("fixed")) {
        expectWords(2, 3);
        ReadMonthDay(text, words[1], rule.month, rule.day);
        if (words.size() == 3) {
            const QString observe = words[2].toLower();
            if (observe == QLatin1String("observe=us"))
                rule.observed = HolidayRule::Observed::SaturdayToFridaySundayToMonday;
            else if (observe == QLatin1String("observe=next"))
                rule.observed = HolidayRule::Observed::NextFreeWeekday;
            else if (observe == QLatin1String("observe=sunday"))
                rule.observed = HolidayRule::Observed::SundayToNextFreeWeekday;
            else
                Fail(
                    text,
                    QStringLiteral("\"%1\" is not observe=us, observe=next or observe=sunday").arg(words[2]));
        }
    } else if (kind == QLatin1String("nth")) {
        expectWords(4, 4);
        rule.kind = HolidayRule::Kind::NthWeekday;
        rule.occurrence = NumberOf(text, words[1], 1, 5, "occurrence");
        rule.weekday = WeekdayOfToken(text, words[2]);
        rule.month = NumberOf(text, words[3], 1, 12, "month");
    } else if (kind == QLatin1String("last")) {
        expectWords(3, 3);
        rule.kind = HolidayRule::Kind::NthWeekday;
        rule.occurrence = HolidayRule::kLast;
        rule.weekday = WeekdayOfToken(text, words[1]);
        rule.month = NumberOf(text, words[2], 1, 12, "month");
    } else if (kind == QLatin1String("easter")) {
        expectWords(2, 2);
        rule.kind = HolidayRule::Kind::EasterOffset;
        QString offset = words[1];
        if (offset.startsWith(u'+'))
            offset.remove(0, 1);
        rule.offset = NumberOf(text, offset, -366, 366, "offset");
    } else if (kind == QLatin1String("date")) {
        expectWords(2, 2);
        if (rule.firstYear != 0 || rule.lastYear != 0)
            Fail(text, QStringLiteral("a dated event has its own year"));
        rule.kind = HolidayRule::Kind::Dated;
        const QStringList parts = words[1].split(u'-');
        if (parts.size() != 3)
            Fail(text, QStringLiteral("\"%1\" is not a date such as 2027-06-12").arg(words[1]));
        rule.year = NumberOf(text, parts[0], 1583, 9999, "year");
        ReadMonthDay(text, parts[1] + u'-' + parts[2], rule.month, rule.day);
        if (rule.month == 2 && rule.day == 29 && !IsLeap(rule.year))
            Fail(text, QStringLiteral("%1 is not a leap year").arg(rule.year));
    } else {
        expectWords(3, 3);
        rule.weekday = WeekdayOfToken(text, words[0]);
        const QString relation = words[1].toLower();
        if (relation == QLatin1String("on-or-after"))
            rule.kind = HolidayRule::Kind::WeekdayOnOrAfter;
        else if (relation == QLatin1String("on-or-before"))
            rule.kind = HolidayRule::Kind::WeekdayOnOrBefore;
        else
            Fail(text, QStringLiteral("\"%1\" is neither on-or-after nor on-or-before").arg(words[1]));
        ReadMonthDay(text, words[2], rule.month, rule.day);
    }
    return rule;
}

QString DescribeRule(const HolidayRule& rule)
{
    QString when;
    switch (rule.kind) {
    case HolidayRule::Kind::Fixed:
        when = Tr(QT_TRANSLATE_NOOP("HolidayRules", "%1 %2")).arg(rule.day).arg(MonthText(rule.month));
        switch (rule.observed) {
        case HolidayRule::Observed::SaturdayToFridaySundayToMonday:
            when += Tr(QT_TRANSLATE_NOOP("HolidayRules", ", observed Friday/Monday when on a weekend"));
            break;
        case HolidayRule::Observed::NextFreeWeekday:
            when += Tr(
                QT_TRANSLATE_NOOP("HolidayRules", ", observed on the next free weekday when on a weekend"));
            break;
        case HolidayRule::Observed::SundayToNextFreeWeekday:
            when +=
                Tr(QT_TRANSLATE_NOOP("HolidayRules", ", observed on the next free weekday when on a Sunday"));
            break;
        case HolidayRule::Observed::None:
            break;
        }
        break;
    case HolidayRule::Kind::NthWeekday:
        when = Tr(QT_TRANSLATE_NOOP("HolidayRules", "%1 %2 of %3"))
                   .arg(Ordinal(rule.occurrence), WeekdayText(rule.weekday), MonthText(rule.month));
        break;
    case HolidayRule::Kind::EasterOffset:
        when = rule.offset == 0 ? Tr(QT_TRANSLATE_NOOP("HolidayRules", "Easter Sunday"))
                                : Tr(QT_TRANSLATE_NOOP("HolidayRules", "Easter %1%2 days"))
                                      .arg(rule.offset < 0 ? QString() : QStringLiteral("+"))
                                      .arg(rule.offset);
        break;
    case HolidayRule::Kind::WeekdayOnOrAfter:
        when = Tr(QT_TRANSLATE_NOOP("HolidayRules", "%1 on or after %2 %3"))
                   .arg(WeekdayText(rule.weekday))
                   .arg(rule.day)
                   .arg(MonthText(rule.month));
        break;
    case HolidayRule::Kind::WeekdayOnOrBefore:
        when = Tr(QT_TRANSLATE_NOOP("HolidayRules", "%1 on or before %2 %3"))
                   .arg(WeekdayText(rule.weekday))
                   .arg(rule.day)
                   .arg(MonthText(rule.month));
        break;
    case HolidayRule::Kind::Dated:
        when = Tr(QT_TRANSLATE_NOOP("HolidayRules", "%1 %2 %3"))
                   .arg(rule.day)
                   .arg(MonthText(rule.month))
                   .arg(rule.year);
        break;
    }
    if (rule.firstYear != 0 && rule.lastYear != 0)
        when += Tr(QT_TRANSLATE_NOOP("HolidayRules", ", %1 to %2")).arg(rule.firstYear).arg(rule.lastYear);
    else if (rule.firstYear != 0)
        when += Tr(QT_TRANSLATE_NOOP("HolidayRules", ", from %1")).arg(rule.firstYear);
    else if (rule.lastYear != 0)
        when += Tr(QT_TRANSLATE_NOOP("HolidayRules", ", until %1")).arg(rule.lastYear);
    return rule.name + QStringLiteral(" - ") + when;
}

std::vector<HolidayRule>& RuleHolidays()
{
    return g_rules;
}

std::vector<HolidayRule>& RuleHolidaysAsLastStored()
{
    static std::vector<HolidayRule> rules;
    return rules;
}

QString RuleListText(const std::vector<HolidayRule>& rules)
{
    QJsonArray list;
    for (const HolidayRule& rule : rules) {
        QJsonObject entry;
        entry.insert(QStringLiteral("name"), rule.name);
        entry.insert(QStringLiteral("rule"), RuleText(rule));
        // Only a rule from elsewhere names its source, so older lists are stored as they were.
        if (rule.source.origin != HolidaySource::Origin::Lists) {
            entry.insert(QStringLiteral("source"), rule.source.Key());
            if (!rule.source.name.isEmpty())
                entry.insert(QStringLiteral("sourceName"), rule.source.name);
        }
        list.append(entry);
    }
    return QString::fromUtf8(QJsonDocument(list).toJson(QJsonDocument::Compact));
}

RuleListReading ReadRuleList(const QString& text)
{
    RuleListReading reading;
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError || !document.isArray()) {
        reading.damagedText = text;
        reading.problem = QStringLiteral("The stored rule holidays are damaged: %1")
                              .arg(error.error != QJsonParseError::NoError ? error.errorString()
                                                                           : QStringLiteral("not a list"));
        return reading;
    }
    // Each entry stands alone: one that cannot be read is set aside, the others are kept.
    QJsonArray damaged;
    for (const QJsonValue& value : document.array()) {
        const QJsonObject entry = value.toObject();
        QString problem;
        if (!value.isObject() || !entry.value(QStringLiteral("name")).isString() ||
            !entry.value(QStringLiteral("rule")).isString()) {
            problem = QStringLiteral("The stored rule holidays are damaged: an entry lacks its name or rule");
        } else {
            try {
                HolidayRule rule = ParseRuleText(entry.value(QStringLiteral("rule")).toString());
                rule.name = entry.value(QStringLiteral("name")).toString();
                // A source this version cannot read leaves the rule in the lists rather than losing it.
                if (const auto source = HolidaySource::FromKey(entry.value(QStringLiteral("source")).toString())) {
                    rule.source = *source;
                    rule.source.name = entry.value(QStringLiteral("sourceName")).toString();
                }
                reading.rules.push_back(std::move(rule));
                continue;
            } catch (const HolidayRuleError& bad) {
                problem = QStringLiteral("\"%1\": %2").arg(entry.value(QStringLiteral("name")).toString(),
                                                             QString::fromUtf8(bad.what()));
            }
        }
        if (damaged.isEmpty())
            reading.problem = problem;
        damaged.append(value);
    }
    if (damaged.size() > 1)
        reading.problem += QStringLiteral(" (and %1 more)").arg(damaged.size() - 1);
    if (!damaged.isEmpty())
        reading.damagedText = QString::fromUtf8(QJsonDocument(damaged).toJson(QJsonDocument::Compact));
    return reading;
}

std::vector<HolidayRule> ParseRuleList(const QString& text)
{
    RuleListReading reading = ReadRuleList(text);
    if (!reading.damagedText.isEmpty())
        throw HolidayRuleError(reading.problem.toStdString());
    return std::move(reading.rules);
}

void LoadRuleHolidays()
{
    const QString text = ReadSetting(QString::fromLatin1(key::RuleHolidays), QString());
    g_rules.clear();
    RuleHolidaysAsLastStored().clear();
    if (text.isEmpty())
        return;
    RuleListReading reading = ReadRuleList(text);
    g_rules = std::move(reading.rules);
    if (!reading.damagedText.isEmpty())
        KeepDamagedRuleHolidaysAside(reading);
    RuleHolidaysAsLastStored() = g_rules;
}

namespace {

// RuleHolidaysDamaged, RuleHolidaysDamaged2, ...
QString DamagedRulesKey(int n)
{
    const QString base = QString::fromLatin1(key::RuleHolidaysDamaged);
    return n == 1 ? base : base + QString::number(n);
}

}  // namespace

bool RuleTextKeptAside(const QString& damagedText)
{
    for (int n = 1;; ++n) {
        const QString kept = ReadSetting(DamagedRulesKey(n), QString());
        if (kept.isEmpty())
            return false;
        if (kept == damagedText)
            return true;
    }
}

void KeepDamagedRuleHolidaysAside(const RuleListReading& reading)
{
    // A list kept aside earlier stays where it is: a newly damaged one takes the next free key.
    int n = 1;
    for (QString kept; !(kept = ReadSetting(DamagedRulesKey(n), QString())).isEmpty(); ++n) {
        if (kept == reading.damagedText)
            break;
    }
    const QString keyName = DamagedRulesKey(n);
    WriteSettings({{keyName, reading.damagedText}});
    CurrentCatalogueMessageSink().ShowMessage(
        reading.problem + (reading.rules.empty()
                               ? QStringLiteral(". They were kept aside under %1 and the list starts empty.")
                               : QStringLiteral(". It was kept aside under %1; the other rules are used."))
                              .arg(keyName));
}

bool ShowEveryHolidayOfDay()
{
    const QString key = QString::fromLatin1(key::ShowEveryHoliday);
    const QString stored = ReadSetting(key, QStringLiteral("0")).trimmed();
    if (!stored.isEmpty() && stored != QLatin1String("0") && stored != QLatin1String("1"))
        ReportInvalidSetting(key, stored);
    return stored == QLatin1String("1");
}

void SetShowEveryHolidayOfDay(bool on)
{
    WriteSetting(QString::fromLatin1(key::ShowEveryHoliday), on ? QStringLiteral("1") : QStringLiteral("0"));
}

}  // namespace morvessa
