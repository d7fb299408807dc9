// A settings file from before the world holiday data: the holidays a user added from the country
// lists the program used to ship (Britain in English, Germany and Argentina in their own languages)
// are holidays by rule like any other; they load, mark their days and save back unchanged.
#include "calendar/IcsExport.h"
#include "calendar/RuleDates.h"
#include "holidays/HolidayCatalogue.h"
#include "holidays/HolidayRules.h"
#include "holidays/world/WorldSources.h"
#include "support/SettingsTestSupport.h"

#include <QFile>

namespace morvessa {
namespace {

class StoredCountryHolidaysTest : public testing::TempSettingsTest {
protected:
    void TearDown() override
    {
        RuleHolidays().clear();
        TempSettingsTest::TearDown();
    }
};

TEST_F(StoredCountryHolidaysTest, HolidaysAddedFromTheFormerCountryListsLoadMarkAndSaveUnchanged)
{
    QFile fixture(QStringLiteral(MORVESSA_SOURCE_DIR "/tests/calendar/country-holidays-settings.ini"));
    ASSERT_TRUE(fixture.open(QIODevice::ReadOnly));
    WriteRawSettings(fixture.readAll());
    LoadHolidays();
    LoadRuleHolidays();
    const QString stored = ReadSetting(QString::fromLatin1(key::RuleHolidays), {});

    ASSERT_EQ(RuleHolidays().size(), 32u);
    EXPECT_EQ(RuleHolidays()[13].name, "Neujahr");
    EXPECT_EQ(FixedHolidays().RowCount(), 7);
    EXPECT_TRUE(world::StoredWorldSources().empty());
    // Britain's 7 days of 2026 (Boxing Day observed on Monday 28th), Germany's 8 and Argentina's 11.
    QStringList days;
    for (const HolidayOccurrence& day : HolidaysInYear(RuleHolidays(), 2026))
        days.append(QStringLiteral("%1-%2 %3").arg(day.date.month).arg(day.date.day).arg(day.label));
    EXPECT_EQ(days.size(), 26) << days.join(u'\n').toStdString();
    EXPECT_TRUE(days.contains(QStringLiteral("12-28 Boxing Day (observed)")));
    EXPECT_TRUE(days.contains(QStringLiteral("5-25 Pfingstmontag")));
    EXPECT_TRUE(days.contains(QStringLiteral("3-24 Día Nacional de la Memoria por la Verdad y la Justicia")));
    bool marked = false;
    for (const MarkedHoliday& day : MarkedHolidays(2026, 2026))
        marked |= day.date == CalendarDate{2026, 10, 3} && day.name == QStringLiteral("Tag der Deutschen Einheit");
    EXPECT_TRUE(marked);

    SaveRuleHolidays();
    EXPECT_EQ(ReadSetting(QString::fromLatin1(key::RuleHolidays), {}), stored);
}

}  // namespace
}  // namespace morvessa
