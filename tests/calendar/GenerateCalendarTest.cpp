// The whole generation as the main window runs it: the driver's steps, the handover, the temporary
// files, and the saved workbooks read back by the host and by an independent reader.

#include "calendar/GenerateCalendar.h"
#include "calendar/TempWorkbook.h"
#include "core/RunFolder.h"
#include "support/SmallFilesystem.h"
#include "calendar/CalendarTestSupport.h"
#include "calendar/XlsChecker.h"
#include "host/HostInstances.h"
#include "spreadsheet/xls/XlsFile.h"
#include "spreadsheet/xlsx/XlsxFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <set>

namespace morvessa::calendar_test {
namespace {

constexpr QFileDevice::Permissions kOthersAndGroup = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                                     QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                                     QFileDevice::WriteOther | QFileDevice::ExeOther;

class GenerateCalendarTest : public IsolatedCalendarTest {
protected:
    void SetUp() override
    {
        IsolatedCalendarTest::SetUp();
        registry_ = std::make_unique<ScopedInstanceRegistryFolder>(
            FolderPath(QStringLiteral("instances")).toStdString());
        reporter_ = std::make_unique<ScopedErrorReporter>(reports_);
        messages_ = std::make_unique<ScopedCatalogueMessageSink>(catalogueMessages_);
    }
    void TearDown() override
    {
        messages_.reset();
        reporter_.reset();
        registry_.reset();
        IsolatedCalendarTest::TearDown();
    }

    // Runs the generation for year text as the year box takes it; the year used, as text.
    std::string Generate(const char* yearText, int monthIndex = 0)
    {
        const std::optional<CalendarYear> year = CalendarYear::FromText(QString::fromUtf8(yearText));
        if (!year) {
            ADD_FAILURE() << "not a year: " << yearText;
            return {};
        }
        ui_ = RecordingGenerationUi(monthIndex);
        GenerateCalendar(*year, ui_);
        return year->Text();
    }

    QStringList TempFiles() const
    {
        return QDir(TempPath()).entryList(QDir::Files | QDir::System | QDir::Hidden);
    }

    // Everything in TEMP, folders and what they hold, as "folder/name" paths.
    QStringList TempTree() const
    {
        QStringList found;
        QDirIterator it(TempPath(), QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            found.append(QDir(TempPath()).relativeFilePath(it.next()));
        found.sort();
        return found;
    }

    // Lines of the reports so far, in order.
    std::vector<int> ReportedLines() const
    {
        std::vector<int> lines;
        static const QRegularExpression kLine(QStringLiteral("Calendar\\.GenerateCalendar at line (\\d+)"));
        for (const std::string& report : reports_.messages) {
            const auto match = kLine.match(QString::fromStdString(report));
            lines.push_back(match.hasMatch() ? match.captured(1).toInt() : -1);
        }
        return lines;
    }

    // Stores the tables and colours, and writes the same settings for the independent checker.
    QString StoreSettings(const std::vector<std::vector<HolidayCell>>& fixed,
                          const std::vector<std::vector<HolidayCell>>& floating, int easter,
                          int holidaysColour, int daysColour, int emptyColour)
    {
        LoadHolidays();
        QJsonObject json;
        const auto fill = [](HolidayTable& table, const std::vector<std::vector<HolidayCell>>& rows) {
            QJsonArray array;
            table.Reset(int(rows.size()));
            for (int r = 0; r < int(rows.size()); ++r) {
                QJsonArray row;
                for (int c = 0; c < table.ColumnCount(); ++c) {
                    table.Cell(r + 1, c + 1) = rows[r][c];
                    row.append(rows[r][c].IsNumber() ? QJsonValue(rows[r][c].Number())
                                                     : QJsonValue(rows[r][c].Text()));
                }
                array.append(row);
            }
            return array;
        };
        json[QStringLiteral("fixed")] = fill(FixedHolidays(), fixed);
        json[QStringLiteral("floating")] = fill(FloatingHolidays(), floating);
        SaveHolidays();
        WriteSetting(key::Easter, QString::number(easter));
        WriteSetting(key::HolidaysColor, QString::number(holidaysColour));
        WriteSetting(key::DaysColor, QString::number(daysColour));
        WriteSetting(key::EmptyColor, QString::number(emptyColour));
        json[QStringLiteral("easter")] = easter;
        json[QStringLiteral("HolidaysColor")] = holidaysColour;
        json[QStringLiteral("DaysColor")] = daysColour;
        json[QStringLiteral("EmptyColor")] = emptyColour;
        const QString path = FolderPath(QStringLiteral("settings.json"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QJsonDocument(json).toJson());
        return path;
    }

    RecordingErrorReporter reports_;
    RecordingCatalogueMessageSink catalogueMessages_;
    RecordingGenerationUi ui_;

private:
    std::unique_ptr<ScopedInstanceRegistryFolder> registry_;
    std::unique_ptr<ScopedErrorReporter> reporter_;
    std::unique_ptr<ScopedCatalogueMessageSink> messages_;
};

TEST_F(GenerateCalendarTest, MarchSelectedGivesAMarchWorkbookAndSnapshotInTheRunsPrivateFolder)
{
    EXPECT_EQ(Generate("2024", 2), "2024");
    EXPECT_TRUE(reports_.messages.empty()) << reports_.messages.front();
    EXPECT_TRUE(catalogueMessages_.messages.empty());

    const std::vector<std::string> handover = {"pointer 11", "pointer 0",    "picture",
                                               "workbook",   "show preview", "hide main"};
    EXPECT_EQ(ui_.calls, handover);
    EXPECT_FALSE(ui_.picture.isNull());
    EXPECT_GT(ui_.picture.width(), 600);

    // Only the workbook is left, "tqmrex" + eight digits 1..9 + ".xls", for this user's eyes only, in
    // the run's folder inside TEMP that no other user may enter; no "temp.bmp".
    const QFileInfo workbook(QString::fromStdString(ui_.workbook));
    const QFileInfo runFolder(workbook.absolutePath());
    EXPECT_EQ(QDir(runFolder.absolutePath()).canonicalPath(), QDir(TempPath()).canonicalPath());
    EXPECT_TRUE(runFolder.fileName().startsWith(QLatin1String(kWindowRunFolderPrefix)));
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("^tqmrex[1-9]{8}\\.xls$")).match(workbook.fileName()).hasMatch())
        << workbook.fileName().toStdString();
    EXPECT_EQ(TempTree(),
              (QStringList{runFolder.fileName(), runFolder.fileName() + "/" + workbook.fileName()}));
    EXPECT_EQ(runFolder.permissions() & kOthersAndGroup, QFileDevice::Permissions());
    EXPECT_EQ(workbook.permissions() & kOthersAndGroup, QFileDevice::Permissions());

