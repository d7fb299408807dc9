#pragma once
// The uniform error trap: a procedure runs as numbered steps; a step that throws is reported with the
// procedure's location text and the step's number, and the procedure goes on with its next step.

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
class ScopedErrorReporter {
public:
    explicit ScopedErrorReporter(ErrorReporter& reporter);
    ~ScopedErrorReporter();
    ScopedErrorReporter(const ScopedErrorReporter&) = delete;
    ScopedErrorReporter& operator=(const ScopedErrorReporter&) = delete;

private:
    ErrorReporter* previous_;
};

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

// Location texts of every trapped procedure, exactly as the report shows them.
namespace location {
#define MORVESSA_LOCATION(name, text) inline constexpr std::string_view name = "in Quorvant2021/08/31." text " ";
MORVESSA_LOCATION(Form1_Form_Load, "Form1.Form_Load")
MORVESSA_LOCATION(Form1_PushButton1_Click, "Form1.PushButton1_Click")
MORVESSA_LOCATION(Form1_PushButton2_Click, "Form1.PushButton2_Click")
MORVESSA_LOCATION(Form1_PushButton4_Click, "Form1.PushButton4_Click")
MORVESSA_LOCATION(Form1_PushButton5_Click, "Form1.PushButton5_Click")
MORVESSA_LOCATION(Form1_PushButton8_Click, "Form1.PushButton8_Click")
MORVESSA_LOCATION(Form1_PushButton9_Click, "Form1.PushButton9_Click")
MORVESSA_LOCATION(Form1_PushButton10_Click, "Form1.PushButton10_Click")
MORVESSA_LOCATION(Form1_PushButton11_Click, "Form1.PushButton11_Click")
MORVESSA_LOCATION(Form1_PushButton12_Click, "Form1.PushButton12_Click")
MORVESSA_LOCATION(Form1_PushButton13_Click, "Form1.PushButton13_Click")
MORVESSA_LOCATION(Calendar_GenerateCalendar, "Calendar.GenerateCalendar")
MORVESSA_LOCATION(Excel1_saveCellsActivesheet, "Excel1.saveCellsActivesheet")
MORVESSA_LOCATION(frmFixedHolidays_Form_Load, "frmFixedHolidays.Form_Load")
MORVESSA_LOCATION(frmFixedHolidays_PushButton6_Click, "frmFixedHolidays.PushButton6_Click")
MORVESSA_LOCATION(frmFixedHolidays_PushButton8_Click, "frmFixedHolidays.PushButton8_Click")
MORVESSA_LOCATION(frmFloatingHolidays_Form_Load, "frmFloatingHolidays.Form_Load")
MORVESSA_LOCATION(frmFloatingHolidays_PushButton6_Click, "frmFloatingHolidays.PushButton6_Click")
MORVESSA_LOCATION(frmFloatingHolidays_PushButton8_Click, "frmFloatingHolidays.PushButton8_Click")
MORVESSA_LOCATION(frmColor_Form_Load, "frmColor.Form_Load")
MORVESSA_LOCATION(frmColor_btnSave_Click, "frmColor.btnSave_Click")
MORVESSA_LOCATION(frmColor_btnCancel_Click, "frmColor.btnCancel_Click")
MORVESSA_LOCATION(Form2_Form_Load, "Form2.Form_Load")
MORVESSA_LOCATION(Form2_Form_Activate, "Form2.Form_Activate")
MORVESSA_LOCATION(Form2_Form_QueryUnload, "Form2.Form_QueryUnload")
MORVESSA_LOCATION(Form2_PushButton1_Click, "Form2.PushButton1_Click")
MORVESSA_LOCATION(Form2_PushButton2_Click, "Form2.PushButton2_Click")
MORVESSA_LOCATION(Form2_PushButton6_Click, "Form2.PushButton6_Click")
MORVESSA_LOCATION(Form2_PushButton8_Click, "Form2.PushButton8_Click")
MORVESSA_LOCATION(Form2_picture1_MouseDown, "Form2.picture1_MouseDown")
MORVESSA_LOCATION(Form2_picture1_MouseMove, "Form2.picture1_MouseMove")
MORVESSA_LOCATION(Form2_Picture1_MouseUp, "Form2.Picture1_MouseUp")
MORVESSA_LOCATION(Form2_RedrawImage, "Form2.RedrawImage")
#undef MORVESSA_LOCATION
}  // namespace location

}  // namespace morvessa
