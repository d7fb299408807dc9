#include "calendar/YearSheet.h"

#include "calendar/DateRules.h"
#include "calendar/CalendarWords.h"
#include "calendar/Template.h"
#include "calendar/WeekLayout.h"
#include "colours/ColorPalette.h"
#include "spreadsheet/Application.h"

#include <QDate>

#include <algorithm>
#include <array>

namespace morvessa {

namespace {

using sheet::xlCenter;

constexpr int kFirstGridRow = 3;    // below the year's title and a narrow gap
constexpr int kRowsPerMonth = 8;    // the month's name, the weekday letters, six week rows
constexpr int kListRowsAtMost = 26; // a portrait list below the grids stops here and counts the rest
constexpr int kListColumnsAtMost = 3;
// A month page's legend: beside its mini months (columns Q..AE), as many rows as they have.
constexpr int kLegendColumn = 34;      // AH
constexpr int kLegendLastColumn = 49;  // AW
constexpr std::size_t kLegendRowsAtMost = 8;
constexpr double kLegendSize = 7.0;

constexpr double kDayColumnWidth = 3.4;
constexpr double kWeekColumnWidth = 2.7;
constexpr double kGapColumnWidth = 1.4;
constexpr double kSwatchColumnWidth = 2.0;
constexpr double kListColumnWidth = 26.0;
constexpr double kTitleRowHeight = 30.0;
constexpr double kRowHeight = 12.75;
constexpr double kGapRowHeight = 8.0;

constexpr double kTextSize = 8.0;
constexpr double kMonthTitleSize = 10.0;
constexpr double kYearTitleSize = 20.0;
constexpr int kRed = 3;
constexpr int kGrey = 16;
constexpr int kWhite = 2;

int Across(const CalendarOptions& options)
{
    return options.portrait ? 3 : 4;
}

int Down(const CalendarOptions& options)
{
    return 12 / Across(options);
}

// The week number column (when shown) and the seven day columns.
int BlockWidth(const CalendarOptions& options)
{
    return 7 + (options.weekNumbers ? 1 : 0);
}

int GridColumns(const CalendarOptions& options)
{
    return Across(options) * (BlockWidth(options) + 1) - 1;
}

int GridRows(const CalendarOptions& options)
{
    return Down(options) * (kRowsPerMonth + 1) - 1;
}

sheet::Range Area(sheet::Worksheet& ws, int row, int column, int lastRow, int lastColumn)
{
    return ws.Range(ws.Cells(row, column), ws.Cells(lastRow, lastColumn));
}

// Text exactly as given: never read as a number or a formula.
void PutText(const sheet::Range& cell, const QString& text)
{
    cell.Value(sheet::CellValue((u'\'' + text).toStdString()));
}

void Fill(const sheet::Range& cells, std::int32_t colour)
{
    if (colour != kNoColorIndex)
        cells.Interior().ColorIndex(colour);
}

bool IsWeekend(int year, int month, int day, const CalendarLanguage& language)
{
    const int weekday = QDate(year, month, day).dayOfWeek() % 7 + 1;  // QDate counts Monday = 1
    return language.IsWeekend(weekday);
}

// "Jan 1" in English, "1 janv." and "1. Jan." in the locale's short month otherwise.
QString ListDate(const MarkedHoliday& holiday, const CalendarOptions& options)
{
    const QDate date(holiday.date.year, holiday.date.month, holiday.date.day);
    if (options.language.IsEnglish())
        return QLocale(QLocale::English, QLocale::UnitedStates).toString(date, QStringLiteral("MMM d"));
    return options.language.Locale().toString(date, QStringLiteral("d MMM"));
}

// One line of the band beside or below the grids: a colour swatch and its text.
struct ListLine {
    QString text;
    std::int32_t colour = kNoColorIndex;
    bool legend = false;
};

std::vector<ListLine> ListLines(const std::vector<MarkedHoliday>& holidays, const CalendarOptions& options)
{
    std::vector<ListLine> lines;
    for (const MarkedHoliday& holiday : holidays)
        lines.push_back({ListDate(holiday, options) + QStringLiteral("  ") + holiday.name, holiday.fill, false});
    const std::vector<LegendEntry> legend = HolidayLegend(holidays, options);
    if (!lines.empty() && !legend.empty())
        lines.push_back({});
    for (const LegendEntry& entry : legend)
        lines.push_back({entry.label, entry.colour, true});
    return lines;
}

class YearSheetBuilder {
public:
    YearSheetBuilder(sheet::Worksheet& ws, int year, const CalendarOptions& options)
        : ws_(ws), year_(year), options_(options)
    {
    }

