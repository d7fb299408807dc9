#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <map>

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
    EXPECT_FALSE(AnswerCommandLine({"morvessa", "-platform", "offscreen", "-style=fusion", "-reverse"}, "1.2.3"));
}

TEST(CommandLine, UnknownOptionsAndAMissingDisplayAreSaidNotIgnoredOrAborted)
{
    const auto unknown = AnswerCommandLine({"morvessa", "--year", "2025"}, "1.2.3");
    ASSERT_TRUE(unknown.has_value());
    EXPECT_EQ(unknown->exitStatus, 2);
    EXPECT_EQ(unknown->err, "morvessa: unknown option '--year'\nTry 'morvessa --help'.\n");
    // The help names what the program makes today, not only the old workbook.
    const std::string help = AnswerCommandLine({"morvessa", "--help"}, "1.2.3")->out;
    for (const char* made : {".xlsx", "PDF", "print", ".ics"})
        EXPECT_NE(help.find(made), std::string::npos) << made;

    std::map<std::string, std::string> variables;
    const auto environment = [&](const char* name) { return variables[name]; };
    const auto none = AnswerWithoutDisplay({"morvessa"}, environment);
    ASSERT_TRUE(none.has_value());
    EXPECT_EQ(none->exitStatus, 1);
    EXPECT_NE(none->err.find("no display was found"), std::string::npos);
    EXPECT_NE(none->err.find("morvessa-batch"), std::string::npos);
    EXPECT_FALSE(AnswerWithoutDisplay({"morvessa", "-platform", "offscreen"}, environment));
    variables["DISPLAY"] = ":0";
    EXPECT_FALSE(AnswerWithoutDisplay({"morvessa"}, environment));
}

}  // namespace
}  // namespace morvessa
