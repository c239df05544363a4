// Hostile and damaged files through both tools: each run must end, quickly
// and with the results the format rules give. CTest's time limit catches a
// run that does not end.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "d88/d88_format.h"
#include "tests/d88_writer.h"
#include "tests/tool_runner.h"
#include "tests/tool_texts.h"

using namespace d88test;

namespace {

const std::string kRecognisedAndCut = kRecognised + kCutting;

// A disk with a block at track buffer offset 0x1400 and, when `user`, an E5
// probe sector.
Image musicDisk(bool user) {
  Image image = makeDisk("CRAFTED", 1);
  putBytes(&image.tracks[1].sectors[0].data, 0, kSignature);
  image.tracks[0].sectors[2].data[0] = user ? 0xE5 : 0x00;
  return image;
}

struct Crafted {
  const char* id;  // the CTest test's name
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
  rows.push_back({"SizeZero", "a size of 0: one header catalogued 63 times",
                  buildFile({musicDisk(true), zero}), blockLines(64),
                  kRecognisedAndCut, 0});

  const Image music = musicDisk(false);
  Image back;
  back.sizeField =
      0x100000000 - static_cast<std::int64_t>(buildImage(music).size());
  rows.push_back({"NegativeSize", "a negative size stepping back to image 0",
                  buildFile({music, back}), blockLines(64), kNotFound, 1});

  Image huge = musicDisk(false);
  huge.sizeField = 0x7FFFFFFF;
  rows.push_back({"OffsetPast2GiB", "a size carrying the offset past 2^31 - 1",
                  buildFile({Image(), huge, musicDisk(true)}),
                  "MU100 adr=  1400\n", kNotFound, 1});

  rows.push_back({"LongWalks", "65,535 records per walk", makeLongWalks(), "",
                  kNotFound, 1});

  Bytes intoHeader = buildFile({musicDisk(true)});
  for (int t = 0; t < 2; ++t) {
    setLe32(&intoHeader,
            static_cast<std::size_t>(d88::kTrackTableOffset +
                                     d88::kTrackEntrySize * t),
            4);
  }
  rows.push_back({"TableIntoHeader", "a track table pointing into the header",
                  intoHeader, "", kNotFound, 1});

  const Bytes clean = buildFile({musicDisk(true)});
  Bytes inHeader = clean;
  cutAt(&inHeader, dataOffset(clean, 0, 1, 0) - 5);
  rows.push_back({"CutInRecordHeader", "cut inside a record header", inHeader,
                  "", kRecognisedAndCut, 0});
  Bytes inData = clean;
  cutAt(&inData, dataOffset(clean, 0, 1, 0) + 6);
  rows.push_back({"CutInSectorData", "cut inside sector data", inData,
                  "MU000 adr=  1400\n", kRecognisedAndCut, 0});
  return rows;
}

// One CTest test per file, each with its own time limit.
class CraftedFilesTest : public ::testing::TestWithParam<int> {};

TEST_P(CraftedFilesTest, BothToolsEndWithTheRightResults) {
  const Crafted row = craftedFiles()[static_cast<std::size_t>(GetParam())];
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
  EXPECT_EQ(dir.files().count("DRIVER"), row.cutStatus == 0 ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Files, CraftedFilesTest,
    ::testing::Range(0, static_cast<int>(craftedFiles().size())),
    [](const ::testing::TestParamInfo<int>& param) {
      return std::string(
          craftedFiles()[static_cast<std::size_t>(param.param)].id);
    });

}  // namespace
