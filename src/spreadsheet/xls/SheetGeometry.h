#pragma once
// Row heights and column widths between the model's units (points, characters) and the
// file's (twips, 1/256 of the default font's character cell).

#include <cstdint>

namespace morvessa::sheet::xls {

// Widest digit of the default font (Arial 10) at 96 dpi; the file's width unit derives from it.
constexpr int kDigitWidthPixels = 7;
constexpr int kCellPaddingPixels = 5;

// A COLINFO width for a column of `characters` characters (the padding included, as the format wants).
uint16_t ColumnWidthToFile(double characters);
double ColumnWidthFromFile(uint16_t units);

// DEFCOLWIDTH holds whole characters; the shown width is rounded up to 8 pixels.
uint16_t StandardWidthToFile(double characters);
double StandardWidthFromFile(uint16_t characters);

uint16_t PointsToTwips(double points);
inline double TwipsToPoints(uint16_t twips)
{
    return twips / 20.0;
}

}  // namespace morvessa::sheet::xls
