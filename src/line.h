// Record lines: each record's fields come from six draws of the random
// source and are laid out as "N|Xlname0|fname0|ddd-ddd-dddd" and CR LF.
#pragma once

#include <cstddef>
#include <cstdint>

namespace recgen {

constexpr size_t maxline = 40;  // a ten-digit record number makes the longest line

// Returns the number of bytes of a file of nents records (0 for none).
uint64_t filesize(int64_t nents);

// Lays out the lines for records *next, *next + 1, ... up to last into out,
// as many whole lines as fit in cap bytes, six draws per record in order.
// Returns the number of bytes laid out and leaves *next at the first record
// not laid out; returns 0 when *next > last or not one line fits.
size_t fillrecs(char *out, size_t cap, int64_t *next, int64_t last);

}  // namespace recgen
