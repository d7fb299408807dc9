// The page layout in the file: WSBOOL's fit-to-page flag, HCENTER and the SETUP record, written
// with the printer fields defined once an orientation or a scale is set, and read back.

#include <gtest/gtest.h>

#include "spreadsheet/Application.h"
#include "spreadsheet/HostError.h"
#include "spreadsheet/xls/BiffRecordReader.h"
#include "spreadsheet/xls/BiffRecords.h"
#include "spreadsheet/xls/Bytes.h"
#include "spreadsheet/xls/CompoundFile.h"
#include "spreadsheet/xls/WorkbookReader.h"
#include "spreadsheet/xls/XlsFile.h"

namespace morvessa::sheet::xls {
namespace {

// Sheets "Plain" (default), "Month" (landscape, one page, centred) and "Zoomed" (portrait at 80 %).
Workbook& LayoutWorkbook(Application& app)
{
    Workbook& book = app.Workbooks().Add();
    Worksheet& plain = book.Sheets().Item(1);
    plain.Name("Plain");
    plain.Range("A1").Value("x");
    Worksheet& month = book.Sheets().Add(After{plain});
    month.Name("Month");
    month.Range("BD56").Value(31);
    PageSetup page = month.PageSetup();
    page.Orientation(xlLandscape);
    page.Zoom(false);
    page.FitToPagesWide(1);
    page.FitToPagesTall(1);
    page.CenterHorizontally(true);
    Worksheet& zoomed = book.Sheets().Add(After{month});
    zoomed.Name("Zoomed");
    zoomed.PageSetup().Zoom(80);
    zoomed.PageSetup().FitToPagesTall(0);
    return book;
}

struct SheetPrintRecords {
    std::vector<uint8_t> wsBool, hCenter, setup;
    size_t setupOffset = 0;  // in the stream
};

std::vector<uint8_t> WorkbookStream(const Workbook& book)
{
    return *CompoundFileReader(WriteWorkbookBytes(book)).ReadStream(u"Workbook");
}

// The print records of each worksheet substream, in sheet order.
std::vector<SheetPrintRecords> PrintRecords(const std::vector<uint8_t>& stream)
{
    std::vector<SheetPrintRecords> sheets;
    BiffRecordReader reader(stream, 0);
    bool inSheet = false;
    for (BiffRecord r; reader.Next(r);) {
        const std::vector<uint8_t> data(r.data.begin(), r.data.end());
        if (r.id == rec::kBof) {
            inSheet = GetU16(&data[2]) == kBofWorksheet;
            if (inSheet)
                sheets.emplace_back();
        } else if (inSheet && r.id == rec::kWsBool) {
            sheets.back().wsBool = data;
        } else if (inSheet && r.id == rec::kHCenter) {
            sheets.back().hCenter = data;
        } else if (inSheet && r.id == rec::kSetup) {
            sheets.back().setup = data;
            sheets.back().setupOffset = r.offset + 4;
        }
    }
    return sheets;
}

std::vector<uint8_t> SetupBytes(uint16_t paper, uint16_t scale, uint16_t fitWide, uint16_t fitTall,
                                uint16_t flags, uint16_t resolution)
{
    std::vector<uint8_t> d;
    for (uint16_t v : {paper, scale, uint16_t(1), fitWide, fitTall, flags, resolution, resolution})
        PutU16(d, v);
    PutF64(d, 0.5);
    PutF64(d, 0.5);
    PutU16(d, 1);
    return d;
}

TEST(XlsPageSetup, RecordsHoldOrientationFittingAndCentring)
{
    Application app;
    const auto sheets = PrintRecords(WorkbookStream(LayoutWorkbook(app)));
    ASSERT_EQ(sheets.size(), 3u);
    // A default sheet leaves the printer fields undefined (fNoPls), as before page layouts existed.
    EXPECT_EQ(sheets[0].wsBool, (std::vector<uint8_t>{0xC1, 0x04}));
    EXPECT_EQ(sheets[0].hCenter, (std::vector<uint8_t>{0, 0}));
    EXPECT_EQ(sheets[0].setup, SetupBytes(0, 100, 1, 1, kSetupPortrait | kSetupNoPrinterFields, 0));
    // Landscape: fFitToPage in WSBOOL, HCENTER on, fPortrait, fNoPls and fNoOrient all clear.
    EXPECT_EQ(sheets[1].wsBool, (std::vector<uint8_t>{0xC1, 0x05}));
    EXPECT_EQ(sheets[1].hCenter, (std::vector<uint8_t>{1, 0}));
    EXPECT_EQ(sheets[1].setup, SetupBytes(9, 100, 1, 1, 0, 600));
    EXPECT_EQ(sheets[2].wsBool, (std::vector<uint8_t>{0xC1, 0x04}));
    EXPECT_EQ(sheets[2].setup, SetupBytes(9, 80, 1, 0, kSetupPortrait, 600));
}

TEST(XlsPageSetup, LayoutsComeBackAndSaveToTheSameBytes)
{
    Application app;
    const Workbook& book = LayoutWorkbook(app);
    const std::vector<uint8_t> first = WriteWorkbookBytes(book);
    const auto back = ReadWorkbookBytes(first);
    ASSERT_EQ(back->SheetCount(), 3);
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(back->Sheet(i).Layout(), book.Sheet(i).Layout()) << i;
    EXPECT_TRUE(back->Sheet(2).Layout().landscape);
    EXPECT_EQ(back->Sheet(3).Layout().zoom, 80);
    EXPECT_EQ(WriteWorkbookBytes(*back), first);
}

TEST(XlsPageSetup, OddSetupFieldsKeepTheDefaultsInsteadOfFailing)
{
    Application app;
    std::vector<uint8_t> stream = WorkbookStream(LayoutWorkbook(app));
    const auto sheets = PrintRecords(stream);
    // "Month": a scale of 0, a page count past the limit, orientation marked undefined.
    const size_t at = sheets[1].setupOffset;
    SetU16(stream, at + 2, 0);
    SetU16(stream, at + 6, 0xFFFF);
    SetU16(stream, at + 10, kSetupNoOrientation);
    // "Zoomed": printer fields marked undefined, so its scale is not taken.
    SetU16(stream, sheets[2].setupOffset + 10, kSetupPortrait | kSetupNoPrinterFields);
    const auto book = ReadWorkbookStream(stream);
    const PageLayout& month = book->Sheet(2).Layout();
    EXPECT_FALSE(month.landscape);
    EXPECT_EQ(month.zoom, 100);
    EXPECT_EQ(month.fitPagesWide, 1);
    EXPECT_TRUE(month.fitToPages);
    EXPECT_EQ(book->Sheet(3).Layout().zoom, 100);
    EXPECT_EQ(book->Sheet(3).Layout().fitPagesTall, 0);
}

TEST(XlsPageSetup, PaperSizesAreWrittenAndReadBack)
{
    Application app;
    Workbook& book = LayoutWorkbook(app);
    book.Sheet(2).PageSetup().PaperSize(xlPaperLetter);
    // A paper of its own defines the printer fields even on an otherwise default sheet.
    book.Sheet(1).PageSetup().PaperSize(xlPaperLegal);
    EXPECT_THROW(book.Sheet(3).PageSetup().PaperSize(70), HostError);
    EXPECT_EQ(book.Sheet(3).PageSetup().PaperSize(), xlPaperA4);

    std::vector<uint8_t> stream = WorkbookStream(book);
    const auto sheets = PrintRecords(stream);
    EXPECT_EQ(sheets[0].setup, SetupBytes(5, 100, 1, 1, kSetupPortrait, 600));
    EXPECT_EQ(sheets[1].setup, SetupBytes(1, 100, 1, 1, 0, 600));
    EXPECT_EQ(sheets[2].setup, SetupBytes(9, 80, 1, 0, kSetupPortrait, 600));

    SetU16(stream, sheets[2].setupOffset, 70);  // a paper this program does not offer
    const auto back = ReadWorkbookStream(stream);
    EXPECT_EQ(back->Sheet(1).Layout().paperSize, xlPaperLegal);
    EXPECT_EQ(back->Sheet(2).Layout().paperSize, xlPaperLetter);
    EXPECT_EQ(back->Sheet(3).Layout().paperSize, xlPaperA4);
    EXPECT_EQ(back->Sheet(2).Layout(), book.Sheet(2).Layout());
}

}  // namespace
}  // namespace morvessa::sheet::xls
