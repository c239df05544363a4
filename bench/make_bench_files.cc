// Writes the two benchmark files into a directory:
//  bench64.d88  64 images of the usual layout (track 0: sixteen 256-byte
//               sectors; tracks 1 to 79: five 1,024-byte sectors), random
//               data, four music block signatures per image;
//  walk.d88     one image whose 164 track table entries all point at one
//               track of 65,535 empty records that each claim 65,535
//               records, so that every sector read walks the longest walk
//               and finds nothing.
#include <cstdint>
#include <cstdio>
#include <string>

#include "tests/d88_writer.h"

using namespace d88test;

namespace {

std::uint64_t state = 0x9E3779B97F4A7C15u;

std::uint8_t randomByte() {
  state ^= state << 13;
  state ^= state >> 7;
  state ^= state << 17;
  return static_cast<std::uint8_t>(state >> 32);
}

Image benchImage(int index) {
  Image image;
  image.name = "BENCH" + std::to_string(index);
  for (int t = 0; t < 80; ++t) {
    const int sectors = t == 0 ? 16 : 5;
    const int n = t == 0 ? 1 : 3;
    for (int r = 1; r <= sectors; ++r) {
      Sector s = makeSector(t / 2, t % 2, r, n, 128 << n, 0);
      for (std::uint8_t& b : s.data) b = randomByte();
      image.tracks[t].sectors.push_back(s);
    }
  }
  // Four signatures, each inside one sector.
  const Bytes signature = {0x02, 0x00, 0xFF, 0x01, 0x00, 0xFF};
  for (int k = 0; k < 4; ++k) {
    const int t = 3 + 19 * k + index % 7;
    putBytes(&image.tracks[t].sectors[static_cast<std::size_t>(k)].data,
             static_cast<std::size_t>(100 + 37 * index % 900), signature);
  }
  return image;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: make_bench_files DIRECTORY\n", stderr);
    return 1;
  }
  const std::string dir = argv[1];
  std::vector<Image> images;
  for (int i = 0; i < 64; ++i) images.push_back(benchImage(i));
  if (!writeFile(dir + "/bench64.d88", buildFile(images)) ||
      !writeFile(dir + "/walk.d88", makeLongWalks())) {
    std::perror(dir.c_str());
    return 1;
  }
  return 0;
}
