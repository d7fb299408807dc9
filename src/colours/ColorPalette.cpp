#include "colours/ColorPalette.h"

#include "holidays/SettingsStore.h"
#include "shell/core/NumericText.h"

namespace morvessa {

namespace {

constexpr std::array<PaletteColor, kPaletteSize> kDefaultPalette = {{
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

// Filled from the start so a swatch drawn before the first InitColors is still right.
std::array<PaletteColor, kPaletteSize> g_palette = kDefaultPalette;
std::int32_t g_currentColorIndex = 0;

struct ColourDefault {
    const char* key;
    const char* value;
};
constexpr ColourDefault kColourDefaults[] = {
    {key::HolidaysColor, "36"},  // light yellow
    {key::DaysColor, "0"},       // no colour
    {key::EmptyColor, "15"},     // light grey
};

}  // namespace

std::array<PaletteColor, kPaletteSize>& ColorPalette()
{
    return g_palette;
}

const std::array<PaletteColor, kPaletteSize>& DefaultColorPalette()
{
    return kDefaultPalette;
}

void InitColors()
{
    g_palette = kDefaultPalette;
    const QString absent = QStringLiteral("None");
    SettingValues defaults;
    for (const ColourDefault& entry : kColourDefaults) {
        const QString keyName = QString::fromLatin1(entry.key);
        if (ReadSetting(keyName, absent) == absent)
            defaults.emplace_back(keyName, QString::fromLatin1(entry.value));
    }
    if (!defaults.empty())
        WriteSettings(defaults);
}

std::int32_t GetColorIndex(const QString& key)
{
    const std::int32_t index = RoundToInt32(LeadingNumber(ReadSetting(key, QString())));
    g_currentColorIndex = index == 0 ? kNoColorIndex : index;
    return g_currentColorIndex;
}

std::int32_t& CurrentColorIndex()
{
    return g_currentColorIndex;
}

}  // namespace morvessa