    void Build(const std::vector<MarkedHoliday>& holidays)
    {
        weekend_ = options_.weekendColour;
        const std::vector<ListLine> lines = ListLines(holidays, options_);
        LayOutBand(int(lines.size()));
        ws_.Cells().Font().Name("Arial");
        ws_.Cells().Font().Size(kTextSize);
        ws_.Cells().Interior().ColorIndex(kWhite);
        SizeColumnsAndRows();
        WriteTitle();
        const std::array<YearMonth, 12> months = TwelveMonthsFrom({year_, options_.firstMonth});
        for (int index = 0; index < 12; ++index)
            WriteMonth(index, months[std::size_t(index)], holidays);
        WriteList(lines);
        SetCalendarPageSetup(ws_.PageSetup(), options_);
    }

private:
    // Beside the grids on landscape paper (as many columns as the lines need, up to three),
    // below them on portrait paper (one column under each column of months).
    void LayOutBand(int lineCount)
    {
        if (options_.portrait) {
            bandColumns_ = Across(options_);
            bandRows_ = std::clamp((lineCount + bandColumns_ - 1) / bandColumns_, 1, kListRowsAtMost);
            bandTop_ = kFirstGridRow + GridRows(options_) + 1;
            lastColumn_ = GridColumns(options_);
        } else {
            bandRows_ = GridRows(options_);
            bandColumns_ = std::clamp((lineCount + bandRows_ - 1) / bandRows_, 1, kListColumnsAtMost);
            bandTop_ = kFirstGridRow;
            lastColumn_ = GridColumns(options_) + 3 * bandColumns_;
        }
    }

    // Where the swatch and the text of band column `k` stand.
    struct BandColumn {
        int swatch;
        int firstText;
        int lastText;
    };
    BandColumn BandAt(int k) const
    {
        if (options_.portrait) {
            const int first = 1 + k * (BlockWidth(options_) + 1);
            return {first, first + 1, first + BlockWidth(options_) - 1};
        }
        const int swatch = GridColumns(options_) + 2 + 3 * k;
        return {swatch, swatch + 1, swatch + 1};
    }

    void SizeColumnsAndRows()
    {
        for (int gx = 0; gx < Across(options_); ++gx) {
            const int first = 1 + gx * (BlockWidth(options_) + 1);
            for (int column = first; column < first + BlockWidth(options_); ++column)
                ws_.SetColumnWidth(column, kDayColumnWidth);
            if (options_.weekNumbers)
                ws_.SetColumnWidth(first, kWeekColumnWidth);
            ws_.SetColumnWidth(first + BlockWidth(options_), kGapColumnWidth);
        }
        if (!options_.portrait) {
            for (int k = 0; k < bandColumns_; ++k) {
                ws_.SetColumnWidth(BandAt(k).swatch, kSwatchColumnWidth);
                ws_.SetColumnWidth(BandAt(k).firstText, kListColumnWidth);
                ws_.SetColumnWidth(BandAt(k).firstText + 1, kGapColumnWidth);
            }
        }
        ws_.SetRowHeight(1, kTitleRowHeight);
        ws_.SetRowHeight(2, kGapRowHeight);
        const int lastRow = bandTop_ + (options_.portrait ? bandRows_ : GridRows(options_)) - 1;
        for (int row = kFirstGridRow; row <= lastRow; ++row)
            ws_.SetRowHeight(row, kRowHeight);
        // The rows between the months stay full height: the list beside them runs through them.
    }

