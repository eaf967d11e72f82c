// The dialogue and the record loop. This is the only place that reports
// failures and the only place that decides the exit status.
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
#include "tty.h"

namespace recgen {

namespace {

// Large enough that write() is called rarely, small enough to stay in cache.
char obuf[256 * 1024];

// The progress line on a terminal's standard error during a long run.
struct progress {
    bool on;          // standard error is a terminal
    bool shown;       // a line is on the screen now
    int64_t total;    // records to write
    uint64_t nbytes;  // bytes to write
    double start;     // clock when the record loop began
    double last;      // clock when the line was last drawn
};

double now()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// The progress line is decoration: a terminal that refuses it changes nothing.
void tell(const char *text, size_t n) { (void)!write(STDERR_FILENO, text, n); }

// Redraws the line once the run has taken a second, then four times a second.
void progtick(progress *pg, int64_t done, uint64_t bytes)
{
    double t = now();
    if (t - pg->start < 1.0 || t - pg->last < 0.25) return;
    char text[128];
    progline(text, sizeof text, done, pg->total, bytes, pg->nbytes, t - pg->start);
    char line[160];
    // The line starts over at the left and clears what a longer earlier one left.
    int n = snprintf(line, sizeof line, "\r%s\033[K", text);
    if (n > 0) tell(line, static_cast<size_t>(n));
    pg->shown = true;
    pg->last = t;
}

// Leaves the terminal as it would be without the line.
void progend(progress *pg)
{
    if (pg->shown) tell("\r\033[K", 4);
    pg->shown = false;
}

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
bool writerecs(int fd, int32_t nents, progress *pg)
{
    int64_t i = 1;
    uint64_t bytes = 0;
    while (i <= nents) {
        size_t n = fillrecs(obuf, sizeof obuf, &i, nents);
        if (!writeall(fd, obuf, n)) return false;
        bytes += n;
        if (pg->on) progtick(pg, i - 1, bytes);
    }
    return true;
}

// Shows a failure message for the file; see plainprompt() on why a lost
// message is not checked further.
void sayfail(const char *what, const char *name)
{
    (void)fputs(what, stdout);
    (void)fputs(name, stdout);
    (void)fputs(")\n", stdout);
    (void)fflush(stdout);
}

}  // namespace

int run()
{
    int32_t nents = 1000;
    char name[replymax + 1];  // the file-name reply, kept for a late write failure
    char buf[replymax + 1];
    size_t len = 0;

    // With standard output closed, the record file would be opened as
    // descriptor 1 and the count prompt would land in it.
    for (int stdfd = STDIN_FILENO; stdfd <= STDERR_FILENO; stdfd++)
        if (fcntl(stdfd, F_GETFD) < 0 && open("/dev/null", O_RDWR) != stdfd) return 1;

    // A file-size limit or a vanished reader must end in a message, not a signal.
    (void)signal(SIGXFSZ, SIG_IGN);
    (void)signal(SIGPIPE, SIG_IGN);

    replyend end = ask("Enter output file name: ", askname, name, &len);
    // A cut name or one holding a NUL would name some other file than the reply.
    int fd = -1;
    if (end != replylong && strlen(name) == len)
        fd = open(name, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) {
        sayfail("Can't open output file (", name);
        return 1;
    }

    char prompt[64];
    (void)snprintf(prompt, sizeof prompt, "Enter number of records (%d): ", nents);
    // End of input leaves the reply empty, and an empty reply keeps the offer.
    ask(prompt, askcount, buf, &len);
    if (len > 0) nents = parsecount(buf);

    // Modulo 2^32, so readings before 1970 and after 2106 still seed.
    srand(static_cast<uint32_t>(time(nullptr)));

    progress pg{isatty(STDERR_FILENO) != 0, false, nents, filesize(nents), now(), 0};
    bool ok = writerecs(fd, nents, &pg);
    progend(&pg);
    if (close(fd) != 0) ok = false;
    if (!ok) {
        sayfail("Can't write output file (", name);
        return 1;
    }
    return 0;
}

}  // namespace recgen