    // The host reads back exactly the twelve months, March active with I11 selected.
    std::unique_ptr<sheet::Workbook> reopened = sheet::xls::OpenWorkbook(ui_.workbook);
    ASSERT_EQ(reopened->SheetCount(), 12);
    for (int month = 1; month <= 12; ++month)
        EXPECT_EQ(reopened->Sheet(month).Name(), MonthName(month));
    EXPECT_EQ(reopened->ActiveSheetIndex(), 3);
    EXPECT_EQ(reopened->Sheet(3).ActiveRow(), 11);
    EXPECT_EQ(reopened->Sheet(3).ActiveColumn(), 9);

    EXPECT_TRUE(CalendarFileMatches(workbook.filePath(), 2024, 3));
}

TEST_F(GenerateCalendarTest, WithoutAPictureWantedOnlyTheSameWorkbookIsHandedOver)
{
    Generate("2024", 6);
    QFile withPicture(QString::fromStdString(ui_.workbook));
    ASSERT_TRUE(withPicture.open(QIODevice::ReadOnly));
    const QByteArray expected = withPicture.readAll();

    ui_ = RecordingGenerationUi(6);
    ui_.pictureWanted = false;
    GenerateCalendar(CalendarYear::Clamped(2024), ui_);
    EXPECT_TRUE(reports_.messages.empty()) << reports_.messages.front();
    EXPECT_EQ(ui_.calls, (std::vector<std::string>{"workbook", "show preview", "hide main"}));
    EXPECT_TRUE(ui_.picture.isNull());
    QFile workbook(QString::fromStdString(ui_.workbook));
    ASSERT_TRUE(workbook.open(QIODevice::ReadOnly));
    EXPECT_EQ(workbook.readAll(), expected);
}

TEST_F(GenerateCalendarTest, WholeWorkbooksOfSeveralYearsMatchTheIndependentReader)
{
    struct Case {
        const char* yearText;
        int year;
        int monthIndex;
    };
    // 1899 and 2101 are clamped; 2022 starts on a Saturday, 2026 has a four-row February; any
    // spelling of a whole number is the plain year (no blank doubled in the titles).
    for (const Case& c : {Case{"1899", 1900, 0}, Case{"2101", 2100, 11}, Case{"2022", 2022, 0},
                          Case{"2026", 2026, 1}, Case{"0", 1900, 6}, Case{" +02024.0", 2024, 4}}) {
        reports_.messages.clear();
        EXPECT_EQ(Generate(c.yearText, c.monthIndex), std::to_string(c.year));
        EXPECT_TRUE(reports_.messages.empty()) << c.yearText << ": " << reports_.messages.front();
        EXPECT_TRUE(CalendarFileMatches(QString::fromStdString(ui_.workbook), c.year, c.monthIndex + 1));
        QFile::remove(QString::fromStdString(ui_.workbook));
    }
}

// Another program prints the saved workbook: one landscape page per month, twelve in all.
TEST_F(GenerateCalendarTest, EachMonthPrintsAsOneLandscapePageElsewhere)
{
    Generate("2025");
    ASSERT_TRUE(reports_.messages.empty()) << reports_.messages.front();
    std::unique_ptr<sheet::Workbook> reopened = sheet::xls::OpenWorkbook(ui_.workbook);
    ASSERT_EQ(reopened->SheetCount(), 12);
    for (int month = 1; month <= 12; ++month) {
        const sheet::PageLayout& layout = reopened->Sheet(month).Layout();
        EXPECT_TRUE(layout.landscape && layout.fitToPages && layout.centerHorizontally) << month;
        EXPECT_EQ(layout.fitPagesWide, 1);
        EXPECT_EQ(layout.fitPagesTall, 1);
    }

    const QString office = QStandardPaths::findExecutable(QStringLiteral("libreoffice"));
    const QString pdfInfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
    if (office.isEmpty() || pdfInfo.isEmpty())
        GTEST_SKIP() << "libreoffice or pdfinfo is not installed";
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    QProcess convert;
    convert.setProcessChannelMode(QProcess::MergedChannels);
    // A profile of its own: a running office of the user's is neither used nor disturbed.
    convert.start(office,
                  {QStringLiteral("-env:UserInstallation=file://") + out.filePath(QStringLiteral("profile")),
                   QStringLiteral("--headless"), QStringLiteral("--convert-to"), QStringLiteral("pdf"),
                   QStringLiteral("--outdir"), out.path(), QString::fromStdString(ui_.workbook)});
    ASSERT_TRUE(convert.waitForFinished(180000)) << "the conversion did not finish";
    const QString pdf =
        out.filePath(QFileInfo(QString::fromStdString(ui_.workbook)).completeBaseName() + ".pdf");
    ASSERT_TRUE(QFileInfo::exists(pdf)) << convert.readAll().toStdString();

    QProcess info;
    info.start(pdfInfo,
               {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("99"), pdf});
    ASSERT_TRUE(info.waitForFinished(60000));
    const QString text = QString::fromUtf8(info.readAllStandardOutput());
    const auto pages =
        QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption)
            .match(text);
    ASSERT_TRUE(pages.hasMatch()) << text.toStdString();
    EXPECT_EQ(pages.captured(1).toInt(), 12);
    static const QRegularExpression kPageSize(
        QStringLiteral("^Page\\s+(\\d+) size:\\s+([\\d.]+) x ([\\d.]+)"),
        QRegularExpression::MultilineOption);
    int sized = 0;
    for (auto it = kPageSize.globalMatch(text); it.hasNext(); ++sized) {
        const auto size = it.next();
        EXPECT_GT(size.captured(2).toDouble(), size.captured(3).toDouble())
            << "page " << size.captured(1).toStdString();
    }
    EXPECT_EQ(sized, 12);
}

TEST_F(GenerateCalendarTest, SharedDatesColoursOfNoneAndBadHolidays)
{
    const QString json =
        StoreSettings({{3, 31, "Fixed"},
                       {4, 31, "No Such Day"},
                       {2, 29, "Leap Day"},
                       {12, 25, "Christmas"},
                       {7, 4, "1984"}},
                      {{3, 1, "Last", "Last Sunday"}, {6, 2, 5, "Fifth Monday"}, {11, 5, 4, "Thanksgiving"}},
                      /*easter*/ 1, /*holidays*/ 0, /*days*/ 0, /*empty*/ 0);
    Generate("2024");
    // 31 April is reported once, by name; 29 February 2024 exists; the rest are marked.
    ASSERT_EQ(ReportedLines(), (std::vector<int>{152, 152}));
    EXPECT_NE(reports_.messages[0].find("\"No Such Day\""), std::string::npos);
    EXPECT_NE(reports_.messages[1].find("\"Fifth Monday\""), std::string::npos);

    std::unique_ptr<sheet::Workbook> reopened = sheet::xls::OpenWorkbook(ui_.workbook);
    sheet::Worksheet& march = reopened->Sheet(3);
    // Easter 2024 shares 31 March with both others and wins.
    EXPECT_EQ(march.FindCell(51, 1)->value, sheet::CellValue("Easter"));
    EXPECT_TRUE(CalendarFileMatches(QString::fromStdString(ui_.workbook), 2024, 1, json));

    // The same settings in a common year: 29 February is skipped without a report.
    reports_.messages.clear();
    Generate("2023");
    EXPECT_EQ(ReportedLines(), (std::vector<int>{152, 152}));
    EXPECT_TRUE(CalendarFileMatches(QString::fromStdString(ui_.workbook), 2023, 1, json));
}

TEST_F(GenerateCalendarTest, OtherColoursAndNoEaster)
{
    const QString json = StoreSettings({{1, 1, "New Year's Day"}, {10, 31, "Halloween"}},
                                       {{5, 2, "Last", "Memorial Day"}}, /*easter*/ 2, 44, 35, 22);
    Generate("2025", 4);
    EXPECT_TRUE(reports_.messages.empty());
    EXPECT_TRUE(CalendarFileMatches(QString::fromStdString(ui_.workbook), 2025, 5, json));
}

TEST_F(GenerateCalendarTest, NoSelectedMonthIsReportedAndDecemberStaysActive)
{
    Generate("2024", -1);
    EXPECT_EQ(ReportedLines(), std::vector<int>{182});
    std::unique_ptr<sheet::Workbook> reopened = sheet::xls::OpenWorkbook(ui_.workbook);
    EXPECT_EQ(reopened->Sheet(reopened->ActiveSheetIndex()).Name(), "December");
    EXPECT_EQ(ui_.calls.back(), "hide main");
}

TEST_F(GenerateCalendarTest, HostThatCannotStartFailsEveryHostStepInOrderAndHandsNothingOver)
{
    ScopedInstanceFactory noHost(
        []() -> ApplicationPtr { throw HostInstanceError("ActiveX component can't create object"); });
    Generate("2024");
    const std::vector<int> lines = ReportedLines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), 102);
    EXPECT_TRUE(std::is_sorted(lines.begin(), lines.end()));
    for (int line : {114, 124, 126, 148, 152, 180, 182, 208, 226, 232})
        EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
    EXPECT_EQ(lines.back(), 232);
    // The workbook was never saved, so nothing is handed over and no empty file is left.
    EXPECT_TRUE(ui_.calls.empty());
    for (const QString& entry : TempTree())
        EXPECT_FALSE(entry.endsWith(QLatin1String(".xls")) || entry.endsWith(QLatin1String(".bmp")))
            << entry.toStdString();
}

