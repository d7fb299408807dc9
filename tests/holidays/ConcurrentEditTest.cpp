// Two processes that edit one settings file: every change of each survives.

#include "holidays/HolidayCatalogue.h"
#include "holidays/HolidayEditing.h"
#include "settings/SettingsStore.h"
#include "support/SettingsTestSupport.h"

#include <QProcess>
#include <QSet>

namespace morvessa {
namespace {

const QString kHelper = QStringLiteral(MORVESSA_BINARY_DIR "/bin/holiday-editor-helper");

class ConcurrentEditTest : public testing::TempSettingsTest {
protected:
    void SetUp() override
    {
        TempSettingsTest::SetUp();
        sink_ = std::make_unique<ScopedCatalogueMessageSink>(messages_);
    }
    void TearDown() override
    {
        RuleHolidays().clear();
        ProgramHolidayUndo().Clear();
        sink_.reset();
        TempSettingsTest::TearDown();
    }

    // Starts a helper that adds `count` holidays named prefix1.. to this test's settings file.
    std::unique_ptr<QProcess> StartHelper(int count, const QString& prefix) const
    {
        auto process = std::make_unique<QProcess>();
        process->setProcessChannelMode(QProcess::ForwardedChannels);
        process->start(kHelper, {SettingsPath(), QString::number(count), prefix});
        EXPECT_TRUE(process->waitForStarted(10000)) << kHelper.toStdString();
        return process;
    }
    // Runs the helper to its end: the other copy makes one change and closes.
    void OtherCopy(const QStringList& change) const
    {
        QProcess process;
        process.setProcessChannelMode(QProcess::ForwardedChannels);
        process.start(kHelper, QStringList{SettingsPath()} + change);
        ASSERT_TRUE(process.waitForStarted(10000)) << kHelper.toStdString();
        Finish(process);
    }
    static void Finish(QProcess& process)
    {
        ASSERT_TRUE(process.waitForFinished(120000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), 0);
    }

    static QSet<QString> FixedNames()
    {
        QSet<QString> names;
        for (int row = 1; row <= FixedHolidays().RowCount(); ++row)
            names.insert(FixedHolidays().Cell(row, fixed_column::Name).Text());
        return names;
    }

    static HolidayRule Rule(const char* text, const char* name)
    {
        HolidayRule rule = ParseRuleText(QString::fromLatin1(text));
        rule.name = QString::fromUtf8(name);
        return rule;
    }
    static QStringList RuleNames()
    {
        QStringList names;
        for (const HolidayRule& rule : RuleHolidays())
            names.append(rule.name);
        return names;
    }
    // Starts as the program does: both lists from the store, nothing to undo.
    static void Start()
    {
        LoadHolidays();
        LoadRuleHolidays();
        ProgramHolidayUndo().Clear();
    }

