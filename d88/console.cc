#include "d88/console.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "d88/d88_image.h"

namespace console {

namespace {

void reportWriteFailure(const char* name, const char* reason) {
  (void)std::fprintf(stderr, "cannot write %s: %s\n", name, reason);
}

const char* lastError() { return std::strerror(errno != 0 ? errno : EIO); }

}  // namespace

bool openArgument(D88Image& image, int argc, char** argv, const char* usage) {
  platform::setBinaryStdio();
  if (argc != 2) {
    (void)std::fputs(usage, stderr);
    return false;
  }
  if (!image.open(argv[1])) {
    (void)std::fputs(kCannotOpen, stderr);
    return false;
  }
  return true;
}

bool writeOutputFile(const char* name, const std::uint8_t* data,
                     std::size_t length, const platform::FileId& input) {
  if (platform::sameFile(platform::fileIdOf(name), input)) {
    reportWriteFailure(name, "it is the file being read");
    return false;
  }
  errno = 0;
  std::FILE* out = std::fopen(name, "wb");
  if (out == nullptr) {
    reportWriteFailure(name, lastError());
    return false;
  }
  errno = 0;
  const bool written = std::fwrite(data, 1, length, out) == length;
  const int writeError = errno;
  errno = 0;
  const bool closed = std::fclose(out) == 0;
  if (written && closed) return true;
  if (!written) errno = writeError;
  const char* reason = lastError();
  (void)std::remove(name);  // nothing half-written stays behind
  reportWriteFailure(name, reason);
  return false;
}

bool finishStdout() {
  errno = 0;
  if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return true;
  (void)std::fprintf(stderr, "cannot write standard output: %s\n", lastError());
  return false;
}

}  // namespace console
