#include "calendar/IcalLibrary.h"

#include "calendar/HolidayIcs.h"

#include <cstdio>

#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

namespace morvessa {

const char* const kIcalLibraryName = MORVESSA_LIBICAL_SONAME;

IcalLibrary LoadIcalFrom(const std::string& file)
{
    // Local binding: neither it nor the libraries it brings can replace a symbol of the program.
    void* handle = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* reason = dlerror();
        throw IcsError("iCalendar files cannot be read or written: the library " + file +
                       " could not be loaded (" + (reason ? reason : "unknown reason") +
                       "). Install libical.");
    }
    IcalLibrary library;
    const char* missing = nullptr;
#define MORVESSA_LIBICAL_RESOLVE(name)                                                                       \
    if (!missing) {                                                                                          \
        library.name = reinterpret_cast<decltype(library.name)>(dlsym(handle, #name));                       \
        if (!library.name)                                                                                   \
            missing = #name;                                                                                 \
    }
    MORVESSA_LIBICAL_FUNCTIONS(MORVESSA_LIBICAL_RESOLVE)
#undef MORVESSA_LIBICAL_RESOLVE
    if (missing) {
        dlclose(handle);
        throw IcsError("iCalendar files cannot be read or written: the library " + file +
                       " has no function " + missing +
                       " (a different version than the program was built for).");
    }
    // The handle stays open for the rest of the process: every later import or export uses it.
    return library;
}

const IcalLibrary& Ical()
{
    // A failed load throws out of the initialiser, so the next call tries again.
    static const IcalLibrary library = LoadIcalFrom(kIcalLibraryName);
    return library;
}

QuietLibicalErrors::QuietLibicalErrors()
{
    std::fflush(stderr);
    const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (null < 0)
        return;
    savedStderr_ = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0);
    if (savedStderr_ >= 0)
        ::dup2(null, STDERR_FILENO);
    ::close(null);
}

QuietLibicalErrors::~QuietLibicalErrors()
{
    if (savedStderr_ < 0)
        return;
    std::fflush(stderr);
    ::dup2(savedStderr_, STDERR_FILENO);
    ::close(savedStderr_);
}

}  // namespace morvessa
