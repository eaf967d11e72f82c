// The dialogue and the record loop. This is the only place that prints and
// the only place that decides the exit status.
#include "run.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>

#include "line.h"
#include "rand.h"
#include "reply.h"

namespace recgen {

namespace {

// Large enough that write() is called rarely, small enough to stay in cache.
char obuf[256 * 1024];

// Returns true when all n bytes of p reached fd.
bool writeall(int fd, const char *p, size_t n)
{
    while (n > 0) {
        ssize_t w = write(fd, p, n);
        if (w < 0 && errno == EINTR) continue;
        if (w <= 0) return false;
        p += w;
        n -= static_cast<size_t>(w);
    }
    return true;
}

// Returns true when every record from 1 to nents reached fd.
bool writerecs(int fd, int32_t nents)
{
    int64_t i = 1;
    while (i <= nents) {
        size_t n = fillrecs(obuf, sizeof obuf, &i, nents);
        if (!writeall(fd, obuf, n)) return false;
    }
    return true;
}

void prompt(const char *text)
{
    fputs(text, stdout);
    fflush(stdout);
}

}  // namespace

int run()
{
    int32_t nents = 1000;
    char name[replymax + 1];  // the file-name reply, kept for a late write failure
    char buf[replymax + 1];
    size_t len;

    // A file-size limit or a vanished reader must end in a message, not a signal.
    signal(SIGXFSZ, SIG_IGN);
    signal(SIGPIPE, SIG_IGN);

    prompt("Enter output file name: ");
    replyend end = getreply(stdin, name, &len);
    // A cut name or one holding a NUL would name some other file than the reply.
    int fd = -1;
    if (end != replylong && strlen(name) == len)
        fd = open(name, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) {
        printf("Can't open output file (%s)\n", name);
        fflush(stdout);
        return 1;
    }

    printf("Enter number of records (%d): ", nents);
    fflush(stdout);
    getreply(stdin, buf, &len);
    if (len > 0) nents = parsecount(buf);

    // Modulo 2^32, so readings before 1970 and after 2106 still seed.
    srand(static_cast<uint32_t>(time(nullptr)));

    bool ok = writerecs(fd, nents);
    if (close(fd) != 0) ok = false;
    if (!ok) {
        printf("Can't write output file (%s)\n", name);
        fflush(stdout);
        return 1;
    }
    return 0;
}

}  // namespace recgen
