#pragma once
// Layout helpers shared by the settings dialogs; positions are designed in twips (widgets/Twips.h).

#include "widgets/Twips.h"

#include <QFont>
#include <QtGlobal>

class QWidget;

namespace morvessa {

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
