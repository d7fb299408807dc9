#include "preview/PreviewModel.h"
#include "preview/PreviewLocations.h"

#include <cfenv>
#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace morvessa {

namespace {

double RoundHalfEven(double value)
{
    // nearbyint follows the current rounding mode, which is to-nearest-even unless someone changed it.
    const int previous = std::fegetround();
    if (previous != FE_TONEAREST)
        std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    if (previous != FE_TONEAREST)
        std::fesetround(previous);
    return rounded;
}

template <typename Int>
Int ToIntChecked(double value)
{
    if (!std::isfinite(value))
        throw std::overflow_error("Overflow");
    const double rounded = RoundHalfEven(value);
    if (rounded < static_cast<double>(std::numeric_limits<Int>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<Int>::max()))
        throw std::overflow_error("Overflow");
    return static_cast<Int>(rounded);
}

std::int32_t WholePart(double value)
{
    const double whole = std::floor(value);
    if (!std::isfinite(whole) || whole < std::numeric_limits<std::int32_t>::min() ||
        whole > std::numeric_limits<std::int32_t>::max())
        throw std::overflow_error("Overflow");
    return static_cast<std::int32_t>(whole);
}

// The share of the overhang that the picture has been moved by, in percent. No overhang on an
// axis means nothing to scroll: 0, not a division by zero.
double OffsetPercent(double offset, int overhang)
{
    if (overhang == 0)
        return 0;
    return std::fabs(offset) / overhang * 100.0;
}

}  // namespace

std::int16_t ToInt16(double value)
{
    return ToIntChecked<std::int16_t>(value);
}
std::int32_t ToInt32(double value)
{
    return ToIntChecked<std::int32_t>(value);
}

PreviewModel::PreviewModel(PreviewCanvas* canvas, ErrorReporter* reporter)
    : canvas_(canvas), reporter_(reporter)
{
    picture2_ = {120, 120, kViewportWidth, kViewportHeight, kViewportBorder};
    zoomOri_ = {10320, 480, 735, 375, 0};
}

void PreviewModel::SetPicture(int widthTwips, int heightTwips)
{
    // Picture1 sizes itself to a picture given to it.
    picture1_.width = widthTwips;
    picture1_.height = heightTwips;
    firstActivate_ = true;
}

void PreviewModel::Activate()
{
    ErrorTrap trap(location::Form2_Form_Activate, Reporter());
    if (firstActivate_) {
        // Step 100 opens the setup; 102 to 110 give Picture1 persistent drawing, automatic sizing,
        // the invert drawing mode and a white background, all of which the window's picture box
        // has by construction.
        trap.Step(112, [&] {});
        trap.Step(118, [&] { zoomOri_.width = picture1_.width; });
        trap.Step(120, [&] { zoomOri_.height = picture1_.height; });
        trap.Step(122, [&] {
            if (canvas_)
                canvas_->CopyPictureToZoomOri();
        });
        trap.Step(124, [&] { zoom_ = 1.0f; });
        trap.Step(126, [&] { origWidth_ = ToInt32(zoomOri_.InnerWidth() - 2); });
        trap.Step(128, [&] { origHeight_ = ToInt32(zoomOri_.InnerHeight() - 2); });
        trap.Step(130, [&] { zoomWidth_ = origWidth_; });
        trap.Step(132, [&] { zoomHeight_ = origHeight_; });
        trap.Step(134, [&] { RedrawImage(); });
        trap.Step(136, [&] { SetupScrollbars(); });
    }
    trap.Step(138, [&] { firstActivate_ = false; });
}

bool ZoomedPictureFits(int widthTwips, int heightTwips)
{
    if (widthTwips > kMaxZoomedSideTwips || heightTwips > kMaxZoomedSideTwips)
        return false;
    return static_cast<double>(TwipsToPixels(widthTwips)) * TwipsToPixels(heightTwips) <= kMaxZoomedPixels;
}

