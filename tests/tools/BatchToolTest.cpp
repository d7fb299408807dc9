// morvessa-batch as a script runs it: its own process, no display, a settings file of its own.

#include "calendar/CalendarTestSupport.h"
#include "calendar/XlsChecker.h"
#include "spreadsheet/Workbook.h"
#include "spreadsheet/xls/XlsFile.h"
#include "support/PdfTools.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>

#include <cstdlib>

namespace morvessa::calendar_test {
namespace {

const QString kBatchTool = QStringLiteral(MORVESSA_BINARY_DIR "/bin/morvessa-batch");

struct RunResult {
    int exitCode = -1;
    QString out;
    QString err;
};

class BatchToolTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!QFileInfo(kBatchTool).isExecutable())
            GTEST_SKIP() << "morvessa-batch is not built";
        ASSERT_TRUE(folder_.isValid());
        for (const char* sub : {"temp", "config", "home", "runtime"})
            ASSERT_TRUE(QDir(folder_.path()).mkpath(QString::fromLatin1(sub)));
        QFile settings(Path("settings.ini"));
        ASSERT_TRUE(settings.open(QIODevice::WriteOnly));  // empty: the first-run defaults
    }

    QString Path(const char* name) const { return folder_.filePath(QString::fromLatin1(name)); }
    QString Path(const QString& name) const { return folder_.filePath(name); }

    // The tool with a home, configuration folder and TEMP of this test, and no display at all;
    // without a runtime folder as under cron or a root shell when `withRuntimeDir` is false.
    RunResult Run(const QStringList& arguments, bool withRuntimeDir = true,
                  const QStringList& extraEnvironment = {}) const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        // The English texts these tests read, whatever language the machine speaks.
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        environment.remove(QStringLiteral("LANGUAGE"));
        for (const QString& variable : extraEnvironment)
            environment.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
        environment.insert(QStringLiteral("TEMP"), Path("temp"));
        environment.insert(QStringLiteral("HOME"), Path("home"));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), Path("config"));
        if (withRuntimeDir)
            environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), Path("runtime"));
        else
            environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        QProcess tool;
        tool.setProcessEnvironment(environment);
        tool.start(kBatchTool, arguments);
        RunResult result;
        if (!tool.waitForFinished(60000))
            return result;
        result.exitCode = tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
        result.out = QString::fromUtf8(tool.readAllStandardOutput());
        result.err = QString::fromUtf8(tool.readAllStandardError());
        return result;
    }

    QStringList FilesIn(const char* sub) const
    {
        return QDir(Path(sub)).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    }

private:
    QTemporaryDir folder_;
};

