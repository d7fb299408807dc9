// A new user's first start follows the system: language, first weekday and the country's holidays,
// told once; English US systems and settings stored before stay as they were.

#include "calendar/CalendarOptions.h"
#include "calendar/CalendarTestSupport.h"
#include "calendar/FirstStart.h"
#include "holidays/HolidayCatalogue.h"
#include "holidays/world/WorldSources.h"
#include "settings/SettingsStore.h"

namespace morvessa {
namespace {

class FirstStartTest : public calendar_test::IsolatedCalendarTest {
protected:
    static QString Stored(const char* key) { return ReadSetting(QString::fromLatin1(key), QStringLiteral("-")); }

    RecordingCatalogueMessageSink messages_;
    ScopedCatalogueMessageSink sink_{&messages_};
};

TEST_F(FirstStartTest, AFirstStartTakesTheSystemsLanguageAndWeekOnlyWhenNothingIsStored)
{
    EXPECT_FALSE(FollowSystemOnFirstStart(QLocale(QStringLiteral("en_US"))));
    EXPECT_FALSE(FollowSystemOnFirstStart(QLocale::c()));
    EXPECT_EQ(Stored(key::CalendarLanguage), "-");
    EXPECT_TRUE(FollowSystemOnFirstStart(QLocale(QStringLiteral("de_DE"))));
    EXPECT_EQ(Stored(key::CalendarLanguage), "system");
    EXPECT_EQ(Stored(key::WeekStart), "locale");
    WriteSetting(QString::fromLatin1(key::WeekStart), QStringLiteral("sat"));
    EXPECT_FALSE(FollowSystemOnFirstStart(QLocale(QStringLiteral("fr_FR"))));
    EXPECT_EQ(Stored(key::WeekStart), "sat");
}

TEST_F(FirstStartTest, SettingsFromBeforeWithHolidaysButNoCalendarChoiceStayAsTheyAre)
{
    LoadHolidays();  // the default tables, as every earlier version stored them at its first start
    EXPECT_FALSE(FollowSystemOnFirstStart(QLocale(QStringLiteral("en_GB"))));
    EXPECT_TRUE(StoredCalendarOptions().IsDefault());
    EXPECT_TRUE(world::StoredWorldSources().empty());
}

// The country's public holidays replace the fixed and floating lists and Easter; the empty lists
// load as empty (not as damage, not as the defaults) and take the user's own holidays afterwards.
TEST_F(FirstStartTest, AGermanFirstStartKeepsGermanyAsItsHolidaysAndStartsWithEmptyLists)
{
    ASSERT_TRUE(FollowSystemOnFirstStart(QLocale(QStringLiteral("de_DE"))));
    const std::vector<world::WorldSource> sources = world::StoredWorldSources();
    ASSERT_EQ(sources.size(), 1u);
    EXPECT_EQ(sources[0].code, "DE");
    EXPECT_EQ(sources[0].kinds, QStringList{QStringLiteral("public")});
    EXPECT_TRUE(sources[0].language.isEmpty());  // the calendar's language
    EXPECT_EQ(Stored(key::Easter), "2");

    LoadHolidays();
    EXPECT_EQ(FixedHolidays().RowCount(), 0);
    EXPECT_EQ(FloatingHolidays().RowCount(), 0);
    EXPECT_TRUE(messages_.messages.empty()) << messages_.messages.front().toStdString();

    ChangeHolidays([](HolidayTable& fixed, HolidayTable&) {
        AppendHolidayRow(fixed);
        fixed.Cell(1, fixed_column::Month) = 3;
        fixed.Cell(1, fixed_column::Day) = 17;
        fixed.Cell(1, fixed_column::Name) = "Geburtstag";
    });
    LoadHolidays();
    ASSERT_EQ(FixedHolidays().RowCount(), 1);
    EXPECT_EQ(FixedHolidays().Cell(1, fixed_column::Name).Text(), "Geburtstag");
    EXPECT_EQ(FloatingHolidays().RowCount(), 0);
    EXPECT_TRUE(messages_.messages.empty());

    const world::WorldSourceDays days = world::DaysOfWorldSources(2026, QStringLiteral("de"));
    EXPECT_TRUE(std::any_of(days.days.begin(), days.days.end(), [](const world::WorldSourceDay& day) {
        return day.date == QDate(2026, 10, 3) && day.name == QStringLiteral("Tag der Deutschen Einheit");
    }));
}

// Without the key that allows them, empty lists are still a reset to the defaults, as before.
TEST_F(FirstStartTest, EmptyListsWithoutTheirKeyStillBecomeTheDefaults)
{
    WriteSettings({{QString::fromLatin1(key::FixedHolidaysCount), QStringLiteral("0")},
                   {QString::fromLatin1(key::FloatingHolidaysCount), QStringLiteral("0")}});
    LoadHolidays();
    EXPECT_EQ(FixedHolidays(), DefaultFixedHolidays());
    EXPECT_EQ(FloatingHolidays(), DefaultFloatingHolidays());
}

TEST_F(FirstStartTest, TheChosenCountryIsToldOnceInTheAskedLanguage)
{
    EXPECT_FALSE(UntoldFirstStartCountry(QStringLiteral("de")));
    ASSERT_TRUE(FollowSystemOnFirstStart(QLocale(QStringLiteral("fr_FR"))));
    const std::optional<FirstStartCountryChoice> told = UntoldFirstStartCountry(QStringLiteral("fr"));
    ASSERT_TRUE(told);
    EXPECT_EQ(told->code, "FR");
    EXPECT_EQ(told->name, "France");
    EXPECT_EQ(UntoldFirstStartCountry(QStringLiteral("de"))->name, "Frankreich");
    MarkFirstStartCountryTold();
    EXPECT_FALSE(UntoldFirstStartCountry(QStringLiteral("fr")));
}

}  // namespace
}  // namespace morvessa
