#include "graphs/response_grid.h"

#include <algorithm>
#include <cmath>

#include "params/scales.h"

namespace morvelin {

double FreqToGrid(double hz) {
  return (std::log10(std::max(hz, 1.0)) - 1.0) * GridSteps / AxisDecades;
}

double GridToFreq(double grid) {
  return std::pow(10.0, grid * AxisDecades / GridSteps + 1.0);
}

int GridIndexOf(double hz) {
  return std::clamp(NearestInt(FreqToGrid(hz)), 0, GridSteps);
}

int SnapToGrid(double hz) {
  return NearestInt(GridToFreq(NearestInt(FreqToGrid(hz))));
}

}  // namespace morvelin
