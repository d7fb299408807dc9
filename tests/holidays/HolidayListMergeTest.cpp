// Taking one copy's change over to a list another copy changed too.

#include "holidays/HolidayListMerge.h"

#include "support/SettingsTestSupport.h"

#include <random>

namespace morvessa {
namespace {

QStringList Rows(const char* letters)
{
    QStringList rows;
    for (const char* c = letters; *c; ++c)
        rows.append(QString(QLatin1Char(*c)));
    return rows;
}

// The merged list written as letters again.
QString Merged(const char* from, const char* to, const char* onto)
{
    const QStringList f = Rows(from), t = Rows(to), o = Rows(onto);
    QString result;
    for (int index : MergeChange(f, t, o))
        result += index >= 0 ? o[index] : t[-1 - index];
    return result;
}

TEST(HolidayListMergeTest, OnTheListItStartedFromTheChangeGivesExactlyItsResult)
{
    std::mt19937 random(12);
    for (int round = 0; round < 3000; ++round) {
        // Few letters, so rows repeat and equal rows must be told apart by rank.
        const auto list = [&] {
            std::string text(random() % 9, ' ');
            for (char& c : text)
                c = static_cast<char>('a' + random() % 4);
            return text;
        };
        const std::string from = list(), to = list();
        EXPECT_EQ(Merged(from.c_str(), to.c_str(), from.c_str()), QString::fromStdString(to))
            << from << " -> " << to;
    }
}

TEST(HolidayListMergeTest, WhatTheOtherCopyChangedStays)
{
    EXPECT_EQ(Merged("abc", "abcd", "abcx"), "abcxd");  // both added at the end: ours comes last
    EXPECT_EQ(Merged("abc", "ac", "xabc"), "xac");      // our delete, their add at the start
    EXPECT_EQ(Merged("abc", "ac", "ac"), "ac");         // deleted by both: nothing else goes
    EXPECT_EQ(Merged("abc", "aBc", "abxc"), "aBxc");    // replaced in place
    EXPECT_EQ(Merged("ac", "abc", "c"), "bc");          // put back after a row they deleted: at the start
    EXPECT_EQ(Merged("abab", "aba", "xabab"), "xaba");  // the second of two equal rows
    EXPECT_EQ(Merged("", "ab", "x"), "xab");            // added to an empty list: after theirs
}

TEST(HolidayListMergeTest, TableRowsCompareAsTheStoreGivesThemBack)
{
    HolidayTable from(3);
    from.Reset(2);
    from.Cell(1, 1) = QStringLiteral("01");  // a month typed "01" reads back as 1; a name stays text
    from.Cell(1, 2) = 1;
    from.Cell(1, 3) = QStringLiteral("007");
    from.Cell(2, 1) = 2;
    from.Cell(2, 2) = 2;
    from.Cell(2, 3) = QStringLiteral("Two");
    HolidayTable to = from;
    DeleteHolidayRow(to, 1);
    HolidayTable onto = from;
    onto.Cell(1, 1) = 1;
    AppendHolidayRow(onto);
    onto.Cell(3, 3) = QStringLiteral("Theirs");
    const HolidayTable merged = MergeTableChange(from, to, onto);
    ASSERT_EQ(merged.RowCount(), 2);
    EXPECT_EQ(merged.Cell(1, 3).Text(), "Two");
    EXPECT_EQ(merged.Cell(2, 3).Text(), "Theirs");
}

}  // namespace
}  // namespace morvessa