void PreviewModel::RedrawImage()
{
    ErrorTrap trap(location::Form2_RedrawImage, Reporter());
    trap.Step(100, [&] { zoomWidth_ = WholePart(static_cast<double>(origWidth_) * zoom_); });
    trap.Step(102, [&] { zoomHeight_ = WholePart(static_cast<double>(origHeight_) * zoom_); });
    bool fits = false;
    // At factor 1 nothing is scaled, so the limit does not apply: otherwise a large snapshot, once
    // zoomed out, could never be shown at its own size again.
    trap.Step(104, [&] { fits = ZoomedPictureFits(zoomWidth_, zoomHeight_) || zoom_ == 1.0f; });
    if (fits) {
        trap.Step(106, [&] {
            if (canvas_)
                canvas_->RemovePicture();
        });
        trap.Step(108, [&] { picture1_.width = zoomWidth_; });
        trap.Step(110, [&] { picture1_.height = zoomHeight_; });
        trap.Step(112, [&] {
            if (canvas_)
                canvas_->PaintZoomOriScaled(zoomWidth_, zoomHeight_, origWidth_, origHeight_);
        });
        trap.Step(114, [&] {
            if (canvas_)
                canvas_->ResetPointer();
        });
        trap.Step(116, [&] { SetHScrollValue(0); });
        trap.Step(118, [&] { SetVScrollValue(0); });
        trap.Step(120, [&] { hScroll1_.enabled = picture2_.InnerWidth() < zoomWidth_; });
        trap.Step(122, [&] { vScroll1_.enabled = picture2_.InnerHeight() < zoomHeight_; });
        // The bar ranges and steps follow the size just drawn (and the picture goes back to the
        // top left corner), so every part of a zoomed picture can be scrolled to.
        trap.Step(122, [&] { SetupScrollbars(); });
    } else {
        // Too large to draw: back to the unzoomed factor and sizes; Picture1 keeps what it shows.
        trap.Step(124, [&] { zoom_ = 1.0f; });
        trap.Step(126, [&] { origWidth_ = ToInt32(zoomOri_.InnerWidth() - 2); });
        trap.Step(128, [&] { origHeight_ = ToInt32(zoomOri_.InnerHeight() - 2); });
        trap.Step(130, [&] { zoomWidth_ = origWidth_; });
        trap.Step(132, [&] { zoomHeight_ = origHeight_; });
    }
}

void PreviewModel::SetupOneScrollbar(int overhang, ScrollBarState& bar, std::int16_t& step,
                                     void (PreviewModel::*setValue)(int))
{
    if (overhang <= 0) {
        bar.enabled = false;
        step = 0;
        return;
    }
    bar.enabled = true;
    const bool fine = overhang <= kFineScrollThreshold;
    bar.maximum = ToInt16(fine ? overhang : overhang / 10.0);
    // A bar never holds a value above its maximum.
    if (bar.value > bar.maximum)
        (this->*setValue)(bar.maximum);
    step = fine ? 1 : 10;
    (this->*setValue)(0);
}

void PreviewModel::SetupScrollbars()
{
    picture1_.top = 0;
    picture1_.left = 0;
    SetupOneScrollbar(picture1_.width - picture2_.width, hScroll1_, hStep_, &PreviewModel::SetHScrollValue);
    SetupOneScrollbar(picture1_.height - picture2_.height, vScroll1_, vStep_, &PreviewModel::SetVScrollValue);
}

void PreviewModel::StepZoom(int direction)
{
    const float factor = direction == 0 ? zoom_ + kZoomStep : zoom_ - kZoomStep;
    SetZoom(factor);
}

void PreviewModel::SetZoom(float factor)
{
    if (factor >= kMinZoom && factor <= kMaxZoom) {
        // A picture too large for memory is refused and the zoom stays where it was.
        if (factor != 1.0f && !ZoomedPictureFits(WholePart(static_cast<double>(origWidth_) * factor),
                                                 WholePart(static_cast<double>(origHeight_) * factor)))
            return;
        zoom_ = factor;
        RedrawImage();
    }
}

void PreviewModel::ZoomInClick()
{
    ErrorTrap trap(location::Form2_PushButton1_Click, Reporter());
    trap.Step(100, [&] { StepZoom(0); });
}

void PreviewModel::ZoomOutClick()
{
    ErrorTrap trap(location::Form2_PushButton2_Click, Reporter());
    trap.Step(100, [&] { StepZoom(1); });
}

