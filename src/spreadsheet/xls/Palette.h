#pragma once
// The default 56-colour palette of the file format. The model's colour indexes 1..56 are
// palette entries 8..63 of the file (0..7 are fixed colours the format keeps apart).

#include "spreadsheet/DefaultPalette.h"

#include <cstdint>
#include <span>
#include <vector>

namespace morvessa::sheet::xls {

// PALETTE record data: the count and the 56 colours.
std::vector<uint8_t> PaletteRecordData();
// The colours of a PALETTE record (a file may replace any of the 56).
std::vector<Rgb> ReadPaletteRecord(std::span<const uint8_t> data);

// Model colour index (1..56) to file colour index and back; anything else is automatic.
bool IsPaletteIndex(int colorIndex);
uint16_t ToIcv(int colorIndex, uint16_t automatic);
// The model index of a file colour index, or `otherwise` when it names no palette entry.
int FromIcv(uint16_t icv, int otherwise);

}  // namespace morvessa::sheet::xls
