#include "core/ErrorTrap.h"

#include "spreadsheet/WorkbookFileError.h"

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
    // The reasons the replace routine gives for a file it could not write (sheet::io::FileErrorReason).
    QT_TRANSLATE_NOOP("ErrorReport", "an unknown error"),
    QT_TRANSLATE_NOOP("ErrorReport", "the disk is full"),
    QT_TRANSLATE_NOOP("ErrorReport", "the disk quota is used up"),
    QT_TRANSLATE_NOOP("ErrorReport", "the file is larger than this disk or this process may write"),
    QT_TRANSLATE_NOOP("ErrorReport", "the disk is read-only"),
    QT_TRANSLATE_NOOP("ErrorReport", "the name is a link, which is not followed"),
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
    // The location names the procedure as written; only its leading word is the reader's language.
    constexpr std::string_view kIn = "in ";
    if (location.substr(0, kIn.size()) == kIn) {
        text.append(Translated(QT_TRANSLATE_NOOP("ErrorReport", "in ")));
        location.remove_prefix(kIn.size());
    }
    text.append(location);
    text.append(Translated(QT_TRANSLATE_NOOP("ErrorReport", "at line ")));
    text.append(std::to_string(line));
    text.append("\r\r");
    text.append(Translated(QT_TRANSLATE_NOOP("ErrorReport", "Please email screenshot of this message to ")));
    text.append(kSupportAddress);
    return text;
}

std::string TranslatedReportText(std::string_view text)
{
    return Translated(std::string(text).c_str());
}

std::string UnsavedFileReport(std::string_view path, std::string_view reason)
{
    return QCoreApplication::translate("SaveResults", "The file could not be saved: %1 (%2).")
        .arg(QString::fromUtf8(path.data(), qsizetype(path.size())),
             QString::fromStdString(TranslatedReportText(reason)))
        .toStdString();
}

std::string CurrentFailureInUsersWords()
{
    try {
        throw;
    } catch (const sheet::WorkbookFileError& error) {
        if (!error.unsavedPath.empty())
            return UnsavedFileReport(error.unsavedPath, error.reason);
    } catch (...) {
    }
    return TranslatedReportText(CurrentExceptionDescription());
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
