#include "preview/PreviewModel.h"
#include "preview/PreviewLocations.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace morvessa {
namespace {

struct Paint {
    int dstWidth, dstHeight, srcWidth, srcHeight;
};

class RecordingCanvas final : public PreviewCanvas {
public:
    void CopyPictureToZoomOri() override { ++copies; }
    void RemovePicture() override { ++removals; }
    void PaintZoomOriScaled(int dw, int dh, int sw, int sh) override
    {
        if (failPaint)
            throw std::runtime_error("Picture painting failed");
        paints.push_back({dw, dh, sw, sh});
    }
    void ResetPointer() override { ++pointerResets; }

    int copies = 0;
    int removals = 0;
    int pointerResets = 0;
    bool failPaint = false;
    std::vector<Paint> paints;
};

class PreviewModelTest : public ::testing::Test {
protected:
    // A picture of the given pixel size handed over and shown for the first time.
    void ShowPicture(int widthPx, int heightPx)
    {
        model.SetPicture(PixelsToTwips(widthPx), PixelsToTwips(heightPx));
        model.Activate();
    }
    void Drag(float fromX, float fromY, float toX, float toY)
    {
        model.MouseDown(fromX, fromY);
        model.MouseMove(true, toX, toY);
    }

    RecordingErrorReporter reports;
    RecordingCanvas canvas;
    PreviewModel model{&canvas, &reports};
};

TEST(PreviewConversions, RoundHalfToEvenAndOverflow)
{
    EXPECT_EQ(ToInt16(2.5), 2);
    EXPECT_EQ(ToInt16(3.5), 4);
    EXPECT_EQ(ToInt16(-2.5), -2);
    EXPECT_EQ(ToInt16(32767.4), 32767);
    EXPECT_THROW(ToInt16(32767.5), std::overflow_error);
    EXPECT_THROW(ToInt16(-32769), std::overflow_error);
    EXPECT_EQ(ToInt32(133.5), 134);
    EXPECT_THROW(ToInt32(3e9), std::overflow_error);
    EXPECT_EQ(TwipsToPixels(5998), 400);
    EXPECT_EQ(TwipsToPixels(-2728), -182);
}

TEST_F(PreviewModelTest, SmallPictureFirstDisplayHasNoScrolling)
{
    ShowPicture(400, 300);
    EXPECT_FLOAT_EQ(model.Zoom(), 1.0f);
    EXPECT_EQ(model.ZoomOri().width, 6000);
    EXPECT_EQ(model.OrigWidth(), 5998);
    EXPECT_EQ(model.OrigHeight(), 4498);
    EXPECT_EQ(model.PictureBox().width, 5998);
    EXPECT_EQ(model.PictureBox().height, 4498);
    EXPECT_EQ(model.PictureBox().left, 0);
    EXPECT_EQ(model.PictureBox().top, 0);
    EXPECT_FALSE(model.HorizontalBar().enabled);
    EXPECT_FALSE(model.VerticalBar().enabled);
    EXPECT_EQ(model.HStep(), 0);
    EXPECT_EQ(model.VStep(), 0);
    EXPECT_EQ(canvas.copies, 1);
    ASSERT_EQ(canvas.paints.size(), 1u);
    EXPECT_EQ(canvas.paints[0].dstWidth, 5998);
    EXPECT_EQ(canvas.paints[0].srcWidth, 5998);
    EXPECT_FALSE(model.FirstActivatePending());

    // Later activations (after a message box, say) set nothing up again.
    model.Activate();
    EXPECT_EQ(canvas.paints.size(), 1u);
    EXPECT_EQ(canvas.copies, 1);
    EXPECT_TRUE(reports.messages.empty());
}

TEST_F(PreviewModelTest, LargePictureGetsCoarseBarsAndSlightOverhangFineOnes)
{
    ShowPicture(800, 600);  // 11998 x 8998 twips
    EXPECT_TRUE(model.HorizontalBar().enabled);
    EXPECT_EQ(model.HStep(), 10);
    EXPECT_EQ(model.HorizontalBar().maximum, 267);  // (11998 - 9330) / 10 = 266.8
    EXPECT_TRUE(model.VerticalBar().enabled);
    EXPECT_EQ(model.VStep(), 10);
    EXPECT_EQ(model.VerticalBar().maximum, 157);  // (8998 - 7425) / 10 = 157.3

    model.SetHScrollValue(5);
    EXPECT_EQ(model.PictureBox().left, -50);
    model.SetVScrollValue(157);
    EXPECT_EQ(model.PictureBox().top, -1570);

    PreviewModel fine(&canvas, &reports);
    fine.SetPicture(PixelsToTwips(625), PixelsToTwips(500));  // 9373 x 7498 after the redraw
    fine.Activate();
    EXPECT_EQ(fine.HStep(), 1);
    EXPECT_EQ(fine.HorizontalBar().maximum, 43);
    EXPECT_EQ(fine.VStep(), 1);
    EXPECT_EQ(fine.VerticalBar().maximum, 73);
    fine.SetHScrollValue(43);
    EXPECT_EQ(fine.PictureBox().left, -43);
}

TEST_F(PreviewModelTest, ARealSnapshotZoomsInUpToTheCap)
{
    ShowPicture(900, 640);  // a month snapshot's size
    ASSERT_EQ(canvas.paints.size(), 1u);
    EXPECT_EQ(model.PictureBox().width, 13498);
    for (int i = 0; i < 11; ++i)
        model.ZoomInClick();
    EXPECT_FLOAT_EQ(model.Zoom(), 3.75f);
    ASSERT_EQ(canvas.paints.size(), 12u);
    EXPECT_EQ(canvas.paints.back().dstWidth, 50617);  // 13498 * 3.75, whole part
    EXPECT_EQ(model.PictureBox().width, 50617);
    EXPECT_TRUE(model.HorizontalBar().enabled);
    EXPECT_EQ(model.HorizontalBar().maximum, ToInt16((50617 - 9330) / 10.0));
    model.ZoomOutClick();
    EXPECT_FLOAT_EQ(model.Zoom(), 3.5f);
    EXPECT_TRUE(reports.messages.empty());
}

TEST_F(PreviewModelTest, ZoomStopsAtBothLimits)
{
    ShowPicture(40, 30);
    for (int i = 0; i < 11; ++i)
        model.ZoomInClick();
    EXPECT_FLOAT_EQ(model.Zoom(), 3.75f);
    EXPECT_EQ(model.ZoomWidth(), 2242);  // 598 * 3.75 = 2242.5, whole part
    const size_t painted = canvas.paints.size();
    model.ZoomInClick();
    EXPECT_FLOAT_EQ(model.Zoom(), 3.75f);
    EXPECT_EQ(canvas.paints.size(), painted);

    for (int i = 0; i < 14; ++i)
        model.ZoomOutClick();
    EXPECT_FLOAT_EQ(model.Zoom(), 0.25f);
    EXPECT_EQ(model.ZoomWidth(), 149);
    const size_t paintedOut = canvas.paints.size();
    model.ZoomOutClick();
    EXPECT_FLOAT_EQ(model.Zoom(), 0.25f);
    EXPECT_EQ(canvas.paints.size(), paintedOut);
    EXPECT_TRUE(reports.messages.empty());
}

TEST_F(PreviewModelTest, APictureTooLargeForMemoryIsRefusedAndTheZoomStays)
{
    ShowPicture(4000, 4000);  // 16 megapixels
    for (int i = 0; i < 4; ++i)
        model.ZoomInClick();  // 2.0: 64 megapixels, still drawn
    EXPECT_FLOAT_EQ(model.Zoom(), 2.0f);
    const size_t painted = canvas.paints.size();
    const int width = model.PictureBox().width;

    model.ZoomInClick();  // 2.25 would be 81 megapixels
    EXPECT_FLOAT_EQ(model.Zoom(), 2.0f);
    EXPECT_EQ(canvas.paints.size(), painted);
    EXPECT_EQ(model.PictureBox().width, width);
    model.ZoomOutClick();
    EXPECT_FLOAT_EQ(model.Zoom(), 1.75f);
    EXPECT_EQ(canvas.paints.size(), painted + 1);
    EXPECT_FALSE(ZoomedPictureFits(PixelsToTwips(9000), PixelsToTwips(9000)));
    EXPECT_TRUE(ZoomedPictureFits(PixelsToTwips(8000), PixelsToTwips(8000)));
    EXPECT_TRUE(reports.messages.empty());
}

TEST_F(PreviewModelTest, ScrollRangesFollowTheZoomedSize)
{
    ShowPicture(500, 400);  // 7498 x 5998: fits
    EXPECT_FALSE(model.HorizontalBar().enabled);
    model.ZoomInClick();  // 9372 x 7497
    EXPECT_TRUE(model.HorizontalBar().enabled);
    EXPECT_EQ(model.HStep(), 1);
    EXPECT_EQ(model.HorizontalBar().maximum, 42);
    EXPECT_EQ(model.VStep(), 1);
    EXPECT_EQ(model.VerticalBar().maximum, 72);
    model.ZoomInClick();  // 11247 x 8997
    EXPECT_EQ(model.HStep(), 10);
    EXPECT_EQ(model.HorizontalBar().maximum, 192);
    model.SetHScrollValue(192);
    EXPECT_EQ(model.PictureBox().left, -1920);
    model.ZoomOutClick();  // back to 9372 wide: position and values start over
    EXPECT_EQ(model.HorizontalBar().value, 0);
    EXPECT_EQ(model.PictureBox().left, 0);
    EXPECT_EQ(model.HorizontalBar().maximum, 42);
}

TEST_F(PreviewModelTest, NewPictureRunsTheDisplaySetupAgain)
{
    ShowPicture(400, 300);
    model.ZoomInClick();
    model.ZoomInClick();
    model.SetPicture(PixelsToTwips(800), PixelsToTwips(600));
    EXPECT_TRUE(model.FirstActivatePending());
    model.Activate();
    EXPECT_EQ(canvas.copies, 2);
    EXPECT_FLOAT_EQ(model.Zoom(), 1.0f);
    EXPECT_EQ(model.OrigWidth(), 11998);
    EXPECT_EQ(model.HorizontalBar().maximum, 267);
}

TEST_F(PreviewModelTest, DragClampsAPictureWiderAndHigherThanTheViewport)
{
    ShowPicture(800, 600);     // 11998 x 8998 in a 9270 x 7365 drawing area
    Drag(100, 100, 400, 600);  // towards the right and down: stops at 0
    EXPECT_EQ(model.PictureBox().left, 0);
    EXPECT_EQ(model.PictureBox().top, 0);
    Drag(500, 500, 200, 350);
    EXPECT_EQ(model.PictureBox().left, -300);
    EXPECT_EQ(model.PictureBox().top, -150);
    Drag(9000, 7000, 0, 0);  // far left and up: right and bottom edges stop at the inner edges
    EXPECT_EQ(model.PictureBox().left, 9270 - 11998);
    EXPECT_EQ(model.PictureBox().top, 7365 - 8998);
    // Without a held button the pointer moves nothing.
    model.MouseMove(false, 9000, 7000);
    EXPECT_EQ(model.PictureBox().left, 9270 - 11998);
    EXPECT_TRUE(reports.messages.empty());
}

TEST_F(PreviewModelTest, DragPinsAPictureSmallerThanTheViewport)
{
    ShowPicture(400, 300);  // 5998 x 4498
    Drag(100, 100, 300, 300);
    EXPECT_EQ(model.PictureBox().left, 0);
    EXPECT_EQ(model.PictureBox().top, 0);
    Drag(300, 300, 200, 250);
    EXPECT_EQ(model.PictureBox().left, 9270 - 5998);
    EXPECT_EQ(model.PictureBox().top, 7365 - 4498);
}

TEST_F(PreviewModelTest, MouseUpSettlesOnTheScrollBarGrid)
{
    ShowPicture(800, 600);  // overhang 2668 x 1573, bars 267 and 157, step 10
    Drag(0, 0, 0, 0);
    model.MouseUp();
    EXPECT_EQ(model.HorizontalBar().value, 0);
    EXPECT_EQ(model.VerticalBar().value, 0);

    Drag(1334, 800, 0, 0);  // left -1334: 50 %; top -800: 50.86 -> 51 %
    model.MouseUp();
    EXPECT_EQ(model.HorizontalBar().value, 134);  // 133.5 to the even neighbour
    EXPECT_EQ(model.PictureBox().left, -1340);
    EXPECT_EQ(model.VerticalBar().value, 80);  // 0.51 * 157 = 80.07
    EXPECT_EQ(model.PictureBox().top, -800);

    // Far left and up: beyond 100 % because of the viewport's border; the bars keep their values.
    Drag(9000, 7000, 0, 0);
    model.MouseUp();
    EXPECT_EQ(model.HorizontalBar().value, 134);
    EXPECT_EQ(model.VerticalBar().value, 80);
    EXPECT_EQ(model.PictureBox().left, 9270 - 11998);
    EXPECT_TRUE(reports.messages.empty());
}

TEST_F(PreviewModelTest, MouseUpWithPictureExactlyAsLargeAsTheViewportIsNoError)
{
    // 2488 twips wide: 9330 at 3.75, the viewport's own width.
    model.SetPicture(PixelsToTwips(166), PixelsToTwips(100));
    model.Activate();
    for (int i = 0; i < 11; ++i)
        model.ZoomInClick();
    ASSERT_EQ(model.PictureBox().width, model.Viewport().width);
    Drag(10, 10, 0, 10);
    model.MouseUp();
    EXPECT_EQ(model.HorizontalBar().value, 0);

    // 4243 twips high: 7425 at 1.75, the viewport's own height.
    PreviewModel high(&canvas, &reports);
    high.SetPicture(PixelsToTwips(100), PixelsToTwips(283));
    high.Activate();
    for (int i = 0; i < 3; ++i)
        high.ZoomInClick();
    ASSERT_EQ(high.PictureBox().height, high.Viewport().height);
    high.MouseDown(10, 10);
    high.MouseMove(true, 10, 0);
    high.MouseUp();
    EXPECT_EQ(high.VerticalBar().value, 0);
    EXPECT_TRUE(reports.messages.empty());
}

TEST_F(PreviewModelTest, PercentSettersIgnoreNegativeAndTooLargeValues)
{
    ShowPicture(800, 600);
    model.SetHScrollbarByPercent(-1);
    EXPECT_EQ(model.HorizontalBar().value, 0);
    model.SetHScrollbarByPercent(101);
    EXPECT_EQ(model.HorizontalBar().value, 0);
    model.SetHScrollbarByPercent(100);
    EXPECT_EQ(model.HorizontalBar().value, 267);
    EXPECT_EQ(model.PictureBox().left, -2670);
    model.SetVScrollbarByPercent(10);
    EXPECT_EQ(model.VerticalBar().value, 16);  // 15.7
}

TEST_F(PreviewModelTest, FailingPaintIsReportedAndTheRedrawGoesOn)
{
    canvas.failPaint = true;
    ShowPicture(800, 600);
    ASSERT_EQ(reports.messages.size(), 1u);
    const std::string& report = reports.messages[0];
    EXPECT_NE(report.find("Picture painting failed\r\n"), std::string::npos);
    EXPECT_NE(report.find(std::string(location::Form2_RedrawImage) + "at line 112"), std::string::npos);
    // The steps after the failing one still ran.
    EXPECT_EQ(canvas.pointerResets, 1);
    EXPECT_TRUE(model.HorizontalBar().enabled);
    EXPECT_EQ(model.HorizontalBar().maximum, 267);
}

}  // namespace
}  // namespace morvessa
