#include "calendar/IcsCalendar.h"

#include "calendar/HolidayIcs.h"
#include "calendar/IcalLibrary.h"
#include "calendar/IcsPreScan.h"
#include "spreadsheet/io/CNumbers.h"

#include <QCoreApplication>

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

namespace morvessa {

namespace {

// Steps an iterator may take before it reaches the years asked for (a COUNT rule must be counted
// from its start), per event and for the whole calendar (a step costs libical about 2 µs): a daily
// rule with a count from the year 1 stops here instead of taking seconds.
constexpr long kMaxStepsOfEvent = 50000;
constexpr long kMaxStepsOfCalendar = 200000;

struct ComponentFree {
    void operator()(icalcomponent* component) const { Ical().icalcomponent_free(component); }
};
using ComponentPtr = std::unique_ptr<icalcomponent, ComponentFree>;

QString Utf8(const char* text)
{
    return text ? QString::fromUtf8(text) : QString();
}

// Wall-clock fields only: times are compared in the zone of the event's start.
using WallTime = std::tuple<int, int, int, int, int, int>;
WallTime Wall(const icaltimetype& t)
{
    return {t.year, t.month, t.day, t.is_date ? 0 : t.hour, t.is_date ? 0 : t.minute, t.is_date ? 0 : t.second};
}

CalendarDate DateOf(const icaltimetype& t)
{
    return {t.year, t.month, t.day};
}

bool IsValid(const icaltimetype& t)
{
    return !Ical().icaltime_is_null_time(t) && t.year >= 1 && t.year <= 9999 && t.month >= 1 &&
           t.month <= 12 && t.day >= 1 && t.day <= DaysInMonth(t.year, t.month);
}

// One occurrence: when it starts and what it shows.
struct Occurrence {
    icaltimetype start;
    int lengthDays = 1;
    QString summary;
};

struct Event {
    icalcomponent* master = nullptr;
    icalcomponent* calendar = nullptr;
    std::vector<icalcomponent*> overrides;
    IcsEventInfo info;
};

QString SummaryOf(icalcomponent* event)
{
    const QString summary = Utf8(Ical().icalcomponent_get_summary(event)).trimmed();
    return summary.isEmpty() ? QStringLiteral("(no title)") : summary;
}

}  // namespace

struct IcsCalendar::Data {
    ComponentPtr root;
    QString name;
    std::vector<Event> events;
    std::vector<IcsEventInfo> infos;
    int damaged = 0;
};

namespace {

// The zone a time property names (its calendar's VTIMEZONE, else libical's own zone data), or the
// zone already in the value (UTC), or none (floating, or a date).
icaltimetype Zoned(icaltimetype t, icalproperty* property, icalcomponent* calendar)
{
    if (t.is_date || !property)
        return t;
    if (icalparameter* tzid = Ical().icalproperty_get_first_parameter(property, ICAL_TZID_PARAMETER)) {
        const char* name = Ical().icalparameter_get_tzid(tzid);
        icaltimezone* zone = name && calendar ? Ical().icalcomponent_get_timezone(calendar, name) : nullptr;
        if (!zone && name)
            zone = Ical().icaltimezone_get_builtin_timezone(name);
        if (zone)
            t.zone = zone;
    }
    return t;
}

// `t` on the wall clock of `reference`'s zone.
icaltimetype InZoneOf(icaltimetype t, const icaltimetype& reference)
{
    if (t.is_date || reference.is_date || !t.zone || !reference.zone || t.zone == reference.zone)
        return t;
    return Ical().icaltime_convert_to_zone(t, const_cast<icaltimezone*>(reference.zone));
}

// The occurrences a list of EXDATEs or RECURRENCE-IDs names: a date names every occurrence on its
// day, a time the one starting at that wall-clock time. Gathered first, so that removing them is one
// pass however long the list.
class OccurrenceMatcher {
public:
    void Add(const icaltimetype& t)
    {
        anyDate_.insert(DateOf(t));
        if (t.is_date)
            wholeDays_.insert(DateOf(t));
        else
            times_.insert(Wall(t));
    }
    void RemoveFrom(std::vector<Occurrence>& occurrences) const
    {
        if (anyDate_.empty())
            return;
        std::erase_if(occurrences, [&](const Occurrence& o) {
            if (o.start.is_date)
                return anyDate_.contains(DateOf(o.start));
            return wholeDays_.contains(DateOf(o.start)) || times_.contains(Wall(o.start));
        });
    }

private:
    std::set<CalendarDate> anyDate_;
    std::set<CalendarDate> wholeDays_;
    std::set<WallTime> times_;
};

icaltimetype StartOf(icalcomponent* event, icalcomponent* calendar)
{
    icalproperty* property = Ical().icalcomponent_get_first_property(event, ICAL_DTSTART_PROPERTY);
    return property ? Zoned(Ical().icalproperty_get_dtstart(property), property, calendar)
                    : Ical().icaltime_null_time();
}

// Days an all-day event covers: DTEND is the day after its last, DURATION counts whole days.
int LengthInDays(icalcomponent* event, const icaltimetype& start)
{
    if (!start.is_date)
        return 1;
    const icaltimetype end = Ical().icalcomponent_get_dtend(event);
    if (!end.is_date || !IsValid(end))
        return 1;
    const long span = DayNumber(DateOf(end)) - DayNumber(DateOf(start));
    return int(std::clamp(span, 1L, 366L * 100));
}

bool IsCancelled(icalcomponent* event)
{
    return Ical().icalcomponent_get_status(event) == ICAL_STATUS_CANCELLED;
}

class Expander {
public:
    Expander(int firstYear, int lastYear, const IcsExpansionOptions& options, IcsExpansion& result)
        : first_{firstYear, 1, 1}, last_{lastYear, 12, 31}, options_(options), result_(result)
    {
    }

