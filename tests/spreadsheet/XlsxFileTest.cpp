// The .xlsx writer, checked through an independent reader (Debian's python3-openpyxl) against the
// .xls of the same workbook read by another one (python3-xlrd): what a user sees must be the same
// in both files.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "spreadsheet/Application.h"
#include "spreadsheet/HostError.h"
#include "spreadsheet/ModelCalendarBuilder.h"
#include "spreadsheet/xls/XlsFile.h"
#include "spreadsheet/xlsx/XlsxFile.h"
#include "spreadsheet/xlsx/XlsxWriterLibrary.h"

namespace morvessa::sheet::xlsx {
namespace {

namespace fs = std::filesystem;
constexpr const char* kPython = "/usr/bin/python3";

bool ReadersAvailable()
{
    return fs::exists(kPython) &&
           std::system((std::string(kPython) + " -c 'import xlrd, openpyxl' 2>/dev/null").c_str()) == 0;
}

// Runs a Python snippet or script; its exit status and everything it printed.
std::pair<int, std::string> RunPython(const std::string& arguments)
{
    FILE* pipe = ::popen((std::string(kPython) + " " + arguments + " 2>&1").c_str(), "r");
    std::string text;
    char buffer[65536];
    for (size_t n; pipe && (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        text.append(buffer, n);
    const int status = pipe ? ::pclose(pipe) : -1;
    return {status, text};
}

class XlsxFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = fs::temp_directory_path() / ("morvessa-xlsx-test-" + std::to_string(::getpid()));
        fs::create_directories(folder_);
    }
    void TearDown() override
    {
        std::error_code ignored;
        fs::permissions(folder_, fs::perms::owner_all, ignored);
        fs::remove_all(folder_, ignored);
    }

    // Saves the workbook in both formats and compares what the two readers see.
    ::testing::AssertionResult SameAsXls(const Workbook& wb, const std::string& name)
    {
        const std::string xlsPath = (folder_ / (name + ".xls")).string();
        const std::string xlsxPath = (folder_ / (name + ".xlsx")).string();
        xls::SaveWorkbook(wb, xlsPath);
        SaveWorkbook(wb, xlsxPath);
        const auto [status, output] =
            RunPython(std::string(MORVESSA_SOURCE_DIR) + "/tests/spreadsheet/compare_xlsx_xls.py " + xlsPath +
                      " " + xlsxPath);
        if (status != 0)
            return ::testing::AssertionFailure() << output;
        return ::testing::AssertionSuccess() << output;
    }

    // What openpyxl reports for an expression over `wb` (the loaded workbook).
    std::string Openpyxl(const std::string& path, const std::string& expression)
    {
        const auto [status, output] = RunPython("-c \"import openpyxl; wb = openpyxl.load_workbook('" + path +
                                                "'); print(" + expression + ")\"");
        EXPECT_EQ(status, 0) << output;
        return output.substr(0, output.find_last_not_of('\n') + 1);
    }

    fs::path folder_;
};

TEST_F(XlsxFile, CalendarsReadTheSameAsTheirXls)
{
    if (!ReadersAvailable())
        GTEST_SKIP() << "/usr/bin/python3 with xlrd and openpyxl is not installed";
    for (int year : {2024, 2026, 2100}) {
        Application app;
        Workbook& book = sheet::testing::BuildCalendar(app, year);
        // Another sheet active, with a selection whose active cell is not its first cell.
        app.Sheets().Item("May").Activate();
        app.Range("C3:F9").Select();
        app.Range("E5").Activate();
        EXPECT_TRUE(SameAsXls(book, "calendar-" + std::to_string(year))) << year;
    }
}

TEST_F(XlsxFile, EveryFormatPropertyAndSheetSettingCarriesOver)
{
    if (!ReadersAvailable())
        GTEST_SKIP() << "/usr/bin/python3 with xlrd and openpyxl is not installed";
    Workbook wb;
    Worksheet& s = wb.AddSheet("Formats");
    CellFormat f;
    f.font = {"Times New Roman", 14.5, true, true, false, xlUnderlineStyleSingle, 1};  // black: RGB 0
    f.Border(xlEdgeLeft) = {xlContinuous, xlMedium, 10};
    f.Border(xlEdgeTop) = {xlDash, xlThin, 3};
    f.Border(xlEdgeBottom) = {xlDouble, xlThick, xlColorIndexAutomatic};
    f.Border(xlEdgeRight) = {xlDot, xlThin, 56};
    f.interior = {xlGray50, 6, 11};
    f.horizontalAlignment = xlRight;
    f.verticalAlignment = xlTop;
    f.wrapText = true;
    f.numberFormat = "0.00%";
    s.SetCellFormatId(1, 1, wb.Formats().Intern(f));
    s.SetCellValue(1, 1, 0.125);
    CellFormat solid;
    solid.interior = {xlSolid, 1, xlColorIndexAutomatic};  // a black fill
    solid.font.colorIndex = 2;
    solid.horizontalAlignment = xlCenterAcrossSelection;
    s.SetCellFormatId(2, 2, wb.Formats().Intern(solid));
    s.SetCellValue(2, 2, std::string("\xE2\x82\xAC 5 \xE6\x97\xA5"));
    // A whole row and a whole column formatted, a cell of default format inside the row.
    CellFormat rowFormat;
    rowFormat.interior = {xlSolid, 44, xlColorIndexAutomatic};
    s.SetRowFormatId(4, wb.Formats().Intern(rowFormat));
    s.SetCellFormatId(4, 3, FormatTable::kDefaultId);
    CellFormat columnFormat;
    columnFormat.font.bold = true;
    s.SetColumnFormatId(6, wb.Formats().Intern(columnFormat));
    s.SetCellValue(7, 6, 42);
    s.SetColumnWidth(2, 20);
    s.SetColumnWidth(3, 0.5);
    s.SetColumnWidth(4, 0);
    s.SetRowHeight(3, 24.75);
    s.SetRowHeight(5, 0);
    s.AddMergedArea(CellRange{2, 2, 3, 4});       // B2:D3
    s.SetSelection(CellRange{2, 2, 6, 5}, 4, 3);  // B2:E6, active C4
    PageLayout layout;
    layout.landscape = false;
    layout.zoom = 75;
    layout.centerHorizontally = true;
    s.SetLayout(layout);

    // A sheet of other standard sizes, fitted to two pages wide, landscape on Letter.
    Worksheet& t = wb.AddSheet("Sizes");
    t.SetStandardWidth(12);
    t.SetStandardHeight(15);
    t.SetCellValue(2, 2, std::string("x"));
    t.SetColumnWidth(3, 5);
    PageLayout fitted;
    fitted.landscape = true;
    fitted.fitToPages = true;
    fitted.fitPagesWide = 2;
    fitted.fitPagesTall = 0;
    fitted.paperSize = xlPaperLetter;
    t.SetLayout(fitted);
    wb.AddSheet("Empty");
    wb.SetActiveSheetIndex(2);

    EXPECT_TRUE(SameAsXls(wb, "formats"));
    const std::string path = (folder_ / "formats.xlsx").string();
    // What the comparison does not look at: diagonals, rotation, number formats, underline.
    EXPECT_EQ(Openpyxl(path, "(wb['Formats']['A1'].number_format, wb['Formats']['A1'].font.u)"),
              "('0.00%', 'single')");
}

TEST_F(XlsxFile, DiagonalsRotationAndProtectionReachTheFile)
{
    if (!ReadersAvailable())
        GTEST_SKIP() << "/usr/bin/python3 with openpyxl is not installed";
    Workbook wb;
    Worksheet& s = wb.AddSheet("Odd");
    CellFormat f;
    f.Border(xlDiagonalDown) = {xlContinuous, xlThin, 3};
    f.Border(xlDiagonalUp) = {xlContinuous, xlThin, 3};
    f.orientation = 255;
    f.indentLevel = 2;
    f.shrinkToFit = true;
    f.locked = false;
    f.formulaHidden = true;
    s.SetCellFormatId(1, 1, wb.Formats().Intern(f));
    CellFormat turned;
    turned.orientation = -45;
    s.SetCellFormatId(1, 2, wb.Formats().Intern(turned));
    const std::string path = (folder_ / "odd.xlsx").string();
    SaveWorkbook(wb, path);

    EXPECT_EQ(Openpyxl(path, "[(c.border.diagonalUp, c.border.diagonalDown, c.border.diagonal.style, "
                             "c.border.diagonal.color.rgb, c.alignment.textRotation, c.alignment.indent, "
                             "c.alignment.shrink_to_fit, c.protection.locked, c.protection.hidden) "
                             "for c in [wb.active['A1']]]"),
              "[(True, True, 'thin', 'FFFF0000', 255, 2.0, True, False, True)]");
    EXPECT_EQ(Openpyxl(path, "wb.active['B1'].alignment.textRotation"), "135");
}

TEST_F(XlsxFile, SaveAsTakesTheExcelWorkbookCode)
{
    Application app;
    Workbook& book = app.Workbooks().Add();
    app.Range("B2").Value(7);
    const std::string path = (folder_ / "saved as.xlsx").string();
    book.SaveAs(path, xlOpenXMLWorkbook);
    EXPECT_EQ(book.Name(), "saved as.xlsx");
    std::ifstream in(path, std::ios::binary);
    char magic[2] = {};
    in.read(magic, 2);
    EXPECT_EQ(std::string(magic, 2), "PK");  // a zip package, not a compound file
}

TEST_F(XlsxFile, FailedSaveKeepsTheOldFileAndSaysWhy)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    Workbook wb;
    wb.AddSheet("A").SetCellValue(1, 1, 1);
    const fs::path target = folder_ / "kept.xlsx";
    {
        std::ofstream(target) << "old content";
    }
    fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
    try {
        SaveWorkbook(wb, target.string());
        ADD_FAILURE() << "the save did not fail";
    } catch (const XlsxError& error) {
        EXPECT_NE(std::string(error.what()).find(target.string()), std::string::npos) << error.what();
    }
    fs::permissions(folder_, fs::perms::owner_all);
    std::ifstream in(target);
    std::string content;
    std::getline(in, content);
    EXPECT_EQ(content, "old content");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

TEST_F(XlsxFile, TextBeyondTheFormatsLimitIsRefusedWithAReason)
{
    Workbook wb;
    wb.AddSheet("Long").SetCellValue(1, 1, std::string(40000, 'x'));
    const fs::path target = folder_ / "long.xlsx";
    try {
        SaveWorkbook(wb, target.string());
        ADD_FAILURE() << "the save did not fail";
    } catch (const XlsxError& error) {
        EXPECT_EQ(
            std::string(error.what()),
            "The workbook could not be written: a cell of sheet \"Long\": String exceeds Excel's limit of "
            "32,767 characters.");
    }
    EXPECT_FALSE(fs::exists(target));
}

TEST_F(XlsxFile, MissingFolderOrAFolderInTheWayIsAnErrorNotACrash)
{
    Workbook wb;
    wb.AddSheet("A");
    EXPECT_THROW(SaveWorkbook(wb, (folder_ / "no such folder" / "x.xlsx").string()), XlsxError);
    // A folder under the target name stays as it was, and no partial file is left beside it.
    const fs::path inTheWay = folder_ / "taken.xlsx";
    fs::create_directories(inTheWay / "inside");
    EXPECT_THROW(SaveWorkbook(wb, inTheWay.string()), XlsxError);
    EXPECT_TRUE(fs::is_directory(inTheWay / "inside"));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

// The library is loaded when the first .xlsx is written: one that is missing, or that lacks a
// function the writer calls, is named in the error instead of ending the program.
TEST(XlsxWriterLibrary, AMissingOrForeignLibraryIsAClearError)
{
    const auto messageOf = [](const std::string& file) -> std::string {
        try {
            LoadXlsxWriterFrom(file);
        } catch (const XlsxError& error) {
            return error.what();
        }
        return "(loaded)";
    };
    const std::string missing = messageOf("libmorvessa-no-such-library.so.9");
    EXPECT_NE(missing.find("libmorvessa-no-such-library.so.9 could not be loaded"), std::string::npos)
        << missing;
    EXPECT_NE(missing.find("Install libxlsxwriter"), std::string::npos) << missing;
    const std::string foreign = messageOf("libc.so.6");
    EXPECT_NE(foreign.find("libc.so.6 has no function"), std::string::npos) << foreign;
}

TEST(XlsxWriterLibrary, TheInstalledLibraryHasEveryFunction)
{
    const XlsxWriterLibrary& library = XlsxWriter();
#define MORVESSA_EXPECT_LOADED(name) EXPECT_NE(library.name, nullptr) << #name;
    MORVESSA_XLSXWRITER_FUNCTIONS(MORVESSA_EXPECT_LOADED)
#undef MORVESSA_EXPECT_LOADED
    EXPECT_EQ(&XlsxWriter(), &library) << "loaded once";
}

}  // namespace
}  // namespace morvessa::sheet::xlsx
