// The drawing linked into the program: there is a QGuiApplication before anything draws.
#include "host/ScreenDrawing.h"

namespace morvessa {

Drawing& Drawings()
{
    static ScreenDrawing drawing;
    return drawing;
}

}  // namespace morvessa