    void Expand(const Event& event)
    {
        const icaltimetype start = StartOf(event.master, event.calendar);
        if (!start.is_date && !options_.includeTimed) {
            ++result_.timedSkipped;
            return;
        }
        const int length = LengthInDays(event.master, start);
        cut_ = false;
        stepsOfEvent_ = 0;
        inRange_ = 0;
        std::vector<Occurrence> occurrences;
        const QString summary = event.info.summary;
        if (!IsCancelled(event.master)) {
            // DTSTART is always the first occurrence, whether the rule gives it or not.
            occurrences.push_back({start, length, summary});
            AddRuleOccurrences(event, start, length, occurrences);
            AddDates(event, start, length, occurrences);
            RemoveExcluded(event, start, occurrences);
        }
        // Every moved occurrence names one of the rule's own, so all are taken out before any is added.
        OccurrenceMatcher replaced;
        for (icalcomponent* moved : event.overrides) {
            icalproperty* idProperty = Ical().icalcomponent_get_first_property(moved, ICAL_RECURRENCEID_PROPERTY);
            replaced.Add(InZoneOf(Zoned(Ical().icalproperty_get_recurrenceid(idProperty), idProperty, event.calendar),
                                  start));
        }
        replaced.RemoveFrom(occurrences);
        for (icalcomponent* moved : event.overrides) {
            const icaltimetype movedStart = StartOf(moved, event.calendar);
            if (!IsCancelled(moved) && IsValid(movedStart) && (movedStart.is_date || options_.includeTimed))
                occurrences.push_back({movedStart, LengthInDays(moved, movedStart), SummaryOf(moved)});
        }
        if (cut_)
            result_.cutEvents.append(summary);
        std::set<std::pair<long, QString>> seen;
        for (const Occurrence& occurrence : occurrences)
            MarkDays(occurrence, event.info.uid, seen);
    }

private:
    bool InRange(const CalendarDate& date) const { return date >= first_ && date <= last_; }

    // The first start that can still reach into the range.
    icaltimetype EarliestStart(const icaltimetype& start, int length) const
    {
        const CalendarDate from = AddDays(first_, -(length - 1));
        icaltimetype t = start;
        t.year = from.year;
        t.month = from.month;
        t.day = from.day;
        return t;
    }

