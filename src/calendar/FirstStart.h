#pragma once
// A new user's first calendar follows their system: its language, its first weekday and its
// country's holidays. English US, C and POSIX systems get the program's own defaults, and settings
// stored before are never changed.

#include "holidays/world/WorldHolidays.h"

#include <QLocale>
#include <QString>

#include <optional>

namespace morvessa {

namespace key {
// The country whose holidays a first start chose ("DE"), and "1" once the user has been told so.
inline constexpr const char* FirstStartCountry = "FirstStartCountry";
inline constexpr const char* FirstStartCountryTold = "FirstStartCountryTold";
}  // namespace key

// A first start (nothing stored: no holidays, no calendar choice) on a system whose locale is not
// English as in the United States stores the system's language and first weekday as the calendar's
// choices. When the world holiday data knows the locale's country, that country's public holidays
// (named in the calendar's language) take the place of the fixed and floating lists and of Easter,
// which then start empty. Returns whether it stored anything.
bool FollowSystemOnFirstStart(const QLocale& system, const QString& dataFolder = world::DefaultDataFolder());

// The country a first start chose, while the user has not been told of it: its code and its name in
// `language` ("Deutschland" for "de").
struct FirstStartCountryChoice {
    QString code;
    QString name;
};
std::optional<FirstStartCountryChoice> UntoldFirstStartCountry(const QString& language);
void MarkFirstStartCountryTold();

}  // namespace morvessa
