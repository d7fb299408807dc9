#include "holidays/HolidayEditing.h"

#include "support/SettingsTestSupport.h"

namespace morvessa {
namespace {

class HolidayEditingTest : public testing::TempSettingsTest {
protected:
    void SetUp() override
    {
        TempSettingsTest::SetUp();
        sink_ = std::make_unique<ScopedCatalogueMessageSink>(messages_);
        LoadHolidays();  // first run: the default tables
        RuleHolidays().clear();
        ProgramHolidayUndo().Clear();
    }
    void TearDown() override
    {
        RuleHolidays().clear();
        ProgramHolidayUndo().Clear();
        sink_.reset();
        TempSettingsTest::TearDown();
    }
    static HolidayRule Rule(const char* text, const char* name)
    {
        HolidayRule rule = ParseRuleText(QString::fromLatin1(text));
        rule.name = QString::fromUtf8(name);
        return rule;
    }
    // The three lists as the store holds them now.
    static HolidayLists Stored()
    {
        LoadHolidays();
        LoadRuleHolidays();
        return CurrentHolidayLists();
    }

    RecordingCatalogueMessageSink messages_;

private:
    std::unique_ptr<ScopedCatalogueMessageSink> sink_;
};

TEST_F(HolidayEditingTest, EveryHolidayIsAnEntryEvenWhenNamesRepeat)
{
    RuleHolidays() = {Rule("easter -2", "Christmas"), Rule("easter -2", "Christmas")};
    const std::vector<HolidayEntry> entries = AllHolidayEntries();
    ASSERT_EQ(entries.size(), 7u + 10u + 2u);
    EXPECT_EQ(EntryText(entries[3]), "Fixed: Christmas - 25 December");
    EXPECT_EQ(EntryText(entries[7]), "Floating: Memorial Day - Last Monday of May");
    EXPECT_EQ(EntryText(entries[17]), "Rule: Christmas - Easter -2 days");
    EXPECT_EQ(entries[18], (HolidayEntry{HolidayEntry::Source::Rule, 1}));
}

TEST_F(HolidayEditingTest, EditingATableRowKeepsItsPlaceAndItsStoredForm)
{
    const HolidayEntry christmas{HolidayEntry::Source::Fixed, 4};
    EXPECT_EQ(ReplaceHoliday(christmas, Rule("fixed 12-24", "Christmas Eve")), christmas);
    const HolidayEntry memorial{HolidayEntry::Source::Floating, 1};
    EXPECT_EQ(ReplaceHoliday(memorial, Rule("nth 2 mon 05", "Second Monday")), memorial);
    const HolidayLists stored = Stored();
    EXPECT_EQ(stored.fixed.Cell(4, fixed_column::Name).Text(), "Christmas Eve");
    EXPECT_EQ(stored.fixed.Cell(4, fixed_column::Day).Text(), "24");
    EXPECT_EQ(stored.floating.Cell(1, floating_column::Occurrence).Text(), "2");
    EXPECT_EQ(ReadSetting(QStringLiteral("3Data"), QString()).count(QStringLiteral("Christmas Eve")), 1);
    // Back to "Last": stored as the text the tables use.
    ReplaceHoliday(memorial, Rule("last mon 05", "Memorial Day"));
    EXPECT_EQ(Stored().floating.Cell(1, floating_column::Occurrence).Text(), "Last");
}

TEST_F(HolidayEditingTest, ARuleTheTableCannotHoldMovesTheHolidayToTheRuleList)
{
    const HolidayEntry moved =
        ReplaceHoliday({HolidayEntry::Source::Fixed, 3}, Rule("fixed 07-04 observe=us", "Independence Day"));
    EXPECT_EQ(moved, (HolidayEntry{HolidayEntry::Source::Rule, 0}));
    const HolidayLists stored = Stored();
    EXPECT_EQ(stored.fixed.RowCount(), 6);
    ASSERT_EQ(stored.rules.size(), 1u);
    EXPECT_EQ(RuleText(stored.rules[0]), "fixed 07-04 observe=us");

    // The last row of a table keeps its kind.
    FixedHolidays().Reset(1);
    FixedHolidays().Cell(1, 1) = 1;
    FixedHolidays().Cell(1, 2) = 1;
    FixedHolidays().Cell(1, 3) = "Only";
    EXPECT_THROW(ReplaceHoliday({HolidayEntry::Source::Fixed, 1}, Rule("easter +1", "Other")),
                 HolidayRuleError);
    EXPECT_EQ(FixedHolidays().Cell(1, 3).Text(), "Only");
    EXPECT_EQ(RuleHolidays().size(), 1u);
}

TEST_F(HolidayEditingTest, UndoPutsBackDeletesEditsAndRestoresInTurn)
{
    const HolidayLists start = CurrentHolidayLists();
    ProgramHolidayUndo().Remember(QStringLiteral("Delete"));
    EXPECT_TRUE(DeleteHoliday({HolidayEntry::Source::Fixed, 2}));
    ProgramHolidayUndo().Remember(QStringLiteral("Edit"));
    ReplaceHoliday({HolidayEntry::Source::Floating, 2}, Rule("easter +1", "Easter Monday"));
    RuleHolidays().push_back(Rule("date 2027-06-12", "Wedding"));
    SaveRuleHolidays();
    const HolidayLists afterEdit = CurrentHolidayLists();

    EXPECT_EQ(ProgramHolidayUndo().UndoText(), "Undo Edit");
    ASSERT_TRUE(ProgramHolidayUndo().Undo());
    HolidayLists stored = Stored();
    EXPECT_EQ(stored.fixed.RowCount(), 6);
    EXPECT_EQ(stored.floating, start.floating);
    EXPECT_TRUE(stored.rules.empty());
    EXPECT_NE(stored.rules, afterEdit.rules);

    ASSERT_TRUE(ProgramHolidayUndo().Undo());
    stored = Stored();
    EXPECT_EQ(stored.fixed, start.fixed);
    EXPECT_FALSE(ProgramHolidayUndo().Undo());
    EXPECT_EQ(ProgramHolidayUndo().UndoText(), "");
}

TEST_F(HolidayEditingTest, AddingPutsEachKindWhereTheListsCanHoldIt)
{
    EXPECT_EQ(AddHoliday(Rule("fixed 06-12", "Birthday")), (HolidayEntry{HolidayEntry::Source::Fixed, 8}));
    EXPECT_EQ(AddHoliday(Rule("nth 1 sun 06", "Picnic")), (HolidayEntry{HolidayEntry::Source::Floating, 11}));
    EXPECT_EQ(AddHoliday(Rule("nth 5 sun 06", "Rare")), (HolidayEntry{HolidayEntry::Source::Rule, 0}));
    EXPECT_EQ(AddHoliday(Rule("fixed 06-12 from 2030", "Later")),
              (HolidayEntry{HolidayEntry::Source::Rule, 1}));
    const HolidayLists stored = Stored();
    EXPECT_EQ(stored.fixed.Cell(8, fixed_column::Name).Text(), "Birthday");
    EXPECT_EQ(stored.floating.Cell(11, floating_column::Weekday).Text(), "1");
    EXPECT_EQ(stored.rules.size(), 2u);
}

TEST_F(HolidayEditingTest, AddingManySkipsThoseThereAndSavesOnce)
{
    const AddedToLists added =
        AddHolidays({Rule("fixed 12-25", "Christmas"), Rule("fixed 12-25", "Christmas Day"),
                     Rule("last mon 05", "Memorial Day"), Rule("easter -2", "Good Friday"),
                     Rule("easter -2", "Good Friday")});
    EXPECT_EQ(added.added, 2);
    EXPECT_EQ(added.alreadyThere, 3);
    const HolidayLists stored = Stored();
    EXPECT_EQ(stored.fixed.RowCount(), 8);
    EXPECT_EQ(stored.rules.size(), 1u);
    EXPECT_EQ(AllHolidayRules().size(), 8u + 10u + 1u);
}

TEST_F(HolidayEditingTest, DeletingKeepsTheLastTableRowAndRefusesUnknownEntries)
{
    RuleHolidays() = {Rule("easter -2", "Good Friday")};
    EXPECT_TRUE(DeleteHoliday({HolidayEntry::Source::Rule, 0}));
    EXPECT_FALSE(DeleteHoliday({HolidayEntry::Source::Rule, 0}));
    EXPECT_FALSE(DeleteHoliday({HolidayEntry::Source::Fixed, 99}));
    FloatingHolidays().Reset(1);
    EXPECT_FALSE(DeleteHoliday({HolidayEntry::Source::Floating, 1}));
}

// The user's file after a damaged load: three fixed holidays under a count of 2, and a rule list that
// is no list.
const QByteArray kDamagedStore = "[Morvessa]\n"
                                 "FixedHolidaysCount=2\n"
                                 "1Data=1|\xc2\xac"
                                 "3|\xc2\xac"
                                 "5|\n"
                                 "2Data=1|\xc2\xac"
                                 "17|\xc2\xac"
                                 "9|\n"
                                 "3Data=Mine|\xc2\xac"
                                 "Ours|\xc2\xac"
                                 "Theirs|\n"
                                 "FloatingHolidaysCount=1\n"
                                 "4Data=5|\n5Data=2|\n6Data=Last|\n7Data=Memorial Day|\n"
                                 "RuleHolidays=not a list\n";

TEST_F(HolidayEditingTest, ADamagedStoreIsLeftAsItIsUntilAMenuChangeAndThenLosesNothing)
{
    WriteRawSettings(kDamagedStore);
    LoadHolidays();
    LoadRuleHolidays();
    ASSERT_EQ(FixedHolidays().RowCount(), 3);
    const std::size_t told = messages_.messages.size();
    ASSERT_EQ(told, 2u);  // the tables, then the rule list kept aside
    const QByteArray loaded = RawSettings();

    // Changes that change nothing write nothing.
    EXPECT_EQ(AddHolidays({Rule("fixed 03-17", "Ours")}).added, 0);
    EXPECT_FALSE(DeleteHoliday({HolidayEntry::Source::Floating, 1}));
    EXPECT_EQ(RawSettings(), loaded);

    // A real change stores every row that was read, plus the change, without telling the damage
    // twice; the damaged rule text stays kept aside.
    AddHoliday(Rule("fixed 07-04", "Added"));
    EXPECT_EQ(messages_.messages.size(), told);
    HolidayLists stored = Stored();
    ASSERT_EQ(stored.fixed.RowCount(), 4);
    EXPECT_EQ(stored.fixed.Cell(3, fixed_column::Name).Text(), "Theirs");
    EXPECT_EQ(stored.fixed.Cell(4, fixed_column::Name).Text(), "Added");
    EXPECT_EQ(stored.floating.Cell(1, floating_column::Name).Text(), "Memorial Day");
    ProgramHolidayUndo().Remember(QStringLiteral("Add Holiday"));
    AddHoliday(Rule("easter +1", "Easter Monday"));
    EXPECT_EQ(ReadSetting(QString::fromLatin1(key::RuleHolidaysDamaged), QString()), "not a list");
    EXPECT_EQ(Stored().rules, std::vector<HolidayRule>{Rule("easter +1", "Easter Monday")});
    ASSERT_TRUE(ProgramHolidayUndo().Undo());
    EXPECT_TRUE(Stored().rules.empty());
    EXPECT_EQ(Stored().fixed.RowCount(), 4);
}

// Undo in one copy puts every row back where it was, whatever the kind of change.
TEST_F(HolidayEditingTest, UndoPutsRowsBackInTheirPlaces)
{
    const HolidayLists start = CurrentHolidayLists();
    RuleHolidays() = {Rule("easter -2", "Good Friday"), Rule("easter +1", "Easter Monday")};
    SaveRuleHolidays();
    const HolidayLists withRules = CurrentHolidayLists();
    ProgramHolidayUndo().Remember(QStringLiteral("Edit"));
    DeleteHoliday({HolidayEntry::Source::Fixed, 1});
    DeleteHoliday({HolidayEntry::Source::Fixed, 6});  // the last row
    ReplaceHoliday({HolidayEntry::Source::Fixed, 3}, Rule("fixed 12-26", "Boxing Day"));
    ReplaceHoliday({HolidayEntry::Source::Floating, 4}, Rule("nth 2 mon 10 from 1971", "Columbus Day"));
    DeleteHoliday({HolidayEntry::Source::Rule, 0});
    AddHoliday(Rule("fixed 12-31", "New Year's Eve"));
    ASSERT_TRUE(ProgramHolidayUndo().Undo());
    EXPECT_EQ(CurrentHolidayLists(), withRules);
    EXPECT_EQ(Stored(), withRules);
    EXPECT_EQ(Stored().fixed, start.fixed);
}

TEST_F(HolidayEditingTest, AHandEditedRowThatIsNoDateIsShownAndRefusedForEditing)
{
    FixedHolidays().Cell(2, fixed_column::Month) = "June-ish";
    EXPECT_EQ(EntryText({HolidayEntry::Source::Fixed, 2}), "Fixed: Flag Day - (not a valid date)");
    EXPECT_THROW(RuleOfEntry({HolidayEntry::Source::Fixed, 2}), HolidayRuleError);
}

}  // namespace
}  // namespace morvessa
