#include "host/SheetGeometry.h"

#include <cmath>

namespace morvessa {

int ColumnWidthPixels(double characters, int maxDigitWidth)
{
    if (!(characters > 0))
        return 0;
    // Below one character the padding shrinks with the width, as spreadsheet programs do it.
    if (characters < 1)
        return static_cast<int>(std::lround(characters * (maxDigitWidth + 5)));
    return static_cast<int>(std::lround(characters * maxDigitWidth + 5));
}

int RowHeightPixels(double points)
{
    if (!(points > 0))
        return 0;
    return static_cast<int>(std::lround(points * kPictureDpi / 72.0));
}

}  // namespace morvessa
