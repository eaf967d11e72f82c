// Reading the operator's reply lines and turning a count reply into a number.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace recgen {

constexpr size_t replymax = 512;  // characters a reply keeps; the buffer adds a NUL

// What a reply line turned out to be.
enum replyend {
    replyok,    // a whole line (or the last characters before end of input)
    replylong,  // more than replymax characters: the first replymax are kept
    replyeof,   // input ended before the line's first character
};

// Reads one line from in into buf (replymax + 1 bytes): the line feed is
// consumed, carriage returns are dropped, the rest of an over-long line is
// consumed and lost. Sets *len to the characters kept (NULs included) and
// NUL-terminates buf. Returns how the line ended; an input error counts as
// its end.
replyend getreply(FILE *in, char *buf, size_t *len);

// Takes line, a whole line already read without its line feed (as a line
// editor returns it), into buf by the same rules as getreply(). Returns
// replylong when it was cut, else replyok.
replyend linereply(const char *line, char *buf, size_t *len);

// Returns the record count a non-empty reply asks for: optional blanks, one
// optional sign, decimal digits up to the first other character, taken
// modulo 2^32 as a signed number; a reply without digits counts as 0.
int32_t parsecount(const char *buf);

}  // namespace recgen
