#include "holidays/CountryPresets.h"

#include <gtest/gtest.h>

namespace morvessa {
namespace {

TEST(CountryPresetsTest, TheShippedCountriesAreListedAndEachFileReads)
{
    const QStringList codes = CountryCodes();
    for (const char* code : {"US", "CA", "MX", "BR", "AR", "GB", "IE", "FR", "DE", "AT", "CH", "IT",
                             "ES", "PT", "NL", "BE", "SE", "NO", "DK", "FI", "PL", "CZ", "AU", "NZ"})
        EXPECT_TRUE(codes.contains(QString::fromLatin1(code))) << code;
    for (const QString& code : codes) {
        const CountryPreset country = LoadCountryPreset(code);
        EXPECT_EQ(country.code, code);
        EXPECT_FALSE(country.englishName.isEmpty());
        EXPECT_GE(country.holidays.size(), 4u) << code.toStdString();
        for (const PresetHoliday& holiday : country.holidays) {
            EXPECT_FALSE(holiday.localName.isEmpty());
            EXPECT_FALSE(holiday.englishName.isEmpty());
        }
    }
    EXPECT_EQ(LoadCountryPreset(QStringLiteral(" de ")).localName, "Deutschland");
}

TEST(CountryPresetsTest, UnknownCodesAreRefusedWithTheKnownOnes)
{
    for (const char* code : {"XX", "", "G", "GBR", "../GB", "de.txt"}) {
        try {
            LoadCountryPreset(QString::fromLatin1(code));
            ADD_FAILURE() << code;
        } catch (const HolidayRuleError& error) {
            EXPECT_NE(std::string(error.what()).find("GB, IE"), std::string::npos) << error.what();
        }
    }
}

TEST(CountryPresetsTest, ADamagedFileNamesTheLine)
{
    const auto lineOf = [](const char* text) {
        try {
            ParseCountryPreset(QString::fromUtf8(text));
        } catch (const HolidayRuleError& error) {
            return std::string(error.what());
        }
        return std::string("accepted");
    };
    EXPECT_EQ(lineOf("# c\ncountry ZZ | Z | Z\n\nfixed 01-01 | A | A\n"), "accepted");
    EXPECT_NE(lineOf("country ZZ | Z | Z\nfixed 13-01 | A | A\n").find("Line 2"), std::string::npos);
    EXPECT_NE(lineOf("country ZZ | Z | Z\nfixed 01-01 | A\n").find("Line 2"), std::string::npos);
    EXPECT_NE(lineOf("fixed 01-01 | A | A\n").find("Line 1"), std::string::npos);
    EXPECT_NE(lineOf("country ZZ | Z | Z\ncountry YY | Y | Y\n").find("Line 2"), std::string::npos);
    EXPECT_NE(lineOf("# nothing\n").find("no country line"), std::string::npos);
}

TEST(CountryPresetsTest, AddingACountrySkipsTheHolidaysAlreadyThere)
{
    const CountryPreset germany = LoadCountryPreset(QStringLiteral("DE"));
    std::vector<HolidayRule> rules;
    HolidayRule own = ParseRuleText(QStringLiteral("fixed 06-12"));
    own.name = QStringLiteral("Birthday");
    rules.push_back(own);

    const AddedHolidays first = AddCountryHolidays(rules, germany, PresetNames::Local);
    EXPECT_EQ(first.added, int(germany.holidays.size()));
    EXPECT_EQ(first.skipped, 0);
    EXPECT_EQ(rules[1].name, "Neujahr");
    // Again, in either language: nothing is added twice.
    const AddedHolidays again = AddCountryHolidays(rules, germany, PresetNames::English);
    EXPECT_EQ(again.added, 0);
    EXPECT_EQ(again.skipped, int(germany.holidays.size()));
    // Austria shares New Year's Day and Easter Monday in English, not the local names or the rest.
    std::vector<HolidayRule> english;
    AddCountryHolidays(english, germany, PresetNames::English);
    const AddedHolidays austria =
        AddCountryHolidays(english, LoadCountryPreset(QStringLiteral("AT")), PresetNames::English);
    EXPECT_GT(austria.skipped, 3);
    EXPECT_GT(austria.added, 5);
    EXPECT_EQ(rules.size(), 1 + germany.holidays.size());
}

}  // namespace
}  // namespace morvessa
