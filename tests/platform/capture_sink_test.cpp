#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "platform/qt_audio_capture.h"

namespace morvelin {
namespace {

TEST(CaptureSink, CutsWritesIntoWholeBuffersInOrder) {
  struct Case {
    std::vector<int> writes;
    int buffers;
  } cases[] = {
      {{1024}, 1},
      {{4096}, 4},
      {{1000}, 0},           // kept until the buffer is full
      {{500, 600, 948}, 2},  // pieces across writes
      {{1, 1023, 2047, 1}, 3},
      {{0, 1024, 0}, 1},
  };
  for (const Case& c : cases) {
    const int total = std::accumulate(c.writes.begin(), c.writes.end(), 0);
    std::vector<char> stream(total);
    for (int i = 0; i < total; ++i) stream[i] = char(i * 7 + i / 1024);
    std::vector<char> delivered;
    int buffers = 0;
    CaptureSink sink([&](const char* data, std::size_t size) {
      EXPECT_EQ(size, std::size_t(kCaptureBufferBytes));
      delivered.insert(delivered.end(), data, data + size);
      ++buffers;
    });
    int at = 0;
    for (int w : c.writes) {
      EXPECT_EQ(sink.write(stream.data() + at, w), w);
      at += w;
    }
    EXPECT_EQ(buffers, c.buffers) << total;
    ASSERT_EQ(delivered.size(), std::size_t(c.buffers) * kCaptureBufferBytes);
    EXPECT_TRUE(std::equal(delivered.begin(), delivered.end(), stream.begin())) << total;
  }
}

TEST(CaptureSink, WholeBuffersAreHandedOnInPlace) {
  std::vector<char> stream(3 * kCaptureBufferBytes);
  std::vector<const char*> seen;
  CaptureSink sink([&](const char* data, std::size_t) { seen.push_back(data); });
  sink.write(stream.data(), qint64(stream.size()));
  ASSERT_EQ(seen.size(), 3u);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(seen[i], stream.data() + i * kCaptureBufferBytes);
}

}  // namespace
}  // namespace morvelin
