// morvessa-batch: builds one calendar workbook without a window, for scripts and benchmarks. It runs
// the same generation as the program's "Start Creating Template" button.

#include "calendar/CalendarWorkbook.h"
#include "calendar/CalendarOptions.h"
#include "calendar/GenerateCalendar.h"
#include "calendar/RunHolidays.h"
#include "calendar/GenerationUi.h"
#include "calendar/Leftovers.h"
#include "holidays/HolidayCatalogue.h"
#include "holidays/HolidayRules.h"
#include "host/BmpCodec.h"
#include "host/HostInstances.h"
#include "host/SheetPrint.h"
#include "settings/PaperSetting.h"
#include "settings/SettingsStore.h"
#include "core/CalendarYear.h"
#include "core/ErrorTrap.h"
#include "core/RunFolder.h"
#include "core/SharedRoutines.h"
#include "spreadsheet/Workbook.h"
#include "spreadsheet/io/AtomicFile.h"
#include "spreadsheet/xls/XlsFile.h"
#include "spreadsheet/xlsx/XlsxFile.h"

#include <QCommandLineParser>
#include <QRegularExpression>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QBuffer>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace morvessa;

constexpr int kExitOk = 0;
constexpr int kExitFailedSteps = 1;
constexpr int kExitUsage = 2;

const char* const kDescription =
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
    "workbook's page setup for this run only; --months picks the PDF's months.";

// Prints every report to stderr and counts them for the exit status.
class CountingStderrReporter final : public ErrorReporter {
public:
    void Report(const std::string& message) override
    {
        ++count;
        // The report separates its lines with CR LF / CR as the box does; a terminal wants LF.
        std::string text;
        for (std::size_t i = 0; i < message.size(); ++i) {
            if (message[i] == '\r') {
                if (i + 1 < message.size() && message[i + 1] == '\n')
                    ++i;
                text += '\n';
            } else {
                text += message[i];
            }
        }
        std::fprintf(stderr, "%s:\n%s\n\n", std::string(kErrorBoxTitle).c_str(), text.c_str());
    }
    int count = 0;
};

class StderrCatalogueMessages final : public CatalogueMessageSink {
public:
    void ShowMessage(const QString& text) override
    {
        std::fprintf(stderr, "morvessa-batch: %s\n", qUtf8Printable(text));
    }
};

void UsageError(const QString& text)
{
    std::fprintf(stderr, "morvessa-batch: %s\nTry 'morvessa-batch --help'.\n", qUtf8Printable(text));
}

void UseOffscreenPlatformUnlessChosen()
{
    // A batch tool shows nothing; without an explicit choice it never needs the desktop, so it
    // runs without a display and leaves the desktop's clipboard alone.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// Calendar months FIRST..LAST as the workbook orders them (they may run over the year's end when
// the calendar starts in another month than January).
struct MonthRange {
    int first = 1;
    int last = 12;
};

// "3-5" or "7", months 1..12.
std::optional<MonthRange> ParseMonthRange(const QString& text)
{
    static const QRegularExpression kRange(QStringLiteral("^\\s*(\\d{1,2})\\s*(?:-\\s*(\\d{1,2})\\s*)?$"));
    const QRegularExpressionMatch match = kRange.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const int first = match.captured(1).toInt();
    const int last = match.captured(2).isEmpty() ? first : match.captured(2).toInt();
    if (first < 1 || first > 12 || last < 1 || last > 12)
        return std::nullopt;
    return MonthRange{first, last};
}

// The sheets (by position) that hold the months of `range` in a calendar starting in `firstMonth`;
// nothing when the range runs backwards in that order.
std::optional<SheetSpan> SheetsOfMonths(MonthRange range, int firstMonth)
{
    const auto position = [firstMonth](int month) { return (month - firstMonth + 12) % 12 + 1; };
    const SheetSpan span{position(range.first), position(range.last)};
    if (span.first > span.last)
        return std::nullopt;
    return span;
}

bool NamesPdf(const QString& path)
{
    return path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive);
}

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
    QStringList countries;
    QStringList icsFiles;
    bool englishNames = false;
    bool keepGoing = false;  // write the files even when steps failed
    // The calendar's layout; what the command line leaves open comes from the settings.
    std::optional<CalendarLanguage> language;
    std::optional<WeekStartChoice> weekStart;
    std::optional<int> firstMonth;
    bool weekNumbers = false;
    // PDF: written when pdfPath is set; an --out naming a PDF leaves no workbook.
    bool workbookWanted = true;
    QString pdfPath;
    std::optional<Paper> paper;           // this run's paper; else the stored choice
    std::optional<MonthRange> pdfMonths;  // calendar months; empty: all twelve

    // The stored layout (of the settings file in use) with the command line's choices in its place.
    CalendarOptions Layout() const
    {
        CalendarOptions layout = StoredCalendarOptions();
        if (language)
            layout.language = *language;
        if (weekStart)
            layout.weekStart = *weekStart;
        if (firstMonth)
            layout.firstMonth = *firstMonth;
        if (weekNumbers)
            layout.weekNumbers = true;
        return layout;
    }
};

