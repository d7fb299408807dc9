#pragma once
// Small helpers for tests of what ended processes leave behind in folders.

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

namespace morvessa::testing {

// The pid of a process that has ended (and been reaped), for records that name a dead owner.
inline pid_t EndedPid()
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

// The names of a folder's entries, sorted.
inline std::vector<std::string> EntryNames(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace morvessa::testing
