#include "calendar/HolidayMarking.h"

#include "calendar/DateRules.h"
#include "calendar/HolidayColours.h"
#include "calendar/CalendarWords.h"
#include "calendar/MonthSheet.h"
#include "calendar/PlacementReasons.h"
#include "calendar/RuleDates.h"
#include "calendar/StoredCalendars.h"
#include "calendar/Template.h"
#include "calendar/WeekLayout.h"
#include "colours/ColorPalette.h"
#include "core/CalendarNames.h"
#include "holidays/HolidayCatalogue.h"
#include "holidays/HolidayRules.h"
#include "holidays/world/WorldHolidays.h"
#include "holidays/world/WorldSources.h"
#include "host/Drawing.h"
#include "host/SheetGeometry.h"
#include "host/TextFit.h"
#include "settings/SettingsStore.h"
#include "core/ErrorTrap.h"
#include "core/NumericText.h"
#include "spreadsheet/Application.h"

#include <algorithm>
#include <cmath>
#include <tuple>
#include <QCoreApplication>
#include <QSet>
#include <QStringList>

#include <map>
#include <set>
#include <vector>
#include <stdexcept>

namespace morvessa {

namespace {

// Why a holiday is left out, in the user's words and language; the report names the holiday and
// gives this reason.
class UnplaceableHoliday : public std::runtime_error {
public:
    explicit UnplaceableHoliday(const QString& reason) : std::runtime_error(reason.toStdString()) {}
};

// Thrown for a holiday that is left out without a report.
struct SilentlySkipped {};

// A whole number from a cell: a number, or text that reads as one. `notANumber` says why not.
int WholeNumberOf(const HolidayCell& cell, QString (*notANumber)(const QString&))
{
    double value = 0;
    bool numeric = false;
    if (cell.IsNumber()) {
        value = cell.Number();
        numeric = true;
    } else if (cell.IsText() && IsNumeric(cell.Text())) {
        value = ToNumber(cell.Text());
        numeric = true;
    }
    if (!numeric || !std::isfinite(value) || value != std::floor(value) || std::fabs(value) > 1e6)
        throw UnplaceableHoliday(notANumber(cell.Text()));
    return static_cast<int>(value);
}

int MonthOf(const HolidayCell& cell)
{
    const int month = WholeNumberOf(cell, MonthNotANumberReason);
    if (month < 1 || month > 12)
        throw UnplaceableHoliday(NoSuchMonthReason(month));
    return month;
}

struct Placement {
    int month;
    int day;
};

Placement PlaceFixed(const HolidayTable& table, int row, long year)
{
    const int month = MonthOf(table.Cell(row, fixed_column::Month));
    const int day = WholeNumberOf(table.Cell(row, fixed_column::Day), DayNotANumberReason);
    if (month == 2 && day == 29 && DaysInMonth(int(year), 2) == 28)
        throw SilentlySkipped{};
    if (day < 1 || day > DaysInMonth(int(year), month))
        throw UnplaceableHoliday(NoSuchDayReason(int(year), month, day));
    return {month, day};
}

Placement PlaceFloating(const HolidayTable& table, int row, long year)
{
    const int month = MonthOf(table.Cell(row, floating_column::Month));
    const int weekday = WholeNumberOf(table.Cell(row, floating_column::Weekday), WeekdayNotANumberReason);
    if (weekday < 1 || weekday > 7)
        throw UnplaceableHoliday(NoSuchWeekdayReason(weekday));
    const HolidayCell& occurrenceCell = table.Cell(row, floating_column::Occurrence);
    const int count = WeekdayCountInMonth(int(year), month, weekday);
    const int occurrence = occurrenceCell.IsText() && occurrenceCell.Text() == kLastOccurrenceName
                               ? count
                               : WholeNumberOf(occurrenceCell, OccurrenceNotANumberReason);
    // The n-th weekday beyond the month's last one would land in the next month.
    if (occurrence < 1 || occurrence > count)
        throw UnplaceableHoliday(NoSuchOccurrenceReason(int(year), month, weekday, occurrence));
    const CalendarDate date = NthWeekdayDate(int(year), month, weekday, occurrence);
    return {date.month, date.day};
}

// Why the step failed: the reason given, or the description of what went wrong, translated.
QString FailureReason()
{
    try {
        throw;
    } catch (const UnplaceableHoliday& reason) {
        return QString::fromStdString(reason.what());
    } catch (...) {
        return QString::fromStdString(CurrentFailureInUsersWords());
    }
}

// A name longer than its notes area gets a smaller font, down to the smallest readable size, and
// the shrink-to-fit flag, so it shows whole here and in a spreadsheet program alike. A name that
// fits leaves the cell's format as it was; one that surely fits is not measured at all.
void FitNotes(const sheet::Worksheet& monthSheet, DayCellPosition cell, sheet::Range& notes)
{
    if (SurelyFitsAtOwnSize(monthSheet, cell.row, cell.column))
        return;
    const std::optional<double> size = Drawings().FittingFontSize(monthSheet, cell.row, cell.column);
    const double own = notes.Font().Size();
    if (size && *size >= own)
        return;
    notes.ShrinkToFit(true);
    notes.Font().Size(size.value_or(kSmallestShrunkPoints));
}

}  // namespace

void MarkHoliday(sheet::Application& app, int year, int month, int day, const std::string& name,
                 const CalendarOptions& options, std::optional<std::int32_t> fill)
{
    // The sheet is found by name rather than position, so a sheet left over from a failed step
    // cannot shift holidays onto the wrong month. The notes cell is addressed from the day's place
    // in the grid: searching for the day's number would find a holiday named like a number first.
    sheet::Worksheet& monthSheet = app.Sheets()(options.language.MonthName(month));
    monthSheet.Activate();
    if (day < 1 || day > DaysInMonth(year, month))
        throw std::out_of_range(NoSuchDayReason(year, month, day).toStdString());
    const DayCellPosition cell = NotesCell(year, month, day, options.FirstWeekday());
    monthSheet.Cells(cell.row, cell.column).Select();
    sheet::Range notes = app.ActiveCell();
    // The name exactly as typed: a leading apostrophe makes the host take the rest as text, so
    // "007", "1e3", "'Tis" and "=1+1" are neither numbers, formulas nor shortened.
    notes.Value(name.empty() ? sheet::CellValue() : sheet::CellValue("'" + name));
    notes.Font().ColorIndex(3);
    notes.Interior().ColorIndex(fill ? *fill : GetColorIndex(key::HolidaysColor));
    FitNotes(monthSheet, cell, notes);
    app.Range("A1").Select();
}

namespace {

// The two-letter language the world holiday names are asked in ("de" for German month names).
QString LanguageCodeOf(const CalendarLanguage& language)
{
    return language.Locale().name().section(u'_', 0, 0);
}

// The holidays of one year, handed to `sink` for those of its months that the workbook shows.
void VisitHolidaysOfYear(long year, HolidaySink& sink, const std::set<int>& shownMonths, bool firstPass,
                         const CalendarLanguage& language)
{
    // A holiday of a month this year does not show is left to the other year; one whose month
    // cannot be read is reported once, in the first year.
    const auto markOrReport = [&](const HolidayCell& nameCell, const HolidayCell& monthCell,
                                  const auto& place) {
        try {
            if (!shownMonths.count(MonthOf(monthCell)))
                return;
        } catch (...) {
            if (!firstPass)
                return;
        }
        try {
            const Placement placement = place();
            sink.Mark(placement.month, placement.day, nameCell.Text(), HolidaySource::Lists());
        } catch (const SilentlySkipped&) {
        } catch (...) {
            sink.Fail(UnplaceableHolidayReport(nameCell.Text(), FailureReason()));
        }
    };

    using Source = SourcedHoliday::Source;
    sink.From(Source::FixedList, {});
    const HolidayTable& fixed = FixedHolidays();
    for (int row = 1; row <= fixed.RowCount(); ++row)
        markOrReport(fixed.Cell(row, fixed_column::Name), fixed.Cell(row, fixed_column::Month),
                     [&] { return PlaceFixed(fixed, row, year); });

    sink.From(Source::FloatingList, {});
    const HolidayTable& floating = FloatingHolidays();
    for (int row = 1; row <= floating.RowCount(); ++row)
        markOrReport(floating.Cell(row, floating_column::Name), floating.Cell(row, floating_column::Month),
                     [&] { return PlaceFloating(floating, row, year); });

    if (ReadWholeNumberSetting(key::Easter, QStringLiteral("1")) == 1) {
        const CalendarDate easter = EasterDate(year);
        if (shownMonths.count(easter.month)) {
            sink.From(Source::Easter, {});
            sink.Mark(easter.month, easter.day, language.Word(kEasterWord), HolidaySource::Lists());
            sink.BlockDone();
        }
    }

    const std::vector<HolidayRule>& rules = RuleHolidays();
    if (!rules.empty()) {
        std::vector<HolidayOccurrence> occurrences;
        try {
            occurrences = HolidaysInYear(rules, int(year));
        } catch (...) {
            sink.Fail(UnplaceableRulesReport(FailureReason()));
            return;
        }
        sink.From(Source::Rules, {});
        for (const HolidayOccurrence& occurrence : occurrences) {
            if (!shownMonths.count(occurrence.date.month))
                continue;
            try {
                sink.Mark(occurrence.date.month, occurrence.date.day, occurrence.label,
                          occurrence.rule < rules.size() ? rules[occurrence.rule].source : HolidaySource::Lists());
            } catch (...) {
                sink.Fail(UnplaceableHolidayReport(occurrence.label, FailureReason()));
            }
        }
        sink.BlockDone();
    }

    // The chosen countries, states and regions, computed for the year; without any, no data is read.
    const world::WorldSourceDays sources = world::DaysOfWorldSources(int(year), LanguageCodeOf(language));
    if (firstPass) {
        for (const QString& problem : sources.problems)
            sink.Fail(problem.toStdString());
    }
    bool sourceMarked = false;
    int lastSource = -1;
    // Each country source and each kind of its holidays has a colour of its own.
    std::vector<world::WorldSource> stored;
    if (!sources.days.empty()) {
        try {
            stored = world::StoredWorldSources();
        } catch (...) {
        }
    }
    for (const world::WorldSourceDay& day : sources.days) {
        if (!shownMonths.count(day.date.month()))
            continue;
        if (day.source != lastSource) {
            lastSource = day.source;
            sink.From(Source::World, day.title);
        }
        try {
            const bool known = day.source >= 0 && std::size_t(day.source) < stored.size();
            HolidaySource source = HolidaySource::Country(known ? stored[std::size_t(day.source)].code : day.title,
                                                          world::KindName(day.kind));
            source.name = day.title;  // the label adds the kind, in the calendar's language
            sink.Mark(day.date.month(), day.date.day(), day.name, source);
            sourceMarked = true;
        } catch (...) {
            sink.Fail(UnplaceableHolidayReport(day.name, FailureReason()));
        }
    }
    if (sourceMarked)
        sink.BlockDone();

    // Imported calendars come last; without any, libical is never loaded. An event cut at its limit
    // is told, not failed: the rest of it still shows.
    const StoredCalendarDays calendars = DaysOfStoredCalendars(int(year), int(year));
    if (firstPass) {
        for (const QString& problem : calendars.problems)
            sink.Fail(problem.toStdString());
        for (const QString& notice : calendars.notices)
            CurrentCatalogueMessageSink().ShowMessage(notice);
    }
    // The days come in date order: each day's names are marked at once, so a day with thousands
    // of events costs one write.
    bool marked = false;
    sink.From(Source::Calendar, {});
    for (std::size_t first = 0; first < calendars.days.size();) {
        const CalendarDate date = calendars.days[first].date;
        std::size_t end = first;
        QStringList names;
        for (; end < calendars.days.size() && calendars.days[end].date == date; ++end)
            names.append(calendars.days[end].label);
        first = end;
        if (!shownMonths.count(date.month))
            continue;
        try {
            sink.MarkAll(date.month, date.day, names, HolidaySource::Calendar(calendars.days[end - 1].calendar));
            marked = true;
        } catch (...) {
            sink.Fail(UnplaceableEventReport(names.back(), FailureReason()));
        }
    }
    if (marked)
        sink.BlockDone();
}

// Marks on the month sheets. With "Show every holiday of a day" a day's names gather, one per line;
// otherwise the later holiday replaces the earlier one.
constexpr int kMaxNamesOfDay = 50;  // the most names one day's notes show

class SheetSink : public HolidaySink {
public:
    SheetSink(sheet::Application& app, long year, ErrorTrap& trap, int line, const CalendarOptions& options,
              HolidayColours& colours, std::vector<MarkedHoliday>* marked)
        : app_(app), year_(year), trap_(trap), line_(line), options_(options),
          showEvery_(ShowEveryHolidayOfDay()), colours_(colours), marked_(marked)
    {
    }

