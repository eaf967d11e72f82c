// The plain way to lay out record lines, one formatted print per record: the
// yardstick that the fast layout must match byte for byte.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "rand.h"

// The record template; the line feed stands for the CR LF written to the file.
constexpr const char reffmt[] = "%lld|%clname%d|fname%d|%3.3d-%3.3d-%4.4d\r\n";

// The fields of one record, from six draws in their fixed order.
struct reffields {
    int fchar, lnum, fnum, p1num, p2num, p3num;
};

inline reffields drawfields()
{
    reffields f{};
    f.fchar = 65 + recgen::rand() % 26;
    f.lnum = recgen::rand() % 10;
    f.fnum = recgen::rand() % 10;
    f.p1num = recgen::rand() % 1000;
    if (f.p1num < 100) f.p1num += 100;
    f.p2num = recgen::rand() % 1000;
    if (f.p2num < 100) f.p2num += 100;
    f.p3num = recgen::rand() % 10000;
    return f;
}

// Returns the lines for records first to last, drawing from recgen::rand().
inline std::string reflines(int64_t first, int64_t last)
{
    std::string s;
    char line[64];
    for (int64_t i = first; i <= last; i++) {
        reffields f = drawfields();
        int n = snprintf(line, sizeof line, reffmt, static_cast<long long>(i), f.fchar, f.lnum, f.fnum,
                         f.p1num, f.p2num, f.p3num);
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
