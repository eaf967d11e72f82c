// The generator must reproduce its known sequences exactly: they fix the
// content of every file.
#include "rand.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct seq {
    uint32_t seed;
    std::vector<int> draws;
};

class RandSeq : public testing::TestWithParam<seq> {};

TEST_P(RandSeq, FirstDraws)
{
    recgen::srand(GetParam().seed);
    std::vector<int> got;
    for (size_t k = 0; k < GetParam().draws.size(); k++) got.push_back(recgen::rand());
    EXPECT_EQ(got, GetParam().draws);
}

INSTANTIATE_TEST_SUITE_P(Known, RandSeq,
                         testing::Values(seq{1, {346, 130, 10982, 1090, 11656, 7117}},
                                         seq{12345, {15301, 24996, 10921, 23577, 19316, 10386}},
                                         seq{0, {0, 346, 130, 10982, 1090, 11656, 7117}}));

TEST(Rand, ReseedingRestartsTheSequence)
{
    recgen::srand(987654321);
    std::vector<int> a, b;
    for (int k = 0; k < 100; k++) a.push_back(recgen::rand());
    recgen::srand(987654321);
    for (int k = 0; k < 100; k++) b.push_back(recgen::rand());
    EXPECT_EQ(a, b);
}

TEST(Rand, StateCarriesOverSrand)
{
    recgen::srand(42);
    recgen::rand();
    uint32_t s = recgen::rstate();
    int next = recgen::rand();
    recgen::srand(s);
    EXPECT_EQ(recgen::rand(), next);
}

}  // namespace
