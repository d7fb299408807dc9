#include "spreadsheet/xls/Palette.h"

#include "spreadsheet/xls/BiffRecords.h"
#include "spreadsheet/xls/Bytes.h"

namespace morvessa::sheet::xls {

std::vector<uint8_t> PaletteRecordData()
{
    std::vector<uint8_t> data;
    PutU16(data, static_cast<uint16_t>(kDefaultPalette.size()));
    for (const Rgb& c : kDefaultPalette) {
        PutU8(data, c.red);
        PutU8(data, c.green);
        PutU8(data, c.blue);
        PutU8(data, 0);
    }
    return data;
}

bool IsPaletteIndex(int colorIndex)
{
    return colorIndex >= 1 && colorIndex <= kPaletteSize;
}

uint16_t ToIcv(int colorIndex, uint16_t automatic)
{
    return IsPaletteIndex(colorIndex) ? static_cast<uint16_t>(colorIndex - 1 + kIcvPaletteFirst) : automatic;
}

int FromIcv(uint16_t icv, int otherwise)
{
    return (icv >= kIcvPaletteFirst && icv < kIcvPaletteFirst + kPaletteSize) ? icv - kIcvPaletteFirst + 1
                                                                              : otherwise;
}

}  // namespace morvessa::sheet::xls
