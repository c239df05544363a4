#include "d88/byte_stream.h"

#include <algorithm>
#include <cstring>

#include "d88/platform.h"

namespace d88 {

bool ByteStream::open(const char* path) {
  close();
  file_ = platform::openForReading(path);
  if (file_ == nullptr) return false;
  if (!window_) window_.reset(new std::uint8_t[kWindowCapacity]);
  filePosition_ = 0;
  return true;
}

void ByteStream::close() {
  if (file_ != nullptr) (void)std::fclose(file_);  // read-only: nothing to lose
  file_ = nullptr;
  windowStart_ = 0;
  windowLength_ = 0;
  filePosition_ = -1;
  position_ = 0;
}

int ByteStream::read(std::uint8_t* out, int count) {
  int done = 0;
  while (done < count) {
    const std::int64_t windowEnd = windowStart_ + windowLength_;
    if (position_ < windowStart_ || position_ >= windowEnd) {
      if (!fill()) break;
      continue;
    }
    const std::int64_t available = windowEnd - position_;
    const int n =
        static_cast<int>(std::min<std::int64_t>(available, count - done));
    std::memcpy(out + done, window_.get() + (position_ - windowStart_),
                static_cast<std::size_t>(n));
    done += n;
    position_ += n;
  }
  return done;
}

const std::uint8_t* ByteStream::view(int count) {
  if (count < 0 || count > kMaxView) return nullptr;  // spill_ holds no more
  if (position_ >= windowStart_ &&
      position_ + count <= windowStart_ + windowLength_) {
    const std::uint8_t* here = window_.get() + (position_ - windowStart_);
    position_ += count;
    return here;
  }
  return read(spill_, count) == count ? spill_ : nullptr;
}

bool ByteStream::fill() {
  if (file_ == nullptr || position_ < 0) return false;
  const std::int64_t windowEnd = windowStart_ + windowLength_;
  std::uint8_t* target = nullptr;
  int want = 0;
  if (position_ == windowEnd && windowLength_ > 0 &&
      windowLength_ < kWindowCapacity) {
    // Reading on where the window ends: grow it, doubling each time.
    target = window_.get() + windowLength_;
    want = std::min(kWindowCapacity - windowLength_,
                    std::max(kFirstFill, windowLength_));
  } else {
    // Elsewhere: a new window. A sequential reader that has filled the whole
    // window gets a whole one again; a jump gets a small first fill.
    want = (position_ == windowEnd && windowLength_ > 0) ? kWindowCapacity
                                                         : kFirstFill;
    windowStart_ = position_;
    windowLength_ = 0;
    target = window_.get();
  }
  if (filePosition_ != position_) {
    if (!platform::seekTo(file_, position_)) {
      filePosition_ = -1;
      return false;
    }
    filePosition_ = position_;
  }
  const std::size_t got =
      std::fread(target, 1, static_cast<std::size_t>(want), file_);
  if (got == 0) {
    std::clearerr(file_);
    filePosition_ = -1;
    return false;
  }
  windowLength_ += static_cast<int>(got);
  filePosition_ += static_cast<std::int64_t>(got);
  return true;
}

}  // namespace d88
