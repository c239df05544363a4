#include "tovakmus/music_blocks.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "d88/d88_image.h"
#include "tests/d88_writer.h"
#include "tests/tool_runner.h"

using namespace d88test;

namespace {

struct Found {
  std::string name;
  int offset;
  Bytes bytes;
  bool operator==(const Found& o) const {
    return name == o.name && offset == o.offset && bytes == o.bytes;
  }
};

std::vector<Found> scan(const Bytes& buffer, int imageIndex) {
  std::vector<Found> found;
  music::scanBlocks(buffer.data(), imageIndex, [&](const music::MusicBlock& b) {
    found.push_back(
        {b.name, b.offset, Bytes(b.bytes, b.bytes + music::kBlockBytes)});
  });
  return found;
}

const Bytes kSig(music::kSignature,
                 music::kSignature + music::kSignatureLength);

// A track buffer of pattern bytes with signatures at `offsets`.
Bytes bufferWith(const std::vector<int>& offsets) {
  Bytes buffer(music::kTrackBufferBytes);
  for (std::size_t i = 0; i < buffer.size(); ++i) buffer[i] = pattern(5, i);
  for (int o : offsets) {
    for (int i = 0;
         i < music::kSignatureLength && o + i < music::kTrackBufferBytes; ++i) {
      buffer[static_cast<std::size_t>(o + i)] =
          kSig[static_cast<std::size_t>(i)];
    }
  }
  return buffer;
}

TEST(ScanBlocksTest, FindsEverySignatureInOrder) {
  struct Row {
    const char* what;
    std::vector<int> planted;
    std::vector<int> found;
  };
  const Row rows[] = {
      {"none", {}, {}},
      {"at the start", {0}, {0}},
      {"across a track slot boundary", {5120 - 3}, {5120 - 3}},
      {"inside an earlier block, 100 bytes on", {8192, 8292}, {8192, 8292}},
      {"at the last place it fits", {409594}, {409594}},
      {"in the last five bytes", {409595, 409599}, {}},
      {"a signature's prefix only", {}, {}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    const Bytes buffer = bufferWith(row.planted);
    std::vector<int> offsets;
    for (const Found& f : scan(buffer, 0)) offsets.push_back(f.offset);
    EXPECT_EQ(offsets, row.found);
  }
}

TEST(ScanBlocksTest, PrefixesAndNearMissesAreNotSignatures) {
  Bytes buffer(music::kTrackBufferBytes, 0);
  const Bytes nearMiss = {0x02, 0x00, 0xFF, 0x01, 0x00, 0xFE, 0x02,
                          0x02, 0x00, 0xFF, 0x01, 0x00, 0xFF};
  putBytes(&buffer, 1000, nearMiss);
  const std::vector<Found> found = scan(buffer, 0);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].offset, 1007);
}

TEST(ScanBlocksTest, BlocksHoldTheBufferAndZerosPastItsEnd) {
  const Bytes buffer = bufferWith({100, 200, 409594});
  const std::vector<Found> found = scan(buffer, 3);
  ASSERT_EQ(found.size(), 3u);
  EXPECT_EQ(found[0].bytes,
            Bytes(buffer.begin() + 100, buffer.begin() + 100 + 8192));
  EXPECT_TRUE(
      std::equal(kSig.begin(), kSig.end(), found[0].bytes.begin() + 100));
  Bytes tail(8192, 0);
  std::copy(kSig.begin(), kSig.end(), tail.begin());
  EXPECT_EQ(found[2].bytes, tail);
  Bytes nearEnd = bufferWith({409600 - 8192 + 1});
  const std::vector<Found> one = scan(nearEnd, 0);
  ASSERT_EQ(one.size(), 1u);
  EXPECT_EQ(one[0].bytes[8190], nearEnd.back());
  EXPECT_EQ(one[0].bytes[8191], 0);
}

TEST(ScanBlocksTest, NamesCountBlocksPerImage) {
  std::vector<int> many;
  for (int k = 0; k < 101; ++k) many.push_back(1000 + 7 * k);
  const Bytes buffer = bufferWith(many);
  struct Row {
    int image, block;
    const char* name;
  };
  const Row rows[] = {{0, 0, "MU000"},   {0, 9, "MU009"},
                      {0, 10, "MU010"},  {0, 100, "MU0100"},
                      {12, 3, "MU1203"}, {63, 100, "MU63100"}};
  for (const Row& row : rows) {
    const std::vector<Found> found = scan(buffer, row.image);
    ASSERT_EQ(found.size(), 101u);
    EXPECT_EQ(found[static_cast<std::size_t>(row.block)].name, row.name);
  }
}

TEST(AssembleTracksTest, FillsSlotsFromSectorsOneToFive) {
  Image disk = makeDisk("A", 1);
  disk.tracks[2].sectors.erase(disk.tracks[2].sectors.begin() + 2);  // no R3
  disk.tracks[3].sectors[0].n = 2;  // another size code: nothing read
  std::swap(disk.tracks[4].sectors[0], disk.tracks[4].sectors[4]);
  disk.tracks.erase(5);
  ScratchDir dir;
  ASSERT_TRUE(writeFile(dir.file("a.d88"), buildFile({disk})));
  D88Image image;
  ASSERT_TRUE(image.open(dir.file("a.d88").c_str()));
  ASSERT_TRUE(image.selectImage(0));
  Bytes buffer(music::kTrackBufferBytes, 0xEE);
  music::assembleTracks(image, buffer.data());

  Bytes want(music::kTrackBufferBytes, 0xEE);
  for (int t = 1; t < 80; ++t) {
    if (t == 3 || t == 5) continue;
    const auto& sectors = disk.tracks[t].sectors;
    for (const Sector& s : sectors) {
      if (t == 2 && s.r >= 3) continue;
      const std::size_t at =
          static_cast<std::size_t>(t * 5120 + (s.r - 1) * 1024);
      std::copy(s.data.begin(), s.data.end(),
                want.begin() + static_cast<std::ptrdiff_t>(at));
    }
  }
  EXPECT_TRUE(buffer == want);
}

}  // namespace
