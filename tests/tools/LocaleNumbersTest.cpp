// Files written under a German, French or Russian locale are the files written under C: every
// number in them keeps its "." whatever the user's locale says. A first start follows the locale.

#include "calendar/IcsCalendar.h"
#include "calendar/IcsExport.h"
#include "calendar/XlsChecker.h"
#include "spreadsheet/Workbook.h"
#include "spreadsheet/xls/XlsFile.h"
#include "support/PdfTools.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <clocale>
#include <cstdlib>

namespace morvessa::calendar_test {
namespace {

const QString kBatchTool = QStringLiteral(MORVESSA_BINARY_DIR "/bin/morvessa-batch");

bool LocaleInstalled(const char* name)
{
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    const bool installed = std::setlocale(LC_ALL, name) != nullptr;
    std::setlocale(LC_ALL, previous.c_str());
    return installed;
}

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// An iCalendar file without the stamps of the moment it was written.
QByteArray WithoutStamps(QByteArray ics)
{
    static const QRegularExpression stamp(QStringLiteral("DTSTAMP:[0-9TZ]+\r\n"));
    return QString::fromUtf8(ics).remove(stamp).toUtf8();
}

// The npm reader exceljs (scripts/xlsx-reader.sh), a reader of .xlsx files that is not ours.
const QString kExcelJs = QStringLiteral(MORVESSA_SOURCE_DIR "/.deps/exceljs-4.4.0/node_modules");

bool ExcelJsPresent()
{
    return QFileInfo(kExcelJs + QStringLiteral("/exceljs/package.json")).exists() &&
           !QStandardPaths::findExecutable(QStringLiteral("node")).isEmpty();
}

// What exceljs reads from a workbook, one fact a line; empty when it cannot read it.
QByteArray ExcelJsView(const QString& book)
{
    QProcess node;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("NODE_PATH"), kExcelJs);
    node.setProcessEnvironment(environment);
    node.start(QStringLiteral("node"), {QStringLiteral(MORVESSA_SOURCE_DIR "/tests/tools/xlsx_cells.js"), book});
    if (!node.waitForFinished(60000) || node.exitStatus() != QProcess::NormalExit || node.exitCode() != 0)
        return {};
    return node.readAllStandardOutput();
}

class LocaleNumbersTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!QFileInfo(kBatchTool).isExecutable())
            GTEST_SKIP() << "morvessa-batch is not built";
        ASSERT_TRUE(folder_.isValid());
    }

    QString Path(const QString& name) const { return folder_.filePath(name); }

    // One calendar of every kind the tool writes, under `locale`, into the folder of that name; the
    // run starts from `settings` and imports the same iCalendar file each time.
    void WriteAll(const QString& locale, const QByteArray& settings)
    {
        const QString dir = Path(locale);
        ASSERT_TRUE(QDir().mkpath(dir + QStringLiteral("/temp")));
        QFile store(dir + QStringLiteral("/s.ini"));
        ASSERT_TRUE(store.open(QIODevice::WriteOnly));
        store.write(settings);
        store.close();
        const QProcessEnvironment environment = Environment(locale, dir);
        const QStringList common{"--year", "2026", "--settings", dir + "/s.ini", "--ics", Path("days.ics")};
        for (const QStringList& out : {QStringList{"--out", dir + "/c.xls", "--pdf", dir + "/c.pdf", "--export-ics", dir + "/c.ics"},
                                       QStringList{"--out", dir + "/c.xlsx"}}) {
            QProcess tool;
            tool.setProcessEnvironment(environment);
            tool.start(kBatchTool, common + out);
            ASSERT_TRUE(tool.waitForFinished(60000));
            ASSERT_EQ(tool.exitCode(), 0) << locale.toStdString() << ": " << tool.readAllStandardError().toStdString();
        }
    }

    // A calendar of 2026 and its holidays as .ics, under `locale`, from an empty settings file (or
    // from what the last run stored, when `fresh` is false); what the tool printed on stderr.
    QString RunWithEmptySettings(const QString& locale, bool fresh = true)
    {
        const QString dir = Path(locale);
        EXPECT_TRUE(QDir().mkpath(dir + QStringLiteral("/temp")));
        if (fresh) {
            QFile store(dir + QStringLiteral("/s.ini"));
            EXPECT_TRUE(store.open(QIODevice::WriteOnly));
        }
        QProcess tool;
        tool.setProcessEnvironment(Environment(locale, dir));
        tool.start(kBatchTool, {"--year", "2026", "--settings", dir + "/s.ini", "--out", dir + "/c.xls",
                                "--export-ics", dir + "/c.ics"});
        EXPECT_TRUE(tool.waitForFinished(60000));
        EXPECT_EQ(tool.exitCode(), 0) << locale.toStdString();
        return QString::fromUtf8(tool.readAllStandardError());
    }

