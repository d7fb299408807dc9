#pragma once
// The spreadsheet's default 56-colour palette as pictures of sheets paint it. (The colour settings
// keep their own copy above this layer; the sheet engine writes none, so pictures read this one.)

#include <QColor>

namespace morvessa {

inline constexpr int kSheetPaletteSize = 56;

// The colour of palette index 1..56; any other index (automatic, none, out of range) gives `fallback`.
QColor PaletteColour(int colorIndex, const QColor& fallback);

}  // namespace morvessa
