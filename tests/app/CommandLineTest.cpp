#include "app/CommandLine.h"

#include <gtest/gtest.h>

namespace morvessa {
namespace {

TEST(CommandLine, VersionAndHelpAreAnsweredWithoutAWindow)
{
    const auto version = AnswerCommandLine({"morvessa", "--version"}, "1.2.3");
    ASSERT_TRUE(version.has_value());
    EXPECT_EQ(version->exitStatus, 0);
    // The holiday data's source and version follow the program's.
    EXPECT_EQ(version->out.rfind("morvessa 1.2.3\nHoliday data: date-holidays 3.", 0), 0u) << version->out;
    EXPECT_EQ(AnswerCommandLine({"morvessa", "-v"}, "1.2.3")->out, version->out);

    for (const char* help : {"--help", "-h"}) {
        const auto answer = AnswerCommandLine({"morvessa", "-platform", "offscreen", help}, "1.2.3");
        ASSERT_TRUE(answer.has_value()) << help;
        EXPECT_EQ(answer->out.rfind("Usage: morvessa", 0), 0u);
        EXPECT_NE(answer->out.find("--version"), std::string::npos);
    }
}

TEST(CommandLine, AnythingElseStartsTheWindow)
{
    EXPECT_FALSE(AnswerCommandLine({"morvessa"}, "1.2.3").has_value());
    // Qt's own options are QApplication's to read.
    EXPECT_FALSE(AnswerCommandLine({"morvessa", "-platform", "offscreen", "-style", "fusion"}, "1.2.3"));
}

}  // namespace
}  // namespace morvessa
