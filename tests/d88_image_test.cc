#include "d88/d88_image.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/d88_writer.h"
#include "tests/tool_runner.h"

using namespace d88test;

namespace {

// A D88 file on disk, opened by a fresh D88Image.
class ImageFile {
 public:
  explicit ImageFile(const Bytes& bytes) : path_(dir_.file("disk.d88")) {
    EXPECT_TRUE(writeFile(path_, bytes));
  }
  const std::string& path() const { return path_; }
  D88Image& open() {
    EXPECT_TRUE(image_.open(path_.c_str()));
    return image_;
  }
  D88Image& openAndSelect(int index = 0) {
    open();
    EXPECT_TRUE(image_.selectImage(index));
    return image_;
  }

 private:
  ScratchDir dir_;
  std::string path_;
  D88Image image_;
};

Image namedImage(const std::string& name) {
  Image image;
  image.name = name;
  return image;
}

// Names of images 0 to imageCount() - 1, as selectImage finds them.
std::vector<std::string> catalogueNames(D88Image& image) {
  std::vector<std::string> names;
  for (int i = 0; i < image.imageCount(); ++i) {
    EXPECT_TRUE(image.selectImage(i));
    names.push_back(image.diskName());
  }
  return names;
}

TEST(ByteOrder, DecodesLittleEndianWithoutAlignment) {
  const std::uint8_t bytes[] = {0x55, 0x81, 0xF2, 0x63, 0xA4, 0x01, 0x02,
                                0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF};
  EXPECT_EQ(readLe16(bytes + 1), 0xF281);  // high bit set, still positive
  EXPECT_EQ(readLe16(bytes + 9), 0xFFFF);
  EXPECT_EQ(readLe16(bytes + 5), 513);
  EXPECT_EQ(readLe32(bytes + 1), -0x5B9C0D7F);  // 0xA463F281
  EXPECT_EQ(readLe32(bytes + 5), 513);
  EXPECT_EQ(readLe32(bytes + 9), -1);
  const std::uint8_t top[] = {0xFE, 0xFF, 0xFF, 0x7F, 0x00, 0x00, 0x00, 0x80};
  EXPECT_EQ(readLe32(top), 0x7FFFFFFE);
  EXPECT_EQ(readLe32(top + 4), -2147483647 - 1);
}

TEST(D88ImageTest, FreshObjectHoldsNothing) {
  D88Image image;
  EXPECT_EQ(image.imageCount(), 0);
  EXPECT_EQ(image.mediaType(), -1);
  EXPECT_STREQ(image.diskName(), "");
  EXPECT_FALSE(image.selectImage(0));
  std::uint8_t buffer[4] = {9, 9, 9, 9};
  EXPECT_EQ(image.readSector(0, 0, 0, 1, 1, buffer, 4), 0);
  EXPECT_EQ(image.readSectors(0, 0, 0, 1, 1, buffer, 4), 0);
  EXPECT_EQ(image.listSectorIds(0, buffer, 4), 0);
  EXPECT_EQ(buffer[0], 9);
}

TEST(D88ImageTest, OpenFailsOnMissingFileAndDirectory) {
  ScratchDir dir;
  D88Image image;
  EXPECT_FALSE(image.open(dir.file("absent.d88").c_str()));
  EXPECT_FALSE(image.open(dir.path().c_str()));
  EXPECT_FALSE(image.open(""));
  EXPECT_EQ(image.imageCount(), 0);
}

struct CatalogueCase {
  const char* what;
  Bytes file;
  std::vector<std::string> names;  // of images 0, 1, ... in catalogue order
};

std::vector<CatalogueCase> catalogueCases() {
  std::vector<CatalogueCase> cases;
  cases.push_back({"empty file", Bytes(), {}});
  cases.push_back({"shorter than a header", Bytes(687, 0), {}});
  cases.push_back({"one bare header", buildImage(namedImage("A")), {"A"}});
  cases.push_back({"two images",
                   buildFile({makeDisk("A", 1), makeDisk("B", 2)}),
                   {"A", "B"}});

  Bytes tail = buildImage(namedImage("A"));
  tail.insert(tail.end(), 687, 0x41);
  cases.push_back({"687 bytes after the last image are ignored", tail, {"A"}});
  tail.push_back(0x41);
  cases.push_back({"688 bytes after it are one more image",
                   tail,
                   {"A", "AAAAAAAAAAAAAAAA"}});

  Image zero = namedImage("Z");
  zero.sizeField = 0;
  cases.push_back({"size 0 repeats the header up to 64 entries",
                   buildFile({namedImage("A"), zero}), [] {
                     std::vector<std::string> n(64, "Z");
                     n[0] = "A";
                     return n;
                   }()});

  // Image 1 steps back by its own size: the offsets alternate 0, 688, 0, ...
  Image back = namedImage("B");
  back.sizeField = 0x100000000 - d88::kImageHeaderSize;
  std::vector<std::string> alternate;
  for (int i = 0; i < 64; ++i) alternate.push_back(i % 2 == 0 ? "A" : "B");
  cases.push_back({"a negative size steps back",
                   buildFile({namedImage("A"), back}), alternate});

  Image negative = namedImage("N");
  negative.sizeField = 0x100000000 - 1000;  // the next offset, 688 - 1000
  cases.push_back({"an offset below 0 ends the catalogue",
                   buildFile({namedImage("A"), negative, namedImage("C")}),
                   {"A", "N"}});

  Image huge = namedImage("H");
  huge.sizeField = 0x7FFFFFFF;  // 688 + 0x7FFFFFFF wraps below 0
  cases.push_back({"a size that carries the offset past 2^31 - 1",
                   buildFile({namedImage("A"), huge, namedImage("C")}),
                   {"A", "H"}});

  Image beyond = namedImage("E");
  beyond.sizeField = 1 << 30;
  cases.push_back({"a size past the end of the file",
                   buildFile({beyond, namedImage("C")}),
                   {"E"}});

  std::vector<Image> seventy;
  std::vector<std::string> first64;
  for (int i = 0; i < 70; ++i) {
    seventy.push_back(namedImage("I" + std::to_string(i)));
    if (i < 64) first64.push_back("I" + std::to_string(i));
  }
  cases.push_back({"70 images catalogue 64", buildFile(seventy), first64});
  return cases;
}

TEST(D88ImageTest, CataloguesImagesByTheirSizeFields) {
  for (const CatalogueCase& c : catalogueCases()) {
    SCOPED_TRACE(c.what);
    ImageFile file(c.file);
    D88Image& image = file.open();
    EXPECT_EQ(image.imageCount(), static_cast<int>(c.names.size()));
    EXPECT_EQ(catalogueNames(image), c.names);
    EXPECT_FALSE(image.selectImage(image.imageCount()));
  }
}

TEST(D88ImageTest, SelectionCopiesNameAndMedia) {
  Image full = namedImage("ABCDEFGHIJKLMNOP");
  full.media = 0xFF;
  Image shortName = namedImage("ABC");
  shortName.media = 0x10;
  Bytes bytes = buildFile({full, shortName});
  setByte(&bytes, 16, 'Q');  // header byte 16 is never part of the name
  setByte(&bytes, d88::kImageHeaderSize + 5, 'X');  // after the terminator
  ImageFile file(bytes);
  D88Image& image = file.openAndSelect(0);
  EXPECT_STREQ(image.diskName(), "ABCDEFGHIJKLMNOP");
  EXPECT_EQ(image.mediaType(), 255);
  ASSERT_TRUE(image.selectImage(1));
  EXPECT_STREQ(image.diskName(), "ABC");
  EXPECT_EQ(image.mediaType(), 0x10);
}

TEST(D88ImageTest, FailedSelectionClearsIt) {
  ImageFile file(buildFile({makeDisk("DISK", 1)}));
  D88Image& image = file.openAndSelect(0);
  std::uint8_t buffer[256];
  ASSERT_EQ(image.readSector(0, 0, 0, 1, 1, buffer, 256), 256);
  for (int index : {1, -1}) {
    ASSERT_TRUE(image.selectImage(0));
    EXPECT_FALSE(image.selectImage(index));
    EXPECT_EQ(image.mediaType(), -1);
    EXPECT_STREQ(image.diskName(), "");
    EXPECT_EQ(image.readSector(0, 0, 0, 1, 1, buffer, 256), 0);
  }
}

TEST(D88ImageTest, SelectionFailsWhenTheHeaderIsGone) {
  ImageFile file(buildFile({namedImage("A"), namedImage("B")}));
  D88Image& image = file.open();
  ASSERT_EQ(image.imageCount(), 2);
  ASSERT_TRUE(writeFile(file.path(), buildImage(namedImage("A"))));
  EXPECT_TRUE(image.selectImage(0));
  EXPECT_FALSE(image.selectImage(1));
  EXPECT_STREQ(image.diskName(), "");
  EXPECT_EQ(image.mediaType(), -1);
}

TEST(D88ImageTest, OpenWithoutPathReleasesTheFile) {
  ImageFile file(buildFile({makeDisk("DISK", 1)}));
  D88Image& image = file.openAndSelect(0);
  EXPECT_TRUE(image.open(nullptr));
  EXPECT_EQ(image.imageCount(), 0);
  EXPECT_EQ(image.mediaType(), -1);
  EXPECT_FALSE(image.selectImage(0));
  EXPECT_STREQ(image.diskName(), "DISK");
  std::uint8_t buffer[256];
  EXPECT_EQ(image.readSector(0, 0, 0, 1, 1, buffer, 256), 0);
}

TEST(D88ImageTest, OpenAgainReplacesTheFile) {
  ImageFile first(buildFile({namedImage("A"), namedImage("B")}));
  ImageFile second(buildFile({namedImage("C")}));
  D88Image& image = first.open();
  ASSERT_TRUE(image.open(second.path().c_str()));
  EXPECT_EQ(catalogueNames(image), std::vector<std::string>{"C"});
  EXPECT_FALSE(image.open("/nonexistent/x"));
  EXPECT_EQ(image.imageCount(), 1);    // the catalogue stays ...
  EXPECT_FALSE(image.selectImage(0));  // ... but no file is held
}

}  // namespace

