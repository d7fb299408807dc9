#include "holidays/HolidayRules.h"

#include "holidays/HolidayCatalogue.h"
#include "settings/SettingsStore.h"
#include "support/SettingsTestSupport.h"

namespace morvessa {
namespace {

HolidayRule Named(HolidayRule rule, const char* name)
{
    rule.name = QString::fromUtf8(name);
    return rule;
}

TEST(HolidayRuleTextTest, EveryKindReadsBackFromItsOwnText)
{
    const char* const texts[] = {
        "fixed 12-25",
        "fixed 12-26 observe=next",
        "fixed 07-04 observe=us from 1870",
        "fixed 07-01 observe=sunday",
        "fixed 02-29",
        "nth 3 mon 01 from 1986",
        "last mon 05",
        "easter -47",
        "easter +60",
        "easter +0",
        "mon on-or-before 05-24",
        "sat on-or-after 06-20 from 1953 until 2099",
        "date 2027-06-12",
        "date 2028-02-29",
    };
    for (const char* text : texts) {
        const HolidayRule rule = ParseRuleText(QString::fromLatin1(text));
        EXPECT_EQ(RuleText(rule), QString::fromLatin1(text));
        EXPECT_EQ(ParseRuleText(RuleText(rule)), rule) << text;
    }
}

TEST(HolidayRuleTextTest, FieldsAreReadIntoTheRule)
{
    const HolidayRule victoria =
        ParseRuleText(QStringLiteral("  MON  on-or-before 5-24 until 2030 from 1952 "));
    EXPECT_EQ(victoria.kind, HolidayRule::Kind::WeekdayOnOrBefore);
    EXPECT_EQ(victoria.weekday, 2);
    EXPECT_EQ(victoria.month, 5);
    EXPECT_EQ(victoria.day, 24);
    EXPECT_EQ(victoria.firstYear, 1952);
    EXPECT_EQ(victoria.lastYear, 2030);

    const HolidayRule last = ParseRuleText(QStringLiteral("last sun 10"));
    EXPECT_EQ(last.kind, HolidayRule::Kind::NthWeekday);
    EXPECT_EQ(last.occurrence, HolidayRule::kLast);
    EXPECT_EQ(last.weekday, 1);

    EXPECT_EQ(ParseRuleText(QStringLiteral("easter -2")).offset, -2);
    EXPECT_EQ(ParseRuleText(QStringLiteral("fixed 12-25 observe=us")).observed,
              HolidayRule::Observed::SaturdayToFridaySundayToMonday);
}

TEST(HolidayRuleTextTest, BadTextsAreRefusedWithTheReason)
{
    const char* const bad[] = {
        "",
        "fixed",
        "fixed 13-01",
        "fixed 04-31",
        "fixed 12-25 observe=sometimes",
        "nth 6 mon 01",
        "nth 1 mo 01",
        "last mon 00",
        "easter",
        "easter two",
        "easter +400",
        "mon on-or-around 05-24",
        "date 2027-13-01",
        "date 2027-02-29",
        "date 2027-06-12 from 2020",
        "fixed 01-01 from 2030 until 2020",
        "fixed 01-01 from 99",
        "weekly",
    };
    for (const char* text : bad) {
        try {
            ParseRuleText(QString::fromLatin1(text));
            ADD_FAILURE() << "accepted: " << text;
        } catch (const HolidayRuleError& error) {
            EXPECT_NE(std::string(error.what()).find("cannot be read"), std::string::npos) << text;
        }
    }
}

TEST(HolidayRuleTextTest, DescriptionsSayTheRuleInWords)
{
    EXPECT_EQ(DescribeRule(Named(ParseRuleText(QStringLiteral("easter -2")), "Good Friday")),
              "Good Friday - Easter -2 days");
    EXPECT_EQ(DescribeRule(
                  Named(ParseRuleText(QStringLiteral("mon on-or-before 05-24 from 1952")), "Victoria Day")),
              "Victoria Day - Monday on or before 24 May, from 1952");
    EXPECT_EQ(DescribeRule(Named(ParseRuleText(QStringLiteral("last mon 05")), "Memorial Day")),
              "Memorial Day - Last Monday of May");
    EXPECT_EQ(DescribeRule(Named(ParseRuleText(QStringLiteral("fixed 12-26 observe=next")), "Boxing Day")),
              "Boxing Day - 26 December, observed on the next free weekday when on a weekend");
}

TEST(HolidayRuleTest, YearsInForceBoundTheRuleAndADatedEventHasOneYear)
{
    const HolidayRule rule = ParseRuleText(QStringLiteral("fixed 06-19 from 2021 until 2030"));
    EXPECT_FALSE(rule.InForce(2020));
    EXPECT_TRUE(rule.InForce(2021));
    EXPECT_TRUE(rule.InForce(2030));
    EXPECT_FALSE(rule.InForce(2031));
    const HolidayRule event = ParseRuleText(QStringLiteral("date 2027-06-12"));
    EXPECT_TRUE(event.InForce(2027));
    EXPECT_FALSE(event.InForce(2026));
}

class RuleHolidayStoreTest : public testing::TempSettingsTest {
protected:
    void SetUp() override
    {
        TempSettingsTest::SetUp();
        RuleHolidays().clear();
        sink_ = std::make_unique<ScopedCatalogueMessageSink>(messages_);
    }
    void TearDown() override
    {
        sink_.reset();
        RuleHolidays().clear();
        TempSettingsTest::TearDown();
    }
    RecordingCatalogueMessageSink messages_;

private:
    std::unique_ptr<ScopedCatalogueMessageSink> sink_;
};

TEST_F(RuleHolidayStoreTest, ASavedListLoadsBackWithNamesOfAnyText)
{
    RuleHolidays() = {
        Named(ParseRuleText(QStringLiteral("easter +1")), "Ostermontag"),
        Named(ParseRuleText(QStringLiteral("fixed 12-26 observe=next")),
              "Boxing Day | \"St Stephen's\", ¬ = ; ø"),
        Named(ParseRuleText(QStringLiteral("date 2027-06-12")), "Wedding\nparty"),
    };
    const std::vector<HolidayRule> saved = RuleHolidays();
    SaveRuleHolidays();
    RuleHolidays().clear();
    LoadRuleHolidays();
    EXPECT_EQ(RuleHolidays(), saved);
    EXPECT_TRUE(messages_.messages.empty());
}

TEST_F(RuleHolidayStoreTest, NoStoredListIsAnEmptyListAndNothingIsWritten)
{
    LoadRuleHolidays();
    EXPECT_TRUE(RuleHolidays().empty());
    EXPECT_TRUE(RawSettings().isEmpty());
    EXPECT_FALSE(ShowEveryHolidayOfDay());
}

TEST_F(RuleHolidayStoreTest, OneBadRuleIsSetAsideAloneAndNoKeptListIsOverwritten)
{
    const QString damaged = QStringLiteral(
        "[{\"name\":\"Good Friday\",\"rule\":\"easter -2\"},{\"name\":\"X\",\"rule\":\"fixed 13-40\"}]");
    WriteSetting(QString::fromLatin1(key::RuleHolidays), damaged);
    RuleHolidays() = {Named(ParseRuleText(QStringLiteral("easter -2")), "Before")};
    LoadRuleHolidays();
    ASSERT_EQ(RuleHolidays().size(), 1u);
    EXPECT_EQ(RuleHolidays()[0].name, QStringLiteral("Good Friday"));
    ASSERT_EQ(messages_.messages.size(), 1u);
    EXPECT_TRUE(messages_.messages[0].contains(QStringLiteral("\"X\"")) &&
                messages_.messages[0].contains(QStringLiteral("fixed 13-40")))
        << messages_.messages[0].toStdString();
    const QString badRule = QStringLiteral("[{\"name\":\"X\",\"rule\":\"fixed 13-40\"}]");
    EXPECT_EQ(ReadSetting(QString::fromLatin1(key::RuleHolidaysDamaged), QString()), badRule);
    EXPECT_EQ(ReadSetting(QString::fromLatin1(key::RuleHolidays), QString()), damaged);

    // Each newly damaged list is kept beside the ones kept before.
    const char* texts[] = {"not json", "{\"name\":1}", "[1,2]", "[{\"name\":\"x\"}]"};
    for (const char* text : texts) {
        WriteSetting(QString::fromLatin1(key::RuleHolidays), QString::fromLatin1(text));
        LoadRuleHolidays();
        EXPECT_TRUE(RuleHolidays().empty()) << text;
    }
    EXPECT_EQ(messages_.messages.size(), 5u);
    EXPECT_EQ(ReadSetting(QString::fromLatin1(key::RuleHolidaysDamaged), QString()), badRule);
    for (int n = 2; n <= 5; ++n)
        EXPECT_EQ(ReadSetting(QStringLiteral("RuleHolidaysDamaged%1").arg(n), QString()),
                  QString::fromLatin1(texts[n - 2]));
}

// A store written before the rule holidays existed: every table row survives, the new keys are
// added beside them and survive a save of the tables.
TEST_F(RuleHolidayStoreTest, AStoreFromBeforeLoadsIntactAndTheNewKeysSurviveASave)
{
    const QByteArray before = QStringLiteral("[Morvessa]\n"
                                             "HolidaysColor=36\nDaysColor=2\nEmptyColor=15\nEaster=1\n"
                                             "FixedHolidaysCount=2\n"
                                             "1Data=7|¬4|\n2Data=4|¬1|\n3Data=Independence Day|¬Our Day|\n"
                                             "FloatingHolidaysCount=1\n"
                                             "4Data=5|\n5Data=2|\n6Data=Last|\n7Data=Memorial Day|\n")
                                  .toUtf8();
    WriteRawSettings(before);
    LoadHolidays();
    LoadRuleHolidays();
    ASSERT_EQ(FixedHolidays().RowCount(), 2);
    EXPECT_EQ(FixedHolidays().Cell(1, fixed_column::Name).Text(), "Independence Day");
    EXPECT_EQ(FixedHolidays().Cell(2, fixed_column::Name).Text(), "Our Day");
    EXPECT_EQ(FixedHolidays().Cell(2, fixed_column::Month).Number(), 4);
    ASSERT_EQ(FloatingHolidays().RowCount(), 1);
    EXPECT_EQ(FloatingHolidays().Cell(1, floating_column::Occurrence).Text(), "Last");
    EXPECT_TRUE(RuleHolidays().empty());
    EXPECT_TRUE(messages_.messages.empty());

    RuleHolidays().push_back(Named(ParseRuleText(QStringLiteral("easter -2")), "Good Friday"));
    SaveRuleHolidays();
    SetShowEveryHolidayOfDay(true);
    SaveHolidays();
    RuleHolidays().clear();
    LoadHolidays();
    LoadRuleHolidays();
    ASSERT_EQ(RuleHolidays().size(), 1u);
    EXPECT_EQ(RuleHolidays()[0].name, "Good Friday");
    EXPECT_TRUE(ShowEveryHolidayOfDay());
    EXPECT_EQ(FixedHolidays().RowCount(), 2);
    EXPECT_EQ(ReadSetting(QStringLiteral("3Data"), QString()), QStringLiteral("Independence Day|¬Our Day|"));
    EXPECT_EQ(ReadSetting(QStringLiteral("HolidaysColor"), QString()), "36");
}

}  // namespace
TEST(HolidaySourceTest, SourcesKeepTheirKeysAndTravelWithTheirRules)
{
    for (const HolidaySource& source :
         {HolidaySource::Lists(), HolidaySource::Country(QStringLiteral("de-by"), QStringLiteral("Bank")),
          HolidaySource::Calendar(QStringLiteral("Birthdays: family"))}) {
        const std::optional<HolidaySource> back = HolidaySource::FromKey(source.Key());
        ASSERT_TRUE(back) << source.Key().toStdString();
        EXPECT_EQ(*back, source);
    }
    EXPECT_EQ(HolidaySource::Country(QStringLiteral("de-by"), QStringLiteral("Bank")).Key(),
              QStringLiteral("country:DE-BY:bank"));
    for (const char* bad : {"", "country", "country:DE", "calendar:", "weather:x"})
        EXPECT_FALSE(HolidaySource::FromKey(QString::fromLatin1(bad))) << bad;

    // A rule of the lists is stored as before; one of a country names it, and reads back with it.
    HolidayRule own = ParseRuleText(QStringLiteral("fixed 03-16"));
    own.name = QStringLiteral("Quillfeast");
    HolidayRule country = ParseRuleText(QStringLiteral("fixed 11-30"));
    country.name = QStringLiteral("St Andrew's Day");
    country.source = HolidaySource::Country(QStringLiteral("GB-SCT"));
    country.source.name = QStringLiteral("Scotland");
    const QString text = RuleListText({own, country});
    EXPECT_EQ(RuleListText({own}), QStringLiteral(R"([{"name":"Quillfeast","rule":"fixed 03-16"}])"));
    const std::vector<HolidayRule> back = ParseRuleList(text);
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[0].source.origin, HolidaySource::Origin::Lists);
    EXPECT_EQ(back[1].source, country.source);
    EXPECT_EQ(back[1].source.Label(), QStringLiteral("Scotland"));
}

}  // namespace morvessa
