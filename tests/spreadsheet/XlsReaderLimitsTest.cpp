// Files shaped to cost a reader gigabytes or minutes: each is refused with a clear message, or
// opens within the limits the reader counts (cells and rows, merged areas, sheet positions).

#include <gtest/gtest.h>

#include "spreadsheet/HostError.h"
#include "spreadsheet/Workbook.h"
#include "spreadsheet/Worksheet.h"
#include "spreadsheet/HostileWorkbooks.h"
#include "spreadsheet/xls/WorkbookReader.h"
#include "spreadsheet/xls/XlsFile.h"

namespace morvessa::sheet::xls {
namespace {

namespace hostile = sheet::testing::hostile;

std::string ReadError(const std::vector<uint8_t>& file)
{
    try {
        ReadWorkbookBytes(file);
    } catch (const XlsError& e) {
        return e.what();
    }
    return "<opened>";
}

TEST(XlsReaderLimits, SheetPositionsThatRepeatOrLieInsideAnotherAreRefused)
{
    EXPECT_EQ(
        ReadError(hostile::AliasedSheets()),
        "The file is not a valid workbook: two sheets start at the same position of the workbook stream.");
    EXPECT_EQ(
        ReadError(hostile::AliasedSheets(2)),
        "The file is not a valid workbook: two sheets start at the same position of the workbook stream.");
    EXPECT_EQ(
        ReadError(hostile::AliasedSheetsWithMergedAreas()),
        "The file is not a valid workbook: two sheets start at the same position of the workbook stream.");
    EXPECT_EQ(ReadError(hostile::SheetInsideAnother()),
              "The file is not a valid workbook: a sheet lies inside another sheet.");
    EXPECT_EQ(ReadError(hostile::SheetInsideTheGlobals()),
              "The file is not a valid workbook: a sheet lies inside the workbook globals.");
}

TEST(XlsReaderLimits, RowsUpToTheLastCountAgainstTheCellLimit)
{
    // 1,024 sheets of 65,536 rows each: 67 million row slots from a 45 KB file.
    EXPECT_EQ(ReadError(hostile::SheetsReachingTheLastRow()), "The workbook is too large to be opened.");
    EXPECT_EQ(ReadError(hostile::CellsAtTheLastColumn()), "The workbook is too large to be opened.");
    EXPECT_EQ(ReadError(hostile::CellsAtTheLastColumn(7800)), "The workbook is too large to be opened.");
    EXPECT_EQ(ReadWorkbookBytes(hostile::CellsAtTheLastColumn(7700))->Sheet(1).RowInfos().size(), 7700u);
    // A few such sheets are a legitimate (if odd) workbook and open.
    const auto book = ReadWorkbookBytes(hostile::SheetsReachingTheLastRow(3));
    ASSERT_EQ(book->SheetCount(), 3);
    EXPECT_DOUBLE_EQ(book->Sheet(3).RowHeightAt(65536), 15);
}

TEST(XlsReaderLimits, MergedAreasAreCountedAcrossTheWorkbook)
{
    EXPECT_EQ(ReadError(hostile::ManyMergedAreas()), "The workbook has too many merged areas to be opened.");
    EXPECT_EQ(ReadError(hostile::ManyMergedAreas(120'000, 120)),
              "The workbook has too many merged areas to be opened.");
    // Up to the limit they open, every area kept.
    const auto book = ReadWorkbookBytes(hostile::ManyMergedAreas(kMaxMergedAreas, 4));
    size_t areas = 0;
    for (int i = 1; i <= book->SheetCount(); ++i)
        areas += book->Sheet(i).MergedAreas().size();
    EXPECT_EQ(areas, kMaxMergedAreas);
}

TEST(XlsReaderLimits, CellTextIsCountedWithEveryCopy)
{
    // 65,000 cells sharing one 96 KB text would hold 6 GB.
    EXPECT_EQ(ReadError(hostile::LongTextInEveryCell()), "The workbook is too large to be opened.");
    // 300 copies, 29 MB, still open.
    const auto book = ReadWorkbookBytes(hostile::LongTextInEveryCell(300));
    EXPECT_EQ(book->Sheet(1).FindCell(300, 1)->value.Text().size(), 3u * 32767);
}

TEST(XlsReaderLimits, AnOverlapFarApartInTheFileIsStillFound)
{
    EXPECT_EQ(
        ReadError(hostile::OverlappingMergedAreas()),
        "The file is not a valid workbook: The merged area $B$1:$B$6 overlaps the merged area $A$1:$B$1");
}

TEST(XlsReaderLimits, AddingManyMergedAreasChecksEachPairOnce)
{
    Workbook book;
    Worksheet& sheet = book.AddSheet("S");
    sheet.AddMergedArea({1, 1, 2, 2});
    std::vector<CellRange> areas;
    for (int row = 3; row <= 1000; ++row)
        for (int column = 1; column < 256; column += 2)
            areas.push_back({row, column, row, column + 1});
    sheet.AddMergedAreas(areas);
    EXPECT_EQ(sheet.MergedAreas().size(), 1 + areas.size());
    // Against the sheet's own areas as well as each other; nothing is added on failure.
    EXPECT_THROW(sheet.AddMergedAreas({{5000, 1, 5000, 3}, {2, 2, 3, 3}}), HostError);
    EXPECT_THROW(sheet.AddMergedAreas({{5000, 1, 5000, 3}, {4999, 3, 5001, 3}}), HostError);
    EXPECT_EQ(sheet.MergedAreas().size(), 1 + areas.size());
    // Touching corners are not overlaps; single cells are not merged areas.
    sheet.AddMergedAreas({{5000, 1, 5001, 2}, {5002, 3, 5003, 4}, {6000, 6, 6000, 6}});
    EXPECT_EQ(sheet.MergedAreas().size(), 3 + areas.size());
}

TEST(XlsReaderLimits, EveryShapeFailsOnlyWithXlsError)
{
    for (const auto& [name, file] : hostile::FullSizeShapes()) {
        SCOPED_TRACE(name);
        EXPECT_LT(file.size(), 1'000'000u) << "the shapes stay under a megabyte";
        try {
            ReadWorkbookBytes(file);
        } catch (const XlsError&) {
        }
    }
}

}  // namespace
}  // namespace morvessa::sheet::xls
