#include "editor/volume_trio_rule.h"

#include <algorithm>

namespace morvelin {

namespace {

// The sliders in kNormalBar, kStartBar, kMaxBar order.
constexpr std::array<int VolumeBars::*, 3> kBars{&VolumeBars::normal, &VolumeBars::start, &VolumeBars::max};

constexpr int kVolumeBlock = 29;
// Word index per source (microphone, music, effect) and slider (normal, start, maximum).
constexpr std::array<std::array<int, 3>, 3> kVolumeWords{{{0, 3, 4}, {1, 5, 6}, {2, 7, 8}}};

}  // namespace

VolumeTrioChange MoveVolumeBar(VolumeBars before, int which, int position, bool sendSuppressed) {
  VolumeTrioChange out;
  if (which < kNormalBar || which > kMaxBar) {
    out.bars = before;
    return out;
  }
  position = ClampToScale(Quantity::SystemVolume, position);
  if (which == kNormalBar && !sendSuppressed && position > before.normal) position = before.normal + 1;
  VolumeBars moved = before;
  moved.*kBars[static_cast<std::size_t>(which)] = position;
  const LinkedVolume linked = LinkVolumeBars(moved, which, sendSuppressed);
  out.bars = linked.bars;
  for (std::size_t bar = 0; bar < kBars.size(); ++bar) {
    const int now = out.bars.*kBars[bar];
    out.writes[bar] = static_cast<int>(bar) == which || now != before.*kBars[bar];
    if (out.writes[bar]) out.panes[bar] = std::to_string(now);
  }
  out.panes[static_cast<std::size_t>(which)] = linked.pane;
  return out;
}

std::optional<VolumeSlot> VolumeSlotOf(int address) {
  if (address / 256 != kVolumeBlock || address < 0) return std::nullopt;
  for (int source = 0; source < 3; ++source)
    for (int which = 0; which < 3; ++which)
      if (kVolumeWords[static_cast<std::size_t>(source)][static_cast<std::size_t>(which)] == address % 256)
        return VolumeSlot{source, which};
  return std::nullopt;
}

int VolumeAddressOf(int source, int which) {
  const auto s = static_cast<std::size_t>(std::clamp(source, 0, 2));
  const auto w = static_cast<std::size_t>(std::clamp(which, 0, 2));
  return kVolumeBlock * 256 + kVolumeWords[s][w];
}

}  // namespace morvelin
