#include "app/CalendarMenu.h"

#include "calendar/CalendarOptions.h"
#include "calendar/HolidayColours.h"
#include "colours/ColorPalette.h"
#include "holidays/HolidayRules.h"
#include "settings/SettingsStore.h"
#include "support/UiTestSupport.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <vector>

namespace morvessa {
namespace {

class CalendarMenuTest : public ::testing::Test {
protected:
    CalendarMenuTest() : app_(test::TestApplication()), menu_(std::make_unique<QMenu>()) {}

    CalendarMenu& Menu()
    {
        if (!choices_)
            choices_ = new CalendarMenu(
                *menu_, [this] { return answer_; },
                [this](const QString& text) { messages_.push_back(text); });
        return *choices_;
    }
    QAction* Action(const char* name)
    {
        QAction* action = Menu().Action(QString::fromLatin1(name));
        EXPECT_NE(action, nullptr) << name;
        return action;
    }
    static QString Stored(const char* key)
    {
        return ReadSetting(QString::fromLatin1(key), QStringLiteral("<absent>"));
    }

    QApplication& app_;
    test::PrivateSettings settings_;
    std::unique_ptr<QMenu> menu_;
    CalendarMenu* choices_ = nullptr;
    std::optional<QString> answer_;
    std::vector<QString> messages_;
};

TEST_F(CalendarMenuTest, ShowsTheDefaultsWithoutStoringAnything)
{
    Menu();
    EXPECT_TRUE(Action("LanguageEnglish")->isChecked());
    EXPECT_TRUE(Action("WeekStartSunday")->isChecked());
    EXPECT_TRUE(Action("FirstMonth1")->isChecked());
    EXPECT_FALSE(Action("WeekNumbers")->isChecked());
    EXPECT_FALSE(Action("LanguageStoredOther")->isVisible());
    EXPECT_TRUE(Action("PagesMonths")->isChecked());
    EXPECT_TRUE(Action("OrientationLandscape")->isChecked());
    for (const char* key : {key::CalendarLanguage, key::WeekStart, key::FirstMonth, key::WeekNumbers, key::Pages,
                            key::Orientation})
        EXPECT_EQ(Stored(key), QStringLiteral("<absent>")) << key;
    EXPECT_TRUE(StoredCalendarOptions().IsDefault());
}

TEST_F(CalendarMenuTest, EachChoiceIsStoredAtOnceUnderItsOwnKey)
{
    Action("WeekStartMonday")->trigger();
    Action("FirstMonth9")->trigger();
    Action("WeekNumbers")->trigger();
    Action("Language_de")->trigger();
    Action("PagesBoth")->trigger();
    Action("OrientationPortrait")->trigger();
    EXPECT_EQ(Stored(key::Pages), QStringLiteral("both"));
    EXPECT_EQ(Stored(key::Orientation), QStringLiteral("portrait"));
    EXPECT_EQ(Stored(key::WeekStart), QStringLiteral("mon"));
    EXPECT_EQ(Stored(key::FirstMonth), QStringLiteral("9"));
    EXPECT_EQ(Stored(key::WeekNumbers), QStringLiteral("1"));
    EXPECT_EQ(Stored(key::CalendarLanguage), QStringLiteral("de_DE"));

    const CalendarOptions options = StoredCalendarOptions();
    EXPECT_EQ(options.FirstWeekday(), 2);
    EXPECT_EQ(options.firstMonth, 9);
    EXPECT_TRUE(options.weekNumbers);
    EXPECT_EQ(options.pages, PageChoice::YearAndMonths);
    EXPECT_TRUE(options.portrait);
    EXPECT_EQ(options.language.MonthName(9), "September");
    EXPECT_EQ(options.language.MonthName(3), "März");

    // The Parts' keys are left alone.
    EXPECT_EQ(Stored(key::Easter), QStringLiteral("<absent>"));
    Action("WeekNumbers")->trigger();
    EXPECT_EQ(Stored(key::WeekNumbers), QStringLiteral("0"));
    Action("WeekStartLocale")->trigger();
    EXPECT_EQ(StoredCalendarOptions().FirstWeekday(), 2);  // German weeks start on Monday
}

TEST_F(CalendarMenuTest, AnyOtherLanguageCanBeNamedAndShowsAsChosen)
{
    answer_ = QStringLiteral("de_AT");
    Action("LanguageOther")->trigger();
    EXPECT_EQ(Stored(key::CalendarLanguage), QStringLiteral("de_AT"));
    menu_->aboutToShow();
    QAction* other = Action("LanguageStoredOther");
    EXPECT_TRUE(other->isVisible());
    EXPECT_TRUE(other->isChecked());
    EXPECT_TRUE(other->text().contains(QStringLiteral("de_AT")));

    // A name that is no language is explained and changes nothing; a cancel changes nothing.
    answer_ = QStringLiteral("xx_nowhere");
    Action("LanguageOther")->trigger();
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_TRUE(messages_.front().contains(QStringLiteral("xx_nowhere")));
    answer_.reset();
    Action("LanguageOther")->trigger();
    EXPECT_EQ(Stored(key::CalendarLanguage), QStringLiteral("de_AT"));

    Action("LanguageEnglish")->trigger();
    EXPECT_EQ(Stored(key::CalendarLanguage), QString());
    EXPECT_TRUE(StoredCalendarOptions().language.IsEnglish());
}

TEST_F(CalendarMenuTest, DamagedStoredChoicesReadAsTheDefaults)
{
    WriteSetting(QString::fromLatin1(key::CalendarLanguage), QStringLiteral("no such language"));
    WriteSetting(QString::fromLatin1(key::WeekStart), QStringLiteral("thursday"));
    WriteSetting(QString::fromLatin1(key::FirstMonth), QStringLiteral("13"));
    WriteSetting(QString::fromLatin1(key::WeekNumbers), QStringLiteral("yes"));
    EXPECT_TRUE(StoredCalendarOptions().IsDefault());
    Menu();
    EXPECT_TRUE(Action("WeekStartSunday")->isChecked());
    EXPECT_TRUE(Action("FirstMonth1")->isChecked());
}

TEST_F(CalendarMenuTest, ColoursOfferTheWeekendAndEachSourceAndStoreOnlyAChange)
{
    RuleHolidays().clear();
    HolidayRule day = ParseRuleText(QStringLiteral("fixed 11-30"));
    day.name = QStringLiteral("St Andrew's Day");
    day.source = HolidaySource::Country(QStringLiteral("GB-SCT"));
    day.source.name = QStringLiteral("Scots & Picts");
    RuleHolidays().push_back(day);
    std::vector<std::pair<QString, int>> asked;
    int answer = kNoColorIndex;
    Menu().SetColourPicker([&](const QString& caption, int current) -> std::optional<int> {
        asked.emplace_back(caption, current);
        return answer;
    });
    QMenu* colours = menu_->findChild<QMenu*>(QStringLiteral("ColoursMenu"));
    colours->aboutToShow();
    EXPECT_EQ(Menu().Action(QStringLiteral("Colour_lists")), nullptr);  // the window's Holiday colour is theirs
    EXPECT_EQ(Action("Colour_country:GB-SCT:public")->text(), QStringLiteral("Scots && Picts"));
    // Left as it was (none), nothing is stored.
    Action("ColourWeekend")->trigger();
    EXPECT_EQ(Stored(key::WeekendColor), QStringLiteral("<absent>"));

    answer = 44;
    Action("Colour_country:GB-SCT:public")->trigger();
    Action("ColourWeekend")->trigger();
    ASSERT_EQ(asked.size(), 3u);
    EXPECT_EQ(asked[1].first, QStringLiteral("Scots & Picts"));
    EXPECT_EQ(StoredSourceColours().at(QStringLiteral("country:GB-SCT:public")), 44);
    EXPECT_EQ(StoredCalendarOptions().weekendColour, 44);

    // Shown again, each entry starts from its colour now.
    colours->aboutToShow();
    answer = kNoColorIndex;
    Action("ColourWeekend")->trigger();
    EXPECT_EQ(asked.back().second, 44);
    EXPECT_EQ(StoredCalendarOptions().weekendColour, kNoColorIndex);
    RuleHolidays().clear();
}

}  // namespace
}  // namespace morvessa
