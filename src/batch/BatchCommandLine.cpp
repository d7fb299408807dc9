#include "batch/BatchCommandLine.h"

#include "holidays/world/WorldHolidays.h"
#include "spreadsheet/io/AtomicFile.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <cstdio>
#include <utility>

#include <sys/stat.h>

namespace morvessa::batch {

namespace {

const char* const kDescription = QT_TRANSLATE_NOOP(
    "BatchTool",
    "Builds a yearly calendar workbook (.xls or .xlsx, twelve month sheets) from the stored\n"
    "holidays and colours, exactly as the program's \"Start Creating Template\" does, without any\n"
    "window.\n"
    "\n"
    "Every failed step is printed to stderr as the program's error report would show it; the exit\n"
    "status is 0 only when no step failed (1 when one did, 2 for a usage error). A run with a failed\n"
    "step writes no file, so an existing --out stays as it was, unless --keep-going is given.\n"
    "The user's own settings are read only when --settings is not given.\n"
    "\n"
    "Many calendars in one run: --years FIRST-LAST with --out-dir DIR writes DIR/YEAR.xls for each\n"
    "year; several --settings files give DIR/NAME-YEAR.xls for each file NAME.ini and year. These\n"
    "runs write the workbooks only (no snapshot), each one only when none of its steps failed\n"
    "(or with --keep-going).\n"
    "\n"
    "PDF: an --out ending in .pdf writes the calendar as a PDF only, one landscape page per month;\n"
    "--pdf PATH writes one beside the workbook. --paper sets the paper of the PDF and of the\n"
    "workbook's page setup for this run only; --months picks the PDF's months.");

}  // namespace

BatchCommandLine::BatchCommandLine(UsageErrorSink usageError)
    : usageError_(std::move(usageError)), help_(parser_.addHelpOption()),
      version_(parser_.addVersionOption()),
      year_(QStringLiteral("year"),
            BatchTool::tr("The calendar's year; years outside 1900..2100 are clamped to them."),
            QStringLiteral("YEAR")),
      out_(QStringLiteral("out"),
           BatchTool::tr("Where the workbook is written (replaced if it exists): a name ending in "
                          ".xlsx gives an Excel Workbook, any other the Excel 97-2003 format."),
           QStringLiteral("PATH.xls|PATH.xlsx")),
      settings_(QStringLiteral("settings"),
                BatchTool::tr("An INI settings file to use instead of the user's own (same format). "
                               "An empty file gives the default holidays and colours, written into it."),
                QStringLiteral("FILE")),
      month_(QStringLiteral("month"),
             BatchTool::tr("The month sheet that is active when the workbook opens and that the snapshot "
                            "shows, 1..12 (default 1, January)."),
             QStringLiteral("N"), QStringLiteral("1")),
      snapshot_(QStringLiteral("snapshot"),
                BatchTool::tr("Also write the snapshot picture of that month (BMP)."),
                QStringLiteral("PATH.bmp")),
      years_(QStringLiteral("years"),
             BatchTool::tr("Many calendars: every year from FIRST to LAST (with --out-dir)."),
             QStringLiteral("FIRST-LAST")),
      outDir_(QStringLiteral("out-dir"),
              BatchTool::tr("The folder for many calendars (with --years or --year; made if missing)."),
              QStringLiteral("DIR")),
      country_(QStringLiteral("country"),
               BatchTool::tr("Adds the holidays of a country, state or region (a code such as DE, DE-BY, "
                              "GB-SCT or US-TX; --list-countries lists them) for this run only; may be given "
                              "more than once. The stored settings are not changed."),
               QStringLiteral("CODE")),
      holidayTypes_(QStringLiteral("holiday-types"),
                    BatchTool::tr("The kinds of --country holidays to mark, separated by commas: public, "
                                   "bank, optional, school, observance (default: public)."),
                    QStringLiteral("KINDS")),
      listCountries_(QStringLiteral("list-countries"),
                     BatchTool::tr("Lists the code and English name of every country, one per line; with a "
                                    "country's code after it (--list-countries DE), its states and regions.")),
      ics_(QStringLiteral("ics"),
           BatchTool::tr("Adds the all-day events of an iCalendar file for this run only; may be given "
                          "more than once. The stored settings are not changed."),
           QStringLiteral("FILE.ics")),
      exportIcs_(QStringLiteral("export-ics"),
                 BatchTool::tr("Also write every holiday the run would mark, on the days it marks them, as an "
                                "iCalendar file: for --year, or for every year of --years FIRST-LAST. Without "
                                "--out or --out-dir only this file is written."),
                 QStringLiteral("FILE.ics")),
      englishNames_(QStringLiteral("english-names"),
                    BatchTool::tr("Names --country holidays in English, not in the country's own "
                                   "language.")),
      keepGoing_(QStringLiteral("keep-going"),
                 BatchTool::tr("Write the workbook and snapshot even when some steps failed (the exit "
                                "status is still 1).")),
      language_(QStringLiteral("language"),
                BatchTool::tr("The language of month and weekday names: a locale such as de, pl_PL or "
                               "ru-RU, 'system' for the system's, or 'default' for English."),
                QStringLiteral("LOCALE")),
      weekStart_(QStringLiteral("week-start"),
                 BatchTool::tr("The first day of each week: sun (the default), mon, sat, or locale for "
                                "the language's own."),
                 QStringLiteral("sun|mon|sat|locale")),
      firstMonth_(QStringLiteral("first-month"),
                  BatchTool::tr("Twelve months from this one, such as 2026-09 for September 2026 to "
                                 "August 2027; its year takes the place of --year (one calendar only)."),
                  QStringLiteral("YYYY-MM")),
      weekNumbers_(QStringLiteral("week-numbers"),
                   BatchTool::tr("Show the ISO week number beside each week.")),
      layout_(QStringLiteral("layout"),
              BatchTool::tr("The pages: the months (the default), the year on one page, or both "
                             "(the year page first)."),
              QStringLiteral("months|year|both")),
      orientation_(QStringLiteral("orientation"),
                   BatchTool::tr("How the pages stand in the PDF and the workbook's page setup: "
                                  "landscape (the default) or portrait."),
                   QStringLiteral("portrait|landscape")),
      weekendColour_(QStringLiteral("weekend-color"),
                     BatchTool::tr("The fill of weekend days on every page, a colour of the 56-entry "
                                    "palette, or 0 for none (default: the stored choice)."),
                     QStringLiteral("0..56")),
      pdf_(QStringLiteral("pdf"),
           BatchTool::tr("Also write the calendar as a PDF, one page per month (an --out "
                          "ending in .pdf writes only the PDF)."),
           QStringLiteral("PATH.pdf")),
      paper_(QStringLiteral("paper"),
             BatchTool::tr("The paper of the PDF and of the workbook's page setup, for this run only: "
                            "a4, letter, legal or a3 (default: the stored choice; for the PDF, else the "
                            "locale's usual paper)."),
             QStringLiteral("a4|letter|legal|a3")),
      months_(QStringLiteral("months"),
              BatchTool::tr("The months the PDF holds, FIRST-LAST in the calendar's order or one "
                             "month, 1..12 (default: all twelve)."),
              QStringLiteral("FIRST-LAST")),
      force_(QStringLiteral("force"), BatchTool::tr("Replace output files even when they are read-only."))
{
    parser_.setApplicationDescription(BatchTool::tr(kDescription));
    parser_.addOptions({year_, out_, settings_, month_, snapshot_, years_, outDir_, country_, holidayTypes_,
                        listCountries_, ics_, exportIcs_,
                        englishNames_, keepGoing_, language_, weekStart_, firstMonth_, weekNumbers_,
                        layout_, orientation_, weekendColour_, pdf_, paper_, months_, force_});
}

// The options of a run; nothing when the tool is to stop at once (help shown, or a usage error
// reported), with the exit status in `exitStatus`.
std::optional<BatchOptions> BatchCommandLine::Parse(const QStringList& arguments, int& exitStatus)
{
    exitStatus = kExitUsage;
    if (!parser_.parse(arguments)) {
        usageError_(parser_.errorText());
        return std::nullopt;
    }
    if (parser_.isSet(version_)) {
        std::printf("morvessa-batch %s\nHoliday data: %s\n", MORVESSA_VERSION,
                    qUtf8Printable(world::DataDescription()));
        exitStatus = kExitOk;
        return std::nullopt;
    }
    if (parser_.isSet(help_)) {
        std::fputs(qUtf8Printable(parser_.helpText()), stdout);
        exitStatus = kExitOk;
        return std::nullopt;
    }
    if (parser_.isSet(listCountries_)) {
        if (ListCountries())
            exitStatus = kExitOk;
        return std::nullopt;
    }
    if (!parser_.positionalArguments().isEmpty()) {
        usageError_(BatchTool::tr("unexpected argument '%1'").arg(parser_.positionalArguments().first()));
        return std::nullopt;
    }
    if (parser_.isSet(exportIcs_) && !parser_.isSet(out_) && !parser_.isSet(outDir_))
        return ParseExportOnly(exitStatus);
    if (parser_.isSet(outDir_))
        return ParseMany(exitStatus);
    if (parser_.isSet(years_)) {
        usageError_(BatchTool::tr("--years writes many calendars: give --out-dir instead of --out"));
        return std::nullopt;
    }
    if ((!parser_.isSet(year_) && !parser_.isSet(firstMonth_)) || !parser_.isSet(out_)) {
        usageError_(BatchTool::tr("--year (or --first-month) and --out are required"));
        return std::nullopt;
    }
    if (parser_.values(settings_).size() > 1) {
        usageError_(BatchTool::tr("several --settings files make several calendars: give --out-dir"));
        return std::nullopt;
    }

    BatchOptions options;
    if (!ParseRunHolidays(options))
        return std::nullopt;
    if (parser_.isSet(year_)) {
        const std::optional<CalendarYear> year = CalendarYear::FromText(parser_.value(year_));
        if (!year) {
            usageError_(BatchTool::tr("You must enter a valid year."));
            return std::nullopt;
        }
        options.year = *year;
    }
    if (!ParseFirstMonth(options) || !ParseLayout(options) || !ParseMonth(options))
        return std::nullopt;
    options.outPath = parser_.value(out_);
    if (options.outPath.isEmpty() || QFileInfo(options.outPath).isDir()) {
        usageError_(BatchTool::tr("--out must name a file"));
        return std::nullopt;
    }
    if (parser_.isSet(settings_)) {
        const QString settingsPath = parser_.value(settings_);
        // A typo must not silently produce a calendar from fresh defaults.
        if (!QFileInfo(settingsPath).isFile()) {
            usageError_(BatchTool::tr("settings file '%1' does not exist (an empty file gives the defaults)")
                            .arg(settingsPath));
            return std::nullopt;
        }
        options.settingsPath = QFileInfo(settingsPath).absoluteFilePath();
    }
    if (parser_.isSet(snapshot_))
        options.snapshotPath = parser_.value(snapshot_);
    options.keepGoing = parser_.isSet(keepGoing_);
    if (!ParsePaper(options) || !ParsePdf(options) || !ParseExportIcs(options) || !CheckOutputs(options))
        return std::nullopt;
    return options;
}

// The holidays added for this run only: --country, --ics, --english-names and --holiday-types.
bool BatchCommandLine::ParseRunHolidays(BatchOptions& options)
{
    options.countries = parser_.values(country_);
    options.icsFiles = parser_.values(ics_);
    options.englishNames = parser_.isSet(englishNames_);
    if (!parser_.isSet(holidayTypes_))
        return true;
    options.holidayKinds.clear();
    for (const QString& kind : parser_.value(holidayTypes_).split(u',', Qt::SkipEmptyParts)) {
        const QString name = kind.trimmed().toLower();
        if (!world::KindFromName(name)) {
            usageError_(BatchTool::tr("--holiday-types takes public, bank, optional, school and observance, "
                                       "not '%1'")
                            .arg(kind.trimmed()));
            return false;
        }
        if (!options.holidayKinds.contains(name))
            options.holidayKinds.append(name);
    }
    if (options.holidayKinds.isEmpty()) {
        usageError_(BatchTool::tr("--holiday-types needs at least one kind"));
        return false;
    }
    return true;
}

// Every country, or the states and regions of the one named after the option: "CODE<TAB>name".
bool BatchCommandLine::ListCountries()
{
    const QStringList rest = parser_.positionalArguments();
    if (rest.size() > 1) {
        usageError_(BatchTool::tr("--list-countries takes at most one country code"));
        return false;
    }
    try {
        const std::vector<world::Place> places =
            rest.isEmpty() ? world::Countries() : world::Subdivisions(rest.first());
        for (const world::Place& place : places)
            std::printf("%s\t%s\n", qUtf8Printable(place.code), qUtf8Printable(place.englishName));
    } catch (const std::exception& error) {
        usageError_(QString::fromUtf8(error.what()));
        return false;
    }
    return true;
}

namespace {

bool HasControlCharacter(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.category() == QChar::Other_Control; });
}