namespace {

// Track 0: sixteen 256-byte sectors; track 1: R1 to R5 of 1,024 bytes in the
// stored order given; track 163 one sector.
Image sectorImage(const std::vector<int>& order = {1, 2, 3, 4, 5}) {
  Image image = namedImage("SECTORS");
  image.tracks[0] = makeTrack(0, 0, 16, 1, 7);
  for (int r : order) {
    image.tracks[1].sectors.push_back(
        makeSector(0, 1, r, 3, 1024, -1, 100u + static_cast<unsigned>(r)));
  }
  image.tracks[163].sectors.push_back(makeSector(81, 1, 1, 1, 256, 0x63));
  return image;
}

Bytes dataOf(int r, int length = 1024) {
  return makeSector(0, 1, r, 3, length, -1, 100u + static_cast<unsigned>(r))
      .data;
}

constexpr std::uint8_t kGuard = 0xA5;

TEST(ReadSectorTest, FindsSectorsByIdentifier) {
  struct Row {
    const char* what;
    int track, c, h, r, n, maxLength;
    int expected;
  };
  const Row rows[] = {
      {"256-byte sector whole", 0, 0, 0, 5, 1, 256, 256},
      {"cut to maxLength", 0, 0, 0, 5, 1, 100, 100},
      {"maxLength larger than the data", 0, 0, 0, 5, 1, 5000, 256},
      {"maxLength 0", 0, 0, 0, 5, 1, 0, 0},
      {"maxLength negative", 0, 0, 0, 5, 1, -1, 0},
      {"the last sector of a 16-sector track", 0, 0, 0, 16, 1, 256, 256},
      {"a sector absent from a 16-sector track", 0, 0, 0, 17, 1, 256, 0},
      {"another N", 0, 0, 0, 5, 2, 256, 0},
      {"another C", 0, 1, 0, 5, 1, 256, 0},
      {"another H", 0, 0, 1, 5, 1, 256, 0},
      {"an argument above 255", 0, 256, 0, 5, 1, 256, 0},
      {"a negative argument", 0, 0, 0, -251, 1, 256, 0},
      {"track index 163", 163, 81, 1, 1, 1, 256, 256},
      {"track index 164", 164, 81, 1, 1, 1, 256, 0},
      {"track index -1", -1, 0, 0, 5, 1, 256, 0},
      {"an absent track", 2, 1, 0, 1, 3, 1024, 0},
  };
  ImageFile file(buildFile({sectorImage()}));
  D88Image& image = file.openAndSelect();
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    std::vector<std::uint8_t> buffer(6000, kGuard);
    EXPECT_EQ(image.readSector(row.track, row.c, row.h, row.r, row.n,
                               buffer.data(), row.maxLength),
              row.expected);
    EXPECT_EQ(buffer[static_cast<std::size_t>(row.expected)], kGuard);
    if (row.expected > 0 && row.track == 0) {
      const Bytes want = makeSector(0, 0, row.r, 1, 256, -1,
                                    7u * 31u + static_cast<unsigned>(row.r))
                             .data;
      EXPECT_TRUE(std::equal(buffer.begin(), buffer.begin() + row.expected,
                             want.begin()));
    }
  }
}

