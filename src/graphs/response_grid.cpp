#include "graphs/response_grid.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace morvelin {

int NearestEven(double x) {
  if (std::isnan(x)) return 0;
  if (x >= static_cast<double>(INT_MAX)) return INT_MAX;
  if (x <= static_cast<double>(INT_MIN)) return INT_MIN;
  return static_cast<int>(std::nearbyint(x));
}

double FreqToGrid(double hz) {
  return (std::log10(std::max(hz, 1.0)) - 1.0) * GridSteps / AxisDecades;
}

double GridToFreq(double grid) {
  return std::pow(10.0, grid * AxisDecades / GridSteps + 1.0);
}

int GridIndexOf(double hz) {
  return std::clamp(NearestEven(FreqToGrid(hz)), 0, GridSteps);
}

int SnapToGrid(double hz) {
  return NearestEven(GridToFreq(NearestEven(FreqToGrid(hz))));
}

}  // namespace morvelin
