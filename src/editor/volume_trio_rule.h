#pragma once
// The system volume sliders of one source (normal, start, maximum): the normal volume rises one
// step per change, lowering is free, and nothing stays above the maximum.

#include <array>
#include <optional>
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

// The system volume words of block 29: three sources, each with a normal, start and maximum word.
enum VolumeSource : int { kMicVolume = 0, kMusicVolume = 1, kEffectVolume = 2 };
struct VolumeSlot {
  int source;
  int which;  // kNormalBar, kStartBar, kMaxBar
  friend bool operator==(const VolumeSlot&, const VolumeSlot&) = default;
};
// The slot of a volume word's address; nullopt for any other address.
std::optional<VolumeSlot> VolumeSlotOf(int address);
// The address of a source's volume word.
int VolumeAddressOf(int source, int which);

}  // namespace morvelin
