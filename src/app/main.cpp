// The program's entry: the main window is created first and its load performs the start-up.

#include "widgets/UiRoutines.h"
#include "widgets/CatalogueMessageBox.h"
#include "app/CommandLine.h"
#include "core/ProgramTranslation.h"
#include "app/MainWindow.h"
#include "app/HolidaysMenu.h"
#include "calendar/FirstStart.h"
#include "calendar/Leftovers.h"
#include "spreadsheet/io/CNumbers.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

int main(int argc, char* argv[])
{
    const std::vector<std::string> arguments(argv, argv + argc);
    const auto environment = [](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value ? value : "");
    };
    auto answer = morvessa::AnswerCommandLine(arguments, MORVESSA_VERSION);
    if (!answer)
        answer = morvessa::AnswerWithoutDisplay(arguments, environment);
    if (answer) {
        std::fputs(answer->out.c_str(), stdout);
        std::fputs(answer->err.c_str(), stderr);
        return answer->exitStatus;
    }
    QApplication app(argc, argv);
    morvessa::sheet::io::UseCNumbersEverywhere();  // the toolkit has just set them from the environment
    QApplication::setApplicationVersion(QStringLiteral(MORVESSA_VERSION));
    // The windows speak the system's language when there is a translation for it, else English.
    morvessa::ProgramTranslation translation;
    translation.Install(QLocale::system());
    // What killed runs left in TEMP and in the running-instance table; nothing the user sees.
    morvessa::RemoveLeftoversOfEndedRuns();
    QApplication::setWindowIcon(morvessa::ApplicationIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("app.morvessa.Morvessa"));

    morvessa::InstallMessageBoxErrorReporter();
    morvessa::CatalogueMessageBox catalogueMessages;
    morvessa::SetCatalogueMessageSink(&catalogueMessages);

    try {
        // A new user's first calendar speaks the system's language, starts its week as they do and
        // shows their country's holidays.
        morvessa::FollowSystemOnFirstStart(QLocale::system());
    } catch (const std::exception&) {
        // An unwritable store is reported by the window's own first read of it.
    }
    morvessa::MainWindow mainWindow;
    mainWindow.show();
    QTimer::singleShot(0, &mainWindow, [&mainWindow] { mainWindow.HolidaysChoices()->TellFirstStartCountry(); });
    const int status = app.exec();
    morvessa::SetCatalogueMessageSink(nullptr);
    return status;
}
