// A second, deliberately plain reading of a D88 file held in memory, for the
// fuzzers to compare the real reader against. It follows the format rules
// step by step and cares nothing for speed.
#ifndef FUZZ_REFERENCE_READER_H_
#define FUZZ_REFERENCE_READER_H_

#include <cstdint>
#include <cstring>
#include <vector>

namespace reference {

inline std::int64_t le(const std::uint8_t* p, int bytes) {
  std::uint64_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = v << 8 | p[i];
  return static_cast<std::int64_t>(v);
}

inline std::int32_t le32(const std::uint8_t* p) {
  const std::int64_t v = le(p, 4);
  return static_cast<std::int32_t>(v >= 0x80000000LL ? v - 0x100000000LL : v);
}

class Reader {
 public:
  Reader(const std::uint8_t* data, std::size_t size)
      : data_(data), size_(size) {
    std::int64_t offset = 0;
    while (starts_.size() < 64) {
      if (offset < 0 || offset + 688 > static_cast<std::int64_t>(size_)) break;
      starts_.push_back(offset);
      offset += le32(data_ + offset + 28);
      if (offset > 0x7FFFFFFFLL) offset -= 0x100000000LL;
      if (offset < -0x80000000LL) offset += 0x100000000LL;
    }
  }

  int imageCount() const { return static_cast<int>(starts_.size()); }

  bool select(int index) {
    start_ = -1;
    size32_ = 0;
    media_ = -1;
    std::memset(name_, 0, sizeof name_);
    if (index < 0 || index >= imageCount()) return false;
    start_ = starts_[static_cast<std::size_t>(index)];
    const std::uint8_t* h = data_ + start_;
    for (int t = 0; t < 164; ++t) table_[t] = le32(h + 32 + 4 * t);
    media_ = h[27];
    size32_ = le32(h + 28);
    for (int i = 0; i < 16 && h[i] != 0; ++i)
      name_[i] = static_cast<char>(h[i]);
    return true;
  }

  const char* name() const { return name_; }
  int media() const { return media_; }

  int readSector(int t, int c, int h, int r, int n, std::uint8_t* out,
                 int max) const {
    std::int64_t pos = trackStart(t);
    if (pos < 0 || max <= 0) return 0;
    for (int p = 0; p < 65535; ++p) {
      if (pos + 16 > static_cast<std::int64_t>(size_)) return 0;
      const std::uint8_t* rec = data_ + pos;
      const int count = static_cast<int>(le(rec + 4, 2));
      const int length = static_cast<int>(le(rec + 14, 2));
      if (count == 0) return 0;
      if (rec[0] == c && rec[1] == h && rec[2] == r && rec[3] == n) {
        std::int64_t k = length < max ? length : max;
        const std::int64_t there =
            static_cast<std::int64_t>(size_) - (pos + 16);
        if (k > there) k = there;
        if (k <= 0) return 0;
        std::memcpy(out, rec + 16, static_cast<std::size_t>(k));
        return static_cast<int>(k);
      }
      pos += 16 + length;
      if (p == count - 1) return 0;
    }
    return 0;
  }

  int readSectors(int t, int c, int h, int r, int n, std::uint8_t* out,
                  int total, int first, int last) const {
    if (n < 0 || n > 23) return 0;
    int piece = 128 << n, sum = 0;
    while (sum < total) {
      if (piece > total - sum) piece = total - sum;
      if (readSector(t, c, h, r, n, out + sum, piece) < piece) return sum;
      sum += piece;
      if (r == last) {
        ++t;
        if (h == 0) {
          h = 1;
        } else {
          h = 0;
          ++c;
        }
        r = first;
      } else {
        ++r;
      }
    }
    return sum;
  }

  int listSectorIds(int t, std::uint8_t* out, int length) const {
    std::int64_t pos = trackStart(t);
    if (pos < 0) return 0;
    int written = 0;
    for (int p = 0; p < 65535 && (p + 1) * 4 <= length; ++p) {
      if (pos + 16 > static_cast<std::int64_t>(size_)) break;
      const std::uint8_t* rec = data_ + pos;
      const int count = static_cast<int>(le(rec + 4, 2));
      if (count == 0) break;
      std::memcpy(out + written, rec, 4);
      written += 4;
      pos += 16 + le(rec + 14, 2);
      if (p == count - 1) break;
    }
    return written;
  }

 private:
  std::int64_t trackStart(int t) const {
    if (t < 0 || t >= 164 || start_ < 0) return -1;
    const std::int32_t entry = table_[t];
    if (entry <= 0 || entry > size32_) return -1;
    return start_ + entry;
  }

  const std::uint8_t* data_;
  std::size_t size_;
  std::vector<std::int64_t> starts_;
  std::int64_t start_ = -1;
  std::int32_t size32_ = 0;
  std::int32_t table_[164] = {};
  int media_ = -1;
  char name_[17] = {};
};

}  // namespace reference

#endif  // FUZZ_REFERENCE_READER_H_
