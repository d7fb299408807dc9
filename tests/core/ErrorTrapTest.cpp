#include "core/ErrorTrap.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace morvessa {
namespace {

// Locations as the windows and modules declare them.
MORVESSA_LOCATION(kStartClick, "Form1.PushButton1_Click")
MORVESSA_LOCATION(kRedraw, "Form2.RedrawImage")
MORVESSA_LOCATION(kMainLoad, "Form1.Form_Load")
MORVESSA_LOCATION(kGenerate, "Calendar.GenerateCalendar")
MORVESSA_LOCATION(kPreviewLoad, "Form2.Form_Load")

TEST(ErrorReportText, HasTheFixedShape)
{
    EXPECT_EQ(ErrorReportText("Type mismatch", kStartClick, 102),
              "Type mismatch\r\nin Quorvant2021/08/31.Form1.PushButton1_Click at line 102\r\r"
              "Please email screenshot of this message to support@morvessa.app");
}

TEST(ErrorReportText, DescriptionEndingInALineBreakStillGetsItsOwn)
{
    const std::string text = ErrorReportText("Oops\r\n", kRedraw, 100);
    EXPECT_EQ(text.substr(0, 8), "Oops\r\n\r\n");
}

TEST(ErrorTrap, ReportsEachFailingStepInOrderAndGoesOn)
{
    RecordingErrorReporter recorder;
    ErrorTrap trap(kMainLoad, &recorder);
    std::vector<int> ran;
    trap.Step(160, [&] { ran.push_back(160); });
    trap.Step(162, [&] { throw std::runtime_error("No Saved Value"); });
    trap.Step(164, [&] { ran.push_back(164); });
    trap.Step(166, [&] { throw std::out_of_range("Subscript out of range"); });
    trap.Step(168, [&] { throw 42; });

    EXPECT_EQ(ran, (std::vector<int>{160, 164}));
    ASSERT_EQ(recorder.messages.size(), 3u);
    EXPECT_NE(recorder.messages[0].find("Form1.Form_Load at line 162\r\r"), std::string::npos);
    EXPECT_EQ(recorder.messages[0].rfind("No Saved Value\r\n", 0), 0u);
    EXPECT_NE(recorder.messages[1].find("at line 166"), std::string::npos);
    EXPECT_NE(recorder.messages[2].find("at line 168"), std::string::npos);
    EXPECT_EQ(trap.failures(), 3);
}

TEST(ErrorTrap, FailureDeepInsideACalleeIsReportedWithTheCallersStep)
{
    RecordingErrorReporter recorder;
    ErrorTrap trap(kGenerate, &recorder);
    auto untrappedCallee = [](int depth) {
        if (depth > 0)
            throw std::runtime_error("Unable to set the ColorIndex property of the Interior class");
    };
    bool reachedAfterThrow = false;
    trap.Step(152, [&] {
        untrappedCallee(1);
        reachedAfterThrow = true;
    });
    EXPECT_FALSE(reachedAfterThrow);
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_NE(recorder.messages[0].find("Calendar.GenerateCalendar at line 152"), std::string::npos);
}

TEST(ErrorTrap, UsesTheProcessReporterWhenNoneIsGiven)
{
    RecordingErrorReporter recorder;
    {
        ScopedErrorReporter scope(recorder);
        ErrorTrap trap(kPreviewLoad);
        trap.Fail(100, "File not found");
    }
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(&CurrentErrorReporter() == &recorder, false);
}

}  // namespace
}  // namespace morvessa
