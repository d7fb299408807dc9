// morvessa-batch: builds one calendar workbook without a window, for scripts and benchmarks. It runs
// the same generation as the program's "Start Creating Template" button.

#include "calendar/GenerateCalendar.h"
#include "calendar/GenerationUi.h"
#include "holidays/HolidayCatalogue.h"
#include "settings/SettingsStore.h"
#include "core/ErrorTrap.h"
#include "core/NumericText.h"
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
    void SetMainMousePointer(int) override {}
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

}  // namespace

int main(int argc, char** argv)
{
    UseOffscreenPlatformUnlessChosen();
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("morvessa-batch"));
    QGuiApplication::setApplicationVersion(QStringLiteral(MORVESSA_VERSION));
    SetApplicationTitle();

    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(kDescription));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption yearOption(
        QStringLiteral("year"),
        QStringLiteral("The calendar's year; years outside 1900..2100 are clamped to them."),
        QStringLiteral("YEAR"));
    const QCommandLineOption outOption(
        QStringLiteral("out"), QStringLiteral("Where the workbook is written (replaced if it exists)."),
        QStringLiteral("PATH.xls"));
    const QCommandLineOption settingsOption(
        QStringLiteral("settings"),
        QStringLiteral("An INI settings file to use instead of the user's own (same format). "
                       "An empty file gives the default holidays and colours, written into it."),
        QStringLiteral("FILE"));
    const QCommandLineOption monthOption(
        QStringLiteral("month"),
        QStringLiteral("The month sheet that is active when the workbook opens and that the snapshot "
                       "shows, 1..12 (default 1, January)."),
        QStringLiteral("N"), QStringLiteral("1"));
    const QCommandLineOption snapshotOption(
        QStringLiteral("snapshot"), QStringLiteral("Also write the snapshot picture of that month (BMP)."),
        QStringLiteral("PATH.bmp"));
    parser.addOptions({yearOption, outOption, settingsOption, monthOption, snapshotOption});

    if (!parser.parse(QCoreApplication::arguments())) {
        UsageError(parser.errorText());
        return kExitUsage;
    }
    if (parser.isSet(versionOption)) {
        std::printf("morvessa-batch %s\n", MORVESSA_VERSION);
        return kExitOk;
    }
    if (parser.isSet(helpOption)) {
        std::fputs(qUtf8Printable(parser.helpText()), stdout);
        return kExitOk;
    }
    if (!parser.positionalArguments().isEmpty()) {
        UsageError(QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first()));
        return kExitUsage;
    }
    if (!parser.isSet(yearOption) || !parser.isSet(outOption)) {
        UsageError(QStringLiteral("--year and --out are required"));
        return kExitUsage;
    }

    const QString yearArgument = parser.value(yearOption).trimmed();
    if (!IsWholeNumber(yearArgument)) {
        UsageError(QStringLiteral("You must enter a valid year."));
        return kExitUsage;
    }
    bool monthOk = false;
    const int month = parser.value(monthOption).trimmed().toInt(&monthOk);
    if (!monthOk || month < 1 || month > 12) {
        UsageError(QStringLiteral("--month must be a whole number from 1 to 12"));
        return kExitUsage;
    }
    const QString outPath = parser.value(outOption);
    if (outPath.isEmpty() || QFileInfo(outPath).isDir()) {
        UsageError(QStringLiteral("--out must name a file"));
        return kExitUsage;
    }

    if (parser.isSet(settingsOption)) {
        const QString settingsPath = parser.value(settingsOption);
        // A typo must not silently produce a calendar from fresh defaults.
        if (!QFileInfo(settingsPath).isFile()) {
            UsageError(QStringLiteral("settings file '%1' does not exist (an empty file gives the defaults)")
                           .arg(settingsPath));
            return kExitUsage;
        }
        SetSettingsFile(QFileInfo(settingsPath).absoluteFilePath());
    }

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

    BatchGenerationUi ui(month - 1);
    // A whole number in any spelling ("2024.0", "1e3") becomes plain digits; far-off years need
    // no integer conversion since the generation clamps them anyway.
    const double yearValue = ToNumber(yearArgument);
    std::string yearText = yearValue < 1900   ? "1900"
                           : yearValue > 2100 ? "2100"
                                              : QString::number(static_cast<int>(yearValue)).toStdString();
    GenerateCalendar(yearText, ui);

    int status = reporter.count == 0 ? kExitOk : kExitFailedSteps;
    const QString tempWorkbook = QString::fromStdString(ui.workbookPath());
    if (tempWorkbook.isEmpty() || !ui.previewShown()) {
        std::fprintf(stderr, "morvessa-batch: the generation handed over no workbook\n");
        status = kExitFailedSteps;
    } else {
        QString error;
        if (!CopyFileReplacing(tempWorkbook, outPath, error)) {
            std::fprintf(stderr, "morvessa-batch: %s\n", qUtf8Printable(error));
            status = kExitFailedSteps;
        }
    }
    if (!tempWorkbook.isEmpty())
        DeleteFileQuietly(tempWorkbook);

    if (parser.isSet(snapshotOption)) {
        const QString snapshotPath = parser.value(snapshotOption);
        if (ui.picture().isNull()) {
            std::fprintf(stderr, "morvessa-batch: no snapshot picture was taken\n");
            status = kExitFailedSteps;
        } else {
            QSaveFile out(snapshotPath);
            if (!out.open(QIODevice::WriteOnly) || !ui.picture().save(&out, "BMP") || !out.commit()) {
                std::fprintf(stderr, "morvessa-batch: cannot write %s: %s\n", qUtf8Printable(snapshotPath),
                             qUtf8Printable(out.errorString()));
                status = kExitFailedSteps;
            }
        }
    }
    return status;
}
