// Places: a state's days are its country's plus its own minus those it removes; names fall back from
// the asked language to the place's own and to English; and the shipped data gives what its users
// expect of a few well-known places.
#include "holidays/world/WorldHolidays.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace morvessa::world {
namespace {

const QString kShipped = QStringLiteral(MORVESSA_HOLIDAY_FOLDER);

// "MM-dd kind name" for each holiday of the year.
std::string Summary(const std::vector<WorldHoliday>& holidays)
{
    QStringList lines;
    for (const WorldHoliday& h : holidays)
        lines.append(QStringLiteral("%1 %2 %3").arg(h.date.toString(QStringLiteral("MM-dd")), KindName(h.kind), h.name));
    return lines.join(u'\n').toStdString();
}

bool Has(const std::vector<WorldHoliday>& holidays, const QDate& date, const QString& name)
{
    return std::any_of(holidays.begin(), holidays.end(),
                       [&](const WorldHoliday& h) { return h.date == date && h.name == name; });
}

class MadeUpCountry : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder_.isValid());
        Write(QStringLiteral("index.json"), R"({"version":"9.9.9","countries":{"OZ":{"names":{"en":"Oz"},
            "states":{"IX":{"names":{"en":"Ix"},"regions":{"NE":{"names":{"en":"Ne"}}}}}}}})");
        Write(QStringLiteral("OZ.json"), R"({"version":"9.9.9","code":"OZ","refs":{
            "substitutes":{"name":{"en":"substitute day","fr":"jour substitut"}},
            "01-01":{"name":{"en":"New Year's Day","fr":"Nouvel An","de":"Neujahr"}}},
          "country":{"names":{"fr":"Oz"},"langs":["fr"],"days":{
            "01-01 and if sunday then next monday":{"_name":"01-01","substitute":true},
            "04-01":{"name":{"fr":"Poisson d'avril"},"type":"observance"},
            "05-01":{"name":{"en":"Labour Day","fr":"Fête du travail"}},
            "12-24":{"name":{"en":"Christmas Eve"},"type":"bank"}},
           "states":{"IX":{"name":"Ix","days":{"05-01":false,"12-24":{"type":"school"},
              "07-14":{"name":{"en":"Ix Day"},"active":[{"from":"2020-01-01","to":"2025-07-14"}]}},
             "regions":{"NE":{"name":"Ne","days":{"05-01":{"name":{"en":"Labour Day"}},"12-24":false}}}}}},
          "others":{}})");
    }
    void Write(const QString& name, const char* text)
    {
        QFile file(folder_.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    QTemporaryDir folder_;
};

TEST_F(MadeUpCountry, AStateHasItsCountrysDaysPlusItsOwnMinusThoseItRemoves)
{
    const auto country = PlaceHolidays::Open(QStringLiteral("oz"), folder_.path()).Holidays(2023, QStringLiteral("en"));
    EXPECT_EQ(Summary(country), "01-01 public New Year's Day\n01-02 public New Year's Day (substitute day)\n"
                                "04-01 observance Poisson d'avril\n05-01 public Labour Day\n12-24 bank Christmas Eve");
    const auto state = PlaceHolidays::Open(QStringLiteral("OZ-IX"), folder_.path()).Holidays(2023, QStringLiteral("fr"));
    EXPECT_EQ(Summary(state), "01-01 public Nouvel An\n01-02 public Nouvel An (jour substitut)\n"
                              "04-01 observance Poisson d'avril\n07-14 public Ix Day\n12-24 school Christmas Eve");
    // A region may bring back a day its state removed, and remove one of its own; a day in force
    // "to" a date ends the day before it.
    const auto region = PlaceHolidays::Open(QStringLiteral("OZ-IX-NE"), folder_.path()).Holidays(2025, QStringLiteral("de"));
    EXPECT_EQ(Summary(region), "01-01 public Neujahr\n04-01 observance Poisson d'avril\n05-01 public Labour Day");
}

TEST_F(MadeUpCountry, UnknownPlacesAndDamagedDataAreReportedNotGuessed)
{
    EXPECT_THROW(PlaceHolidays::Open(QStringLiteral("OZ-XX"), folder_.path()), WorldDataError);
    EXPECT_THROW(PlaceHolidays::Open(QStringLiteral("QQ"), folder_.path()), WorldDataError);
    EXPECT_THROW(PlaceHolidays::Open(QStringLiteral("../OZ"), folder_.path()), WorldDataError);
    Write(QStringLiteral("QQ.json"), "{\"country\": [");
    EXPECT_THROW(PlaceHolidays::Open(QStringLiteral("QQ"), folder_.path()), WorldDataError);
    EXPECT_EQ(DataDescription(folder_.path()), QStringLiteral("date-holidays 9.9.9"));
    ASSERT_EQ(Subdivisions(QStringLiteral("OZ"), folder_.path()).size(), 2u);
    EXPECT_EQ(Subdivisions(QStringLiteral("OZ"), folder_.path())[1].code, QStringLiteral("OZ-IX-NE"));
}

TEST(ShippedHolidayData, WellKnownPlacesGetTheirDays)
{
    const auto bavaria = PlaceHolidays::Open(QStringLiteral("DE-BY"), kShipped).Holidays(2026, QStringLiteral("en"));
    EXPECT_TRUE(Has(bavaria, QDate(2026, 1, 6), QStringLiteral("Epiphany")));
    EXPECT_TRUE(Has(bavaria, QDate(2026, 6, 4), QStringLiteral("Corpus Christi")));
    EXPECT_TRUE(Has(bavaria, QDate(2026, 11, 1), QStringLiteral("All Saints' Day")));
    EXPECT_TRUE(Has(bavaria, QDate(2026, 10, 3), QStringLiteral("National Holiday")));

    const auto scotland = PlaceHolidays::Open(QStringLiteral("GB-SCT"), kShipped).Holidays(2026, QStringLiteral("en"));
    for (const QDate& day : {QDate(2026, 1, 2), QDate(2026, 8, 3), QDate(2026, 11, 30)})
        EXPECT_TRUE(std::any_of(scotland.begin(), scotland.end(), [&](const WorldHoliday& h) { return h.date == day; }))
            << day.toString(Qt::ISODate).toStdString();

    const auto japan = PlaceHolidays::Open(QStringLiteral("JP"), kShipped).Holidays(2026, QStringLiteral("en"));
    EXPECT_TRUE(Has(japan, QDate(2026, 3, 20), QStringLiteral("Spring Equinox Day")));
    EXPECT_TRUE(Has(japan, QDate(2026, 9, 23), QStringLiteral("Autumnal Equinox Day")));

    const auto israel = PlaceHolidays::Open(QStringLiteral("IL"), kShipped).Holidays(2026, QStringLiteral("en"));
    EXPECT_TRUE(Has(israel, QDate(2026, 9, 21), QStringLiteral("Day of Atonement (Yom Kippur)")));
    EXPECT_TRUE(Has(israel, QDate(2026, 4, 2), QStringLiteral("Passover (Pesach)")));

    // Names in the calendar's language where the data has them.
    const auto canada = PlaceHolidays::Open(QStringLiteral("CA-ON"), kShipped).Holidays(2026, QStringLiteral("en"));
    EXPECT_TRUE(Has(canada, QDate(2026, 5, 18), QStringLiteral("Victoria Day")));
    const auto belgium = PlaceHolidays::Open(QStringLiteral("BE"), kShipped).Holidays(2026, QStringLiteral("fr"));
    EXPECT_TRUE(Has(belgium, QDate(2026, 7, 21), QStringLiteral("Fête nationale")));
}

TEST(ShippedHolidayData, EveryCountryOpensAndGivesAYear)
{
    const std::vector<Place> countries = Countries(kShipped);
    EXPECT_GT(countries.size(), 200u);
    for (const Place& country : countries) {
        const PlaceHolidays place = PlaceHolidays::Open(country.code, kShipped);
        EXPECT_TRUE(place.UnreadRules().isEmpty()) << place.UnreadRules().join(u'\n').toStdString();
        EXPECT_FALSE(place.Holidays(2026).empty()) << country.code.toStdString();
        EXPECT_FALSE(country.englishName.isEmpty()) << country.code.toStdString();
    }
    // Countries are named in the asked language even where the data has only their own names.
    const std::vector<Place> german = Countries(kShipped, QStringLiteral("de"));
    const auto named = [&](const char* code) {
        const auto it = std::find_if(german.begin(), german.end(), [&](const Place& p) { return p.code == QLatin1String(code); });
        return it == german.end() ? QString() : it->name;
    };
    EXPECT_EQ(named("BR"), QStringLiteral("Brasilien"));
    EXPECT_EQ(named("DE"), QStringLiteral("Deutschland"));
}

}  // namespace
}  // namespace morvessa::world
