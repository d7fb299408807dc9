// Sheets on paper: PDF pages as a PDF reader sees them (page count and size, embedded fonts, text,
// pixels), and a PDF file that cannot be written leaving the older one in place.

#include "host/SheetPrint.h"
#include "host/HostTestSupport.h"
#include "host/SheetPicture.h"
#include "spreadsheet/Workbook.h"
#include "spreadsheet/Worksheet.h"
#include "support/PdfTools.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <csignal>
#include <sys/resource.h>

namespace morvessa {
namespace {

using sheet::CellRange;

class SheetPrintTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::EnsureGuiApplication();
        ASSERT_TRUE(test::PdfToolsPresent()) << "the poppler utilities are missing (scripts/setup.sh)";
        ASSERT_TRUE(folder.isValid());
        // Three sheets, each a titled block with a red cell at its centre and one day number.
        for (const char* name : {"Alpha", "Bravo", "Charlie"}) {
            sheet::Worksheet& sheet = book.AddSheet(name);
            sheet.SetCellValue(1, 1, std::string("Sheet") + name);
            sheet.SetCellValue(2, 2, 17.0 + sheet.Index());
            sheet.SetCellValue(12, 24, std::string("End"));
            for (int row = 1; row <= 12; ++row)
                sheet.SetRowHeight(row, 30);
            sheet.ApplyFormat(CellRange::Parse("L6:M7"), [](sheet::CellFormat& format) {
                format.interior.colorIndex = 3;  // red
                format.interior.pattern = sheet::xlPatternSolid;
            });
        }
    }

    QString WritePdf(Paper paper, const char* name = "out.pdf")
    {
        const QString path = folder.filePath(QString::fromLatin1(name));
        WriteFileReplacing(SheetsPdf(SheetsInSpan(book, {1, 3}), paper, QStringLiteral("Test")), path);
        return path;
    }

    sheet::Workbook book;
    QTemporaryDir folder;
};

TEST_F(SheetPrintTest, OneLandscapePagePerSheetOnTheChosenPaper)
{
    const struct {
        Paper paper;
        QSizeF points;
    } cases[] = {{Paper::A4, {841.89, 595.28}},
                 {Paper::Letter, {792, 612}},
                 {Paper::Legal, {1008, 612}},
                 {Paper::A3, {1190.55, 841.89}}};
    for (const auto& c : cases) {
        const QString path = WritePdf(c.paper);
        EXPECT_EQ(test::PdfPageCount(path), 3) << PaperName(c.paper).toStdString();
        const std::vector<QSizeF> sizes = test::PdfPageSizes(path);
        ASSERT_EQ(sizes.size(), 3u);
        for (const QSizeF& size : sizes) {
            EXPECT_NEAR(size.width(), c.points.width(), 1.0) << PaperName(c.paper).toStdString();
            EXPECT_NEAR(size.height(), c.points.height(), 1.0) << PaperName(c.paper).toStdString();
        }
    }
}

TEST_F(SheetPrintTest, TextStaysTextInEmbeddedFontsOnItsOwnPage)
{
    const QString path = WritePdf(Paper::A4);
    const std::vector<test::PdfFont> fonts = test::PdfFonts(path);
    ASSERT_FALSE(fonts.empty());
    for (const test::PdfFont& font : fonts)
        EXPECT_TRUE(font.embedded) << font.name.toStdString();
    const char* names[] = {"SheetAlpha", "SheetBravo", "SheetCharlie"};
    for (int page = 1; page <= 3; ++page) {
        const QString text = test::PdfPageText(path, page);
        EXPECT_TRUE(text.contains(QString::fromLatin1(names[page - 1]))) << text.toStdString();
        EXPECT_TRUE(text.contains(QString::number(17 + page))) << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("End")));
        for (int other = 1; other <= 3; ++other) {
            if (other != page) {
                EXPECT_FALSE(text.contains(QString::fromLatin1(names[other - 1]))) << page;
            }
        }
    }
}

