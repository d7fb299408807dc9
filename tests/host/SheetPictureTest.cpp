#include "host/SheetPicture.h"
#include "host/HostTestSupport.h"
#include "spreadsheet/HostError.h"
#include "spreadsheet/Workbook.h"
#include "spreadsheet/Worksheet.h"

#include <QFontInfo>

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

namespace morvessa {
namespace {

using sheet::CellFormat;
using sheet::CellRange;

class SheetPictureTest : public ::testing::Test {
protected:
    void SetUp() override { test::EnsureGuiApplication(); }

    void Format(const std::string& address, const sheet::FormatChange& change)
    {
        sheet.ApplyFormat(CellRange::Parse(address), change);
    }
    void Merge(const std::string& address) { sheet.AddMergedArea(CellRange::Parse(address)); }
    void Set(const std::string& cell, sheet::CellValue value)
    {
        const CellRange at = CellRange::Parse(cell);
        sheet.SetCellValue(at.firstRow, at.firstColumn, std::move(value));
    }
    QImage Render(const std::string& address) { return RenderRangePicture(sheet, CellRange::Parse(address)); }

    sheet::Workbook book;
    sheet::Worksheet& sheet = book.AddSheet("Sheet1");
};

bool IsDark(QRgb pixel)
{
    return qGray(pixel) < 128;
}

// The smallest rectangle holding every dark pixel inside `within`; nullopt when there is none.
std::optional<QRect> DarkBox(const QImage& image, const QRect& within)
{
    std::optional<QRect> box;
    for (int y = within.top(); y <= within.bottom(); ++y) {
        for (int x = within.left(); x <= within.right(); ++x) {
            if (!IsDark(image.pixel(x, y)))
                continue;
            box = box ? box->united(QRect(x, y, 1, 1)) : QRect(x, y, 1, 1);
        }
    }
    return box;
}

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kGrid = qRgb(208, 208, 208);
const QRgb kBlack = qRgb(0, 0, 0);

TEST_F(SheetPictureTest, ColumnWidthsAndRowHeightsBecomePixelsAsOnScreen)
{
    EXPECT_EQ(MaxDigitWidth(sheet::FontFormat{}), 7);  // Arial 10, the workbook's default font
    EXPECT_EQ(ColumnWidthPixels(8.43, 7), 64);
    EXPECT_EQ(ColumnWidthPixels(1.57, 7), 16);
    EXPECT_EQ(ColumnWidthPixels(0.5, 7), 6);
    EXPECT_EQ(ColumnWidthPixels(0, 7), 0);
    EXPECT_EQ(RowHeightPixels(12.75), 17);
    EXPECT_EQ(RowHeightPixels(9), 12);

    sheet.SetColumnWidth(2, 1.57);
    sheet.SetRowHeight(2, 9);
    const PictureGrid grid = LayoutGrid(sheet, CellRange::Parse("A1:C2"));
    EXPECT_EQ(grid.xs, (std::vector<int>{0, 64, 80, 144}));
    EXPECT_EQ(grid.ys, (std::vector<int>{0, 17, 29}));
    const QImage picture = Render("A1:C2");
    EXPECT_EQ(picture.size(), QSize(145, 30));
}

TEST_F(SheetPictureTest, ArialAndTimesResolveToTheirMetricCompatibleFaces)
{
    sheet::FontFormat arial;
    arial.name = "Arial";
    sheet::FontFormat times;
    times.name = "Times New Roman";
    EXPECT_EQ(QFontInfo(ScreenFont(arial)).family(), "Liberation Sans");
    EXPECT_EQ(QFontInfo(ScreenFont(times)).family(), "Liberation Serif");
}

TEST_F(SheetPictureTest, EmptyCellsShowLightGridlines)
{
    const QImage picture = Render("A1:B2");
    EXPECT_EQ(picture.pixel(64, 8), kGrid);   // between A1 and B1
    EXPECT_EQ(picture.pixel(30, 17), kGrid);  // between A1 and A2
    EXPECT_EQ(picture.pixel(30, 8), kWhite);  // inside A1
}

TEST_F(SheetPictureTest, AMergedAreaIsFilledAsOneCellAndHidesItsGridlines)
{
    Merge("B2:C3");
    Format("B2:C3", [](CellFormat& f) {
        f.interior.pattern = sheet::xlPatternSolid;
        f.interior.colorIndex = 3;  // red
    });
    const QImage picture = Render("A1:D4");
    const QRgb red = qRgb(255, 0, 0);
    EXPECT_EQ(picture.pixel(100, 30), red);   // inside
    EXPECT_EQ(picture.pixel(128, 30), red);   // where B and C meet
    EXPECT_EQ(picture.pixel(100, 34), red);   // where rows 2 and 3 meet
    EXPECT_EQ(picture.pixel(64, 25), red);    // the fill also covers its own edge
    EXPECT_EQ(picture.pixel(30, 17), kGrid);  // unfilled neighbours keep theirs
    EXPECT_EQ(picture.pixel(30, 25), kWhite);
}

TEST_F(SheetPictureTest, BordersDrawOnTheEdgesEachCellGives)
{
    Format("A1", [](CellFormat& f) {
        f.Border(sheet::xlEdgeBottom) = {sheet::xlContinuous, sheet::xlThin, sheet::xlAutomatic};
    });
    Format("B1", [](CellFormat& f) {
        f.Border(sheet::xlEdgeBottom) = {sheet::xlContinuous, sheet::xlMedium, 5};
    });
    Format("D1", [](CellFormat& f) {
        f.Border(sheet::xlEdgeLeft) = {sheet::xlContinuous, sheet::xlThin, sheet::xlAutomatic};
    });
    const QImage picture = Render("A1:D2");
    for (int x : {0, 30, 63})
        EXPECT_EQ(picture.pixel(x, 17), kBlack) << x;
    EXPECT_EQ(picture.pixel(30, 16), kWhite);
    EXPECT_EQ(picture.pixel(30, 18), kWhite);
    const QRgb blue = qRgb(0, 0, 255);
    EXPECT_EQ(picture.pixel(100, 17), blue);  // medium: two pixels thick
    EXPECT_EQ(picture.pixel(100, 18), blue);
    EXPECT_EQ(picture.pixel(192, 8), kBlack);  // D1's left edge is C1's right
    EXPECT_EQ(picture.pixel(192, 25), kGrid);
}

TEST_F(SheetPictureTest, BordersInsideAMergedAreaAreNotDrawn)
{
    Merge("A1:B2");
    Format("A1:B2", [](CellFormat& f) {
        for (int edge : {sheet::xlEdgeLeft, sheet::xlEdgeTop, sheet::xlEdgeBottom, sheet::xlEdgeRight}) {
            f.Border(edge) = {sheet::xlContinuous, sheet::xlThin, sheet::xlAutomatic};
        }
    });
    const QImage picture = Render("A1:C3");
    EXPECT_EQ(picture.pixel(30, 0), kBlack);
    EXPECT_EQ(picture.pixel(30, 34), kBlack);
    EXPECT_EQ(picture.pixel(128, 25), kBlack);
    EXPECT_EQ(picture.pixel(30, 17), kWhite);  // the inner row line
    EXPECT_EQ(picture.pixel(64, 8), kWhite);   // the inner column line
}

TEST_F(SheetPictureTest, CentredTextSitsInTheMiddleOfItsMergedBox)
{
    Merge("A1:D3");
    Set("A1", "Wide");
    Format("A1:D3", [](CellFormat& f) {
        f.horizontalAlignment = sheet::xlCenter;
        f.verticalAlignment = sheet::xlCenter;
        f.font.size = 12;
        f.font.bold = true;
    });
    const QImage picture = Render("A1:E4");
    const QRect block(QPoint(0, 0), QPoint(256, 51));
    const auto box = DarkBox(picture, block.adjusted(1, 1, -1, -1));
    ASSERT_TRUE(box);
    EXPECT_NEAR(box->center().x(), block.center().x(), 2);
    EXPECT_NEAR(box->center().y(), block.center().y(), 3);
    EXPECT_GT(box->width(), 25);  // four bold 12-point letters
}

TEST_F(SheetPictureTest, GeneralAlignmentPutsNumbersRightAndTextLeft)
{
    Set("A1", 12345);
    Set("A2", "ab");
    const QImage picture = Render("A1:A2");
    const auto number = DarkBox(picture, QRect(1, 1, 62, 15));
    const auto text = DarkBox(picture, QRect(1, 18, 62, 15));
    ASSERT_TRUE(number && text);
    EXPECT_GE(number->right(), 58);
    EXPECT_GT(number->left(), 20);
    EXPECT_LE(text->left(), 5);
    EXPECT_LT(text->right(), 30);
}

TEST_F(SheetPictureTest, WrappedTextTakesSeveralLinesAndUnwrappedOne)
{
    sheet.SetColumnWidth(1, 10);
    sheet.SetRowHeight(1, 60);
    sheet.SetRowHeight(2, 60);
    Set("A1", "alpha beta gamma delta");
    Set("A2", "alpha beta gamma delta");
    Format("A1:A2", [](CellFormat& f) { f.verticalAlignment = sheet::xlTop; });
    Format("A1", [](CellFormat& f) { f.wrapText = true; });
    const QImage picture = Render("A1:A2");
    const auto wrapped = DarkBox(picture, QRect(1, 1, 73, 78));
    const auto single = DarkBox(picture, QRect(1, 82, 73, 78));
    ASSERT_TRUE(wrapped && single);
    EXPECT_GT(wrapped->height(), 30);
    EXPECT_LT(single->height(), 16);
}

// How many pixels inside `area` differ clearly between two pictures.
int ClearlyDifferentPixels(const QImage& a, const QImage& b, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            count += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y))) > 96 ? 1 : 0;
    }
    return count;
}

