#pragma once
// The drawn dB response of one equaliser band or high-pass/low-pass filter on the grid.

#include <span>

#include "graphs/filter_type.h"
#include "graphs/response_grid.h"

namespace morvelin {

// Fills destination[0..GridSteps]. The gain is used by peaking and shelving bands only; q is
// the Q of a peaking band and the slope S of a shelf. A pass kind 13..19 leaves the
// destination as it was.
void BandResponse(std::span<float, GridPoints> destination, int frequencyHz, float gainDb, float q,
                  FilterTypeCode code);

// The Q actually drawn: the five highest Q list values are drawn narrower.
float DrawnQ(float q);

}  // namespace morvelin
