// tovakmus: writes every music block of the disk images of a D88 file to a
// block file of its own in the current directory, one report line each.
#include <cstdint>
#include <cstdio>

#include "d88/console.h"
#include "d88/d88_image.h"
#include "d88/platform.h"
#include "tovakmus/music_blocks.h"

namespace {

// Zero at start and never cleared: a slot that an image does not fill keeps
// what an earlier image left there.
std::uint8_t trackBuffer[music::kTrackBufferBytes];

}  // namespace

int main(int argc, char** argv) {
  D88Image image;
  if (!console::openArgument(image, argc, argv,
                             "Usage: tovakmus [d88file]\n")) {
    return 1;
  }
  const platform::FileId input = platform::fileIdOf(argv[1]);
  bool allWritten = true;
  const int images = image.imageCount();
  for (int i = 0; i < images; ++i) {
    image.selectImage(i);
    music::assembleTracks(image, trackBuffer);
    music::scanBlocks(trackBuffer, i, [&](const music::MusicBlock& block) {
      std::printf("%5s adr=%6x\n", block.name,
                  static_cast<unsigned>(block.offset));
      if (!console::writeOutputFile(block.name, block.bytes, music::kBlockBytes,
                                    input)) {
        allWritten = false;
      }
    });
  }
  return console::finishStdout() && allWritten ? 0 : 1;
}
