#pragma once
// Layout helpers shared by the settings dialogs: positions are designed in twips, 15 to a pixel.

#include <QFont>
#include <QRect>
#include <QtGlobal>

class QWidget;

namespace morvessa {

inline constexpr int kTwipsPerPixel = 15;

inline int TwipsToPixels(int twips)
{
    return qRound(twips / double(kTwipsPerPixel));
}

inline QRect TwipsRect(int left, int top, int width, int height)
{
    return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height));
}

// Arial bold at the given point size (9 for windows and their controls, 11.25 for push buttons).
inline QFont ArialBold(double pointSize)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(pointSize);
    font.setBold(true);
    return font;
}

inline constexpr double kDialogFontPoints = 9.0;
inline constexpr double kPushButtonFontPoints = 11.25;

}  // namespace morvessa
