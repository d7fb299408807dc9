#include "host/CellText.h"

#include <gtest/gtest.h>

namespace morvessa {
namespace {

TEST(FormatNumber, MonthAndYearOfADateSerial)
{
    EXPECT_EQ(FormatNumber(44562, "mmmm yyyy"), "January 2022");  // 1 January 2022
    EXPECT_EQ(FormatNumber(46068, "mmmm yyyy"), "February 2026");
    EXPECT_EQ(FormatNumber(73050, "mmmm yyyy"), "December 2099");
    EXPECT_EQ(FormatNumber(73051, "mmmm yyyy"), "January 2100");
    EXPECT_EQ(FormatNumber(1, "mmmm yyyy"), "January 1900");
    EXPECT_EQ(FormatNumber(44562.75, "mmmm yyyy"), "January 2022");  // the time of day does not matter
}

TEST(FormatNumber, TheNineteenHundredDateSystemKeepsItsPhantomLeapDay)
{
    EXPECT_EQ(FormatNumber(59, "d mmmm yyyy"), "28 February 1900");
    EXPECT_EQ(FormatNumber(60, "d mmmm yyyy"), "29 February 1900");
    EXPECT_EQ(FormatNumber(61, "d mmmm yyyy"), "1 March 1900");
    EXPECT_EQ(FormatNumber(45658, "dddd, dd/mm/yy"), "Wednesday, 01/01/25");
    EXPECT_EQ(FormatNumber(45658, "ddd d mmm"), "Wed 1 Jan");
    EXPECT_EQ(FormatNumber(45658, "mmmmm"), "J");
    EXPECT_EQ(FormatNumber(-1, "mmmm yyyy").find_first_not_of('#'), std::string::npos);
}

TEST(FormatNumber, LiteralsAndTimes)
{
    EXPECT_EQ(FormatNumber(44562, "\"Month: \"mmmm"), "Month: January");
    EXPECT_EQ(FormatNumber(44562, "yyyy\\-mm"), "2022-01");
    EXPECT_EQ(FormatNumber(0.75, "hh:mm"), "18:00");  // "mm" after hours means minutes
    EXPECT_EQ(FormatNumber(0.5 + 90.0 / 86400, "h:mm:ss"), "12:01:30");
    EXPECT_TRUE(IsDateFormat("mmmm yyyy"));
    EXPECT_FALSE(IsDateFormat("0.00"));
    EXPECT_FALSE(IsDateFormat("\"day\"0"));
}

TEST(FormatNumber, GeneralNumbers)
{
    EXPECT_EQ(FormatNumber(29, "General"), "29");
    EXPECT_EQ(FormatNumber(-7, "General"), "-7");
    EXPECT_EQ(FormatNumber(0.5, "General"), "0.5");
    EXPECT_EQ(FormatNumber(1.0 / 3.0, "General"), "0.3333333333");
    EXPECT_EQ(FormatNumber(1e20, ""), "1E+20");
    EXPECT_EQ(FormatNumber(-0.0, "General"), "0");
}

TEST(FormatNumber, DigitPatternsAndSections)
{
    EXPECT_EQ(FormatNumber(3.14159, "0.00"), "3.14");
    EXPECT_EQ(FormatNumber(1234567, "#,##0"), "1,234,567");
    EXPECT_EQ(FormatNumber(0.25, "0%"), "25%");
    EXPECT_EQ(FormatNumber(7, "000"), "007");
    EXPECT_EQ(FormatNumber(-5, "0"), "-5");
    EXPECT_EQ(FormatNumber(-5, "0;(0)"), "(5)");
    EXPECT_EQ(FormatNumber(0, "0;(0);\"zero\""), "zero");
    EXPECT_EQ(FormatNumber(-0.001, "0.0"), "0.0");
    EXPECT_EQ(FormatNumber(12.5, "[Red]0.0 \"kg\""), "12.5 kg");
}

}  // namespace
}  // namespace morvessa
