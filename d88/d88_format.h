// Byte layout of a D88 file. A file is a run of disk images stored back to
// back; each image is an image header followed by its tracks, and each track
// is a run of sector records without gaps. Integers are little-endian.
#ifndef D88_D88_FORMAT_H_
#define D88_D88_FORMAT_H_

namespace d88 {

// Image header:
// 00 name[16] | 10 reserved[11] | 1B media | 1C size (le32) | 20 track table
// (164 x le32, entry t at 0x20 + 4t: offset of track t from the image start)
constexpr int kImageHeaderSize = 0x2B0;
constexpr int kNameOffset = 0x00;
constexpr int kNameLength = 16;
constexpr int kMediaOffset = 0x1B;
constexpr int kImageSizeOffset = 0x1C;
constexpr int kTrackTableOffset = 0x20;
constexpr int kTrackSlots = 164;
constexpr int kTrackEntrySize = 4;

// The catalogue of a file holds at most this many images.
constexpr int kMaxImages = 64;

// Sector record header, followed by `data length` bytes of sector data:
// 0 C | 1 H | 2 R | 3 N | 4 sector count (le16) | 6 density | 7 deleted |
// 8 status | 9 reserved[5] | 0E data length (le16)
constexpr int kRecordHeaderSize = 16;
constexpr int kRecordCylinder = 0;
constexpr int kRecordHead = 1;
constexpr int kRecordSector = 2;
constexpr int kRecordSizeCode = 3;
constexpr int kRecordCountOffset = 4;
constexpr int kRecordDataLengthOffset = 0x0E;

// A listing entry of listSectorIds: C, H, R, N of one record.
constexpr int kSectorIdSize = 4;

// The sector count is a 16-bit field, so no well-formed track has more
// records than this; every track walk stops after this many.
constexpr int kMaxRecordsPerTrack = 0xFFFF;

}  // namespace d88

#endif  // D88_D88_FORMAT_H_
