// The whole run: the two-question dialogue, the record file and the exit status.
#pragma once

namespace recgen {

// Asks for the file name and the record count on standard input and output,
// writes the records, and returns the exit status: 0 once the file is written,
// 1 when it cannot be opened or written (after one message on standard output).
int run();

}  // namespace recgen
