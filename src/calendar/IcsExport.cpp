#include "calendar/IcsExport.h"

#include "calendar/HolidayIcs.h"
#include "calendar/IcalLibrary.h"
#include "core/ErrorTrap.h"
#include "spreadsheet/io/AtomicFile.h"
#include "spreadsheet/io/CNumbers.h"

#include <QCoreApplication>

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <stdexcept>

namespace morvessa {

namespace {

const char* const kWeekdays[] = {"SU", "MO", "TU", "WE", "TH", "FR", "SA"};

struct ComponentFree {
    void operator()(icalcomponent* component) const { Ical().icalcomponent_free(component); }
};
using ComponentPtr = std::unique_ptr<icalcomponent, ComponentFree>;

icaltimetype DateValue(const CalendarDate& date)
{
    icaltimetype time = Ical().icaltime_null_date();
    time.year = date.year;
    time.month = date.month;
    time.day = date.day;
    return time;
}

// The yearly rule every date of `dates` (one per year, consecutive years) follows, or empty.
QByteArray YearlyRuleOf(const std::vector<CalendarDate>& dates)
{
    const CalendarDate& first = dates.front();
    const auto all = [&](const auto& same) {
        for (const CalendarDate& date : dates)
            if (date.month != first.month || !same(date))
                return false;
        return true;
    };
    const QByteArray month = ";BYMONTH=" + QByteArray::number(first.month);
    if (all([&](const CalendarDate& d) { return d.day == first.day; }))
        return "FREQ=YEARLY" + month + ";BYMONTHDAY=" + QByteArray::number(first.day);
    const int weekday = WeekdayOf(first);
    if (!all([&](const CalendarDate& d) { return WeekdayOf(d) == weekday; }))
        return {};
    const int nth = (first.day - 1) / 7 + 1;
    if (nth <= 4 && all([&](const CalendarDate& d) { return (d.day - 1) / 7 + 1 == nth; }))
        return "FREQ=YEARLY" + month + ";BYDAY=" + QByteArray::number(nth) + kWeekdays[weekday - 1];
    if (all([](const CalendarDate& d) { return d.day + 7 > DaysInMonth(d.year, d.month); }))
        return "FREQ=YEARLY" + month + ";BYDAY=-1" + kWeekdays[weekday - 1];
    return {};
}

class Writer {
public:
    Writer() : calendar_(Ical().icalcomponent_new(ICAL_VCALENDAR_COMPONENT))
    {
        Ical().icalcomponent_add_property(calendar_.get(), Ical().icalproperty_new_version("2.0"));
        Ical().icalcomponent_add_property(calendar_.get(), Ical().icalproperty_new_prodid("-//Morvessa//Holidays//EN"));
        Ical().icalcomponent_add_property(calendar_.get(), Ical().icalproperty_new_calscale("GREGORIAN"));
    }

