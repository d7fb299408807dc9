#include "settings/SettingsStore.h"

#include "support/SettingsTestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace morvessa {
namespace {

using SettingsStoreTest = testing::TempSettingsTest;

TEST_F(SettingsStoreTest, AMissingKeyReadsAsTheCallersDefault)
{
    EXPECT_EQ(ReadSetting(QStringLiteral("HolidaysColor"), QStringLiteral("None")), QStringLiteral("None"));
    EXPECT_EQ(ReadSetting(QStringLiteral("FixedHolidaysCount"), QString()), QString());
    WriteSetting(QStringLiteral("Easter"), QStringLiteral("2"));
    EXPECT_EQ(ReadSetting(QStringLiteral("Easter"), QStringLiteral("1")), QStringLiteral("2"));
    EXPECT_EQ(ReadSetting(QStringLiteral("easter2"), QStringLiteral("1")), QStringLiteral("1"));
}

TEST_F(SettingsStoreTest, ValuesComeBackExactly)
{
    const QStringList values = {
        QStringLiteral("1|¬6|¬7|¬12|¬11|¬2|¬10|"),
        QStringLiteral("a,b"),
        QStringLiteral("Christmas, Eve, again"),
        QStringLiteral("\"quoted\""),
        QStringLiteral("x = y"),
        QStringLiteral("  leading blanks"),
        QStringLiteral("trailing blanks  "),
        QStringLiteral("Fête nationale ¬ 日本の祝日"),
        QStringLiteral("@Variant(not one)"),
        QStringLiteral(";not a comment"),
        QStringLiteral("#not a comment"),
        QStringLiteral("back\\slash"),
        QStringLiteral("line\nbreak"),
        QStringLiteral("[Morvessa]"),
        QStringLiteral("-4142"),
        QString(),
    };
    for (int i = 0; i < values.size(); ++i)
        WriteSetting(QStringLiteral("Key%1").arg(i), values[i]);
    for (int i = 0; i < values.size(); ++i)
        EXPECT_EQ(ReadSetting(QStringLiteral("Key%1").arg(i), QStringLiteral("missing")), values[i]) << i;
}

TEST_F(SettingsStoreTest, WritesTheSectionIntoTheChosenFileAndOverwrites)
{
    WriteSetting(QStringLiteral("DaysColor"), QStringLiteral("0"));
    WriteSetting(QStringLiteral("DaysColor"), QStringLiteral("12"));
    const QByteArray raw = RawSettings();
    EXPECT_TRUE(raw.contains("[Morvessa]"));
    EXPECT_TRUE(raw.contains("DaysColor=12"));
    EXPECT_FALSE(raw.contains("DaysColor=0"));
    EXPECT_EQ(SettingsFilePath(), SettingsPath());
}

TEST_F(SettingsStoreTest, ReadsAHandEditedListAsTheTextWritten)
{
    WriteRawSettings("[Morvessa]\nName=Christmas, Eve\n");
    EXPECT_EQ(ReadSetting(QStringLiteral("Name"), QString()), QStringLiteral("Christmas, Eve"));
}

TEST_F(SettingsStoreTest, KeepsADamagedFileBeforeWriting)
{
    const QByteArray damaged = "[broken\nk=1\n\xff\xfe garbage";
    WriteRawSettings(damaged);
    WriteSetting(QStringLiteral("Easter"), QStringLiteral("1"));
    EXPECT_EQ(ReadSetting(QStringLiteral("Easter"), QString()), QStringLiteral("1"));
    QFile copy(SettingsPath() + QStringLiteral(".damaged"));
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), damaged);
}

TEST_F(SettingsStoreTest, DamageIsFoundAtEveryWriteAndInAnUnclosedSection)
{
    // QSettings says a file is damaged only at its first parse in a process: the write after a read
    // still keeps the damaged file aside and says so.
    QStringList notices;
    SetSettingsNoticeHandler([&](const QString& text) { notices << text; });
    const QByteArray damaged = "[Morvessa]\nEaster=0\nMy note\n";
    WriteRawSettings(damaged);
    EXPECT_EQ(ReadSetting(QStringLiteral("Easter"), QString()), QStringLiteral("0"));
    EXPECT_TRUE(SettingsFileIsDamaged());
    WriteSetting(QStringLiteral("Easter"), QStringLiteral("1"));
    QFile copy(SettingsPath() + QStringLiteral(".damaged"));
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), damaged);
    EXPECT_EQ(notices.size(), 1);
    SetSettingsNoticeHandler({});

    // An unclosed section line hides every key after it without any complaint from QSettings.
    WriteRawSettings("[Morvessa]\nEaster=1\n[Extra\nRuleHolidays=fixed 1-1 New Year\n");
    EXPECT_TRUE(SettingsFileIsDamaged());
    WriteRawSettings("[Morvessa]\n; a comment\nEaster=1\n\n");
    EXPECT_FALSE(SettingsFileIsDamaged());
}

TEST_F(SettingsStoreTest, AStoreThatCannotBeWrittenThrowsWithItsPath)
{
    // A file stands where the folder should be.
    const QString blocker = FolderPath(QStringLiteral("blocker"));
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    ScopedSettingsFile unwritable(blocker + QStringLiteral("/Vantrelle.ini"));
    try {
        WriteSetting(QStringLiteral("Easter"), QStringLiteral("1"));
        FAIL() << "the write was reported as done";
    } catch (const SettingsStoreError& error) {
        EXPECT_TRUE(QString::fromUtf8(error.what()).contains(QStringLiteral("blocker")));
    }
    // A folder where the file should be.
    ASSERT_TRUE(QDir().mkpath(FolderPath(QStringLiteral("folder.ini"))));
    ScopedSettingsFile folder(FolderPath(QStringLiteral("folder.ini")));
    EXPECT_THROW(WriteSetting(QStringLiteral("Easter"), QStringLiteral("1")), SettingsStoreError);
}

TEST_F(SettingsStoreTest, TheFileChoiceIsScopedAndTheDefaultIsTheUsersConfigFolder)
{
    const QString mine = SettingsFilePath();
    {
        ScopedSettingsFile other(FolderPath(QStringLiteral("other.ini")));
        WriteSetting(QStringLiteral("Easter"), QStringLiteral("2"));
        EXPECT_EQ(SettingsFilePath(), FolderPath(QStringLiteral("other.ini")));
    }
    EXPECT_EQ(SettingsFilePath(), mine);
    EXPECT_EQ(ReadSetting(QStringLiteral("Easter"), QStringLiteral("none")), QStringLiteral("none"));
    EXPECT_TRUE(DefaultSettingsFilePath().endsWith(QStringLiteral("/Vantrelle.ini")));
    EXPECT_NE(DefaultSettingsFilePath(), mine);
}

}  // namespace
}  // namespace morvessa
