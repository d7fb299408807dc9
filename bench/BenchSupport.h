#pragma once
// What the benchmark programs share: the process's peak memory, and a platform that needs no display.

#include <sys/resource.h>

#include <cstdlib>

namespace morvessa::bench {

// The largest resident set the process has had so far, in MB (ru_maxrss counts kilobytes).
inline double PeakMemoryMB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

// Qt draws offscreen unless the caller chose a platform (window_bench under Xvfb wants xcb).
inline void UseOffscreenPlatformUnlessChosen()
{
    const char* chosen = std::getenv("QT_QPA_PLATFORM");
    if (!chosen || !*chosen)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
}

}  // namespace morvessa::bench
