// Recognising the disk that holds the driver: disk 3 and the user disks
// carry a 256-byte sector 3 on track 0 whose first byte is E5.
#ifndef TOVAKCUT_DRIVER_DISK_H_
#define TOVAKCUT_DRIVER_DISK_H_

#include <cstdint>

class D88Image;

namespace driver {

// The probe: track index 0, C0 H0 R3 N1, at most 256 bytes.
constexpr int kProbeTrack = 0, kProbeC = 0, kProbeH = 0, kProbeR = 3,
              kProbeN = 1;
constexpr int kProbeBytes = 256;
constexpr std::uint8_t kRecognitionByte = 0xE5;

// The cut: from track index 1, C0 H1 R1 N3, 16,126 bytes after skipping 2.
constexpr int kCutTrack = 1, kCutC = 0, kCutH = 1, kCutR = 1, kCutN = 3;
constexpr int kCutSkip = 2;
constexpr int kCutLength = 16126;
constexpr int kDataSectorsPerTrack = 5;

constexpr int kTrackBufferBytes = 409600;

// Selects the images of `image` in catalogue order and probes each into the
// start of `trackBuffer` (kTrackBufferBytes long) until one is recognised by
// trackBuffer[0]. Returns its index, left selected with the sector range set
// to 1 to 5 for the cut; -1 when no image is recognised.
int findDriverDisk(D88Image& image, std::uint8_t* trackBuffer);

}  // namespace driver

#endif  // TOVAKCUT_DRIVER_DISK_H_
