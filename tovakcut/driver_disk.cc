#include "tovakcut/driver_disk.h"

#include "d88/d88_image.h"

namespace driver {

int findDriverDisk(D88Image& image, std::uint8_t* trackBuffer) {
  const int images = image.imageCount();
  for (int i = 0; i < images; ++i) {
    image.selectImage(i);
    image.setSectorRange(1, 16);
    image.readSector(kProbeTrack, kProbeC, kProbeH, kProbeR, kProbeN,
                     trackBuffer, kProbeBytes);
    image.setSectorRange(1, kDataSectorsPerTrack);
    // The buffer is never E5 before a probe (an E5 ends the search), so this
    // holds exactly when this image's probe sector begins with E5.
    if (trackBuffer[0] == kRecognitionByte) return i;
  }
  return -1;
}

}  // namespace driver
