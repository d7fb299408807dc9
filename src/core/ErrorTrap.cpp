#include "core/ErrorTrap.h"

#include <QCoreApplication>

#include <cstdio>
#include <exception>
#include <new>
#include <stdexcept>

namespace morvessa {

namespace {
StderrErrorReporter g_stderrReporter;
ErrorReporter* g_reporter = nullptr;

// The descriptions the runtime itself gives; a translation shows them in the user's language. Any
// other description (a file name, a reason from the system) is shown as it came.
[[maybe_unused]] const char* const kKnownDescriptions[] = {
    QT_TRANSLATE_NOOP("ErrorReport", "Out of memory"),
    QT_TRANSLATE_NOOP("ErrorReport", "Subscript out of range"),
    QT_TRANSLATE_NOOP("ErrorReport", "Application-defined or object-defined error"),
    QT_TRANSLATE_NOOP("ErrorReport", "Type mismatch"),
    QT_TRANSLATE_NOOP("ErrorReport", "Overflow"),
    QT_TRANSLATE_NOOP("ErrorReport", "File not found"),
    QT_TRANSLATE_NOOP("ErrorReport", "Invalid picture"),
    QT_TRANSLATE_NOOP("ErrorReport", "Invalid property value"),
    QT_TRANSLATE_NOOP("ErrorReport", "ActiveX component can't create object"),
    QT_TRANSLATE_NOOP("ErrorReport", "Object variable or With block variable not set"),
};

// The installed translation of an English text of the report (the text itself without one).
std::string Translated(const char* text)
{
    return QCoreApplication::translate("ErrorReport", text).toStdString();
}
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

ErrorReporterHook::Value& ErrorReporterHook::Slot()
{
    return g_reporter;
}

std::string ErrorReportText(std::string_view description, std::string_view location, int line)
{
    std::string text;
    text.reserve(description.size() + location.size() + 96);
    text.append(Translated(std::string(description).c_str()));
    text.append("\r\n");
    text.append(location);
    text.append(Translated(QT_TRANSLATE_NOOP("ErrorReport", "at line ")));
    text.append(std::to_string(line));
    text.append("\r\r");
    text.append(Translated(QT_TRANSLATE_NOOP("ErrorReport", "Please email screenshot of this message to ")));
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
