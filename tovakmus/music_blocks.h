// Finding the music blocks of a disk image. The 80 data tracks of an image
// (track indexes 0 to 79, sectors 1 to 5 of 1,024 bytes) are laid end to end
// in one track buffer, and every place where the 6-byte block signature
// stands in it starts an 8,192-byte music block.
#ifndef TOVAKMUS_MUSIC_BLOCKS_H_
#define TOVAKMUS_MUSIC_BLOCKS_H_

#include <cstdint>
#include <functional>

class D88Image;

namespace music {

constexpr int kTrackSlots = 80;
constexpr int kSectorsPerTrack = 5;
constexpr int kSectorSizeCode = 3;
constexpr int kSectorBytes = 128 << kSectorSizeCode;
constexpr int kSlotBytes = kSectorsPerTrack * kSectorBytes;
constexpr int kTrackBufferBytes = kTrackSlots * kSlotBytes;  // 409,600
constexpr int kBlockBytes = 8192;
constexpr int kSignatureLength = 6;
constexpr std::uint8_t kSignature[kSignatureLength] = {0x02, 0x00, 0xFF,
                                                       0x01, 0x00, 0xFF};

// One block found by scanBlocks(). `bytes` holds kBlockBytes bytes: the track
// buffer from `offset` on, with zeros past the buffer's end. It is valid only
// during the call that receives the block.
struct MusicBlock {
  char name[16];  // "MU%1d%02d" of the image index and the block number
  int offset;     // where the signature stands in the track buffer
  const std::uint8_t* bytes;
};

// Copies the 80 data tracks of the selected image into `trackBuffer`
// (kTrackBufferBytes long): track t into slot t, sectors 1 to 5 in order. A
// slot's bytes past the first sector that is absent or short keep what they
// held before.
void assembleTracks(D88Image& image, std::uint8_t* trackBuffer);

// Hands every block of `trackBuffer` to `found`, in ascending order of
// offset, numbered from 0 and named for image `imageIndex`. Signatures inside
// earlier blocks start blocks of their own.
void scanBlocks(const std::uint8_t* trackBuffer, int imageIndex,
                const std::function<void(const MusicBlock&)>& found);

}  // namespace music

#endif  // TOVAKMUS_MUSIC_BLOCKS_H_
