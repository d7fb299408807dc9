#include "spreadsheet/xlsx/XlsxWriterLibrary.h"

#include "spreadsheet/xlsx/XlsxFile.h"

#include <dlfcn.h>

namespace morvessa::sheet::xlsx {

const char* const kXlsxWriterLibraryName = MORVESSA_XLSXWRITER_SONAME;

XlsxWriterLibrary LoadXlsxWriterFrom(const std::string& file)
{
    // Local binding: neither it nor the libraries it brings can replace a symbol of the program.
    void* handle = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* reason = dlerror();
        throw XlsxError("The .xlsx file cannot be written: the library " + file + " could not be loaded (" +
                        (reason ? reason : "unknown reason") + "). Install libxlsxwriter, or save as .xls.");
    }
    XlsxWriterLibrary library;
    const char* missing = nullptr;
#define MORVESSA_XLSXWRITER_RESOLVE(name)                                                                    \
    if (!missing) {                                                                                          \
        library.name = reinterpret_cast<decltype(library.name)>(dlsym(handle, #name));                       \
        if (!library.name)                                                                                   \
            missing = #name;                                                                                 \
    }
    MORVESSA_XLSXWRITER_FUNCTIONS(MORVESSA_XLSXWRITER_RESOLVE)
#undef MORVESSA_XLSXWRITER_RESOLVE
    if (missing) {
        dlclose(handle);
        throw XlsxError("The .xlsx file cannot be written: the library " + file + " has no function " +
                        missing + " (a different version than the program was built for).");
    }
    // The handle stays open for the rest of the process: every later save uses the same functions.
    return library;
}

const XlsxWriterLibrary& XlsxWriter()
{
    // A failed load throws out of the initialiser, so the next call tries again.
    static const XlsxWriterLibrary library = LoadXlsxWriterFrom(kXlsxWriterLibraryName);
    return library;
}

}  // namespace morvessa::sheet::xlsx
