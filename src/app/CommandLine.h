#pragma once
// The program's own command-line options, answered before any window or display is needed, so
// `morvessa --version` works over ssh and the manual page can be made at build time.

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace morvessa {

inline constexpr int kUsageErrorStatus = 2;
inline constexpr int kNoDisplayStatus = 1;

struct CommandLineAnswer {
    int exitStatus = 0;
    std::string out;  // printed to stdout
    std::string err;  // printed to stderr
};

// The answer to --help/-h or --version/-v, a refusal of an option neither the program nor Qt knows,
// or nothing when the window should start. Qt's own options (such as -platform) are left for
// QApplication.
std::optional<CommandLineAnswer> AnswerCommandLine(const std::vector<std::string>& arguments,
                                                   const std::string& version);

// A clear word instead of Qt's abort when no window can open: no platform asked for (-platform,
// QT_QPA_PLATFORM) and no display in the environment. `environment` gives a variable's value or "".
std::optional<CommandLineAnswer> AnswerWithoutDisplay(const std::vector<std::string>& arguments,
                                                      const std::function<std::string(const char*)>& environment);

}  // namespace morvessa
