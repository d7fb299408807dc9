#pragma once
// The batch tool's drawing (host/Drawing.h): a module loaded the first time a run draws or measures
// text, found beside the tool or in its installed library folder.

namespace morvessa {

// The command line a QGuiApplication is made from when the module is loaded before any
// application object exists; `argc` and `argv` must live until the program ends.
void SetDrawingModuleCommandLine(int& argc, char** argv);

// Loads the module now (a run known to draw makes its QGuiApplication first, as the program does);
// throws std::runtime_error when it cannot be loaded.
void LoadDrawingModule();

}  // namespace morvessa
