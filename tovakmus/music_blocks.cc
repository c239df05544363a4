#include "tovakmus/music_blocks.h"

#include <cstdio>
#include <cstring>

#include "d88/d88_image.h"

namespace music {

void assembleTracks(D88Image& image, std::uint8_t* trackBuffer) {
  image.setSectorRange(1, kSectorsPerTrack);
  for (int t = 0; t < kTrackSlots; ++t) {
    const int slot = t * kSlotBytes;
    image.readSectors(t, t / 2, t % 2, 1, kSectorSizeCode, trackBuffer + slot,
                      kSlotBytes);
  }
}

void scanBlocks(const std::uint8_t* trackBuffer, int imageIndex,
                const std::function<void(const MusicBlock&)>& found) {
  const int lastStart = kTrackBufferBytes - kSignatureLength;
  std::uint8_t tail[kBlockBytes];
  int blockNumber = 0;
  int o = 0;
  while (o <= lastStart) {
    const int span = lastStart - o + 1;
    const void* hit = std::memchr(trackBuffer + o, kSignature[0],
                                  static_cast<std::size_t>(span));
    if (hit == nullptr) break;
    o = static_cast<int>(static_cast<const std::uint8_t*>(hit) - trackBuffer);
    if (std::memcmp(trackBuffer + o, kSignature, kSignatureLength) == 0) {
      MusicBlock block;
      (void)std::snprintf(block.name, sizeof block.name, "MU%1d%02d",
                          imageIndex, blockNumber++);
      block.offset = o;
      const int inBuffer = kTrackBufferBytes - o;
      if (inBuffer >= kBlockBytes) {
        block.bytes = trackBuffer + o;
      } else {
        std::memcpy(tail, trackBuffer + o, static_cast<std::size_t>(inBuffer));
        std::memset(tail + inBuffer, 0,
                    static_cast<std::size_t>(kBlockBytes - inBuffer));
        block.bytes = tail;
      }
      found(block);
    }
    ++o;
  }
}

}  // namespace music
