#pragma once
// Whether a cell's text surely fits, told without a font system: the widths of the fonts the
// calendar's cells use were measured when the program was built, from the fonts this system
// resolves them to (a generated table). A run that only writes workbooks then loads no font at all;
// whatever the table cannot vouch for is measured as before (SheetPicture.h's FittingFontSize).

#include "spreadsheet/CellFormat.h"

#include <QStringView>

#include <optional>
#include <span>

namespace morvessa {

namespace sheet {
class Worksheet;
}

// One font as measured at build time, at 96 dpi.
struct BuiltFontMetrics {
    const char* name;
    double size;
    bool bold;
    bool italic;
    int maxDigitWidth;  // MaxDigitWidth's answer
    double lineHeight;  // the height of one line of text
    double pairSlack;   // the most two characters of the table take together beyond their advances
    double overhang;    // the most a character's ink reaches beyond its advance, on either side
    char16_t first;     // advances[i] is the advance of character first + i
    std::span<const double> advances;  // negative: not in the font (always measured)
};

// The fonts measured when the program was built (a generated table).
std::span<const BuiltFontMetrics> BuiltFontMetricsTable();

// The built metrics of the font; nothing for a font the table does not hold.
const BuiltFontMetrics* BuiltMetricsOf(const sheet::FontFormat& font);

// At least the width one line of `text` takes in the font, overhanging ink included; nothing when
// a character is not in the table.
std::optional<double> LineWidthBound(const BuiltFontMetrics& font, QStringView text);

// True only when the text of the cell (the top-left cell of its merged area) surely shows whole at
// its own font size in its area, wrapped as its format says: FittingFontSize would give that size.
// False when it may not, and when the built metrics cannot tell.
bool SurelyFitsAtOwnSize(const sheet::Worksheet& sheet, int row, int column);

}  // namespace morvessa
