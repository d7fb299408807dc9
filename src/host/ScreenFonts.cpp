#include "host/ScreenFonts.h"

#include <QFontMetricsF>
#include <QString>

#include <algorithm>
#include <cmath>

namespace morvessa {

namespace {

// 96 dots per inch as QImage stores it (dots per metre); the painter's logical dpi rounds to 96.
constexpr int kDotsPerMetre = 3780;

QString FamilyFor(const std::string& name)
{
    const QString family = QString::fromStdString(name);
    if (family.compare("Arial", Qt::CaseInsensitive) == 0)
        return QStringLiteral("Liberation Sans");
    if (family.compare("Times New Roman", Qt::CaseInsensitive) == 0)
        return QStringLiteral("Liberation Serif");
    if (family.compare("Courier New", Qt::CaseInsensitive) == 0)
        return QStringLiteral("Liberation Mono");
    return family;
}

}  // namespace

QImage PictureSurface(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.setDotsPerMeterX(kDotsPerMetre);
    image.setDotsPerMeterY(kDotsPerMetre);
    return image;
}

const QImage& MeasuringDevice()
{
    static const QImage device = PictureSurface(1, 1);
    return device;
}

QFont ScreenFont(const sheet::FontFormat& format)
{
    QFont font(FamilyFor(format.name));
    font.setPointSizeF(format.size > 0 ? format.size : 10.0);
    font.setBold(format.bold);
    font.setItalic(format.italic);
    font.setStrikeOut(format.strikethrough);
    font.setUnderline(format.underline != sheet::xlUnderlineStyleNone);
    return font;
}

int MaxDigitWidth(const sheet::FontFormat& format)
{
    // The default font rarely changes: remember the last answer.
    static sheet::FontFormat lastFormat;
    static int lastWidth = 0;
    if (lastWidth > 0 && lastFormat == format)
        return lastWidth;
    const QFontMetricsF metrics(ScreenFont(format), &MeasuringDevice());
    double widest = 0;
    for (char digit = '0'; digit <= '9'; ++digit)
        widest = std::max(widest, metrics.horizontalAdvance(QChar(digit)));
    lastFormat = format;
    lastWidth = std::max(1, static_cast<int>(std::lround(widest)));
    return lastWidth;
}

}  // namespace morvessa
