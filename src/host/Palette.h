#pragma once
// The spreadsheet's default 56-colour palette as pictures of sheets paint it.

#include <QColor>

namespace morvessa {

// The colour of palette index 1..56; any other index (automatic, none, out of range) gives `fallback`.
QColor PaletteColour(int colorIndex, const QColor& fallback);

}  // namespace morvessa
