#include "calendar/HolidayIcs.h"

#include "calendar/IcsPreScan.h"
#include "calendar/RuleDates.h"

#include <QFile>

#include "calendar/IcalLibrary.h"

#include <algorithm>
#include <ctime>
#include <memory>
#include <set>

namespace morvessa {

namespace {

constexpr const char* kRuleProperty = "X-MORVESSA-RULE";
constexpr const char* kNameProperty = "X-MORVESSA-NAME";
constexpr int kMaxDaysOfOneEvent = 366;

struct ComponentFree {
    void operator()(icalcomponent* component) const { Ical().icalcomponent_free(component); }
};
using ComponentPtr = std::unique_ptr<icalcomponent, ComponentFree>;

QString Utf8(const char* text)
{
    return text ? QString::fromUtf8(text) : QString();
}

// The value of the first X- property named `name`, or empty.
QString XProperty(icalcomponent* event, const char* name)
{
    for (icalproperty* property = Ical().icalcomponent_get_first_property(event, ICAL_X_PROPERTY); property;
         property = Ical().icalcomponent_get_next_property(event, ICAL_X_PROPERTY)) {
        if (qstricmp(Ical().icalproperty_get_x_name(property), name) == 0)
            return Utf8(Ical().icalproperty_get_x(property));
    }
    return QString();
}

bool IsValidDate(int year, int month, int day)
{
    return year >= 1583 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= DaysInMonth(year, month);
}

void AddUnique(std::vector<HolidayRule>& rules, std::set<std::pair<QString, QString>>& seen,
               const HolidayRule& rule)
{
    if (!seen.insert({rule.name, RuleText(rule)}).second)
        return;
    if (rules.size() >= kMaxIcsHolidays)
        throw IcsError("The calendar file holds more than " + std::to_string(kMaxIcsHolidays) +
                       " holidays; nothing was imported.");
    rules.push_back(rule);
}

// The holiday of a yearly RRULE, or nothing when no holiday rule says it.
std::optional<HolidayRule> YearlyRule(const icalrecurrencetype& recurrence, const icaltimetype& start)
{
    if (recurrence.freq != ICAL_YEARLY_RECURRENCE || (recurrence.interval != 0 && recurrence.interval != 1))
        return std::nullopt;
    const auto count = [](const short* values, int size) {
        int n = 0;
        while (n < size && values[n] != ICAL_RECURRENCE_ARRAY_MAX)
            ++n;
        return n;
    };
    const int months = count(recurrence.by_month, ICAL_BY_MONTH_SIZE);
    const int monthDays = count(recurrence.by_month_day, ICAL_BY_MONTHDAY_SIZE);
    const int days = count(recurrence.by_day, ICAL_BY_DAY_SIZE);
    const int setPositions = count(recurrence.by_set_pos, ICAL_BY_SETPOS_SIZE);
    if (months > 1 || monthDays > 1 || days > 1 || setPositions > 1 || (monthDays == 1 && days == 1) ||
        count(recurrence.by_year_day, ICAL_BY_YEARDAY_SIZE) > 0 ||
        count(recurrence.by_week_no, ICAL_BY_WEEKNO_SIZE) > 0)
        return std::nullopt;

    HolidayRule rule;
    rule.month = months == 1 ? Ical().icalrecurrencetype_month_month(recurrence.by_month[0]) : start.month;
    if (rule.month < 1 || rule.month > 12)
        return std::nullopt;
    if (days == 1) {
        rule.kind = HolidayRule::Kind::NthWeekday;
        rule.weekday = static_cast<int>(Ical().icalrecurrencetype_day_day_of_week(recurrence.by_day[0]));
        int position = Ical().icalrecurrencetype_day_position(recurrence.by_day[0]);
        if (setPositions == 1) {
            if (position != 0)
                return std::nullopt;
            position = recurrence.by_set_pos[0];
        }
        if (rule.weekday < 1 || rule.weekday > 7 || position == 0 || position < -1 || position > 5)
            return std::nullopt;
        rule.occurrence = position == -1 ? HolidayRule::kLast : position;
    } else {
        rule.day = monthDays == 1 ? recurrence.by_month_day[0] : start.day;
        if (rule.day < 1 || rule.day > 31 || rule.day > DaysInMonth(2000, rule.month))
            return std::nullopt;
    }
    if (!Ical().icaltime_is_null_time(recurrence.until))
        rule.lastYear = recurrence.until.year;
    else if (recurrence.count > 0)
        rule.lastYear = start.year + recurrence.count - 1;
    if (rule.lastYear != 0 && (rule.lastYear < 1583 || rule.lastYear > 9999))
        return std::nullopt;
    return rule;
}

void ReadEvent(icalcomponent* event, IcsImport& result, std::set<std::pair<QString, QString>>& seen)
{
    QString name = Utf8(Ical().icalcomponent_get_summary(event)).trimmed();
    if (name.isEmpty())
        name = QStringLiteral("(no title)");

    // This program's own exports name their rule.
    const QString ownRule = XProperty(event, kRuleProperty);
    if (!ownRule.isEmpty()) {
        try {
            HolidayRule rule = ParseRuleText(ownRule);
            const QString ownName = XProperty(event, kNameProperty);
            rule.name = ownName.isEmpty() ? name : ownName;
            AddUnique(result.holidays, seen, rule);
            return;
        } catch (const HolidayRuleError&) {
            // Read as any other event.
        }
    }

    // libical marks what it could not parse; such an event is not trusted.
    icalproperty* startProperty = Ical().icalcomponent_get_first_property(event, ICAL_DTSTART_PROPERTY);
    if (!startProperty || Ical().icalcomponent_get_first_property(event, ICAL_XLICERROR_PROPERTY)) {
        ++result.unsupportedSkipped;
        return;
    }
    const icaltimetype start = Ical().icalproperty_get_dtstart(startProperty);
    if (Ical().icaltime_is_null_time(start) || !Ical().icaltime_is_valid_time(start)) {
        ++result.unsupportedSkipped;
        return;
    }
    if (!start.is_date) {
        ++result.timedSkipped;
        return;
    }
    if (!IsValidDate(start.year, start.month, start.day)) {
        ++result.unsupportedSkipped;
        return;
    }

    if (icalproperty* rrule = Ical().icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY)) {
        std::optional<HolidayRule> rule = YearlyRule(Ical().icalproperty_get_rrule(rrule), start);
        if (!rule) {
            ++result.unsupportedSkipped;
            return;
        }
        rule->name = name;
        AddUnique(result.holidays, seen, *rule);
        return;
    }

