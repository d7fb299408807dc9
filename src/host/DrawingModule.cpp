// The drawing as a module the batch tool loads when a run first draws. A run that started without
// an application object gets its QGuiApplication here, made from the tool's own command line.
#include "host/ScreenDrawing.h"

#include <QGuiApplication>

extern "C" __attribute__((visibility("default"))) morvessa::Drawing* MorvessaDrawingModule(int* argc, char** argv)
{
    if (!QCoreApplication::instance())
        new QGuiApplication(*argc, argv);  // the tool deletes the application object at its end
    static morvessa::ScreenDrawing drawing;
    return &drawing;
}
