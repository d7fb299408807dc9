#pragma once
// Window layouts are designed in twips (1/1440 inch), 15 to a pixel; these convert where they
// meet Qt.

#include <QRect>

#include <cmath>

namespace morvessa {

inline constexpr int kTwipsPerPixel = 15;

// Whole twips to whole pixels (nearest, halves away from zero) and back.
inline int TwipsToPixels(double twips)
{
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

inline int PixelsToTwips(int pixels)
{
    return pixels * kTwipsPerPixel;
}

// A design rectangle in twips, in pixels.
inline QRect TwipsRect(int left, int top, int width, int height)
{
    return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height));
}

}  // namespace morvessa