    void AddRuleOccurrences(const Event& event, const icaltimetype& start, int length,
                            std::vector<Occurrence>& occurrences)
    {
        const icaltimetype from = EarliestStart(start, length);
        for (icalproperty* property = Ical().icalcomponent_get_first_property(event.master, ICAL_RRULE_PROPERTY);
             property && !cut_;
             property = Ical().icalcomponent_get_next_property(event.master, ICAL_RRULE_PROPERTY)) {
            const icalrecurrencetype rule = Ical().icalproperty_get_rrule(property);
            icalrecur_iterator* iterator = Ical().icalrecur_iterator_new(rule, start);
            if (!iterator)
                continue;
            // Without COUNT the iterator may start at the range; with it every occurrence counts.
            if (rule.count == 0 && Wall(start) < Wall(from))
                Ical().icalrecur_iterator_set_start(iterator, from);
            for (icaltimetype t = Ical().icalrecur_iterator_next(iterator); !Ical().icaltime_is_null_time(t);
                 t = Ical().icalrecur_iterator_next(iterator)) {
                if (DateOf(t) > last_)
                    break;
                if (Wall(t) < Wall(from)) {
                    if (++stepsOfEvent_ > kMaxStepsOfEvent || ++stepsOfCalendar_ > kMaxStepsOfCalendar) {
                        cut_ = true;
                        break;
                    }
                    continue;
                }
                if (++inRange_ > kMaxOccurrencesOfEvent) {
                    cut_ = true;
                    break;
                }
                occurrences.push_back({t, length, event.info.summary});
            }
            Ical().icalrecur_iterator_free(iterator);
        }
    }

    void AddDates(const Event& event, const icaltimetype& start, int length, std::vector<Occurrence>& occurrences)
    {
        for (icalproperty* property = Ical().icalcomponent_get_first_property(event.master, ICAL_RDATE_PROPERTY);
             property; property = Ical().icalcomponent_get_next_property(event.master, ICAL_RDATE_PROPERTY)) {
            const icaldatetimeperiodtype value = Ical().icalproperty_get_rdate(property);
            icaltimetype t = Ical().icaltime_is_null_time(value.time) ? value.period.start : value.time;
            t = InZoneOf(Zoned(t, property, event.calendar), start);
            if (!IsValid(t) || (!t.is_date && !options_.includeTimed))
                continue;
            if (++inRange_ > kMaxOccurrencesOfEvent) {
                cut_ = true;
                return;
            }
            occurrences.push_back({t, t.is_date ? length : 1, event.info.summary});
        }
    }

    void RemoveExcluded(const Event& event, const icaltimetype& start, std::vector<Occurrence>& occurrences)
    {
        OccurrenceMatcher excluded;
        for (icalproperty* property = Ical().icalcomponent_get_first_property(event.master, ICAL_EXDATE_PROPERTY);
             property; property = Ical().icalcomponent_get_next_property(event.master, ICAL_EXDATE_PROPERTY))
            excluded.Add(InZoneOf(Zoned(Ical().icalproperty_get_exdate(property), property, event.calendar), start));
        excluded.RemoveFrom(occurrences);
    }

    void MarkDays(const Occurrence& occurrence, const QString& uid, std::set<std::pair<long, QString>>& seen)
    {
        if (!IsValid(occurrence.start))
            return;
        const CalendarDate start = DateOf(occurrence.start);
        QString label = occurrence.summary;
        if (!occurrence.start.is_date)
            label = QStringLiteral("%1:%2 ")
                        .arg(occurrence.start.hour, 2, 10, QLatin1Char('0'))
                        .arg(occurrence.start.minute, 2, 10, QLatin1Char('0')) +
                    label;
        // Only the days inside the range are visited, however long the event.
        const long startDay = DayNumber(start);
        const long from = std::max(startDay, DayNumber(first_));
        const long to = std::min(startDay + occurrence.lengthDays - 1, DayNumber(last_));
        for (long day = from; day <= to && !result_.daysCut; ++day) {
            if (!seen.insert({day, label}).second)
                continue;
            if (result_.days.size() >= std::size_t(kMaxDaysOfCalendar))
                result_.daysCut = true;
            else
                result_.days.push_back({AddDays(start, day - startDay), label, uid});
        }
    }

