#include "holidays/world/RuleEvaluator.h"

#include "holidays/world/Astronomy.h"

#include <unicode/timezone.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace morvessa::world {

namespace {

const QDate kUnixEpoch(1970, 1, 1);
constexpr int kMinutesPerDay = 1440;
// China's standard time, in which the solar terms are dated.
constexpr int kChinaZoneMinutes = 8 * 60;

bool Contains(const std::vector<Weekday>& days, const QDate& date)
{
    return std::find(days.begin(), days.end(), date.dayOfWeek()) != days.end();
}

QDate NextWeekday(QDate date, Weekday weekday, bool includeSame)
{
    if (!includeSame)
        date = date.addDays(1);
    return date.addDays((weekday - date.dayOfWeek() + 7) % 7);
}

QDate PreviousWeekday(QDate date, Weekday weekday)
{
    date = date.addDays(-1);
    return date.addDays(-((date.dayOfWeek() - weekday + 7) % 7));
}

int ZoneOffsetMinutes(const QString& zone, UnixDays moment)
{
    std::unique_ptr<icu::TimeZone> tz(
        icu::TimeZone::createTimeZone(icu::UnicodeString::fromUTF8(zone.toStdString())));
    int32_t raw = 0, dst = 0;
    UErrorCode status = U_ZERO_ERROR;
    tz->getOffset(moment * 86400000.0, false, raw, dst, status);
    return U_FAILURE(status) ? 0 : (raw + dst) / 60000;
}

QDate LocalDay(UnixDays moment, int zoneMinutes)
{
    return kUnixEpoch.addDays(static_cast<qint64>(std::floor(moment + zoneMinutes / double(kMinutesPerDay))));
}

std::vector<QDate> BaseDates(const RuleBase& base, int year)
{
    using K = RuleBase::Kind;
    switch (base.kind) {
    case K::MonthDay: {
        const QDate date(year, base.month, base.day);
        return date.isValid() ? std::vector{date} : std::vector<QDate>{};
    }
    case K::Dated:
        return base.year == year ? std::vector{QDate(base.year, base.month, base.day)} : std::vector<QDate>{};
    case K::Easter: return {EasterSunday(year).addDays(base.offset)};
    case K::Orthodox: return {OrthodoxEasterSunday(year).addDays(base.offset)};
    case K::Julian: return {FromJulianCalendar(year, base.month, base.day)};
    case K::Other: return GregorianDays(base.other, year);
    case K::Season: {
        const UnixDays moment = SeasonStart(year, base.month);
        const int zone = base.zone.isEmpty() ? base.zoneMinutes : ZoneOffsetMinutes(base.zone, moment);
        return {LocalDay(moment, zone)};
    }
    case K::ChineseSolarTerm: {
        // Term 1 (Lichun) is where the sun reaches 315 degrees; each term is 15 degrees on.
        const double longitude = std::fmod(315.0 + 15.0 * (base.solarTerm - 1), 360.0);
        const UnixDays yearStart = kUnixEpoch.daysTo(QDate(year, 1, 1));
        const UnixDays moment = SunReachesLongitude(longitude, yearStart);
        return {LocalDay(moment, kChinaZoneMinutes).addDays(base.termDay - 1)};
    }
    }
    return {};
}

QDate ApplyStep(const WeekdayStep& step, const QDate& date)
{
    if (step.weekday == 0)
        return date.addDays(step.before ? -step.count : step.count);
    if (step.before)
        return PreviousWeekday(date, step.weekday).addDays(-7 * (step.count - 1));
    return NextWeekday(date, step.weekday, true).addDays(7 * (step.count - 1));
}

bool YearAllowed(const Rule& rule, int year)
{
    using F = Rule::YearFilter;
    switch (rule.yearFilter) {
    case F::Even: if (year % 2) return false; break;
    case F::Odd: if (year % 2 == 0) return false; break;
    case F::Leap: if (!QDate::isLeapYear(year)) return false; break;
    case F::NonLeap: if (QDate::isLeapYear(year)) return false; break;
    case F::Any: break;
    }
    if (rule.everyYears && (year < rule.everySince || (year - rule.everySince) % rule.everyYears))
        return false;
    return true;
}

int DayCount(const Rule& rule, int startMinutes)
{
    if (!rule.durationMinutes)
        return 1;
    const int minutes = *rule.durationMinutes;
    if (startMinutes == 0)
        return std::max(1, (minutes + kMinutesPerDay / 2) / kMinutesPerDay);
    return std::max(1, (startMinutes + minutes + kMinutesPerDay - 1) / kMinutesPerDay);
}

}  // namespace

