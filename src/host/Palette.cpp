#include "host/Palette.h"

#include "spreadsheet/DefaultPalette.h"

namespace morvessa {
QColor PaletteColour(int colorIndex, const QColor& fallback)
{
    if (colorIndex < 1 || colorIndex > sheet::kPaletteSize)
        return fallback;
    const sheet::Rgb& c = sheet::kDefaultPalette[static_cast<size_t>(colorIndex - 1)];
    return QColor(c.red, c.green, c.blue);
}

}  // namespace morvessa
