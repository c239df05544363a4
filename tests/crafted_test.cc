// Hostile and damaged files through both tools: each run must end, quickly
// and with the results the format rules give. CTest's time limit catches a
// run that does not end.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "d88/d88_format.h"
#include "tests/d88_writer.h"
#include "tests/tool_runner.h"

using namespace d88test;

namespace {

const Bytes kSig = {0x02, 0x00, 0xFF, 0x01, 0x00, 0xFF};
const char kNotFound[] =
    "\x83\x66\x83\x42\x83\x58\x83\x4E\x83\x43\x83\x81\x81\x5B\x83\x57\x82\xAA"
    "\x8C\xA9\x82\xC2\x82\xA9\x82\xE8\x82\xDC\x82\xB9\x82\xF1\x82\xC5\x82\xB5"
    "\x82\xBD\x2E\x0A";
const char kRecognisedAndCut[] =
    "\x83\x66\x83\x42\x83\x58\x83\x4E\x33\x82\xDC\x82\xBD\x82\xCD\x20\x83\x86"
    "\x81\x5B\x83\x55\x81\x5B\x83\x66\x83\x42\x83\x58\x83\x4E\x82\xF0\x94\x46"
    "\x8E\xAF\x82\xB5\x82\xDC\x82\xB5\x82\xBD\x2E\x0A"
    "cutting ... DRIVER\n";

// A disk with a block at track buffer offset 0x1400 and, when `user`, an E5
// probe sector.
Image musicDisk(bool user) {
  Image image = makeDisk("CRAFTED", 1);
  putBytes(&image.tracks[1].sectors[0].data, 0, kSig);
  image.tracks[0].sectors[2].data[0] = user ? 0xE5 : 0x00;
  return image;
}

// Every track table entry points at one track of 65,535 empty records, each
// claiming 65,535 records, none of them a sector the tools ask for.
Bytes longWalks() {
  Image image;
  image.name = "WALK";
  Track& track = image.tracks[0];
  for (int p = 0; p < 65535; ++p) {
    Sector s = makeSector(9, 9, 9, 9, 0);
    s.count = 65535;
    track.sectors.push_back(s);
  }
  Bytes bytes = buildImage(image);
  for (int t = 1; t < d88::kTrackSlots; ++t) {
    setLe32(&bytes,
            static_cast<std::size_t>(d88::kTrackTableOffset +
                                     d88::kTrackEntrySize * t),
            d88::kImageHeaderSize);
  }
  return bytes;
}

struct Crafted {
  const char* what;
  Bytes file;
  std::string musOut;  // tovakmus: its standard output; status 0 always
  std::string cutOut;  // tovakcut: its standard output
  int cutStatus;
};

std::string blockLines(int images) {
  std::string lines;
  for (int i = 0; i < images; ++i)
    lines += "MU" + std::to_string(i) + "00 adr=  1400\n";
  return lines;
}

std::vector<Crafted> craftedFiles() {
  std::vector<Crafted> rows;
  // A size of 0 or below admits no track: those images read nothing, and
  // the buffer keeps image 0's block, found again under each index.
  Image zero;
  zero.sizeField = 0;
  rows.push_back({"a size of 0: one header catalogued 63 times",
                  buildFile({musicDisk(true), zero}), blockLines(64),
                  kRecognisedAndCut, 0});

  const Image music = musicDisk(false);
  Image back;
  back.sizeField =
      0x100000000 - static_cast<std::int64_t>(buildImage(music).size());
  rows.push_back({"a negative size stepping back to image 0",
                  buildFile({music, back}), blockLines(64), kNotFound, 1});

  Image huge = musicDisk(false);
  huge.sizeField = 0x7FFFFFFF;
  rows.push_back({"a size carrying the offset past 2^31 - 1",
                  buildFile({Image(), huge, musicDisk(true)}),
                  "MU100 adr=  1400\n", kNotFound, 1});

  rows.push_back({"65,535 records per walk", longWalks(), "", kNotFound, 1});

  Bytes intoHeader = buildFile({musicDisk(true)});
  for (int t = 0; t < 2; ++t) {
    setLe32(&intoHeader,
            static_cast<std::size_t>(d88::kTrackTableOffset +
                                     d88::kTrackEntrySize * t),
            4);
  }
  rows.push_back(
      {"a track table pointing into the header", intoHeader, "", kNotFound, 1});

  const Bytes clean = buildFile({musicDisk(true)});
  Bytes inHeader = clean;
  cutAt(&inHeader, dataOffset(clean, 0, 1, 0) - 5);
  rows.push_back(
      {"cut inside a record header", inHeader, "", kRecognisedAndCut, 0});
  Bytes inData = clean;
  cutAt(&inData, dataOffset(clean, 0, 1, 0) + 6);
  rows.push_back({"cut inside sector data", inData, "MU000 adr=  1400\n",
                  kRecognisedAndCut, 0});
  return rows;
}

TEST(CraftedFilesTest, BothToolsEndWithTheRightResults) {
  for (const Crafted& row : craftedFiles()) {
    SCOPED_TRACE(row.what);
    ScratchDir dir;
    ASSERT_TRUE(writeFile(dir.file("disk.d88"), row.file));
    const RunResult mus = runTool(TOVAKMUS_PATH, {"disk.d88"}, dir.path());
    EXPECT_EQ(mus.out, row.musOut);
    EXPECT_EQ(mus.err, "");
    EXPECT_EQ(mus.status, 0);
    const RunResult cut = runTool(TOVAKCUT_PATH, {"disk.d88"}, dir.path());
    EXPECT_EQ(cut.out, row.cutOut);
    EXPECT_EQ(cut.err, "");
    EXPECT_EQ(cut.status, row.cutStatus);
    const auto files = dir.files();
    EXPECT_EQ(files.count("DRIVER"), row.cutStatus == 0 ? 1u : 0u);
  }
}

}  // namespace
