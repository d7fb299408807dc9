#include "colours/ColorPalette.h"

#include "settings/SettingsStore.h"
#include "support/SettingsTestSupport.h"
#include "core/NumericText.h"

#include <vector>

namespace morvessa {
namespace {

using ColorPaletteTest = testing::TempSettingsTest;

PaletteColor Entry(int index)
{
    return ColorPalette()[static_cast<std::size_t>(index - 1)];
}

TEST_F(ColorPaletteTest, HoldsAllFiftySixEntriesDuplicatesIncluded)
{
    InitColors();
    ASSERT_EQ(ColorPalette().size(), 56u);
    EXPECT_EQ(Entry(1), (PaletteColor{0, 0, 0}));
    EXPECT_EQ(Entry(2), (PaletteColor{255, 255, 255}));
    EXPECT_EQ(Entry(15), (PaletteColor{192, 192, 192}));
    EXPECT_EQ(Entry(36), (PaletteColor{255, 255, 153}));
    EXPECT_EQ(Entry(48), (PaletteColor{150, 150, 150}));
    EXPECT_EQ(Entry(56), (PaletteColor{51, 51, 51}));
    EXPECT_EQ(Entry(36).Argb(), 0xffffff99u);
    const std::pair<int, int> repeats[] = {{25, 11}, {26, 7},  {27, 6}, {28, 8},  {29, 13},
                                           {30, 9},  {31, 14}, {32, 5}, {34, 20}, {54, 18}};
    for (const auto& [later, earlier] : repeats)
        EXPECT_EQ(Entry(later), Entry(earlier)) << later;
    // Apart from those ten repeats every colour is distinct.
    int distinct = 0;
    for (int i = 1; i <= 56; ++i) {
        bool seen = false;
        for (int j = 1; j < i; ++j)
            seen = seen || Entry(i) == Entry(j);
        distinct += seen ? 0 : 1;
    }
    EXPECT_EQ(distinct, 46);
}

TEST_F(ColorPaletteTest, InitColorsRefillsThePalette)
{
    ColorPalette()[0] = PaletteColor{1, 2, 3};
    InitColors();
    EXPECT_EQ(ColorPalette(), DefaultColorPalette());
}

TEST_F(ColorPaletteTest, FirstRunWritesTheColourDefaults)
{
    InitColors();
    EXPECT_EQ(ReadSetting(QStringLiteral("HolidaysColor"), QString()), QStringLiteral("36"));
    EXPECT_EQ(ReadSetting(QStringLiteral("DaysColor"), QString()), QStringLiteral("0"));
    EXPECT_EQ(ReadSetting(QStringLiteral("EmptyColor"), QString()), QStringLiteral("15"));
    EXPECT_EQ(GetColorIndex(QStringLiteral("HolidaysColor")), 36);
    EXPECT_EQ(CurrentColorIndex(), 36);
    EXPECT_EQ(GetColorIndex(QStringLiteral("DaysColor")), kNoColorIndex);
    EXPECT_EQ(CurrentColorIndex(), kNoColorIndex);
    EXPECT_EQ(GetColorIndex(QStringLiteral("EmptyColor")), 15);
}

TEST_F(ColorPaletteTest, ExistingKeysAreNeverOverwrittenButNoneCountsAsAbsent)
{
    WriteSetting(QStringLiteral("HolidaysColor"), QStringLiteral("5"));
    WriteSetting(QStringLiteral("DaysColor"), QString());
    WriteSetting(QStringLiteral("EmptyColor"), QStringLiteral("None"));
    InitColors();
    EXPECT_EQ(ReadSetting(QStringLiteral("HolidaysColor"), QString()), QStringLiteral("5"));
    EXPECT_EQ(ReadSetting(QStringLiteral("DaysColor"), QStringLiteral("x")), QString());
    EXPECT_EQ(ReadSetting(QStringLiteral("EmptyColor"), QString()), QStringLiteral("15"));
}

TEST_F(ColorPaletteTest, StoredTextBecomesAnIndex)
{
    const std::pair<const char*, std::int32_t> cases[] = {
        {"0", kNoColorIndex}, {"-4142", kNoColorIndex},
        {"12abc", 12},        {"abc", kNoColorIndex},
        {"", kNoColorIndex},  {"56", 56},
        {"2.5", 2},           {"3.5", 4},
        {" 44", 44},          {"0.4", kNoColorIndex},
    };
    for (const auto& [stored, expected] : cases) {
        WriteSetting(QStringLiteral("HolidaysColor"), QString::fromLatin1(stored));
        EXPECT_EQ(GetColorIndex(QStringLiteral("HolidaysColor")), expected) << stored;
        EXPECT_EQ(CurrentColorIndex(), expected) << stored;
    }
    // A missing key is no colour too.
    EXPECT_EQ(GetColorIndex(QStringLiteral("EmptyColor")), kNoColorIndex);
}

TEST_F(ColorPaletteTest, AnIndexOutsideThePaletteIsNoColourAndIsToldOnceByName)
{
    std::vector<QString> notices;
    SetSettingsNoticeHandler([&](const QString& text) { notices.push_back(text); });
    for (const char* stored : {"999", "57", "-1", "1e12"}) {
        WriteSetting(QStringLiteral("DaysColor"), QString::fromLatin1(stored));
        EXPECT_EQ(GetColorIndex(QStringLiteral("DaysColor")), kNoColorIndex) << stored;
        EXPECT_EQ(GetColorIndex(QStringLiteral("DaysColor")), kNoColorIndex) << stored;
        ASSERT_EQ(notices.size(), 1u) << stored;
        EXPECT_TRUE(notices[0].startsWith(QStringLiteral("The setting DaysColor holds %1,").arg(stored)))
            << notices[0].toStdString();
        notices.clear();
    }
    SetSettingsNoticeHandler(nullptr);
}

}  // namespace
}  // namespace morvessa