    icalcomponent* Event(const QString& name, const CalendarDate& date)
    {
        const QByteArray uid = QByteArray::number(qulonglong(DayNumber(date) + 1000000)) + '-' +
                               QByteArray::number(++count_) + "@morvessa";
        icalcomponent* event = Ical().icalcomponent_new(ICAL_VEVENT_COMPONENT);
        Ical().icalcomponent_add_property(event, Ical().icalproperty_new_uid(uid.constData()));
        // A fixed stamp: the same holidays give the same file.
        Ical().icalcomponent_add_property(
            event, Ical().icalproperty_new_dtstamp(
                       Ical().icaltime_from_timet_with_zone(0, 0, Ical().icaltimezone_get_utc_timezone())));
        Ical().icalcomponent_add_property(event, Ical().icalproperty_new_dtstart(DateValue(date)));
        Ical().icalcomponent_add_property(event, Ical().icalproperty_new_dtend(DateValue(AddDays(date, 1))));
        Ical().icalcomponent_add_property(event, Ical().icalproperty_new_summary(name.toUtf8().constData()));
        Ical().icalcomponent_add_property(event, Ical().icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
        Ical().icalcomponent_add_component(calendar_.get(), event);
        return event;
    }

    void Yearly(const QString& name, const std::vector<CalendarDate>& dates, const QByteArray& rule)
    {
        icalcomponent* event = Event(name, dates.front());
        const QByteArray text = rule + ";UNTIL=" + QByteArray::number(dates.back().year) + "1231";
        Ical().icalcomponent_add_property(
            event, Ical().icalproperty_new_rrule(Ical().icalrecurrencetype_from_string(text.constData())));
    }

    QByteArray Text() const
    {
        char* text = Ical().icalcomponent_as_ical_string_r(calendar_.get());
        QByteArray result(text);
        Ical().icalmemory_free_buffer(text);
        return result;
    }

private:
    ComponentPtr calendar_;
    int count_ = 0;
};

}  // namespace

QByteArray WriteMarkedDaysIcs(const std::vector<MarkedHoliday>& days)
{
    const sheet::io::CNumbersInScope cNumbers;
    // Each name's days, in the order the names first come.
    std::vector<QString> names;
    std::map<QString, std::set<CalendarDate>> daysOfName;
    for (const MarkedHoliday& day : days) {
        auto [it, added] = daysOfName.try_emplace(day.name);
        if (added)
            names.push_back(day.name);
        it->second.insert(day.date);
    }
    Writer writer;
    for (const QString& name : names) {
        const std::vector<CalendarDate> dates(daysOfName[name].begin(), daysOfName[name].end());
        // Runs of consecutive years with one day each may be yearly events.
        for (std::size_t begin = 0; begin < dates.size();) {
            std::size_t end = begin + 1;
            while (end < dates.size() && dates[end].year == dates[end - 1].year + 1)
                ++end;
            const bool sameYearFollows = end < dates.size() && dates[end].year == dates[end - 1].year;
            const std::size_t runEnd = sameYearFollows ? end - 1 : end;
            const std::vector<CalendarDate> run(dates.begin() + std::ptrdiff_t(begin),
                                                dates.begin() + std::ptrdiff_t(runEnd));
            const QByteArray rule = run.size() > 1 ? YearlyRuleOf(run) : QByteArray();
            if (!rule.isEmpty()) {
                writer.Yearly(name, run, rule);
                begin = runEnd;
                continue;
            }
            writer.Event(name, dates[begin]);
            ++begin;
        }
    }
    return writer.Text();
}

std::vector<MarkedHoliday> MarkedHolidays(int firstYear, int lastYear)
{
    if (firstYear < 1583 || lastYear > 9999 || firstYear > lastYear)
        throw std::invalid_argument("The years to export must run from 1583 to 9999, the first not after the last");
    std::vector<MarkedHoliday> days;
    for (int year = firstYear; year <= lastYear; ++year) {
        std::vector<MarkedHoliday> ofYear = MarkedHolidaysOfYear(year);
        days.insert(days.end(), ofYear.begin(), ofYear.end());
    }
    return days;
}

std::size_t ExportMarkedHolidays(const QString& path, int firstYear, int lastYear)
{
    const std::vector<MarkedHoliday> days = MarkedHolidays(firstYear, lastYear);
    const QByteArray text = WriteMarkedDaysIcs(days);
    try {
        sheet::io::ReplaceFileAtomically(
            path.toStdString(),
            std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(text.constData()), std::size_t(text.size())));
    } catch (const sheet::io::FileError& error) {
        throw IcsError(QCoreApplication::translate("IcsFile", "The file \"%1\" cannot be written: %2.")
                           .arg(path, QString::fromStdString(TranslatedReportText(error.reason())))
                           .toStdString());
    }
    std::set<std::pair<CalendarDate, QString>> distinct;
    for (const MarkedHoliday& day : days)
        distinct.insert({day.date, day.name});
    return distinct.size();
}

}  // namespace morvessa
