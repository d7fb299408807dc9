// morvessa-batch: builds calendar workbooks without a window, for scripts and benchmarks. It runs
// the same generation as the program's "Start Creating Template" button; its options and runs live
// in src/batch.

#include "batch/BatchCommandLine.h"
#include "batch/BatchRuns.h"
#include "calendar/Leftovers.h"
#include "core/ProgramTranslation.h"
#include "core/RunFolder.h"
#include "core/SharedRoutines.h"
#include "host/DrawingModuleLoader.h"
#include "spreadsheet/io/CNumbers.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

#include <clocale>

#include <cstdio>
#include <optional>

using namespace morvessa;

namespace {

void UseOffscreenPlatformUnlessChosen()
{
    // A batch tool shows nothing; without an explicit choice it never needs the desktop, so it
    // runs without a display and leaves the desktop's clipboard alone.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// The tool prints its own reports only: Qt's notes about the environment ("XDG_RUNTIME_DIR not
// set" under cron or a root shell) are dropped; its critical and fatal messages still show.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "morvessa-batch: %s\n", qUtf8Printable(message));
}

// A run draws when it writes a picture or a PDF. A single-dash argument other than the tool's own
// (-h, -?, -v) is one of the toolkit's (-platform ...): such a run starts as it always did.
bool StartsDrawing(const QStringList& arguments)
{
    for (const QString& argument : arguments.mid(1)) {
        if (argument.startsWith(QLatin1String("--snapshot")) || argument.startsWith(QLatin1String("--pdf")) ||
            argument.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
            return true;
        if (argument.size() > 1 && argument.startsWith(u'-') && !argument.startsWith(QLatin1String("--")) &&
            argument != QLatin1String("-h") && argument != QLatin1String("-?") && argument != QLatin1String("-v"))
            return true;
    }
    return false;
}

// Help names the tool as it was called, which only an application object knows.
bool AsksForHelp(const QStringList& arguments)
{
    for (const char* help : {"-h", "-?", "--help", "--help-all"}) {
        if (arguments.contains(QLatin1String(help)))
            return true;
    }
    return false;
}

QStringList ArgumentsOf(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

}  // namespace

int main(int argc, char** argv)
{
    qInstallMessageHandler(QuietQtMessages);
    UseOffscreenPlatformUnlessChosen();
    // A run that only writes workbooks or .ics files needs no application object, and so no GUI
    // library and no fonts; the drawing module makes the QGuiApplication when a run first draws or
    // measures text. A run known to draw starts with it, as the program does.
    SetDrawingModuleCommandLine(argc, argv);
    const QStringList arguments = ArgumentsOf(argc, argv);
    // A system whose language has a translation gets the tool's words in it, which takes an
    // application object from the start: a plain one, which the drawing module replaces with its
    // own should the run draw after all.
    const bool translated = ProgramTranslation::Exists(QLocale::system());
    if (StartsDrawing(arguments)) {
        try {
            LoadDrawingModule();
        } catch (const std::exception& error) {
            std::fprintf(stderr, "morvessa-batch: %s\n", error.what());
            return batch::kExitFailedSteps;
        }
    } else if (translated || AsksForHelp(arguments)) {
        new QCoreApplication(argc, argv);  // it draws nothing yet
    } else {
        std::setlocale(LC_ALL, "");  // as an application object would
    }
    // Whichever made it, the application object goes at the end of the run.
    const struct ApplicationEnd {
        ~ApplicationEnd() { delete QCoreApplication::instance(); }
    } applicationEnd;
    ProgramTranslation translation;
    if (translated && QCoreApplication::instance())
        translation.Install(QLocale::system());
    sheet::io::UseCNumbersEverywhere();  // the environment has just set them
    QCoreApplication::setApplicationName(QStringLiteral("morvessa-batch"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MORVESSA_VERSION));
    SetApplicationTitle();
    if (!QCoreApplication::instance())
        QCoreApplication::setApplicationName(ApplicationTitle());

    batch::BatchCommandLine commandLine;
    int exitStatus = batch::kExitOk;
    const std::optional<batch::BatchOptions> options =
        commandLine.Parse(QCoreApplication::instance() ? QCoreApplication::arguments() : arguments, exitStatus);
    if (!options)
        return exitStatus;
    SetRunFolderPrefix(kBatchRunFolderPrefix);
    // What killed runs left in TEMP and in the running-instance table.
    RemoveLeftoversOfEndedRuns();
    return options->outDir.isEmpty() ? batch::RunOne(*options) : batch::RunMany(*options);
}
