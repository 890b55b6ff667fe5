#pragma once
// The system volume sliders of one source (normal, start, maximum): the normal volume rises one
// step per change, lowering is free, and nothing stays above the maximum.

#include <array>
#include <string>

#include "params/scales.h"

namespace morvelin {

struct VolumeTrioChange {
  VolumeBars bars;                     // the positions to show, store and remember
  std::array<bool, 3> writes{};        // bars to write with SetParam: the moved one and any pulled down
  std::array<std::string, 3> panes{};  // the new pane texts of the bars written
};

// `before`: the remembered positions of the three sliders before the move; `which` the moved
// slider (kNormalBar, kStartBar, kMaxBar) and `position` where it went. While `sendSuppressed`
// (a refresh from the store) positions are taken as they are.
VolumeTrioChange MoveVolumeBar(VolumeBars before, int which, int position, bool sendSuppressed);

}  // namespace morvelin