// A wrapped text too tall for its cell shows the lines the vertical alignment names: the middle
// line of a centred cell where that line alone would sit, the top line of a top-aligned one.
TEST_F(SheetPictureTest, WrappedTextTooTallForItsCellKeepsTheAlignedPartInView)
{
    sheet.SetColumnWidth(1, 2);  // one letter a line
    sheet.SetRowHeight(1, 15);   // one line high
    Format("A1", [](CellFormat& f) {
        f.wrapText = true;
        f.horizontalAlignment = sheet::xlCenter;
    });
    const auto cellPicture = [&](int vertical, const char* text) {
        Format("A1", [vertical](CellFormat& f) { f.verticalAlignment = vertical; });
        Set("A1", text);
        return Render("A1:A1");
    };
    const struct {
        int alignment;
        const char* shownLine;
    } cases[] = {{sheet::xlCenter, "M"}, {sheet::xlTop, "H"}, {sheet::xlBottom, "W"}};
    for (const auto& [alignment, shownLine] : cases) {
        const QImage tall = cellPicture(alignment, "H I M O W");
        const QImage alone = cellPicture(alignment, shownLine);
        const auto letter = DarkBox(alone, alone.rect().adjusted(1, 1, -1, -1));
        ASSERT_TRUE(letter) << shownLine;
        EXPECT_LE(ClearlyDifferentPixels(tall, alone, *letter), 2)
            << "alignment " << alignment << " shows " << shownLine;
    }
}