QDate EasterSunday(int year)
{
    // The anonymous Gregorian computus.
    const int a = year % 19, b = year / 100, c = year % 100, d = b / 4, e = b % 4;
    const int f = (b + 8) / 25, g = (b - f + 1) / 3, h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4, k = c % 4, l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int month = (h + l - 7 * m + 114) / 31, day = (h + l - 7 * m + 114) % 31 + 1;
    return QDate(year, month, day);
}

QDate OrthodoxEasterSunday(int year)
{
    // Meeus's Julian computus, then the Julian date in Gregorian terms.
    const int a = year % 4, b = year % 7, c = year % 19;
    const int d = (19 * c + 15) % 30, e = (2 * a + 4 * b - d + 34) % 7;
    const int month = (d + e + 114) / 31, day = (d + e + 114) % 31 + 1;
    return FromJulianCalendar(year, month, day);
}

QDate FromJulianCalendar(int year, int month, int day)
{
    const int a = (14 - month) / 12, y = year + 4800 - a, m = month + 12 * a - 3;
    return QDate::fromJulianDay(day + (153 * m + 2) / 5 + 365 * y + y / 4 - 32083);
}

bool CanLeaveItsYear(const Rule& rule)
{
    return !rule.steps.empty() || !rule.shifts.empty() || rule.base.kind == RuleBase::Kind::Julian ||
           rule.base.kind == RuleBase::Kind::Easter || rule.base.kind == RuleBase::Kind::Orthodox ||
           (rule.base.kind == RuleBase::Kind::Other && rule.base.other.day <= 0);
}

bool InForce(const Rule& rule, const QDate& date)
{
    return !(rule.since && date < *rule.since) && !(rule.priorTo && date >= *rule.priorTo);
}

std::vector<RuleDay> EvaluateRule(const Rule& rule, int year, bool checkSince)
{
    std::vector<RuleDay> days;
    if (!YearAllowed(rule, year))
        return days;
    for (QDate date : BaseDates(rule.base, year)) {
        for (auto step = rule.steps.rbegin(); step != rule.steps.rend(); ++step)
            date = ApplyStep(*step, date);
        if (!date.isValid() || (checkSince && !InForce(rule, date)))
            continue;
        if ((!rule.onlyOn.empty() && !Contains(rule.onlyOn, date)) || Contains(rule.notOn, date))
            continue;
        int start = rule.startMinutes;
        for (const auto& [when, minutes] : rule.startOn)
            if (Contains(when, date)) {
                start = minutes;
                break;
            }
        const auto shift = std::find_if(rule.shifts.begin(), rule.shifts.end(),
                                        [&](const WeekdayShift& s) { return Contains(s.when, date); });
        const int count = DayCount(rule, start);
        // "substitutes ...": only a moved day, the day itself being another rule's.
        const bool keepsItself = std::any_of(rule.shifts.begin(), rule.shifts.end(),
                                             [](const WeekdayShift& s) { return s.keepOriginal; });
        if (shift == rule.shifts.end()) {
            if (!rule.substitutes || keepsItself)
                days.push_back({date, start, count, false});
            continue;
        }
        const QDate moved = shift->next ? NextWeekday(date, shift->to, false) : PreviousWeekday(date, shift->to);
        if (shift->keepOriginal)
            days.push_back({date, start, count, false});
        days.push_back({moved, start, count, shift->keepOriginal || rule.substitutes});
    }
    return days;
}

}  // namespace morvessa::world
