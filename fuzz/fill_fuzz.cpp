// Differential check of the fast record layout against the plain one-print
// per record formatting, for arbitrary seeds, starting numbers, counts and
// buffer sizes.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "line.h"
#include "rand.h"
#include "refline.h"

namespace {

uint64_t take(const uint8_t *&data, size_t &size, size_t n)
{
    uint64_t v = 0;
    for (size_t k = 0; k < n && size > 0; k++, size--) v = v << 8 | *data++;
    return v;
}

// Where the line length changes, and the very end of the range.
constexpr int64_t edges[] = {1,       10,       100,       1000,       10000,     100000,
                             1000000, 10000000, 100000000, 1000000000, 2147483647};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    uint32_t seed = static_cast<uint32_t>(take(data, size, 4));
    uint64_t where = take(data, size, 4);
    int64_t count = static_cast<int64_t>(take(data, size, 2) % 3000);
    size_t cap = recgen::maxline + take(data, size, 2) % 8192;

    // Half the inputs start near a digit-count edge, half anywhere at all.
    int64_t first;
    if (where & 1)
        first = 1 + static_cast<int64_t>((where >> 1) % 2147483647);
    else
        first = edges[(where >> 1) % 11] + static_cast<int8_t>(where >> 8);
    first = std::clamp<int64_t>(first, 1, 2147483647);
    int64_t last = std::min<int64_t>(first + count - 1, 2147483647);

    recgen::srand(seed);
    std::string want = reflines(first, last);

    recgen::srand(seed);
    std::vector<char> buf(cap);  // exactly cap, so the sanitizer sees a write past it
    std::string got;
    int64_t next = first;
    while (next <= last) {
        size_t n = recgen::fillrecs(buf.data(), cap, &next, last);
        if (n == 0 || n > cap) abort();
        got.append(buf.data(), n);
    }
    if (got != want || next != last + 1) abort();
    return 0;
}
