// A plain stdio record writer, one fprintf per record: the yardstick for
// how much the fast layout and the large buffer gain.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "rand.h"
#include "refline.h"

// Usage: stdio_baseline FILE COUNT. Returns 0 once the file is written.
int main(int argc, char **argv)
{
    if (argc != 3) {
        (void)fputs("usage: stdio_baseline FILE COUNT\n", stderr);
        return 2;
    }
    FILE *fp = fopen(argv[1], "wb");
    if (fp == nullptr) return 1;
    long long nents = strtoll(argv[2], nullptr, 10);
    recgen::srand(static_cast<uint32_t>(time(nullptr)));
    for (long long i = 1; i <= nents; i++) {
        reffields f = drawfields();
        if (fprintf(fp, reffmt, i, f.fchar, f.lnum, f.fnum, f.p1num, f.p2num, f.p3num) < 0) return 1;
    }
    return fclose(fp) == 0 ? 0 : 1;
}
