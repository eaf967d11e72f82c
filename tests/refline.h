// The plain way to lay out record lines, one formatted print per record: the
// yardstick that the fast layout must match byte for byte.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "rand.h"

// Returns the lines for records first to last, drawing from recgen::rand().
inline std::string reflines(int64_t first, int64_t last)
{
    std::string s;
    char line[64];
    for (int64_t i = first; i <= last; i++) {
        int fchar = 65 + recgen::rand() % 26;
        int lnum = recgen::rand() % 10;
        int fnum = recgen::rand() % 10;
        int p1num = recgen::rand() % 1000;
        if (p1num < 100) p1num += 100;
        int p2num = recgen::rand() % 1000;
        if (p2num < 100) p2num += 100;
        int p3num = recgen::rand() % 10000;
        int n = snprintf(line, sizeof line, "%lld|%clname%d|fname%d|%3.3d-%3.3d-%4.4d\r\n",
                         static_cast<long long>(i), fchar, lnum, fnum, p1num, p2num, p3num);
        s.append(line, static_cast<size_t>(n));
    }
    return s;
}

// Returns the whole file that a run seeded with seed writes for nents records.
inline std::string reffile(uint32_t seed, int64_t nents)
{
    recgen::srand(seed);
    return reflines(1, nents);
}