TEST_F(GenerateCalendarTest, MissingTempFolderIsReportedWithoutWritingElsewhere)
{
    const QString missing = FolderPath(QStringLiteral("no-such-folder"));
    qputenv("TEMP", missing.toUtf8());
    Generate("2024");
    const std::vector<int> lines = ReportedLines();
    // The run folder cannot be made (210), so the save has no file (226) and nothing is handed over.
    ASSERT_EQ(lines, (std::vector<int>{210, 226}));
    EXPECT_NE(reports_.messages[0].find(missing.toStdString()), std::string::npos) << reports_.messages[0];
    EXPECT_NE(reports_.messages[1].find(kNothingMadeMessage), std::string::npos) << reports_.messages[1];
    EXPECT_FALSE(QFileInfo::exists(missing));
    EXPECT_TRUE(ui_.calls.empty());
}

TEST_F(GenerateCalendarTest, AnotherRunInTheSameTempCannotSwapThePicture)
{
    // Another run writes its picture under the snapshot's fixed name while this one has taken its
    // own and not yet loaded it.
    ui_ = RecordingGenerationUi(2);
    ui_.onPointer = [this](MousePointer pointer) {
        if (pointer == MousePointer::Default) {
            QImage other(10, 10, QImage::Format_RGB32);
            other.fill(Qt::red);
            other.save(TempPath() + QStringLiteral("/temp.bmp"), "BMP");
        }
    };
    GenerateCalendar(*CalendarYear::FromText(QStringLiteral("2024")), ui_);
    EXPECT_TRUE(reports_.messages.empty()) << reports_.messages.front();
    EXPECT_GT(ui_.picture.width(), 600) << "the preview shows another run's picture";
}

