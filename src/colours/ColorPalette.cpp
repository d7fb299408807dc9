#include "colours/ColorPalette.h"

#include "settings/SettingsStore.h"
#include "core/NumericText.h"

#include <QCoreApplication>

namespace morvessa {

namespace {

constexpr std::array<PaletteColor, kPaletteSize> FromSheetPalette()
{
    std::array<PaletteColor, kPaletteSize> colours{};
    for (int i = 0; i < kPaletteSize; ++i) {
        const sheet::Rgb& c = sheet::kDefaultPalette[static_cast<size_t>(i)];
        colours[static_cast<size_t>(i)] = {c.red, c.green, c.blue};
    }
    return colours;
}

constexpr std::array<PaletteColor, kPaletteSize> kDefaultPalette = FromSheetPalette();

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
    const QString stored = ReadSetting(key, QString());
    const double value = RoundHalfEven(LeadingNumber(stored));
    std::int32_t index = kNoColorIndex;
    if (value >= 1 && value <= kPaletteSize) {
        index = static_cast<std::int32_t>(value);
    } else if ((value != 0 && value != kNoColorIndex) || (value == 0 && !stored.trimmed().isEmpty() &&
                                                          !IsNumeric(stored))) {
        // A colour the palette does not have would fail every cell it is given: said once, by name.
        ShowSettingsNoticeOnce(
            QCoreApplication::translate("ColorPalette",
                                        "The setting %1 holds %2, which is not one of the %3 colours, so no "
                                        "colour is used. Choose one with its Color button.")
                .arg(key, stored.trimmed())
                .arg(kPaletteSize));
    }
    g_currentColorIndex = index;
    return g_currentColorIndex;
}

std::int32_t& CurrentColorIndex()
{
    return g_currentColorIndex;
}

}  // namespace morvessa
