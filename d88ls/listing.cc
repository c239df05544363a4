#include "d88ls/listing.h"

#include <cstdint>

#include "d88/d88_format.h"
#include "d88/d88_image.h"

namespace listing {

namespace {

// Room for the longest listing a walk can give.
std::uint8_t ids[d88::kMaxRecordsPerTrack * d88::kSectorIdSize];

// Entry k of a listing.
const std::uint8_t* entry(const std::uint8_t* list, int k) {
  return list + static_cast<std::size_t>(k) * d88::kSectorIdSize;
}

void printMedia(int media, std::FILE* out) {
  const char* name = nullptr;
  switch (media) {
    case 0x00:
      name = "2D";
      break;
    case 0x10:
      name = "2DD";
      break;
    case 0x20:
      name = "2HD";
      break;
    case 0x30:
      name = "1D";
      break;
    case 0x40:
      name = "1DD";
      break;
    default:
      break;
  }
  if (name != nullptr) {
    (void)std::fprintf(out, "media %s (0x%02X)", name,
                       static_cast<unsigned>(media));
  } else {
    (void)std::fprintf(out, "media 0x%02X", static_cast<unsigned>(media));
  }
}

// True when the records of a listing of `count` entries run R, R+1, ...
// with one C, H and N.
bool isRun(const std::uint8_t* list, int count) {
  for (int k = 1; k < count; ++k) {
    const std::uint8_t* e = entry(list, k);
    if (e[0] != list[0] || e[1] != list[1] || e[3] != list[3] ||
        e[2] != list[2] + k) {
      return false;
    }
  }
  return count > 1;
}

// Prints one track line; answers whether it used the mark.
bool printTrack(int t, const std::uint8_t* list, int count, std::FILE* out) {
  (void)std::fprintf(out, "  track %d: %d record%s:", t, count,
                     count == 1 ? "" : "s");
  const auto odd = [t](const std::uint8_t* e) {
    return e[0] != t / 2 || e[1] != t % 2;
  };
  bool marked = false;
  if (isRun(list, count)) {
    const std::uint8_t* last = entry(list, count - 1);
    (void)std::fprintf(out, " C%u H%u R%u-%u N%u%s", list[0], list[1], list[2],
                       last[2], list[3], odd(list) ? " *" : "");
    marked = odd(list);
  } else {
    for (int k = 0; k < count; ++k) {
      const std::uint8_t* e = entry(list, k);
      (void)std::fprintf(out, " %u/%u/%u/%u%s", e[0], e[1], e[2], e[3],
                         odd(e) ? "*" : "");
      marked = marked || odd(e);
    }
  }
  (void)std::fputc('\n', out);
  return marked;
}

}  // namespace

void printListing(D88Image& image, std::FILE* out) {
  const int images = image.imageCount();
  if (images == 0) {
    (void)std::fputs("the file holds no disk image\n", out);
    return;
  }
  bool marked = false;
  for (int i = 0; i < images; ++i) {
    image.selectImage(i);
    int present = 0;
    for (int t = 0; t < d88::kTrackSlots; ++t) {
      if (image.listSectorIds(t, ids, d88::kSectorIdSize) > 0) ++present;
    }
    (void)std::fprintf(out, "image %d: \"%s\" ", i, image.diskName());
    printMedia(image.mediaType(), out);
    (void)std::fprintf(out, " size %d offset %d tracks %d\n",
                       image.selectedSize(), image.selectedOffset(), present);
    for (int t = 0; t < d88::kTrackSlots; ++t) {
      const int bytes =
          image.listSectorIds(t, ids, static_cast<int>(sizeof ids));
      if (bytes == 0) continue;
      if (printTrack(t, ids, bytes / d88::kSectorIdSize, out)) marked = true;
    }
  }
  if (marked) {
    (void)std::fputs(
        "* C or H differs from the track index (C = track / 2, H = track mod "
        "2)\n",
        out);
  }
}

}  // namespace listing
