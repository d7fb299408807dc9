// The generated calendar as a PDF, read back with the poppler tools: twelve landscape pages, fonts
// embedded, every month's title, day numbers and holiday names as text where their cells are, and
// a rendered page that looks like the snapshot of the same month.

#include "calendar/CalendarTestSupport.h"
#include "calendar/GenerateCalendar.h"
#include "calendar/MonthSheet.h"
#include "core/CalendarNames.h"
#include "core/CalendarYear.h"
#include "holidays/HolidayRules.h"
#include "host/CellText.h"
#include "host/HostInstances.h"
#include "host/SheetPicture.h"
#include "host/SheetPrint.h"
#include "calendar/DateRules.h"
#include "spreadsheet/xls/XlsFile.h"
#include "support/PdfTools.h"

#include <QFile>
#include <QRegularExpression>

#include <cmath>

namespace morvessa::calendar_test {
namespace {

// A word pdftotext found, in points from the page's top left.
struct PdfWord {
    QString text;
    QRectF box;
};

std::vector<PdfWord> PageWords(const QString& path, int page)
{
    const QString number = QString::number(page);
    const QString html = test::RunPdfTool(QStringLiteral("pdftotext"),
                                          {QStringLiteral("-bbox"), QStringLiteral("-f"), number,
                                           QStringLiteral("-l"), number, path, QStringLiteral("-")});
    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    std::vector<PdfWord> words;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        QString text = m.captured(5);
        text.replace(QStringLiteral("&apos;"), QStringLiteral("'"))
            .replace(QStringLiteral("&#39;"), QStringLiteral("'"))
            .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
            .replace(QStringLiteral("&lt;"), QStringLiteral("<"))
            .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
            .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        words.push_back({text, QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                      QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))});
    }
    return words;
}

class CalendarPdfTest : public IsolatedCalendarTest {
protected:
    void SetUp() override
    {
        IsolatedCalendarTest::SetUp();
        ASSERT_TRUE(test::PdfToolsPresent()) << "the poppler utilities are missing (scripts/setup.sh)";
        registry_ = std::make_unique<ScopedInstanceRegistryFolder>(
            FolderPath(QStringLiteral("instances")).toStdString());
        reporter_ = std::make_unique<ScopedErrorReporter>(reports_);
    }
    void TearDown() override
    {
        reporter_.reset();
        registry_.reset();
        IsolatedCalendarTest::TearDown();
    }

    // Generates `year` and writes its PDF; the workbook stays open for the checks.
    QString Generate(const std::string& year, Paper paper = Paper::A4, int monthIndex = 0)
    {
        RecordingGenerationUi ui(monthIndex);
        GenerateCalendar(CalendarYear::Clamped(std::stoi(year)), ui);
        EXPECT_TRUE(reports_.messages.empty()) << reports_.messages.front();
        book_ = sheet::xls::OpenWorkbook(ui.workbook);
        snapshot_ = ui.picture;
        const QString path = FolderPath(QString::fromStdString("calendar-" + year + ".pdf"));
        WriteFileReplacing(SheetsPdf(SheetsInSpan(*book_, {1, 12}), paper, QStringLiteral("Calendar")), path);
        return path;
    }

