#pragma once
// The program's own command-line options, answered before any window or display is needed, so
// `morvessa --version` works over ssh and the manual page can be made at build time.

#include <optional>
#include <string>
#include <vector>

namespace morvessa {

struct CommandLineAnswer {
    int exitStatus = 0;
    std::string out;  // printed to stdout
};

// The answer to --help/-h or --version/-v, or nothing when the window should start. Other arguments
// (Qt's own, such as -platform) are left for QApplication.
std::optional<CommandLineAnswer> AnswerCommandLine(const std::vector<std::string>& arguments,
                                                   const std::string& version);

}  // namespace morvessa
