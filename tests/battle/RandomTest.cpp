#include "battle/Random.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<double> draws(Random &random, int n)
{
    std::vector<double> values;
    for (int i = 0; i < n; ++i)
        values.push_back(random.Rnd());
    return values;
}

TEST(Random, SameSeedReplaysTheSameDraws)
{
    Random a(42);
    Random b(42);
    Random c(43);
    const auto first = draws(a, 100);
    EXPECT_EQ(first, draws(b, 100));
    EXPECT_NE(first, draws(c, 100));
    a.seed(42);
    EXPECT_EQ(draws(a, 100), first);
}

TEST(Random, DrawsAreUniformBelowOne)
{
    Random random(7);
    int buckets[10] = {};
    for (int i = 0; i < 100000; ++i) {
        const double d = random.Rnd();
        ASSERT_GE(d, 0.0);
        ASSERT_LT(d, 1.0);
        ++buckets[static_cast<int>(d * 10)];
    }
    for (int count : buckets)
        EXPECT_NEAR(count, 10000, 600);
}

} // namespace
