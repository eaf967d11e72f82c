// The fast layout against known lines and against the plain formatting,
// across digit-count boundaries of the record number and buffer boundaries.
#include "line.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "rand.h"
#include "refline.h"

namespace {

// Lays out records first to last through buffers of cap bytes, as the
// record loop does, and checks that no call writes past its cap.
std::string fast(uint32_t seed, int64_t first, int64_t last, size_t cap)
{
    recgen::srand(seed);
    std::string out;
    std::vector<char> buf(cap + 64);
    int64_t next = first;
    while (next <= last) {
        std::memset(buf.data(), '#', buf.size());
        int64_t before = next;
        size_t n = recgen::fillrecs(buf.data(), cap, &next, last);
        EXPECT_LE(n, cap);
        EXPECT_EQ(buf[cap], '#') << "wrote past cap " << cap;
        if (n == 0) {
            ADD_FAILURE() << "no progress at record " << before << " with cap " << cap;
            break;
        }
        out.append(buf.data(), n);
    }
    return out;
}

std::string slow(uint32_t seed, int64_t first, int64_t last)
{
    recgen::srand(seed);
    return reflines(first, last);
}

struct known {
    uint32_t seed;
    int64_t nents;
    std::string text;
};

class KnownFile : public testing::TestWithParam<known> {};

TEST_P(KnownFile, Bytes)
{
    const known &k = GetParam();
    EXPECT_EQ(fast(k.seed, 1, k.nents, 1 << 16), k.text);
}

INSTANTIATE_TEST_SUITE_P(Seeds, KnownFile,
                         testing::Values(known{12345, 3,
                                               "1|Nlname6|fname1|577-316-0386\r\n"
                                               "2|Plname4|fname0|814-124-5833\r\n"
                                               "3|Ylname0|fname2|965-151-0867\r\n"},
                                         // the fourth draw, 1090, leaves 90, lifted to 190
                                         known{1, 1, "1|Ilname0|fname2|190-656-7117\r\n"}));

TEST(FillRecs, MatchesPlainFormattingAcrossDigitBoundaries)
{
    std::vector<int64_t> edges;
    for (int64_t p = 10; p <= 1000000000; p *= 10) edges.push_back(p);
    uint32_t seed = 7;
    for (int64_t e : edges) {
        seed = seed * 2654435761u + 1;
        int64_t lo = std::max<int64_t>(1, e - 25);
        EXPECT_EQ(fast(seed, lo, e + 25, 4096), slow(seed, lo, e + 25)) << "around " << e;
    }
    EXPECT_EQ(fast(99, 2147483600, 2147483647, 4096), slow(99, 2147483600, 2147483647));
}

TEST(FillRecs, MatchesPlainFormattingForManySeeds)
{
    for (uint32_t seed : {0u, 1u, 12345u, 0x7fffffffu, 0x80000000u, 0xffffffffu, 1765400000u})
        EXPECT_EQ(fast(seed, 1, 1200, 1 << 16), slow(seed, 1, 1200)) << "seed " << seed;
}

TEST(FillRecs, WholeLinesOnlyWhateverTheBufferSize)
{
    std::string want = slow(5, 1, 150);
    for (size_t cap : {40, 41, 63, 64, 65, 100, 127, 1000, 4097})
        EXPECT_EQ(fast(5, 1, 150, cap), want) << "cap " << cap;
}

TEST(FillRecs, StopsWithoutDrawingWhenNothingFits)
{
    char buf[64];
    recgen::srand(3);
    int64_t next = 10;
    EXPECT_EQ(recgen::fillrecs(buf, 31, &next, 20), 0u);  // record 10 needs 32 bytes
    EXPECT_EQ(next, 10);
    next = 21;
    EXPECT_EQ(recgen::fillrecs(buf, sizeof buf, &next, 20), 0u);
    EXPECT_EQ(next, 21);
    EXPECT_EQ(recgen::rstate(), 3u);
}

TEST(FileSize, MatchesTheLaidOutBytes)
{
    for (int64_t nents : {0, 1, 9, 10, 99, 100, 1000, 12345}) {
        recgen::srand(1);
        EXPECT_EQ(recgen::filesize(nents), reflines(1, nents).size()) << nents;
    }
    EXPECT_EQ(recgen::filesize(-5), 0u);
    EXPECT_EQ(recgen::filesize(10000000), 368888897u);
    EXPECT_EQ(recgen::filesize(2147483647), 84788234779u);
}

}  // namespace
