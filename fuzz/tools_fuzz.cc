// Runs the scan-and-name logic of tovakmus and the recognition and cut read
// of tovakcut over the input in-process, and checks what must hold of them.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "d88/d88_image.h"
#include "fuzz/fuzz_support.h"
#include "tovakcut/driver_disk.h"
#include "tovakmus/music_blocks.h"

namespace {

std::uint8_t musicBuffer[music::kTrackBufferBytes];
std::uint8_t driverBuffer[driver::kTrackBufferBytes];

// Every offset at which the signature stands, by comparing at each one. Not
// instrumented: it is the oracle, and would only slow the fuzzer down.
#if defined(__clang__)
__attribute__((no_sanitize("coverage")))
#endif
std::vector<int>
naiveScan(const std::uint8_t* buffer) {
  std::vector<int> offsets;
  for (int o = 0; o + music::kSignatureLength <= music::kTrackBufferBytes;
       ++o) {
    int k = 0;
    while (k < music::kSignatureLength && buffer[o + k] == music::kSignature[k])
      ++k;
    if (k == music::kSignatureLength) offsets.push_back(o);
  }
  return offsets;
}

void checkMusic(const char* path) {
  D88Image image;
  FUZZ_CHECK(image.open(path));
  for (int i = 0; i < image.imageCount(); ++i) {
    image.selectImage(i);
    music::assembleTracks(image, musicBuffer);
    int expectedNumber = 0;
    int lastOffset = -1;
    std::vector<int> offsets;
    music::scanBlocks(musicBuffer, i, [&](const music::MusicBlock& block) {
      offsets.push_back(block.offset);
      char name[16];
      std::snprintf(name, sizeof name, "MU%1d%02d", i, expectedNumber++);
      FUZZ_CHECK(std::strcmp(name, block.name) == 0);
      FUZZ_CHECK(block.offset > lastOffset);
      FUZZ_CHECK(block.offset <=
                 music::kTrackBufferBytes - music::kSignatureLength);
      lastOffset = block.offset;
      FUZZ_CHECK(std::memcmp(block.bytes, music::kSignature,
                             music::kSignatureLength) == 0);
      const int inBuffer =
          std::min(music::kBlockBytes, music::kTrackBufferBytes - block.offset);
      FUZZ_CHECK(std::memcmp(block.bytes, musicBuffer + block.offset,
                             static_cast<std::size_t>(inBuffer)) == 0);
      for (int k = inBuffer; k < music::kBlockBytes; ++k)
        FUZZ_CHECK(block.bytes[k] == 0);
    });
    if (i < 2) {
      const std::vector<int> naive = naiveScan(musicBuffer);
      FUZZ_CHECK(offsets == naive);
    }
  }
}

void checkDriver(const char* path) {
  D88Image image;
  FUZZ_CHECK(image.open(path));
  const int found = driver::findDriverDisk(image, driverBuffer);
  FUZZ_CHECK(found >= -1 && found < image.imageCount());
  if (found < 0) {
    FUZZ_CHECK(driverBuffer[0] != driver::kRecognitionByte);
    return;
  }
  FUZZ_CHECK(driverBuffer[0] == driver::kRecognitionByte);
  const int total = driver::kCutSkip + driver::kCutLength;
  const int got =
      image.readSectors(driver::kCutTrack, driver::kCutC, driver::kCutH,
                        driver::kCutR, driver::kCutN, driverBuffer, total);
  FUZZ_CHECK(got >= 0 && got <= total);
  // The next input starts from a clean buffer, as a new process would.
  std::memset(driverBuffer, 0, sizeof driverBuffer);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  const char* path = fuzz::inputFile(data, size);
  std::memset(musicBuffer, 0, sizeof musicBuffer);
  checkMusic(path);
  checkDriver(path);
  return 0;
}
