// Drives D88Image over the input as both tools and a careful caller would,
// and compares every answer and every byte with the plain reference reading.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "d88/d88_image.h"
#include "fuzz/fuzz_support.h"
#include "fuzz/reference_reader.h"

namespace {

constexpr std::uint8_t kGuard = 0xA5;
constexpr int kGuardBytes = 64;
constexpr int kLargest = 4 * 65536;

// A view of `length` bytes followed by guard bytes, all set to the guard, in
// one of two fixed buffers (one for the reader, one for the reference).
class Guarded {
 public:
  Guarded(int length, int slot)
      : length_(static_cast<std::size_t>(std::max(length, 0))),
        bytes_(storage[slot]) {
    std::memset(bytes_, kGuard, length_ + kGuardBytes);
  }
  std::uint8_t* data() { return bytes_; }
  // True when nothing from `from` on was written.
  bool untouchedFrom(int from) const {
    const std::size_t rest =
        length_ + kGuardBytes - static_cast<std::size_t>(from);
    return std::memcmp(bytes_ + from, guard, rest) == 0;
  }
  bool operator==(const Guarded& other) const {
    return length_ == other.length_ &&
           std::memcmp(bytes_, other.bytes_, length_ + kGuardBytes) == 0;
  }

 private:
  static std::uint8_t storage[2][kLargest + kGuardBytes];
  static const std::vector<std::uint8_t> guardBytes;
  static const std::uint8_t* const guard;
  std::size_t length_;
  std::uint8_t* bytes_;
};

std::uint8_t Guarded::storage[2][kLargest + kGuardBytes];
const std::vector<std::uint8_t> Guarded::guardBytes(kLargest + kGuardBytes,
                                                    kGuard);
const std::uint8_t* const Guarded::guard = Guarded::guardBytes.data();

void compareSector(D88Image& image, const reference::Reader& ref, int t,
                   const std::uint8_t* id) {
  for (int max : {0, 1, 7, 128, 256, 1000, 1024, 5000}) {
    Guarded got(max, 0), want(max, 1);
    const int n =
        image.readSector(t, id[0], id[1], id[2], id[3], got.data(), max);
    const int m =
        ref.readSector(t, id[0], id[1], id[2], id[3], want.data(), max);
    FUZZ_CHECK(n == m);
    FUZZ_CHECK(n >= 0 && n <= std::max(max, 0));
    FUZZ_CHECK(got.untouchedFrom(n));
    FUZZ_CHECK(got == want);
  }
}

void compareRuns(D88Image& image, const reference::Reader& ref, int t,
                 const std::uint8_t* id) {
  const int ranges[][2] = {{1, 5}, {1, 16}, {id[2], id[2]}};
  for (const auto& range : ranges) {
    image.setSectorRange(range[0], range[1]);
    for (int n : {-1, 0, 1, 3, 24, static_cast<int>(id[3])}) {
      for (int total : {0, 100, 5120, 16128}) {
        Guarded got(total, 0), want(total, 1);
        const int a =
            image.readSectors(t, id[0], id[1], id[2], n, got.data(), total);
        const int b = ref.readSectors(t, id[0], id[1], id[2], n, want.data(),
                                      total, range[0], range[1]);
        FUZZ_CHECK(a == b);
        FUZZ_CHECK(a >= 0 && a <= total);
        FUZZ_CHECK(got.untouchedFrom(total));
        FUZZ_CHECK(got == want);
      }
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  const char* path = fuzz::inputFile(data, size);
  FUZZ_CHECK(!D88Image().selectImage(0));
  // One reader for all inputs: each open releases the file of the last.
  static D88Image image;
  FUZZ_CHECK(image.open(path));
  reference::Reader ref(data, size);
  const int count = image.imageCount();
  FUZZ_CHECK(count == ref.imageCount());
  FUZZ_CHECK(count >= 0 && count <= 64);

  for (int i = -1; i <= count; ++i) {
    const bool selected = image.selectImage(i);
    FUZZ_CHECK(selected == ref.select(i));
    FUZZ_CHECK(std::strcmp(image.diskName(), ref.name()) == 0);
    FUZZ_CHECK(image.mediaType() == ref.media());
    if (!selected) continue;

    int sectorsTried = 0;
    for (int t = -1; t <= 164; ++t) {
      // Short buffers, then one that holds every record the walk can visit
      // (only where the track has records at all).
      int listed = 0;
      for (int length : {0, 3, 10, 4 * 1024, kLargest}) {
        if (length > 4 * 1024 && listed < 4 * 1024) break;
        Guarded got(length, 0), want(length, 1);
        const int n = image.listSectorIds(t, got.data(), length);
        FUZZ_CHECK(n == ref.listSectorIds(t, want.data(), length));
        FUZZ_CHECK(n >= 0 && n <= length && n % 4 == 0);
        FUZZ_CHECK(got.untouchedFrom(n));
        FUZZ_CHECK(got == want);
        listed = n;
        if (length != 4 * 1024) continue;
        // Every listed identifier, up to a budget per image.
        const std::vector<std::uint8_t> ids(got.data(), got.data() + n);
        for (int e = 0; e < n && sectorsTried < 64; e += 4, ++sectorsTried) {
          compareSector(image, ref, t, ids.data() + e);
          if (e == 0 && t < 4) compareRuns(image, ref, t, ids.data() + e);
        }
      }
    }
    const std::uint8_t standard[4] = {0, 0, 1, 3};
    compareRuns(image, ref, 0, standard);
  }
  FUZZ_CHECK(image.open(nullptr));
  FUZZ_CHECK(image.imageCount() == 0 && !image.selectImage(0));
  return 0;
}