    // Where a block of the sheet lands on a page of `pageSize` points: every month at the scale that
    // fits the tallest one into the room inside the margins, centred across, with one top edge.
    QRectF BlockOnPage(const sheet::Worksheet& sheet, const sheet::CellRange& block, QSizeF pageSize) const
    {
        const QRectF room(kPrintSideMarginPoints, kPrintTopMarginPoints,
                          pageSize.width() - 2 * kPrintSideMarginPoints,
                          pageSize.height() - 2 * kPrintTopMarginPoints);
        double scale = 1e9;
        double tallest = 0;
        for (int month = 1; month <= 12; ++month) {
            const sheet::Worksheet& other = book_->Sheet(month);
            const PictureGrid grid = LayoutGrid(other, *other.UsedArea());
            scale = std::min({scale, room.width() / grid.Width(), room.height() / grid.Height()});
            tallest = std::max(tallest, double(grid.Height()));
        }
        const sheet::CellRange area = *sheet.UsedArea();
        const PictureGrid grid = LayoutGrid(sheet, area);
        const QPointF origin(room.center().x() - grid.Width() * scale / 2,
                             room.center().y() - tallest * scale / 2);
        const auto x = [&](int column) { return origin.x() + grid.xs[column - area.firstColumn] * scale; };
        const auto y = [&](int row) { return origin.y() + grid.ys[row - area.firstRow] * scale; };
        return QRectF(QPointF(x(block.firstColumn), y(block.firstRow)),
                      QPointF(x(block.lastColumn + 1), y(block.lastRow + 1)));
    }

    // Every value of the month sheet shows as text on its page inside its own cell (or merged
    // area); returns how many values were checked.
    int ExpectEveryValueInItsCell(const QString& path, int month, QSizeF pageSize)
    {
        const sheet::Worksheet& sheet = book_->Sheet(month);
        const std::vector<PdfWord> words = PageWords(path, month);
        int checked = 0;
        sheet.ForEachCell([&](int row, int column, const sheet::Cell& cell) {
            if (cell.value.IsEmpty())
                return;
            const sheet::CellRange* merged = sheet.MergedAreaAt(row, column);
            const sheet::CellRange block = merged ? *merged : sheet::CellRange::Cell(row, column);
            const sheet::CellFormat& format = sheet.EffectiveFormat(row, column);
            const std::string shown = cell.value.IsNumber()
                                          ? FormatNumber(cell.value.Number(), format.numberFormat)
                                          : cell.value.Text();
            const QRectF where = BlockOnPage(sheet, block, pageSize).adjusted(-1, -1, 1, 1);
            for (const QString& part : QString::fromStdString(shown).split(' ', Qt::SkipEmptyParts)) {
                const bool found = std::any_of(words.begin(), words.end(), [&](const PdfWord& word) {
                    return word.text == part && where.contains(word.box.center());
                });
                EXPECT_TRUE(found) << sheet.Name() << " " << block.Address(false, false) << " \""
                                   << part.toStdString() << "\"";
            }
            ++checked;
        });
        return checked;
    }

    std::unique_ptr<sheet::Workbook> book_;
    QImage snapshot_;
    RecordingErrorReporter reports_;

private:
    std::unique_ptr<ScopedInstanceRegistryFolder> registry_;
    std::unique_ptr<ScopedErrorReporter> reporter_;
};

TEST_F(CalendarPdfTest, TheWorkbookNamesThePaperOnlyOnceTheUserChoseOne)
{
    // Without a choice the file keeps the A4 it always named, whatever the locale.
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Generate("2024");
    for (int month = 1; month <= 12; ++month) {
        EXPECT_EQ(book_->Sheet(month).Layout().paperSize, sheet::xlPaperA4);
        EXPECT_TRUE(book_->Sheet(month).Layout().landscape);
    }
    StorePaper(Paper::Legal);
    Generate("2024");
    for (int month = 1; month <= 12; ++month)
        EXPECT_EQ(book_->Sheet(month).Layout().paperSize, sheet::xlPaperLegal) << month;
    QLocale::setDefault(previous);
}

TEST_F(CalendarPdfTest, EveryMonthIsOneLandscapePageWithEmbeddedFonts)
{
    const QString path = Generate("2025");
    EXPECT_EQ(test::PdfPageCount(path), 12);
    for (const QSizeF& size : test::PdfPageSizes(path)) {
        EXPECT_NEAR(size.width(), 841.89, 0.5);
        EXPECT_NEAR(size.height(), 595.28, 0.5);
    }
    const std::vector<test::PdfFont> fonts = test::PdfFonts(path);
    ASSERT_FALSE(fonts.empty());
    for (const test::PdfFont& font : fonts)
        EXPECT_TRUE(font.embedded) << font.name.toStdString();
}

