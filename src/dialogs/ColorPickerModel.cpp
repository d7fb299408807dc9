#include "dialogs/ColorPickerModel.h"

#include "colours/ColorPalette.h"

#include <QPainter>

#include <algorithm>
#include <stdexcept>

namespace morvessa {

static_assert(kPaletteSize * (kPaletteBarWidth + 1) + 1 == kPaletteStripWidth,
              "56 bars and 57 separators fill the strip exactly");

namespace {
QColor PaletteEntry(int index)
{
    return QColor::fromRgb(ColorPalette().at(static_cast<std::size_t>(index - 1)).Argb());
}
}  // namespace

int ScrollValueForColorIndex(std::int32_t colorIndex)
{
    if (colorIndex < 0)
        return kColorScrollMinimum;
    if (colorIndex > kColorScrollMaximum)
        throw std::out_of_range("Invalid property value");
    return static_cast<int>(colorIndex);
}

std::optional<QColor> SwatchColorForScrollValue(int value)
{
    if (value < kColorScrollMinimum || value > kColorScrollMaximum)
        throw std::out_of_range("Invalid property value");
    if (value == 0)
        return std::nullopt;
    return PaletteEntry(value);
}

QImage PaletteStripImage()
{
    QImage strip(kPaletteStripWidth, kPaletteStripHeight, QImage::Format_RGB32);
    strip.fill(Qt::black);
    QPainter painter(&strip);
    for (int index = 1; index <= kPaletteSize; ++index) {
        const int left = (index - 1) * (kPaletteBarWidth + 1) + 1;
        painter.fillRect(left, 0, kPaletteBarWidth, kPaletteStripHeight, PaletteEntry(index));
    }
    return strip;
}

int ScrollValueAtStripPoint(int x, int shownWidth)
{
    if (shownWidth <= 0)
        return kColorScrollLaidOut;
    const long long stripX = static_cast<long long>(std::max(x, 0)) * kPaletteStripWidth / shownWidth;
    const long long bar = std::max(stripX - 1, 0LL) / (kPaletteBarWidth + 1) + 1;
    return static_cast<int>(std::clamp<long long>(bar, 1, kPaletteSize));
}

QImage ColourButtonSwatch(std::int32_t colorIndex)
{
    QImage swatch(kButtonSwatchSize, kButtonSwatchSize, QImage::Format_ARGB32);
    const bool shown = colorIndex >= 1 && colorIndex <= kPaletteSize;
    swatch.fill(shown ? PaletteEntry(int(colorIndex)) : QColor(Qt::white));
    QPainter painter(&swatch);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, kButtonSwatchSize - 1, kButtonSwatchSize - 1);
    if (!shown)
        painter.drawLine(0, kButtonSwatchSize - 1, kButtonSwatchSize - 1, 0);
    return swatch;
}

}  // namespace morvessa