// The command line's options; Parse checks them and fills BatchOptions.
class BatchCommandLine {
public:
    BatchCommandLine()
        : help_(parser_.addHelpOption()), version_(parser_.addVersionOption()),
          year_(QStringLiteral("year"),
                QStringLiteral("The calendar's year; years outside 1900..2100 are clamped to them."),
                QStringLiteral("YEAR")),
          out_(QStringLiteral("out"),
               QStringLiteral("Where the workbook is written (replaced if it exists): a name ending in "
                              ".xlsx gives an Excel Workbook, any other the Excel 97-2003 format."),
               QStringLiteral("PATH.xls|PATH.xlsx")),
          settings_(QStringLiteral("settings"),
                    QStringLiteral("An INI settings file to use instead of the user's own (same format). "
                                   "An empty file gives the default holidays and colours, written into it."),
                    QStringLiteral("FILE")),
          month_(
              QStringLiteral("month"),
              QStringLiteral("The month sheet that is active when the workbook opens and that the snapshot "
                             "shows, 1..12 (default 1, January)."),
              QStringLiteral("N"), QStringLiteral("1")),
          snapshot_(QStringLiteral("snapshot"),
                    QStringLiteral("Also write the snapshot picture of that month (BMP)."),
                    QStringLiteral("PATH.bmp")),
          years_(QStringLiteral("years"),
                 QStringLiteral("Many calendars: every year from FIRST to LAST (with --out-dir)."),
                 QStringLiteral("FIRST-LAST")),
          outDir_(QStringLiteral("out-dir"),
                  QStringLiteral("The folder for many calendars (with --years or --year; made if missing)."),
                  QStringLiteral("DIR")),
          country_(QStringLiteral("country"),
                   QStringLiteral("Adds the national holidays of a country (ISO 3166-1 alpha-2 code, such as "
                                  "GB) for this run only; may be given more than once. The stored settings "
                                  "are not changed."),
                   QStringLiteral("CODE")),
          ics_(QStringLiteral("ics"),
               QStringLiteral("Adds the all-day events of an iCalendar file for this run only; may be given "
                              "more than once. The stored settings are not changed."),
               QStringLiteral("FILE.ics")),
          englishNames_(QStringLiteral("english-names"),
                        QStringLiteral("Names --country holidays in English, not in the country's own "
                                       "language.")),
          keepGoing_(QStringLiteral("keep-going"),
                     QStringLiteral("Write the workbook and snapshot even when some steps failed (the exit "
                                    "status is still 1).")),
          language_(QStringLiteral("language"),
                    QStringLiteral("The language of month and weekday names: a locale such as de, pl_PL or "
                                   "ru-RU, 'system' for the system's, or 'default' for English."),
                    QStringLiteral("LOCALE")),
          weekStart_(QStringLiteral("week-start"),
                     QStringLiteral("The first day of each week: sun (the default), mon, sat, or locale for "
                                    "the language's own."),
                     QStringLiteral("sun|mon|sat|locale")),
          firstMonth_(QStringLiteral("first-month"),
                      QStringLiteral("Twelve months from this one, such as 2026-09 for September 2026 to "
                                     "August 2027; its year takes the place of --year (one calendar only)."),
                      QStringLiteral("YYYY-MM")),
          weekNumbers_(QStringLiteral("week-numbers"),
                       QStringLiteral("Show the ISO week number beside each week.")),
          pdf_(QStringLiteral("pdf"),
               QStringLiteral("Also write the calendar as a PDF, one landscape page per month (an --out "
                              "ending in .pdf writes only the PDF)."),
               QStringLiteral("PATH.pdf")),
          paper_(QStringLiteral("paper"),
                 QStringLiteral("The paper of the PDF and of the workbook's page setup, for this run only: "
                                "a4, letter, legal or a3 (default: the stored choice; for the PDF, else the "
                                "locale's usual paper)."),
                 QStringLiteral("a4|letter|legal|a3")),
          months_(QStringLiteral("months"),
                  QStringLiteral("The months the PDF holds, FIRST-LAST in the calendar's order or one "
                                 "month, 1..12 (default: all twelve)."),
                  QStringLiteral("FIRST-LAST"))
    {
        parser_.setApplicationDescription(QString::fromUtf8(kDescription));
        parser_.addOptions({year_, out_, settings_, month_, snapshot_, years_, outDir_, country_, ics_,
                            englishNames_, keepGoing_, language_, weekStart_, firstMonth_, weekNumbers_, pdf_,
                            paper_, months_});
    }

