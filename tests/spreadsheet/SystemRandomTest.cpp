#include "spreadsheet/io/SystemRandom.h"

#include <gtest/gtest.h>

#include <array>
#include <set>

namespace morvessa::sheet::io {
namespace {

TEST(SystemRandom, DrawsStayBelowTheBoundAndReachEveryValue)
{
    for (const int bound : {1, 3, 62, 256}) {
        std::set<int> seen;
        for (int i = 0; i < 40 * bound; ++i) {
            const int value = SystemRandomBelow(bound);
            ASSERT_GE(value, 0);
            ASSERT_LT(value, bound);
            seen.insert(value);
        }
        // 40 draws per value: the chance that a fair source misses one is below 1e-15.
        EXPECT_EQ(int(seen.size()), bound);
    }
    std::set<uint32_t> words;
    for (int i = 0; i < 16; ++i)
        words.insert(SystemRandom32());
    EXPECT_GT(words.size(), 14u) << "16 draws of 32 bits";
}

}  // namespace
}  // namespace morvessa::sheet::io
