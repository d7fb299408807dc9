#include "spreadsheet/io/CNumbers.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace morvessa::sheet::io {
namespace {

std::string Printed(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

// A process whose locale came from a German environment, as the toolkit leaves it.
class GermanProcessTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        previous_ = std::setlocale(LC_ALL, nullptr);
        if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
            GTEST_SKIP() << "de_DE.UTF-8 is not installed (scripts/setup.sh makes it)";
    }
    void TearDown() override { std::setlocale(LC_ALL, previous_.c_str()); }

private:
    std::string previous_;
};

TEST_F(GermanProcessTest, NumbersInScopeAreCAndTheLocaleComesBackAfterwards)
{
    ASSERT_EQ(Printed(12.75), "12,75");  // what the .xlsx writer used to put into its XML
    {
        const CNumbersInScope cNumbers;
        EXPECT_EQ(Printed(12.75), "12.75");
        EXPECT_EQ(std::strtod("0.75", nullptr), 0.75);
        {
            const CNumbersInScope nested;
            EXPECT_EQ(Printed(0.5), "0.50");
        }
        EXPECT_EQ(Printed(0.5), "0.50");
    }
    EXPECT_EQ(Printed(12.75), "12,75");
}

TEST_F(GermanProcessTest, CNumbersEverywhereKeepsTheLocalesTextCategories)
{
    UseCNumbersEverywhere();
    EXPECT_EQ(Printed(12.75), "12.75");
    EXPECT_EQ(std::string(std::setlocale(LC_CTYPE, nullptr)), "de_DE.UTF-8");
}

}  // namespace
}  // namespace morvessa::sheet::io