    void Mark(int month, int day, const QString& name, const HolidaySource& source) override
    {
        const std::int32_t fill = colours_.FillOf(source);
        if (!showEvery_) {
            MarkHoliday(app_, int(year_), month, day, name.toStdString(), options_, fill);
            Record(month, day, name, source, fill);
            return;
        }
        DayNames& names = namesOfDay_[{month, day}];
        if (Gather(names, name)) {
            MarkHoliday(app_, int(year_), month, day, TextOf(names).toStdString(), options_, fill);
            Record(month, day, name, source, fill);
        }
    }
    void MarkAll(int month, int day, const QStringList& names, const HolidaySource& source) override
    {
        const std::int32_t fill = colours_.FillOf(source);
        if (!showEvery_) {
            MarkHoliday(app_, int(year_), month, day, names.back().toStdString(), options_, fill);
            Record(month, day, names.back(), source, fill);
            return;
        }
        DayNames& gathered = namesOfDay_[{month, day}];
        QStringList added;
        for (const QString& name : names)
            if (Gather(gathered, name))
                added.append(name);
        if (!added.isEmpty())
            MarkHoliday(app_, int(year_), month, day, TextOf(gathered).toStdString(), options_, fill);
        for (const QString& name : added)
            Record(month, day, name, source, fill);
    }
    void Fail(const std::string& description) override { trap_.Fail(line_, description); }
    void BlockDone() override { app_.Sheets()(options_.language.MonthName(1)).Activate(); }

private:
    // What the sheet now shows on the day, for the year page and the legends.
    void Record(int month, int day, const QString& name, const HolidaySource& source, std::int32_t fill)
    {
        if (!marked_)
            return;
        const CalendarDate date{int(year_), month, day};
        if (!showEvery_)
            std::erase_if(*marked_, [&](const MarkedHoliday& earlier) { return earlier.date == date; });
        marked_->push_back({date, name, source, fill});
    }

private:
    sheet::Application& app_;
    long year_;
    ErrorTrap& trap_;
    int line_;
    const CalendarOptions& options_;
    struct DayNames {
        QStringList shown;
        QSet<QString> seen;
        int more = 0;
    };
    // Adds a name not there yet. A day holds the first names and how many more: thousands would
    // pass the cell's limit and cost a join of every name for each one added.
    bool Gather(DayNames& names, const QString& name)
    {
        if (names.seen.contains(name))
            return false;
        names.seen.insert(name);
        if (names.shown.size() < kMaxNamesOfDay) {
            names.shown.append(name);
            return true;
        }
        ++names.more;
        if (!cutToldOnce_) {
            cutToldOnce_ = true;
            CurrentCatalogueMessageSink().ShowMessage(
                QCoreApplication::translate("ErrorReport", "A day holds more than %1 holidays: its notes show "
                                                           "the first %1 and how many more there are.")
                    .arg(kMaxNamesOfDay));
        }
        return true;
    }
    QString TextOf(const DayNames& names) const
    {
        QString text = names.shown.join(u'\n');
        if (names.more > 0)
            text += u'\n' + options_.language.Word(kAndMoreWord).arg(names.more);
        return text;
    }

