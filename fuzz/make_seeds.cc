// Writes the seed inputs of the fuzzers into a directory: small D88 files
// of the shapes the tools meet, clean and damaged.
#include <cstdio>
#include <string>
#include <vector>

#include "d88/d88_format.h"
#include "tests/d88_writer.h"

using namespace d88test;

namespace {

const Bytes kSignature = {0x02, 0x00, 0xFF, 0x01, 0x00, 0xFF};

// Track 0 with four 256-byte sectors (R3 begins with E5), tracks 1 to 4
// with five 1,024-byte sectors, one music block signature on track 1.
Image smallDisk(unsigned seed) {
  Image image;
  image.name = "SEED" + std::to_string(seed);
  image.tracks[0] = makeTrack(0, 0, 4, 1, seed);
  image.tracks[0].sectors[2].data[0] = 0xE5;
  for (int t = 1; t <= 4; ++t)
    image.tracks[t] =
        makeTrack(t / 2, t % 2, 5, 3, seed + static_cast<unsigned>(t));
  putBytes(&image.tracks[1].sectors[1].data, 1000, kSignature);
  return image;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: make_seeds DIRECTORY\n", stderr);
    return 1;
  }
  std::vector<std::pair<std::string, Bytes>> seeds;
  const Bytes clean = buildFile({smallDisk(1)});
  seeds.emplace_back("clean", clean);

  Image shuffled = smallDisk(2);
  std::swap(shuffled.tracks[1].sectors[0], shuffled.tracks[1].sectors[3]);
  std::swap(shuffled.tracks[2].sectors[1], shuffled.tracks[2].sectors[4]);
  shuffled.tracks[3].sectors.erase(shuffled.tracks[3].sectors.begin() + 2);
  seeds.emplace_back("shuffled", buildFile({shuffled}));

  Bytes cutData = clean;
  cutAt(&cutData, dataOffset(clean, 0, 2, 1) + 100);
  seeds.emplace_back("cut-in-data", cutData);
  Bytes cutHeader = clean;
  cutAt(&cutHeader, dataOffset(clean, 0, 2, 1) - 7);
  seeds.emplace_back("cut-in-header", cutHeader);

  seeds.emplace_back("three-images",
                     buildFile({smallDisk(3), smallDisk(4), smallDisk(5)}));

  Image zero = smallDisk(6);
  zero.sizeField = 0;
  seeds.emplace_back("size-zero", buildFile({zero}));
  Image back = smallDisk(7);
  back.sizeField = 0x100000000 - 1000;
  seeds.emplace_back("size-negative", buildFile({smallDisk(8), back}));

  Bytes intoHeader = clean;
  setLe32(&intoHeader, d88::kTrackTableOffset + d88::kTrackEntrySize, 4);
  seeds.emplace_back("table-into-header", intoHeader);

  Image disagree;
  disagree.name = "LONG";
  for (int p = 0; p < 2000; ++p) {
    Sector s = makeSector(0, 0, p % 7, 0, p % 3);
    s.count = p == 0 ? 2 : 1;
    disagree.tracks[0].sectors.push_back(s);
  }
  seeds.emplace_back("counts-disagree", buildFile({disagree}));

  for (const auto& [name, bytes] : seeds) {
    const std::string path = std::string(argv[1]) + "/" + name + ".d88";
    if (!writeFile(path, bytes)) {
      std::perror(path.c_str());
      return 1;
    }
  }
  return 0;
}
