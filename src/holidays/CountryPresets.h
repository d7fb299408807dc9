#pragma once
// The national public holidays of a country, shipped as one data file per country (compiled in
// under ":/holidays/<CODE>.txt", CODE the ISO 3166-1 alpha-2 code). A file holds lines
//   country <CODE> | <local name of the country> | <English name>
//   <rule text> | <local name of the holiday> | <English name>
// with the rule texts of HolidayRules.h; blank lines and lines starting with "#" are comments.

#include "holidays/HolidayRules.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace morvessa {

struct PresetHoliday {
    HolidayRule rule;  // named with the local name
    QString localName;
    QString englishName;
};

struct CountryPreset {
    QString code;
    QString localName;
    QString englishName;
    std::vector<PresetHoliday> holidays;
};

// The codes of the shipped countries, in alphabetical order.
QStringList CountryCodes();

// The shipped file of `code` (any letter case). Throws HolidayRuleError for an unknown code or a
// damaged file.
CountryPreset LoadCountryPreset(const QString& code);

// Reads a country file; throws HolidayRuleError naming the line that cannot be read.
CountryPreset ParseCountryPreset(const QString& text);

enum class PresetNames { Local, English };

struct AddedHolidays {
    int added = 0;
    int skipped = 0;  // already in the list
};

// Appends the country's holidays to `rules` with the chosen names, skipping each one whose rule the
// list already holds under its local or its English name.
AddedHolidays AddCountryHolidays(std::vector<HolidayRule>& rules, const CountryPreset& country,
                                 PresetNames names);

}  // namespace morvessa
