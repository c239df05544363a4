// End-to-end runs of tovakmus in a fresh directory.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "tests/d88_writer.h"
#include "tests/tool_runner.h"
#include "tests/tool_texts.h"

using namespace d88test;

namespace {

// Puts the signature where track buffer offset `offset` lies on a disk laid
// out as makeDisk() does (records stored R1 to R5 from track 1 on).
void plant(Image* image, int offset) {
  for (int i = 0; i < 6; ++i) {
    const int o = offset + i;
    Track& track = image->tracks.at(o / 5120);
    track.sectors.at(static_cast<std::size_t>(o % 5120 / 1024))
        .data.at(static_cast<std::size_t>(o % 1024)) =
        kSignature[static_cast<std::size_t>(i)];
  }
}

// The track buffer a clean disk fills, worked out from its description: slot
// t holds the data of R1 to R5 of track t; other slots keep `previous`.
Bytes expectedBuffer(const Image& disk, Bytes previous) {
  for (int t = 0; t < 80; ++t) {
    auto it = disk.tracks.find(t);
    if (it == disk.tracks.end()) continue;
    for (int r = 1; r <= 5; ++r) {
      bool found = false;
      for (const Sector& s : it->second.sectors) {
        if (s.c == t / 2 && s.h == t % 2 && s.r == r && s.n == 3 &&
            s.data.size() >= 1024) {
          std::copy(s.data.begin(), s.data.begin() + 1024,
                    previous.begin() + t * 5120 + (r - 1) * 1024);
          found = true;
          break;
        }
      }
      if (!found) break;
    }
  }
  return previous;
}

Bytes blockAt(const Bytes& buffer, std::size_t offset) {
  Bytes block(8192, 0);
  for (std::size_t i = 0; i < 8192 && offset + i < buffer.size(); ++i)
    block[i] = buffer[offset + i];
  return block;
}

class TovakmusTest : public ::testing::Test, protected ToolSession {
 protected:
  TovakmusTest() : ToolSession(TOVAKMUS_PATH) {}
};

TEST_F(TovakmusTest, FilesWithoutImagesOrBlocksPrintNothing) {
  for (const Bytes& bytes :
       {Bytes(), Bytes(687, 0x02), buildFile({makeDisk("A", 1)})}) {
    const RunResult r = runOn(bytes);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "");
    EXPECT_TRUE(created().empty());
  }
}

TEST_F(TovakmusTest, WritesEveryBlockOfEveryImage) {
  Image first = makeDisk("ONE", 1);
  plant(&first, 0x1400);        // track 1, R1
  plant(&first, 0x1464);        // inside the first block
  plant(&first, 3 * 5120 - 3);  // crosses into track slot 3
  plant(&first, 409594);        // the last place it fits
  Image second = makeDisk("TWO", 2);
  second.tracks.erase(1);  // slot 1 keeps image 0's blocks ...
  Image third = makeDisk("THREE", 3);
  third.tracks.erase(1);                 // ... here too
  plant(&third, 10 * 5120 + 1024 + 10);  // R2 of track 10 is read ...
  third.tracks[10].sectors.erase(third.tracks[10].sectors.begin() +
                                 2);  // R3 on not
  const RunResult r = runOn(buildFile({first, second, third}));

  const Bytes b0 = expectedBuffer(first, Bytes(409600, 0));
  const Bytes b1 = expectedBuffer(second, b0);
  const Bytes b2 = expectedBuffer(third, b1);
  EXPECT_EQ(r.out,
            "MU000 adr=  1400\n"
            "MU001 adr=  1464\n"
            "MU002 adr=  3bfd\n"
            "MU003 adr= 63ffa\n"
            "MU100 adr=  1400\n"
            "MU101 adr=  1464\n"
            "MU200 adr=  1400\n"
            "MU201 adr=  1464\n"
            "MU202 adr=  cc0a\n");
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.status, 0);
  const std::map<std::string, Bytes> want = {
      {"MU000", blockAt(b0, 0x1400)}, {"MU001", blockAt(b0, 0x1464)},
      {"MU002", blockAt(b0, 0x3bfd)}, {"MU003", blockAt(b0, 0x63ffa)},
      {"MU100", blockAt(b1, 0x1400)}, {"MU101", blockAt(b1, 0x1464)},
      {"MU200", blockAt(b2, 0x1400)}, {"MU201", blockAt(b2, 0x1464)},
      {"MU202", blockAt(b2, 0xcc0a)}};
  EXPECT_TRUE(created() == want);
  EXPECT_EQ(want.at("MU003").size(), 8192u);
  EXPECT_EQ(want.at("MU003")[6], 0);
}