TEST_F(SheetPictureTest, TextIsClippedToItsCell)
{
    Set("A1", "a very long text that does not fit at all");
    Set("A2", 123456789012.0);
    Format("A2", [](CellFormat& f) { f.numberFormat = "#0"; });
    const QImage picture = Render("A1:C2");
    EXPECT_FALSE(DarkBox(picture, QRect(64, 0, 129, 17)));  // B1 and C1 stay empty
    EXPECT_TRUE(DarkBox(picture, QRect(1, 1, 62, 15)));
    // A number too wide for its cell shows "#" signs, never part of its digits.
    const auto hashes = DarkBox(picture, QRect(1, 18, 62, 16));
    ASSERT_TRUE(hashes);
    EXPECT_FALSE(DarkBox(picture, QRect(64, 17, 129, 17)));
}

TEST_F(SheetPictureTest, FontColourComesFromThePalette)
{
    Set("A1", "RED");
    Format("A1", [](CellFormat& f) {
        f.font.colorIndex = 3;
        f.font.bold = true;
        f.font.size = 12;
    });
    const QImage picture = Render("A1");
    int reddish = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb pixel = picture.pixel(x, y);
            if (qRed(pixel) > 200 && qGreen(pixel) < 60 && qBlue(pixel) < 60)
                ++reddish;
        }
    }
    EXPECT_GT(reddish, 20);
}

TEST_F(SheetPictureTest, ADateSerialShowsThroughItsNumberFormat)
{
    sheet::Workbook other;
    sheet::Worksheet& text = other.AddSheet("Sheet1");
    const auto centred = [](CellFormat& f) {
        f.horizontalAlignment = sheet::xlCenter;
        f.numberFormat = "mmmm yyyy";
    };
    sheet.SetColumnWidth(1, 20);
    text.SetColumnWidth(1, 20);
    Set("A1", 44562);
    Format("A1", centred);
    text.SetCellValue(1, 1, "January 2022");
    text.ApplyFormat(CellRange::Cell(1, 1), centred);
    EXPECT_EQ(Render("A1"), RenderRangePicture(text, CellRange::Cell(1, 1)));
    EXPECT_TRUE(DarkBox(Render("A1"), QRect(1, 1, 140, 15)));
}

TEST_F(SheetPictureTest, ARangeTooLargeToDrawFailsClearly)
{
    EXPECT_THROW(Render("A1:IV65536"), sheet::HostError);
}

}  // namespace
}  // namespace morvessa