TEST_F(SheetPrintTest, ThePictureFillsTheRoomInsideTheMarginsCentred)
{
    const QString path = WritePdf(Paper::Letter);
    constexpr int kDpi = 72;  // one pixel per point
    const QImage page = test::PdfPageImage(path, 2, kDpi);
    ASSERT_EQ(page.size(), QSize(792, 612));
    // Where the sheet picture's red block lands once scaled to the room inside the margins.
    const sheet::Worksheet& sheet = book.Sheet(2);
    const CellRange area = *sheet.UsedArea();
    const PictureGrid grid = LayoutGrid(sheet, area);
    const QRectF room(kPrintSideMarginPoints, kPrintTopMarginPoints, 792 - 2 * kPrintSideMarginPoints,
                      612 - 2 * kPrintTopMarginPoints);
    const double scale = std::min(room.width() / grid.Width(), room.height() / grid.Height());
    const QPointF origin(room.center().x() - grid.Width() * scale / 2,
                         room.center().y() - grid.Height() * scale / 2);
    // The picture touches the margins on one axis and is centred on the other.
    EXPECT_TRUE(std::abs(grid.Width() * scale - room.width()) < 1 ||
                std::abs(grid.Height() * scale - room.height()) < 1);
    const auto at = [&](double x, double y) {
        return page.pixel(static_cast<int>(origin.x() + x * scale), static_cast<int>(origin.y() + y * scale));
    };
    const double redX = (grid.xs[11] + grid.xs[13]) / 2.0;
    const double redY = (grid.ys[5] + grid.ys[7]) / 2.0;
    EXPECT_EQ(at(redX, redY), qRgb(255, 0, 0));
    // Outside the picture the paper stays white.
    EXPECT_EQ(page.pixel(5, 5), qRgb(255, 255, 255));
    EXPECT_EQ(page.pixel(static_cast<int>(origin.x()) - 3, static_cast<int>(room.center().y())),
              qRgb(255, 255, 255));
}

TEST_F(SheetPrintTest, AFileThatCannotBeWrittenLeavesTheOlderOneAndSaysWhy)
{
    const QString path = folder.filePath(QStringLiteral("kept.pdf"));
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("older file");
    }
    const QByteArray pdf = SheetsPdf(SheetsInSpan(book, {1, 3}), Paper::A4, QStringLiteral("Test"));
    ASSERT_GT(pdf.size(), 4096);

    // A full disk: the file size limit stops the write part way.
    rlimit before{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = before;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string error;
    try {
        WriteFileReplacing(pdf, path);
    } catch (const std::runtime_error& e) {
        error = e.what();
    }
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_NE(error.find("kept.pdf"), std::string::npos) << error;

    // A folder that does not exist.
    EXPECT_THROW(WriteFileReplacing(pdf, folder.filePath(QStringLiteral("missing/x.pdf"))),
                 std::runtime_error);

    QFile kept(path);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("older file"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("kept.pdf")});
}

TEST_F(SheetPrintTest, SpansPickSheetsByPositionWithinTheWorkbook)
{
    EXPECT_EQ(SheetsInSpan(book, {2, 2}), std::vector<const sheet::Worksheet*>{&book.Sheet(2)});
    EXPECT_EQ(SheetsInSpan(book, {2, 9}).size(), 2u);
    EXPECT_TRUE(SheetsInSpan(book, {4, 9}).empty());
    const QString path = folder.filePath(QStringLiteral("one.pdf"));
    WriteFileReplacing(SheetsPdf(SheetsInSpan(book, {3, 3}), Paper::A4, QString()), path);
    EXPECT_EQ(test::PdfPageCount(path), 1);
    EXPECT_TRUE(test::PdfPageText(path, 1).contains(QStringLiteral("SheetCharlie")));
}

}  // namespace
}  // namespace morvessa
