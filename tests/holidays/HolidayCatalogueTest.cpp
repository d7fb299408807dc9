#include "holidays/HolidayCatalogue.h"

#include "colours/ColorPalette.h"
#include "settings/SettingsStore.h"
#include "support/SettingsTestSupport.h"
#include "core/NumericText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <stdexcept>
#include <utility>

namespace morvessa {
namespace {

const QString kFixedMonths = QStringLiteral("1|¬6|¬7|¬12|¬11|¬2|¬10|");
const QString kFloatingOccurrences = QStringLiteral("Last|¬3|¬1|¬2|¬4|¬2|¬3|¬3|¬2|¬1|");

class HolidayCatalogueTest : public testing::TempSettingsTest {
protected:
    void SetUp() override
    {
        TempSettingsTest::SetUp();
        // Every test starts from empty tables, whatever an earlier test left.
        FixedHolidays().Reset(0);
        FloatingHolidays().Reset(0);
        sink_ = std::make_unique<ScopedCatalogueMessageSink>(messages_);
    }
    void TearDown() override
    {
        sink_.reset();
        TempSettingsTest::TearDown();
    }

    static QString Read(const char* keyName)
    {
        return ReadSetting(QString::fromLatin1(keyName), QStringLiteral("<none>"));
    }

    RecordingCatalogueMessageSink messages_;

private:
    std::unique_ptr<ScopedCatalogueMessageSink> sink_;
};

TEST_F(HolidayCatalogueTest, FirstRunWritesTheDefaultsExactly)
{
    LoadHolidays();
    EXPECT_EQ(FixedHolidays(), DefaultFixedHolidays());
    EXPECT_EQ(FloatingHolidays(), DefaultFloatingHolidays());
    EXPECT_EQ(Read("FixedHolidaysCount"), QStringLiteral("7"));
    EXPECT_EQ(Read("FloatingHolidaysCount"), QStringLiteral("10"));
    EXPECT_EQ(Read("1Data"), kFixedMonths);
    EXPECT_EQ(Read("2Data"), QStringLiteral("1|¬14|¬4|¬25|¬11|¬14|¬31|"));
    EXPECT_EQ(Read("3Data"), QStringLiteral("New Year's Day|¬Flag Day|¬Independence Day|¬Christmas|¬"
                                            "Veterans Day|¬Valentine's Day|¬Halloween|"));
    EXPECT_EQ(Read("4Data"), QStringLiteral("5|¬1|¬9|¬10|¬11|¬5|¬6|¬2|¬3|¬11|"));
    EXPECT_EQ(Read("5Data"), QStringLiteral("2|¬2|¬2|¬2|¬5|¬1|¬1|¬2|¬1|¬1|"));
    EXPECT_EQ(Read("6Data"), kFloatingOccurrences);
    EXPECT_EQ(Read("7Data"), QStringLiteral("Memorial Day|¬Martin Luther King Day|¬Labor Day|¬Columbus Day|¬"
                                            "Thanksgiving|¬Mother's Day|¬Father's Day|¬President's Day|¬"
                                            "Daylight Saving Time Begins|¬Daylight Saving Time Ends|"));
    // The colour defaults come with the first load.
    EXPECT_EQ(Read("HolidaysColor"), QStringLiteral("36"));
    EXPECT_TRUE(messages_.messages.empty());
}

TEST_F(HolidayCatalogueTest, CellsLoadAsNumbersWhereNumericAndTextElsewhere)
{
    LoadHolidays();
    EXPECT_EQ(FixedHolidays().Cell(2, fixed_column::Day), HolidayCell(14));
    EXPECT_TRUE(FloatingHolidays().Cell(1, floating_column::Occurrence).IsText());
    EXPECT_EQ(FloatingHolidays().Cell(1, floating_column::Occurrence).Text(), QStringLiteral("Last"));
    EXPECT_TRUE(FloatingHolidays().Cell(2, floating_column::Occurrence).IsNumber());

    WriteSetting(QStringLiteral("2Data"), QStringLiteral(" 14|¬fourth|¬4|¬25|¬11|¬14|¬31|"));
    LoadHolidays();
    EXPECT_EQ(FixedHolidays().Cell(1, fixed_column::Day), HolidayCell(14));
    EXPECT_EQ(FixedHolidays().Cell(2, fixed_column::Day), HolidayCell(QStringLiteral("fourth")));
}

TEST_F(HolidayCatalogueTest, AnAddedRowSurvivesSaveAndLoad)
{
    LoadHolidays();
    HolidayTable& fixed = FixedHolidays();
    AppendHolidayRow(fixed);
    ASSERT_EQ(fixed.RowCount(), 8);
    EXPECT_TRUE(fixed.Cell(8, fixed_column::Name).IsEmpty());
    fixed.Cell(8, fixed_column::Month) = 3;
    fixed.Cell(8, fixed_column::Day) = QStringLiteral("17");  // typed text
    fixed.Cell(8, fixed_column::Name) = QStringLiteral("Test, with a comma = and \"quotes\"");
    SaveHolidays();
    EXPECT_EQ(Read("FixedHolidaysCount"), QStringLiteral("8"));
    EXPECT_EQ(Read("1Data"), kFixedMonths + QStringLiteral("¬3|"));

    LoadHolidays();
    ASSERT_EQ(FixedHolidays().RowCount(), 8);
    EXPECT_EQ(FixedHolidays().Cell(8, fixed_column::Day), HolidayCell(17));  // numeric text became a number
    EXPECT_EQ(FixedHolidays().Cell(8, fixed_column::Name).Text(),
              QStringLiteral("Test, with a comma = and \"quotes\""));
    EXPECT_EQ(FloatingHolidays(), DefaultFloatingHolidays());
}

TEST_F(HolidayCatalogueTest, OneMissingCountResetsBothTables)
{
    LoadHolidays();
    AppendHolidayRow(FixedHolidays());
    FixedHolidays().Cell(8, fixed_column::Month) = 3;
    FixedHolidays().Cell(8, fixed_column::Day) = 17;
    FixedHolidays().Cell(8, fixed_column::Name) = QStringLiteral("Mine");
    SaveHolidays();
    WriteSetting(QStringLiteral("FloatingHolidaysCount"), QString());
    LoadHolidays();
    EXPECT_EQ(FixedHolidays(), DefaultFixedHolidays());
    EXPECT_EQ(FloatingHolidays(), DefaultFloatingHolidays());
    EXPECT_EQ(Read("FixedHolidaysCount"), QStringLiteral("7"));
    ASSERT_EQ(messages_.messages.size(), 1u);
    EXPECT_TRUE(messages_.messages[0].contains(QStringLiteral("FloatingHolidaysCount is empty")));
    EXPECT_TRUE(QFile(SettingsPath() + QStringLiteral(".damaged")).open(QIODevice::ReadOnly));

    for (const char* count : {"0", "None", "0.4"}) {
        WriteSetting(QStringLiteral("FixedHolidaysCount"), QString::fromLatin1(count));
        LoadHolidays();
        EXPECT_EQ(FixedHolidays(), DefaultFixedHolidays()) << count;
        EXPECT_EQ(Read("FixedHolidaysCount"), QStringLiteral("7")) << count;
    }
}

TEST_F(HolidayCatalogueTest, AnEmptyColumnShowsTheMessageAndLoadingGoesOn)
{
    LoadHolidays();
    WriteSetting(QStringLiteral("3Data"), QString());
    LoadHolidays();
    ASSERT_EQ(messages_.messages.size(), 1u);
    EXPECT_EQ(messages_.messages[0], QStringLiteral("No Saved Value To Retrieve For Range : "));
    ASSERT_EQ(FixedHolidays().RowCount(), 7);
    for (int row = 1; row <= 7; ++row)
        EXPECT_TRUE(FixedHolidays().Cell(row, fixed_column::Name).IsEmpty());
    EXPECT_EQ(FixedHolidays().Cell(7, fixed_column::Day), HolidayCell(31));
    EXPECT_EQ(FloatingHolidays(), DefaultFloatingHolidays());
}

// The user's own file, as it stood before a damaged load: three fixed holidays under a count of 2.
const QByteArray kThreeUnderCountTwo = "[Morvessa]\n"
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
                                       "HolidaysColor=36\nDaysColor=0\nEmptyColor=15\n";

TEST_F(HolidayCatalogueTest, ADamagedLoadKeepsEveryRowWritesNothingAndSaysWhereTheCopyIs)
{
    WriteRawSettings(kThreeUnderCountTwo);
    LoadHolidays();
    ASSERT_EQ(FixedHolidays().RowCount(), 3);
    EXPECT_EQ(FixedHolidays().Cell(3, fixed_column::Name).Text(), QStringLiteral("Theirs"));
    EXPECT_EQ(FloatingHolidays().RowCount(), 1);
    EXPECT_EQ(RawSettings(), kThreeUnderCountTwo);  // not overwritten by the load

    ASSERT_EQ(messages_.messages.size(), 1u);
    const QString& message = messages_.messages[0];
    EXPECT_TRUE(message.contains(
        QStringLiteral("FixedHolidaysCount says there are 2 fixed holidays, but 1Data holds 3")))
        << message.toStdString();
    const QString copy = SettingsPath() + QStringLiteral(".damaged");
    EXPECT_TRUE(message.contains(QDir::toNativeSeparators(copy))) << message.toStdString();
    QFile copied(copy);
    ASSERT_TRUE(copied.open(QIODevice::ReadOnly));
    EXPECT_EQ(copied.readAll(), kThreeUnderCountTwo);

    // Told once: a second load (the generation's) says nothing and makes no second copy.
    LoadHolidays();
    EXPECT_EQ(messages_.messages.size(), 1u);
    EXPECT_FALSE(QFileInfo::exists(copy + QStringLiteral("1")));

    // The user's next change saves every holiday that was read, plus the change.
    ChangeHolidays([](HolidayTable& fixed, HolidayTable&) {
        AppendHolidayRow(fixed);
        fixed.Cell(fixed.RowCount(), fixed_column::Name) = QStringLiteral("New");
    });
    EXPECT_EQ(Read("FixedHolidaysCount"), QStringLiteral("4"));
    EXPECT_EQ(Read("3Data"), QStringLiteral("Mine|¬Ours|¬Theirs|¬New|"));
    EXPECT_EQ(Read("7Data"), QStringLiteral("Memorial Day|"));
    LoadHolidays();
    EXPECT_EQ(FixedHolidays().RowCount(), 4);
    EXPECT_EQ(messages_.messages.size(), 1u);
}

TEST_F(HolidayCatalogueTest, ANotSignWrittenAsOneLatin1ByteStillSeparatesTheRows)
{
    LoadHolidays();
    QByteArray raw = RawSettings();
    raw.replace("\xc2\xac", "\xac");
    WriteRawSettings(raw);
    LoadHolidays();
    EXPECT_EQ(FixedHolidays(), DefaultFixedHolidays());
    EXPECT_EQ(FloatingHolidays(), DefaultFloatingHolidays());
    ASSERT_EQ(messages_.messages.size(), 1u);
    EXPECT_TRUE(messages_.messages[0].contains(QStringLiteral("another character encoding")));

    // One deletion keeps the other rows (before, every row was rewritten empty).
    ChangeHolidays([](HolidayTable& fixed, HolidayTable&) { DeleteHolidayRow(fixed, 1); });
    EXPECT_EQ(Read("3Data"), QStringLiteral("Flag Day|¬Independence Day|¬Christmas|¬Veterans Day|¬"
                                            "Valentine's Day|¬Halloween|"));
    EXPECT_EQ(Read("4Data"), QStringLiteral("5|¬1|¬9|¬10|¬11|¬5|¬6|¬2|¬3|¬11|"));
}

TEST_F(HolidayCatalogueTest, CountsNoTableCanHaveKeepTheRowsTheColumnsHold)
{
    for (const char* count : {"-3", "40000", "7abc"}) {
        LoadHolidays();
        WriteSetting(QStringLiteral("FixedHolidaysCount"), QString::fromLatin1(count));
        messages_.messages.clear();
        LoadHolidays();
        EXPECT_EQ(FixedHolidays(), DefaultFixedHolidays()) << count;
        ASSERT_EQ(messages_.messages.size(), 1u) << count;
        EXPECT_TRUE(messages_.messages[0].contains(QStringLiteral("\"%1\"").arg(QString::fromLatin1(count))));
        EXPECT_EQ(Read("FixedHolidaysCount"), QString::fromLatin1(count));
        RestoreFixedDefaults(true);
    }
}

TEST_F(HolidayCatalogueTest, ANameWithARowSeparatorCostsNoRow)
{
    // Names come back whole and as text, whatever they hold; the month and day stay numbers.
    LoadHolidays();
    SaveHolidays();
    const QByteArray plain = RawSettings();
    for (const QString& name : {QStringLiteral("New|Year"), QStringLiteral("New¬Year"), QStringLiteral("007"),
                                QStringLiteral("1e3"), QStringLiteral("a\u241B1|¬\u241B")}) {
        FixedHolidays().Cell(1, fixed_column::Name) = name;
        SaveHolidays();
        LoadHolidays();
        ASSERT_EQ(FixedHolidays().RowCount(), 7) << name.toStdString();
        EXPECT_EQ(FixedHolidays().Cell(1, fixed_column::Name).Text(), name);
        EXPECT_FALSE(FixedHolidays().Cell(1, fixed_column::Name).IsNumber()) << name.toStdString();
        EXPECT_TRUE(FixedHolidays().Cell(1, fixed_column::Month).IsNumber());
    }
    EXPECT_TRUE(messages_.messages.empty());
    // A file without the separators is stored byte for byte as before.
    FixedHolidays() = DefaultFixedHolidays();
    SaveHolidays();
    EXPECT_EQ(RawSettings(), plain);
}

TEST_F(HolidayCatalogueTest, AResetOfStoredHolidaysKeepsACopyAndSaysSo)
{
    WriteRawSettings(kThreeUnderCountTwo);
    WriteSetting(QStringLiteral("FloatingHolidaysCount"), QStringLiteral("zero"));
    const QByteArray before = RawSettings();
    LoadHolidays();
    EXPECT_EQ(FixedHolidays(), DefaultFixedHolidays());
    ASSERT_EQ(messages_.messages.size(), 1u);
    EXPECT_TRUE(messages_.messages[0].contains(QStringLiteral("FloatingHolidaysCount holds \"zero\"")))
        << messages_.messages[0].toStdString();
    QFile copied(SettingsPath() + QStringLiteral(".damaged"));
    ASSERT_TRUE(copied.open(QIODevice::ReadOnly));
    EXPECT_EQ(copied.readAll(), before);
}

TEST_F(HolidayCatalogueTest, AnUnparseableFileIsReportedWithItsCopyAtTheLoad)
{
    WriteRawSettings("[Morvessa\nFixedHolidaysCount=7\n");
    LoadHolidays();
    const QString copy = QDir::toNativeSeparators(SettingsPath() + QStringLiteral(".damaged"));
    ASSERT_FALSE(messages_.messages.empty());
    EXPECT_TRUE(messages_.messages[0].contains(QStringLiteral("is damaged")));
    EXPECT_TRUE(messages_.messages[0].contains(copy)) << messages_.messages[0].toStdString();
    EXPECT_TRUE(QFileInfo::exists(copy));
}

TEST_F(HolidayCatalogueTest, AChangeStartsFromWhatIsStoredNow)
{
    LoadHolidays();
    // Another copy of the program adds a holiday behind this one's back.
    WriteSetting(QStringLiteral("FixedHolidaysCount"), QStringLiteral("8"));
    for (const auto& [column, added] :
         {std::pair{"1Data", "¬3|"}, std::pair{"2Data", "¬17|"}, std::pair{"3Data", "¬Theirs|"}})
        WriteSetting(QString::fromLatin1(column), Read(column) + QString::fromUtf8(added));

    const HolidayTable seen = FixedHolidays();  // 7 rows
    ChangeHolidays(
        [&](HolidayTable& fixed, HolidayTable&) { DeleteHolidayRow(fixed, SameHolidayRow(seen, 2, fixed)); });
    EXPECT_EQ(FixedHolidays().RowCount(), 7);
    EXPECT_EQ(FixedHolidays().Cell(7, fixed_column::Name).Text(), QStringLiteral("Theirs"));
    EXPECT_EQ(Read("3Data"), QStringLiteral("New Year's Day|¬Independence Day|¬Christmas|¬Veterans Day|¬"
                                            "Valentine's Day|¬Halloween|¬Theirs|"));
}

TEST_F(HolidayCatalogueTest, TheSameHolidayIsFoundByContentAndRank)
{
    HolidayTable seen(3);
    seen.Reset(3);
    seen.Cell(1, fixed_column::Name) = QStringLiteral("Test");
    seen.Cell(2, fixed_column::Name) = QStringLiteral("Other");
    seen.Cell(3, fixed_column::Name) = QStringLiteral("Test");
    HolidayTable now = seen;
    DeleteHolidayRow(now, 2);
    EXPECT_EQ(SameHolidayRow(seen, 1, now), 1);
    EXPECT_EQ(SameHolidayRow(seen, 3, now), 2);
    EXPECT_EQ(SameHolidayRow(seen, 2, now), 0);  // gone meanwhile
    seen.Cell(1, fixed_column::Day) = QStringLiteral("14");
    now.Cell(1, fixed_column::Day) = 14;  // the same day, once typed and once loaded
    EXPECT_EQ(SameHolidayRow(seen, 1, now), 1);
}

TEST_F(HolidayCatalogueTest, DeleteClosesTheGapAndNeverEmptiesATable)
{
    HolidayTable table(3);
    table.Reset(3);
    for (int row = 1; row <= 3; ++row)
        table.Cell(row, fixed_column::Day) = row;
    DeleteHolidayRow(table, 1);
    ASSERT_EQ(table.RowCount(), 2);
    EXPECT_EQ(table.Cell(1, fixed_column::Day), HolidayCell(2));
    EXPECT_EQ(table.Cell(2, fixed_column::Day), HolidayCell(3));
    DeleteHolidayRow(table, 0);
    DeleteHolidayRow(table, 3);
    EXPECT_EQ(table.RowCount(), 2);
    DeleteHolidayRow(table, 2);
    DeleteHolidayRow(table, 1);  // the last row stays
    ASSERT_EQ(table.RowCount(), 1);
    EXPECT_EQ(table.Cell(1, fixed_column::Day), HolidayCell(2));
    EXPECT_THROW(table.Cell(2, 1), std::out_of_range);
    EXPECT_THROW(table.Cell(1, 4), std::out_of_range);
}

TEST_F(HolidayCatalogueTest, AppendStopsAtTheLargestTable)
{
    HolidayTable table(4);
    table.Reset(kMaxHolidayRows - 1);
    AppendHolidayRow(table);
    EXPECT_EQ(table.RowCount(), kMaxHolidayRows);
    EXPECT_THROW(AppendHolidayRow(table), std::length_error);
    EXPECT_THROW(table.Reset(kMaxHolidayRows + 1), std::out_of_range);
}

TEST_F(HolidayCatalogueTest, RestoreWithSaveKeepsTheOtherTableAsStored)
{
    LoadHolidays();
    WriteSetting(QStringLiteral("6Data"), QStringLiteral("4|¬3|¬1|¬2|¬4|¬2|¬3|¬3|¬2|¬1|"));
    FixedHolidays().Cell(1, fixed_column::Name) = QStringLiteral("Changed");
    RestoreFixedDefaults(true);
    EXPECT_EQ(FixedHolidays(), DefaultFixedHolidays());
    EXPECT_EQ(Read("6Data"), QStringLiteral("4|¬3|¬1|¬2|¬4|¬2|¬3|¬3|¬2|¬1|"));
    EXPECT_EQ(FloatingHolidays().Cell(1, floating_column::Occurrence), HolidayCell(4));

    RestoreFloatingDefaults(false);
    EXPECT_EQ(FloatingHolidays(), DefaultFloatingHolidays());
    EXPECT_EQ(Read("6Data"), QStringLiteral("4|¬3|¬1|¬2|¬4|¬2|¬3|¬3|¬2|¬1|"));  // not saved
    RestoreFloatingDefaults(true);
    EXPECT_EQ(Read("6Data"), kFloatingOccurrences);
}

TEST_F(HolidayCatalogueTest, StoredOldDefaultsKeepTheirNamesAndDates)
{
    LoadHolidays();
    WriteSetting(QStringLiteral("7Data"),
                 Read("7Data").replace(QStringLiteral("Luther"), QStringLiteral("Luthar")));
    LoadHolidays();
    EXPECT_EQ(FloatingHolidays().Cell(2, floating_column::Name).Text(),
              QStringLiteral("Martin Luthar King Day"));
    // The new defaults: the second Sunday of March and the first Sunday of November.
    const HolidayTable& defaults = DefaultFloatingHolidays();
    EXPECT_EQ(defaults.Cell(9, floating_column::Month), HolidayCell(3));
    EXPECT_EQ(defaults.Cell(9, floating_column::Occurrence), HolidayCell(2));
    EXPECT_EQ(defaults.Cell(10, floating_column::Month), HolidayCell(11));
    EXPECT_EQ(defaults.Cell(10, floating_column::Occurrence), HolidayCell(1));
}

TEST_F(HolidayCatalogueTest, ColumnTextUsesPlainNumbersAndEmptyCells)
{
    HolidayTable table(3);
    table.Reset(3);
    table.Cell(1, 2) = 14;
    table.Cell(2, 2) = 2.5;
    EXPECT_EQ(HolidayColumnText(table, 2), QStringLiteral("14|¬2.5|¬|"));
    table.Reset(0);
    EXPECT_EQ(HolidayColumnText(table, 2), QString());
    EXPECT_THROW(SaveHolidayColumn(table, 8), std::out_of_range);
    EXPECT_THROW(LoadHolidayColumn(0), std::out_of_range);
}

TEST_F(HolidayCatalogueTest, AStoreThatCannotBeWrittenIsReported)
{
    LoadHolidays();
    ScopedSettingsFile unwritable(FolderPath(QStringLiteral("Vantrelle.ini/inside/Vantrelle.ini")));
    EXPECT_THROW(SaveHolidays(), SettingsStoreError);
    EXPECT_EQ(FixedHolidays(), DefaultFixedHolidays());
}

}  // namespace
}  // namespace morvessa
