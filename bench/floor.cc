// The floor: the least any program can do that reads the same bytes and
// writes the same files. It streams the input once through a 1 MiB buffer,
// finds the signature with memchr and memcmp, and writes one 8 KiB file per
// hit.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

const std::uint8_t kSignature[6] = {0x02, 0x00, 0xFF, 0x01, 0x00, 0xFF};
constexpr std::size_t kChunk = 1 << 20;
constexpr std::size_t kBlock = 8192;

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 1;
  std::FILE* in = std::fopen(argv[1], "rb");
  if (in == nullptr) return 1;
  // Carry the last 5 bytes of each chunk over, so that a signature across
  // two chunks is found too.
  std::vector<std::uint8_t> buffer(kChunk + 5);
  std::vector<std::uint8_t> block(kBlock);
  std::size_t carried = 0;
  int hits = 0;
  for (;;) {
    const std::size_t got = std::fread(buffer.data() + carried, 1, kChunk, in);
    if (got == 0) break;
    const std::size_t length = carried + got;
    std::size_t o = 0;
    while (o + 6 <= length) {
      const void* hit =
          std::memchr(buffer.data() + o, kSignature[0], length - 5 - o);
      if (hit == nullptr) break;
      o = static_cast<std::size_t>(static_cast<const std::uint8_t*>(hit) -
                                   buffer.data());
      if (std::memcmp(buffer.data() + o, kSignature, 6) == 0) {
        const std::size_t n = length - o < kBlock ? length - o : kBlock;
        std::memcpy(block.data(), buffer.data() + o, n);
        char name[16];
        std::snprintf(name, sizeof name, "F%04d", hits++);
        std::FILE* out = std::fopen(name, "wb");
        if (out == nullptr) return 1;
        std::fwrite(block.data(), 1, kBlock, out);
        std::fclose(out);
      }
      ++o;
    }
    carried = length < 5 ? length : 5;
    std::memmove(buffer.data(), buffer.data() + length - carried, carried);
  }
  std::fclose(in);
  return 0;
}
