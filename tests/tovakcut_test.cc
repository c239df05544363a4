// End-to-end runs of tovakcut in a fresh directory.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "tests/d88_writer.h"
#include "tests/tool_runner.h"
#include "tests/tool_texts.h"

using namespace d88test;

namespace {

// A disk of the usual layout whose probe sector (track 0, R3) begins with
// `first`.
Image disk(unsigned seed, std::uint8_t first) {
  Image image = makeDisk("DISK" + std::to_string(seed), seed);
  image.tracks[0].sectors[2].data[0] = first;
  return image;
}

const Sector* findSector(const Image& image, int t, int c, int h, int r,
                         int n) {
  auto it = image.tracks.find(t);
  if (it == image.tracks.end()) return nullptr;
  for (const Sector& s : it->second.sectors) {
    if (s.c == c && s.h == h && s.r == r && s.n == n) return &s;
  }
  return nullptr;
}

// DRIVER as it should come out, worked out from the disks' descriptions:
// the probes of images 0 to `recognised` write their first 256 bytes at the
// buffer's start, then the run from track 1 reads 16,128 bytes over it.
Bytes expectedDriver(const std::vector<Image>& images, int recognised) {
  Bytes buffer(16128, 0);
  for (int i = 0; i <= recognised; ++i) {
    if (const Sector* probe =
            findSector(images[static_cast<std::size_t>(i)], 0, 0, 0, 3, 1)) {
      std::copy(probe->data.begin(),
                probe->data.begin() +
                    static_cast<std::ptrdiff_t>(
                        std::min<std::size_t>(256, probe->data.size())),
                buffer.begin());
    }
  }
  const Image& image = images[static_cast<std::size_t>(recognised)];
  std::size_t at = 0;
  for (int t = 1; at < buffer.size(); ++t) {
    for (int r = 1; r <= 5 && at < buffer.size(); ++r) {
      const Sector* s = findSector(image, t, t / 2, t % 2, r, 3);
      if (s == nullptr) return Bytes(buffer.begin() + 2, buffer.end());
      const std::size_t piece = std::min<std::size_t>(1024, buffer.size() - at);
      const std::size_t got = std::min(piece, s->data.size());
      std::copy(s->data.begin(),
                s->data.begin() + static_cast<std::ptrdiff_t>(got),
                buffer.begin() + static_cast<std::ptrdiff_t>(at));
      if (got < piece) return Bytes(buffer.begin() + 2, buffer.end());
      at += piece;
    }
  }
  return Bytes(buffer.begin() + 2, buffer.end());
}

class TovakcutTest : public ::testing::Test, protected ToolSession {
 protected:
  TovakcutTest() : ToolSession(TOVAKCUT_PATH) {}
  // A run that recognises image `recognised` of `images` and cuts DRIVER.
  void expectCut(const std::vector<Image>& images, int recognised) {
    const RunResult r = runOn(buildFile(images));
    EXPECT_EQ(r.out, kRecognised + kCutting);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.status, 0);
    const Bytes want = expectedDriver(images, recognised);
    ASSERT_EQ(want.size(), 16126u);
    EXPECT_TRUE(created() == (std::map<std::string, Bytes>{{"DRIVER", want}}));
  }
  void expectNotFound(const Bytes& bytes) {
    const RunResult r = runOn(bytes);
    EXPECT_EQ(r.out, kNotFound);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(created().empty());
  }
};

TEST_F(TovakcutTest, CutsTheFirstRecognisedImage) {
  for (int recognised = 0; recognised < 3; ++recognised) {
    SCOPED_TRACE(recognised);
    std::vector<Image> images;
    for (int i = 0; i < 3; ++i) {
      images.push_back(
          disk(static_cast<unsigned>(i + 1), i >= recognised ? 0xE5 : 0x00));
    }
    expectCut(images, recognised);
  }
}

TEST_F(TovakcutTest, ProbeSectorsThatAreNotRecognised) {
  struct Row {
    const char* what;
    int c, h, n;
    bool present;
  };
  const Row rows[] = {{"no sector 3", 0, 0, 1, false},
                      {"another N", 0, 0, 2, true},
                      {"another C", 1, 0, 1, true},
                      {"another H", 0, 1, 1, true}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    Image image = disk(1, 0xE5);
    Sector& probe = image.tracks[0].sectors[2];
    probe.c = static_cast<std::uint8_t>(row.c);
    probe.h = static_cast<std::uint8_t>(row.h);
    probe.n = static_cast<std::uint8_t>(row.n);
    if (!row.present) probe.r = 30;
    expectNotFound(buildFile({disk(2, 0x41), image}));
  }
  expectNotFound(Bytes());
  expectNotFound(Bytes(687, 0xE5));
}

TEST_F(TovakcutTest, ProbeReadsOnly256Bytes) {
  Image image = disk(1, 0xE5);
  image.tracks[0].sectors[2].data.resize(1024, 0x77);
  expectCut({disk(2, 0x10), image}, 1);
}

TEST_F(TovakcutTest, RunThatStopsEarlyStillWritesTheWholeFile) {
  Image noTrack1 = disk(1, 0xE5);
  noTrack1.tracks.erase(1);
  expectCut({disk(2, 0x10), noTrack1}, 1);

  Image shortSector = disk(3, 0xE5);
  shortSector.tracks[2].sectors[2].data.resize(512);
  expectCut({shortSector}, 0);

  Image moreSectors = disk(4, 0xE5);  // R6 on a data track is not in the run
  moreSectors.tracks[1].sectors.push_back(makeSector(0, 1, 6, 3, 1024, 0x66));
  expectCut({moreSectors}, 0);
}

TEST_F(TovakcutTest, ExistingDriverIsReplaced) {
  ASSERT_TRUE(writeFile(dir_.file("DRIVER"), Bytes(20000, 0x55)));
  expectCut({disk(1, 0xE5)}, 0);
}

TEST_F(TovakcutTest, DriverThatCannotBeWritten) {
  blockWithDirectory(dir_.file("DRIVER"));
  RunResult r = runOn(buildFile({disk(1, 0xE5)}));
  EXPECT_EQ(r.out, kRecognised + kCutting);
  EXPECT_EQ(r.err, "cannot write DRIVER: " + directoryInTheWay() + "\n");
  EXPECT_EQ(r.status, 1);
  std::filesystem::remove(dir_.file("DRIVER"));

  if (!makeLink("/dev/full", dir_.file("DRIVER"))) return;
  r = run({"disk.d88"});
  EXPECT_EQ(r.out, kRecognised + kCutting);
  EXPECT_EQ(r.err, "cannot write DRIVER: " + noRoom() + "\n");
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(created().empty());
}

TEST_F(TovakcutTest, NeverReplacesTheFileBeingRead) {
  const Bytes bytes = buildFile({disk(1, 0xE5)});
  const RunResult r = runOn(bytes, "DRIVER");
  EXPECT_EQ(r.out, kRecognised + kCutting);
  EXPECT_EQ(r.err, "cannot write DRIVER: it is the file being read\n");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(readFile(dir_.file("DRIVER")), bytes);
}

}  // namespace
