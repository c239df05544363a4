#include "tests/d88_writer.h"

#include <cstdio>

#include "d88/d88_format.h"
#include "d88/d88_image.h"

namespace d88test {

namespace {

void appendLe16(Bytes* out, std::uint32_t value) {
  out->push_back(static_cast<std::uint8_t>(value & 0xFF));
  out->push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

}  // namespace

Bytes buildImage(const Image& image) {
  Bytes out(d88::kImageHeaderSize, 0);
  for (std::size_t i = 0; i < image.name.size() && i < 16; ++i) {
    out[d88::kNameOffset + i] = static_cast<std::uint8_t>(image.name[i]);
  }
  out[d88::kMediaOffset] = image.media;
  for (const auto& [index, track] : image.tracks) {
    setLe32(&out,
            static_cast<std::size_t>(d88::kTrackTableOffset +
                                     d88::kTrackEntrySize * index),
            static_cast<std::uint32_t>(out.size()));
    for (const Sector& s : track.sectors) {
      const int count =
          s.count >= 0 ? s.count : static_cast<int>(track.sectors.size());
      const int length =
          s.dataLength >= 0 ? s.dataLength : static_cast<int>(s.data.size());
      out.push_back(s.c);
      out.push_back(s.h);
      out.push_back(s.r);
      out.push_back(s.n);
      appendLe16(&out, static_cast<std::uint32_t>(count));
      out.insert(out.end(), 8, 0);
      appendLe16(&out, static_cast<std::uint32_t>(length));
      out.insert(out.end(), s.data.begin(), s.data.end());
    }
  }
  const std::int64_t size = image.sizeField >= 0
                                ? image.sizeField
                                : static_cast<std::int64_t>(out.size());
  setLe32(&out, d88::kImageSizeOffset, static_cast<std::uint32_t>(size));
  return out;
}

Bytes buildFile(const std::vector<Image>& images) {
  Bytes out;
  for (const Image& image : images) {
    const Bytes bytes = buildImage(image);
    out.insert(out.end(), bytes.begin(), bytes.end());
  }
  return out;
}

std::uint8_t pattern(unsigned seed, std::size_t i) {
  // An uneven sequence; 02 is mapped away so that no signature can form.
  const std::uint32_t x =
      (static_cast<std::uint32_t>(i) * 2654435761u) ^ (seed * 40503u + 17u);
  const std::uint8_t b = static_cast<std::uint8_t>((x >> 13) ^ (x >> 5));
  return b == 0x02 ? 0x03 : b;
}

Sector makeSector(int c, int h, int r, int n, int length, int fill,
                  unsigned seed) {
  Sector s;
  s.c = static_cast<std::uint8_t>(c);
  s.h = static_cast<std::uint8_t>(h);
  s.r = static_cast<std::uint8_t>(r);
  s.n = static_cast<std::uint8_t>(n);
  s.data.resize(static_cast<std::size_t>(length));
  for (std::size_t i = 0; i < s.data.size(); ++i) {
    s.data[i] = fill >= 0 ? static_cast<std::uint8_t>(fill) : pattern(seed, i);
  }
  return s;
}

Track makeTrack(int c, int h, int count, int n, unsigned seed) {
  Track track;
  for (int r = 1; r <= count; ++r) {
    track.sectors.push_back(makeSector(c, h, r, n, 128 << n, -1,
                                       seed * 31u + static_cast<unsigned>(r)));
  }
  return track;
}

Image makeDisk(const std::string& name, unsigned seed) {
  Image image;
  image.name = name;
  image.tracks[0] = makeTrack(0, 0, 16, 1, seed);
  for (int t = 1; t < 80; ++t) {
    image.tracks[t] =
        makeTrack(t / 2, t % 2, 5, 3, seed + static_cast<unsigned>(t));
  }
  return image;
}

Bytes makeLongWalks() {
  Image image;
  image.name = "WALK";
  Track& track = image.tracks[0];
  for (int p = 0; p < d88::kMaxRecordsPerTrack; ++p) {
    Sector s = makeSector(9, 9, 9, 9, 0);
    s.count = d88::kMaxRecordsPerTrack;
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

std::size_t dataOffset(const Bytes& file, std::size_t imageStart,
                       int trackIndex, int record) {
  std::size_t at =
      imageStart + static_cast<std::size_t>(readLe32(
                       file.data() + imageStart + d88::kTrackTableOffset +
                       d88::kTrackEntrySize * trackIndex));
  for (int i = 0; i < record; ++i) {
    at += d88::kRecordHeaderSize +
          static_cast<std::size_t>(
              readLe16(file.data() + at + d88::kRecordDataLengthOffset));
  }
  return at + d88::kRecordHeaderSize;
}

void setByte(Bytes* file, std::size_t offset, std::uint8_t value) {
  file->at(offset) = value;
}

void setLe16(Bytes* file, std::size_t offset, std::uint16_t value) {
  setByte(file, offset, static_cast<std::uint8_t>(value & 0xFF));
  setByte(file, offset + 1, static_cast<std::uint8_t>(value >> 8));
}

void setLe32(Bytes* file, std::size_t offset, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) {
    setByte(file, offset + static_cast<std::size_t>(i),
            static_cast<std::uint8_t>((value >> (8 * i)) & 0xFF));
  }
}

void cutAt(Bytes* file, std::size_t length) {
  if (length < file->size()) file->resize(length);
}

void putBytes(Bytes* file, std::size_t offset, const Bytes& bytes) {
  for (std::size_t i = 0; i < bytes.size(); ++i)
    setByte(file, offset + i, bytes[i]);
}

bool writeFile(const std::string& path, const Bytes& bytes) {
  std::FILE* out = std::fopen(path.c_str(), "wb");
  if (out == nullptr) return false;
  const bool written =
      bytes.empty() ||
      std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
  return std::fclose(out) == 0 && written;
}

Bytes readFile(const std::string& path) {
  Bytes bytes;
  std::FILE* in = std::fopen(path.c_str(), "rb");
  if (in == nullptr) return bytes;
  std::uint8_t chunk[65536];
  std::size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, in)) > 0) {
    bytes.insert(bytes.end(), chunk, chunk + got);
  }
  std::fclose(in);
  return bytes;
}

}  // namespace d88test