    RecordingCatalogueMessageSink messages_;

private:
    std::unique_ptr<ScopedCatalogueMessageSink> sink_;
};

TEST_F(ConcurrentEditTest, AHolidayAddedByAnotherCopyOutlivesThisCopysDelete)
{
    LoadHolidays();  // this copy shows the defaults, say from the preview
    const HolidayTable seen = FixedHolidays();

    auto other = StartHelper(1, QStringLiteral("Theirs"));
    Finish(*other);

    // Back in this copy: delete "Flag Day", the row it shows as row 2.
    ChangeHolidays(
        [&](HolidayTable& fixed, HolidayTable&) { DeleteHolidayRow(fixed, SameHolidayRow(seen, 2, fixed)); });
    LoadHolidays();
    const QSet<QString> names = FixedNames();
    EXPECT_TRUE(names.contains(QStringLiteral("Theirs1")));
    EXPECT_FALSE(names.contains(QStringLiteral("Flag Day")));
    EXPECT_EQ(FixedHolidays().RowCount(), 7);
}

TEST_F(ConcurrentEditTest, TwoCopiesAddingAtOnceLoseNothing)
{
    LoadHolidays();
    constexpr int kEach = 25;
    auto first = StartHelper(kEach, QStringLiteral("First"));
    auto second = StartHelper(kEach, QStringLiteral("Second"));
    Finish(*first);
    Finish(*second);

    LoadHolidays();
    EXPECT_EQ(FixedHolidays().RowCount(), 7 + 2 * kEach);
    const QSet<QString> names = FixedNames();
    for (int i = 1; i <= kEach; ++i) {
        EXPECT_TRUE(names.contains(QStringLiteral("First%1").arg(i))) << i;
        EXPECT_TRUE(names.contains(QStringLiteral("Second%1").arg(i))) << i;
    }
    EXPECT_TRUE(messages_.messages.empty());
}

// This copy edits through the Holidays menu while the other one added a holiday to each kind of
// list: everything both stored is there, and this copy's lists show it without a reload.
TEST_F(ConcurrentEditTest, MenuEditsKeepWhatAnotherCopyAddedMeanwhile)
{
    Start();
    OtherCopy({QStringLiteral("1"), QStringLiteral("Theirs")});
    OtherCopy({QStringLiteral("--add-rule"), QStringLiteral("Their Monday"), QStringLiteral("easter +1")});

    // Christmas is row 4 of what this copy shows.
    EXPECT_EQ(ReplaceHoliday({HolidayEntry::Source::Fixed, 4}, Rule("fixed 12-24", "Christmas Eve")),
              (HolidayEntry{HolidayEntry::Source::Fixed, 4}));
    EXPECT_TRUE(FixedNames().contains(QStringLiteral("Theirs1")));
    EXPECT_EQ(AddHoliday(Rule("easter -2", "Good Friday")), (HolidayEntry{HolidayEntry::Source::Rule, 1}));
    AddHolidays({Rule("fixed 03-17", "Saint Patrick's Day"), Rule("easter +1", "Their Monday")});

    Start();
    const QSet<QString> names = FixedNames();
    EXPECT_EQ(FixedHolidays().RowCount(), 9);
    EXPECT_TRUE(names.contains(QStringLiteral("Theirs1")));
    EXPECT_TRUE(names.contains(QStringLiteral("Saint Patrick's Day")));
    EXPECT_EQ(FixedHolidays().Cell(4, fixed_column::Name).Text(), "Christmas Eve");
    EXPECT_FALSE(names.contains(QStringLiteral("Christmas")));
    // Their Monday was there already when the import came, so it is not doubled.
    EXPECT_EQ(RuleNames(), (QStringList{QStringLiteral("Their Monday"), QStringLiteral("Good Friday")}));
    EXPECT_TRUE(messages_.messages.empty());
}

// A list changed in memory and saved as a whole (as adding a country does) keeps the rule holidays the
// other copy stored since this copy read the list, and the other copy's deletes.
TEST_F(ConcurrentEditTest, SavingTheRuleListFromMemoryKeepsTheOtherCopysChanges)
{
    OtherCopy({QStringLiteral("--add-rule"), QStringLiteral("Old"), QStringLiteral("easter +39")});
    Start();
    OtherCopy({QStringLiteral("--add-rule"), QStringLiteral("Their Monday"), QStringLiteral("easter +1")});
    OtherCopy({QStringLiteral("--delete"), QStringLiteral("Old")});

    ProgramHolidayUndo().Remember(QStringLiteral("Add Country"));
    RuleHolidays().push_back(Rule("easter -2", "Good Friday"));
    SaveRuleHolidays();
    EXPECT_EQ(RuleNames(), (QStringList{QStringLiteral("Their Monday"), QStringLiteral("Good Friday")}));
    ASSERT_TRUE(ProgramHolidayUndo().Undo());
    Start();
    EXPECT_EQ(RuleNames(), QStringList{QStringLiteral("Their Monday")});
}

// Undo takes back this copy's own change only; what the other copy stored after it stays.
TEST_F(ConcurrentEditTest, UndoInThisCopyKeepsWhatAnotherCopyAdded)
{
    Start();
    const HolidayTable start = FixedHolidays();
    ProgramHolidayUndo().Remember(QStringLiteral("Delete"));
    ASSERT_TRUE(DeleteHoliday({HolidayEntry::Source::Fixed, 2}));  // Flag Day
    ProgramHolidayUndo().Remember(QStringLiteral("Add Holiday"));
    AddHoliday(Rule("easter -2", "Good Friday"));

    OtherCopy({QStringLiteral("1"), QStringLiteral("Theirs")});
    OtherCopy({QStringLiteral("--add-rule"), QStringLiteral("Their Monday"), QStringLiteral("easter +1")});
    OtherCopy({QStringLiteral("--delete"), QStringLiteral("Halloween")});

    ASSERT_TRUE(ProgramHolidayUndo().Undo());  // Good Friday goes, Their Monday stays
    EXPECT_EQ(RuleNames(), QStringList{QStringLiteral("Their Monday")});
    ASSERT_TRUE(ProgramHolidayUndo().Undo());  // Flag Day comes back in its place

    Start();
    EXPECT_EQ(RuleNames(), QStringList{QStringLiteral("Their Monday")});
    ASSERT_EQ(FixedHolidays().RowCount(), 7);
    EXPECT_EQ(FixedHolidays().Cell(2, fixed_column::Name).Text(), "Flag Day");
    EXPECT_EQ(FixedHolidays().Cell(7, fixed_column::Name).Text(), "Theirs1");
    // The other copy's delete is not undone by this copy either.
    EXPECT_FALSE(FixedNames().contains(QStringLiteral("Halloween")));
    for (int row = 1; row <= 5; ++row)
        EXPECT_TRUE(SameHolidayRowContent(FixedHolidays(), row, start, row)) << row;
}

// A holiday the other copy deleted or changed is never mistaken for the one that took its row.
TEST_F(ConcurrentEditTest, AHolidayAnotherCopyDeletedOrChangedIsNotMistakenForAnother)
{
    Start();
    OtherCopy({QStringLiteral("--delete"), QStringLiteral("Flag Day")});
    OtherCopy({QStringLiteral("--rename"), QStringLiteral("Christmas"), QStringLiteral("Xmas")});
    OtherCopy({QStringLiteral("--delete"), QStringLiteral("Halloween")});

    // Row 2 was Flag Day here; in the store it is Independence Day now.
    ProgramHolidayUndo().Remember(QStringLiteral("Delete"));
    EXPECT_TRUE(DeleteHoliday({HolidayEntry::Source::Fixed, 2}));
    ASSERT_EQ(messages_.messages.size(), 1u);
    EXPECT_TRUE(messages_.messages[0].contains(QStringLiteral("\"Flag Day\" was changed or deleted")))
        << messages_.messages[0].toStdString();
    EXPECT_TRUE(FixedNames().contains(QStringLiteral("Independence Day")));  // shown now as stored
    EXPECT_EQ(FixedHolidays().RowCount(), 5);
    // Nothing was deleted, so there is nothing to undo.
    EXPECT_FALSE(ProgramHolidayUndo().CanUndo());
    EXPECT_FALSE(ProgramHolidayUndo().Undo());
    EXPECT_EQ(FixedHolidays().RowCount(), 5);

    // Christmas was renamed there: deleting it here deletes neither Xmas nor anything else.
    OtherCopy({QStringLiteral("--rename"), QStringLiteral("Xmas"), QStringLiteral("Christmas")});
    Start();
    OtherCopy({QStringLiteral("--rename"), QStringLiteral("Christmas"), QStringLiteral("Xmas")});
    const int christmas = 3;
    ASSERT_EQ(FixedHolidays().Cell(christmas, fixed_column::Name).Text(), "Christmas");
    EXPECT_TRUE(DeleteHoliday({HolidayEntry::Source::Fixed, christmas}));
    EXPECT_EQ(messages_.messages.size(), 2u);
    EXPECT_TRUE(FixedNames().contains(QStringLiteral("Xmas")));
    EXPECT_EQ(FixedHolidays().RowCount(), 5);

    // Editing a holiday the other copy deleted keeps the edit as a new holiday and says so.
    Start();
    OtherCopy({QStringLiteral("--delete"), QStringLiteral("Valentine's Day")});
    ASSERT_EQ(FixedHolidays().Cell(5, fixed_column::Name).Text(), "Valentine's Day");
    const HolidayEntry added =
        ReplaceHoliday({HolidayEntry::Source::Fixed, 5}, Rule("fixed 02-15", "Valentine's Day After"));
    EXPECT_EQ(added, (HolidayEntry{HolidayEntry::Source::Fixed, 5}));
    EXPECT_EQ(messages_.messages.size(), 3u);
    Start();
    EXPECT_EQ(FixedHolidays().RowCount(), 5);
    EXPECT_FALSE(FixedNames().contains(QStringLiteral("Valentine's Day")));
    EXPECT_TRUE(FixedNames().contains(QStringLiteral("Valentine's Day After")));
}

}  // namespace
}  // namespace morvessa