TEST_F(BatchToolTest, WritesTheWorkbookAndSnapshotAndCleansUp)
{
    const RunResult run = Run({"--year", "2025", "--out", Path("calendar.xls"), "--settings",
                               Path("settings.ini"), "--month", "7", "--snapshot", Path("july.bmp")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(CalendarFileMatches(Path("calendar.xls"), 2025, 7));
    QFile snapshot(Path("july.bmp"));
    ASSERT_TRUE(snapshot.open(QIODevice::ReadOnly));
    EXPECT_EQ(snapshot.read(2), QByteArray("BM"));
    // No temporary workbook or picture left; the user's own settings never created.
    EXPECT_TRUE(FilesIn("temp").isEmpty()) << FilesIn("temp").join(' ').toStdString();
    EXPECT_TRUE(FilesIn("config").isEmpty()) << FilesIn("config").join(' ').toStdString();
    // The given file received the first-run defaults.
    QFile settings(Path("settings.ini"));
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    EXPECT_TRUE(settings.readAll().contains("FixedHolidaysCount=7"));
}

// A run that writes only workbooks or an .ics file loads neither Qt GUI nor a font library (the
// dynamic loader names every library it loads); a run that draws loads them and writes its PDF, and
// one whose names must be measured loads them midway and writes what a drawing run writes.
TEST_F(BatchToolTest, OnlyARunThatDrawsOrMeasuresLoadsTheGuiAndFonts)
{
    const QStringList settings{"--settings", Path("settings.ini")};
    const auto loadsGui = [&](const QStringList& arguments, const QString& locale = QStringLiteral("C.UTF-8")) {
        const RunResult run = Run(arguments + settings, true, {QStringLiteral("LD_DEBUG=files"), "LC_ALL=" + locale});
        EXPECT_EQ(run.exitCode, 0) << arguments.join(' ').toStdString();
        QStringList found;
        for (const char* library : {"libQt6Gui.so", "libfontconfig.so", "libfreetype.so"}) {
            if (run.err.contains(QStringLiteral("file=") + QLatin1String(library)))
                found.append(QLatin1String(library));
        }
        return found;
    };
    EXPECT_EQ(loadsGui({"--year", "2024", "--out", Path("plain.xls")}), QStringList());
    EXPECT_EQ(loadsGui({"--year", "2024", "--out", Path("plain.xlsx")}), QStringList());
    EXPECT_EQ(loadsGui({"--years", "2030-2031", "--out-dir", Path("many")}), QStringList());
    EXPECT_EQ(loadsGui({"--year", "2024", "--export-ics", Path("holidays.ics")}), QStringList());
    EXPECT_EQ(loadsGui({"--year", "2024", "--out", Path("german.xls")}, QStringLiteral("de_DE.UTF-8")), QStringList());

    EXPECT_TRUE(loadsGui({"--year", "2024", "--out", Path("drawn.xls"), "--pdf", Path("drawn.pdf")})
                    .contains(QLatin1String("libQt6Gui.so")));
    QFile pdf(Path("drawn.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_EQ(pdf.read(5), QByteArray("%PDF-"));
    const auto bytes = [&](const char* name) {
        QFile file(Path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    EXPECT_EQ(bytes("drawn.xls"), bytes("plain.xls"));

    // Names too long to vouch for are measured: the same workbook as a run that draws from the start.
    loadsGui({"--country", "AR", "--year", "2027", "--out", Path("measured.xls")});
    loadsGui({"--country", "AR", "--year", "2027", "--out", Path("snapshot.xls"), "--snapshot", Path("s.bmp")});
    EXPECT_FALSE(bytes("measured.xls").isEmpty());
    EXPECT_EQ(bytes("measured.xls"), bytes("snapshot.xls"));
}

TEST_F(BatchToolTest, OutEndingInXlsxWritesAnExcelWorkbookOfTheSameCalendar)
{
    const QStringList common{"--year", "2026", "--settings", Path("settings.ini"), "--month", "3"};
    ASSERT_EQ(Run(QStringList{"--out", Path("calendar.xls")} + common).exitCode, 0);
    const RunResult run = Run(QStringList{"--out", Path("calendar.XLSX")} + common);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QFile xlsx(Path("calendar.XLSX"));
    ASSERT_TRUE(xlsx.open(QIODevice::ReadOnly));
    EXPECT_EQ(xlsx.read(2), QByteArray("PK"));
    xlsx.close();
    if (std::system("/usr/bin/python3 -c 'import xlrd, openpyxl' 2>/dev/null") == 0) {
        EXPECT_TRUE(XlsxReadsLikeXls(Path("calendar.xls"), Path("calendar.XLSX")));
    }
    EXPECT_TRUE(FilesIn("temp").isEmpty()) << FilesIn("temp").join(' ').toStdString();

    // A folder that is not there: reported, status 1, nothing written.
    const RunResult missing = Run(QStringList{"--out", Path("no such folder/calendar.xlsx")} + common);
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("calendar.xlsx"))) << missing.err.toStdString();
    EXPECT_FALSE(QFile::exists(Path("no such folder")));
}

TEST_F(BatchToolTest, AnOutEndingInPdfWritesTheChosenMonthsOnTheChosenPaper)
{
    if (!test::PdfToolsPresent())
        GTEST_SKIP() << "the poppler utilities are not installed";
    const RunResult run = Run({"--year", "2100", "--out", Path("calendar.PDF"), "--settings",
                               Path("settings.ini"), "--paper", "letter", "--months", "3-5"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString pdf = Path("calendar.PDF");
    ASSERT_EQ(test::PdfPageCount(pdf), 3);
    for (const QSizeF& size : test::PdfPageSizes(pdf)) {  // US Letter, landscape, in points
        EXPECT_NEAR(size.width(), 792, 0.5);
        EXPECT_NEAR(size.height(), 612, 0.5);
    }
    EXPECT_TRUE(test::PdfPageText(pdf, 1).contains(QStringLiteral("March 2100")));
    EXPECT_TRUE(test::PdfPageText(pdf, 3).contains(QStringLiteral("May 2100")));
    // Only the PDF: no workbook beside it, nothing left in TEMP, the paper not stored.
    EXPECT_EQ(QDir(Path("")).entryList({QStringLiteral("*.xls*")}, QDir::Files), QStringList());
    EXPECT_TRUE(FilesIn("temp").isEmpty()) << FilesIn("temp").join(' ').toStdString();
    QFile settings(Path("settings.ini"));
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    EXPECT_FALSE(settings.readAll().contains("PaperSize"));
}

TEST_F(BatchToolTest, APdfBesideTheWorkbookSharesItsPaper)
{
    if (!test::PdfToolsPresent())
        GTEST_SKIP() << "the poppler utilities are not installed";
    const RunResult run = Run({"--year", "2024", "--out", Path("calendar.xls"), "--pdf", Path("calendar.pdf"),
                               "--settings", Path("settings.ini"), "--paper", "A3"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(test::PdfPageCount(Path("calendar.pdf")), 12);
    for (const QSizeF& size : test::PdfPageSizes(Path("calendar.pdf"))) {  // A3 landscape: 420 x 297 mm
        EXPECT_NEAR(size.width(), 1190.55, 0.5);
        EXPECT_NEAR(size.height(), 841.89, 0.5);
    }
    EXPECT_TRUE(test::PdfPageText(Path("calendar.pdf"), 12).contains(QStringLiteral("December 2024")));
    const auto book = sheet::xls::OpenWorkbook(Path("calendar.xls").toStdString());
    ASSERT_EQ(book->SheetCount(), 12);
    for (int month = 1; month <= 12; ++month) {
        EXPECT_EQ(book->Sheet(month).Layout().paperSize, sheet::xlPaperA3) << month;
        EXPECT_TRUE(book->Sheet(month).Layout().landscape) << month;
    }
}

// --months names calendar months; in a calendar from September they run over the year's end.
TEST_F(BatchToolTest, PdfMonthsFollowTheCalendarsOwnOrder)
{
    if (!test::PdfToolsPresent())
        GTEST_SKIP() << "the poppler utilities are not installed";
    const QStringList common{"--first-month", "2026-09", "--settings", Path("settings.ini")};
    const RunResult run = Run(common + QStringList{"--out", Path("winter.pdf"), "--months", "11-2"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    ASSERT_EQ(test::PdfPageCount(Path("winter.pdf")), 4);
    EXPECT_TRUE(test::PdfPageText(Path("winter.pdf"), 1).contains(QStringLiteral("November 2026")));
    EXPECT_TRUE(test::PdfPageText(Path("winter.pdf"), 4).contains(QStringLiteral("February 2027")));

    // March to October would run backwards from March 2027 to October 2026.
    const RunResult backwards = Run(common + QStringList{"--out", Path("back.pdf"), "--months", "3-10"});
    EXPECT_EQ(backwards.exitCode, 2);
    EXPECT_TRUE(backwards.err.contains(QStringLiteral("backwards"))) << backwards.err.toStdString();
    EXPECT_FALSE(QFile::exists(Path("back.pdf")));
    EXPECT_TRUE(FilesIn("temp").isEmpty()) << FilesIn("temp").join(' ').toStdString();
}

// --layout adds the year page first or keeps it alone; --orientation stands every page upright;
// --weekend-color fills the weekends.
TEST_F(BatchToolTest, LayoutAndOrientationChooseThePages)
{
    if (!test::PdfToolsPresent())
        GTEST_SKIP() << "the poppler utilities are not installed";
    const QStringList common{"--year", "2027", "--settings", Path("settings.ini")};
    ASSERT_EQ(Run(common + QStringList{"--out", Path("year.pdf"), "--layout", "year"}).exitCode, 0);
    ASSERT_EQ(test::PdfPageCount(Path("year.pdf")), 1);
    const QString year = test::PdfPageText(Path("year.pdf"), 1);
    for (const char* word : {"2027", "January", "June", "December", "Independence Day", "Thanksgiving"})
        EXPECT_TRUE(year.contains(QString::fromLatin1(word))) << word;

    ASSERT_EQ(Run(common + QStringList{"--out", Path("both.pdf"), "--layout", "both", "--orientation", "portrait",
                                       "--months", "2-3"})
                  .exitCode,
              0);
    ASSERT_EQ(test::PdfPageCount(Path("both.pdf")), 2);
    EXPECT_TRUE(test::PdfPageText(Path("both.pdf"), 1).contains(QStringLiteral("February 2027")));
    for (const QSizeF& size : test::PdfPageSizes(Path("both.pdf")))
        EXPECT_LT(size.width(), size.height());
    ASSERT_EQ(Run(common + QStringList{"--out", Path("all.pdf"), "--layout", "both"}).exitCode, 0);
    EXPECT_EQ(test::PdfPageCount(Path("all.pdf")), 13);

    // The legend's words in the calendar's language, the weekend among them when it has a colour.
    ASSERT_EQ(Run(common + QStringList{"--out", Path("de.pdf"), "--layout", "year", "--language", "de",
                                       "--weekend-color", "22"})
                  .exitCode,
              0);
    const QString german = test::PdfPageText(Path("de.pdf"), 1);
    for (const char* word : {"Feiertage", "Wochenende", "Dezember"})
        EXPECT_TRUE(german.contains(QString::fromUtf8(word))) << word;

    for (const QStringList& bad : {QStringList{"--layout", "weeks"}, QStringList{"--orientation", "upright"},
                                   QStringList{"--weekend-color", "57"}, QStringList{"--weekend-color", "grey"}})
        EXPECT_EQ(Run(common + QStringList{"--out", Path("bad.pdf")} + bad).exitCode, 2);
}

TEST_F(BatchToolTest, PdfOptionsAreCheckedAndAnUnwritablePdfFails)
{
    const QStringList base = {"--year", "2024", "--settings", Path("settings.ini")};
    for (const QStringList& extra : {QStringList{"--out", Path("a.pdf"), "--paper", "b5"},
                                     QStringList{"--out", Path("a.pdf"), "--months", "0-3"},
                                     QStringList{"--out", Path("a.pdf"), "--months", "13"},
                                     QStringList{"--out", Path("a.pdf"), "--months", "may"},
                                     QStringList{"--out", Path("a.xls"), "--months", "2"},
                                     QStringList{"--out", Path("a.pdf"), "--pdf", Path("b.pdf")},
                                     QStringList{"--out", Path("a.xls"), "--pdf", Path("a.xls")},
                                     QStringList{"--out-dir", Path("many"), "--pdf", Path("b.pdf")}}) {
        const RunResult run = Run(base + extra);
        EXPECT_EQ(run.exitCode, 2) << extra.join(' ').toStdString();
    }
    EXPECT_TRUE(
        QDir(Path("")).entryList({QStringLiteral("*.pdf"), QStringLiteral("*.xls")}, QDir::Files).isEmpty());

    // A PDF in a folder that is not there: the reason, status 1, the workbook beside it still written.
    const RunResult run = Run(base + QStringList{"--out", Path("a.xls"), "--pdf", Path("missing/a.pdf")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("missing/a.pdf"))) << run.err.toStdString();
    EXPECT_TRUE(QFile::exists(Path("a.xls")));
    EXPECT_TRUE(FilesIn("temp").isEmpty()) << FilesIn("temp").join(' ').toStdString();

    // --paper also sets the page setup of many calendars.
    ASSERT_EQ(Run({"--years", "2030-2031", "--out-dir", Path("many"), "--settings", Path("settings.ini"),
                   "--paper", "legal"})
                  .exitCode,
              0);
    for (const char* name : {"many/2030.xls", "many/2031.xls"}) {
        const auto book = sheet::xls::OpenWorkbook(Path(name).toStdString());
        EXPECT_EQ(book->Sheet(1).Layout().paperSize, sheet::xlPaperLegal) << name;
    }
}

class FailingBatchRunTest : public BatchToolTest {
protected:
    void SetUp() override
    {
        BatchToolTest::SetUp();
        if (IsSkipped())
            return;
        for (const char* name : {"calendar.xls", "july.bmp"}) {
            QFile old(Path(name));
            ASSERT_TRUE(old.open(QIODevice::WriteOnly));
            old.write("old content");
        }
        QFile settings(Path("settings.ini"));
        ASSERT_TRUE(settings.open(QIODevice::WriteOnly | QIODevice::Truncate));
        // A hand-edited store whose one fixed holiday falls on 31 April.
        settings.write("[Morvessa]\nFixedHolidaysCount=1\n1Data=4|\n2Data=31|\n3Data=April Fool|\n"
                       "FloatingHolidaysCount=1\n4Data=11|\n5Data=5|\n6Data=4|\n7Data=Thanksgiving|\n");
    }

    RunResult RunFailing(QStringList extra = {}) const
    {
        return Run(QStringList{"--year", "2024", "--out", Path("calendar.xls"), "--settings",
                               Path("settings.ini"), "--snapshot", Path("july.bmp")} +
                   extra);
    }

    static void ExpectReportedFailure(const RunResult& run)
    {
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.err.contains(QStringLiteral("\"April Fool\""))) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("Calendar.GenerateCalendar at line 152")))
            << run.err.toStdString();
    }

    QByteArray Content(const char* name) const
    {
        QFile file(Path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

// A run with a failed step keeps the files of an earlier run: a script that overlooks the exit
// status still has the last good calendar.
TEST_F(FailingBatchRunTest, AFailedRunLeavesExistingFilesAsTheyWere)
{
    const RunResult run = RunFailing();
    ExpectReportedFailure(run);
    EXPECT_TRUE(run.err.contains(QStringLiteral("no file was written"))) << run.err.toStdString();
    EXPECT_EQ(Content("calendar.xls"), QByteArray("old content"));
    EXPECT_EQ(Content("july.bmp"), QByteArray("old content"));
    EXPECT_TRUE(FilesIn("temp").isEmpty()) << FilesIn("temp").join(' ').toStdString();
}

TEST_F(FailingBatchRunTest, KeepGoingWritesEverythingElseAndStillSaysItFailed)
{
    const RunResult run = RunFailing({"--keep-going"});
    ExpectReportedFailure(run);
    const QString json = Path("settings.json");
    QFile jsonFile(json);
    ASSERT_TRUE(jsonFile.open(QIODevice::WriteOnly));
    jsonFile.write(R"({"fixed": [[4, 31, "April Fool"]], "floating": [[11, 5, 4, "Thanksgiving"]]})");
    jsonFile.close();
    EXPECT_TRUE(CalendarFileMatches(Path("calendar.xls"), 2024, 1, json));
    EXPECT_EQ(Content("july.bmp").left(2), QByteArray("BM"));
    EXPECT_TRUE(FilesIn("temp").isEmpty());
}

// A run with a failed step writes no PDF either.
TEST_F(FailingBatchRunTest, AFailedRunWritesNoPdf)
{
    const RunResult run = RunFailing({"--pdf", Path("calendar.pdf")});
    ExpectReportedFailure(run);
    EXPECT_FALSE(QFile::exists(Path("calendar.pdf")));
    EXPECT_EQ(Content("calendar.xls"), QByteArray("old content"));
}

TEST_F(BatchToolTest, CountryAndIcsHolidaysAreForThatRunOnly)
{
    QFile ics(Path("exam.ics"));
    ASSERT_TRUE(ics.open(QIODevice::WriteOnly));
    ics.write(
        "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nDTSTART;VALUE=DATE:20261222\r\nSUMMARY:Exam\r\nEND:VEVENT\r\n"
        "END:VCALENDAR\r\n");
    ics.close();
    const RunResult run =
        Run({"--year", "2026", "--out", Path("calendar.xls"), "--settings", Path("settings.ini"), "--country",
             "gb", "--ics", Path("exam.ics"), "--english-names"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("Added the public holidays of United Kingdom (GB).")))
        << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("exam.ics: Imported the calendar \"exam.ics\" with 1 event.")))
        << run.out.toStdString();

    sheet::Application app;
    app.Workbooks().Open(Path("calendar.xls").toStdString());
    sheet::Worksheet& december = app.Sheets()("December");
    // Boxing Day 2026 falls on a Saturday and is observed on Monday the 28th (band 5, Monday: I43),
    // named with the holiday data's own word.
    EXPECT_EQ(ValueAt(december, "I41"), sheet::CellValue(28));
    EXPECT_EQ(ValueAt(december, "I43"), sheet::CellValue("Boxing Day (substitute day)"));
    // 22 December 2026, a Tuesday in band 4: Q35.
    EXPECT_EQ(ValueAt(december, "Q33"), sheet::CellValue(22));
    EXPECT_EQ(ValueAt(december, "Q35"), sheet::CellValue("Exam"));

    // The settings file holds only what a run without the options writes.
    QFile settings(Path("settings.ini"));
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    const QByteArray stored = settings.readAll();
    EXPECT_FALSE(stored.contains("RuleHolidays"));
    EXPECT_FALSE(stored.contains("WorldHolidaySources"));
    EXPECT_TRUE(FilesIn("temp").isEmpty());

    const RunResult unknown = Run({"--year", "2026", "--out", Path("x.xls"), "--country", "XX"});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(unknown.err.contains(QStringLiteral("\"XX\""))) << unknown.err.toStdString();
    const RunResult noFile = Run({"--year", "2026", "--out", Path("x.xls"), "--ics", Path("none.ics")});
    EXPECT_EQ(noFile.exitCode, 2);
    EXPECT_FALSE(QFileInfo::exists(Path("x.xls")));
}

TEST_F(BatchToolTest, ExportIcsWritesTheRunsHolidaysWithOrWithoutACalendar)
{
    QFile ics(Path("exam.ics"));
    ASSERT_TRUE(ics.open(QIODevice::WriteOnly));
    ics.write("BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nUID:e\r\nDTSTART;VALUE=DATE:20261222\r\nSUMMARY:Exam\r\n"
              "END:VEVENT\r\nEND:VCALENDAR\r\n");
    ics.close();
    const RunResult alone = Run({"--years", "2026-2027", "--settings", Path("settings.ini"), "--country", "gb",
                                 "--ics", Path("exam.ics"), "--english-names", "--export-ics", Path("out.ics")});
    ASSERT_EQ(alone.exitCode, 0) << alone.err.toStdString();
    EXPECT_TRUE(alone.out.contains(QStringLiteral("holidays of 2026-2027 to "))) << alone.out.toStdString();
    QFile exported(Path("out.ics"));
    ASSERT_TRUE(exported.open(QIODevice::ReadOnly));
    const QByteArray text = exported.readAll();
    EXPECT_TRUE(text.contains("DTSTART;VALUE=DATE:20261228\r\nDTEND;VALUE=DATE:20261229\r\n"
                              "SUMMARY:Boxing Day (substitute day)\r\n"));
    EXPECT_TRUE(text.contains("DTSTART;VALUE=DATE:20261222\r\nDTEND;VALUE=DATE:20261223\r\nSUMMARY:Exam\r\n"));
    EXPECT_FALSE(QFileInfo::exists(Path("2026.xls")));

    const RunResult both = Run({"--year", "2026", "--out", Path("calendar.xls"), "--settings", Path("settings.ini"),
                                "--export-ics", Path("one.ics")});
    ASSERT_EQ(both.exitCode, 0) << both.err.toStdString();
    EXPECT_TRUE(QFileInfo(Path("calendar.xls")).isFile());
    EXPECT_TRUE(both.out.contains(QStringLiteral("holidays of 2026-2026 to "))) << both.out.toStdString();
    EXPECT_EQ(Run({"--export-ics", Path("x.ics")}).exitCode, 2) << "no year";
}

TEST_F(BatchToolTest, ManyCalendarsTakeTheRunHolidaysToo)
{
    const RunResult run = Run({"--years", "2025-2026", "--out-dir", Path("many"), "--settings",
                               Path("settings.ini"), "--country", "NZ", "--english-names"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    sheet::Application app;
    app.Workbooks().Open(Path("many/2026.xls").toStdString());
    // Anzac Day 2026 is a Saturday, observed on Monday the 27th (band 5, Monday: I43).
    sheet::Worksheet& april = app.Sheets()("April");
    EXPECT_EQ(ValueAt(april, "I41"), sheet::CellValue(27));
    EXPECT_EQ(ValueAt(april, "I43"), sheet::CellValue("ANZAC Day (substitute day)"));
    QFile settings(Path("settings.ini"));
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    EXPECT_FALSE(settings.readAll().contains("RuleHolidays"));
}

TEST_F(BatchToolTest, StatesRegionsAndKindsOfTheWorldHolidayData)
{
    const RunResult run = Run({"--year", "2026", "--out", Path("calendar.xls"), "--settings", Path("settings.ini"),
                               "--country", "DE-BY", "--country", "gb-sct", "--holiday-types", "public,bank"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("Added the public, bank holidays of Bayern, Germany (DE-BY).")))
        << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("(GB-SCT)."))) << run.out.toStdString();
    sheet::Application app;
    app.Workbooks().Open(Path("calendar.xls").toStdString());
    // 30 November 2026, St Andrew's Day of Scotland, is a Monday in band 5 (I43); 6 January, Epiphany
    // of Bavaria, a Tuesday in band 2 (Q19).
    EXPECT_EQ(ValueAt(app.Sheets()("November"), "I41"), sheet::CellValue(30));
    EXPECT_EQ(ValueAt(app.Sheets()("November"), "I43"), sheet::CellValue("St Andrew\u2019s Day"));
    EXPECT_EQ(ValueAt(app.Sheets()("January"), "Q17"), sheet::CellValue(6));
    EXPECT_EQ(ValueAt(app.Sheets()("January"), "Q19"), sheet::CellValue("Epiphany"));

    const RunResult badKind = Run({"--year", "2026", "--out", Path("x.xls"), "--country", "DE", "--holiday-types",
                                   "public,festive"});
    EXPECT_EQ(badKind.exitCode, 2);
    EXPECT_TRUE(badKind.err.contains(QStringLiteral("'festive'"))) << badKind.err.toStdString();
    const RunResult unknownState = Run({"--year", "2026", "--out", Path("x.xls"), "--country", "DE-XX"});
    EXPECT_EQ(unknownState.exitCode, 2);
    EXPECT_TRUE(unknownState.err.contains(QStringLiteral("--list-countries DE"))) << unknownState.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(Path("x.xls")));
}

TEST_F(BatchToolTest, ListsCountriesTheirStatesAndRegionsAndTheDataVersion)
{
    const RunResult countries = Run({"--list-countries"});
    ASSERT_EQ(countries.exitCode, 0) << countries.err.toStdString();
    EXPECT_GT(countries.out.count(u'\n'), 200);
    EXPECT_TRUE(countries.out.contains(QStringLiteral("\nDE\tGermany\n")));
    const RunResult states = Run({"--list-countries", "de"});
    ASSERT_EQ(states.exitCode, 0) << states.err.toStdString();
    EXPECT_TRUE(states.out.contains(QStringLiteral("DE-BY\tBayern\n"))) << states.out.toStdString();
    EXPECT_TRUE(states.out.contains(QStringLiteral("DE-BY-A\t"))) << states.out.toStdString();
    EXPECT_FALSE(states.out.contains(QStringLiteral("\nDE\t")));
    EXPECT_EQ(Run({"--list-countries", "XX"}).exitCode, 2);
    const RunResult version = Run({"--version"});
    EXPECT_TRUE(version.out.contains(QStringLiteral("\nHoliday data: date-holidays 3."))) << version.out.toStdString();
}

// Run from cron or a root shell there is no runtime folder; Qt's note about it is not the tool's.
TEST_F(BatchToolTest, PrintsNothingButItsOwnReports)
{
    const RunResult run =
        Run({"--year", "2024", "--out", Path("calendar.xls"), "--settings", Path("settings.ini")}, false);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, QString());
    EXPECT_EQ(run.out, QString());
}

TEST_F(BatchToolTest, RefusesBadArgumentsWithStatusTwo)
{
    const RunResult help = Run({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains(QStringLiteral("--year")));
    EXPECT_TRUE(help.out.contains(QStringLiteral("--snapshot")));

    EXPECT_EQ(Run({}).exitCode, 2);
    EXPECT_EQ(Run({"--year", "2024"}).exitCode, 2);
    const RunResult badYear = Run({"--year", "2021.5", "--out", Path("x.xls")});
    EXPECT_EQ(badYear.exitCode, 2);
    EXPECT_TRUE(badYear.err.contains(QStringLiteral("You must enter a valid year.")));
    EXPECT_EQ(Run({"--year", "2024", "--out", Path("x.xls"), "--month", "13"}).exitCode, 2);
    const RunResult missing = Run({"--year", "2024", "--out", Path("x.xls"), "--settings", Path("nope.ini")});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_FALSE(QFileInfo::exists(Path("nope.ini")));
    EXPECT_FALSE(QFileInfo::exists(Path("x.xls")));
    EXPECT_TRUE(FilesIn("config").isEmpty());
}

TEST_F(BatchToolTest, ManyCalendarsInOneRunForEveryYearAndSettingsFile)
{
    for (const char* name : {"home.ini", "office.ini"}) {
        QFile settings(Path(name));
        ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    }
    const RunResult run = Run({"--years", "2099-2100", "--out-dir", Path("out"), "--settings",
                               Path("home.ini"), "--settings", Path("office.ini"), "--month", "3"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(FilesIn("out"),
              QStringList({"home-2099.xls", "home-2100.xls", "office-2099.xls", "office-2100.xls"}));
    // Each is the whole calendar of its year, the same as one run writes.
    EXPECT_TRUE(CalendarFileMatches(Path("out/home-2099.xls"), 2099, 3));
    EXPECT_TRUE(CalendarFileMatches(Path("out/office-2100.xls"), 2100, 3));
    EXPECT_TRUE(FilesIn("temp").isEmpty()) << FilesIn("temp").join(' ').toStdString();

    // One settings source names the files by year alone.
    ASSERT_EQ(
        Run({"--years", "2025-2027", "--out-dir", Path("years"), "--settings", Path("home.ini")}).exitCode,
        0);
    EXPECT_EQ(FilesIn("years"), QStringList({"2025.xls", "2026.xls", "2027.xls"}));
    const RunResult single =
        Run({"--year", "2025", "--out", Path("single.xls"), "--settings", Path("home.ini")});
    ASSERT_EQ(single.exitCode, 0);
    QFile many(Path("years/2025.xls")), one(Path("single.xls"));
    ASSERT_TRUE(many.open(QIODevice::ReadOnly) && one.open(QIODevice::ReadOnly));
    EXPECT_TRUE(many.readAll() == one.readAll()) << "a many-calendar run writes the same workbook as one run";
}

TEST_F(BatchToolTest, ManyCalendarsRefuseMixedOrBackwardOptions)
{
    for (const QStringList& arguments :
         {QStringList{"--years", "2025-2030", "--out", Path("x.xls")},
          QStringList{"--years", "2030-2025", "--out-dir", Path("d")},
          QStringList{"--years", "2025-20x0", "--out-dir", Path("d")},
          QStringList{"--year", "2025", "--years", "2025-2026", "--out-dir", Path("d")},
          QStringList{"--years", "2025-2026", "--out-dir", Path("d"), "--snapshot", Path("s.bmp")},
          QStringList{"--year", "2025", "--out", Path("x.xls"), "--settings", Path("settings.ini"),
                      "--settings", Path("settings.ini")}}) {
        const RunResult run = Run(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_FALSE(run.err.isEmpty());
    }
    EXPECT_FALSE(QFileInfo::exists(Path("d")));
    EXPECT_FALSE(QFileInfo::exists(Path("x.xls")));
    // A folder that cannot be made is named escaped: an ESC in its name never reaches the terminal.
    const RunResult unmade = Run({"--years", "2025-2026", "--out-dir", Path("settings.ini") + "/\x1b[2J"});
    EXPECT_EQ(unmade.exitCode, 1);
    EXPECT_TRUE(unmade.err.contains(QStringLiteral("cannot make the folder"))) << unmade.err.toStdString();
    EXPECT_TRUE(unmade.err.contains(QStringLiteral("\\x1b[2J")) && !unmade.err.contains(QChar(0x1b)))
        << unmade.err.toStdString();
}

// What the reader finds in one month sheet: its name, title, first header and day-number cells.
struct MonthSheetView {
    std::string name;
    std::string title;
    std::string firstHeader;
    int firstDayColumn = 0;  // the column of day 1 in the first week row, 0 when not there
    double weekNumber = 0;   // the first week row's ISO week, 0 when the column is empty
};

MonthSheetView ViewOf(const sheet::Worksheet& ws)
{
    MonthSheetView view;
    view.name = ws.Name();
    const auto text = [&](int row, int column) {
        const sheet::Cell* cell = ws.FindCell(row, column);
        return cell && cell->value.IsText() ? cell->value.Text() : std::string();
    };
    view.title = text(1, 1);
    view.firstHeader = text(6, 1);
    for (int column = 1; column <= 49; column += 8) {
        const sheet::Cell* cell = ws.FindCell(9, column);
        if (cell && cell->value.IsNumber() && cell->value.Number() == 1.0)
            view.firstDayColumn = column;
    }
    if (const sheet::Cell* cell = ws.FindCell(9, 57); cell && cell->value.IsNumber())
        view.weekNumber = cell->value.Number();
    return view;
}

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A German school year from September, Monday first, with week numbers: every sheet is read back.
TEST_F(BatchToolTest, LanguageWeekStartFirstMonthAndWeekNumbersShapeTheWorkbook)
{
    const QStringList common{"--settings", Path("settings.ini")};
    ASSERT_EQ(Run(common + QStringList{"--year", "2026", "--out", Path("plain.xls")}).exitCode, 0);
    const QByteArray stored = FileBytes(Path("settings.ini"));
    ASSERT_FALSE(stored.isEmpty());

    const RunResult run =
        Run(common + QStringList{"--first-month", "2026-09", "--week-start", "mon", "--week-numbers",
                                 "--language", "de_DE", "--out", Path("school.xls"), "--month", "10"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const auto book = sheet::xls::OpenWorkbook(Path("school.xls").toStdString());
    ASSERT_EQ(book->SheetCount(), 12);
    const char* const names[] = {"September", "Oktober", "November", "Dezember", "Januar", "Februar",
                                 "März",      "April",   "Mai",      "Juni",     "Juli",   "August"};
    for (int index = 1; index <= 12; ++index) {
        const MonthSheetView view = ViewOf(book->Sheet(index));
        EXPECT_EQ(view.name, names[index - 1]) << index;
        EXPECT_EQ(view.title, std::string(names[index - 1]) + (index <= 4 ? " 2026" : " 2027")) << index;
        EXPECT_EQ(view.firstHeader, "Montag") << index;
        EXPECT_GT(view.weekNumber, 0) << index;
    }
    // 1 September 2026 is a Tuesday in ISO week 36; 1 January 2027 a Friday in week 53 of 2026.
    const MonthSheetView september = ViewOf(book->Sheet(1));
    EXPECT_EQ(september.firstDayColumn, 9);
    EXPECT_EQ(september.weekNumber, 36);
    const MonthSheetView january = ViewOf(book->Sheet(5));
    EXPECT_EQ(january.firstDayColumn, 33);
    EXPECT_EQ(january.weekNumber, 53);
    // --month names a calendar month, wherever it stands.
    EXPECT_EQ(book->ActiveSheetIndex(), 2);

    // The plain run has none of it: English, Sunday first, January first, no week numbers.
    const auto plain = sheet::xls::OpenWorkbook(Path("plain.xls").toStdString());
    const MonthSheetView plainJanuary = ViewOf(plain->Sheet(1));
    EXPECT_EQ(plainJanuary.name, "January");
    EXPECT_EQ(plainJanuary.firstHeader, "Sunday");
    EXPECT_EQ(plainJanuary.weekNumber, 0);
    // The options were for that run only.
    EXPECT_EQ(FileBytes(Path("settings.ini")), stored);
}

// Each option alone, and the command line's word over a stored layout, which stays as it was.
TEST_F(BatchToolTest, EachLayoutOptionOverridesTheStoredLayoutForOneRun)
{
    QFile settings(Path("settings.ini"));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write("[Morvessa]\nCalendarLanguage=fr_FR\nWeekStart=sat\nFirstMonth=4\nWeekNumbers=1\n");
    settings.close();
    const QStringList common{"--settings", Path("settings.ini"), "--out", Path("out.xls")};
    // The stored layout alone, read back once to know it counts.
    ASSERT_EQ(Run(common + QStringList{"--year", "2025"}).exitCode, 0);
    const QByteArray stored = FileBytes(Path("settings.ini"));
    {
        const auto book = sheet::xls::OpenWorkbook(Path("out.xls").toStdString());
        const MonthSheetView april = ViewOf(book->Sheet(1));
        EXPECT_EQ(april.name, "Avril");
        EXPECT_EQ(april.title, "Avril 2025");
        EXPECT_EQ(april.firstHeader, "Samedi");
        EXPECT_EQ(april.weekNumber, 14);  // Saturday 29 March 2025's row: its Monday is 31 March
    }

    struct Case {
        QStringList arguments;
        std::string name, title, firstHeader;
        int firstDayColumn;
    };
    // January 2025 begins on a Wednesday.
    const std::vector<Case> cases = {
        {{"--language", "default", "--first-month", "2025-01"}, "January", "January 2025", "Saturday", 33},
        {{"--language", "de", "--first-month", "2025-01"}, "Januar", "Januar 2025", "Samstag", 33},
        {{"--week-start", "sun", "--first-month", "2025-01"}, "Janvier", "Janvier 2025", "Dimanche", 25},
        {{"--week-start", "mon", "--first-month", "2025-01"}, "Janvier", "Janvier 2025", "Lundi", 17},
        {{"--week-start", "locale", "--first-month", "2025-01"}, "Janvier", "Janvier 2025", "Lundi", 17},
        {{"--week-start", "sat", "--language", "default", "--year", "2025", "--first-month", "2025-11"},
         "November",
         "November 2025",
         "Saturday",
         1},
    };
    for (const Case& c : cases) {
        const RunResult run = Run(common + c.arguments);
        ASSERT_EQ(run.exitCode, 0) << c.arguments.join(' ').toStdString() << run.err.toStdString();
        const auto book = sheet::xls::OpenWorkbook(Path("out.xls").toStdString());
        const MonthSheetView first = ViewOf(book->Sheet(1));
        EXPECT_EQ(first.name, c.name) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(first.title, c.title) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(first.firstHeader, c.firstHeader) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(first.firstDayColumn, c.firstDayColumn) << c.arguments.join(' ').toStdString();
        // The stored week numbers stay on: the command line can only switch them on.
        EXPECT_GT(first.weekNumber, 0) << c.arguments.join(' ').toStdString();
    }
    EXPECT_EQ(FileBytes(Path("settings.ini")), stored);
}

TEST_F(BatchToolTest, BadLayoutArgumentsAreUsageErrorsThatWriteNothing)
{
    const QByteArray stored = FileBytes(Path("settings.ini"));
    const std::vector<std::pair<QStringList, const char*>> cases = {
        {{"--first-month", "2026-13"}, "--first-month"},
        {{"--first-month", "2026-00"}, "--first-month"},
        {{"--first-month", "September"}, "--first-month"},
        {{"--year", "2025", "--first-month", "2026-09"}, "different years"},
        {{"--year", "2025", "--week-start", "tue"}, "--week-start"},
        {{"--year", "2025", "--week-start", ""}, "--week-start"},
        {{"--year", "2025", "--language", "xx_nowhere"}, "--language"},
        {{"--year", "2025", "--language", " "}, "--language"},
        {{"--first-month", "2026-09", "--out-dir", Path("many")}, "--first-month"},
    };
    for (const auto& [arguments, complaint] : cases) {
        QStringList all = arguments + QStringList{"--settings", Path("settings.ini")};
        if (!arguments.contains(QStringLiteral("--out-dir")))
            all += QStringList{"--out", Path("bad.xls")};
        const RunResult run = Run(all);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(QString::fromLatin1(complaint)))
            << arguments.join(' ').toStdString() << ": " << run.err.toStdString();
        EXPECT_FALSE(QFileInfo::exists(Path("bad.xls")));
        EXPECT_FALSE(QFileInfo::exists(Path("many")));
    }
    EXPECT_EQ(FileBytes(Path("settings.ini")), stored);
    EXPECT_TRUE(FilesIn("temp").isEmpty()) << FilesIn("temp").join(' ').toStdString();
}

// On a German or French system the tool speaks the system's language: refused command lines, help
// and the reports of holidays it cannot place (in words, with the language's month and weekday
// names). The workbook it writes is the C run's, byte for byte.
TEST_F(BatchToolTest, SpeaksTheSystemsLanguageAndWritesTheSameWorkbook)
{
    // The long name is measured: the run takes Qt GUI's application object midway.
    const QByteArray settings = "[Morvessa]\n1Data=2|\xc2\xac" "7|\xc2\xac" "4|\n2Data=31|\xc2\xac" "4|\xc2\xac" "2|\n"
                                "3Data=Thirty-first|\xc2\xac" "Independence Day|\xc2\xac" "D\xc3\xad" "a del Veterano y de "
                                "los Ca\xc3\xad" "dos en la Guerra de Malvinas|\nFixedHolidaysCount=3\n"
                                "4Data=2|\n5Data=6|\n6Data=5|\n7Data=Fifth Friday|\nFloatingHolidaysCount=1\n";
    struct Expected {
        const char* locale;
        const char* usage;  // --month 13
        const char* help;
        const char* fixed;
        const char* floating;
        const char* where;  // the failing step, named as written
    };
    const Expected runs[] = {
        {"C.UTF-8", "--month must be a whole number from 1 to 12\nTry 'morvessa-batch --help'.",
         "Builds a yearly calendar workbook", "The holiday \"Thirty-first\" cannot be placed: February 2026 has no 31st day.",
         "The holiday \"Fifth Friday\" cannot be placed: February 2026 has no 5th Friday.",
         "in Quorvant2021/08/31.Calendar.GenerateCalendar at line"},
        {"de_DE.UTF-8", "--month muss eine ganze Zahl von 1 bis 12 sein\nRufen Sie „morvessa-batch --help“ auf.",
         "Erstellt eine Jahreskalender-Arbeitsmappe",
         "Der Feiertag „Thirty-first“ kann nicht eingetragen werden: Februar 2026 hat keinen 31. Tag.",
         "Der Feiertag „Fifth Friday“ kann nicht eingetragen werden: Februar 2026 hat keinen 5. Freitag.",
         "in Quorvant2021/08/31.Calendar.GenerateCalendar in Zeile"},
        {"fr_FR.UTF-8", "--month doit être un nombre entier de 1 à 12\nEssayez « morvessa-batch --help ».",
         "Crée un classeur de calendrier annuel",
         "Le jour férié « Thirty-first » ne peut pas être placé : février 2026 n'a pas de 31e jour.",
         "Le jour férié « Fifth Friday » ne peut pas être placé : février 2026 n'a pas de 5e vendredi.",
         "dans Quorvant2021/08/31.Calendar.GenerateCalendar à la ligne"},
    };
    for (const Expected& expected : runs) {
        const QString locale = QString::fromLatin1(expected.locale);
        const QStringList environment{"LC_ALL=" + locale};
        const QString store = Path(locale + ".ini");
        QFile file(store);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(settings);
        file.close();

        const RunResult usage = Run({"--year", "2026", "--month", "13", "--out", Path("x.xls")}, true, environment);
        EXPECT_EQ(usage.exitCode, 2);
        EXPECT_TRUE(usage.err.contains(QString::fromUtf8(expected.usage))) << usage.err.toStdString();
        const RunResult help = Run({"--help"}, true, environment);
        EXPECT_TRUE(help.out.contains(QString::fromUtf8(expected.help))) << help.out.toStdString();

        const RunResult run = Run({"--year", "2026", "--settings", store, "--keep-going", "--out",
                                   Path(locale + ".xls")}, true, environment);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(expected.fixed))) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(expected.floating))) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(expected.where))) << run.err.toStdString();
    }
    QFile c(Path("C.UTF-8.xls"));
    ASSERT_TRUE(c.open(QIODevice::ReadOnly));
    const QByteArray written = c.readAll();
    for (const char* locale : {"de_DE.UTF-8", "fr_FR.UTF-8"}) {
        QFile other(Path(QString::fromLatin1(locale) + ".xls"));
        ASSERT_TRUE(other.open(QIODevice::ReadOnly)) << locale;
        EXPECT_TRUE(other.readAll() == written) << locale;
    }
}

}  // namespace
}  // namespace morvessa::calendar_test
