#pragma once
// What one run of the command-line tool is asked to do, once its command line has been read and
// checked, and the small rules the options share.

#include "calendar/CalendarOptions.h"
#include "core/CalendarLanguage.h"
#include "core/CalendarYear.h"
#include "host/SheetFiles.h"
#include "settings/PaperSetting.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace morvessa::batch {

// The tool's exit status: every step ran, a step failed, the command line was refused.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailedSteps = 1;
inline constexpr int kExitUsage = 2;

// Calendar months FIRST..LAST as the workbook orders them (they may run over the year's end when
// the calendar starts in another month than January).
struct MonthRange {
    int first = 1;
    int last = 12;
};

// "3-5" or "7", months 1..12.
std::optional<MonthRange> ParseMonthRange(const QString& text);

// The sheets (by position) that hold the months of `range` in a calendar starting in `firstMonth`;
// nothing when the range runs backwards in that order.
std::optional<SheetSpan> SheetsOfMonths(MonthRange range, int firstMonth);

// The path names a PDF (by its ending, in any letter case).
bool NamesPdf(const QString& path);

// What one run is asked to do, read and checked from the command line.
struct BatchOptions {
    CalendarYear year = CalendarYear::Clamped(CalendarYear::kFirst);
    QString outPath;
    QString settingsPath;  // empty: the user's own settings
    int month = 1;         // 1..12
    QString snapshotPath;  // empty: no snapshot file
    // Many calendars: every year of --years for every --settings file, into outDir.
    QString outDir;             // empty: one calendar, to outPath
    std::vector<int> years;     // with outDir
    QStringList settingsPaths;  // with outDir; empty: the user's own settings
    // Holidays for this run only, added to a private copy of the settings.
    QStringList countries;                           // "DE", "DE-BY", ...
    QStringList holidayKinds{QStringLiteral("public")};  // of the countries' holidays
    QStringList icsFiles;
    bool englishNames = false;
    // Every holiday the run would mark, as an .ics file, for the run's year or years.
    QString exportIcsPath;
    bool exportOnly = false;  // no calendar, only the .ics file
    bool keepGoing = false;  // write the files even when steps failed
    // The calendar's layout; what the command line leaves open comes from the settings.
    std::optional<CalendarLanguage> language;
    std::optional<WeekStartChoice> weekStart;
    std::optional<int> firstMonth;
    bool weekNumbers = false;
    std::optional<PageChoice> pages;
    std::optional<bool> portrait;
    std::optional<std::int32_t> weekendColour;  // a palette index or kNoColorIndex
    // PDF: written when pdfPath is set; an --out naming a PDF leaves no workbook.
    bool workbookWanted = true;
    QString pdfPath;
    std::optional<Paper> paper;           // this run's paper; else the stored choice
    std::optional<MonthRange> pdfMonths;  // calendar months; empty: all twelve

    // The stored layout (of the settings file in use) with the command line's choices in its place.
    CalendarOptions Layout() const;
};

}  // namespace morvessa::batch