std::optional<std::pair<dev_t, ino_t>> FileIdentity(const QString& path)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return std::nullopt;
    return std::pair(st.st_dev, st.st_ino);
}

}  // namespace

// The files a run writes: never named with a control character (a newline pasted at the end), never
// one of the files the run reads, whatever spelling names it, and never a read-only file unless
// --force says so.
bool BatchCommandLine::CheckOutputs(const BatchOptions& options)
{
    const std::pair<const char*, QString> outputs[] = {
        {"--out", options.outPath},
        {"--pdf", options.pdfPath},
        {"--snapshot", options.snapshotPath},
        {"--export-ics", options.exportIcsPath}};
    QStringList inputs = options.icsFiles;
    if (!options.settingsPath.isEmpty())
        inputs.prepend(options.settingsPath);
    for (const auto& [option, path] : outputs) {
        if (path.isEmpty())
            continue;
        if (HasControlCharacter(path)) {
            usageError_(BatchTool::tr("%1 '%2' holds a control character").arg(QLatin1String(option), path));
            return false;
        }
        const auto written = FileIdentity(path);
        if (!written)
            continue;
        for (const QString& input : inputs) {
            if (FileIdentity(input) == written) {
                usageError_(BatchTool::tr("%1 '%2' names '%3', which this run reads")
                                .arg(QLatin1String(option), path, input));
                return false;
            }
        }
        if (!parser_.isSet(force_) && sheet::io::IsReadOnlyFile(QFile::encodeName(path).toStdString())) {
            usageError_(BatchTool::tr("%1 '%2' is read-only; give --force to replace it anyway")
                            .arg(QLatin1String(option), path));
            return false;
        }
    }
    return true;
}

