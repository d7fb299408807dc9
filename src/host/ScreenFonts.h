#pragma once
// The fonts sheets are drawn and measured in: a spreadsheet font as the screen font it resolves to
// here, and the 96-dpi device text is measured on before any picture exists.

#include "spreadsheet/CellFormat.h"

#include <QFont>
#include <QImage>

namespace morvessa {

// The font a spreadsheet font resolves to here: "Arial" and "Times New Roman" become their
// metric-compatible Liberation faces; size in points at 96 dpi.
QFont ScreenFont(const sheet::FontFormat& font);

// The widest of the digits 0..9 of the font, in whole pixels: the unit of column widths.
int MaxDigitWidth(const sheet::FontFormat& font);

// An RGB32 picture of the size at 96 dots per inch.
QImage PictureSurface(int width, int height);

// A 96-dpi device for measuring text.
const QImage& MeasuringDevice();

}  // namespace morvessa
