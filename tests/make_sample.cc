// Writes a small sample D88 file for the demo: two disks with a few music
// blocks each.
#include <cstdio>

#include "tests/d88_writer.h"

using namespace d88test;

namespace {

const Bytes kSignature = {0x02, 0x00, 0xFF, 0x01, 0x00, 0xFF};

// Places the block signature at byte `at` of sector `r` of track `t`.
void plantSignature(Image* image, int t, int r, std::size_t at) {
  Bytes& data = image->tracks[t].sectors[static_cast<std::size_t>(r - 1)].data;
  putBytes(&data, at, kSignature);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: make_sample OUTPUT.d88\n", stderr);
    return 1;
  }
  Image first = makeDisk("MUSIC DISK 1", 1);
  plantSignature(&first, 1, 1, 0);
  plantSignature(&first, 10, 3, 100);
  Image second = makeDisk("MUSIC DISK 2", 2);
  plantSignature(&second, 40, 5, 1000);
  if (!writeFile(argv[1], buildFile({first, second}))) {
    std::perror(argv[1]);
    return 1;
  }
  return 0;
}
