// Line editing comes from GNU readline when the build found it; without it,
// or away from a terminal, replies are read plainly.
#include "tty.h"

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

#ifdef RECGEN_READLINE
#include <readline/readline.h>
#endif

namespace recgen {

namespace {

// The conversation is best effort: a prompt that cannot be shown must not
// turn a written file into a failure.
void plainprompt(const char *prompt)
{
    (void)fputs(prompt, stdout);
    (void)fflush(stdout);
}

#ifdef RECGEN_READLINE

// The whole line is one path, blanks and all.
char nobreaks[] = "";

char **completepath(const char *text, int, int)
{
    // A file name completes with nothing after it, so it opens exactly as
    // shown; a folder still gets its "/".
    rl_completion_append_character = '\0';
    return rl_completion_matches(text, rl_filename_completion_function);
}

char **completenothing(const char *, int, int)
{
    rl_attempted_completion_over = 1;
    return nullptr;
}

replyend editline(const char *prompt, askkind kind, char *buf, size_t *len)
{
    rl_readline_name = "recgen";
    rl_completer_word_break_characters = nobreaks;
    rl_attempted_completion_function = kind == askname ? completepath : completenothing;
    char *line = readline(prompt);
    if (line == nullptr) {
        buf[0] = '\0';
        *len = 0;
        return replyeof;
    }
    replyend end = linereply(line, buf, len);
    free(line);  // readline allocates the line with malloc
    return end;
}

#endif

}  // namespace

replyend ask(const char *prompt, askkind kind, char *buf, size_t *len)
{
#ifdef RECGEN_READLINE
    if (isatty(STDIN_FILENO) && isatty(STDOUT_FILENO)) return editline(prompt, kind, buf, len);
#else
    (void)kind;
#endif
    plainprompt(prompt);
    return getreply(stdin, buf, len);
}

size_t progline(char *out, size_t cap, int64_t done, int64_t total, uint64_t bytes, uint64_t totalbytes,
                double secs)
{
    double pct = total > 0 ? 100.0 * static_cast<double>(done) / static_cast<double>(total) : 100.0;
    double rate = secs > 0 ? static_cast<double>(bytes) / secs : 0;  // bytes per second
    long left = rate > 0 ? std::lround(static_cast<double>(totalbytes - bytes) / rate) : 0;
    int n = snprintf(out, cap, "%lld/%lld records  %.1f%%  %.2f GB  %.0f MB/s  %ld:%02ld:%02ld left",
                     static_cast<long long>(done), static_cast<long long>(total), pct,
                     static_cast<double>(bytes) / 1e9, rate / 1e6, left / 3600, left / 60 % 60, left % 60);
    if (n < 0) return 0;
    return static_cast<size_t>(n) < cap ? static_cast<size_t>(n) : cap - 1;
}

}  // namespace recgen
