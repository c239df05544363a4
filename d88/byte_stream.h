// A read-only byte stream over one file with a read window of its own.
//
// The stream keeps a logical position. seek() and skip() only move that
// position; bytes are fetched from the file when read() asks for bytes that
// the window does not hold. A read that continues where the window ends grows
// the window (up to kWindowCapacity), so a run of reads through one track is
// served from memory when the walk comes back to the track's start; a read
// elsewhere starts a small new window at the position asked for.
#ifndef D88_BYTE_STREAM_H_
#define D88_BYTE_STREAM_H_

#include <cstdint>
#include <cstdio>
#include <memory>

namespace d88 {

class ByteStream {
 public:
  static constexpr int kWindowCapacity = 1 << 20;
  static constexpr int kFirstFill = 16 << 10;

  ByteStream() = default;
  ByteStream(const ByteStream&) = delete;
  ByteStream& operator=(const ByteStream&) = delete;
  ~ByteStream() { close(); }

  // Opens `path` for reading, releasing any file held before. False when the
  // file cannot be opened or is a directory; the stream is then closed.
  bool open(const char* path);
  void close();
  bool isOpen() const { return file_ != nullptr; }

  // Sets the position to `offset` bytes from the start of the file.
  void seek(std::int64_t offset) { position_ = offset; }
  // Forgets the window, so that the next read fetches from the file again.
  void dropWindow() { windowLength_ = 0; }
  // Moves the position forward by `count` bytes without reading them.
  void skip(std::int64_t count) { position_ += count; }

  // Copies up to `count` bytes from the position into `out` and moves the
  // position past them. Returns the number copied: fewer than `count` only
  // when the file ends, cannot be read or cannot be positioned there.
  int read(std::uint8_t* out, int count);

  // Like read() for up to kMaxView bytes, without copying them when the
  // window holds them: returns where the `count` bytes can be read until the
  // next call on the stream, or null (the position then past what there
  // was) when fewer than `count` bytes can be read. A `count` outside 0 to
  // kMaxView gives null and reads nothing.
  static constexpr int kMaxView = 16;
  const std::uint8_t* view(int count);

 private:
  // Makes the window hold bytes from position_ on. False when none can be had.
  bool fill();

  std::FILE* file_ = nullptr;
  std::unique_ptr<std::uint8_t[]> window_;
  std::int64_t windowStart_ = 0;    // file offset of window_[0]
  int windowLength_ = 0;            // bytes of window_ that hold file data
  std::int64_t filePosition_ = -1;  // where the file itself stands; -1 unknown
  std::int64_t position_ = 0;
  std::uint8_t spill_[kMaxView] = {};  // view() of bytes across a refill
};

}  // namespace d88

#endif  // D88_BYTE_STREAM_H_