TEST_F(GenerateCalendarTest, AFullDiskHandsNothingOverAndSaysSo)
{
    // A TEMP on a disk with room for 64 KB, so the workbook does not fit.
    testing::SmallFilesystem disk(TempPath().toStdString(), 64);
    if (!disk.mounted())
        GTEST_SKIP() << disk.skipReason();
    Generate("2024");
    ASSERT_EQ(ReportedLines(), std::vector<int>{226}) << reports_.messages.front();
    const std::string& report = reports_.messages.front();
    EXPECT_NE(report.find("(the disk is full). No calendar was made."), std::string::npos) << report;
    EXPECT_NE(report.find(TempPath().toStdString()), std::string::npos) << report;
    // The preview does not open on an empty workbook, and none is left.
    EXPECT_TRUE(ui_.calls.empty());
    ASSERT_EQ(TempTree().size(), 1) << TempTree().join(' ').toStdString();
    EXPECT_TRUE(TempTree().front().startsWith(QLatin1String(kWindowRunFolderPrefix)));
}

TEST(TempWorkbookTest, NamesAreRandomDigitsOneToNine)
{
    std::set<std::string> names;
    for (int i = 0; i < 50; ++i) {
        const std::string name = RandomTempWorkbookName();
        ASSERT_TRUE(QRegularExpression(QStringLiteral("^tqmrex[1-9]{8}\\.xls$"))
                        .match(QString::fromStdString(name))
                        .hasMatch())
            << name;
        names.insert(name);
    }
    // Drawn in the same second, yet all different (a clock-seeded generator would repeat itself).
    EXPECT_EQ(names.size(), 50u);
}