TEST_F(TovakmusTest, WideNamesAndReusedNames) {
  // Image 1 has 101 blocks, image 11 one: both write MU1100; image 11's wins.
  std::vector<Image> images;
  for (int i = 0; i < 12; ++i)
    images.push_back(
        makeDisk("D" + std::to_string(i), static_cast<unsigned>(i)));
  for (int k = 0; k < 101; ++k)
    plant(&images[1], 5120 * (1 + k / 5) + 1024 * (k % 5));
  plant(&images[11], 5120);
  const RunResult r = runOn(buildFile(images));
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  std::string want;
  for (int k = 0; k < 101; ++k) {
    char line[32];
    std::snprintf(line, sizeof line, "MU1%02d adr=%6x\n", k,
                  5120 * (1 + k / 5) + 1024 * (k % 5));
    want += line;
  }
  want += "MU1100 adr=  1400\n";
  EXPECT_EQ(r.out, want);
  const std::map<std::string, Bytes> files = created();
  EXPECT_EQ(files.size(), 101u);
  ASSERT_EQ(files.count("MU1100"), 1u);
  EXPECT_EQ(files.at("MU1100"),
            blockAt(expectedBuffer(images[11], Bytes(409600, 0)), 5120));
  EXPECT_EQ(files.count("MU199"), 1u);
}

TEST_F(TovakmusTest, BlocksThatCannotBeWrittenAreReportedAndSkipped) {
  Image disk = makeDisk("ONE", 1);
  plant(&disk, 5120);
  plant(&disk, 6144);
  plant(&disk, 7168);
  plant(&disk, 8192);
  blockWithDirectory(dir_.file("MU000"));
  // Where it can, MU002 is a link to a device that is always full.
  const bool full = makeLink("/dev/full", dir_.file("MU002"));
  if (!full) blockWithDirectory(dir_.file("MU002"));
  const Bytes bytes = buildFile({disk});
  const RunResult r = runOn(bytes);
  EXPECT_EQ(r.out,
            "MU000 adr=  1400\nMU001 adr=  1800\nMU002 adr=  1c00\nMU003 adr=  "
            "2000\n");
  EXPECT_EQ(r.err, "cannot write MU000: " + directoryInTheWay() +
                       "\ncannot write MU002: " +
                       (full ? noRoom() : directoryInTheWay()) + "\n");
  EXPECT_EQ(r.status, 1);
  const Bytes buffer = expectedBuffer(disk, Bytes(409600, 0));
  const std::map<std::string, Bytes> want = {
      {"MU001", blockAt(buffer, 0x1800)}, {"MU003", blockAt(buffer, 0x2000)}};
  EXPECT_TRUE(created() == want);
}

TEST_F(TovakmusTest, NeverReplacesTheFileBeingRead) {
  Image disk = makeDisk("ONE", 1);
  plant(&disk, 5120);
  plant(&disk, 6144);
  const Bytes bytes = buildFile({disk});
  // The input itself is named MU000, and (where links exist) MU001 is a
  // link to it.
  const bool linked = makeLink("MU000", dir_.file("MU001"));
  const RunResult r = runOn(bytes, "MU000");
  EXPECT_EQ(r.out, "MU000 adr=  1400\nMU001 adr=  1800\n");
  EXPECT_EQ(
      r.err,
      std::string("cannot write MU000: it is the file being read\n") +
          (linked ? "cannot write MU001: it is the file being read\n" : ""));
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(readFile(dir_.file("MU000")), bytes);
  EXPECT_EQ(dir_.files().size(), 2u);
  if (!linked) {
    EXPECT_EQ(readFile(dir_.file("MU001")).size(), 8192u);
  }
}

TEST_F(TovakmusTest, ReplacesExistingBlockFiles) {
  Image disk = makeDisk("ONE", 1);
  plant(&disk, 5120);
  ASSERT_TRUE(writeFile(dir_.file("MU000"), Bytes(20000, 0x55)));
  const RunResult r = runOn(buildFile({disk}));
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(created().at("MU000"),
            blockAt(expectedBuffer(disk, Bytes(409600, 0)), 0x1400));
}

#ifndef _WIN32
TEST_F(TovakmusTest, StandardOutputThatCannotBeWrittenFailsTheRun) {
  Image disk = makeDisk("ONE", 1);
  plant(&disk, 5120);
  ASSERT_TRUE(writeFile(dir_.file("disk.d88"), buildFile({disk})));
  const RunResult r =
      runTool(TOVAKMUS_PATH, {"disk.d88"}, dir_.path(), "/dev/full");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "cannot write standard output: " + noRoom() + "\n");
  EXPECT_EQ(created().size(), 1u);
}
#endif

}  // namespace
