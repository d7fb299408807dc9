#include "calendar/RunHolidays.h"

#include "calendar/HolidayMarking.h"
#include "holidays/HolidayEditing.h"
#include "holidays/world/WorldSources.h"
#include "settings/SettingsStore.h"
#include "support/SettingsTestSupport.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>

namespace morvessa {
namespace {

class RunHolidaysTest : public testing::TempSettingsTest {
protected:
    void SetUp() override
    {
        TempSettingsTest::SetUp();
        ASSERT_TRUE(run_.isValid());
        sink_ = std::make_unique<ScopedCatalogueMessageSink>(messages_);
    }
    void TearDown() override
    {
        sink_.reset();
        RuleHolidays().clear();
        TempSettingsTest::TearDown();
    }
    QTemporaryDir run_;
    RecordingCatalogueMessageSink messages_;
    std::unique_ptr<ScopedCatalogueMessageSink> sink_;
};

TEST_F(RunHolidaysTest, CountriesAndIcsFilesGoIntoACopyAndTheStoreStaysAsItWas)
{
    WriteSetting(QStringLiteral("HolidaysColor"), QStringLiteral("7"));
    const QByteArray before = RawSettings();
    const QString ics = FolderPath(QStringLiteral("feed.ics"));
    QFile feed(ics);
    ASSERT_TRUE(feed.open(QIODevice::WriteOnly));
    feed.write(
        "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nDTSTART;VALUE=DATE:20250612\r\nSUMMARY:Exam\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nDTSTART:20250612T100000Z\r\nSUMMARY:Call\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
    feed.close();

    const QStringList lines = UseRunHolidays(
        {{QStringLiteral("de-by"), QStringLiteral("FR")}, {QStringLiteral("public")}, {ics}, true}, run_.path());
    EXPECT_EQ(lines.join(u'|').toStdString(),
              QStringList({"Added the public holidays of Bayern, Germany (DE-BY).",
                           "Added the public holidays of France (FR).",
                           "feed.ics: Imported the calendar \"feed.ics\" with 2 events; 1 timed event is left out."})
                  .join(u'|')
                  .toStdString());
    EXPECT_EQ(SettingsFilePath(), run_.filePath(QStringLiteral("settings.ini")));
    // The run reads the copy: the user's colour, the defaults, the places kept as the choice made.
    EXPECT_EQ(ReadSetting(QStringLiteral("HolidaysColor"), QString()), "7");
    LoadRuleHolidays();
    EXPECT_TRUE(RuleHolidays().empty());
    const std::vector<world::WorldSource> sources = world::StoredWorldSources();
    ASSERT_EQ(sources.size(), 2u);
    EXPECT_EQ(sources[0], (world::WorldSource{QStringLiteral("DE-BY"), {QStringLiteral("public")}, QStringLiteral("en"), {}}));
    const std::vector<MarkedHoliday> marked = MarkedHolidaysOfYear(2025);
    EXPECT_EQ(marked.back(), (MarkedHoliday{{2025, 6, 12}, QStringLiteral("Exam")}));
    EXPECT_NE(std::find(marked.begin(), marked.end(), MarkedHoliday{{2025, 1, 6}, QStringLiteral("Epiphany")}),
              marked.end());
    EXPECT_NE(std::find(marked.begin(), marked.end(), MarkedHoliday{{2025, 7, 14}, QStringLiteral("Bastille Day")}),
              marked.end());

    // The year's list tells where each holiday comes from.
    const std::vector<SourcedHoliday> sourced = SourcedHolidaysOfYear(2025);
    EXPECT_NE(std::find_if(sourced.begin(), sourced.end(), [](const SourcedHoliday& h) {
                  return h.date == CalendarDate{2025, 1, 6} && h.source == SourcedHoliday::Source::World &&
                         h.origin == QStringLiteral("Bayern, Germany");
              }),
              sourced.end());
    EXPECT_EQ(sourced.size(), marked.size());

    // A single holiday of a source can be hidden; the others stay.
    world::SetWorldHolidayHidden(0, QStringLiteral("01-06"), true);
    const std::vector<MarkedHoliday> without = MarkedHolidaysOfYear(2025);
    EXPECT_EQ(std::find(without.begin(), without.end(), MarkedHoliday{{2025, 1, 6}, QStringLiteral("Epiphany")}),
              without.end());
    EXPECT_EQ(without.size(), marked.size() - 1);

    SetSettingsFile(SettingsPath());
    EXPECT_EQ(RawSettings(), before);
}

TEST_F(RunHolidaysTest, ABadCodeOrFileStopsBeforeAnythingChanges)
{
    WriteSetting(QStringLiteral("Easter"), QStringLiteral("1"));
    EXPECT_THROW(UseRunHolidays({{QStringLiteral("DE"), QStringLiteral("ZZ")}, {}, {}, false}, run_.path()),
                 std::runtime_error);
    EXPECT_THROW(UseRunHolidays({{QStringLiteral("DE-QQ")}, {}, {}, false}, run_.path()), std::runtime_error);
    EXPECT_THROW(UseRunHolidays({{}, {}, {FolderPath(QStringLiteral("none.ics"))}, false}, run_.path()),
                 std::runtime_error);
    EXPECT_EQ(SettingsFilePath(), SettingsPath());
    EXPECT_FALSE(QFileInfo::exists(run_.filePath(QStringLiteral("settings.ini"))));
}

}  // namespace
}  // namespace morvessa
