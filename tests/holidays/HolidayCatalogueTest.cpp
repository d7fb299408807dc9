#include "holidays/HolidayCatalogue.h"

#include "colours/ColorPalette.h"
#include "settings/SettingsStore.h"
#include "support/SettingsTestSupport.h"
#include "core/NumericText.h"

#include <stdexcept>

namespace morvessa {
namespace {

const QString kFixedMonths = QStringLiteral("1|¬6|¬7|¬12|¬11|¬2|¬10|");
const QString kFloatingOccurrences = QStringLiteral("Last|¬3|¬1|¬2|¬4|¬2|¬3|¬3|¬1|¬Last|");

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
                                            "Veteran's Day|¬Valentine's Day|¬Halloween|"));
    EXPECT_EQ(Read("4Data"), QStringLiteral("5|¬1|¬9|¬10|¬11|¬5|¬6|¬2|¬4|¬10|"));
    EXPECT_EQ(Read("5Data"), QStringLiteral("2|¬2|¬2|¬2|¬5|¬1|¬1|¬2|¬1|¬1|"));
    EXPECT_EQ(Read("6Data"), kFloatingOccurrences);
    EXPECT_EQ(Read("7Data"), QStringLiteral("Memorial Day|¬Martin Luthar King Day|¬Labor Day|¬Columbus Day|¬"
                                            "Thanksgiving|¬Mother's Day|¬Father's Day|¬President's Day|¬"
                                            "Daylight Savings Time Begins|¬Daylight Savings Time Ends|"));
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

TEST_F(HolidayCatalogueTest, ADamagedStoreThrowsAndLeavesTheLoadedTablesAlone)
{
    LoadHolidays();
    AppendHolidayRow(FixedHolidays());
    FixedHolidays().Cell(8, fixed_column::Name) = QStringLiteral("Kept");
    const HolidayTable fixedBefore = FixedHolidays();
    const HolidayTable floatingBefore = FloatingHolidays();

    // More pieces than rows.
    WriteSetting(QStringLiteral("5Data"), QStringLiteral("2|¬2|¬2|¬2|¬5|¬1|¬1|¬2|¬1|¬1|¬3|"));
    EXPECT_THROW(LoadHolidays(), std::out_of_range);
    EXPECT_EQ(FixedHolidays(), fixedBefore);
    EXPECT_EQ(FloatingHolidays(), floatingBefore);
    EXPECT_THROW(LoadHolidayColumn(5), std::out_of_range);
    EXPECT_EQ(FloatingHolidays(), floatingBefore);

    // A negative count, a count beyond any table, a count that is not a whole number.
    RestoreFloatingDefaults(true);
    for (const char* count : {"-3", "40000", "7abc"}) {
        WriteSetting(QStringLiteral("FixedHolidaysCount"), QString::fromLatin1(count));
        EXPECT_ANY_THROW(LoadHolidays()) << count;
        EXPECT_EQ(FixedHolidays(), fixedBefore) << count;
    }
    WriteSetting(QStringLiteral("FixedHolidaysCount"), QStringLiteral("7abc"));
    EXPECT_THROW(LoadHolidays(), ConversionError);
}

TEST_F(HolidayCatalogueTest, SeparatorsInANameBreakTheNextLoadAsStored)
{
    LoadHolidays();
    FixedHolidays().Cell(1, fixed_column::Name) = QStringLiteral("New|Year");
    SaveHolidays();
    LoadHolidays();
    EXPECT_EQ(FixedHolidays().Cell(1, fixed_column::Name).Text(), QStringLiteral("New"));

    FixedHolidays().Cell(1, fixed_column::Name) = QStringLiteral("New¬Year");
    SaveHolidays();
    const HolidayTable before = FixedHolidays();
    EXPECT_THROW(LoadHolidays(), std::out_of_range);
    EXPECT_EQ(FixedHolidays(), before);
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

TEST_F(HolidayCatalogueTest, RestoreWithSaveAlsoWritesTheOtherTableFromMemory)
{
    LoadHolidays();
    FloatingHolidays().Cell(1, floating_column::Occurrence) = 4;
    FixedHolidays().Cell(1, fixed_column::Name) = QStringLiteral("Changed");
    RestoreFixedDefaults(true);
    EXPECT_EQ(FixedHolidays(), DefaultFixedHolidays());
    EXPECT_EQ(Read("6Data"), QStringLiteral("4|¬3|¬1|¬2|¬4|¬2|¬3|¬3|¬1|¬Last|"));

    RestoreFloatingDefaults(false);
    EXPECT_EQ(FloatingHolidays(), DefaultFloatingHolidays());
    EXPECT_EQ(Read("6Data"), QStringLiteral("4|¬3|¬1|¬2|¬4|¬2|¬3|¬3|¬1|¬Last|"));  // not saved
    RestoreFloatingDefaults(true);
    EXPECT_EQ(Read("6Data"), kFloatingOccurrences);
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
