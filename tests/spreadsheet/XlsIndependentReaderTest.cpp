// Files written by the host, read by an independent reader (Debian's python3-xlrd with
// formatting information): what a user would see must match what the host was told.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <unistd.h>

#include "spreadsheet/Application.h"
#include "spreadsheet/ModelCalendarBuilder.h"
#include "spreadsheet/xls/XlsFile.h"

namespace morvessa::sheet::xls {
namespace {

constexpr const char* kPython = "/usr/bin/python3";

bool XlrdAvailable()
{
    if (!std::filesystem::exists(kPython))
        return false;
    return std::system((std::string(kPython) + " -c 'import xlrd' 2>/dev/null").c_str()) == 0;
}

// The reader's view: "cell Sheet!A1" -> its properties, "merged Sheet!A1:B2" -> "", etc.
class XlrdView {
public:
    explicit XlrdView(const Workbook& wb)
    {
        const auto path =
            std::filesystem::temp_directory_path() / ("morvessa-xlrd-" + std::to_string(::getpid()) + ".xls");
        SaveWorkbook(wb, path.string());
        const std::string command = std::string(kPython) + " " + MORVESSA_SOURCE_DIR +
                                    "/tests/spreadsheet/xlrd_dump.py " + path.string() + " 2>&1";
        FILE* pipe = ::popen(command.c_str(), "r");
        std::string text;
        char buffer[65536];
        for (size_t n; pipe && (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            text.append(buffer, n);
        status_ = pipe ? ::pclose(pipe) : -1;
        std::filesystem::remove(path);
        std::istringstream lines(text);
        for (std::string line; std::getline(lines, line);) {
            const size_t first = line.find(' ');
            const size_t second = line.find_first_of(" \t", first + 1);
            const std::string key = line.substr(0, second);
            facts_[key] = second == std::string::npos ? "" : line.substr(second + 1);
            order_.push_back(key);
        }
        if (status_ != 0)
            ADD_FAILURE() << "xlrd failed: " << text;
    }

    bool Has(const std::string& key) const { return facts_.count(key) != 0; }
    std::string Fact(const std::string& key) const
    {
        auto it = facts_.find(key);
        return it == facts_.end() ? "<missing " + key + ">" : it->second;
    }
    // One property ("fill", "font", ...) of a cell.
    std::string Cell(const std::string& where, const std::string& property) const
    {
        std::istringstream parts(Fact("cell " + where));
        for (std::string part; std::getline(parts, part, '\t');)
            if (part.rfind(property + "=", 0) == 0)
                return part.substr(property.size() + 1);
        return "<no " + property + " at " + where + ">";
    }
    size_t Count(const std::string& prefix) const
    {
        size_t n = 0;
        for (const auto& key : order_)
            n += key.rfind(prefix, 0) == 0;
        return n;
    }
    const std::vector<std::string>& Keys() const { return order_; }

private:
    int status_ = 0;
    std::map<std::string, std::string> facts_;
    std::vector<std::string> order_;
};

class XlsIndependentReader : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!XlrdAvailable())
            GTEST_SKIP() << "/usr/bin/python3 with xlrd is not installed";
    }
};

TEST_F(XlsIndependentReader, CalendarMonthShowsItsLayoutColoursAndText)
{
    Application app;
    Workbook& book = sheet::testing::BuildCalendar(app, 2024);
    app.Sheets().Item("March").Activate();
    const XlrdView view(book);

    for (int m = 0; m < 12; ++m)
        EXPECT_TRUE(view.Has(std::string("sheet ") + sheet::testing::kMonthNames[m]));
    EXPECT_EQ(view.Count("sheet "), 12u);
    EXPECT_EQ(view.Fact("sheet March"), "index=2 selected=1");
    EXPECT_EQ(view.Fact("sheet January"), "index=0 selected=0");

    // Title: merged, Arial bold 20, centred, "mmmm yyyy", white fill (palette index 2).
    EXPECT_TRUE(view.Has("merged March!A1:BD5"));
    EXPECT_EQ(view.Cell("March!A1", "value"), "\"March 2024\"");
    EXPECT_EQ(view.Cell("March!A1", "font"), "Arial/20/1/0/0/auto");
    EXPECT_EQ(view.Cell("March!A1", "align"), "2/1/0");
    EXPECT_EQ(view.Cell("March!A1", "format"), "\"mmmm yyyy\"");
    EXPECT_EQ(view.Cell("March!A1", "fill"), "1/255,255,255");

    // Weekday header and day cells: bold Arial 12, thin automatic borders, wrap, centred.
    EXPECT_TRUE(view.Has("merged March!AW6:BD8"));
    EXPECT_EQ(view.Cell("March!AW6", "value"), "\"Saturday\"");
    EXPECT_EQ(view.Cell("March!AW6", "font"), "Arial/12/1/0/0/auto");
    // Borders run around merged areas, not through them: the corners of AW6:BD8 carry the edges.
    EXPECT_EQ(view.Cell("March!AW6", "border"), "1/auto,1/auto,0/none,0/none");
    EXPECT_EQ(view.Cell("March!BD8", "border"), "0/none,0/none,1/auto,1/auto");
    EXPECT_EQ(view.Cell("March!AW6", "align"), "2/1/1");
    // March 2024 begins on a Friday: day 1 at AO9, day 31 at A49 (light yellow 19), notes below.
    EXPECT_EQ(view.Cell("March!AO9", "value"), "1.0");
    EXPECT_EQ(view.Cell("March!AO9", "fill"), "1/255,255,204");
    EXPECT_EQ(view.Cell("March!A49", "value"), "31.0");
    EXPECT_TRUE(view.Has("merged March!A49:H50"));
    EXPECT_TRUE(view.Has("merged March!A51:H56"));
    // Leading blocks before the 1st take the empty colour (15, light grey).
    EXPECT_EQ(view.Cell("March!A9", "fill"), "1/192,192,192");
    EXPECT_EQ(view.Cell("March!AG11", "fill"), "1/192,192,192");
    // Notes of a day take the days colour (36, light yellow) ...
    EXPECT_EQ(view.Cell("March!AO11", "fill"), "1/255,255,153");
    // ... and a holiday name is written in red into the notes cell of its day.
    EXPECT_EQ(view.Cell("July!AG11", "value"), "\"Independence Day\"");
    EXPECT_EQ(view.Cell("July!AG11", "font"), "Arial/12/1/0/0/255,0,0");

    // Columns 1.57 characters wide (16 pixels), rows 9 points high.
    EXPECT_EQ(view.Fact("width March!A"), "585");
    EXPECT_EQ(view.Fact("width March!BD"), "585");
    EXPECT_EQ(view.Fact("height March!1"), "180 custom=1");
    EXPECT_EQ(view.Fact("height March!56"), "180 custom=1");
}

TEST_F(XlsIndependentReader, FillPatternsBordersFontsAndFormatsOfSingleCells)
{
    Workbook wb;
    Worksheet& s = wb.AddSheet("Cells");
    CellFormat f;
    f.font = {"Times New Roman", 14.5, false, true, false, xlUnderlineStyleSingle, 5};
    f.Border(xlEdgeLeft) = {xlContinuous, xlMedium, 10};
    f.Border(xlEdgeTop) = {xlDash, xlThin, 3};
    f.Border(xlEdgeBottom) = {xlDouble, xlThick, xlColorIndexAutomatic};
    f.Border(xlEdgeRight) = {xlDot, xlThin, 56};
    f.interior = {xlGray50, 6, 11};
    f.horizontalAlignment = xlLeft;
    f.verticalAlignment = xlTop;
    f.numberFormat = "0.00%";
    s.SetCellFormatId(1, 1, wb.Formats().Intern(f));
    s.SetCellValue(1, 1, 0.125);
    CellFormat custom;
    custom.numberFormat = "#,##0.000 \"units\"";
    s.SetCellFormatId(2, 1, wb.Formats().Intern(custom));
    s.SetCellValue(2, 1, std::string("\xE2\x82\xAC 5"));
    s.SetColumnWidth(2, 20);
    s.SetRowHeight(3, 24.75);
    const XlrdView view(wb);

    EXPECT_EQ(view.Cell("Cells!A1", "value"), "0.125");
    EXPECT_EQ(view.Cell("Cells!A1", "font"), "Times New Roman/14.5/0/1/1/0,0,255");
    EXPECT_EQ(view.Cell("Cells!A1", "border"), "2/0,128,0,3/255,0,0,6/auto,4/51,51,51");
    // A 50% grey pattern: yellow (6) under a navy (11) pattern; xlrd shows the background colour.
    EXPECT_EQ(view.Cell("Cells!A1", "fill"), "2/255,255,0");
    EXPECT_EQ(view.Cell("Cells!A1", "align"), "1/0/0");
    EXPECT_EQ(view.Cell("Cells!A1", "format"), "\"0.00%\"");
    EXPECT_EQ(view.Cell("Cells!A2", "value"), "\"\xE2\x82\xAC 5\"");
    EXPECT_EQ(view.Cell("Cells!A2", "format"), "\"#,##0.000 \\\"units\\\"\"");
    EXPECT_EQ(view.Fact("width Cells!B"), "5302");
    EXPECT_EQ(view.Fact("height Cells!3"), "495 custom=1");
}

TEST_F(XlsIndependentReader, TinyWorkbookInTheMiniStreamOpens)
{
    Workbook wb;
    wb.AddSheet("Tiny").SetCellValue(1, 1, std::string("x"));
    ASSERT_LT(WriteWorkbookBytes(wb).size(), 8192u);
    const XlrdView view(wb);
    EXPECT_EQ(view.Cell("Tiny!A1", "value"), "\"x\"");
}

TEST_F(XlsIndependentReader, SharedStringsSplitOverContinueRecordsReadBackWhole)
{
    Workbook wb;
    Worksheet& s = wb.AddSheet("Texts");
    // Enough long texts, single-byte and two-byte, to cross several record boundaries.
    for (int r = 1; r <= 300; ++r) {
        std::string text = "row " + std::to_string(r) + " ";
        while (text.size() < size_t(50 + 3 * r))
            text += (r % 2) ? "abc" : "\xD0\xB6";
        s.SetCellValue(r, 1, text);
    }
    const XlrdView view(wb);
    for (int r = 1; r <= 300; ++r) {
        const std::string& expected = s.FindCell(r, 1)->value.Text();
        std::string json = view.Cell("Texts!A" + std::to_string(r), "value");
        ASSERT_EQ(json.substr(1, json.size() - 2), expected) << "row " << r;
    }
}

}  // namespace
}  // namespace morvessa::sheet::xls
