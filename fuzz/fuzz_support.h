// What the harnesses share: the input as a D88 file on disk, and a check
// that stops the run loudly.
#ifndef FUZZ_FUZZ_SUPPORT_H_
#define FUZZ_FUZZ_SUPPORT_H_

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace fuzz {

// Writes the input to a file of this process's own and returns its path.
inline const char* inputFile(const std::uint8_t* data, std::size_t size) {
  static const std::string path = [] {
    const char* dir = std::getenv("TMPDIR");
    return std::string(dir != nullptr && *dir != '\0' ? dir : "/tmp") +
           "/d88fuzz-" + std::to_string(getpid()) + ".d88";
  }();
  std::FILE* out = std::fopen(path.c_str(), "wb");
  if (out == nullptr || std::fwrite(data, 1, size, out) != size ||
      std::fclose(out) != 0) {
    std::perror(path.c_str());
    std::abort();
  }
  return path.c_str();
}

#define FUZZ_CHECK(condition)                                               \
  do {                                                                      \
    if (!(condition)) {                                                     \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, \
                   #condition);                                             \
      std::abort();                                                         \
    }                                                                       \
  } while (0)

}  // namespace fuzz

#endif  // FUZZ_FUZZ_SUPPORT_H_