    // The options of a run; nothing when the tool is to stop at once (help shown, or a usage error
    // reported), with the exit status in `exitStatus`.
    std::optional<BatchOptions> Parse(const QStringList& arguments, int& exitStatus)
    {
        exitStatus = kExitUsage;
        if (!parser_.parse(arguments)) {
            UsageError(parser_.errorText());
            return std::nullopt;
        }
        if (parser_.isSet(version_)) {
            std::printf("morvessa-batch %s\n", MORVESSA_VERSION);
            exitStatus = kExitOk;
            return std::nullopt;
        }
        if (parser_.isSet(help_)) {
            std::fputs(qUtf8Printable(parser_.helpText()), stdout);
            exitStatus = kExitOk;
            return std::nullopt;
        }
        if (!parser_.positionalArguments().isEmpty()) {
            UsageError(QStringLiteral("unexpected argument '%1'").arg(parser_.positionalArguments().first()));
            return std::nullopt;
        }
        if (parser_.isSet(outDir_))
            return ParseMany(exitStatus);
        if (parser_.isSet(years_)) {
            UsageError(QStringLiteral("--years writes many calendars: give --out-dir instead of --out"));
            return std::nullopt;
        }
        if ((!parser_.isSet(year_) && !parser_.isSet(firstMonth_)) || !parser_.isSet(out_)) {
            UsageError(QStringLiteral("--year (or --first-month) and --out are required"));
            return std::nullopt;
        }
        if (parser_.values(settings_).size() > 1) {
            UsageError(QStringLiteral("several --settings files make several calendars: give --out-dir"));
            return std::nullopt;
        }

        BatchOptions options;
        options.countries = parser_.values(country_);
        options.icsFiles = parser_.values(ics_);
        options.englishNames = parser_.isSet(englishNames_);
        if (parser_.isSet(year_)) {
            const std::optional<CalendarYear> year = CalendarYear::FromText(parser_.value(year_));
            if (!year) {
                UsageError(QStringLiteral("You must enter a valid year."));
                return std::nullopt;
            }
            options.year = *year;
        }
        if (!ParseFirstMonth(options) || !ParseLayout(options) || !ParseMonth(options))
            return std::nullopt;
        options.outPath = parser_.value(out_);
        if (options.outPath.isEmpty() || QFileInfo(options.outPath).isDir()) {
            UsageError(QStringLiteral("--out must name a file"));
            return std::nullopt;
        }
        if (parser_.isSet(settings_)) {
            const QString settingsPath = parser_.value(settings_);
            // A typo must not silently produce a calendar from fresh defaults.
            if (!QFileInfo(settingsPath).isFile()) {
                UsageError(
                    QStringLiteral("settings file '%1' does not exist (an empty file gives the defaults)")
                        .arg(settingsPath));
                return std::nullopt;
            }
            options.settingsPath = QFileInfo(settingsPath).absoluteFilePath();
        }
        if (parser_.isSet(snapshot_))
            options.snapshotPath = parser_.value(snapshot_);
        options.keepGoing = parser_.isSet(keepGoing_);
        if (!ParsePaper(options) || !ParsePdf(options))
            return std::nullopt;
        return options;
    }

private:
    bool ParsePaper(BatchOptions& options)
    {
        if (!parser_.isSet(paper_))
            return true;
        options.paper = morvessa::ParsePaper(parser_.value(paper_).trimmed());
        if (!options.paper) {
            UsageError(QStringLiteral("--paper must be a4, letter, legal or a3"));
            return false;
        }
        return true;
    }

