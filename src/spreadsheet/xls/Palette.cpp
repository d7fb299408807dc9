#include "spreadsheet/xls/Palette.h"

#include "spreadsheet/xls/BiffRecords.h"
#include "spreadsheet/xls/Bytes.h"

namespace morvessa::sheet::xls {

const std::array<Rgb, 56>& DefaultPalette() {
    static const std::array<Rgb, 56> colours{{
        {0, 0, 0},       {255, 255, 255}, {255, 0, 0},     {0, 255, 0},     {0, 0, 255},
        {255, 255, 0},   {255, 0, 255},   {0, 255, 255},   {128, 0, 0},     {0, 128, 0},
        {0, 0, 128},     {128, 128, 0},   {128, 0, 128},   {0, 128, 128},   {192, 192, 192},
        {128, 128, 128}, {153, 153, 255}, {153, 51, 102},  {255, 255, 204}, {204, 255, 255},
        {102, 0, 102},   {255, 128, 128}, {0, 102, 204},   {204, 204, 255}, {0, 0, 128},
        {255, 0, 255},   {255, 255, 0},   {0, 255, 255},   {128, 0, 128},   {128, 0, 0},
        {0, 128, 128},   {0, 0, 255},     {0, 204, 255},   {204, 255, 255}, {204, 255, 204},
        {255, 255, 153}, {153, 204, 255}, {255, 153, 204}, {204, 153, 255}, {255, 204, 153},
        {51, 102, 255},  {51, 204, 204},  {153, 204, 0},   {255, 204, 0},   {255, 153, 0},
        {255, 102, 0},   {102, 102, 153}, {150, 150, 150}, {0, 51, 102},    {51, 153, 102},
        {0, 51, 0},      {51, 51, 0},     {153, 51, 0},    {153, 51, 102},  {51, 51, 153},
        {51, 51, 51},
    }};
    return colours;
}

std::vector<uint8_t> PaletteRecordData() {
    std::vector<uint8_t> data;
    PutU16(data, static_cast<uint16_t>(DefaultPalette().size()));
    for (const Rgb& c : DefaultPalette()) {
        PutU8(data, c.red);
        PutU8(data, c.green);
        PutU8(data, c.blue);
        PutU8(data, 0);
    }
    return data;
}

bool IsPaletteIndex(int colorIndex) { return colorIndex >= 1 && colorIndex <= 56; }

uint16_t ToIcv(int colorIndex, uint16_t automatic) {
    return IsPaletteIndex(colorIndex) ? static_cast<uint16_t>(colorIndex - 1 + kIcvPaletteFirst)
                                      : automatic;
}

int FromIcv(uint16_t icv, int otherwise) {
    return (icv >= kIcvPaletteFirst && icv < kIcvPaletteFirst + 56) ? icv - kIcvPaletteFirst + 1
                                                                     : otherwise;
}

}  // namespace morvessa::sheet::xls