private:
    static QProcessEnvironment Environment(const QString& locale, const QString& dir)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LC_ALL"), locale);
        environment.insert(QStringLiteral("LANG"), locale);
        environment.remove(QStringLiteral("LANGUAGE"));  // the locale alone picks the tool's language
        environment.insert(QStringLiteral("TEMP"), dir + QStringLiteral("/temp"));
        environment.insert(QStringLiteral("HOME"), dir);
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir);
        return environment;
    }

    QTemporaryDir folder_;
};

TEST_F(LocaleNumbersTest, EveryFileWrittenUnderAForeignLocaleIsTheCLocalesFile)
{
    QFile ics(Path("days.ics"));
    ASSERT_TRUE(ics.open(QIODevice::WriteOnly));
    ics.write("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//test//EN\r\nBEGIN:VEVENT\r\nUID:1@test\r\n"
              "DTSTART;VALUE=DATE:20260310\r\nSUMMARY:Half 2.5\r\nGEO:48.137;11.575\r\n"
              "RRULE:FREQ=YEARLY\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
    ics.close();
    // Every run starts from what a first start under C stores: a first start elsewhere would follow
    // its locale's language and country, and only the numbers are compared here.
    const QString c = Path(QStringLiteral("C"));
    RunWithEmptySettings(QStringLiteral("C"));
    const QByteArray settings = Contents(c + "/s.ini");
    ASSERT_TRUE(settings.contains("FixedHolidaysCount=7"));
    WriteAll(QStringLiteral("C"), settings);
    const bool pythonReaders = std::system("/usr/bin/python3 -c 'import xlrd, openpyxl' 2>/dev/null") == 0;
    for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8", "ru_RU.UTF-8"}) {
        if (!LocaleInstalled(name)) {
            ADD_FAILURE() << name << " is not installed (scripts/setup.sh makes it)";
            continue;
        }
        const QString locale = QString::fromLatin1(name);
        WriteAll(locale, settings);
        const QString dir = Path(locale);
        EXPECT_EQ(Contents(dir + "/c.xls"), Contents(c + "/c.xls")) << name;
        EXPECT_EQ(Contents(dir + "/s.ini"), Contents(c + "/s.ini")) << name;
        EXPECT_EQ(WithoutStamps(Contents(dir + "/c.ics")), WithoutStamps(Contents(c + "/c.ics"))) << name;
        if (pythonReaders) {
            EXPECT_TRUE(XlsxReadsLikeXls(c + "/c.xls", dir + "/c.xlsx")) << name;
        }
        if (ExcelJsPresent()) {
            const QByteArray read = ExcelJsView(dir + "/c.xlsx");
            EXPECT_TRUE(read.contains("default-row 12.75\n")) << name;
            EXPECT_TRUE(read.contains("\"left\":0.75")) << name;
            EXPECT_EQ(read, ExcelJsView(c + "/c.xlsx")) << name;
        }
        if (test::PdfToolsPresent()) {
            EXPECT_EQ(test::PdfPageSizes(dir + "/c.pdf"), test::PdfPageSizes(c + "/c.pdf")) << name;
            for (int page : {1, 3, 12})
                EXPECT_EQ(test::PdfPageText(dir + "/c.pdf", page), test::PdfPageText(c + "/c.pdf", page)) << name;
        }
    }
    EXPECT_TRUE(test::PdfPageText(c + "/c.pdf", 3).contains(QStringLiteral("Half 2.5")));
    EXPECT_TRUE(Contents(c + "/c.ics").contains("SUMMARY:Half 2.5"));
}

