#pragma once
// The holidays of any country, state or region of the world holiday data, computed for a year.
// The data lies beside the program as one file per country (split at build time from the pinned
// date-holidays package); opening a place reads only its country's file.

#include "holidays/world/RuleGrammar.h"

#include <QDate>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <memory>
#include <stdexcept>
#include <vector>

namespace morvessa::world {

class WorldDataError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The data's kinds of holiday, as its files name them.
enum class HolidayKind { Public, Bank, Optional, School, Observance };
constexpr int kKindCount = 5;
QString KindName(HolidayKind kind);                    // "public" ...
std::optional<HolidayKind> KindFromName(const QString& name);

struct WorldHoliday {
    QDate date;
    int days = 1;          // calendar days from `date` on that it covers
    int startMinutes = 0;  // a holiday from the afternoon on, e.g. 14:00
    HolidayKind kind = HolidayKind::Public;
    bool substitute = false;
    QString name;          // with the data's word for a substitute day appended
    QString rule;          // the data's rule, which tells this holiday apart within its place
};

// A country, state or region and its name.
struct Place {
    QString code;         // "DE", "DE-BY", "DE-BY-A"
    QString name;         // in the asked language where the data has it, else the local one
    QString englishName;
};

// Where the data lies: beside the program, or in the data folder of an installed package.
QString DefaultDataFolder();
// The data's source and version for --version and the About box, e.g. "date-holidays 3.37.0".
QString DataDescription(const QString& folder = DefaultDataFolder());
// Where the data comes from and under which licences it is given (the data CC BY-SA, the package's
// code ISC), for the About box.
inline constexpr const char* kDataHome = "https://github.com/commenthol/date-holidays";
inline constexpr const char* kDataLicence = "CC BY-SA 3.0 / ISC";

// Every country, by code; or the states and regions of one country (their codes in full).
std::vector<Place> Countries(const QString& folder = DefaultDataFolder(), const QString& language = {});
// A country's name in `language` as that list gives it ("Deutschland" for "DE" in "de"); empty for
// a code the data does not list.
QString CountryName(const QString& code, const QString& language, const QString& folder = DefaultDataFolder());
std::vector<Place> Subdivisions(const QString& country, const QString& folder = DefaultDataFolder(),
                                const QString& language = {});

class PlaceHolidays {
public:
    // Throws WorldDataError for an unknown code or missing or damaged data.
    static PlaceHolidays Open(const QString& code, const QString& folder = DefaultDataFolder());

    QString Code() const { return code_; }
    QString Name(const QString& language = {}) const;
    QStringList Languages() const { return languages_; }
    // Why rules of the data could not be read (their holidays are left out).
    QStringList UnreadRules() const { return unreadRules_; }

    // The holidays starting in `year`, by date, named in `language` (else the country's first
    // language, else English).
    std::vector<WorldHoliday> Holidays(int year, const QString& language = {}) const;

private:
    struct Entry {
        Rule rule;
        QJsonObject names;      // language -> name
        HolidayKind kind = HolidayKind::Public;
        bool substituteName = false;
        bool oneText = false;   // named in one text for every language
        std::vector<std::pair<QDate, QDate>> active;  // from (inclusive), to (exclusive); invalid = open
        std::vector<QDate> disabled, enabled;
    };
    QString NameIn(const QJsonObject& names, const QString& language) const;

    QString code_;
    QJsonObject placeNames_;
    QStringList languages_;
    QJsonObject substituteWord_;
    std::vector<Entry> entries_;
    QStringList unreadRules_;
};

}  // namespace morvessa::world
