// The year on one page: read back from the .xls and the .xlsx by independent readers (every day in
// its weekday's column, each holiday in its source's colour and listed), and as a PDF page.

#include "calendar/CalendarTestSupport.h"
#include "calendar/GenerateCalendar.h"
#include "calendar/HolidayColours.h"
#include "colours/ColorPalette.h"
#include "core/CalendarYear.h"
#include "holidays/HolidayRules.h"
#include "host/HostInstances.h"
#include "host/SheetPrint.h"
#include "settings/SettingsStore.h"
#include "spreadsheet/xls/XlsFile.h"
#include "spreadsheet/xlsx/XlsxFile.h"
#include "support/PdfTools.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <cstdlib>

namespace morvessa::calendar_test {
namespace {

const QString kYearChecker = QStringLiteral(MORVESSA_SOURCE_DIR "/tests/calendar/check_year_sheet.py");

struct Layout {
    const char* language;  // "" for English
    const char* weekStart;
    bool portrait;
    bool weekNumbers;
    QStringList months;
    QStringList lettersFromMonday;
};

class YearPageTest : public IsolatedCalendarTest {
protected:
    void SetUp() override
    {
        IsolatedCalendarTest::SetUp();
        registry_ = std::make_unique<ScopedInstanceRegistryFolder>(
            FolderPath(QStringLiteral("instances")).toStdString());
        reporter_ = std::make_unique<ScopedErrorReporter>(reports_);
        // A holiday of the lists and two of a country.
        RuleHolidays().clear();
        HolidayRule tartan = ParseRuleText(QStringLiteral("fixed 04-06"));
        tartan.name = QStringLiteral("Tartan Day");
        HolidayRule andrew = ParseRuleText(QStringLiteral("fixed 11-30"));
        andrew.name = QStringLiteral("St Andrew's Day");
        andrew.source = HolidaySource::Country(QStringLiteral("GB-SCT"));
        HolidayRule boxing = ParseRuleText(QStringLiteral("fixed 12-26"));
        boxing.name = QStringLiteral("Boxing Day");
        boxing.source = andrew.source;
        RuleHolidays() = {tartan, andrew, boxing};
        SaveRuleHolidays();
    }
    void TearDown() override
    {
        RuleHolidays().clear();
        reporter_.reset();
        registry_.reset();
        IsolatedCalendarTest::TearDown();
    }

    void Generate(int year, const Layout& layout, const char* pages)
    {
        WriteSetting(key::CalendarLanguage, QString::fromLatin1(layout.language));
        WriteSetting(key::WeekStart, QString::fromLatin1(layout.weekStart));
        WriteSetting(key::WeekNumbers, layout.weekNumbers ? QStringLiteral("1") : QStringLiteral("0"));
        WriteSetting(key::Orientation, OrientationText(layout.portrait));
        WriteSetting(key::Pages, QString::fromLatin1(pages));
        RecordingGenerationUi ui(3);
        GenerateCalendar(CalendarYear::Clamped(year), ui);
        ASSERT_TRUE(reports_.messages.empty()) << reports_.messages.front();
        xls_ = QString::fromStdString(ui.workbook);
        book_ = sheet::xls::OpenWorkbook(ui.workbook);
    }

    static QJsonArray Rgb(int index)
    {
        const PaletteColor colour = DefaultColorPalette()[std::size_t(index - 1)];
        return {colour.red, colour.green, colour.blue};
    }

    // The checker's findings on the workbook saved as `path`; empty when it agrees.
    ::testing::AssertionResult ReadsBack(const QString& path, int year, const Layout& layout)
    {
        QJsonArray holidays;
        holidays.append(QJsonArray{4, 6, QStringLiteral("Tartan Day"), Rgb(36)});
        holidays.append(QJsonArray{11, 30, QStringLiteral("St Andrew's Day"), Rgb(35)});
        holidays.append(QJsonArray{12, 26, QStringLiteral("Boxing Day"), Rgb(35)});
        const QJsonObject expected{{QStringLiteral("months"), QJsonArray::fromStringList(layout.months)},
                                   {QStringLiteral("letters"), QJsonArray::fromStringList(layout.lettersFromMonday)},
                                   {QStringLiteral("holidays"), holidays}};
        const QString json = FolderPath(QStringLiteral("expected.json"));
        QFile file(json);
        if (!file.open(QIODevice::WriteOnly))
            return ::testing::AssertionFailure() << "cannot write " << json.toStdString();
        file.write(QJsonDocument(expected).toJson());
        file.close();
        QProcess checker;
        checker.setProcessChannelMode(QProcess::MergedChannels);
        checker.start(QStringLiteral("/usr/bin/python3"), {kYearChecker, path, QString::number(year), json});
        if (!checker.waitForFinished(120000) || checker.exitCode() != 0)
            return ::testing::AssertionFailure() << path.toStdString() << ":\n" << checker.readAll().toStdString();
        return ::testing::AssertionSuccess();
    }

