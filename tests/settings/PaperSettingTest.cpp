// The paper choice: the stored key wins, the locale decides without one, and a one-scope choice
// never reaches the store.

#include "settings/PaperSetting.h"
#include "support/SettingsTestSupport.h"

namespace morvessa {
namespace {

class PaperSettingTest : public testing::TempSettingsTest {
protected:
    void SetUp() override
    {
        TempSettingsTest::SetUp();
        previous_ = QLocale();
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }
    void TearDown() override
    {
        QLocale::setDefault(previous_);
        TempSettingsTest::TearDown();
    }

    QLocale previous_;
};

TEST_F(PaperSettingTest, NamesParseInAnyCaseAndNothingElseDoes)
{
    for (Paper paper : kAllPapers) {
        EXPECT_EQ(ParsePaper(PaperName(paper)), paper);
        EXPECT_EQ(ParsePaper(PaperName(paper).toLower()), paper);
        EXPECT_EQ(ParsePaper(PaperName(paper).toUpper()), paper);
    }
    EXPECT_EQ(ParsePaper(QStringLiteral(" letter ")), Paper::Letter);
    for (const char* bad : {"", "A5", "Tabloid", "4", "A4x"})
        EXPECT_EQ(ParsePaper(QString::fromLatin1(bad)), std::nullopt) << bad;
}

TEST_F(PaperSettingTest, TheLocaleDecidesUntilTheUserChooses)
{
    EXPECT_EQ(LocalePaper(QLocale(QLocale::English, QLocale::UnitedStates)), Paper::Letter);
    EXPECT_EQ(LocalePaper(QLocale(QLocale::French, QLocale::Canada)), Paper::Letter);
    EXPECT_EQ(LocalePaper(QLocale(QLocale::Spanish, QLocale::Mexico)), Paper::Letter);
    EXPECT_EQ(LocalePaper(QLocale(QLocale::English, QLocale::UnitedKingdom)), Paper::A4);
    EXPECT_EQ(LocalePaper(QLocale(QLocale::Spanish, QLocale::Spain)), Paper::A4);
    EXPECT_EQ(LocalePaper(QLocale::c()), Paper::A4);

    EXPECT_EQ(StoredPaper(), std::nullopt);
    EXPECT_EQ(CalendarPaper(), Paper::A4);  // Germany
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(CalendarPaper(), Paper::Letter);

    StorePaper(Paper::A3);
    EXPECT_EQ(ReadSetting(QString::fromLatin1(key::PaperSize), {}), QStringLiteral("A3"));
    EXPECT_EQ(CalendarPaper(), Paper::A3);
}

TEST_F(PaperSettingTest, AStoredTextThatNamesNoPaperFallsBackToTheLocale)
{
    WriteSetting(QString::fromLatin1(key::PaperSize), QStringLiteral("B5"));
    EXPECT_EQ(StoredPaper(), std::nullopt);
    EXPECT_EQ(CalendarPaper(), Paper::A4);
}

TEST_F(PaperSettingTest, AScopedChoiceIsNotStored)
{
    StorePaper(Paper::Letter);
    {
        ScopedPaperChoice choice(Paper::Legal);
        EXPECT_EQ(StoredPaper(), Paper::Legal);
        EXPECT_EQ(CalendarPaper(), Paper::Legal);
    }
    EXPECT_EQ(StoredPaper(), Paper::Letter);
    EXPECT_EQ(ReadSetting(QString::fromLatin1(key::PaperSize), {}), QStringLiteral("Letter"));
}

}  // namespace
}  // namespace morvessa
