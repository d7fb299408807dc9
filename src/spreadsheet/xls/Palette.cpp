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

std::vector<Rgb> ReadPaletteRecord(std::span<const uint8_t> data)
{
    ByteReader in(data, "PALETTE");
    const uint16_t count = in.U16();
    if (in.Remaining() < size_t{count} * 4)
        FailInvalid("a PALETTE record is too short.");
    std::vector<Rgb> colours(count);
    for (Rgb& c : colours) {
        c.red = in.U8();
        c.green = in.U8();
        c.blue = in.U8();
        in.U8();
    }
    return colours;
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