TEST(ReadSectorTest, FindsSectorsWhateverTheirStoredOrder) {
  ImageFile file(buildFile({sectorImage({4, 1, 5, 3, 2})}));
  D88Image& image = file.openAndSelect();
  for (int r = 1; r <= 5; ++r) {
    std::vector<std::uint8_t> buffer(1024);
    ASSERT_EQ(image.readSector(1, 0, 1, r, 3, buffer.data(), 1024), 1024);
    EXPECT_EQ(buffer, dataOf(r)) << "R" << r;
  }
}

TEST(ReadSectorTest, TrackTableEntriesOutsideTheImageAreAbsent) {
  Image disk = sectorImage();
  const Bytes bytes = buildImage(disk);
  const std::size_t entry1 = d88::kTrackTableOffset + d88::kTrackEntrySize;
  struct Row {
    const char* what;
    std::uint32_t entry;
    int expected;
  };
  // An entry equal to the size is accepted, and a record is read there.
  Bytes atEnd = bytes;
  atEnd.resize(bytes.size() + 16 + 4, 0x00);
  const std::uint32_t size = static_cast<std::uint32_t>(bytes.size());
  setLe32(&atEnd, d88::kImageSizeOffset, size);
  putBytes(&atEnd, size,
           {0, 1, 9, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4, 0, 1, 2, 3, 4});
  const Row rows[] = {{"entry 0", 0, 0},
                      {"entry equal to the size", size, 4},
                      {"entry one past the size", size + 1, 0},
                      {"negative entry", 0xFFFFFFF0u, 0}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    Bytes file = atEnd;
    setLe32(&file, entry1, row.entry);
    ImageFile disk88(file);
    D88Image& image = disk88.openAndSelect();
    std::uint8_t buffer[8] = {};
    EXPECT_EQ(image.readSector(1, 0, 1, 9, 0, buffer, 8), row.expected);
  }
}

