#include "link/frame_dispatcher.h"

#include <algorithm>
#include <cstdio>

namespace morvelin {

namespace {

constexpr int kDataStart = 6;
constexpr int kIndexModeName = 0;
constexpr int kIndexPanelPass = 5;
constexpr int kIndexSystemPass = 7;
constexpr int kIndexLinkCode = 48;
constexpr int kIndexDeviceId = 64;
constexpr int kDeviceIdBytes = 4;

std::string ModeNameText(const Bytes& data) {
  // A reply of exactly 21 bytes carries no usable name; longer ones are cut to 20.
  std::size_t n = data.size();
  if (n > kModeNameLength + 1) n = kModeNameLength;
  std::string text;
  for (std::size_t k = 0; k < n; ++k) {
    const std::uint8_t c = data[k];
    text.push_back((c < 0x1E || c > 0x7F) ? '?' : static_cast<char>(c));
  }
  return text;
}

}  // namespace

DispatchResult DispatchFrame(const Bytes& f, ParamStore& store, int modeNameSlot) {
  DispatchResult result;
  if (f.size() < 7) return result;
  const int length = f[2];
  const int block = f[4];
  const int index = f[5];
  // Data bytes lie between the address and the checksum; the length byte cannot claim more.
  const std::size_t dataCount =
      std::min<std::size_t>(length >= 4 ? static_cast<std::size_t>(length - 4) : 0, f.size() - 7);
  const Bytes data(f.begin() + kDataStart, f.begin() + kDataStart + static_cast<std::ptrdiff_t>(dataCount));

  if (block < kStatusBlock) {
    const int words = static_cast<int>(dataCount / 2);
    for (int k = 0; k < words && index + k < kBlockWords; ++k)
      store.DeviceImage[block][index + k] = data[2 * k] + 256 * data[2 * k + 1];
    return result;
  }

  UnitInfo& unit = store.Unit;
  switch (index) {
    case kIndexModeName: {
      const std::string name = ModeNameText(data);
      if (name.size() <= kModeNameLength && modeNameSlot >= 0 && modeNameSlot < kModeCount) {
        unit.ModeNames[modeNameSlot] = name;
        result.modeNameStored = true;
      }
      return result;
    }
    case kIndexPanelPass:
      unit.PanelPassword.assign(data.begin(), data.end());
      return result;
    case kIndexSystemPass:
      unit.SystemPassword.assign(data.begin(), data.end());
      return result;
    case 11:
    case 12:  // digit strings the editor has no use for
    case 15:
    case 16:
    case kIndexLinkCode:
      return result;
    case kIndexDeviceId: {
      std::string id;
      for (std::size_t k = 0; k < kDeviceIdBytes && k < data.size(); ++k) {
        char buf[4];
        std::snprintf(buf, sizeof buf, "%02X", data[k]);
        id += buf;
      }
      result.deviceIdReported = true;
      unit.DeviceId = id;
      return result;
    }
    default:
      break;
  }
  if (index < kIndexLinkCode && block == kStatusBlock && !data.empty()) {
    const int high = data.size() > 1 ? data[1] : 0;
    store.DeviceImage[block][index] = data[0] + 256 * high;
  }
  return result;
}

std::array<std::string, kModeNameSlots> ModeListEntries(const UnitInfo& unit) {
  std::array<std::string, kModeNameSlots> entries;
  for (int i = 0; i < kModeNameSlots; ++i) {
    const std::string number = i < kModeCount ? std::to_string(i + 1) : "MF" + std::to_string(i - 15);
    entries[i] = number + "-" + unit.ModeNames[i];
  }
  return entries;
}

}  // namespace morvelin