    void WriteTitle()
    {
        sheet::Range title = Area(ws_, 1, 1, 1, lastColumn_);
        title.Merge();
        title.HorizontalAlignment(xlCenter);
        title.VerticalAlignment(xlCenter);
        title.Font().Size(kYearTitleSize);
        title.Font().Bold(true);
        PutText(ws_.Cells(1, 1), QString::fromStdString(ws_.Name()));
    }

    void WriteMonth(int index, YearMonth shown, const std::vector<MarkedHoliday>& holidays)
    {
        const YearGridPlace place = YearGridOrigin(index, options_);
        const int weekStart = options_.FirstWeekday();
        const int blockFirst = place.firstDayColumn - (options_.weekNumbers ? 1 : 0);
        const int lastDay = place.firstDayColumn + 6;

        sheet::Range title = Area(ws_, place.titleRow, blockFirst, place.titleRow, lastDay);
        title.Merge();
        title.HorizontalAlignment(xlCenter);
        title.Font().Bold(true);
        title.Font().Size(kMonthTitleSize);
        // A calendar across two years names the year of each month.
        const bool oneYear = options_.firstMonth == 1;
        PutText(ws_.Cells(place.titleRow, blockFirst),
                QString::fromStdString(oneYear ? options_.language.MonthName(shown.month)
                                               : options_.language.MonthTitle(shown.year, shown.month)));

        const int letterRow = place.titleRow + 1;
        for (int column = 1; column <= 7; ++column)
            PutText(ws_.Cells(letterRow, place.firstDayColumn + column - 1),
                    QString::fromStdString(options_.language.WeekdayLetter(WeekdayAtColumn(column, weekStart))));
        sheet::Range letters = Area(ws_, letterRow, blockFirst, letterRow, lastDay);
        letters.Font().ColorIndex(kGrey);
        letters.HorizontalAlignment(xlCenter);
        letters.Borders(sheet::xlEdgeBottom).LineStyle(sheet::xlContinuous);
        letters.Borders(sheet::xlEdgeBottom).Weight(sheet::xlThin);

        const int firstColumn = FirstColumn(shown.year, shown.month, weekStart);
        Area(ws_, letterRow + 1, place.firstDayColumn, letterRow + 6, lastDay).HorizontalAlignment(xlCenter);
        for (int day = 1; day <= DaysInMonth(shown.year, shown.month); ++day) {
            const GridPlace at = DayPlace(day, firstColumn);
            sheet::Range cell = ws_.Cells(letterRow + at.week, place.firstDayColumn + at.column - 1);
            cell.Value(day);
            const auto holiday = std::find_if(holidays.begin(), holidays.end(), [&](const MarkedHoliday& h) {
                return h.date == CalendarDate{shown.year, shown.month, day};
            });
            if (holiday != holidays.end()) {
                Fill(cell, holiday->fill);
                cell.Font().Bold(true);
                cell.Font().ColorIndex(kRed);
            } else if (weekend_ != kNoColorIndex && IsWeekend(shown.year, shown.month, day, options_.language)) {
                Fill(cell, weekend_);
            }
        }
        if (options_.weekNumbers) {
            for (int week = 1; week <= WeekRowCount(shown.year, shown.month, weekStart); ++week) {
                sheet::Range cell = ws_.Cells(letterRow + week, blockFirst);
                cell.Value(IsoWeekOfRow(shown.year, shown.month, week, weekStart));
                cell.Font().Italic(true);
                cell.Font().ColorIndex(kGrey);
                cell.HorizontalAlignment(xlCenter);
            }
        }
    }

    // The holidays by date, then the legend; what does not fit is counted on the last line.
    void WriteList(std::vector<ListLine> lines)
    {
        const std::size_t room = std::size_t(bandRows_) * std::size_t(bandColumns_);
        if (lines.size() > room) {
            const std::size_t left = lines.size() - room + 1;
            lines.resize(room - 1);
            lines.push_back({options_.language.Word(kMoreWord).arg(left), kNoColorIndex, false});
        }
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const ListLine& line = lines[i];
            if (line.text.isEmpty())
                continue;
            const BandColumn band = BandAt(int(i) / bandRows_);
            const int row = bandTop_ + int(i) % bandRows_;
            Fill(ws_.Cells(row, band.swatch), line.colour);
            sheet::Range text = Area(ws_, row, band.firstText, row, band.lastText);
            if (band.lastText > band.firstText)
                text.Merge();
            text.HorizontalAlignment(sheet::xlLeft);
            text.ShrinkToFit(true);
            if (line.legend)
                text.Font().Italic(true);
            PutText(ws_.Cells(row, band.firstText), line.text);
        }
    }