    // --pdf, an --out naming a PDF, and --months.
    bool ParsePdf(BatchOptions& options)
    {
        if (NamesPdf(options.outPath)) {
            if (parser_.isSet(pdf_)) {
                UsageError(QStringLiteral("--out already names a PDF; --pdf goes beside a workbook"));
                return false;
            }
            options.pdfPath = options.outPath;
            options.workbookWanted = false;
        } else if (parser_.isSet(pdf_)) {
            options.pdfPath = parser_.value(pdf_);
            if (options.pdfPath.isEmpty() || QFileInfo(options.pdfPath).isDir()) {
                UsageError(QStringLiteral("--pdf must name a file"));
                return false;
            }
            if (QFileInfo(options.pdfPath).absoluteFilePath() ==
                QFileInfo(options.outPath).absoluteFilePath()) {
                UsageError(QStringLiteral("--pdf and --out name the same file"));
                return false;
            }
        }
        if (!parser_.isSet(months_))
            return true;
        if (options.pdfPath.isEmpty()) {
            UsageError(
                QStringLiteral("--months picks the PDF's months: give --pdf or an --out ending in .pdf"));
            return false;
        }
        options.pdfMonths = ParseMonthRange(parser_.value(months_));
        if (!options.pdfMonths) {
            UsageError(QStringLiteral("--months must be FIRST-LAST or one month, each 1..12, such as 3-5"));
            return false;
        }
        return true;
    }

    // --first-month YYYY-MM: the first month and the calendar's year.
    bool ParseFirstMonth(BatchOptions& options)
    {
        if (!parser_.isSet(firstMonth_))
            return true;
        static const QRegularExpression kYearMonth(QStringLiteral("^\\s*(\\d{1,4})-(\\d{1,2})\\s*$"));
        const QRegularExpressionMatch match = kYearMonth.match(parser_.value(firstMonth_));
        const int month = match.hasMatch() ? match.captured(2).toInt() : 0;
        if (month < 1 || month > 12) {
            UsageError(QStringLiteral("--first-month must be a year and a month such as 2026-09"));
            return false;
        }
        const CalendarYear year = CalendarYear::Clamped(match.captured(1).toInt());
        // Two different years would leave it open which one was meant.
        if (parser_.isSet(year_) && !(year == options.year)) {
            UsageError(QStringLiteral("--year %1 and --first-month %2 name different years")
                           .arg(parser_.value(year_), parser_.value(firstMonth_)));
            return false;
        }
        options.year = year;
        options.firstMonth = month;
        return true;
    }

    // --language, --week-start and --week-numbers.
    bool ParseLayout(BatchOptions& options)
    {
        if (parser_.isSet(language_)) {
            const QString name = parser_.value(language_).trimmed();
            options.language = name.compare(QLatin1String("default"), Qt::CaseInsensitive) == 0
                                   ? std::optional(CalendarLanguage::English())
                                   : CalendarLanguage::FromSetting(name);
            if (name.isEmpty() || !options.language) {
                UsageError(QStringLiteral("--language '%1' is no locale (try de, pl_PL, system or default)")
                               .arg(name));
                return false;
            }
        }
        if (parser_.isSet(weekStart_)) {
            options.weekStart = ParseWeekStart(parser_.value(weekStart_));
            if (!options.weekStart) {
                UsageError(QStringLiteral("--week-start must be sun, mon, sat or locale"));
                return false;
            }
        }
        options.weekNumbers = parser_.isSet(weekNumbers_);
        return true;
    }

