// Writes the fuzzer's seed workbooks: a tiny one (mini stream), one with every kind of format,
// a calendar month, and the hostile shapes cut to the fuzzer's input size. Built and run by
// scripts/fuzz.sh when the corpus is empty.
//   make_seeds DIR              the seeds
//   make_seeds --hostile DIR    the hostile shapes at full size, for measuring the reader

#include <fstream>
#include <string>

#include "spreadsheet/Application.h"
#include "spreadsheet/xls/XlsFile.h"
#include "spreadsheet/HostileWorkbooks.h"
#include "spreadsheet/ModelCalendarBuilder.h"

using namespace morvessa::sheet;

static void SaveBytes(const std::vector<uint8_t>& bytes, const std::string& path)
{
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

static void Save(const Workbook& wb, const std::string& path)
{
    SaveBytes(xls::WriteWorkbookBytes(wb), path);
}

int main(int argc, char** argv)
{
    namespace hostile = testing::hostile;
    if (argc > 2 && std::string(argv[1]) == "--hostile") {
        for (const auto& [name, bytes] : hostile::FullSizeShapes())
            SaveBytes(bytes, std::string(argv[2]) + "/" + name);
        return 0;
    }
    const std::string dir = argc > 1 ? argv[1] : ".";
    // The fuzzer reads at most 64 KB of a seed: the same shapes, scaled to fit.
    SaveBytes(hostile::AliasedSheets(), dir + "/hostile_aliased_sheets.xls");
    SaveBytes(hostile::SheetsReachingTheLastRow(1024), dir + "/hostile_sheets_reaching_last_row.xls");
    SaveBytes(hostile::SheetInsideAnother(), dir + "/hostile_sheet_inside_another.xls");
    SaveBytes(hostile::ManyMergedAreas(7000), dir + "/hostile_merged_areas.xls");
    SaveBytes(hostile::ManyMergedAreas(6000, 60), dir + "/hostile_merged_areas_in_sheets.xls");
    SaveBytes(hostile::OverlappingMergedAreas(), dir + "/hostile_merged_areas_overlapping_late.xls");
    {
        Workbook wb;
        wb.AddSheet("Tiny").SetCellValue(1, 1, std::string("x"));
        Save(wb, dir + "/tiny.xls");
    }
    {
        Workbook wb;
        Worksheet& s = wb.AddSheet("Formats");
        CellFormat f;
        f.font = {"Times New Roman", 20, true, true, false, xlUnderlineStyleSingle, 3};
        f.Border(xlEdgeLeft) = {xlContinuous, xlThin, xlColorIndexAutomatic};
        f.Border(xlDiagonalUp) = {xlDash, xlMedium, 4};
        f.interior = {xlGray25, 19, 5};
        f.numberFormat = "mmmm yyyy";
        s.SetCellFormatId(2, 2, wb.Formats().Intern(f));
        s.SetCellValue(2, 2, 45292.5);
        s.SetCellValue(3, 3, std::string("\xD0\x9F\xD0\xBE\xD0\xBB"));
        s.SetRowFormatId(5, wb.Formats().Intern(f));
        s.SetColumnFormatId(4, wb.Formats().Intern(f));
        s.SetRowHeight(4, 30);
        s.SetColumnWidth(2, 1.57);
        s.AddMergedArea({6, 1, 8, 3});
        wb.AddSheet("Second").SetCellValue(1, 1, 1.0);
        wb.SetActiveSheetIndex(2);
        Save(wb, dir + "/formats.xls");
    }
    {
        Application app;
        Workbook& book = testing::PrepareWorkbook(app, 36);
        testing::BuildMonth(app, book, 2024, 2, 15);
        app.Sheets().Item("Dead").Delete();
        app.Sheets().Item("Calendar Template").Delete();
        Save(book, dir + "/month.xls");
    }
    return 0;
}
