#include "editor/volume_trio_rule.h"

#include <algorithm>

namespace morvelin {

namespace {

// The sliders in kNormalBar, kStartBar, kMaxBar order.
constexpr std::array<int VolumeBars::*, 3> kBars{&VolumeBars::normal, &VolumeBars::start, &VolumeBars::max};

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

}  // namespace morvelin
