#include "preview/PreviewModel.h"
#include "preview/PreviewLocations.h"

#include "core/NumericText.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace morvessa {

namespace {

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
    viewport_ = {120, 120, kViewportWidth, kViewportHeight, kViewportBorder};
    zoomOri_ = {10320, 480, 735, 375, 0};
}

void PreviewModel::SetPicture(int widthTwips, int heightTwips)
{
    // PictureBox sizes itself to a picture given to it.
    pictureBox_.width = widthTwips;
    pictureBox_.height = heightTwips;
    firstActivate_ = true;
}

void PreviewModel::Activate()
{
    ErrorTrap trap(location::Form2_Form_Activate, Reporter());
    if (firstActivate_) {
        // Step 100 opens the setup; 102 to 110 give PictureBox persistent drawing, automatic sizing,
        // the invert drawing mode and a white background, all of which the window's picture box
        // has by construction.
        trap.Step(112, [&] {});
        trap.Step(118, [&] { zoomOri_.width = pictureBox_.width; });
        trap.Step(120, [&] { zoomOri_.height = pictureBox_.height; });
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
        trap.Step(108, [&] { pictureBox_.width = zoomWidth_; });
        trap.Step(110, [&] { pictureBox_.height = zoomHeight_; });
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
        trap.Step(120, [&] { horizontalBar_.enabled = viewport_.InnerWidth() < zoomWidth_; });
        trap.Step(122, [&] { verticalBar_.enabled = viewport_.InnerHeight() < zoomHeight_; });
        // The bar ranges and steps follow the size just drawn (and the picture goes back to the
        // top left corner), so every part of a zoomed picture can be scrolled to.
        trap.Step(122, [&] { SetupScrollbars(); });
    } else {
        // Too large to draw: back to the unzoomed factor and sizes; PictureBox keeps what it shows.
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
    pictureBox_.top = 0;
    pictureBox_.left = 0;
    SetupOneScrollbar(pictureBox_.width - viewport_.width, horizontalBar_, hStep_,
                      &PreviewModel::SetHScrollValue);
    SetupOneScrollbar(pictureBox_.height - viewport_.height, verticalBar_, vStep_,
                      &PreviewModel::SetVScrollValue);
}

void PreviewModel::StepZoom(ZoomDirection direction)
{
    const float factor = direction == ZoomDirection::In ? zoom_ + kZoomStep : zoom_ - kZoomStep;
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
    trap.Step(100, [&] { StepZoom(ZoomDirection::In); });
}

void PreviewModel::ZoomOutClick()
{
    ErrorTrap trap(location::Form2_PushButton2_Click, Reporter());
    trap.Step(100, [&] { StepZoom(ZoomDirection::Out); });
}

void PreviewModel::FitClick()
{
    ErrorTrap trap(location::Form2_mnuFit_Click, Reporter());
    trap.Step(100, [&] {
        if (origWidth_ <= 0 || origHeight_ <= 0)
            return;
        const double factor = std::min(static_cast<double>(viewport_.InnerWidth()) / origWidth_,
                                       static_cast<double>(viewport_.InnerHeight()) / origHeight_);
        zoom_ = std::clamp(static_cast<float>(factor), kMinZoom, kMaxZoom);
        RedrawImage();
    });
}

void PreviewModel::SetViewportSize(int widthTwips, int heightTwips)
{
    viewport_.width = std::max(kViewportWidth, widthTwips);
    viewport_.height = std::max(kViewportHeight, heightTwips);
    horizontalBar_.enabled = viewport_.InnerWidth() < pictureBox_.width;
    verticalBar_.enabled = viewport_.InnerHeight() < pictureBox_.height;
    SetupScrollbars();
}

void PreviewModel::SetHScrollValue(int value)
{
    if (value == horizontalBar_.value)
        return;
    horizontalBar_.value = value;
    HorizontalBarChanged();
}

void PreviewModel::SetVScrollValue(int value)
{
    if (value == verticalBar_.value)
        return;
    verticalBar_.value = value;
    VerticalBarChanged();
}

void PreviewModel::HorizontalBarChanged()
{
    pictureBox_.left = -(static_cast<double>(hStep_) * horizontalBar_.value);
}

void PreviewModel::VerticalBarChanged()
{
    pictureBox_.top = -(static_cast<double>(vStep_) * verticalBar_.value);
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
    double newLeft = pictureBox_.left;
    double newTop = pictureBox_.top;
    trap.Step(104, [&] { newLeft = pictureBox_.left - dragX_ + x; });
    if (newLeft > 0) {
        trap.Step(108, [&] { newLeft = 0; });
    } else {
        const int lowest = viewport_.InnerWidth() - pictureBox_.width;
        if (lowest > newLeft)
            trap.Step(112, [&] { newLeft = lowest; });
    }
    trap.Step(114, [&] { newTop = pictureBox_.top - dragY_ + y; });
    if (newTop > 0) {
        trap.Step(118, [&] { newTop = 0; });
    } else {
        const int lowest = viewport_.InnerHeight() - pictureBox_.height;
        if (lowest > newTop)
            trap.Step(122, [&] { newTop = lowest; });
    }
    trap.Step(124, [&] {
        pictureBox_.left = newLeft;
        pictureBox_.top = newTop;
    });
}

void PreviewModel::MouseUp()
{
    ErrorTrap trap(location::Form2_Picture1_MouseUp, Reporter());
    std::int32_t h = 0;
    std::int32_t v = 0;
    trap.Step(100,
              [&] { h = ToInt32(OffsetPercent(pictureBox_.left, pictureBox_.width - viewport_.width)); });
    trap.Step(102,
              [&] { v = ToInt32(OffsetPercent(pictureBox_.top, pictureBox_.height - viewport_.height)); });
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
    SetScrollbarByPercent(horizontalBar_, percent, &PreviewModel::SetHScrollValue);
}

void PreviewModel::SetVScrollbarByPercent(std::int16_t percent)
{
    SetScrollbarByPercent(verticalBar_, percent, &PreviewModel::SetVScrollValue);
}

}  // namespace morvessa