TEST_F(CalendarPdfTest, TitlesDayNumbersAndHolidaysStandInTheirCells)
{
    for (const char* year : {"2024", "2025", "2100"}) {
        const QString path = Generate(year, Paper::Letter);
        const int yearNumber = std::stoi(year);
        for (int month = 1; month <= 12; ++month) {
            const QString text = test::PdfPageText(path, month);
            EXPECT_TRUE(text.contains(QString::fromStdString(MonthName(month)) + ' ' + year))
                << year << " " << month;
            // Every day of the month as a word of its own.
            const QStringList words =
                text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
            for (int day = 1; day <= DaysInMonth(yearNumber, month); ++day)
                EXPECT_TRUE(words.contains(QString::number(day))) << year << " " << month << " " << day;
            EXPECT_GT(ExpectEveryValueInItsCell(path, month, QSizeF(792, 612)), 28) << year << " " << month;
        }
        // Holidays of the defaults by name on their page (a long name wraps inside its notes area).
        EXPECT_TRUE(test::PdfPageText(path, 7).simplified().contains(QStringLiteral("Independence Day")))
            << year;
        EXPECT_TRUE(test::PdfPageText(path, 11).contains(QStringLiteral("Thanksgiving"))) << year;
    }
}

TEST_F(CalendarPdfTest, CustomHolidaysShowOnTheirDays)
{
    LoadHolidays();
    AppendHolidayRow(FixedHolidays());
    const int fixedRow = FixedHolidays().RowCount();
    FixedHolidays().Cell(fixedRow, fixed_column::Month) = HolidayCell(3.0);
    FixedHolidays().Cell(fixedRow, fixed_column::Day) = HolidayCell(16.0);
    FixedHolidays().Cell(fixedRow, fixed_column::Name) = HolidayCell(QStringLiteral("Quillfeast"));
    AppendHolidayRow(FloatingHolidays());
    const int floatingRow = FloatingHolidays().RowCount();
    FloatingHolidays().Cell(floatingRow, floating_column::Month) = HolidayCell(10.0);
    FloatingHolidays().Cell(floatingRow, floating_column::Weekday) = HolidayCell(3.0);
    FloatingHolidays().Cell(floatingRow, floating_column::Occurrence) = HolidayCell(QStringLiteral("Last"));
    FloatingHolidays().Cell(floatingRow, floating_column::Name) = HolidayCell(QStringLiteral("Emberwatch"));
    SaveHolidays();

    const QString path = Generate("2100", Paper::A3);
    // 16 March 2100 (a day no default holiday takes) and the last Tuesday of October 2100 (the 26th), each in
    // its day's notes area.
    EXPECT_GT(ExpectEveryValueInItsCell(path, 3, QSizeF(1190.55, 841.89)), 28);
    EXPECT_GT(ExpectEveryValueInItsCell(path, 10, QSizeF(1190.55, 841.89)), 28);
    EXPECT_TRUE(test::PdfPageText(path, 3).contains(QStringLiteral("Quillfeast")));
    EXPECT_TRUE(test::PdfPageText(path, 10).contains(QStringLiteral("Emberwatch")));
    EXPECT_FALSE(test::PdfPageText(path, 4).contains(QStringLiteral("Quillfeast")));
}

