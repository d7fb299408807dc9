#include "host/DrawingModuleLoader.h"

#include "core/ProgramTranslation.h"
#include "host/Drawing.h"
#include "spreadsheet/io/CNumbers.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QString>

#include <dlfcn.h>

#include <stdexcept>
#include <string>

namespace morvessa {

namespace {

int* g_argc = nullptr;
char** g_argv = nullptr;
Drawing* g_drawing = nullptr;

using ModuleEntry = Drawing* (*)(int*, char**);

// Beside the tool in the build tree; in the installed tree, in the program's library folder.
std::string ModulePath()
{
    const QString bin = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
    const QString beside = bin + QStringLiteral("/" MORVESSA_DRAWING_MODULE);
    if (QFileInfo::exists(beside))
        return beside.toStdString();
    return (bin + QStringLiteral("/" MORVESSA_DRAWING_MODULE_INSTALLED)).toStdString();
}

}  // namespace

void SetDrawingModuleCommandLine(int& argc, char** argv)
{
    g_argc = &argc;
    g_argv = argv;
}

void LoadDrawingModule()
{
    if (g_drawing)
        return;
    const std::string path = ModulePath();
    void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
    if (!module)
        throw std::runtime_error(QCoreApplication::translate("ErrorReport", "The drawing module cannot be loaded: %1")
                                     .arg(QString::fromLocal8Bit(dlerror()))
                                     .toStdString());
    const auto entry = reinterpret_cast<ModuleEntry>(dlsym(module, "MorvessaDrawingModule"));
    if (!entry)
        throw std::runtime_error(QCoreApplication::translate("ErrorReport", "The drawing module %1 is not this program's")
                                     .arg(QString::fromStdString(path))
                                     .toStdString());
    static int defaultArgc = 1;
    static char name[] = "morvessa";
    static char* defaultArgv[] = {name, nullptr};
    // A translated run starts with a plain application object for its words; drawing needs Qt GUI's,
    // which takes its place here, between steps, with the same translations.
    QCoreApplication* plain = QCoreApplication::instance();
    const bool replaced = plain && !plain->inherits("QGuiApplication");
    if (replaced)
        delete plain;
    g_drawing = g_argc ? entry(g_argc, g_argv) : entry(&defaultArgc, defaultArgv);
    if (replaced)
        ProgramTranslation::InstallAgain();
    // A new application object set the numbers from the environment.
    sheet::io::UseCNumbersEverywhere();
}

Drawing& Drawings()
{
    LoadDrawingModule();
    return *g_drawing;
}

}  // namespace morvessa