    bool ParseMonth(BatchOptions& options)
    {
        bool monthOk = false;
        options.month = parser_.value(month_).trimmed().toInt(&monthOk);
        if (!monthOk || options.month < 1 || options.month > 12) {
            UsageError(QStringLiteral("--month must be a whole number from 1 to 12"));
            return false;
        }
        return true;
    }

    // The years of --years FIRST-LAST (or the one of --year), each read as the year box reads it.
    bool ParseYears(BatchOptions& options)
    {
        if (parser_.isSet(years_) == parser_.isSet(year_)) {
            UsageError(QStringLiteral("--out-dir takes either --years FIRST-LAST or --year"));
            return false;
        }
        const QString text = parser_.isSet(years_) ? parser_.value(years_) : parser_.value(year_);
        const int dash = text.indexOf(QLatin1Char('-'), 1);  // not a leading sign
        const std::optional<CalendarYear> first = CalendarYear::FromText(dash < 0 ? text : text.left(dash));
        const std::optional<CalendarYear> last = CalendarYear::FromText(dash < 0 ? text : text.mid(dash + 1));
        if (!first || !last || first->Number() > last->Number()) {
            UsageError(
                QStringLiteral("--years must be FIRST-LAST with FIRST not after LAST, such as 2025-2034"));
            return false;
        }
        for (int number = first->Number(); number <= last->Number(); ++number)
            options.years.push_back(number);
        return true;
    }

    // Every --settings file must exist, and no two may give the same workbook names.
    bool ParseSettingsList(BatchOptions& options)
    {
        QStringList names;
        for (const QString& path : parser_.values(settings_)) {
            const QFileInfo file(path);
            if (!file.isFile()) {
                UsageError(
                    QStringLiteral("settings file '%1' does not exist (an empty file gives the defaults)")
                        .arg(path));
                return false;
            }
            if (names.contains(file.completeBaseName())) {
                UsageError(QStringLiteral("two settings files are named '%1'; their calendars would have the "
                                          "same names")
                               .arg(file.completeBaseName()));
                return false;
            }
            names.append(file.completeBaseName());
            options.settingsPaths.append(file.absoluteFilePath());
        }
        return true;
    }

    std::optional<BatchOptions> ParseMany(int& exitStatus)
    {
        exitStatus = kExitUsage;
        BatchOptions options;
        options.countries = parser_.values(country_);
        options.icsFiles = parser_.values(ics_);
        options.englishNames = parser_.isSet(englishNames_);
        if (parser_.isSet(out_) || parser_.isSet(snapshot_) || parser_.isSet(pdf_) ||
            parser_.isSet(months_)) {
            UsageError(QStringLiteral(
                "--out-dir writes many calendars: it is not used with --out, --snapshot, --pdf or --months"));
            return std::nullopt;
        }
        options.outDir = parser_.value(outDir_);
        if (options.outDir.isEmpty() ||
            (QFileInfo::exists(options.outDir) && !QFileInfo(options.outDir).isDir())) {
            UsageError(QStringLiteral("--out-dir must name a folder"));
            return std::nullopt;
        }
        // Each calendar of many starts in January or in the month its settings file keeps.
        if (parser_.isSet(firstMonth_)) {
            UsageError(QStringLiteral("--first-month makes one calendar: give --out instead of --out-dir"));
            return std::nullopt;
        }
        if (!ParseYears(options) || !ParseMonth(options) || !ParseSettingsList(options) ||
            !ParseLayout(options) || !ParsePaper(options))
            return std::nullopt;
        options.keepGoing = parser_.isSet(keepGoing_);
        return options;
    }