TEST(TempWorkbookTest, ExclusiveCreationNeverTouchesWhatIsThere)
{
    QTemporaryDir folder;
    const std::string existing = folder.filePath(QStringLiteral("tqmrex11111111.xls")).toStdString();
    QFile file(QString::fromStdString(existing));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("user data");
    file.close();
    EXPECT_EQ(CreateFileExclusively(existing), ExclusiveCreate::AlreadyExists);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("user data"));

    // A planted link is not followed, even when its target does not exist yet.
    const QString target = folder.filePath(QStringLiteral("target"));
    const std::string link = folder.filePath(QStringLiteral("tqmrex22222222.xls")).toStdString();
    ASSERT_TRUE(QFile::link(target, QString::fromStdString(link)));
    EXPECT_EQ(CreateFileExclusively(link), ExclusiveCreate::AlreadyExists);
    EXPECT_FALSE(QFileInfo::exists(target));

    const std::string fresh = folder.filePath(QStringLiteral("tqmrex33333333.xls")).toStdString();
    EXPECT_EQ(CreateFileExclusively(fresh), ExclusiveCreate::Created);
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(fresh)));

    EXPECT_THROW(CreateFileExclusively(folder.filePath(QStringLiteral("missing/x.xls")).toStdString()),
                 std::runtime_error);
}

// The preview's and the batch tool's .xlsx: the generated workbook written by libxlsxwriter reads
// cell by cell like the generated .xls, for several years, holidays and colours, "no colour" too.
TEST_F(GenerateCalendarTest, XlsxOfTheWorkbookReadsLikeTheXls)
{
    if (std::system("/usr/bin/python3 -c 'import xlrd, openpyxl' 2>/dev/null") != 0)
        GTEST_SKIP() << "/usr/bin/python3 with xlrd and openpyxl is not installed";
    struct Case {
        int year;
        int monthIndex;
        std::function<QString()> settings;  // the checker's JSON, "" for the first-run defaults
    };
    const Case cases[] = {
        {2024, 0, [] { return QString(); }},
        {2026, 6,
         [this] {
             return StoreSettings(
                 {{3, 17, "St. Patrick's Day"}, {8, 1, "1984"}, {12, 31, "Nouvel an \xC3\xA9t\xC3\xA9"}},
                 {{9, 2, 1, "Labor Day"}, {11, 5, 4, "Thanksgiving"}}, 1, 44, 35, 22);
         }},
        {2100, 11,
         [this] {
             return StoreSettings({{2, 28, "Last of February"}}, {{5, 2, "Last", "Memorial Day"}}, 2, 0, 0,
                                  0);
         }},
    };
    for (const Case& c : cases) {
        const QString json = c.settings();
        reports_.messages.clear();
        Generate(std::to_string(c.year).c_str(), c.monthIndex);
        ASSERT_TRUE(reports_.messages.empty()) << c.year << ": " << reports_.messages.front();
        const QString xls = QString::fromStdString(ui_.workbook);
        EXPECT_TRUE(CalendarFileMatches(xls, c.year, c.monthIndex + 1, json));
        const QString xlsx = FolderPath(QStringLiteral("calendar-%1.xlsx").arg(c.year));
        sheet::xlsx::SaveXlsFileAsXlsx(ui_.workbook, xlsx.toStdString());
        EXPECT_TRUE(XlsxReadsLikeXls(xls, xlsx)) << c.year;
        QFile::remove(xls);
    }
}