bool BatchCommandLine::ParsePaper(BatchOptions& options)
{
    if (!parser_.isSet(paper_))
        return true;
    options.paper = morvessa::ParsePaper(parser_.value(paper_).trimmed());
    if (!options.paper) {
        usageError_(BatchTool::tr("--paper must be a4, letter, legal or a3"));
        return false;
    }
    return true;
}

// --pdf, an --out naming a PDF, and --months.
bool BatchCommandLine::ParsePdf(BatchOptions& options)
{
    if (NamesPdf(options.outPath)) {
        if (parser_.isSet(pdf_)) {
            usageError_(BatchTool::tr("--out already names a PDF; --pdf goes beside a workbook"));
            return false;
        }
        options.pdfPath = options.outPath;
        options.workbookWanted = false;
    } else if (parser_.isSet(pdf_)) {
        options.pdfPath = parser_.value(pdf_);
        if (options.pdfPath.isEmpty() || QFileInfo(options.pdfPath).isDir()) {
            usageError_(BatchTool::tr("--pdf must name a file"));
            return false;
        }
        if (QFileInfo(options.pdfPath).absoluteFilePath() == QFileInfo(options.outPath).absoluteFilePath()) {
            usageError_(BatchTool::tr("--pdf and --out name the same file"));
            return false;
        }
    }
    if (!parser_.isSet(months_))
        return true;
    if (options.pdfPath.isEmpty()) {
        usageError_(BatchTool::tr("--months picks the PDF's months: give --pdf or an --out ending in .pdf"));
        return false;
    }
    options.pdfMonths = ParseMonthRange(parser_.value(months_));
    if (!options.pdfMonths) {
        usageError_(BatchTool::tr("--months must be FIRST-LAST or one month, each 1..12, such as 3-5"));
        return false;
    }
    return true;
}

