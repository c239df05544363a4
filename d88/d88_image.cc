#include "d88/d88_image.h"

#include <cstring>

using namespace d88;

std::int32_t readLe16(const std::uint8_t* bytes) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(bytes[0]) |
                                   static_cast<std::uint32_t>(bytes[1]) << 8);
}

std::int32_t readLe32(const std::uint8_t* bytes) {
  const std::uint32_t value = static_cast<std::uint32_t>(bytes[0]) |
                              static_cast<std::uint32_t>(bytes[1]) << 8 |
                              static_cast<std::uint32_t>(bytes[2]) << 16 |
                              static_cast<std::uint32_t>(bytes[3]) << 24;
  // Two's complement without relying on an implementation-defined cast.
  return value <= 0x7FFFFFFFu ? static_cast<std::int32_t>(value)
                              : -static_cast<std::int32_t>(~value) - 1;
}

namespace {

// Sum of two 32-bit values wrapped as two's complement, as the catalogue
// steps from image to image.
std::int32_t wrappingAdd(std::int32_t a, std::int32_t b) {
  const std::uint32_t sum =
      static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b);
  return sum <= 0x7FFFFFFFu ? static_cast<std::int32_t>(sum)
                            : -static_cast<std::int32_t>(~sum) - 1;
}

}  // namespace

D88Image::D88Image()
    : images(0),
      firstSector(1),
      lastSector(16),
      imageStart(),
      diskSize(0),
      selectedStart(-1),
      trackOffset(),
      media(-1),
      name() {}

D88Image::~D88Image() { close(); }

bool D88Image::open(const char* path) {
  if (path == nullptr) {
    file.close();
    images = 0;
    media = -1;
    return true;
  }
  if (!file.open(path)) return false;
  std::int32_t offset = 0;
  images = 0;
  while (images < kMaxImages) {
    imageStart[images] = offset;
    if (offset < 0) break;  // the size fields carried the offset past 2^31
    std::uint8_t header[kImageHeaderSize];
    file.seek(offset);
    if (file.read(header, kImageHeaderSize) < kImageHeaderSize) break;
    offset = wrappingAdd(offset, readLe32(header + kImageSizeOffset));
    ++images;
  }
  return true;
}

void D88Image::close() { file.close(); }

void D88Image::clearSelection() {
  selectedStart = -1;
  media = -1;
  diskSize = 0;
  name[0] = '\0';
}

bool D88Image::selectImage(int index) {
  if (!file.isOpen()) return false;
  clearSelection();
  if (index < 0 || index >= images) return false;
  std::uint8_t header[kImageHeaderSize];
  file.dropWindow();  // the header as the file holds it now
  file.seek(imageStart[index]);
  if (file.read(header, kImageHeaderSize) < kImageHeaderSize) return false;
  selectedStart = imageStart[index];
  for (int t = 0; t < kTrackSlots; ++t) {
    const int entry = kTrackTableOffset + kTrackEntrySize * t;
    trackOffset[t] = readLe32(header + entry);
  }
  media = header[kMediaOffset];
  diskSize = readLe32(header + kImageSizeOffset);
  int length = 0;
  while (length < kNameLength && header[kNameOffset + length] != 0) {
    name[length] = static_cast<char>(header[kNameOffset + length]);
    ++length;
  }
  std::memset(name + length, 0, static_cast<std::size_t>(kNameLength - length));
  return true;
}

bool D88Image::seekTrack(int trackIndex) {
  if (!file.isOpen() || trackIndex < 0 || trackIndex >= kTrackSlots) {
    return false;
  }
  const std::int32_t entry = trackOffset[trackIndex];
  if (entry <= 0 || entry > diskSize) return false;
  file.seek(static_cast<std::int64_t>(selectedStart) + entry);
  return true;
}

bool D88Image::readRecord(Record* record) {
  const std::uint8_t* header = file.view(kRecordHeaderSize);
  if (header == nullptr) return false;
  record->id[0] = header[kRecordCylinder];
  record->id[1] = header[kRecordHead];
  record->id[2] = header[kRecordSector];
  record->id[3] = header[kRecordSizeCode];
  record->count = readLe16(header + kRecordCountOffset);
  record->dataLength = readLe16(header + kRecordDataLengthOffset);
  return true;
}

int D88Image::readSector(int trackIndex, int c, int h, int r, int n,
                         std::uint8_t* buffer, int maxLength) {
  if (maxLength <= 0 || !seekTrack(trackIndex)) return 0;
  Record record;
  for (int p = 0; p < kMaxRecordsPerTrack; ++p) {
    if (!readRecord(&record) || record.count == 0) return 0;
    if (record.id[0] == c && record.id[1] == h && record.id[2] == r &&
        record.id[3] == n) {
      const int length =
          record.dataLength < maxLength ? record.dataLength : maxLength;
      return length > 0 ? file.read(buffer, length) : 0;
    }
    file.skip(record.dataLength);
    if (p == record.count - 1) return 0;
  }
  return 0;
}

int D88Image::readSectors(int trackIndex, int c, int h, int r, int n,
                          std::uint8_t* buffer, int total) {
  if (n < 0 || n > 23) return 0;
  int piece = 128 << n;
  int sum = 0;
  while (sum < total) {
    if (piece > total - sum) piece = total - sum;
    if (readSector(trackIndex, c, h, r, n, buffer + sum, piece) < piece) break;
    sum += piece;
    if (r == lastSector) {
      ++trackIndex;
      if (h == 0) {
        h = 1;
      } else {
        h = 0;
        ++c;
      }
      r = firstSector;
    } else {
      ++r;
    }
  }
  return sum;
}

int D88Image::listSectorIds(int trackIndex, std::uint8_t* buffer,
                            int bufferLength) {
  if (!seekTrack(trackIndex)) return 0;
  int written = 0;
  Record record;
  for (int p = 0; p < kMaxRecordsPerTrack && p < bufferLength / kSectorIdSize;
       ++p) {
    if (!readRecord(&record) || record.count == 0) break;
    std::memcpy(buffer + written, record.id, kSectorIdSize);
    written += kSectorIdSize;
    file.skip(record.dataLength);
    if (p == record.count - 1) break;
  }
  return written;
}
