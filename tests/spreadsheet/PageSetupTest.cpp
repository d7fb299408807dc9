// The automation "PageSetup" object: the host's constants, value checks, and sheet copies taking
// the page layout along.

#include <gtest/gtest.h>

#include "spreadsheet/Application.h"
#include "spreadsheet/HostError.h"

namespace morvessa::sheet {
namespace {

class PageSetupAutomation : public ::testing::Test {
protected:
    Application app;
    Workbook& book = app.Workbooks().Add();
    Worksheet& sheet = app.ActiveSheet();
};

TEST_F(PageSetupAutomation, DefaultsAreAPortraitPageAtFullSize)
{
    EXPECT_EQ(xlPortrait, 1);
    EXPECT_EQ(xlLandscape, 2);
    PageSetup page = sheet.PageSetup();
    EXPECT_EQ(page.Orientation(), xlPortrait);
    EXPECT_EQ(page.Zoom(), std::optional<int>(100));
    EXPECT_EQ(page.FitToPagesWide(), 1);
    EXPECT_EQ(page.FitToPagesTall(), 1);
    EXPECT_FALSE(page.CenterHorizontally());
    EXPECT_EQ(sheet.Layout(), PageLayout{});
}

TEST_F(PageSetupAutomation, ZoomFalseFitsToPagesAndAPercentageStopsFitting)
{
    PageSetup page = sheet.PageSetup();
    page.Orientation(xlLandscape);
    page.Zoom(false);
    page.FitToPagesWide(1);
    page.FitToPagesTall(2);
    page.CenterHorizontally(true);
    EXPECT_EQ(page.Orientation(), xlLandscape);
    EXPECT_EQ(page.Zoom(), std::nullopt);
    EXPECT_EQ(page.FitToPagesTall(), 2);
    EXPECT_TRUE(sheet.Layout().landscape);
    EXPECT_TRUE(sheet.Layout().fitToPages);
    EXPECT_TRUE(sheet.Layout().centerHorizontally);

    page.Zoom(75);
    EXPECT_EQ(page.Zoom(), std::optional<int>(75));
    EXPECT_FALSE(sheet.Layout().fitToPages);
    EXPECT_EQ(sheet.Layout().fitPagesTall, 2) << "the page counts stay for the next fitting";
    page.FitToPagesWide(0);  // as many pages as needed
    EXPECT_EQ(page.FitToPagesWide(), 0);
}

TEST_F(PageSetupAutomation, ValuesTheHostRefusesFailAndChangeNothing)
{
    PageSetup page = sheet.PageSetup();
    page.Orientation(xlLandscape);
    const PageLayout before = sheet.Layout();
    EXPECT_THROW(page.Orientation(3), PropertyError);
    EXPECT_THROW(page.Orientation(0), PropertyError);
    EXPECT_THROW(page.Zoom(9), PropertyError);
    EXPECT_THROW(page.Zoom(401), PropertyError);
    EXPECT_THROW(page.Zoom(true), PropertyError);
    EXPECT_THROW(page.FitToPagesWide(-1), PropertyError);
    EXPECT_THROW(page.FitToPagesTall(32768), PropertyError);
    EXPECT_EQ(sheet.Layout(), before);
    page.Zoom(10);
    page.Zoom(400);
    EXPECT_EQ(page.Zoom(), std::optional<int>(400));
}

TEST_F(PageSetupAutomation, CopiesTakeTheLayoutAlongAndDeletedSheetsFail)
{
    PageSetup page = sheet.PageSetup();
    page.Orientation(xlLandscape);
    page.Zoom(false);
    page.CenterHorizontally(true);
    Worksheet& copy = sheet.Copy(After{sheet});
    EXPECT_EQ(copy.Layout(), sheet.Layout());
    Workbook& other = app.Workbooks().Add();
    Worksheet& elsewhere = sheet.Copy(Before{other.Sheets().Item(1)});
    EXPECT_EQ(elsewhere.PageSetup().Orientation(), xlLandscape);
    EXPECT_EQ(elsewhere.PageSetup().Zoom(), std::nullopt);

    // The copy's layout is its own from then on.
    copy.PageSetup().Orientation(xlPortrait);
    EXPECT_EQ(sheet.PageSetup().Orientation(), xlLandscape);

    PageSetup held = copy.PageSetup();
    copy.Delete();
    EXPECT_THROW(held.Orientation(), DisconnectedError);
    EXPECT_THROW(held.CenterHorizontally(false), DisconnectedError);
}

}  // namespace
}  // namespace morvessa::sheet