    // A single all-day event, one dated event per day it covers (DTEND is the day after the last).
    int dayCount = 1;
    const icaltimetype end = Ical().icalcomponent_get_dtend(event);
    if (!Ical().icaltime_is_null_time(end) && end.is_date && IsValidDate(end.year, end.month, end.day)) {
        const long span =
            DayNumber({end.year, end.month, end.day}) - DayNumber({start.year, start.month, start.day});
        dayCount = static_cast<int>(std::clamp(span, 1L, long(kMaxDaysOfOneEvent)));
    }
    const CalendarDate first{start.year, start.month, start.day};
    for (int i = 0; i < dayCount; ++i) {
        const CalendarDate date = AddDays(first, i);
        if (date.year > 9999)
            break;
        HolidayRule rule;
        rule.kind = HolidayRule::Kind::Dated;
        rule.name = name;
        rule.year = date.year;
        rule.month = date.month;
        rule.day = date.day;
        AddUnique(result.holidays, seen, rule);
    }
}

}  // namespace

IcsImport ReadIcs(const QByteArray& data)
{
    PreScanIcs(data);

    Ical().icalerror_set_errors_are_fatal(0);
    ComponentPtr root(Ical().icalparser_parse_string(data.constData()));
    Ical().icalerror_clear_errno();
    if (!root)
        throw IcsError("The iCalendar file cannot be read; nothing was imported.");

    // A file may hold one calendar or, after concatenation, several in an XROOT.
    std::vector<icalcomponent*> calendars;
    if (Ical().icalcomponent_isa(root.get()) == ICAL_VCALENDAR_COMPONENT) {
        calendars.push_back(root.get());
    } else {
        for (icalcomponent* c =
                 Ical().icalcomponent_get_first_component(root.get(), ICAL_VCALENDAR_COMPONENT);
             c; c = Ical().icalcomponent_get_next_component(root.get(), ICAL_VCALENDAR_COMPONENT))
            calendars.push_back(c);
    }
    if (calendars.empty())
        throw IcsError("The file holds no calendar (VCALENDAR); nothing was imported.");

    IcsImport result;
    std::set<std::pair<QString, QString>> seen;
    for (icalcomponent* calendar : calendars) {
        for (icalcomponent* event = Ical().icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
             event; event = Ical().icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT))
            ReadEvent(event, result, seen);
    }
    return result;
}

IcsImport ReadIcsFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw IcsError(
            QStringLiteral("The file \"%1\" cannot be read: %2").arg(path, file.errorString()).toStdString());
    if (file.size() > kMaxIcsBytes)
        throw IcsError("The calendar file is larger than 8 MB; nothing was imported.");
    return ReadIcs(file.read(kMaxIcsBytes + 1));
}

QString IcsImportSummary(const IcsImport& import, int added, int alreadyThere)
{
    QString text = QStringLiteral("Imported %1 holiday%2").arg(added).arg(added == 1 ? "" : "s");
    if (alreadyThere > 0)
        text +=
            QStringLiteral("; %1 %2 already there").arg(alreadyThere).arg(alreadyThere == 1 ? "was" : "were");
    if (import.timedSkipped > 0)
        text += QStringLiteral("; %1 timed event%2 skipped")
                    .arg(import.timedSkipped)
                    .arg(import.timedSkipped == 1 ? " was" : "s were");
    if (import.unsupportedSkipped > 0)
        text +=
            QStringLiteral("; %1 event%2 that could not be read or that no holiday rule can say %3 skipped")
                .arg(import.unsupportedSkipped)
                .arg(import.unsupportedSkipped == 1 ? "" : "s")
                .arg(import.unsupportedSkipped == 1 ? "was" : "were");
    return text + u'.';
}

}  // namespace morvessa
