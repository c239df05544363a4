// A small D88 writer for tests, the demo, fuzz seeds and benchmarks: it lays
// out images from a description of their tracks, and a few mutators damage
// the bytes afterwards, one edit per fault.
#ifndef TESTS_D88_WRITER_H_
#define TESTS_D88_WRITER_H_

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace d88test {

using Bytes = std::vector<std::uint8_t>;

struct Sector {
  std::uint8_t c = 0, h = 0, r = 1, n = 1;
  Bytes data;
  // Written in the header's sector count; -1: the number of records of the
  // track.
  int count = -1;
  // Written in the header's data length; -1: data.size().
  int dataLength = -1;
};

struct Track {
  std::vector<Sector> sectors;
};

struct Image {
  std::string name;
  std::uint8_t media = 0;
  std::map<int, Track> tracks;  // by track index; absent indexes hold 0
  // Written in the header's size field; -1: the image's real length.
  std::int64_t sizeField = -1;
};

// The bytes of one image: header, then its tracks in ascending track index.
Bytes buildImage(const Image& image);
// The bytes of a file of images stored back to back.
Bytes buildFile(const std::vector<Image>& images);

// A sector whose data is `length` bytes of `fill`, or of a pattern when
// `fill` is negative (pattern(seed, i)).
Sector makeSector(int c, int h, int r, int n, int length, int fill = -1,
                  unsigned seed = 0);
// A track of sectors C/H/R1..count/N, each 128 << n bytes of pattern.
Track makeTrack(int c, int h, int count, int n, unsigned seed);
// The layout the tools read: track 0 with sixteen 256-byte sectors, tracks
// 1 to 79 with five 1,024-byte sectors, C = t / 2, H = t mod 2, data
// pattern(seed + t, i). Pattern bytes never form the block signature.
Image makeDisk(const std::string& name, unsigned seed);
// A pattern byte, uneven and free of the byte 02.
std::uint8_t pattern(unsigned seed, std::size_t i);

// One image whose 164 track table entries all point at one track of 65,535
// empty records C9 H9 R9 N9, each claiming 65,535 records: every sector read
// walks the longest walk there is and finds nothing.
Bytes makeLongWalks();

// The file offset of the data of record `record` of track `trackIndex` of
// the image that starts at `imageStart` in `file`, following the records'
// data lengths.
std::size_t dataOffset(const Bytes& file, std::size_t imageStart,
                       int trackIndex, int record);

// Mutators.
void setByte(Bytes* file, std::size_t offset, std::uint8_t value);
void setLe16(Bytes* file, std::size_t offset, std::uint16_t value);
void setLe32(Bytes* file, std::size_t offset, std::uint32_t value);
void cutAt(Bytes* file, std::size_t length);
void putBytes(Bytes* file, std::size_t offset, const Bytes& bytes);

// Writes `bytes` to `path`; false on failure.
bool writeFile(const std::string& path, const Bytes& bytes);
// The bytes of `path`; empty when it cannot be read.
Bytes readFile(const std::string& path);

}  // namespace d88test

#endif  // TESTS_D88_WRITER_H_
