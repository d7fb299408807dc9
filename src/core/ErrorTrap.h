#pragma once
// The uniform error trap: a procedure runs as numbered steps; a step that throws is reported with the
// procedure's location text and the step's number, and the procedure goes on with its next step.

#include "core/ScopedOverride.h"
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace morvessa {

// Where reports go: the "Application Error" box in the program, a recorder in tests, stderr in tools.
class ErrorReporter {
public:
    virtual ~ErrorReporter() = default;
    // `message` is the full report text (see ErrorReportText).
    virtual void Report(const std::string& message) = 0;
};

// Writes each report to stderr; the default until a program installs its own reporter.
class StderrErrorReporter final : public ErrorReporter {
public:
    void Report(const std::string& message) override;
};

// Keeps every report, in order; for tests and for callers that decide later what to show.
class RecordingErrorReporter final : public ErrorReporter {
public:
    void Report(const std::string& message) override { messages.push_back(message); }
    std::vector<std::string> messages;
};

// The process-wide reporter that traps use when none is given to them.
ErrorReporter& CurrentErrorReporter();
// Installs `reporter` (not owned); nullptr goes back to the stderr reporter.
void SetErrorReporter(ErrorReporter* reporter);

// Installs a reporter for one scope and puts the previous one back afterwards.
struct ErrorReporterHook {
    using Value = ErrorReporter*;
    static Value& Slot();
};
using ScopedErrorReporter = ScopedOverride<ErrorReporterHook>;

// Translated where the box is shown (context "ErrorReport").
inline constexpr std::string_view kErrorBoxTitle = "Application Error";
inline constexpr std::string_view kSupportAddress = "support@morvessa.app";

// description + "\r\n" + location + "at line " + line + "\r\r" + the support request.
std::string ErrorReportText(std::string_view description, std::string_view location, int line);

class ErrorTrap {
public:
    explicit ErrorTrap(std::string_view location, ErrorReporter* reporter = nullptr);

    // Runs one numbered step. Any exception is reported and swallowed; returns whether it succeeded.
    bool Step(int line, const std::function<void()>& body);

    // Reports a failure found without an exception (a check the step makes itself).
    void Fail(int line, std::string_view description);

    int failures() const { return failures_; }
    std::string_view location() const { return location_; }

private:
    std::string location_;
    ErrorReporter* reporter_;
    int failures_ = 0;
};

// The description of the exception being handled (call only inside a catch block).
std::string CurrentExceptionDescription();

// A report's text in the user's language when it is one the program knows (a runtime description
// such as "Out of memory", a reason a file could not be written), else as it came.
std::string TranslatedReportText(std::string_view text);

// "The file could not be saved: PATH (reason)." in the user's language.
std::string UnsavedFileReport(std::string_view path, std::string_view reason);

// What went wrong, in the user's words and language (call only inside a catch block): a workbook
// file that could not be saved as UnsavedFileReport says it, anything else its description.
std::string CurrentFailureInUsersWords();

// A trapped procedure's location text, exactly as the report shows it. Each window or module
// declares its own procedures' names beside its code, in namespace `location`.
#define MORVESSA_LOCATION(name, text)                                                                        \
    inline constexpr std::string_view name = "in Quorvant2021/08/31." text " ";

}  // namespace morvessa
