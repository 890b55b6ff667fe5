#pragma once
// The combined response of one device block: the sum in dB of its bands and filters on the
// response grid, and its text form for the command line.

#include <optional>
#include <ostream>
#include <string>

#include "graphs/curve_layout.h"
#include "graphs/response_grid.h"

namespace morvelin {

// Sum of the responses of the given entries.
Response SumResponses(const std::vector<CurveEntry>& entries);

// The curve of device block 0..27 read from the device image with its page's layout (the music
// block from its left bank). nullopt for a block without a curve (28 and above, or negative).
std::optional<Response> BlockCurve(const Image& device, int block);

// "index,frequency_hz,db", then one row per grid point: index, grid frequency with 2 decimals
// and dB with 4 decimals.
void WriteCurveCsv(std::ostream& out, const Response& curve);
std::string CurveCsv(const Response& curve);

}  // namespace morvelin
