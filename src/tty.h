// For a person at a terminal: line editing with file-name completion while
// asking, and the text of the progress line shown during long runs.
#pragma once

#include <cstddef>
#include <cstdint>

#include "reply.h"

namespace recgen {

enum askkind {
    askname,   // a file name: Tab completes paths
    askcount,  // a number: nothing to complete
};

// Shows prompt on standard output and reads one reply into buf as
// getreply() does. When standard input and output are both terminals and
// line editing was built in, the line can be edited and, for askname,
// paths complete with Tab. Returns how the reply ended.
replyend ask(const char *prompt, askkind kind, char *buf, size_t *len);

// Lays out the progress line for done of total records, bytes written so
// far out of totalbytes, after secs seconds, as NUL-terminated text in out
// (cap bytes, 128 is plenty). Returns its length; cannot fail.
size_t progline(char *out, size_t cap, int64_t done, int64_t total, uint64_t bytes, uint64_t totalbytes,
                double secs);

}  // namespace recgen
