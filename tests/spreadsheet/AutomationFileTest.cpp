// Saving through Workbook.SaveAs and opening through Workbooks.Open, as the generation saves its
// workbook in one instance and reopens it in another.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "spreadsheet/HostError.h"
#include "spreadsheet/ModelCalendarBuilder.h"

namespace morvessa::sheet {
namespace {

std::string ErrorOfOpen(Application& app, const std::string& path)
{
    try {
        app.Workbooks().Open(path);
    } catch (const std::exception& error) {
        return error.what();
    }
    return "(no error)";
}

class AutomationFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = std::filesystem::temp_directory_path() / ("automation_file_" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }
    std::filesystem::path folder;
};

TEST_F(AutomationFile, SavedCalendarReopensInASecondInstanceAsItWasLeft)
{
    const std::string path = (folder / "tqmrex12345678.xls").string();
    {
        Application app;
        Workbook& book = testing::BuildCalendar(app, 2024);
        app.Sheets().Item(3).Select();
        app.Range("I11").Select();
        book.SaveAs(path, xlExcel8);
        EXPECT_EQ(book.Name(), "tqmrex12345678.xls");
        EXPECT_EQ(book.FullName(), path);
        app.DisplayAlerts(false);
        book.Close();
        app.Quit();
    }
    Application second;
    second.Workbooks().Open(path);
    Workbook& opened = second.Workbooks().Item(second.Workbooks().Count());
    EXPECT_EQ(opened.Name(), "tqmrex12345678.xls");
    ASSERT_EQ(opened.Sheets().Count(), 12);
    EXPECT_EQ(opened.ActiveSheet().Name(), "March");
    EXPECT_EQ(second.ActiveCell().Address(), "$I$11");
    Worksheet& march = opened.Sheets().Item("March");
    EXPECT_EQ(march.Range("AO9").Value(), CellValue(1.0));
    EXPECT_EQ(march.Range("A49").Value(), CellValue(31.0));
    EXPECT_EQ(march.Range("A1").Value(), CellValue("March 2024"));
    EXPECT_EQ(march.Range("A9").Interior().ColorIndex(), 15);
    EXPECT_TRUE(march.Range("B10").MergeCells());
    EXPECT_EQ(march.Range("A1").Font().Size(), 20);
    EXPECT_EQ(march.Range("A1").NumberFormat(), "mmmm yyyy");
    EXPECT_EQ(march.Range("BD1").ColumnWidth(), 1.57);
    // The reopened workbook is as usable as a new one.
    march.Activate();
    EXPECT_EQ(march.Range("A6:BD100").Find(17, xlFormulas, xlWhole).Address(), "$A$33");
    EXPECT_EQ(ErrorOfOpen(second, path), "A document with the name 'tqmrex12345678.xls' is already open.");
}

TEST_F(AutomationFile, NormalFileFormatAlsoWritesA97To2003Workbook)
{
    const std::string path = (folder / "old.xls").string();
    Application app;
    Workbook& book = app.Workbooks().Add();
    app.Range("B2").Value("kept");
    book.SaveAs(path, xlNormal);
    Application other;
    EXPECT_EQ(other.Workbooks().Open(path).Sheets().Item(1).Range("B2").Value(), CellValue("kept"));
}

TEST_F(AutomationFile, OpeningAMissingOrBrokenFileFailsAndOpensNothing)
{
    Application app;
    EXPECT_THROW(app.Workbooks().Open((folder / "missing.xls").string()), std::runtime_error);
    const std::filesystem::path broken = folder / "broken.xls";
    std::FILE* file = std::fopen(broken.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fputs("not a workbook at all", file);
    std::fclose(file);
    EXPECT_THROW(app.Workbooks().Open(broken.string()), std::runtime_error);
    EXPECT_EQ(app.Workbooks().Count(), 0);
    EXPECT_THROW(app.ActiveWorkbook(), NothingError);
}

}  // namespace
}  // namespace morvessa::sheet
