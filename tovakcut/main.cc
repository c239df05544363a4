// tovakcut: finds the first disk image of a D88 file that is disk 3 or a
// user disk and cuts the file DRIVER out of its data tracks.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "d88/console.h"
#include "d88/d88_image.h"
#include "d88/platform.h"
#include "tovakcut/driver_disk.h"

namespace {

// Shift_JIS for "ディスク3または ユーザーディスクを認識しました.\n"
// (disk 3 or a user disk recognised).
constexpr char kRecognised[] =
    "\x83\x66\x83\x42\x83\x58\x83\x4E\x33\x82\xDC\x82\xBD\x82\xCD\x20\x83\x86"
    "\x81\x5B\x83\x55\x81\x5B\x83\x66\x83\x42\x83\x58\x83\x4E\x82\xF0\x94\x46"
    "\x8E\xAF\x82\xB5\x82\xDC\x82\xB5\x82\xBD\x2E\x0A";
// Shift_JIS for "ディスクイメージが見つかりませんでした.\n"
// (no disk image was found).
constexpr char kNotFound[] =
    "\x83\x66\x83\x42\x83\x58\x83\x4E\x83\x43\x83\x81\x81\x5B\x83\x57\x82\xAA"
    "\x8C\xA9\x82\xC2\x82\xA9\x82\xE8\x82\xDC\x82\xB9\x82\xF1\x82\xC5\x82\xB5"
    "\x82\xBD\x2E\x0A";

// The process-wide reader, closed by an exit-time handler registered right
// after it is constructed.
D88Image image;
void closeImage() { image.close(); }
[[maybe_unused]] const bool closeRegistered = std::atexit(closeImage) == 0;

// Zero at start and never cleared: the probes write its first 256 bytes,
// the cut reads from its start.
std::uint8_t trackBuffer[driver::kTrackBufferBytes];

// Identity of the D88 file, so that the cut never replaces it.
platform::FileId input;

// Reads skip + length bytes of consecutive sectors from the given first
// sector into trackBuffer and writes the length bytes after the skip to the
// file `name`. False when the file could not be written (already reported).
bool cut(const char* name, int trackIndex, int c, int h, int r, int n, int skip,
         int length) {
  static_assert(
      driver::kCutSkip + driver::kCutLength <= driver::kTrackBufferBytes,
      "the cut lies within the track buffer");
  image.readSectors(trackIndex, c, h, r, n, trackBuffer, skip + length);
  std::printf("cutting ... %s\n", name);
  return console::writeOutputFile(name, trackBuffer + skip,
                                  static_cast<std::size_t>(length), input);
}

}  // namespace

int main(int argc, char** argv) {
  if (!console::openArgument(image, argc, argv,
                             "Usage: tovakcut [d88file]\n")) {
    return 1;
  }
  input = platform::fileIdOf(argv[1]);
  if (driver::findDriverDisk(image, trackBuffer) < 0) {
    (void)std::fputs(kNotFound, stdout);
    console::finishStdout();
    return 1;
  }
  (void)std::fputs(kRecognised, stdout);
  const bool written =
      cut("DRIVER", driver::kCutTrack, driver::kCutC, driver::kCutH,
          driver::kCutR, driver::kCutN, driver::kCutSkip, driver::kCutLength);
  std::exit(console::finishStdout() && written ? 0 : 1);
}
