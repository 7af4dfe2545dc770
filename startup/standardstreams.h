#pragma once
// Standard input, output and error open before anything else opens a file or a
// connection: a program started with one of them closed would otherwise hand that number
// to the next file it opens, and whatever is written to the stream (a warning, say) would
// land in that file or connection.

namespace pebblenix {

// What was closed at start, a bit for each of descriptors 0, 1 and 2.
enum ClosedStream { kInputClosed = 1, kOutputClosed = 2, kErrorClosed = 4 };

// Opens /dev/null on each of descriptors 0, 1 and 2 that is closed, and returns which were.
int openStandardStreams();

} // namespace pebblenix
