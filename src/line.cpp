// Lays out record lines fast: within a decade of record numbers every line
// has the same length, so each one is a copy of a template with its varying
// bytes patched in from tables indexed by the draws.
#include "line.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "rand.h"

namespace recgen {

namespace {

constexpr char tail[] = "|Alname0|fname0|100-100-0000\r\n";
constexpr size_t taillen = sizeof tail - 1;  // 30

// Each table maps a draw (0 to 32767) straight to the bytes it yields, so
// the record loop does no division.
constexpr auto bydraw(auto f)
{
    std::array<decltype(f(0)), 32768> t{};
    for (int d = 0; d < 32768; d++) t[d] = f(d);
    return t;
}

using four = std::array<char, 4>;

constexpr auto letter = bydraw([](int d) { return static_cast<char>('A' + d % 26); });
constexpr auto digit = bydraw([](int d) { return static_cast<char>('0' + d % 10); });
// "ddd-": draw % 1000 lifted into 100 to 999, with the dash that follows it.
constexpr auto num3 = bydraw([](int d) {
    int v = d % 1000 < 100 ? d % 1000 + 100 : d % 1000;
    return four{static_cast<char>('0' + v / 100), static_cast<char>('0' + v / 10 % 10),
                static_cast<char>('0' + v % 10), '-'};
});
// "dddd": draw % 10000 with leading zeros.
constexpr auto num4 = bydraw([](int d) {
    int v = d % 10000;
    return four{static_cast<char>('0' + v / 1000), static_cast<char>('0' + v / 100 % 10),
                static_cast<char>('0' + v / 10 % 10), static_cast<char>('0' + v % 10)};
});

// The state k steps after s is s * jmul[k] + jadd[k]: the six draws of a
// record then hang on the record's starting state alone, not on each other.
constexpr auto jumps(bool mul)
{
    std::array<uint32_t, 7> t{};
    uint32_t m = 1;
    uint32_t a = 0;
    for (size_t k = 0; k < t.size(); k++) {
        t[k] = mul ? m : a;
        m *= rmul;
        a = rstep(a);
    }
    return t;
}
constexpr auto jmul = jumps(true);
constexpr auto jadd = jumps(false);

int ndigits(int64_t i)
{
    int n = 1;
    while (i >= 10) {
        i /= 10;
        n++;
    }
    return n;
}

int64_t pow10(int n)
{
    int64_t p = 1;
    while (n-- > 0) p *= 10;
    return p;
}

}  // namespace

uint64_t filesize(int64_t nents)
{
    uint64_t total = 0;
    int64_t lo = 1;
    for (size_t digits = 1; lo <= nents; lo *= 10, digits++)
        total += static_cast<uint64_t>(std::min(lo * 10 - 1, nents) - lo + 1) * (taillen + digits);
    return total;
}

size_t fillrecs(char *out, size_t cap, int64_t *next, int64_t last)
{
    uint32_t s = rstate();
    int64_t i = *next;
    size_t used = 0;

    while (i <= last) {
        int nd = ndigits(i);
        size_t len = taillen + static_cast<size_t>(nd);
        int64_t fit = static_cast<int64_t>((cap - used) / len);
        int64_t want = std::min(last - i + 1, pow10(nd) - i);
        int64_t n = std::min(fit, want);
        if (n == 0) break;

        // One guard digit in front takes the carry out of the decade's last number.
        char tplbuf[1 + maxline] = {'0'};
        char *tpl = tplbuf + 1;
        for (int64_t v = i, k = nd - 1; k >= 0; k--, v /= 10) tpl[k] = static_cast<char>('0' + v % 10);
        std::memcpy(tpl + nd, tail, taillen);

        char *p = out + used;
        char *ld = tpl + nd - 1;  // last digit of the record number
        for (int64_t left = n; left > 0;) {
            // A run of records that differ in the last digit only: the template
            // stays untouched while it is copied, and the last digit is patched.
            int from = *ld - '0';
            int64_t m = std::min<int64_t>(left, 10 - from);
            for (int k = 0; k < m; k++) {
                uint32_t s1 = s * jmul[1] + jadd[1];
                uint32_t s2 = s * jmul[2] + jadd[2];
                uint32_t s3 = s * jmul[3] + jadd[3];
                uint32_t s4 = s * jmul[4] + jadd[4];
                uint32_t s5 = s * jmul[5] + jadd[5];
                s = s * jmul[6] + jadd[6];

                // Two fixed-size copies that overlap cover any length from 31 to 40.
                std::memcpy(p, tpl, 16);
                std::memcpy(p + len - 24, tpl + len - 24, 24);
                char *f = p + nd;
                f[-1] = static_cast<char>('0' + from + k);
                f[1] = letter[static_cast<size_t>(rdraw(s1))];
                f[7] = digit[static_cast<size_t>(rdraw(s2))];
                f[14] = digit[static_cast<size_t>(rdraw(s3))];
                std::memcpy(f + 16, num3[static_cast<size_t>(rdraw(s4))].data(), 4);
                std::memcpy(f + 20, num3[static_cast<size_t>(rdraw(s5))].data(), 4);
                std::memcpy(f + 24, num4[static_cast<size_t>(rdraw(s))].data(), 4);
                p += len;
            }
            left -= m;
            if (from + m < 10) {
                *ld = static_cast<char>('0' + from + m);
            } else {
                *ld = '0';
                char *d = ld - 1;
                while (*d == '9') *d-- = '0';
                ++*d;
            }
        }
        used += static_cast<size_t>(n) * len;
        i += n;
        if (n < want) break;  // out of room
    }
    srand(s);
    *next = i;
    return used;
}

}  // namespace recgen