    QCommandLineParser parser_;
    QCommandLineOption help_;
    QCommandLineOption version_;
    QCommandLineOption year_;
    QCommandLineOption out_;
    QCommandLineOption settings_;
    QCommandLineOption month_;
    QCommandLineOption snapshot_;
    QCommandLineOption years_;
    QCommandLineOption outDir_;
    QCommandLineOption country_;
    QCommandLineOption ics_;
    QCommandLineOption englishNames_;
    QCommandLineOption keepGoing_;
    QCommandLineOption language_;
    QCommandLineOption weekStart_;
    QCommandLineOption firstMonth_;
    QCommandLineOption weekNumbers_;
    QCommandLineOption pdf_;
    QCommandLineOption paper_;
    QCommandLineOption months_;
};

// Copies the generated workbook to --out, or writes it as an .xlsx there when the name asks for
// one; false (reported) when it cannot. `readBack`: the generation reopened the workbook whole
// (none of its steps failed), so the copy need not read it a second time.
bool WriteWorkbook(const HeadlessGenerationUi& ui, const BatchOptions& options, bool readBack)
{
    const QString tempWorkbook = QString::fromStdString(ui.workbookPath());
    bool written = false;
    if (tempWorkbook.isEmpty() || !ui.previewShown()) {
        std::fprintf(stderr, "morvessa-batch: the generation handed over no workbook\n");
    } else if (!options.workbookWanted) {
        written = true;
    } else {
        QString error;
        if (options.outPath.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive)) {
            try {
                sheet::xlsx::SaveXlsFileAsXlsx(ui.workbookPath(), options.outPath.toStdString());
                written = true;
            } catch (const std::exception& failure) {
                error = QString::fromUtf8(failure.what());
            }
        } else {
            try {
                sheet::xls::CopyWorkbookFile(
                    ui.workbookPath(), QFile::encodeName(options.outPath).toStdString(),
                    readBack ? sheet::xls::SourceCheck::AlreadyReadBack : sheet::xls::SourceCheck::ReadBack);
                written = true;
            } catch (const std::exception& failure) {
                error = QString::fromUtf8(failure.what());
            }
        }
        if (!written)
            std::fprintf(stderr, "morvessa-batch: %s\n", qUtf8Printable(error));
    }
    if (!tempWorkbook.isEmpty())
        DeleteFileQuietly(tempWorkbook);
    return written;
}

// Writes the months asked for as a PDF, drawn from the generated workbook; false (reported) when it
// cannot. An older file at the path stays unless the new one is complete.
bool WritePdf(const HeadlessGenerationUi& ui, const BatchOptions& options, const CalendarOptions& layout)
{
    if (ui.workbookPath().empty() || !ui.previewShown()) {
        std::fprintf(stderr, "morvessa-batch: the generation handed over no workbook\n");
        return false;
    }
    SheetSpan span;
    if (options.pdfMonths)
        span = *SheetsOfMonths(*options.pdfMonths, layout.firstMonth);  // checked before the run
    try {
        const std::unique_ptr<sheet::Workbook> book = sheet::xls::OpenWorkbook(ui.workbookPath());
        WriteFileReplacing(
            SheetsPdf(SheetsInSpan(*book, span), CalendarPaper(), QStringLiteral("Morvessa calendar")),
            options.pdfPath);
        return true;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "morvessa-batch: %s\n", error.what());
        return false;
    }
}

// Writes the snapshot picture to --snapshot; false (reported) when it cannot.
bool WriteSnapshot(const HeadlessGenerationUi& ui, const QString& snapshotPath)
{
    if (ui.picture().isNull()) {
        std::fprintf(stderr, "morvessa-batch: no snapshot picture was taken\n");
        return false;
    }
    // The generation's picture is RGB32 (read back from its own BMP): the direct encoder writes the
    // same bytes as Qt's BMP writer, row by row straight into the file. Anything else goes
    // through Qt.
    const std::string path = QFile::encodeName(snapshotPath).toStdString();
    try {
        if (ui.picture().format() == QImage::Format_RGB32) {
            sheet::io::ReplaceFileAtomically(
                path, [&](const sheet::io::FileSink& sink) { WriteBmp24(ui.picture(), sink); });
        } else {
            QByteArray bmp;
            QBuffer buffer(&bmp);
            if (!buffer.open(QIODevice::WriteOnly) || !ui.picture().save(&buffer, "BMP")) {
                std::fprintf(stderr, "morvessa-batch: cannot write %s: the picture could not be encoded\n",
                             qUtf8Printable(snapshotPath));
                return false;
            }
            sheet::io::ReplaceFileAtomically(path,
                                             std::span(reinterpret_cast<const uint8_t*>(bmp.constData()),
                                                       static_cast<size_t>(bmp.size())));
        }
    } catch (const sheet::io::FileError& error) {
        std::fprintf(stderr, "morvessa-batch: cannot write %s\n", error.what());
        return false;
    }
    return true;
}

