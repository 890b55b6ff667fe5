#include "params/block_table.h"

#include <algorithm>
#include <span>

namespace morvelin {

int DefaultBandFreq(int curveGroup, int band) {
  std::span<const int> row;
  switch (curveGroup) {
    case kGroupMic:
      row = kDefaultFreqMic;
      break;
    case kGroupEffect:
    case kGroupHidden:
      row = kDefaultFreqEffect;
      break;
    case kGroupDeq:
      row = kDefaultFreqDeq;
      break;
    default:
      row = kDefaultFreqMusicOutput;
      break;
  }
  return row[std::clamp<std::size_t>(band < 0 ? 0 : band, 0, row.size() - 1)];
}

}  // namespace morvelin
