#pragma once
// The spreadsheet's default 56-colour palette: the one table the file writer, the sheet pictures
// and the colour settings all read. Entry k - 1 is colour index k; the repeats (25 = 11, 26 = 7, ...)
// belong to the palette.

#include <array>
#include <cstdint>

namespace morvessa::sheet {

struct Rgb {
    std::uint8_t red, green, blue;
};

inline constexpr int kPaletteSize = 56;

inline constexpr std::array<Rgb, kPaletteSize> kDefaultPalette{{
    {0, 0, 0},       {255, 255, 255}, {255, 0, 0},     {0, 255, 0},     {0, 0, 255},     {255, 255, 0},
    {255, 0, 255},   {0, 255, 255},   {128, 0, 0},     {0, 128, 0},     {0, 0, 128},     {128, 128, 0},
    {128, 0, 128},   {0, 128, 128},   {192, 192, 192}, {128, 128, 128}, {153, 153, 255}, {153, 51, 102},
    {255, 255, 204}, {204, 255, 255}, {102, 0, 102},   {255, 128, 128}, {0, 102, 204},   {204, 204, 255},
    {0, 0, 128},     {255, 0, 255},   {255, 255, 0},   {0, 255, 255},   {128, 0, 128},   {128, 0, 0},
    {0, 128, 128},   {0, 0, 255},     {0, 204, 255},   {204, 255, 255}, {204, 255, 204}, {255, 255, 153},
    {153, 204, 255}, {255, 153, 204}, {204, 153, 255}, {255, 204, 153}, {51, 102, 255},  {51, 204, 204},
    {153, 204, 0},   {255, 204, 0},   {255, 153, 0},   {255, 102, 0},   {102, 102, 153}, {150, 150, 150},
    {0, 51, 102},    {51, 153, 102},  {0, 51, 0},      {51, 51, 0},     {153, 51, 0},    {153, 51, 102},
    {51, 51, 153},   {51, 51, 51},
}};

}  // namespace morvessa::sheet
