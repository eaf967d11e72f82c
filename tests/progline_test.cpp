// The text of the progress line: counts, percent, bytes, rate and time left.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tty.h"

namespace {

struct progcase {
    int64_t done, total;
    uint64_t bytes, totalbytes;
    double secs;
    const char *want;
};

class ProgLine : public testing::TestWithParam<progcase> {};

TEST_P(ProgLine, Text)
{
    const progcase &c = GetParam();
    char out[128];
    size_t n = recgen::progline(out, sizeof out, c.done, c.total, c.bytes, c.totalbytes, c.secs);
    EXPECT_EQ(std::string(out, n), c.want);
    EXPECT_EQ(std::strlen(out), n);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, ProgLine,
    testing::Values(
        // 2 GB in 4 s at 500 MB/s leaves 6 GB for 12 s
        progcase{250000000, 1000000000, 2000000000, 8000000000, 4.0,
                 "250000000/1000000000 records  25.0%  2.00 GB  500 MB/s  0:00:12 left"},
        // hours and minutes of what is left
        progcase{1000, 2147483647, 1000000, 84788234779, 1.0,
                 "1000/2147483647 records  0.0%  0.00 GB  1 MB/s  23:33:07 left"},
        progcase{7, 7, 217, 217, 2.0, "7/7 records  100.0%  0.00 GB  0 MB/s  0:00:00 left"},
        // no time has passed yet: no rate and no estimate
        progcase{0, 10, 0, 310, 0.0, "0/10 records  0.0%  0.00 GB  0 MB/s  0:00:00 left"}));

TEST(ProgLine, CutToTheBuffer)
{
    char out[16];
    size_t n = recgen::progline(out, sizeof out, 250000000, 1000000000, 2000000000, 8000000000, 4.0);
    EXPECT_EQ(n, 15u);
    EXPECT_STREQ(out, "250000000/10000");
}

}  // namespace
