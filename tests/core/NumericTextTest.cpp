#include "core/NumericText.h"

#include "core/CoreTestSupport.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <cmath>
#include <limits>

namespace morvessa {
namespace {

using test::ScopedLocale;

TEST(LeadingNumber, TakesTheNumberTheTextStartsWith)
{
    EXPECT_EQ(LeadingNumber(u""), 0.0);
    EXPECT_EQ(LeadingNumber(u"None"), 0.0);
    EXPECT_EQ(LeadingNumber(u" 14"), 14.0);
    EXPECT_EQ(LeadingNumber(u"\t\n 7"), 7.0);
    EXPECT_EQ(LeadingNumber(u"12abc"), 12.0);
    EXPECT_EQ(LeadingNumber(u"-4142"), -4142.0);
    EXPECT_EQ(LeadingNumber(u"+7"), 7.0);
    EXPECT_EQ(LeadingNumber(u".5"), 0.5);
    EXPECT_EQ(LeadingNumber(u"2.5|"), 2.5);
    EXPECT_EQ(LeadingNumber(u"1.5e2x"), 150.0);
    EXPECT_EQ(LeadingNumber(u"12e"), 12.0);
    EXPECT_EQ(LeadingNumber(u"12east"), 12.0);
    EXPECT_EQ(LeadingNumber(u"-"), 0.0);
    EXPECT_EQ(LeadingNumber(u"."), 0.0);
    EXPECT_EQ(LeadingNumber(u"x12"), 0.0);
}

TEST(LeadingNumber, IgnoresTheLocaleAndKeepsHugeValuesForTheRangeCheck)
{
    ScopedLocale german(QLocale::German);
    EXPECT_EQ(LeadingNumber(u"1,5"), 1.0);
    EXPECT_EQ(LeadingNumber(u"1.5"), 1.5);
    EXPECT_TRUE(std::isinf(LeadingNumber(u"1e999")));
    EXPECT_LT(LeadingNumber(u"-1e999"), 0.0);
    EXPECT_EQ(LeadingNumber(u"1e-999"), 0.0);
    EXPECT_THROW(RoundToInt32(LeadingNumber(u"1e999")), ConversionError);
}

TEST(RoundHalfEven, SendsHalvesToTheEvenNeighbour)
{
    EXPECT_EQ(RoundHalfEven(0.5), 0.0);
    EXPECT_EQ(RoundHalfEven(1.5), 2.0);
    EXPECT_EQ(RoundHalfEven(2.5), 2.0);
    EXPECT_EQ(RoundHalfEven(-2.5), -2.0);
    EXPECT_EQ(RoundHalfEven(-3.5), -4.0);
    EXPECT_EQ(RoundHalfEven(2.4999), 2.0);
    EXPECT_EQ(RoundHalfEven(2.5001), 3.0);
    EXPECT_EQ(RoundHalfEven(-0.4), 0.0);
}

TEST(RoundToInt32, RejectsWhatDoesNotFit)
{
    EXPECT_EQ(RoundToInt32(2147483647.0), 2147483647);
    EXPECT_EQ(RoundToInt32(-2147483648.0), std::numeric_limits<std::int32_t>::min());
    EXPECT_THROW(RoundToInt32(2147483648.0), ConversionError);
    EXPECT_THROW(RoundToInt32(std::numeric_limits<double>::quiet_NaN()), ConversionError);
}

TEST(ToWholeNumber, ConvertsNumericTextOnly)
{
    EXPECT_EQ(ToWholeNumber(QStringLiteral("2")), 2);
    EXPECT_EQ(ToWholeNumber(QStringLiteral("2.5")), 2);
    EXPECT_EQ(ToWholeNumber(QStringLiteral(" 3.5 ")), 4);
    EXPECT_EQ(ToWholeNumber(QStringLiteral("-4142")), -4142);
    try {
        ToWholeNumber(QStringLiteral("abc"));
        FAIL() << "non-numeric text converted";
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "Type mismatch");
    }
    EXPECT_THROW(ToWholeNumber(QString()), ConversionError);
    EXPECT_THROW(ToWholeNumber(QStringLiteral("7abc")), ConversionError);
    try {
        ToWholeNumber(QStringLiteral("1e10"));
        FAIL() << "overflow not noticed";
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "Overflow");
    }
}

TEST(IsNumeric, FollowsTheUsersLocaleAndAlwaysAcceptsThePoint)
{
    EXPECT_TRUE(IsNumeric(QStringLiteral("2024")));
    EXPECT_TRUE(IsNumeric(QStringLiteral(" 2024 ")));
    EXPECT_TRUE(IsNumeric(QStringLiteral("-1.5")));
    EXPECT_FALSE(IsNumeric(QString()));
    EXPECT_FALSE(IsNumeric(QStringLiteral("   ")));
    EXPECT_FALSE(IsNumeric(QStringLiteral("20x4")));
    EXPECT_FALSE(IsNumeric(QStringLiteral("inf")));
    EXPECT_FALSE(IsNumeric(QStringLiteral("nan")));
    {
        ScopedLocale german(QLocale::German);
        EXPECT_TRUE(IsNumeric(QStringLiteral("2021,5")));
        EXPECT_DOUBLE_EQ(ToNumber(QStringLiteral("2021,5")), 2021.5);
        EXPECT_TRUE(IsNumeric(QStringLiteral("2021.5")));
    }
    {
        ScopedLocale english(QLocale::English);
        EXPECT_DOUBLE_EQ(ToNumber(QStringLiteral("2021.5")), 2021.5);
    }
}

TEST(IsWholeNumber, RefusesADecimalPart)
{
    EXPECT_TRUE(IsWholeNumber(QStringLiteral("2024")));
    EXPECT_TRUE(IsWholeNumber(QStringLiteral(" 2024 ")));
    EXPECT_TRUE(IsWholeNumber(QStringLiteral("2024.0")));
    EXPECT_FALSE(IsWholeNumber(QStringLiteral("2021.5")));
    EXPECT_FALSE(IsWholeNumber(QStringLiteral("abc")));
    EXPECT_FALSE(IsWholeNumber(QString()));
    ScopedLocale german(QLocale::German);
    EXPECT_FALSE(IsWholeNumber(QStringLiteral("2021,5")));
}

TEST(NumberText, WritesPlainDecimal)
{
    EXPECT_EQ(NumberText(14), QStringLiteral("14"));
    EXPECT_EQ(NumberText(-4142), QStringLiteral("-4142"));
    EXPECT_EQ(NumberText(2.5), QStringLiteral("2.5"));
    EXPECT_EQ(NumberText(-0.0), QStringLiteral("0"));
    EXPECT_EQ(NumberText(0.1), QStringLiteral("0.1"));
    ScopedLocale german(QLocale::German);
    EXPECT_EQ(NumberText(2.5), QStringLiteral("2.5"));
    EXPECT_EQ(NumberText(123456), QStringLiteral("123456"));
}

}  // namespace
}  // namespace morvessa