TEST_F(CalendarPdfTest, EveryMonthPageHasOneScaleAndALongNameShowsWhole)
{
    RuleHolidays().clear();
    HolidayRule veterans = ParseRuleText(QStringLiteral("fixed 04-02"));
    veterans.name = QStringLiteral("Día del Veterano y de los Caídos en la Guerra de Malvinas");
    RuleHolidays().push_back(veterans);
    SaveRuleHolidays();
    // 2027 with Sunday first: January has five week rows, May six, February four.
    const QString path = Generate("2027");
    const auto titleBox = [&](int page, const QString& month) {
        for (const PdfWord& word : PageWords(path, page)) {
            if (word.text == month)
                return word.box;
        }
        ADD_FAILURE() << month.toStdString() << " has no title";
        return QRectF();
    };
    const QRectF january = titleBox(1, QStringLiteral("January"));
    for (const auto& [page, month] : {std::pair{5, "May"}, {2, "February"}}) {
        const QRectF title = titleBox(page, QString::fromLatin1(month));
        EXPECT_NEAR(title.height(), january.height(), 0.05) << month;
        EXPECT_NEAR(title.top(), january.top(), 0.05) << month;
    }
    // Every word of the name on the page, in its notes area.
    EXPECT_GT(ExpectEveryValueInItsCell(path, 4, QSizeF(841.89, 595.28)), 28);
    EXPECT_TRUE(test::PdfPageText(path, 4).simplified().contains(QStringLiteral("Guerra de Malvinas")));
    RuleHolidays().clear();
}

TEST_F(CalendarPdfTest, ARenderedPageLooksLikeTheSnapshotOfItsMonth)
{
    const QString path = Generate("2024", Paper::A4, 6);  // July: the snapshot shows it
    ASSERT_FALSE(snapshot_.isNull());
    const sheet::Worksheet& july = book_->Sheet(7);
    const QSizeF a4(841.89, 595.28);
    const QRectF onPage = BlockOnPage(july, *july.UsedArea(), a4);
    // Render so that the picture comes out at its own size, one page pixel per snapshot pixel.
    const double dpi = 72.0 * snapshot_.width() / onPage.width();
    const QImage page = test::PdfPageImage(path, 7, static_cast<int>(std::lround(dpi)));
    ASSERT_FALSE(page.isNull());
    const double pixelsPerPoint = page.width() / a4.width();
    const QPointF origin = onPage.topLeft() * pixelsPerPoint;
    const double scale = onPage.width() * pixelsPerPoint / snapshot_.width();

    // Sample the middle of every cell block away from text: the notes areas and the title band.
    const sheet::CellRange area = *july.UsedArea();
    const PictureGrid grid = LayoutGrid(july, area);
    int sampled = 0;
    int same = 0;
    for (int row = area.firstRow; row <= area.lastRow; ++row) {
        for (int column = area.firstColumn; column <= area.lastColumn; ++column) {
            const int px = (grid.xs[column - area.firstColumn] + grid.xs[column - area.firstColumn + 1]) / 2;
            const int py = (grid.ys[row - area.firstRow] + grid.ys[row - area.firstRow + 1]) / 2;
            const QRgb want = snapshot_.pixel(px, py);
            // Only where the snapshot's 5x5 neighbourhood is one flat colour: no text, no line.
            bool flat = true;
            for (int dy = -2; dy <= 2 && flat; ++dy)
                for (int dx = -2; dx <= 2 && flat; ++dx)
                    flat = snapshot_.pixel(std::clamp(px + dx, 0, snapshot_.width() - 1),
                                           std::clamp(py + dy, 0, snapshot_.height() - 1)) == want;
            if (!flat)
                continue;
            ++sampled;
            const QRgb got = page.pixel(static_cast<int>(origin.x() + px * scale),
                                        static_cast<int>(origin.y() + py * scale));
            if (std::abs(qRed(got) - qRed(want)) <= 2 && std::abs(qGreen(got) - qGreen(want)) <= 2 &&
                std::abs(qBlue(got) - qBlue(want)) <= 2)
                ++same;
        }
    }
    EXPECT_GT(sampled, 500);
    EXPECT_EQ(same, sampled);
    // The page was rendered at the snapshot's own scale.
    EXPECT_NEAR(scale, 1.0, 0.02);
}

}  // namespace
}  // namespace morvessa::calendar_test
