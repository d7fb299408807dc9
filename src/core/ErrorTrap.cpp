#include "core/ErrorTrap.h"

#include <cstdio>
#include <exception>
#include <new>
#include <stdexcept>

namespace morvessa {

namespace {
StderrErrorReporter g_stderrReporter;
ErrorReporter* g_reporter = nullptr;
}  // namespace

void StderrErrorReporter::Report(const std::string& message)
{
    std::fprintf(stderr, "%s: %s\n", std::string(kErrorBoxTitle).c_str(), message.c_str());
}

ErrorReporter& CurrentErrorReporter()
{
    return g_reporter ? *g_reporter : g_stderrReporter;
}

void SetErrorReporter(ErrorReporter* reporter)
{
    g_reporter = reporter;
}

ScopedErrorReporter::ScopedErrorReporter(ErrorReporter& reporter) : previous_(g_reporter)
{
    g_reporter = &reporter;
}

ScopedErrorReporter::~ScopedErrorReporter()
{
    g_reporter = previous_;
}

std::string ErrorReportText(std::string_view description, std::string_view location, int line)
{
    std::string text;
    text.reserve(description.size() + location.size() + 96);
    text.append(description);
    text.append("\r\n");
    text.append(location);
    text.append("at line ");
    text.append(std::to_string(line));
    text.append("\r\r");
    text.append("Please email screenshot of this message to ");
    text.append(kSupportAddress);
    return text;
}

std::string CurrentExceptionDescription()
{
    try {
        throw;
    } catch (const std::bad_alloc&) {
        return "Out of memory";
    } catch (const std::out_of_range& e) {
        return *e.what() ? e.what() : "Subscript out of range";
    } catch (const std::exception& e) {
        return *e.what() ? e.what() : "Application-defined or object-defined error";
    } catch (...) {
        return "Application-defined or object-defined error";
    }
}

ErrorTrap::ErrorTrap(std::string_view location, ErrorReporter* reporter)
    : location_(location), reporter_(reporter)
{
}

bool ErrorTrap::Step(int line, const std::function<void()>& body)
{
    try {
        body();
        return true;
    } catch (...) {
        Fail(line, CurrentExceptionDescription());
        return false;
    }
}

void ErrorTrap::Fail(int line, std::string_view description)
{
    ++failures_;
    ErrorReporter& reporter = reporter_ ? *reporter_ : CurrentErrorReporter();
    reporter.Report(ErrorReportText(description, location_, line));
}

}  // namespace morvessa
