// What both tools share at their edges: the texts they print in common,
// writing an output file without losing data, and checking that standard
// output reached its destination.
#ifndef D88_CONSOLE_H_
#define D88_CONSOLE_H_

#include <cstddef>
#include <cstdint>

#include "d88/platform.h"

class D88Image;

namespace console {

// Shift_JIS for "ファイルをオープンできません.\n" (the file cannot be opened).
constexpr char kCannotOpen[] =
    "\x83\x74\x83\x40\x83\x43\x83\x8B\x82\xF0\x83\x49\x81\x5B\x83\x76\x83\x93"
    "\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1.\n";

// How every tool starts: puts the standard streams in binary mode, then
// opens the one argument with `image`. With another number of arguments it
// writes `usage`, and when the file does not open the cannot-open message,
// to standard error, and answers false: the tool then ends with status 1.
bool openArgument(D88Image& image, int argc, char** argv, const char* usage);

// Creates (or replaces) the file `name` in the current directory and writes
// `length` bytes of `data` to it in one write. A file that is `input` itself
// is never touched. On any failure the file is removed unless it is `input`,
// "cannot write NAME: REASON" goes to standard error, and the answer is
// false.
bool writeOutputFile(const char* name, const std::uint8_t* data,
                     std::size_t length, const platform::FileId& input);

// Flushes standard output; on failure says so on standard error and answers
// false.
bool finishStdout();

}  // namespace console

#endif  // D88_CONSOLE_H_
