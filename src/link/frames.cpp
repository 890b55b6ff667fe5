#include "link/frames.h"

#include <algorithm>

namespace morvelin {

std::uint8_t FrameChecksum(std::span<const std::uint8_t> f) {
  unsigned sum = f.empty() ? 0 : f[0];
  for (std::size_t k = 3; k < f.size(); ++k) sum += f[k];
  return static_cast<std::uint8_t>(sum & 0xFF);
}

Bytes ParamFrame(std::uint8_t type, int address, std::span<const std::uint8_t> data) {
  const std::size_t n = std::min<std::size_t>(data.size(), kMaxFrameData);
  Bytes f{kFrameStart,
          kFrameStart2,
          static_cast<std::uint8_t>(n + 4),
          type,
          static_cast<std::uint8_t>((address >> 8) & 0xFF),
          static_cast<std::uint8_t>(address & 0xFF)};
  f.reserve(n + 7);
  for (std::size_t k = 0; k < n; ++k) f.push_back(data[k]);
  f.push_back(FrameChecksum(f));
  return f;
}

Bytes WordFrame(std::uint8_t type, int address, int value) {
  const std::uint8_t data[2] = {static_cast<std::uint8_t>(value & 0xFF),
                                static_cast<std::uint8_t>((value >> 8) & 0xFF)};
  return ParamFrame(type, address, data);
}

Bytes LinkCodeFrame(int code) {
  return WordFrame(WriteType, LinkCodeAddr, code);
}

Bytes TextFrame(int address, const std::string& text) {
  Bytes data(text.begin(), text.end());
  if (address == ModeSaveAddr) data.resize(kModeSaveDataLength, ' ');
  return ParamFrame(WriteType, address, data);
}

}  // namespace morvelin
