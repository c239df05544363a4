// D88Image reads the disk images of one D88 file: it catalogues the images
// the file holds, selects one of them and reads its sectors by their
// identifiers. It only reads; it never writes the file and prints nothing.
#ifndef D88_D88_IMAGE_H_
#define D88_D88_IMAGE_H_

#include <cstdint>

// Siblings by their own names, so that this header works from any include
// path that reaches it.
#include "byte_stream.h"
#include "d88_format.h"

// The 16-bit little-endian value at bytes[0..1]; never negative.
std::int32_t readLe16(const std::uint8_t* bytes);
// The 32-bit little-endian value at bytes[0..3], as two's complement: a
// stored value with its top bit set comes out negative.
std::int32_t readLe32(const std::uint8_t* bytes);

// One D88 file, opened by open() and owned by the object until close(),
// the next open() or destruction. Every reading operation positions the
// stream itself before it reads, so where a read leaves the position is of no
// concern to the next; one object serves one caller at a time.
//
// A selection is either complete (the fields of one catalogued image's
// header) or cleared (no name, media -1, size 0), and the sector reads find
// nothing while it is cleared. Nothing is validated: any 688 bytes at a
// catalogued offset count as an image header. A track walk visits at most
// 65,535 records, however the records' counts disagree.
class D88Image {
 public:
  D88Image();
  D88Image(const D88Image&) = delete;
  D88Image& operator=(const D88Image&) = delete;
  ~D88Image();

  // With a path: releases any file held, opens `path` and catalogues its
  // images (up to 64, following each header's size field from offset 0 until
  // a whole header can no longer be read). True whatever the number of images,
  // 0 included; false when the file cannot be opened or is a directory (no
  // file is then held, and the catalogue keeps what it held).
  // With null: releases the file, empties the catalogue, sets media to -1 and
  // answers true; the last selection's name stays readable.
  bool open(const char* path);
  // Releases the file if one is held.
  void close();

  int imageCount() const { return images; }

  // Clears the selection, then loads the header of catalogued image `index`.
  // False, with the selection cleared, when `index` is not catalogued or its
  // header can no longer be read whole; false with nothing changed when no
  // file is open.
  bool selectImage(int index);

  // The sector numbers at which readSectors() starts and leaves each track.
  // Until set they are 1 and 16.
  void setSectorRange(int first, int last) {
    firstSector = first;
    lastSector = last;
  }

  // The selected image's name: the bytes before the first zero of the 16 at
  // the header's start, as the disk holds them. The pointer stays valid as
  // long as the object; its characters change with each selectImage() made
  // while a file is open.
  const char* diskName() const { return name; }
  // The selected image's media byte, 0 to 255; -1 with no selection.
  int mediaType() const { return media; }
  // The selected image's size field; 0 with no selection.
  int selectedSize() const { return diskSize; }
  // Where the selected image starts in the file; -1 with no selection.
  int selectedOffset() const { return selectedStart; }

  // Copies the data of the first record of track `trackIndex` whose C, H, R
  // and N equal the arguments into `buffer`, at most `maxLength` bytes.
  // Returns the number copied; 0 when the track or sector is absent. Bytes of
  // `buffer` past the count returned are left untouched.
  int readSector(int trackIndex, int c, int h, int r, int n,
                 std::uint8_t* buffer, int maxLength);

  // Fills `buffer` with up to `total` bytes from consecutive sectors of size
  // code `n`, starting at C/H/R and stepping R up to the sector range's last,
  // then on to the next track (the head flips, the cylinder advances after
  // head 1) from the range's first. Each sector yields one piece of 128 << n
  // bytes, the last piece cut to what remains. Stops at the first piece that
  // does not come back whole; returns the bytes of the whole pieces. `n`
  // outside 0 to 23 reads nothing.
  int readSectors(int trackIndex, int c, int h, int r, int n,
                  std::uint8_t* buffer, int total);

  // Writes C, H, R, N of each record of track `trackIndex`, in stored order,
  // as many entries as fit whole in `bufferLength` bytes; returns the bytes
  // written, a multiple of 4.
  int listSectorIds(int trackIndex, std::uint8_t* buffer, int bufferLength);

 private:
  // A record header as a track walk sees it.
  struct Record {
    std::uint8_t id[d88::kSectorIdSize];  // C, H, R, N
    int count;
    int dataLength;
  };

  void clearSelection();
  // Positions the stream at the first record of `trackIndex`; false when the
  // track is absent from the selected image.
  bool seekTrack(int trackIndex);
  // Reads the next record header; false when 16 bytes cannot be read.
  bool readRecord(Record* record);

  d88::ByteStream file;
  std::int32_t images;
  std::int32_t firstSector;
  std::int32_t lastSector;
  std::int32_t imageStart[d88::kMaxImages];
  std::int32_t diskSize;
  std::int32_t selectedStart;
  std::int32_t trackOffset[d88::kTrackSlots];
  std::int32_t media;
  char name[d88::kNameLength + 1];
};

#endif  // D88_D88_IMAGE_H_
