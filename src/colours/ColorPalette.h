#pragma once
// The spreadsheet's 56-entry default palette, the three colour settings and the colour under edit.
// Cells are coloured by palette index 1..56; -4142 means no colour.

#include "spreadsheet/DefaultPalette.h"

#include <QString>

#include <array>
#include <cstdint>

namespace morvessa {

struct PaletteColor {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    // 0xffRRGGBB, the form QColor::fromRgb(QRgb) takes.
    std::uint32_t Argb() const { return 0xff000000u | (red << 16) | (green << 8) | blue; }
    friend bool operator==(const PaletteColor&, const PaletteColor&) = default;
};

inline constexpr int kPaletteSize = sheet::kPaletteSize;
// The host's "no colour" for a cell interior; what a stored 0 becomes.
inline constexpr std::int32_t kNoColorIndex = -4142;

// Entry k - 1 holds palette index k. Holds the default palette from the start; InitColors refills it.
std::array<PaletteColor, kPaletteSize>& ColorPalette();
// The default palette itself, duplicates included (25 = 11, 26 = 7, ...).
const std::array<PaletteColor, kPaletteSize>& DefaultColorPalette();

// Refills ColorPalette and, for each colour key that is absent (reads "None"), writes its first-run
// default: HolidaysColor "36", DaysColor "0", EmptyColor "15". Existing keys are never overwritten.
void InitColors();

// The palette index of a colour key: the leading number of the stored text rounded half to even;
// 0 (also for text that is not a number) gives kNoColorIndex. An index outside 1..56 (other than
// -4142) is told once (ShowSettingsNoticeOnce), naming the setting, and gives kNoColorIndex. The result is
// also left in CurrentColorIndex().
std::int32_t GetColorIndex(const QString& key);

// The colour under edit, shared by the main window's colour buttons and the colour picker.
std::int32_t& CurrentColorIndex();

}  // namespace morvessa