    bool showEvery_;
    bool cutToldOnce_ = false;
    HolidayColours& colours_;
    std::vector<MarkedHoliday>* marked_;
    std::map<std::pair<int, int>, DayNames> namesOfDay_;
};

class CollectingSink : public HolidaySink {
public:
    CollectingSink(int year, std::vector<MarkedHoliday>& days) : year_(year), days_(days) {}
    void Mark(int month, int day, const QString& name, const HolidaySource& source) override
    {
        days_.push_back({{year_, month, day}, name, source});
    }
    void Fail(const std::string&) override {}

private:
    int year_;
    std::vector<MarkedHoliday>& days_;
};

class SourcedSink : public HolidaySink {
public:
    SourcedSink(int year, std::vector<SourcedHoliday>& days) : year_(year), days_(days) {}
    void Mark(int month, int day, const QString& name, const HolidaySource&) override
    {
        days_.push_back({{year_, month, day}, name, source_, origin_});
    }
    void Fail(const std::string&) override {}
    void From(SourcedHoliday::Source source, const QString& origin) override
    {
        source_ = source;
        origin_ = origin;
    }

private:
    int year_;
    std::vector<SourcedHoliday>& days_;
    SourcedHoliday::Source source_ = SourcedHoliday::Source::FixedList;
    QString origin_;
};

}  // namespace

std::vector<SourcedHoliday> SourcedHolidaysOfYear(int year)
{
    std::vector<SourcedHoliday> days;
    SourcedSink sink(year, days);
    std::set<int> months;
    for (int month = 1; month <= 12; ++month)
        months.insert(month);
    VisitHolidaysOfYear(year, sink, months, true, StoredCalendarOptions().language);
    std::stable_sort(days.begin(), days.end(), [](const SourcedHoliday& a, const SourcedHoliday& b) {
        return std::tie(a.date.month, a.date.day) < std::tie(b.date.month, b.date.day);
    });
    return days;
}

void MarkHolidays(sheet::Application& app, long year, ErrorTrap& trap, int line,
                  const CalendarOptions& options, std::vector<MarkedHoliday>* marked)
{
    HolidayColours colours = HolidayColours::Stored();
    app.Sheets()(kTemplateSheetName).Delete();

    // The months each year shows, in the order the sheets come.
    std::vector<std::pair<int, std::set<int>>> years;
    for (const YearMonth& shown : TwelveMonthsFrom({int(year), options.firstMonth})) {
        if (years.empty() || years.back().first != shown.year)
            years.push_back({shown.year, {}});
        years.back().second.insert(shown.month);
    }
    for (const auto& [passYear, months] : years) {
        SheetSink sink(app, passYear, trap, line, options, colours, marked);
        VisitHolidaysOfYear(passYear, sink, months, passYear == years.front().first, options.language);
    }
    if (marked)
        std::stable_sort(marked->begin(), marked->end(),
                         [](const MarkedHoliday& a, const MarkedHoliday& b) { return a.date < b.date; });
}

std::vector<MarkedHoliday> MarkedHolidaysOfYear(int year)
{
    std::vector<MarkedHoliday> days;
    CollectingSink sink(year, days);
    std::set<int> months;
    for (int month = 1; month <= 12; ++month)
        months.insert(month);
    VisitHolidaysOfYear(year, sink, months, true, StoredCalendarOptions().language);
    return days;
}

}  // namespace morvessa