void PreviewModel::FitClick()
{
    ErrorTrap trap(location::Form2_mnuFit_Click, Reporter());
    trap.Step(100, [&] {
        if (origWidth_ <= 0 || origHeight_ <= 0)
            return;
        const double factor = std::min(static_cast<double>(picture2_.InnerWidth()) / origWidth_,
                                       static_cast<double>(picture2_.InnerHeight()) / origHeight_);
        zoom_ = std::clamp(static_cast<float>(factor), kMinZoom, kMaxZoom);
        RedrawImage();
    });
}

void PreviewModel::SetViewportSize(int widthTwips, int heightTwips)
{
    picture2_.width = std::max(kViewportWidth, widthTwips);
    picture2_.height = std::max(kViewportHeight, heightTwips);
    hScroll1_.enabled = picture2_.InnerWidth() < picture1_.width;
    vScroll1_.enabled = picture2_.InnerHeight() < picture1_.height;
    SetupScrollbars();
}

void PreviewModel::SetHScrollValue(int value)
{
    if (value == hScroll1_.value)
        return;
    hScroll1_.value = value;
    HScroll1Change();
}

void PreviewModel::SetVScrollValue(int value)
{
    if (value == vScroll1_.value)
        return;
    vScroll1_.value = value;
    VScroll1Change();
}

void PreviewModel::HScroll1Change()
{
    picture1_.left = -(static_cast<double>(hStep_) * hScroll1_.value);
}

void PreviewModel::VScroll1Change()
{
    picture1_.top = -(static_cast<double>(vStep_) * vScroll1_.value);
}

void PreviewModel::MouseDown(float x, float y)
{
    ErrorTrap trap(location::Form2_picture1_MouseDown, Reporter());
    trap.Step(100, [&] { dragX_ = x; });
    trap.Step(102, [&] { dragY_ = y; });
}

void PreviewModel::MouseMove(bool buttonHeld, float x, float y)
{
    ErrorTrap trap(location::Form2_picture1_MouseMove, Reporter());
    bool dragging = false;
    trap.Step(100, [&] { dragging = buttonHeld; });
    if (!dragging)
        return;
    double newLeft = picture1_.left;
    double newTop = picture1_.top;
    trap.Step(104, [&] { newLeft = picture1_.left - dragX_ + x; });
    if (newLeft > 0) {
        trap.Step(108, [&] { newLeft = 0; });
    } else {
        const int lowest = picture2_.InnerWidth() - picture1_.width;
        if (lowest > newLeft)
            trap.Step(112, [&] { newLeft = lowest; });
    }
    trap.Step(114, [&] { newTop = picture1_.top - dragY_ + y; });
    if (newTop > 0) {
        trap.Step(118, [&] { newTop = 0; });
    } else {
        const int lowest = picture2_.InnerHeight() - picture1_.height;
        if (lowest > newTop)
            trap.Step(122, [&] { newTop = lowest; });
    }
    trap.Step(124, [&] {
        picture1_.left = newLeft;
        picture1_.top = newTop;
    });
}

void PreviewModel::MouseUp()
{
    ErrorTrap trap(location::Form2_Picture1_MouseUp, Reporter());
    std::int32_t h = 0;
    std::int32_t v = 0;
    trap.Step(100, [&] { h = ToInt32(OffsetPercent(picture1_.left, picture1_.width - picture2_.width)); });
    trap.Step(102, [&] { v = ToInt32(OffsetPercent(picture1_.top, picture1_.height - picture2_.height)); });
    trap.Step(104, [&] { SetHScrollbarByPercent(ToInt16(h)); });
    trap.Step(106, [&] { SetVScrollbarByPercent(ToInt16(v)); });
}

void PreviewModel::SetScrollbarByPercent(ScrollBarState& bar, std::int16_t percent,
                                         void (PreviewModel::*setValue)(int))
{
    if (percent < 0)
        return;
    const double target = percent / 100.0 * bar.maximum;
    if (target > bar.maximum)
        return;
    (this->*setValue)(ToInt16(target));
}

void PreviewModel::SetHScrollbarByPercent(std::int16_t percent)
{
    SetScrollbarByPercent(hScroll1_, percent, &PreviewModel::SetHScrollValue);
}

void PreviewModel::SetVScrollbarByPercent(std::int16_t percent)
{
    SetScrollbarByPercent(vScroll1_, percent, &PreviewModel::SetVScrollValue);
}

}  // namespace morvessa