// Another program prints the .xlsx as it prints the .xls: as many pages, of the same size and
// orientation, each with the same words.
TEST_F(GenerateCalendarTest, XlsxPrintsTheSamePagesAsTheXlsElsewhere)
{
    const QString office = QStandardPaths::findExecutable(QStringLiteral("libreoffice"));
    const QString pdfInfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
    const QString pdfToText = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (office.isEmpty() || pdfInfo.isEmpty() || pdfToText.isEmpty())
        GTEST_SKIP() << "libreoffice, pdfinfo or pdftotext is not installed";
    Generate("2026", 2);
    ASSERT_TRUE(reports_.messages.empty()) << reports_.messages.front();
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    const QString xls = out.filePath(QStringLiteral("calendar.xls"));
    const QString xlsx = out.filePath(QStringLiteral("calendar.xlsx"));
    ASSERT_TRUE(QFile::copy(QString::fromStdString(ui_.workbook), xls));
    sheet::xlsx::SaveXlsFileAsXlsx(xls.toStdString(), xlsx.toStdString());

    const auto run = [](const QString& program, const QStringList& arguments) {
        QProcess process;
        process.start(program, arguments);
        EXPECT_TRUE(process.waitForFinished(180000)) << program.toStdString() << " did not finish";
        return QString::fromUtf8(process.readAllStandardOutput());
    };
    // Per page: its size line, then its words in order of reading.
    const auto pages = [&](const QString& workbook, const QString& folder) {
        // A profile of its own: a running office of the user's is neither used nor disturbed.
        run(office,
            {QStringLiteral("-env:UserInstallation=file://") + out.filePath(QStringLiteral("profile")),
             QStringLiteral("--headless"), QStringLiteral("--convert-to"), QStringLiteral("pdf"),
             QStringLiteral("--outdir"), folder, workbook});
        const QString pdf = QDir(folder).filePath(QStringLiteral("calendar.pdf"));
        QStringList result;
        const QString info = run(pdfInfo, {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                                           QStringLiteral("99"), pdf});
        static const QRegularExpression kPageSize(QStringLiteral("^Page\\s+\\d+ size:.*$"),
                                                  QRegularExpression::MultilineOption);
        for (auto it = kPageSize.globalMatch(info); it.hasNext();)
            result << it.next().captured(0).simplified();
        const QStringList texts = run(pdfToText, {pdf, QStringLiteral("-")}).split(QLatin1Char('\f'));
        for (int page = 0; page < result.size(); ++page) {
            // The two files may place a word a fraction of a point apart, which changes the order
            // the text comes out in, not the words.
            QStringList words =
                texts.value(page).split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
            words.sort();
            result[page] += QStringLiteral(": ") + words.join(QLatin1Char(' '));
        }
        return result;
    };
    ASSERT_TRUE(QDir().mkpath(out.filePath(QStringLiteral("xls"))));
    ASSERT_TRUE(QDir().mkpath(out.filePath(QStringLiteral("xlsx"))));
    const QStringList fromXls = pages(xls, out.filePath(QStringLiteral("xls")));
    const QStringList fromXlsx = pages(xlsx, out.filePath(QStringLiteral("xlsx")));
    ASSERT_EQ(fromXls.size(), 12);
    EXPECT_TRUE(fromXls[2].contains(QStringLiteral("March")) && fromXls[2].contains(QStringLiteral("2026")));
    for (int page = 0; page < 12; ++page)
        EXPECT_EQ(fromXlsx.value(page).toStdString(), fromXls[page].toStdString()) << "page " << page + 1;
}

}  // namespace
}  // namespace morvessa::calendar_test
