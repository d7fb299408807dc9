// morvessa-batch: builds calendar workbooks without a window, for scripts and benchmarks. It runs
// the same generation as the program's "Start Creating Template" button; its options and runs live
// in src/batch.

#include "batch/BatchCommandLine.h"
#include "batch/BatchRuns.h"
#include "calendar/Leftovers.h"
#include "core/RunFolder.h"
#include "core/SharedRoutines.h"
#include "spreadsheet/io/CNumbers.h"

#include <QGuiApplication>

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

}  // namespace

int main(int argc, char** argv)
{
    qInstallMessageHandler(QuietQtMessages);
    UseOffscreenPlatformUnlessChosen();
    QGuiApplication app(argc, argv);
    sheet::io::UseCNumbersEverywhere();  // the toolkit has just set them from the environment
    QGuiApplication::setApplicationName(QStringLiteral("morvessa-batch"));
    QGuiApplication::setApplicationVersion(QStringLiteral(MORVESSA_VERSION));
    SetApplicationTitle();

    batch::BatchCommandLine commandLine;
    int exitStatus = batch::kExitOk;
    const std::optional<batch::BatchOptions> options =
        commandLine.Parse(QCoreApplication::arguments(), exitStatus);
    if (!options)
        return exitStatus;
    SetRunFolderPrefix(kBatchRunFolderPrefix);
    // What killed runs left in TEMP and in the running-instance table.
    RemoveLeftoversOfEndedRuns();
    return options->outDir.isEmpty() ? batch::RunOne(*options) : batch::RunMany(*options);
}
