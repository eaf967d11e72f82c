// Reply lines are taken a character at a time so that an over-long line can
// be cut without ever touching memory past the buffer.
#include "reply.h"

namespace recgen {

namespace {

// Adds c to the reply of *n characters in buf, dropping carriage returns.
// Returns false when c had no room left.
bool keep(char c, char *buf, size_t *n)
{
    if (c == '\r') return true;
    if (*n == replymax) return false;
    buf[(*n)++] = c;
    return true;
}

}  // namespace

replyend getreply(FILE *in, char *buf, size_t *len)
{
    size_t n = 0;
    bool any = false;
    bool cut = false;
    int c = 0;
    while ((c = getc(in)) != EOF && c != '\n') {
        any = true;
        if (!keep(static_cast<char>(c), buf, &n)) cut = true;
    }
    buf[n] = '\0';
    *len = n;
    if (cut) return replylong;
    if (!any && c == EOF) return replyeof;
    return replyok;
}

replyend linereply(const char *line, char *buf, size_t *len)
{
    size_t n = 0;
    bool cut = false;
    for (const char *p = line; *p != '\0'; p++)
        if (!keep(*p, buf, &n)) cut = true;
    buf[n] = '\0';
    *len = n;
    return cut ? replylong : replyok;
}

int32_t parsecount(const char *buf)
{
    const char *p = buf;
    while (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\v' || *p == '\f' || *p == '\r') p++;
    bool neg = *p == '-';
    if (*p == '+' || *p == '-') p++;
    uint32_t v = 0;
    for (; *p >= '0' && *p <= '9'; p++) v = v * 10 + static_cast<uint32_t>(*p - '0');
    if (neg) v = 0 - v;
    return static_cast<int32_t>(v);
}

}  // namespace recgen
