#pragma once
// The logarithmic frequency grid on which responses and curve points are held: 462 steps
// from 10 Hz to 24000 Hz.

#include <array>

namespace morvelin {

inline constexpr int GridSteps = 462;
inline constexpr int GridPoints = GridSteps + 1;
inline constexpr double AxisDecades = 3.380211241711606;  // log10(24000 / 10)

// One dB value per grid point.
using Response = std::array<float, GridPoints>;

// Grid position of a frequency; anything below 1 Hz counts as 1 Hz.
double FreqToGrid(double hz);
double GridToFreq(double grid);

// The grid index a frequency is drawn at, kept within 0..GridSteps.
int GridIndexOf(double hz);

// A band frequency snapped to the grid in whole Hz: the frequency of its nearest grid index.
int SnapToGrid(double hz);

}  // namespace morvelin
