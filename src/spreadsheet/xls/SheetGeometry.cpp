#include "spreadsheet/xls/SheetGeometry.h"

#include <algorithm>
#include <cmath>

namespace morvessa::sheet::xls {
namespace {

constexpr double kMaxColumnCharacters = 255;
constexpr double kMaxRowPoints = 409.5;

double RoundToHundredths(double value)
{
    return std::round(value * 100) / 100;
}

double ColumnPixels(double characters)
{
    if (!std::isfinite(characters) || characters <= 0)
        return 0;
    characters = std::min(characters, kMaxColumnCharacters);
    // Below one character the padding shrinks with the width.
    if (characters < 1)
        return std::round(characters * (kDigitWidthPixels + kCellPaddingPixels));
    return std::round(characters * kDigitWidthPixels) + kCellPaddingPixels;
}

double CharactersOfPixels(double pixels)
{
    if (pixels < kDigitWidthPixels + kCellPaddingPixels)
        return RoundToHundredths(pixels / (kDigitWidthPixels + kCellPaddingPixels));
    return RoundToHundredths((pixels - kCellPaddingPixels) / kDigitWidthPixels);
}

}  // namespace

uint16_t ColumnWidthToFile(double characters)
{
    return static_cast<uint16_t>(
        std::min(65535.0, std::trunc(ColumnPixels(characters) * 256 / kDigitWidthPixels)));
}

double ColumnWidthFromFile(uint16_t units)
{
    return CharactersOfPixels(std::round(units * static_cast<double>(kDigitWidthPixels) / 256));
}

uint16_t StandardWidthToFile(double characters)
{
    if (!std::isfinite(characters) || characters <= 0)
        return 0;
    return static_cast<uint16_t>(std::floor(std::min(characters, kMaxColumnCharacters)));
}

double StandardWidthFromFile(uint16_t characters)
{
    const double pixels = std::ceil((characters * kDigitWidthPixels + kCellPaddingPixels) / 8.0) * 8;
    return CharactersOfPixels(pixels);
}

uint16_t PointsToTwips(double points)
{
    if (!std::isfinite(points) || points <= 0)
        return 0;
    return static_cast<uint16_t>(std::round(std::min(points, kMaxRowPoints) * 20));
}

}  // namespace morvessa::sheet::xls
