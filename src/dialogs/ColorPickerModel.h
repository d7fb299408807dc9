#pragma once
// What the colour picker shows for a value, apart from its widgets.

#include <QColor>
#include <QImage>

#include <cstdint>
#include <optional>

namespace morvessa {

// The scroll bar's range: 0 is no colour, 1..56 the palette index.
inline constexpr int kColorScrollMinimum = 0;
inline constexpr int kColorScrollMaximum = 56;
// Where the picker is laid out before its opening value is applied (the black swatch).
inline constexpr int kColorScrollLaidOut = 1;

// The scroll value the picker opens at for a colour index: 0 for a negative index (no colour),
// the index itself for 0..56. A larger index cannot be shown and throws
// std::out_of_range("Invalid property value").
int ScrollValueForColorIndex(std::int32_t colorIndex);

// The swatch for a scroll value: no colour (a transparent swatch) at 0, otherwise the palette's
// colour. A value outside 0..56 throws std::out_of_range.
std::optional<QColor> SwatchColorForScrollValue(int value);

// The palette strip: kPaletteStripWidth x kPaletteStripHeight pixels, one vertical bar of equal
// width per palette entry in index order (index 1 at the left), each bar between one-pixel black
// lines.
inline constexpr int kPaletteStripWidth = 225;
inline constexpr int kPaletteStripHeight = 71;
inline constexpr int kPaletteBarWidth = 3;
QImage PaletteStripImage();

// The scroll value of the palette bar under a point `x` pixels from the left of the strip shown
// `shownWidth` pixels wide; a separator line counts for the bar on its left, the edges clamp.
int ScrollValueAtStripPoint(int x, int shownWidth);

// What a colour button shows beside its text: the colour index's palette colour in a black
// border, or, for no colour (0 or negative) or an index the palette lacks, a white box crossed
// through.
inline constexpr int kButtonSwatchSize = 12;
QImage ColourButtonSwatch(std::int32_t colorIndex);

}  // namespace morvessa
