#include "app/CommandLine.h"

#include "holidays/world/WorldHolidays.h"

#include <algorithm>
#include <iterator>

namespace morvessa {

namespace {

constexpr const char* kHelp =
    "Usage: morvessa [OPTION]\n"
    "Builds a printable yearly calendar: choose the year, the holidays (your own, a country's, or an\n"
    "iCalendar file's) and the colours in the window, preview a month, and save the twelve month\n"
    "sheets as an Excel workbook (.xls or .xlsx) or a PDF, or print them. The holidays can also be\n"
    "exported as an iCalendar file (.ics).\n"
    "\n"
    "Options:\n"
    "  -h, --help     Displays this help.\n"
    "  -v, --version  Displays version information.\n"
    "\n"
    "The same calendar can be made without a window by morvessa-batch(1).\n";

// Qt's own options, which QApplication reads: those that take the next argument, and those alone.
constexpr const char* kQtOptionsWithValue[] = {
    "-platform", "-platformpluginpath", "-platformtheme", "-plugin", "-qwindowgeometry", "-qwindowicon",
    "-qwindowtitle", "-style", "-stylesheet", "-session", "-display", "-geometry", "-title", "-name",
    "-icon", "-qmljsdebugger"};
constexpr const char* kQtOptionsAlone[] = {"-reverse", "-widgetcount", "-nograb", "-dograb", "-sync",
                                           "-visual", "-cmap", "-graphicssystem"};

bool IsOneOf(const std::string& argument, const auto& options)
{
    // Qt takes "-name value", "--name value" and "-name=value".
    std::string name = argument.rfind("--", 0) == 0 ? argument.substr(1) : argument;
    name = name.substr(0, name.find('='));
    return std::find(std::begin(options), std::end(options), name) != std::end(options);
}

}  // namespace

std::optional<CommandLineAnswer> AnswerCommandLine(const std::vector<std::string>& arguments,
                                                   const std::string& version)
{
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h")
            return CommandLineAnswer{0, kHelp, {}};
        if (argument == "--version" || argument == "-v")
            return CommandLineAnswer{0,
                                     "morvessa " + version + "\nHoliday data: " +
                                         world::DataDescription().toStdString() + "\n",
                                     {}};
    }
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (IsOneOf(argument, kQtOptionsWithValue)) {
            i += argument.find('=') == std::string::npos ? 1 : 0;
            continue;
        }
        if (IsOneOf(argument, kQtOptionsAlone))
            continue;
        // A mistyped option must not start the window as if it had been understood.
        return CommandLineAnswer{kUsageErrorStatus, {},
                                 "morvessa: unknown option '" + argument + "'\nTry 'morvessa --help'.\n"};
    }
    return std::nullopt;
}

std::optional<CommandLineAnswer> AnswerWithoutDisplay(const std::vector<std::string>& arguments,
                                                      const std::function<std::string(const char*)>& environment)
{
    const bool platformChosen =
        !environment("QT_QPA_PLATFORM").empty() ||
        std::any_of(arguments.begin(), arguments.end(), [](const std::string& a) {
            return IsOneOf(a, std::initializer_list<std::string>{"-platform"});
        });
    if (platformChosen || !environment("DISPLAY").empty() || !environment("WAYLAND_DISPLAY").empty())
        return std::nullopt;
    return CommandLineAnswer{kNoDisplayStatus, {},
                             "morvessa: no display was found (neither DISPLAY nor WAYLAND_DISPLAY is set), so "
                             "the window cannot open.\nmorvessa-batch makes the same calendars without one; "
                             "see 'morvessa-batch --help'.\n"};
}

}  // namespace morvessa
