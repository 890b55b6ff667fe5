#pragma once
// Band shapes designed once as digital biquads centred at the normalised angle pi/2, sampled
// on the grid's number of points, then shifted along the grid to a band's frequency. The
// drawn width comes from the Q scaling or the index warp, never from the band frequency.

#include <array>
#include <span>

#include "graphs/filter_type.h"
#include "graphs/response_grid.h"

namespace morvelin {

using ResponseTemplate = std::array<float, GridPoints>;

// Prototype angle pi/2 as a float, with its cosine and sine taken of that float.
inline constexpr float kPrototypeAngle = 1.5707964f;

struct Biquad {
  float b0, b1, b2, a0, a1, a2;
};

// Cuts of the index warp: shelves test j >= 108, pass filters j > 126.
inline constexpr int kShelfWarpCut = 108;
inline constexpr int kPassWarpCut = 126;

// Normalised angular frequency of template index j (0..GridSteps) under the warp that squeezes
// the whole band 0..pi into the template indexes cut..GridSteps - cut.
float IndexWarp(int j, int cut, bool inclusive);

// 20 log10 |H(e^jw)| of a biquad at w, by the closed form the templates are sampled with;
// `numerator` and `denominator` receive the two magnitude-squared terms when given.
float BiquadDb(const Biquad& f, float w, float* numerator = nullptr, float* denominator = nullptr);

ResponseTemplate PeakTemplate(float gainDb, float q);
// q is the slope S, counted as at most 4.
ResponseTemplate ShelfTemplate(float gainDb, float q, bool high);
ResponseTemplate LowPassTemplate(const PassSection& section);
ResponseTemplate HighPassTemplate(const PassSection& section);

// Writes destination[0..GridSteps] from the template with its centre sample at the grid index
// of frequencyHz (10 Hz or less is drawn at 10 Hz).
void PlaceTemplate(const ResponseTemplate& t, double frequencyHz, std::span<float, GridPoints> destination);

}  // namespace morvelin
