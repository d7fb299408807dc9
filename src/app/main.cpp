// The program's entry: the main window is created first and its load performs the start-up.

#include "widgets/UiRoutines.h"
#include "widgets/CatalogueMessageBox.h"
#include "app/MainWindow.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setWindowIcon(morvessa::ApplicationIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("morvessa"));

    morvessa::InstallMessageBoxErrorReporter();
    morvessa::CatalogueMessageBox catalogueMessages;
    morvessa::SetCatalogueMessageSink(&catalogueMessages);

    morvessa::MainWindow mainWindow;
    mainWindow.show();
    const int status = app.exec();
    morvessa::SetCatalogueMessageSink(nullptr);
    return status;
}
