// The command-line tool's options, read and checked in-process: what each command line asks for,
// and which are refused and why.
#include "batch/BatchCommandLine.h"
#include "batch/BatchRuns.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace morvessa::batch {
namespace {

class BatchCommandLineTest : public ::testing::Test {
protected:
    // Parses `arguments` (without the program name); the refusals are collected in `refusals_`.
    std::optional<BatchOptions> Parse(QStringList arguments)
    {
        arguments.prepend(QStringLiteral("morvessa-batch"));
        BatchCommandLine commandLine([this](const QString& text) { refusals_.append(text); });
        return commandLine.Parse(arguments, exitStatus_);
    }

    QString MakeFile(const QString& name)
    {
        const QString path = folder_.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        return path;
    }

    QTemporaryDir folder_;
    QStringList refusals_;
    int exitStatus_ = -1;
};

TEST_F(BatchCommandLineTest, OneCalendarTakesWhatTheCommandLineAsks)
{
    const QString settings = MakeFile(QStringLiteral("mine.ini"));
    const auto options = Parse({"--year", "1850", "--out", "c.xls", "--month", " 7 ", "--snapshot", "s.bmp",
                                "--settings", settings, "--paper", "letter", "--keep-going", "--week-numbers",
                                "--country", "GB", "--country", "DE"});
    ASSERT_TRUE(options) << refusals_.join('\n').toStdString();
    EXPECT_TRUE(refusals_.isEmpty());
    EXPECT_EQ(options->year.Number(), 1900);  // clamped as the year box does
    EXPECT_EQ(options->month, 7);
    EXPECT_EQ(options->outPath, "c.xls");
    EXPECT_EQ(options->snapshotPath, "s.bmp");
    EXPECT_EQ(options->settingsPath, QFileInfo(settings).absoluteFilePath());
    EXPECT_EQ(options->paper, Paper::Letter);
    EXPECT_TRUE(options->keepGoing);
    EXPECT_TRUE(options->weekNumbers);
    EXPECT_EQ(options->countries, QStringList({"GB", "DE"}));
    EXPECT_TRUE(options->workbookWanted);
    EXPECT_TRUE(options->pdfPath.isEmpty());
    EXPECT_TRUE(options->outDir.isEmpty());

    // --first-month gives the year and the first month; the same year twice is no conflict.
    const auto september = Parse({"--first-month", "2026-09", "--year", "2026", "--out", "c.xls"});
    ASSERT_TRUE(september);
    EXPECT_EQ(september->year.Number(), 2026);
    EXPECT_EQ(september->firstMonth, 9);
}

TEST_F(BatchCommandLineTest, AnOutNamingAPdfWritesOnlyThePdf)
{
    const auto pdfOnly = Parse({"--year", "2025", "--out", "cal.PDF", "--months", "3-5"});
    ASSERT_TRUE(pdfOnly);
    EXPECT_FALSE(pdfOnly->workbookWanted);
    EXPECT_EQ(pdfOnly->pdfPath, "cal.PDF");
    ASSERT_TRUE(pdfOnly->pdfMonths);
    EXPECT_EQ(pdfOnly->pdfMonths->first, 3);
    EXPECT_EQ(pdfOnly->pdfMonths->last, 5);

    const auto beside = Parse({"--year", "2025", "--out", "cal.xls", "--pdf", "cal.pdf"});
    ASSERT_TRUE(beside);
    EXPECT_TRUE(beside->workbookWanted);
    EXPECT_EQ(beside->pdfPath, "cal.pdf");
}

TEST_F(BatchCommandLineTest, RefusedCommandLinesSayWhyAndGiveStatusTwo)
{
    const QString settings = MakeFile(QStringLiteral("a.ini"));
    const struct {
        QStringList arguments;
        const char* refusal;
    } cases[] = {
        {{"--year", "2024"}, "--year (or --first-month) and --out are required"},
        {{"--year", "x", "--out", "c.xls"}, "You must enter a valid year."},
        {{"--year", "2024", "--out", "c.xls", "--month", "13"},
         "--month must be a whole number from 1 to 12"},
        {{"--year", "2024", "--out", folder_.path()}, "--out must name a file"},
        {{"--years", "2020-2021", "--out", "c.xls"},
         "--years writes many calendars: give --out-dir instead of --out"},
        {{"--year", "2024", "--first-month", "2025-01", "--out", "c.xls"},
         "--year 2024 and --first-month 2025-01 name different years"},
        {{"--first-month", "2025-13", "--out", "c.xls"},
         "--first-month must be a year and a month such as 2026-09"},
        {{"--year", "2024", "--out", "c.xls", "--week-start", "tue"},
         "--week-start must be sun, mon, sat or locale"},
        {{"--year", "2024", "--out", "c.xls", "--paper", "a5"}, "--paper must be a4, letter, legal or a3"},
        {{"--year", "2024", "--out", "c.xls", "--settings", folder_.filePath("typo.ini")},
         "settings file '%1' does not exist (an empty file gives the defaults)"},
        {{"--year", "2024", "--out", "c.xls", "--settings", settings, "--settings", settings},
         "several --settings files make several calendars: give --out-dir"},
        {{"--year", "2024", "--out", "c.xls", "--months", "3-5"},
         "--months picks the PDF's months: give --pdf or an --out ending in .pdf"},
        {{"--year", "2024", "--out", "c.xls", "--pdf", "c.xls"}, "--pdf and --out name the same file"},
        {{"--year", "2024", "--out", "c.pdf", "--pdf", "d.pdf"},
         "--out already names a PDF; --pdf goes beside a workbook"},
        {{"--year", "2024", "--out", "c.pdf", "--months", "5-13"},
         "--months must be FIRST-LAST or one month, each 1..12, such as 3-5"},
        {{"--year", "2024", "--out", "c.xls", "stray"}, "unexpected argument 'stray'"},
    };
    for (const auto& each : cases) {
        refusals_.clear();
        exitStatus_ = -1;
        const QString expected = QString::fromUtf8(each.refusal).arg(folder_.filePath("typo.ini"));
        EXPECT_FALSE(Parse(each.arguments)) << each.arguments.join(' ').toStdString();
        EXPECT_EQ(exitStatus_, kExitUsage) << each.arguments.join(' ').toStdString();
        EXPECT_EQ(refusals_, QStringList{expected}) << each.arguments.join(' ').toStdString();
    }
}

TEST_F(BatchCommandLineTest, ManyCalendarsTakeEveryYearForEverySettingsFile)
{
    const QString first = MakeFile(QStringLiteral("home.ini"));
    const QString second = MakeFile(QStringLiteral("office.ini"));
    const QString outDir = folder_.filePath(QStringLiteral("out"));
    const auto options =
        Parse({"--out-dir", outDir, "--years", "2099-2102", "--settings", first, "--settings", second});
    ASSERT_TRUE(options) << refusals_.join('\n').toStdString();
    EXPECT_EQ(options->years, (std::vector<int>{2099, 2100}));  // clamped as the year box does
    EXPECT_EQ(options->settingsPaths, QStringList({first, second}));
    EXPECT_EQ(ManyWorkbookPath(*options, second, 2100), QDir(outDir).filePath("office-2100.xls"));

    const auto one = Parse({"--out-dir", outDir, "--year", "2030"});
    ASSERT_TRUE(one);
    EXPECT_EQ(one->years, std::vector<int>{2030});
    EXPECT_EQ(ManyWorkbookPath(*one, QString(), 2030), QDir(outDir).filePath("2030.xls"));

    // Two files of the same name would write the same workbooks.
    QDir(folder_.path()).mkdir(QStringLiteral("other"));
    const QString twin = MakeFile(QStringLiteral("other/home.ini"));
    EXPECT_FALSE(Parse({"--out-dir", outDir, "--year", "2030", "--settings", first, "--settings", twin}));
    EXPECT_EQ(refusals_.value(0),
              "two settings files are named 'home'; their calendars would have the same names");
    refusals_.clear();
    EXPECT_FALSE(Parse({"--out-dir", outDir, "--years", "2030-2031", "--snapshot", "s.bmp"}));
    EXPECT_EQ(refusals_.value(0),
              "--out-dir writes many calendars: it is not used with --out, --snapshot, --pdf or --months");
}

TEST(BatchMonthRange, MonthsBecomeSheetsInTheCalendarsOwnOrder)
{
    ASSERT_TRUE(ParseMonthRange(" 7 "));
    EXPECT_EQ(ParseMonthRange("7")->last, 7);
    EXPECT_FALSE(ParseMonthRange("0"));
    EXPECT_FALSE(ParseMonthRange("3-"));
    EXPECT_FALSE(ParseMonthRange("1-2-3"));

    // A calendar from September: December to January are its 4th and 5th sheets.
    const auto winter = SheetsOfMonths(*ParseMonthRange("12-1"), 9);
    ASSERT_TRUE(winter);
    EXPECT_EQ(winter->first, 4);
    EXPECT_EQ(winter->last, 5);
    EXPECT_FALSE(SheetsOfMonths(*ParseMonthRange("12-1"), 1));  // backwards from January
    EXPECT_TRUE(NamesPdf("x.Pdf"));
    EXPECT_FALSE(NamesPdf("x.pdf.xls"));
}

TEST_F(BatchCommandLineTest, OutputsNeverNameAnInputAControlCharacterOrUnforcedAReadOnlyFile)
{
    const QString settings = MakeFile(QStringLiteral("s.ini"));
    const QString feed = MakeFile(QStringLiteral("feed.ics"));
    const QString alias = folder_.filePath(QStringLiteral("alias.ini"));
    ASSERT_TRUE(QFile::link(settings, alias));
    const QString other = folder_.filePath(QStringLiteral("cal.xls"));
    const struct {
        QStringList arguments;
        const char* refusal;
    } refused[] = {
        // The settings or a feed would be overwritten by the workbook, whatever spelling names them.
        {{"--year", "2025", "--settings", settings, "--out", settings}, "which this run reads"},
        {{"--year", "2025", "--settings", alias, "--out", folder_.path() + "/./s.ini"}, "which this run reads"},
        {{"--year", "2025", "--ics", feed, "--out", other, "--pdf", feed}, "which this run reads"},
        {{"--year", "2025", "--settings", settings, "--out", other, "--snapshot", alias}, "which this run reads"},
        // A newline pasted at the end once wrote an .xls named with it.
        {{"--year", "2025", "--out", folder_.filePath(QStringLiteral("cal.pdf\n"))}, "holds a control character"},
    };
    for (const auto& [arguments, refusal] : refused) {
        SCOPED_TRACE(arguments.join(u' ').toStdString());
        EXPECT_FALSE(Parse(arguments));
        EXPECT_EQ(exitStatus_, kExitUsage);
        ASSERT_FALSE(refusals_.isEmpty());
        EXPECT_TRUE(refusals_.back().contains(QLatin1String(refusal))) << refusals_.back().toStdString();
    }

    const QString kept = MakeFile(QStringLiteral("kept.xls"));
    ASSERT_TRUE(QFile::setPermissions(kept, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    EXPECT_FALSE(Parse({"--year", "2025", "--out", kept}));
    EXPECT_TRUE(refusals_.back().contains(QStringLiteral("is read-only; give --force")));
    EXPECT_TRUE(Parse({"--year", "2025", "--out", kept, "--force"}));

    // What reaches the terminal is escaped: an ESC in an argument would command it.
    EXPECT_EQ(EscapeControlCharacters(QStringLiteral("de\x1b[2J\tcal.pdf\n")),
              QStringLiteral("de\\x1b[2J\\tcal.pdf\\n"));
}

}  // namespace
}  // namespace morvessa::batch
