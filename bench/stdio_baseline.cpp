// A plain stdio record writer, one fprintf per record: the yardstick for
// how much the fast layout and the large buffer gain.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "rand.h"

// Usage: stdio_baseline FILE COUNT. Returns 0 once the file is written.
int main(int argc, char **argv)
{
    if (argc != 3) {
        (void)fputs("usage: stdio_baseline FILE COUNT\n", stderr);
        return 2;
    }
    FILE *fp = fopen(argv[1], "wb");
    if (fp == nullptr) return 1;
    long nents = strtol(argv[2], nullptr, 10);
    recgen::srand(static_cast<uint32_t>(time(nullptr)));
    for (long i = 1; i <= nents; i++) {
        int fchar = 65 + recgen::rand() % 26;
        int lnum = recgen::rand() % 10;
        int fnum = recgen::rand() % 10;
        int p1num = recgen::rand() % 1000;
        if (p1num < 100) p1num += 100;
        int p2num = recgen::rand() % 1000;
        if (p2num < 100) p2num += 100;
        int p3num = recgen::rand() % 10000;
        if (fprintf(fp, "%ld|%clname%d|fname%d|%3.3d-%3.3d-%4.4d\r\n", i, fchar, lnum, fnum, p1num, p2num,
                    p3num) < 0)
            return 1;
    }
    return fclose(fp) == 0 ? 0 : 1;
}
