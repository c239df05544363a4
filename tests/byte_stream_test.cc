// The reader's own read window, against the file's bytes in memory: every
// read and view after any seek or skip must give exactly the file's bytes,
// however the window grows, restarts or meets the end of the file.
#include "d88/byte_stream.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "tests/d88_writer.h"
#include "tests/tool_runner.h"

using namespace d88test;

namespace {

constexpr int kWindow = d88::ByteStream::kWindowCapacity;

// What read(count) at `position` must give.
Bytes expected(const Bytes& file, std::int64_t position, int count) {
  if (position < 0 || position >= static_cast<std::int64_t>(file.size())) {
    return Bytes();
  }
  const std::size_t from = static_cast<std::size_t>(position);
  const std::size_t n =
      std::min(file.size() - from, static_cast<std::size_t>(count));
  return Bytes(file.begin() + static_cast<std::ptrdiff_t>(from),
               file.begin() + static_cast<std::ptrdiff_t>(from + n));
}

TEST(ByteStreamTest, ReadsGiveTheFileBytesWhateverTheWindowDoes) {
  ScratchDir dir;
  Bytes file(3 * kWindow + 12345);
  for (std::size_t i = 0; i < file.size(); ++i) file[i] = pattern(9, i);
  ASSERT_TRUE(writeFile(dir.file("f"), file));
  d88::ByteStream stream;
  ASSERT_TRUE(stream.open(dir.file("f").c_str()));

  // A sequential pass through the whole file, in uneven pieces: the window
  // grows to its full size and restarts at its end.
  std::int64_t at = 0;
  std::vector<std::uint8_t> out(70000);
  for (int piece = 1; at < static_cast<std::int64_t>(file.size());
       piece = piece * 7 % 65521 + 1) {
    const int got = stream.read(out.data(), piece);
    ASSERT_EQ(Bytes(out.begin(), out.begin() + got), expected(file, at, piece))
        << at;
    at += got;
  }
  EXPECT_EQ(stream.read(out.data(), 10), 0);

  // Random seeks, skips, reads and views, including around the end.
  std::mt19937 random(5);
  std::int64_t position = at;  // where the pass left the stream
  for (int op = 0; op < 20000; ++op) {
    switch (random() % 5) {
      case 0:
        position = static_cast<std::int64_t>(random() % (file.size() + 100));
        stream.seek(position);
        break;
      case 1: {
        const int n = static_cast<int>(random() % 3000);
        stream.skip(n);
        position += n;
        break;
      }
      case 2: {
        const int n = static_cast<int>(random() % 70000);
        const int got = stream.read(out.data(), n);
        ASSERT_EQ(Bytes(out.begin(), out.begin() + got),
                  expected(file, position, n))
            << "op " << op << " at " << position << " n " << n;
        position += got;
        break;
      }
      case 3: {
        const std::uint8_t* v = stream.view(16);
        const Bytes want = expected(file, position, 16);
        if (want.size() == 16) {
          ASSERT_NE(v, nullptr);
          ASSERT_EQ(Bytes(v, v + 16), want);
          position += 16;
        } else {
          ASSERT_EQ(v, nullptr);
          position += static_cast<std::int64_t>(want.size());
        }
        break;
      }
      default:
        stream.dropWindow();
        break;
    }
  }
}

TEST(ByteStreamTest, NegativePositionsAndClosedStreamsReadNothing) {
  ScratchDir dir;
  ASSERT_TRUE(writeFile(dir.file("f"), Bytes(100, 7)));
  d88::ByteStream stream;
  std::uint8_t out[8] = {};
  EXPECT_EQ(stream.read(out, 8), 0);
  ASSERT_TRUE(stream.open(dir.file("f").c_str()));
  stream.seek(-4);
  EXPECT_EQ(stream.read(out, 8), 0);
  EXPECT_EQ(stream.view(4), nullptr);
  stream.seek(0);
  EXPECT_EQ(stream.view(d88::ByteStream::kMaxView + 1), nullptr);
  EXPECT_EQ(stream.read(out, 1), 1);  // the refused view moved nothing
  stream.seek(96);
  EXPECT_EQ(stream.read(out, 8), 4);
  stream.close();
  stream.seek(0);
  EXPECT_EQ(stream.read(out, 8), 0);
  EXPECT_FALSE(stream.open(dir.path().c_str()));
  EXPECT_FALSE(stream.isOpen());
}

}  // namespace
