// Writes a small sample D88 file for the demo: two music disks with a few
// music blocks, then a user disk that holds the driver.
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
  Image user = makeDisk("USER DISK", 3);
  // The probe sector (track 0, R3) begins with E5 only on the user disk.
  first.tracks[0].sectors[2].data[0] = 0x00;
  second.tracks[0].sectors[2].data[0] = 0x00;
  user.tracks[0].sectors[2].data[0] = 0xE5;
  if (!writeFile(argv[1], buildFile({first, second, user}))) {
    std::perror(argv[1]);
    return 1;
  }
  return 0;
}