// --first-month YYYY-MM: the first month and the calendar's year.
bool BatchCommandLine::ParseFirstMonth(BatchOptions& options)
{
    if (!parser_.isSet(firstMonth_))
        return true;
    static const QRegularExpression kYearMonth(QStringLiteral("^\\s*(\\d{1,4})-(\\d{1,2})\\s*$"));
    const QRegularExpressionMatch match = kYearMonth.match(parser_.value(firstMonth_));
    const int month = match.hasMatch() ? match.captured(2).toInt() : 0;
    if (month < 1 || month > 12) {
        usageError_(BatchTool::tr("--first-month must be a year and a month such as 2026-09"));
        return false;
    }
    const CalendarYear year = CalendarYear::Clamped(match.captured(1).toInt());
    // Two different years would leave it open which one was meant.
    if (parser_.isSet(year_) && !(year == options.year)) {
        usageError_(BatchTool::tr("--year %1 and --first-month %2 name different years")
                        .arg(parser_.value(year_), parser_.value(firstMonth_)));
        return false;
    }
    options.year = year;
    options.firstMonth = month;
    return true;
}

// --language, --week-start, --week-numbers, --layout, --orientation and --weekend-color.
bool BatchCommandLine::ParseLayout(BatchOptions& options)
{
    if (parser_.isSet(language_)) {
        const QString name = parser_.value(language_).trimmed();
        options.language = name.compare(QLatin1String("default"), Qt::CaseInsensitive) == 0
                               ? std::optional(CalendarLanguage::English())
                               : CalendarLanguage::FromSetting(name);
        if (name.isEmpty() || !options.language) {
            usageError_(
                BatchTool::tr("--language '%1' is no locale (try de, pl_PL, system or default)").arg(name));
            return false;
        }
    }
    if (parser_.isSet(weekStart_)) {
        options.weekStart = ParseWeekStart(parser_.value(weekStart_));
        if (!options.weekStart) {
            usageError_(BatchTool::tr("--week-start must be sun, mon, sat or locale"));
            return false;
        }
    }
    options.weekNumbers = parser_.isSet(weekNumbers_);
    if (parser_.isSet(layout_)) {
        options.pages = ParsePageChoice(parser_.value(layout_));
        if (!options.pages) {
            usageError_(BatchTool::tr("--layout must be months, year or both"));
            return false;
        }
    }
    if (parser_.isSet(orientation_)) {
        options.portrait = ParsePortrait(parser_.value(orientation_));
        if (!options.portrait) {
            usageError_(BatchTool::tr("--orientation must be portrait or landscape"));
            return false;
        }
    }
    if (parser_.isSet(weekendColour_)) {
        bool ok = false;
        const int index = parser_.value(weekendColour_).trimmed().toInt(&ok);
        if (!ok || index < 0 || index > kPaletteSize) {
            usageError_(BatchTool::tr("--weekend-color must be a palette colour from 1 to 56, or 0 for none"));
            return false;
        }
        options.weekendColour = index == 0 ? kNoColorIndex : index;
    }
    return true;
}

