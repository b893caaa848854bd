#include "OrdinalIndex.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

TEST(OrdinalIndex, NumbersDistinctKeysInTheOrderTheyFirstCome) {
    TOrdinalIndex index;
    EXPECT_EQ(index.Find(0), -1);
    // Keys alike in their low bits, as aligned addresses are, and zero.
    const std::vector<std::uint64_t> keys = {0x7f0000001000, 0, 0x7f0000002000, 42};
    for (int i = 0; i < static_cast<int>(keys.size()); ++i) {
        EXPECT_EQ(index.Insert(keys[static_cast<std::size_t>(i)]), std::make_pair(i, true));
    }
    EXPECT_EQ(index.Insert(0), std::make_pair(1, false));
    EXPECT_EQ(index.Find(42), 3);
    EXPECT_EQ(index.Find(43), -1);
    EXPECT_EQ(index.Key(2), 0x7f0000002000u);
    EXPECT_EQ(index.Count(), 4);
}

TEST(OrdinalIndex, KeepsEveryNumberAcrossGrowthBeyondWhatWasReserved) {
    TOrdinalIndex index;
    index.Reserve(10);
    constexpr int kCount = 100'000;
    for (int i = 0; i < kCount; ++i) {
        index.Insert(static_cast<std::uint64_t>(i) * 64);
    }
    for (int i = 0; i < kCount; i += 997) {
        EXPECT_EQ(index.Find(static_cast<std::uint64_t>(i) * 64), i);
    }
    EXPECT_EQ(index.Find(64 * kCount), -1);
    EXPECT_EQ(index.Count(), kCount);
}

TEST(OrdinalIndex, FindsEveryKeyWhateverTheSpreadAndTheStepBetweenKeys) {
    struct TCase {
        const char* name;
        std::uint64_t first;
        std::uint64_t step;
    };
    const TCase cases[] = {
        {"packed in pages", 0x7f0000000010, 16},
        {"one a page, at the same place in each", 0x7f0000000040, 4096},
        {"objects of a few hundred bytes", 0x55d000000008, 344},
        {"far apart", 0x7f0000000000, 1 << 20},
    };
    constexpr int kCount = 20'000;
    for (const TKeySpread spread : {TKeySpread::Mixed, TKeySpread::Addresses}) {
        for (const TCase& c : cases) {
            TOrdinalIndex index(spread);
            auto key = [&c](int i) { return c.first + static_cast<std::uint64_t>(i) * c.step; };
            for (int i = 0; i < kCount; ++i) {
                ASSERT_EQ(index.Insert(key(i)), std::make_pair(i, true)) << c.name;
            }
            for (int i = 0; i < kCount; ++i) {
                ASSERT_EQ(index.Find(key(i)), i) << c.name;
            }
            EXPECT_EQ(index.Insert(key(kCount / 2)), std::make_pair(kCount / 2, false)) << c.name;
            EXPECT_EQ(index.Find(c.first - 8), -1) << c.name;
            EXPECT_EQ(index.Find(key(kCount)), -1) << c.name;
        }
    }
}