    QString xls_;
    std::unique_ptr<sheet::Workbook> book_;
    RecordingErrorReporter reports_;

private:
    std::unique_ptr<ScopedInstanceRegistryFolder> registry_;
    std::unique_ptr<ScopedErrorReporter> reporter_;
};

const Layout kEnglishLandscape{"", "sun", false, false,
                               {"January", "February", "March", "April", "May", "June", "July", "August",
                                "September", "October", "November", "December"},
                               {"M", "T", "W", "T", "F", "S", "S"}};
const Layout kGermanPortrait{"de", "mon", true, true,
                             {"Januar", "Februar", "März", "April", "Mai", "Juni", "Juli", "August",
                              "September", "Oktober", "November", "Dezember"},
                             {"M", "D", "M", "D", "F", "S", "S"}};

TEST_F(YearPageTest, TheYearSheetReadsBackInBothFormatsWithEveryDayAndHolidayInPlace)
{
    if (std::system("/usr/bin/python3 -c 'import xlrd, openpyxl' 2>/dev/null") != 0)
        GTEST_SKIP() << "/usr/bin/python3 with xlrd and openpyxl is not installed";
    for (const Layout* layout : {&kEnglishLandscape, &kGermanPortrait}) {
        Generate(2027, *layout, "both");
        ASSERT_EQ(book_->SheetCount(), 13);
        EXPECT_EQ(book_->Sheet(1).Name(), "2027");
        EXPECT_EQ(book_->Sheet(2).Name(), layout->months[0].toStdString());
        for (int sheet = 1; sheet <= 13; ++sheet) {
            const sheet::PageLayout& page = book_->Sheet(sheet).Layout();
            EXPECT_EQ(page.landscape, !layout->portrait) << sheet;
            EXPECT_TRUE(page.fitToPages && page.fitPagesWide == 1 && page.fitPagesTall == 1);
            EXPECT_TRUE(page.centerHorizontally);
        }
        EXPECT_TRUE(ReadsBack(xls_, 2027, *layout));
        const QString xlsx = FolderPath(QStringLiteral("year.xlsx"));
        sheet::xlsx::SaveXlsFileAsXlsx(xls_.toStdString(), xlsx.toStdString());
        EXPECT_TRUE(ReadsBack(xlsx, 2027, *layout));
    }
}

TEST_F(YearPageTest, TheYearPageAloneIsOnePdfPageWithTheMonthsTheListAndTheLegend)
{
    ASSERT_TRUE(test::PdfToolsPresent());
    for (const Layout* layout : {&kEnglishLandscape, &kGermanPortrait}) {
        Generate(2027, *layout, "year");
        ASSERT_EQ(book_->SheetCount(), 1);
        const QString path = FolderPath(QStringLiteral("year.pdf"));
        const std::vector<const sheet::Worksheet*> sheets = SheetsInSpan(*book_, {1, 1});
        WriteFileReplacing(SheetsPdf(sheets, Paper::A4, QStringLiteral("Year"), PagesOrientation(sheets)), path);
        ASSERT_EQ(test::PdfPageCount(path), 1);
        const QSizeF size = test::PdfPageSizes(path).front();
        EXPECT_EQ(size.width() < size.height(), layout->portrait);
        const QString text = test::PdfPageText(path, 1).simplified();
        for (const QString& month : layout->months)
            EXPECT_TRUE(text.contains(month)) << month.toStdString();
        const char* lists = layout->portrait ? "Feiertage" : "Holidays";  // in the calendar's language
        for (const char* listed : {"Tartan Day", "St Andrew's Day", "Boxing Day", "GB-SCT", lists})
            EXPECT_TRUE(text.contains(QString::fromLatin1(listed))) << listed;
    }
}

TEST_F(YearPageTest, MonthPagesExplainTheirColoursAndSetWeekendsApartInTheirLanguage)
{
    // Two sources: each month page carries the legend beside its mini months.
    Generate(2027, kEnglishLandscape, "months");
    ASSERT_EQ(book_->SheetCount(), 12);
    const sheet::Worksheet& november = book_->Sheet(11);  // five week rows: mini months from row 50
    const sheet::CellFormat& listsSwatch = november.EffectiveFormat(50, 34);
    EXPECT_EQ(november.FindCell(50, 36)->value.Text(), "Holidays");
    EXPECT_EQ(listsSwatch.interior.colorIndex, 36);
    EXPECT_EQ(november.FindCell(51, 36)->value.Text(), "GB-SCT");
    EXPECT_EQ(november.EffectiveFormat(51, 34).interior.colorIndex, 35);
    // St Andrew's Day (Tuesday 30 November) in its source's colour, the weekend left as it was.
    EXPECT_EQ(november.EffectiveFormat(43, 17).interior.colorIndex, 35);
    EXPECT_NE(november.EffectiveFormat(35, 1).interior.colorIndex, 22);

    StoreSourceColour(HolidaySource::Country(QStringLiteral("GB-SCT")), 44);
    WriteSetting(key::WeekendColor, QStringLiteral("22"));
    Generate(2027, kEnglishLandscape, "months");
    const sheet::Worksheet& again = book_->Sheet(11);
    EXPECT_EQ(again.EffectiveFormat(43, 17).interior.colorIndex, 44);
    EXPECT_EQ(again.EffectiveFormat(35, 1).interior.colorIndex, 22);   // Sunday 21 November
    EXPECT_EQ(again.EffectiveFormat(35, 49).interior.colorIndex, 22);  // Saturday 27 November
    EXPECT_EQ(again.FindCell(52, 36)->value.Text(), "Weekend");

    // In German the legend speaks German, and the weekend follows the week starting on Monday.
    Generate(2027, kGermanPortrait, "months");
    const sheet::Worksheet& german = book_->Sheet(11);
    EXPECT_EQ(german.FindCell(50, 36)->value.Text(), "Feiertage");
    EXPECT_EQ(german.FindCell(52, 36)->value.Text(), "Wochenende");
    EXPECT_EQ(german.EffectiveFormat(19, 41).interior.colorIndex, 22);  // Saturday 13 November
    EXPECT_EQ(german.EffectiveFormat(19, 49).interior.colorIndex, 22);  // Sunday 14 November
    EXPECT_NE(german.EffectiveFormat(19, 33).interior.colorIndex, 22);  // Friday 12 November
}

}  // namespace
}  // namespace morvessa::calendar_test