bool BatchCommandLine::ParseMonth(BatchOptions& options)
{
    bool monthOk = false;
    options.month = parser_.value(month_).trimmed().toInt(&monthOk);
    if (!monthOk || options.month < 1 || options.month > 12) {
        usageError_(BatchTool::tr("--month must be a whole number from 1 to 12"));
        return false;
    }
    return true;
}

// The years of --years FIRST-LAST (or the one of --year), each read as the year box reads it.
bool BatchCommandLine::ParseYears(BatchOptions& options)
{
    if (parser_.isSet(years_) == parser_.isSet(year_)) {
        usageError_(BatchTool::tr("--out-dir takes either --years FIRST-LAST or --year"));
        return false;
    }
    const QString text = parser_.isSet(years_) ? parser_.value(years_) : parser_.value(year_);
    const int dash = text.indexOf(QLatin1Char('-'), 1);  // not a leading sign
    const std::optional<CalendarYear> first = CalendarYear::FromText(dash < 0 ? text : text.left(dash));
    const std::optional<CalendarYear> last = CalendarYear::FromText(dash < 0 ? text : text.mid(dash + 1));
    if (!first || !last || first->Number() > last->Number()) {
        usageError_(
            BatchTool::tr("--years must be FIRST-LAST with FIRST not after LAST, such as 2025-2034"));
        return false;
    }
    for (int number = first->Number(); number <= last->Number(); ++number)
        options.years.push_back(number);
    return true;
}

