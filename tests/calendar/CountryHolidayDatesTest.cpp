// Every shipped country file against the published holiday lists of 2024 to 2026 (the sources are
// named in each file's header). A date marked "o" is an observed day.

#include "calendar/RuleDates.h"
#include "holidays/CountryPresets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace morvessa {
namespace {

struct Expected {
    const char* code;
    int year;
    const char* dates;
};

// clang-format off
const Expected kExpected[] = {
    {"US", 2024, "01-01 01-15 02-19 05-27 06-19 07-04 09-02 10-14 11-11 11-28 12-25"},
    {"US", 2025, "01-01 01-20 02-17 05-26 06-19 07-04 09-01 10-13 11-11 11-27 12-25"},
    {"US", 2026, "01-01 01-19 02-16 05-25 06-19 07-03o 07-04 09-07 10-12 11-11 11-26 12-25"},
    {"CA", 2024, "01-01 03-29 05-20 07-01 09-02 09-30 10-14 11-11 12-25 12-26"},
    {"CA", 2025, "01-01 04-18 05-19 07-01 09-01 09-30 10-13 11-11 12-25 12-26"},
    {"CA", 2026, "01-01 04-03 05-18 07-01 09-07 09-30 10-12 11-11 12-25 12-26"},
    {"MX", 2024, "01-01 02-05 03-18 05-01 09-16 10-01 11-18 12-25"},
    {"MX", 2025, "01-01 02-03 03-17 05-01 09-16 11-17 12-25"},
    {"MX", 2026, "01-01 02-02 03-16 05-01 09-16 11-16 12-25"},
    {"BR", 2024, "01-01 03-29 04-21 05-01 09-07 10-12 11-02 11-15 11-20 12-25"},
    {"BR", 2025, "01-01 04-18 04-21 05-01 09-07 10-12 11-02 11-15 11-20 12-25"},
    {"BR", 2026, "01-01 04-03 04-21 05-01 09-07 10-12 11-02 11-15 11-20 12-25"},
    {"AR", 2024, "01-01 02-12 02-13 03-24 03-29 04-02 05-01 05-25 06-20 07-09 12-08 12-25"},
    {"AR", 2025, "01-01 03-03 03-04 03-24 04-02 04-18 05-01 05-25 06-20 07-09 12-08 12-25"},
    {"AR", 2026, "01-01 02-16 02-17 03-24 04-02 04-03 05-01 05-25 06-20 07-09 12-08 12-25"},
    {"GB", 2024, "01-01 03-29 05-06 05-27 12-25 12-26"},
    {"GB", 2025, "01-01 04-18 05-05 05-26 12-25 12-26"},
    {"GB", 2026, "01-01 04-03 05-04 05-25 12-25 12-26 12-28o"},
    {"IE", 2024, "01-01 02-05 03-17 03-18o 04-01 05-06 06-03 08-05 10-28 12-25 12-26"},
    {"IE", 2025, "01-01 02-03 03-17 04-21 05-05 06-02 08-04 10-27 12-25 12-26"},
    {"IE", 2026, "01-01 02-02 03-17 04-06 05-04 06-01 08-03 10-26 12-25 12-26"},
    {"FR", 2024, "01-01 04-01 05-01 05-08 05-09 05-20 07-14 08-15 11-01 11-11 12-25"},
    {"FR", 2025, "01-01 04-21 05-01 05-08 05-29 06-09 07-14 08-15 11-01 11-11 12-25"},
    {"FR", 2026, "01-01 04-06 05-01 05-08 05-14 05-25 07-14 08-15 11-01 11-11 12-25"},
    {"DE", 2024, "01-01 03-29 04-01 05-01 05-09 05-20 10-03 12-25 12-26"},
    {"DE", 2025, "01-01 04-18 04-21 05-01 05-29 06-09 10-03 12-25 12-26"},
    {"DE", 2026, "01-01 04-03 04-06 05-01 05-14 05-25 10-03 12-25 12-26"},
    {"AT", 2024, "01-01 01-06 04-01 05-01 05-09 05-20 05-30 08-15 10-26 11-01 12-08 12-25 12-26"},
    {"AT", 2025, "01-01 01-06 04-21 05-01 05-29 06-09 06-19 08-15 10-26 11-01 12-08 12-25 12-26"},
    {"AT", 2026, "01-01 01-06 04-06 05-01 05-14 05-25 06-04 08-15 10-26 11-01 12-08 12-25 12-26"},
    {"CH", 2024, "01-01 05-09 08-01 12-25"},
    {"CH", 2025, "01-01 05-29 08-01 12-25"},
    {"CH", 2026, "01-01 05-14 08-01 12-25"},
    {"IT", 2024, "01-01 01-06 03-31 04-01 04-25 05-01 06-02 08-15 11-01 12-08 12-25 12-26"},
    {"IT", 2025, "01-01 01-06 04-20 04-21 04-25 05-01 06-02 08-15 11-01 12-08 12-25 12-26"},
    {"IT", 2026, "01-01 01-06 04-05 04-06 04-25 05-01 06-02 08-15 10-04 11-01 12-08 12-25 12-26"},
    {"ES", 2024, "01-01 01-06 03-29 05-01 08-15 10-12 11-01 12-06 12-08 12-25"},
    {"ES", 2025, "01-01 01-06 04-18 05-01 08-15 10-12 11-01 12-06 12-08 12-25"},
    {"ES", 2026, "01-01 01-06 04-03 05-01 08-15 10-12 11-01 12-06 12-08 12-25"},
    {"PT", 2024, "01-01 03-29 03-31 04-25 05-01 05-30 06-10 08-15 10-05 11-01 12-01 12-08 12-25"},
    {"PT", 2025, "01-01 04-18 04-20 04-25 05-01 06-10 06-19 08-15 10-05 11-01 12-01 12-08 12-25"},
    {"PT", 2026, "01-01 04-03 04-05 04-25 05-01 06-04 06-10 08-15 10-05 11-01 12-01 12-08 12-25"},
    {"NL", 2024, "01-01 03-29 03-31 04-01 04-27 05-05 05-09 05-19 05-20 12-25 12-26"},
    {"NL", 2025, "01-01 04-18 04-20 04-21 04-26 05-05 05-29 06-08 06-09 12-25 12-26"},
    {"NL", 2026, "01-01 04-03 04-05 04-06 04-27 05-05 05-14 05-24 05-25 12-25 12-26"},
    {"BE", 2024, "01-01 04-01 05-01 05-09 05-20 07-21 08-15 11-01 11-11 12-25"},
    {"BE", 2025, "01-01 04-21 05-01 05-29 06-09 07-21 08-15 11-01 11-11 12-25"},
    {"BE", 2026, "01-01 04-06 05-01 05-14 05-25 07-21 08-15 11-01 11-11 12-25"},
    {"SE", 2024, "01-01 01-06 03-29 03-31 04-01 05-01 05-09 05-19 06-06 06-22 11-02 12-25 12-26"},
    {"SE", 2025, "01-01 01-06 04-18 04-20 04-21 05-01 05-29 06-06 06-08 06-21 11-01 12-25 12-26"},
    {"SE", 2026, "01-01 01-06 04-03 04-05 04-06 05-01 05-14 05-24 06-06 06-20 10-31 12-25 12-26"},
    {"NO", 2024, "01-01 03-28 03-29 03-31 04-01 05-01 05-09 05-17 05-19 05-20 12-25 12-26"},
    {"NO", 2025, "01-01 04-17 04-18 04-20 04-21 05-01 05-17 05-29 06-08 06-09 12-25 12-26"},
    {"NO", 2026, "01-01 04-02 04-03 04-05 04-06 05-01 05-14 05-17 05-24 05-25 12-25 12-26"},
    {"DK", 2024, "01-01 03-28 03-29 03-31 04-01 05-09 05-19 05-20 12-25 12-26"},
    {"DK", 2025, "01-01 04-17 04-18 04-20 04-21 05-29 06-08 06-09 12-25 12-26"},
    {"DK", 2026, "01-01 04-02 04-03 04-05 04-06 05-14 05-24 05-25 12-25 12-26"},
    {"FI", 2024, "01-01 01-06 03-29 03-31 04-01 05-01 05-09 05-19 06-22 11-02 12-06 12-25 12-26"},
    {"FI", 2025, "01-01 01-06 04-18 04-20 04-21 05-01 05-29 06-08 06-21 11-01 12-06 12-25 12-26"},
    {"FI", 2026, "01-01 01-06 04-03 04-05 04-06 05-01 05-14 05-24 06-20 10-31 12-06 12-25 12-26"},
    {"PL", 2024, "01-01 01-06 03-31 04-01 05-01 05-03 05-19 05-30 08-15 11-01 11-11 12-25 12-26"},
    {"PL", 2025, "01-01 01-06 04-20 04-21 05-01 05-03 06-08 06-19 08-15 11-01 11-11 12-24 12-25 12-26"},
    {"PL", 2026, "01-01 01-06 04-05 04-06 05-01 05-03 05-24 06-04 08-15 11-01 11-11 12-24 12-25 12-26"},
    {"CZ", 2024, "01-01 03-29 04-01 05-01 05-08 07-05 07-06 09-28 10-28 11-17 12-24 12-25 12-26"},
    {"CZ", 2025, "01-01 04-18 04-21 05-01 05-08 07-05 07-06 09-28 10-28 11-17 12-24 12-25 12-26"},
    {"CZ", 2026, "01-01 04-03 04-06 05-01 05-08 07-05 07-06 09-28 10-28 11-17 12-24 12-25 12-26"},
    {"AU", 2024, "01-01 01-26 03-29 04-01 04-25 12-25 12-26"},
    {"AU", 2025, "01-01 01-26 01-27o 04-18 04-21 04-25 12-25 12-26"},
    {"AU", 2026, "01-01 01-26 04-03 04-06 04-25 12-25 12-26 12-28o"},
    {"NZ", 2024, "01-01 01-02 02-06 03-29 04-01 04-25 06-03 06-28 10-28 12-25 12-26"},
    {"NZ", 2025, "01-01 01-02 02-06 04-18 04-21 04-25 06-02 06-20 10-27 12-25 12-26"},
    {"NZ", 2026, "01-01 01-02 02-06 04-03 04-06 04-25 04-27o 06-01 07-10 10-26 12-25 12-26 12-28o"},
};
// clang-format on

std::vector<HolidayRule> RulesOf(const QString& code, PresetNames names = PresetNames::English)
{
    std::vector<HolidayRule> rules;
    AddCountryHolidays(rules, LoadCountryPreset(code), names);
    return rules;
}

QString DatesOf(const std::vector<HolidayRule>& rules, int year)
{
    QStringList dates;
    for (const HolidayOccurrence& occurrence : HolidaysInYear(rules, year)) {
        EXPECT_EQ(occurrence.date.year, year);
        dates.append(QStringLiteral("%1-%2%3")
                         .arg(occurrence.date.month, 2, 10, QLatin1Char('0'))
                         .arg(occurrence.date.day, 2, 10, QLatin1Char('0'))
                         .arg(occurrence.label.endsWith(QLatin1String(" (observed)")) ? QStringLiteral("o")
                                                                                      : QString()));
    }
    dates.sort();
    return dates.join(u' ');
}

TEST(CountryHolidayDatesTest, EveryCountryGivesThePublishedDatesOf2024To2026)
{
    std::map<QString, int> yearsChecked;
    for (const Expected& expected : kExpected) {
        const QString code = QString::fromLatin1(expected.code);
        EXPECT_EQ(DatesOf(RulesOf(code), expected.year).toStdString(), expected.dates)
            << expected.code << " " << expected.year;
        ++yearsChecked[code];
    }
    // Every shipped file is checked, for all three years.
    const QStringList codes = CountryCodes();
    EXPECT_GE(codes.size(), 24);
    for (const QString& code : codes)
        EXPECT_EQ(yearsChecked[code], 3) << code.toStdString();
}

TEST(CountryHolidayDatesTest, ObservedDaysAndOneOffsOfSeveralCountries)
{
    const auto labelsOn = [](const std::vector<HolidayRule>& rules, int year, int month, int day) {
        QStringList labels;
        for (const HolidayOccurrence& occurrence : HolidaysInYear(rules, year))
            if (occurrence.date == CalendarDate{year, month, day})
                labels.append(occurrence.label);
        return labels.join(QStringLiteral("; "));
    };
    // 2021: Christmas on a Saturday, Boxing Day on a Sunday.
    EXPECT_EQ(labelsOn(RulesOf(QStringLiteral("GB")), 2021, 12, 27), "Christmas Day (observed)");
    EXPECT_EQ(labelsOn(RulesOf(QStringLiteral("GB")), 2021, 12, 28), "Boxing Day (observed)");
    // New Year's Day 2022 (a Saturday) is a US federal holiday on Friday 31 December 2021.
    EXPECT_EQ(labelsOn(RulesOf(QStringLiteral("US")), 2021, 12, 31), "New Year's Day (observed)");
    EXPECT_EQ(labelsOn(RulesOf(QStringLiteral("US")), 2020, 6, 19), "");  // Juneteenth from 2021
    EXPECT_EQ(labelsOn(RulesOf(QStringLiteral("US")), 2021, 6, 18),
              "Juneteenth National Independence Day (observed)");
    EXPECT_EQ(labelsOn(RulesOf(QStringLiteral("GB")), 2022, 9, 19),
              "Bank Holiday for the State Funeral of Queen Elizabeth II");
    EXPECT_EQ(labelsOn(RulesOf(QStringLiteral("GB")), 2020, 5, 4), "");  // moved to VE Day, 8 May
    EXPECT_EQ(labelsOn(RulesOf(QStringLiteral("DK")), 2023, 5, 5), "Great Prayer Day");
    EXPECT_EQ(labelsOn(RulesOf(QStringLiteral("DK")), 2024, 4, 26), "");
    EXPECT_EQ(labelsOn(RulesOf(QStringLiteral("IE")), 2030, 2, 1), "Saint Brigid's Day");
    EXPECT_EQ(labelsOn(RulesOf(QStringLiteral("IE")), 2022, 12, 27), "Christmas Day (observed)");
    EXPECT_EQ(labelsOn(RulesOf(QStringLiteral("NZ")), 2022, 1, 4), "Day after New Year's Day (observed)");
    EXPECT_EQ(labelsOn(RulesOf(QStringLiteral("CA")), 2029, 7, 2), "Canada Day (observed)");
    EXPECT_EQ(labelsOn(RulesOf(QStringLiteral("SE"), PresetNames::Local), 2024, 6, 22), "Midsommardagen");
    EXPECT_EQ(labelsOn(RulesOf(QStringLiteral("DE"), PresetNames::Local), 2025, 6, 9), "Pfingstmontag");
    EXPECT_EQ(labelsOn(RulesOf(QStringLiteral("PT")), 2014, 6, 19), "");  // Corpus Christi suspended
    // Every file reads for every year the calendar offers.
    for (const QString& code : CountryCodes())
        for (int year = 1900; year <= 2100; ++year)
            EXPECT_NO_THROW(HolidaysInYear(RulesOf(code), year)) << code.toStdString() << year;
}

}  // namespace
}  // namespace morvessa