// A first start (an empty settings file) follows the system: its language, its first weekday and
// its country's public holidays instead of the US lists, and says once which country it chose. An
// English US run writes what a C run writes, byte for byte.
TEST_F(LocaleNumbersTest, AFirstStartFollowsTheSystemsLanguageWeekAndCountry)
{
    struct Expected {
        const char* locale;
        const char* october;      // the sheet's name
        const char* firstHeader;  // of the week
        const char* holiday;      // a public holiday of the country, as the export names it
        const char* country;      // in the first start's notice
    };
    const Expected runs[] = {
        {"C.UTF-8", "October", "Sunday", "SUMMARY:Thanksgiving", nullptr},
        {"en_US.UTF-8", "October", "Sunday", "SUMMARY:Thanksgiving", nullptr},
        {"de_DE.UTF-8", "Oktober", "Montag", "DTSTART;VALUE=DATE:20261003\r\nDTEND;VALUE=DATE:20261004\r\n"
                                             "SUMMARY:Tag der Deutschen Einheit", "Deutschland (DE)"},
        {"fr_FR.UTF-8", "Octobre", "Lundi", "SUMMARY:F\u00eate Nationale de la France", "France (FR)"},
        {"en_GB.UTF-8", "October", "Monday", "SUMMARY:Boxing Day", "United Kingdom (GB)"},
    };
    for (const Expected& run : runs) {
        if (!LocaleInstalled(run.locale)) {
            ADD_FAILURE() << run.locale << " is not installed (scripts/setup.sh makes it)";
            continue;
        }
        const QString dir = Path(QString::fromLatin1(run.locale));
        const QString err = RunWithEmptySettings(QString::fromLatin1(run.locale));
        const auto book = sheet::xls::OpenWorkbook((dir + "/c.xls").toStdString());
        ASSERT_EQ(book->SheetCount(), 12) << run.locale;
        EXPECT_EQ(book->Sheet(10).Name(), run.october) << run.locale;
        const sheet::Cell* header = book->Sheet(10).FindCell(6, 1);
        EXPECT_TRUE(header && header->value.IsText() && header->value.Text() == run.firstHeader) << run.locale;
        const QByteArray ics = Contents(dir + "/c.ics");
        EXPECT_TRUE(ics.contains(run.holiday)) << run.locale;
        if (run.country) {
            EXPECT_FALSE(ics.contains("Thanksgiving")) << run.locale;
            EXPECT_FALSE(ics.contains("SUMMARY:Easter\r\n")) << run.locale;
            EXPECT_TRUE(err.contains(QString::fromLatin1(run.country))) << run.locale << ": " << err.toStdString();
        } else {
            EXPECT_TRUE(err.isEmpty()) << err.toStdString();
        }
    }
    const QString c = Path(QStringLiteral("C.UTF-8"));
    const QString us = Path(QStringLiteral("en_US.UTF-8"));
    EXPECT_EQ(Contents(us + "/c.xls"), Contents(c + "/c.xls"));
    EXPECT_EQ(Contents(us + "/s.ini"), Contents(c + "/s.ini"));
    // Told once: the second run of the same settings says nothing more.
    EXPECT_FALSE(RunWithEmptySettings(QStringLiteral("de_DE.UTF-8"), false).contains(QStringLiteral("Deutschland")));
}

// The iCalendar export and import, in a process whose locale is German as the toolkit leaves it.
TEST(LocaleNumbersIcsTest, TheExportUnderAGermanLocaleIsTheCExportAndReadsBack)
{
    const std::vector<MarkedHoliday> days{{{2026, 3, 10}, QStringLiteral("Half 2.5")},
                                          {{2027, 3, 10}, QStringLiteral("Half 2.5")},
                                          {{2026, 12, 25}, QStringLiteral("Christmas Day")}};
    const QByteArray inC = WriteMarkedDaysIcs(days);
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        GTEST_SKIP() << "de_DE.UTF-8 is not installed (scripts/setup.sh makes it)";
    const QByteArray inGerman = WriteMarkedDaysIcs(days);
    const IcsExpansion back = IcsCalendar::Parse(inGerman).Expand(2026, 2027);
    std::setlocale(LC_ALL, previous.c_str());
    EXPECT_EQ(inGerman, inC);
    EXPECT_EQ(back.days.size(), 3u);
}

}  // namespace
}  // namespace morvessa::calendar_test
