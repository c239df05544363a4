// The few things that differ between hosts: opening a regular file for
// reading, 64-bit positioning, telling whether two paths name one file, and
// binary mode of the standard streams. Everything else uses standard C++.
#ifndef D88_PLATFORM_H_
#define D88_PLATFORM_H_

#include <cstdint>
#include <cstdio>

namespace platform {

// Opens `path` for binary reading, unbuffered (callers buffer for
// themselves). Returns null when the file cannot be opened or names a
// directory.
std::FILE* openForReading(const char* path);

// Positions `file` at `offset` bytes from its start. False on failure.
bool seekTo(std::FILE* file, std::int64_t offset);

// Identity of a file on its file system; `valid` is false when the path
// could not be examined (for instance because it does not exist).
struct FileId {
  bool valid = false;
  std::uint64_t device = 0;
  std::uint64_t node = 0;
};

// The identity of the file `path` names, links followed.
FileId fileIdOf(const char* path);

// True when both identities are valid and name the same file.
bool sameFile(const FileId& a, const FileId& b);

// Puts standard output and standard error in binary mode, so that line
// feeds are written as single bytes. Does nothing where that is the default.
void setBinaryStdio();

}  // namespace platform

#endif  // D88_PLATFORM_H_
