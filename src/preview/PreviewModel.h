#pragma once
// The preview window's display logic in twips (1/1440 inch), free of widgets: the snapshot's
// picture box (`PictureBox`, object name Picture1) moving inside the viewport (`Viewport`,
// Picture2), the hidden unzoomed copy `Zoom_Ori`, the two scroll bars (`HorizontalBar` HScroll1,
// `VerticalBar` VScroll1), zoom and drag-to-pan. The window converts to pixels only where it
// meets Qt.

#include "core/ErrorTrap.h"
#include "widgets/Twips.h"

#include <cstdint>

namespace morvessa {

// The limit guards memory only: a zoomed picture above this many pixels (about 256 MB) is not
// drawn, and neither is one wider or higher than the scroll bars reach; the zoom stays as it was.
inline constexpr double kMaxZoomedPixels = 64.0e6;
inline constexpr int kMaxZoomedSideTwips = 300000;

// Whether a zoomed picture of this size (twips) may be drawn.
bool ZoomedPictureFits(int widthTwips, int heightTwips);
// An overhang up to this many twips scrolls one twip per bar unit, a larger one ten.
inline constexpr int kFineScrollThreshold = 100;
inline constexpr float kZoomStep = 0.25f;
inline constexpr float kMinZoom = 0.25f;
inline constexpr float kMaxZoom = 3.75f;

// The viewport as laid out: outer size and the border width on each side.
inline constexpr int kViewportWidth = 9330;
inline constexpr int kViewportHeight = 7425;
inline constexpr int kViewportBorder = 2 * kTwipsPerPixel;

// Number conversions with the overflow rules of 16- and 32-bit integers: to nearest, a half to
// the even neighbour; out of range throws "Overflow".
std::int16_t ToInt16(double value);
std::int32_t ToInt32(double value);

// What the model draws through: the window's picture boxes (a recorder in tests).
class PreviewCanvas {
public:
    virtual ~PreviewCanvas() = default;
    // Zoom_Ori takes PictureBox's picture (the snapshot).
    virtual void CopyPictureToZoomOri() = 0;
    // PictureBox loses its picture.
    virtual void RemovePicture() = 0;
    // Zoom_Ori's picture drawn into PictureBox from (0,0,srcW,srcH) to (0,0,dstW,dstH), in twips.
    virtual void PaintZoomOriScaled(int dstWidth, int dstHeight, int srcWidth, int srcHeight) = 0;
    // The window's pointer back to the default.
    virtual void ResetPointer() = 0;
};

// A picture box's frame in its container; the drawing area is the frame less the border.
struct PictureBoxState {
    double left = 0;
    double top = 0;
    int width = 0;
    int height = 0;
    int border = 0;
    int InnerWidth() const { return width - 2 * border; }
    int InnerHeight() const { return height - 2 * border; }
};

enum class ZoomDirection { In, Out };

struct ScrollBarState {
    bool enabled = false;
    int maximum = 0;
    int value = 0;
};

class PreviewModel {
public:
    // `canvas` and `reporter` are not owned; no reporter means the process-wide one.
    explicit PreviewModel(PreviewCanvas* canvas = nullptr, ErrorReporter* reporter = nullptr);

    void SetCanvas(PreviewCanvas* canvas) { canvas_ = canvas; }

    // The load's own step: the next activation sets the display up.
    void Load() { firstActivate_ = true; }
    // PictureBox gets a new picture of this size (it sizes itself to it). A new picture also asks
    // for the display setup again, so zooming never paints an earlier snapshot.
    void SetPicture(int widthTwips, int heightTwips);

    // Form_Activate: the display setup on the first activation after a load or a new picture.
    void Activate();
    // The two zoom buttons (trapped).
    void ZoomInClick();
    void ZoomOutClick();
    // "Fit": the zoom that shows the whole picture inside the viewport (trapped).
    void FitClick();

    // The viewport's outer size as the window gives it room, never below the laid-out size. The
    // picture goes back to the top left corner and the bars follow the new size.
    void SetViewportSize(int widthTwips, int heightTwips);

    void RedrawImage();
    void SetupScrollbars();
    // One zoom step in or out.
    void StepZoom(ZoomDirection direction);
    void SetZoom(float factor);

    // A scroll bar set to a value, by the user or by the program: its change event runs when
    // the value differs.
    void SetHScrollValue(int value);
    void SetVScrollValue(int value);

    // Drag to pan, positions inside PictureBox in twips (trapped).
    void MouseDown(float x, float y);
    void MouseMove(bool buttonHeld, float x, float y);
    void MouseUp();

    void SetHScrollbarByPercent(std::int16_t percent);
    void SetVScrollbarByPercent(std::int16_t percent);

    const PictureBoxState& PictureBox() const { return pictureBox_; }
    const PictureBoxState& Viewport() const { return viewport_; }
    const PictureBoxState& ZoomOri() const { return zoomOri_; }
    const ScrollBarState& HorizontalBar() const { return horizontalBar_; }
    const ScrollBarState& VerticalBar() const { return verticalBar_; }
    float Zoom() const { return zoom_; }
    int OrigWidth() const { return origWidth_; }
    int OrigHeight() const { return origHeight_; }
    int ZoomWidth() const { return zoomWidth_; }
    int HStep() const { return hStep_; }
    int VStep() const { return vStep_; }
    bool FirstActivatePending() const { return firstActivate_; }

private:
    void SetupOneScrollbar(int overhang, ScrollBarState& bar, std::int16_t& step,
                           void (PreviewModel::*setValue)(int));
    void SetScrollbarByPercent(ScrollBarState& bar, std::int16_t percent,
                               void (PreviewModel::*setValue)(int));
    void HorizontalBarChanged();
    void VerticalBarChanged();
    ErrorReporter* Reporter() const { return reporter_; }

    PreviewCanvas* canvas_;
    ErrorReporter* reporter_;

    PictureBoxState pictureBox_;
    PictureBoxState viewport_;
    PictureBoxState zoomOri_;
    ScrollBarState horizontalBar_;
    ScrollBarState verticalBar_;

    bool firstActivate_ = true;
    float zoom_ = 1.0f;
    std::int32_t origWidth_ = 0;
    std::int32_t origHeight_ = 0;
    std::int32_t zoomWidth_ = 0;
    std::int32_t zoomHeight_ = 0;
    std::int16_t hStep_ = 0;
    std::int16_t vStep_ = 0;
    float dragX_ = 0;
    float dragY_ = 0;
};

}  // namespace morvessa
