#include "app/CommandLine.h"

#include "holidays/world/WorldHolidays.h"

namespace morvessa {

namespace {

constexpr const char* kHelp =
    "Usage: morvessa [OPTION]\n"
    "Builds a printable yearly calendar workbook: choose the year, the holidays and the colours in\n"
    "the window, preview a month and save the twelve month sheets as an Excel 97-2003 workbook.\n"
    "\n"
    "Options:\n"
    "  -h, --help     Displays this help.\n"
    "  -v, --version  Displays version information.\n"
    "\n"
    "The same calendar can be made without a window by morvessa-batch(1).\n";

}  // namespace

std::optional<CommandLineAnswer> AnswerCommandLine(const std::vector<std::string>& arguments,
                                                   const std::string& version)
{
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h")
            return CommandLineAnswer{0, kHelp};
        if (argument == "--version" || argument == "-v")
            return CommandLineAnswer{0, "morvessa " + version + "\nHoliday data: " +
                                            world::DataDescription().toStdString() + "\n"};
    }
    return std::nullopt;
}

}  // namespace morvessa