    CalendarDate first_;
    CalendarDate last_;
    const IcsExpansionOptions& options_;
    IcsExpansion& result_;
    bool cut_ = false;
    long stepsOfEvent_ = 0;
    long stepsOfCalendar_ = 0;
    int inRange_ = 0;
};

}  // namespace

IcsCalendar::IcsCalendar(std::unique_ptr<Data> data) : data_(std::move(data)) {}
IcsCalendar::IcsCalendar(IcsCalendar&&) noexcept = default;
IcsCalendar& IcsCalendar::operator=(IcsCalendar&&) noexcept = default;
IcsCalendar::~IcsCalendar() = default;

IcsCalendar IcsCalendar::Parse(const QByteArray& data)
{
    const sheet::io::CNumbersInScope cNumbers;
    PreScanIcs(data);
    Ical().icalerror_set_errors_are_fatal(0);
    const QuietLibicalErrors quiet;
    auto result = std::make_unique<Data>();
    result->root.reset(Ical().icalparser_parse_string(data.constData()));
    Ical().icalerror_clear_errno();
    if (!result->root)
        throw IcsError(QCoreApplication::translate("IcsFile", "The iCalendar file cannot be read; nothing was imported.").toStdString());

    // A file may hold one calendar or, after concatenation, several in an XROOT.
    std::vector<icalcomponent*> calendars;
    icalcomponent* root = result->root.get();
    if (Ical().icalcomponent_isa(root) == ICAL_VCALENDAR_COMPONENT) {
        calendars.push_back(root);
    } else {
        for (icalcomponent* c = Ical().icalcomponent_get_first_component(root, ICAL_VCALENDAR_COMPONENT); c;
             c = Ical().icalcomponent_get_next_component(root, ICAL_VCALENDAR_COMPONENT))
            calendars.push_back(c);
    }
    if (calendars.empty())
        throw IcsError(QCoreApplication::translate("IcsFile", "The file holds no calendar (VCALENDAR); nothing was imported.").toStdString());

    std::map<QString, std::size_t> eventOfUid;
    std::vector<std::pair<QString, std::pair<icalcomponent*, icalcomponent*>>> moved;
    for (icalcomponent* calendar : calendars) {
        for (icalproperty* p = Ical().icalcomponent_get_first_property(calendar, ICAL_X_PROPERTY);
             p && result->name.isEmpty(); p = Ical().icalcomponent_get_next_property(calendar, ICAL_X_PROPERTY)) {
            if (qstricmp(Ical().icalproperty_get_x_name(p), "X-WR-CALNAME") == 0)
                result->name = Utf8(Ical().icalproperty_get_x(p)).trimmed();
        }
        for (icalcomponent* event = Ical().icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
             event; event = Ical().icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
            // libical marks what it could not parse; such an event is not trusted.
            if (Ical().icalcomponent_get_first_property(event, ICAL_XLICERROR_PROPERTY) ||
                !IsValid(StartOf(event, calendar))) {
                ++result->damaged;
                continue;
            }
            QString uid = Utf8(Ical().icalcomponent_get_uid(event)).trimmed();
            if (Ical().icalcomponent_get_first_property(event, ICAL_RECURRENCEID_PROPERTY) && !uid.isEmpty()) {
                moved.push_back({uid, {event, calendar}});
                continue;
            }
            if (uid.isEmpty())
                uid = QStringLiteral("#%1").arg(result->events.size() + 1);
            const icaltimetype start = StartOf(event, calendar);
            Event entry{event, calendar, {}, {uid, SummaryOf(event), !start.is_date}};
            eventOfUid.emplace(uid, result->events.size());
            result->events.push_back(std::move(entry));
        }
    }
    // A moved occurrence whose event the file lacks stands on its own.
    for (auto& [uid, pair] : moved) {
        const auto found = eventOfUid.find(uid);
        if (found != eventOfUid.end()) {
            result->events[found->second].overrides.push_back(pair.first);
            continue;
        }
        const icaltimetype start = StartOf(pair.first, pair.second);
        eventOfUid.emplace(uid, result->events.size());
        result->events.push_back({pair.first, pair.second, {}, {uid, SummaryOf(pair.first), !start.is_date}});
    }
    for (const Event& event : result->events)
        result->infos.push_back(event.info);
    return IcsCalendar(std::move(result));
}

QString IcsCalendar::Name() const
{
    return data_->name;
}

const std::vector<IcsEventInfo>& IcsCalendar::Events() const
{
    return data_->infos;
}

int IcsCalendar::DamagedEvents() const
{
    return data_->damaged;
}

IcsExpansion IcsCalendar::Expand(int firstYear, int lastYear, const IcsExpansionOptions& options) const
{
    const sheet::io::CNumbersInScope cNumbers;
    const QuietLibicalErrors quiet;
    IcsExpansion result;
    firstYear = std::clamp(firstYear, 1, 9999);
    lastYear = std::clamp(lastYear, firstYear, 9999);
    Expander expander(firstYear, lastYear, options, result);
    for (const Event& event : data_->events) {
        if (result.daysCut)
            break;
        if (!options.hiddenUids.contains(event.info.uid))
            expander.Expand(event);
    }
    std::stable_sort(result.days.begin(), result.days.end(),
                     [](const IcsDay& a, const IcsDay& b) { return a.date < b.date; });
    return result;
}

}  // namespace morvessa
