#pragma once
// Splits what the unit sent into its answers: acknowledgements (2 bytes) and reports (whole
// frames). Bytes outside a frame are counted as noise.

#include <cstdint>
#include <vector>

#include "platform/serial_port.h"

namespace morvelin::test {

inline const Bytes kAck{0xEE, 0xBB};

struct Answers {
  std::vector<Bytes> frames;
  std::size_t noise = 0;
  std::size_t incomplete = 0;  // bytes of an unfinished frame at the end
};

inline Answers SplitAnswers(const Bytes& bytes) {
  Answers a;
  std::size_t i = 0;
  while (i < bytes.size()) {
    if (bytes[i] == 0xEE && i + 1 < bytes.size()) {
      a.frames.push_back({bytes[i], bytes[i + 1]});
      i += 2;
    } else if (bytes[i] == 0xF5 && i + 2 < bytes.size() && i + 3 + bytes[i + 2] <= bytes.size()) {
      const std::size_t n = 3 + bytes[i + 2];
      a.frames.emplace_back(bytes.begin() + static_cast<std::ptrdiff_t>(i),
                            bytes.begin() + static_cast<std::ptrdiff_t>(i + n));
      i += n;
    } else if (bytes[i] == 0xF5 || bytes[i] == 0xEE) {
      a.incomplete = bytes.size() - i;
      break;
    } else {
      ++a.noise;
      ++i;
    }
  }
  return a;
}

inline int ReportAddress(const Bytes& f) {
  return f[4] * 256 + f[5];
}
inline Bytes ReportData(const Bytes& f) {
  return Bytes(f.begin() + 6, f.end() - 1);
}

}  // namespace morvelin::test