// Every --settings file must exist, and no two may give the same workbook names.
bool BatchCommandLine::ParseSettingsList(BatchOptions& options)
{
    QStringList names;
    for (const QString& path : parser_.values(settings_)) {
        const QFileInfo file(path);
        if (!file.isFile()) {
            usageError_(BatchTool::tr("settings file '%1' does not exist (an empty file gives the defaults)")
                            .arg(path));
            return false;
        }
        if (names.contains(file.completeBaseName())) {
            usageError_(BatchTool::tr("two settings files are named '%1'; their calendars would have the "
                                       "same names")
                            .arg(file.completeBaseName()));
            return false;
        }
        names.append(file.completeBaseName());
        options.settingsPaths.append(file.absoluteFilePath());
    }
    return true;
}

std::optional<BatchOptions> BatchCommandLine::ParseMany(int& exitStatus)
{
    exitStatus = kExitUsage;
    BatchOptions options;
    if (!ParseRunHolidays(options))
        return std::nullopt;
    if (parser_.isSet(out_) || parser_.isSet(snapshot_) || parser_.isSet(pdf_) || parser_.isSet(months_)) {
        usageError_(BatchTool::tr(
            "--out-dir writes many calendars: it is not used with --out, --snapshot, --pdf or --months"));
        return std::nullopt;
    }
    options.outDir = parser_.value(outDir_);
    if (options.outDir.isEmpty() ||
        (QFileInfo::exists(options.outDir) && !QFileInfo(options.outDir).isDir())) {
        usageError_(BatchTool::tr("--out-dir must name a folder"));
        return std::nullopt;
    }
    // Each calendar of many starts in January or in the month its settings file keeps.
    if (parser_.isSet(firstMonth_)) {
        usageError_(BatchTool::tr("--first-month makes one calendar: give --out instead of --out-dir"));
        return std::nullopt;
    }
    if (!ParseYears(options) || !ParseMonth(options) || !ParseSettingsList(options) ||
        !ParseLayout(options) || !ParsePaper(options) || !ParseExportIcs(options))
        return std::nullopt;
    options.keepGoing = parser_.isSet(keepGoing_);
    return options;
}

bool BatchCommandLine::ParseExportIcs(BatchOptions& options)
{
    if (!parser_.isSet(exportIcs_))
        return true;
    options.exportIcsPath = parser_.value(exportIcs_);
    if (options.exportIcsPath.isEmpty() || QFileInfo(options.exportIcsPath).isDir()) {
        usageError_(BatchTool::tr("--export-ics must name a file"));
        return false;
    }
    if (options.settingsPaths.size() > 1) {
        usageError_(BatchTool::tr("--export-ics writes the holidays of one settings file"));
        return false;
    }
    return true;
}

// --export-ics alone: the holidays of --year or --years, and no calendar.
std::optional<BatchOptions> BatchCommandLine::ParseExportOnly(int& exitStatus)
{
    exitStatus = kExitUsage;
    BatchOptions options;
    if (!ParseRunHolidays(options))
        return std::nullopt;
    options.exportOnly = true;
    if (parser_.isSet(snapshot_) || parser_.isSet(pdf_) || parser_.isSet(months_)) {
        usageError_(BatchTool::tr("--export-ics without --out writes no calendar: --snapshot, --pdf and "
                                   "--months need --out"));
        return std::nullopt;
    }
    if (parser_.isSet(years_) == parser_.isSet(year_)) {
        usageError_(BatchTool::tr("--export-ics takes either --year or --years FIRST-LAST"));
        return std::nullopt;
    }
    if (!ParseYears(options) || !ParseSettingsList(options) || !ParseExportIcs(options))
        return std::nullopt;
    if (!options.settingsPaths.isEmpty())
        options.settingsPath = options.settingsPaths.takeFirst();
    if (!CheckOutputs(options))
        return std::nullopt;
    return options;
}

}  // namespace morvessa::batch