// Adds the --country and --ics holidays to a copy of the settings in use, in `folder`; false (reported
// as a usage error) for an unknown code or an unreadable file.
bool UseRunHolidaysOf(const BatchOptions& options, const QString& folder)
{
    if (options.countries.isEmpty() && options.icsFiles.isEmpty())
        return true;
    try {
        for (const QString& line :
             UseRunHolidays({options.countries, options.icsFiles, options.englishNames}, folder))
            std::printf("%s\n", qUtf8Printable(line));
    } catch (const std::exception& error) {
        UsageError(QString::fromUtf8(error.what()));
        return false;
    }
    return true;
}

// Generates the calendar and writes the files asked for; the exit status.
int RunBatch(const BatchOptions& options)
{
    if (!options.settingsPath.isEmpty())
        SetSettingsFile(options.settingsPath);

    CountingStderrReporter reporter;
    ScopedErrorReporter useReporter(reporter);
    StderrCatalogueMessages catalogueMessages;
    ScopedCatalogueMessageSink useMessages(catalogueMessages);

    // Partial files next to --out that a killed run left.
    sheet::io::RemoveAbandonedPartialFiles(QFile::encodeName(options.outPath).toStdString());
    // The run's private folder inside TEMP (the generation's workbook and picture go there too):
    // nothing of another user or another run at the same time meets it, and it goes with the run.
    std::string runFolder;
    try {
        runFolder = RunFolder();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "morvessa-batch: %s\n", error.what());
        return kExitFailedSteps;
    }

    if (!UseRunHolidaysOf(options, QString::fromStdString(runFolder)))
        return kExitUsage;

    // The paper asked for here reaches the workbook's page setup and the PDF, not the store.
    std::optional<ScopedPaperChoice> paper;
    if (options.paper)
        paper.emplace(*options.paper);
    const CalendarOptions layout = options.Layout();
    // The months are known as calendar months; the first month may come from the settings file.
    if (options.pdfMonths && !SheetsOfMonths(*options.pdfMonths, layout.firstMonth)) {
        UsageError(QStringLiteral("--months %1-%2 runs backwards in a calendar that starts with month %3")
                       .arg(options.pdfMonths->first)
                       .arg(options.pdfMonths->last)
                       .arg(layout.firstMonth));
        return kExitUsage;
    }

    HeadlessGenerationUi ui(options.month - 1);
    GenerateCalendar(options.year, ui, layout);

    if (reporter.count > 0 && !options.keepGoing) {
        // A failed run must not replace a good calendar from an earlier run.
        if (!ui.workbookPath().empty())
            DeleteFileQuietly(QString::fromStdString(ui.workbookPath()));
        std::fprintf(stderr,
                     "morvessa-batch: %d step(s) failed; no file was written (--keep-going writes them "
                     "anyway)\n",
                     reporter.count);
        return kExitFailedSteps;
    }
    bool succeeded = reporter.count == 0;
    // The PDF is drawn from the generation's workbook, which WriteWorkbook then takes away.
    if (!options.pdfPath.isEmpty())
        succeeded = WritePdf(ui, options, layout) && succeeded;
    succeeded = WriteWorkbook(ui, options, reporter.count == 0) && succeeded;
    if (!options.snapshotPath.isEmpty())
        succeeded = WriteSnapshot(ui, options.snapshotPath) && succeeded;
    return succeeded ? kExitOk : kExitFailedSteps;
}

