#include "core/CalendarYear.h"

#include "core/CalendarNames.h"
#include "core/CoreTestSupport.h"
#include "core/ScopedOverride.h"

#include <gtest/gtest.h>

#include <mutex>
#include <stdexcept>
#include <string>

namespace morvessa {
namespace {

// Every spelling the year check lets through is the plain year, so the generation and the titles
// never see the spelling.
TEST(CalendarYear, EverySpellingOfAWholeNumberIsThePlainYear)
{
    test::ScopedLocale english(QLocale::English);
    for (const char* text : {"2024", " 2024", "2024 ", "02024", "+2024", "2,024", "2024.0", "2.024e3"}) {
        const std::optional<CalendarYear> year = CalendarYear::FromText(QString::fromLatin1(text));
        ASSERT_TRUE(year.has_value()) << text;
        EXPECT_EQ(year->Number(), 2024) << text;
        EXPECT_EQ(year->Text(), "2024") << text;
    }
}

TEST(CalendarYear, YearsOutsideTheRangeAreClampedToIt)
{
    EXPECT_EQ(CalendarYear::FromText("1850")->Number(), 1900);
    EXPECT_EQ(CalendarYear::FromText("0")->Number(), 1900);
    EXPECT_EQ(CalendarYear::FromText("-2024")->Number(), 1900);
    EXPECT_EQ(CalendarYear::FromText("2101")->Number(), 2100);
    EXPECT_EQ(CalendarYear::FromText("1e300")->Number(), 2100);  // beyond any integer type
    EXPECT_EQ(CalendarYear::FromText("1900")->Number(), 1900);
    EXPECT_EQ(CalendarYear::FromText("2100")->Number(), 2100);
    EXPECT_EQ(CalendarYear::Clamped(-5).Text(), "1900");
    EXPECT_EQ(CalendarYear::Clamped(3000).Text(), "2100");
}

TEST(CalendarYear, TextThatIsNoWholeNumberIsNoYear)
{
    test::ScopedLocale english(QLocale::English);
    for (const char* text : {"", "   ", "abc", "2021.5", "20 21", "2024x", "inf", "nan"})
        EXPECT_FALSE(CalendarYear::FromText(QString::fromLatin1(text)).has_value()) << text;
}

TEST(CalendarNames, NamesAndListsAgreeAndRefuseNumbersOutsideThem)
{
    ASSERT_EQ(MonthNameList().size(), 12);
    ASSERT_EQ(WeekdayNameList().size(), 7);
    for (int month = 1; month <= 12; ++month)
        EXPECT_EQ(MonthNameList()[month - 1].toStdString(), MonthName(month));
    EXPECT_EQ(MonthName(9), "September");
    EXPECT_EQ(WeekdayName(1), "Sunday");
    EXPECT_EQ(WeekdayName(7), "Saturday");
    EXPECT_EQ(OccurrenceNameList()[kLastOccurrenceIndex], kLastOccurrenceName);
    EXPECT_THROW(MonthName(0), std::out_of_range);
    EXPECT_THROW(MonthName(13), std::out_of_range);
    EXPECT_THROW(WeekdayName(8), std::out_of_range);
}

struct TextHook {
    using Value = std::string;
    static Value& Slot()
    {
        static std::string text = "default";
        return text;
    }
};

struct CountHook {
    using Value = int*;
    static Value& Slot()
    {
        static int* count = nullptr;
        return count;
    }
    static std::mutex& Mutex()
    {
        static std::mutex mutex;
        return mutex;
    }
};

TEST(ScopedOverride, NestedScopesPutBackWhatWasThereBefore)
{
    {
        ScopedOverride<TextHook> outer(std::string("outer"));
        EXPECT_EQ(TextHook::Slot(), "outer");
        {
            ScopedOverride<TextHook> inner(std::string("inner"));
            EXPECT_EQ(TextHook::Slot(), "inner");
        }
        EXPECT_EQ(TextHook::Slot(), "outer");
    }
    EXPECT_EQ(TextHook::Slot(), "default");

    int count = 0;
    {
        ScopedOverride<CountHook> use(count);  // a pointer hook takes the object itself
        EXPECT_EQ(CountHook::Slot(), &count);
    }
    EXPECT_EQ(CountHook::Slot(), nullptr);
}

}  // namespace
}  // namespace morvessa
