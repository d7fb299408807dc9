// morvessa-batch: builds one calendar workbook without a window, for scripts and benchmarks. It runs
// the same generation as the program's "Start Creating Template" button.

#include "calendar/GenerateCalendar.h"
#include "calendar/GenerationUi.h"
#include "holidays/HolidayCatalogue.h"
#include "settings/SettingsStore.h"
#include "core/CalendarYear.h"
#include "core/ErrorTrap.h"
#include "core/SharedRoutines.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QSaveFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

using namespace morvessa;

constexpr int kExitOk = 0;
constexpr int kExitFailedSteps = 1;
constexpr int kExitUsage = 2;

const char* const kDescription =
    "Builds a yearly calendar workbook (.xls, twelve month sheets) from the stored holidays and\n"
    "colours, exactly as the program's \"Start Creating Template\" does, without any window.\n"
    "\n"
    "Every failed step is printed to stderr as the program's error report would show it; the exit\n"
    "status is 0 only when no step failed (1 when one did, 2 for a usage error).\n"
    "The user's own settings are read only when --settings is not given.";

// Plays the main window and the preview: remembers what the generation hands over.
class BatchGenerationUi final : public GenerationUi {
public:
    explicit BatchGenerationUi(int monthIndex) : monthIndex_(monthIndex) {}

    int MonthSelectorIndex() const override { return monthIndex_; }
    void SetMainMousePointer(MousePointer) override {}
    void SetPreviewPicture(const QImage& picture) override { picture_ = picture; }
    void SetPreviewWorkbook(const std::string& path) override { workbookPath_ = path; }
    void ShowPreview() override { previewShown_ = true; }
    void HideMainWindow() override {}

    const QImage& picture() const { return picture_; }
    const std::string& workbookPath() const { return workbookPath_; }
    bool previewShown() const { return previewShown_; }

private:
    int monthIndex_;
    QImage picture_;
    std::string workbookPath_;
    bool previewShown_ = false;
};

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

// Puts the source file in place of the target in one step, so an existing target is either fully
// replaced or left as it was.
bool CopyFileReplacing(const QString& source, const QString& target, QString& error)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read %1: %2").arg(source, in.errorString());
        return false;
    }
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly)) {
        error = QStringLiteral("cannot write %1: %2").arg(target, out.errorString());
        return false;
    }
    const QByteArray bytes = in.readAll();
    if (out.write(bytes) != bytes.size() || !out.commit()) {
        error = QStringLiteral("cannot write %1: %2").arg(target, out.errorString());
        return false;
    }
    return true;
}

void UseOffscreenPlatformUnlessChosen()
{
    // A batch tool shows nothing; without an explicit choice it never needs the desktop, so it
    // runs without a display and leaves the desktop's clipboard alone.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// What one run is asked to do, read and checked from the command line.
struct BatchOptions {
    CalendarYear year = CalendarYear::Clamped(CalendarYear::kFirst);
    QString outPath;
    QString settingsPath;  // empty: the user's own settings
    int month = 1;         // 1..12
    QString snapshotPath;  // empty: no snapshot file
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
               QStringLiteral("Where the workbook is written (replaced if it exists)."),
               QStringLiteral("PATH.xls")),
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
                    QStringLiteral("PATH.bmp"))
    {
        parser_.setApplicationDescription(QString::fromUtf8(kDescription));
        parser_.addOptions({year_, out_, settings_, month_, snapshot_});
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
        if (!parser_.isSet(year_) || !parser_.isSet(out_)) {
            UsageError(QStringLiteral("--year and --out are required"));
            return std::nullopt;
        }

        BatchOptions options;
        const std::optional<CalendarYear> year = CalendarYear::FromText(parser_.value(year_));
        if (!year) {
            UsageError(QStringLiteral("You must enter a valid year."));
            return std::nullopt;
        }
        options.year = *year;
        bool monthOk = false;
        options.month = parser_.value(month_).trimmed().toInt(&monthOk);
        if (!monthOk || options.month < 1 || options.month > 12) {
            UsageError(QStringLiteral("--month must be a whole number from 1 to 12"));
            return std::nullopt;
        }
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
        return options;
    }

private:
    QCommandLineParser parser_;
    QCommandLineOption help_;
    QCommandLineOption version_;
    QCommandLineOption year_;
    QCommandLineOption out_;
    QCommandLineOption settings_;
    QCommandLineOption month_;
    QCommandLineOption snapshot_;
};

// Copies the generated workbook to --out; false (reported) when it cannot.
bool WriteWorkbook(const BatchGenerationUi& ui, const BatchOptions& options)
{
    const QString tempWorkbook = QString::fromStdString(ui.workbookPath());
    bool written = false;
    if (tempWorkbook.isEmpty() || !ui.previewShown()) {
        std::fprintf(stderr, "morvessa-batch: the generation handed over no workbook\n");
    } else {
        QString error;
        written = CopyFileReplacing(tempWorkbook, options.outPath, error);
        if (!written)
            std::fprintf(stderr, "morvessa-batch: %s\n", qUtf8Printable(error));
    }
    if (!tempWorkbook.isEmpty())
        DeleteFileQuietly(tempWorkbook);
    return written;
}

// Writes the snapshot picture to --snapshot; false (reported) when it cannot.
bool WriteSnapshot(const BatchGenerationUi& ui, const QString& snapshotPath)
{
    if (ui.picture().isNull()) {
        std::fprintf(stderr, "morvessa-batch: no snapshot picture was taken\n");
        return false;
    }
    QSaveFile out(snapshotPath);
    if (!out.open(QIODevice::WriteOnly) || !ui.picture().save(&out, "BMP") || !out.commit()) {
        std::fprintf(stderr, "morvessa-batch: cannot write %s: %s\n", qUtf8Printable(snapshotPath),
                     qUtf8Printable(out.errorString()));
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

    // A private folder inside TEMP for this run: the snapshot's fixed name "temp.bmp" cannot clash
    // with another run at the same time, and nothing is left behind.
    QTemporaryDir runFolder(TempFolder() + QStringLiteral("/morvessa-batch-XXXXXX"));
    if (!runFolder.isValid()) {
        std::fprintf(stderr, "morvessa-batch: cannot create a temporary folder in %s: %s\n",
                     qUtf8Printable(TempFolder()), qUtf8Printable(runFolder.errorString()));
        return kExitFailedSteps;
    }
    qputenv("TEMP", QFile::encodeName(runFolder.path()));

    BatchGenerationUi ui(options.month - 1);
    GenerateCalendar(options.year, ui);

    bool succeeded = reporter.count == 0;
    succeeded = WriteWorkbook(ui, options) && succeeded;
    if (!options.snapshotPath.isEmpty())
        succeeded = WriteSnapshot(ui, options.snapshotPath) && succeeded;
    return succeeded ? kExitOk : kExitFailedSteps;
}

}  // namespace

int main(int argc, char** argv)
{
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
    return RunBatch(*options);
}