// DIR/YEAR.xls, or DIR/NAME-YEAR.xls for settings file NAME.ini when there are several.
QString ManyWorkbookPath(const BatchOptions& options, const QString& settingsPath, int year)
{
    const QString name =
        options.settingsPaths.size() > 1
            ? QStringLiteral("%1-%2.xls").arg(QFileInfo(settingsPath).completeBaseName()).arg(year)
            : QStringLiteral("%1.xls").arg(year);
    return QDir(options.outDir).filePath(name);
}

// Many calendars in one process: the holidays are read once per settings file, and each workbook is
// built in an instance of its own and saved straight to its file (no reopen, no picture), so the
// memory stays that of one calendar however many are made.
int RunMany(const BatchOptions& options)
{
    CountingStderrReporter reporter;
    ScopedErrorReporter useReporter(reporter);
    StderrCatalogueMessages catalogueMessages;
    ScopedCatalogueMessageSink useMessages(catalogueMessages);
    std::optional<ScopedPaperChoice> paper;
    if (options.paper)
        paper.emplace(*options.paper);
    if (!QDir().mkpath(options.outDir)) {
        std::fprintf(stderr, "morvessa-batch: cannot make the folder %s\n", qUtf8Printable(options.outDir));
        return kExitFailedSteps;
    }
    const QStringList sources =
        options.settingsPaths.isEmpty() ? QStringList{QString()} : options.settingsPaths;
    const std::int32_t fileFormat = GetXlsFileFormat();
    int unwritten = 0;
    for (const QString& source : sources) {
        if (!source.isEmpty())
            SetSettingsFile(source);
        std::unique_ptr<PrivateFolder> copyFolder;
        try {
            copyFolder = PrivateFolder::Create(TempFolder().toStdString(), kBatchRunFolderPrefix);
        } catch (const std::exception& error) {
            std::fprintf(stderr, "morvessa-batch: %s\n", error.what());
            return kExitFailedSteps;
        }
        if (!UseRunHolidaysOf(options, QString::fromStdString(copyFolder->path())))
            return kExitUsage;
        {
            ErrorTrap load(location::Calendar_GenerateCalendar);
            load.Step(104, [] { LoadHolidays(); });
            load.Step(104, [] { LoadRuleHolidays(); });
        }
        const CalendarOptions layout = options.Layout();
        for (const int year : options.years) {
            const int reportsBefore = reporter.count;
            sheet::Application instance;
            CalendarWorkbookState state;
            ErrorTrap trap(location::Calendar_GenerateCalendar);
            BuildCalendarWorkbook(&instance, state, year, options.month, trap, layout);
            const QString path = ManyWorkbookPath(options, source, year);
            const bool failed = reporter.count != reportsBefore;
            if ((!failed || options.keepGoing) && state.CalendarWorkbook) {
                trap.Step(226, [&] { state.CalendarWorkbook->SaveAs(path.toStdString(), fileFormat); });
            }
            if (failed && !options.keepGoing) {
                std::fprintf(stderr, "morvessa-batch: %s was not written: a step failed\n",
                             qUtf8Printable(path));
                ++unwritten;
            }
        }
    }
    return unwritten == 0 && reporter.count == 0 ? kExitOk : kExitFailedSteps;
}

}  // namespace

// The tool prints its own reports only: Qt's notes about the environment ("XDG_RUNTIME_DIR not
// set" under cron or a root shell) are dropped; its critical and fatal messages still show.
static void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "morvessa-batch: %s\n", qUtf8Printable(message));
}

int main(int argc, char** argv)
{
    qInstallMessageHandler(QuietQtMessages);
    UseOffscreenPlatformUnlessChosen();
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("morvessa-batch"));
    QGuiApplication::setApplicationVersion(QStringLiteral(MORVESSA_VERSION));
    SetApplicationTitle();

    BatchCommandLine commandLine;
    int exitStatus = kExitOk;
    const std::optional<BatchOptions> options = commandLine.Parse(QCoreApplication::arguments(), exitStatus);
    if (!options)
        return exitStatus;
    SetRunFolderPrefix(kBatchRunFolderPrefix);
    // What killed runs left in TEMP and in the running-instance table.
    RemoveLeftoversOfEndedRuns();
    return options->outDir.isEmpty() ? RunBatch(*options) : RunMany(*options);
}
