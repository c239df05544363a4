// End-to-end runs of d88ls.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/d88_writer.h"
#include "tests/tool_runner.h"
#include "tests/tool_texts.h"

using namespace d88test;

namespace {

RunResult listOf(const Bytes& bytes) {
  ScratchDir dir;
  EXPECT_TRUE(writeFile(dir.file("disk.d88"), bytes));
  return runTool(D88LS_PATH, {"disk.d88"}, dir.path());
}

TEST(D88lsTest, EmptyCatalogue) {
  const RunResult r = listOf(Bytes(100, 0));
  EXPECT_EQ(r.out, "the file holds no disk image\n");
  EXPECT_EQ(r.status, 0);
}

TEST(D88lsTest, ListsImagesAndTheirTracks) {
  Image clean;
  clean.name = "CLEAN\xB1";  // a name byte as the disk holds it
  clean.media = 0x10;
  clean.tracks[0] = makeTrack(0, 0, 16, 1, 1);
  clean.tracks[1] = makeTrack(0, 1, 5, 3, 2);
  clean.tracks[3].sectors = {makeSector(1, 1, 7, 2, 10)};

  Image damaged;
  damaged.media = 0x55;
  damaged.tracks[2] = makeTrack(1, 0, 5, 3, 3);
  std::swap(damaged.tracks[2].sectors[1], damaged.tracks[2].sectors[3]);
  damaged.tracks[2].sectors.erase(damaged.tracks[2].sectors.begin() + 4);
  damaged.tracks[4] = makeTrack(9, 0, 2, 3, 4);  // C other than 4 / 2
  damaged.tracks[5].sectors = {makeSector(2, 1, 1, 3, 0),
                               makeSector(2, 0, 2, 3, 0)};
  damaged.tracks[6].sectors = {makeSector(3, 0, 1, 1, 0)};
  damaged.tracks[6].sectors[0].count = 0;  // lists nothing: not present

  const Bytes file = buildFile({clean, damaged});
  const std::size_t second = buildImage(clean).size();
  const RunResult r = listOf(file);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out,
            "image 0: \"CLEAN\xB1\" media 2DD (0x10) size " +
                std::to_string(second) +
                " offset 0 tracks 3\n"
                "  track 0: 16 records: C0 H0 R1-16 N1\n"
                "  track 1: 5 records: C0 H1 R1-5 N3\n"
                "  track 3: 1 record: 1/1/7/2\n"
                "image 1: \"\" media 0x55 size " +
                std::to_string(file.size() - second) + " offset " +
                std::to_string(second) +
                " tracks 3\n"
                "  track 2: 4 records: 1/0/1/3 1/0/4/3 1/0/3/3 1/0/2/3\n"
                "  track 4: 2 records: C9 H0 R1-2 N3 *\n"
                "  track 5: 2 records: 2/1/1/3 2/0/2/3*\n"
                "* C or H differs from the track index (C = track / 2, H = "
                "track mod 2)\n");
}

}  // namespace
