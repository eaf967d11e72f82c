// Lays out record lines fast: within a decade of record numbers every line
// has the same length, so each one is a copy of a template with its varying
// bytes patched in from lookup tables.
#include "line.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "rand.h"

namespace recgen {

namespace {

constexpr char tail[] = "|Alname0|fname0|100-100-0000\r\n";
constexpr size_t taillen = sizeof tail - 1;  // 30

// "ddd-" for draw % 1000, lifted into 100 to 999.
constexpr auto mkpart3()
{
    std::array<std::array<char, 4>, 1000> t{};
    for (int v = 0; v < 1000; v++) {
        int n = v < 100 ? v + 100 : v;
        t[v] = {char('0' + n / 100), char('0' + n / 10 % 10), char('0' + n % 10), '-'};
    }
    return t;
}

// "dddd" for draw % 10000.
constexpr auto mkpart4()
{
    std::array<std::array<char, 4>, 10000> t{};
    for (int v = 0; v < 10000; v++)
        t[v] = {char('0' + v / 1000), char('0' + v / 100 % 10), char('0' + v / 10 % 10), char('0' + v % 10)};
    return t;
}

constexpr auto part3 = mkpart3();
constexpr auto part4 = mkpart4();

// The state after k steps from s is s * jmul(k) + jadd(k): the six draws of
// a record then hang on the record's starting state alone, not on each other.
constexpr uint32_t jmul(int k)
{
    uint32_t m = 1;
    for (int j = 0; j < k; j++) m *= rmul;
    return m;
}

constexpr uint32_t jadd(int k)
{
    uint32_t a = 0;
    for (int j = 0; j < k; j++) a = rstep(a);
    return a;
}

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

size_t linelen(int64_t i) { return taillen + static_cast<size_t>(ndigits(i)); }

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
        for (int64_t k = 0; k < n; k++) {
            uint32_t s1 = s * jmul(1) + jadd(1);
            uint32_t s2 = s * jmul(2) + jadd(2);
            uint32_t s3 = s * jmul(3) + jadd(3);
            uint32_t s4 = s * jmul(4) + jadd(4);
            uint32_t s5 = s * jmul(5) + jadd(5);
            s = s * jmul(6) + jadd(6);

            // Two fixed-size copies that overlap cover any length from 31 to 40.
            std::memcpy(p, tpl, 16);
            std::memcpy(p + len - 24, tpl + len - 24, 24);
            char *f = p + nd;
            f[1] = static_cast<char>('A' + rdraw(s1) % 26);
            f[7] = static_cast<char>('0' + rdraw(s2) % 10);
            f[14] = static_cast<char>('0' + rdraw(s3) % 10);
            std::memcpy(f + 16, part3[static_cast<size_t>(rdraw(s4) % 1000)].data(), 4);
            std::memcpy(f + 20, part3[static_cast<size_t>(rdraw(s5) % 1000)].data(), 4);
            std::memcpy(f + 24, part4[static_cast<size_t>(rdraw(s) % 10000)].data(), 4);
            p += len;

            char *d = ld;
            while (*d == '9') *d-- = '0';
            ++*d;
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