    sheet::Worksheet& ws_;
    const int year_;
    const CalendarOptions& options_;
    std::int32_t weekend_ = kNoColorIndex;
    int bandTop_ = kFirstGridRow;
    int bandRows_ = 1;
    int bandColumns_ = 1;
    int lastColumn_ = 1;
};

}  // namespace

std::vector<LegendEntry> HolidayLegend(const std::vector<MarkedHoliday>& holidays, const CalendarOptions& options)
{
    std::vector<LegendEntry> legend;
    std::vector<HolidaySource> sources;
    for (const MarkedHoliday& holiday : holidays) {
        if (std::find(sources.begin(), sources.end(), holiday.source) != sources.end())
            continue;
        sources.push_back(holiday.source);
        legend.push_back({holiday.source.Label(options.language), holiday.fill});
    }
    if (options.weekendColour != kNoColorIndex)
        legend.push_back({options.language.Word(kWeekendWord), options.weekendColour});
    return legend;
}

void AddMonthLegends(sheet::Application& app, int year, const std::vector<MarkedHoliday>& holidays,
                     const CalendarOptions& options)
{
    const std::vector<LegendEntry> legend = HolidayLegend(holidays, options);
    // One colour needs no explaining, and the calendar stays as it always was.
    const bool oneColour = std::all_of(legend.begin(), legend.end(),
                                       [&](const LegendEntry& entry) { return entry.colour == legend.front().colour; });
    if (oneColour)
        return;
    const std::size_t rows = std::min<std::size_t>(legend.size(), kLegendRowsAtMost);
    for (const YearMonth& shown : TwelveMonthsFrom({year, options.firstMonth})) {
        sheet::Worksheet& ws = app.Sheets()(options.language.MonthName(shown.month));
        // Level with the mini months, right of them.
        const int top = 8 * WeekRowCount(shown.year, shown.month, options.FirstWeekday()) + 10;
        for (std::size_t i = 0; i < rows; ++i) {
            const int row = top + int(i);
            const bool cut = i + 1 == rows && legend.size() > rows;
            sheet::Range swatch = Area(ws, row, kLegendColumn, row, kLegendColumn + 1);
            swatch.Merge();
            if (!cut)
                Fill(swatch, legend[i].colour);
            sheet::Range text = Area(ws, row, kLegendColumn + 2, row, kLegendLastColumn);
            text.Merge();
            text.HorizontalAlignment(sheet::xlLeft);
            text.ShrinkToFit(true);
            text.Font().Size(kLegendSize);
            PutText(ws.Cells(row, kLegendColumn + 2),
                    cut ? options.language.Word(kMoreWord).arg(legend.size() - rows + 1) : legend[i].label);
        }
    }
}

std::string YearSheetName(int year, const CalendarOptions& options)
{
    if (options.firstMonth == 1)
        return std::to_string(year);
    return QStringLiteral("%1-%2").arg(year).arg(year + 1).toStdString();
}

YearGridPlace YearGridOrigin(int index, const CalendarOptions& options)
{
    const int gx = index % Across(options);
    const int gy = index / Across(options);
    return {kFirstGridRow + gy * (kRowsPerMonth + 1),
            1 + gx * (BlockWidth(options) + 1) + (options.weekNumbers ? 1 : 0)};
}

sheet::Worksheet& BuildYearSheet(sheet::Application& app, int year, const std::vector<MarkedHoliday>& holidays,
                                 const CalendarOptions& options)
{
    sheet::Worksheet& ws = app.Worksheets().Add(sheet::Before{app.Sheets()(1)});
    ws.Name(YearSheetName(year, options));
    YearSheetBuilder(ws, year, options).Build(holidays);
    return ws;
}

}  // namespace morvessa