TEST(ReadSectorTest, RecordFaults) {
  struct Row {
    const char* what;
    std::vector<Sector> sectors;
    int expected;  // of reading C0 H0 R9 N1 with maxLength 256
  };
  const Sector target = makeSector(0, 0, 9, 1, 256, 0x99);
  Sector zeroCount = target;
  zeroCount.count = 0;
  Sector empty = makeSector(0, 0, 9, 1, 0);
  Sector other = makeSector(0, 0, 1, 1, 256, 0x11);
  Sector first = makeSector(0, 0, 9, 1, 128, 0x77);
  Sector lone = other;
  lone.count = 1;  // says the track ends here
  const Row rows[] = {
      {"found after another record", {other, target}, 256},
      {"a zero count is never delivered", {zeroCount}, 0},
      {"a zero count ends the walk", {other, zeroCount, target}, 0},
      {"a matching record without data", {empty}, 0},
      {"the first of two with one identifier", {first, target}, 128},
      {"the walk stops at its record's count", {lone, target}, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    Image disk = namedImage("R");
    disk.tracks[0].sectors = row.sectors;
    ImageFile file(buildFile({disk}));
    D88Image& image = file.openAndSelect();
    std::vector<std::uint8_t> buffer(300, kGuard);
    EXPECT_EQ(image.readSector(0, 0, 0, 9, 1, buffer.data(), 256),
              row.expected);
    EXPECT_EQ(buffer[static_cast<std::size_t>(row.expected)], kGuard);
  }
}

TEST(ReadSectorTest, FileEndingInsideTheTrack) {
  Bytes bytes = buildFile({sectorImage()});
  const std::size_t r3 = dataOffset(bytes, 0, 1, 2);
  Bytes insideData = bytes;
  cutAt(&insideData, r3 + 300);
  ImageFile file(insideData);
  D88Image& image = file.openAndSelect();
  std::vector<std::uint8_t> buffer(5120, kGuard);
  EXPECT_EQ(image.readSector(1, 0, 1, 3, 3, buffer.data(), 1024), 300);
  EXPECT_EQ(buffer[300], kGuard);
  EXPECT_EQ(image.readSector(1, 0, 1, 4, 3, buffer.data(), 1024), 0);
  EXPECT_EQ(image.readSectors(1, 0, 1, 1, 3, buffer.data(), 5120), 2048);
  std::uint8_t ids[20];
  EXPECT_EQ(image.listSectorIds(1, ids, 20), 12);

  Bytes insideHeader = bytes;
  cutAt(&insideHeader, r3 - 8);
  ImageFile cut(insideHeader);
  D88Image& cutImage = cut.openAndSelect();
  EXPECT_EQ(cutImage.readSector(1, 0, 1, 3, 3, buffer.data(), 1024), 0);
  EXPECT_EQ(cutImage.listSectorIds(1, ids, 20), 8);
}

TEST(ReadSectorsTest, RunsAcrossSectorsAndTracks) {
  struct Row {
    const char* what;
    std::vector<int> order;  // stored order of track 1
    int total;
    int expected;
  };
  const Row rows[] = {
      {"in order", {1, 2, 3, 4, 5}, 5120, 5120},
      {"shuffled", {1, 3, 5, 2, 4}, 5120, 5120},
      {"R3 missing", {1, 2, 4, 5}, 5120, 2048},
      {"a total that is not whole sectors", {1, 2, 3, 4, 5}, 3000, 3000},
      {"total 0", {1, 2, 3, 4, 5}, 0, 0},
      {"negative total", {1, 2, 3, 4, 5}, -5, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    ImageFile file(buildFile({sectorImage(row.order)}));
    D88Image& image = file.openAndSelect();
    image.setSectorRange(1, 5);
    std::vector<std::uint8_t> buffer(6000, kGuard);
    EXPECT_EQ(image.readSectors(1, 0, 1, 1, 3, buffer.data(), row.total),
              row.expected);
    Bytes want;
    for (int r = 1; r <= 5; ++r) {
      const Bytes d = dataOf(r);
      want.insert(want.end(), d.begin(), d.end());
    }
    want.resize(static_cast<std::size_t>(row.expected));
    EXPECT_TRUE(std::equal(want.begin(), want.end(), buffer.begin()));
    EXPECT_EQ(buffer[static_cast<std::size_t>(row.expected)], kGuard);
  }
}

TEST(ReadSectorsTest, ShortSectorIsCopiedButNotCounted) {
  Image disk = sectorImage();
  disk.tracks[1].sectors[1].data.resize(512);
  ImageFile file(buildFile({disk}));
  D88Image& image = file.openAndSelect();
  image.setSectorRange(1, 5);
  std::vector<std::uint8_t> buffer(5120, kGuard);
  EXPECT_EQ(image.readSectors(1, 0, 1, 1, 3, buffer.data(), 5120), 1024);
  const Bytes second = dataOf(2, 512);
  EXPECT_TRUE(std::equal(second.begin(), second.end(), buffer.begin() + 1024));
  EXPECT_EQ(buffer[1024 + 512], kGuard);
}

TEST(ReadSectorsTest, StepsTrackHeadAndCylinder) {
  // Tracks 1 to 4 of the two-sided layout, three sectors each.
  Image disk = namedImage("STEP");
  for (int t = 1; t <= 4; ++t)
    disk.tracks[t] = makeTrack(t / 2, t % 2, 3, 3, static_cast<unsigned>(t));
  ImageFile file(buildFile({disk}));
  D88Image& image = file.openAndSelect();
  image.setSectorRange(1, 3);
  std::vector<std::uint8_t> buffer(16 * 1024, kGuard);
  // From H1 the run goes to C1 H0 on track 2, then C1 H1, then C2 H0.
  EXPECT_EQ(image.readSectors(1, 0, 1, 1, 3, buffer.data(), 11 * 1024 + 100),
            11 * 1024 + 100);
  Bytes want;
  for (int t = 1; t <= 4; ++t) {
    for (const Sector& s : disk.tracks[t].sectors)
      want.insert(want.end(), s.data.begin(), s.data.end());
  }
  EXPECT_TRUE(std::equal(buffer.begin(), buffer.begin() + 11 * 1024 + 100,
                         want.begin()));
  EXPECT_EQ(buffer[11 * 1024 + 100], kGuard);
  // Started above the range's last sector, R counts on within the track.
  image.setSectorRange(1, 2);
  EXPECT_EQ(image.readSectors(1, 0, 1, 3, 3, buffer.data(), 16 * 1024), 1024);
}

TEST(ReadSectorsTest, DefaultRangeIs1To16AndTheRunEndsAfterTrack163) {
  Image disk = namedImage("RANGE");
  disk.tracks[0] = makeTrack(0, 0, 16, 1, 1);
  disk.tracks[1] = makeTrack(0, 1, 1, 1, 2);
  disk.tracks[163] = makeTrack(81, 1, 16, 1, 3);
  ImageFile file(buildFile({disk}));
  D88Image& image = file.openAndSelect();
  std::vector<std::uint8_t> buffer(32 * 256);
  EXPECT_EQ(image.readSectors(0, 0, 0, 1, 1, buffer.data(), 32 * 256),
            17 * 256);
  EXPECT_EQ(image.readSectors(163, 81, 1, 1, 1, buffer.data(), 32 * 256),
            16 * 256);
}

TEST(ReadSectorsTest, SizeCodeOutOfRangeReadsNothing) {
  ImageFile file(buildFile({sectorImage()}));
  D88Image& image = file.openAndSelect();
  std::uint8_t buffer[16] = {kGuard};
  for (int n : {-1, 24, 31, 1000}) {
    EXPECT_EQ(image.readSectors(0, 0, 0, 1, n, buffer, 16), 0) << n;
    EXPECT_EQ(buffer[0], kGuard);
  }
}

TEST(ListSectorIdsTest, ListsRecordsInStoredOrder) {
  ImageFile file(buildFile({sectorImage({4, 1, 5, 3, 2})}));
  D88Image& image = file.openAndSelect();
  struct Row {
    int track, bufferLength, expected;
  };
  const Row rows[] = {{1, 10, 8},   {1, 3, 0},   {1, 0, 0},     {1, -4, 0},
                      {1, 100, 20}, {2, 100, 0}, {164, 100, 0}, {-1, 100, 0}};
  const std::uint8_t ids[] = {0, 1, 4, 3, 0, 1, 1, 3, 0, 1,
                              5, 3, 0, 1, 3, 3, 0, 1, 2, 3};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.bufferLength);
    std::vector<std::uint8_t> buffer(100, kGuard);
    EXPECT_EQ(image.listSectorIds(row.track, buffer.data(), row.bufferLength),
              row.expected);
    EXPECT_TRUE(std::equal(buffer.begin(), buffer.begin() + row.expected, ids));
    EXPECT_EQ(buffer[static_cast<std::size_t>(row.expected)], kGuard);
  }
}

TEST(TrackWalkTest, StopsAfter65535RecordsWhenCountsDisagree) {
  // Record 0 says 2 records, all others 1: the walk's stop test never holds.
  Image disk = namedImage("LONG");
  Track& track = disk.tracks[0];
  for (int p = 0; p < 70000; ++p) {
    Sector s = makeSector(0, 0, p == 65534 ? 7 : (p == 65535 ? 8 : 1), 0, 0);
    s.count = p == 0 ? 2 : 1;
    track.sectors.push_back(s);
  }
  track.sectors[65534].data = {0x42};
  track.sectors[65535].data = {0x43};
  ImageFile file(buildFile({disk}));
  D88Image& image = file.openAndSelect();
  std::uint8_t byte = 0;
  EXPECT_EQ(image.readSector(0, 0, 0, 7, 0, &byte, 1), 1);
  EXPECT_EQ(byte, 0x42);
  EXPECT_EQ(image.readSector(0, 0, 0, 8, 0, &byte, 1), 0);
  std::vector<std::uint8_t> ids(80000 * 4);
  EXPECT_EQ(image.listSectorIds(0, ids.data(), static_cast<int>(ids.size())),
            65535 * 4);
}

}  // namespace
