#include "graphs/block_curve.h"

#include <charconv>
#include <sstream>
#include <string_view>

#include "graphs/band_response.h"
#include "params/scales.h"

namespace morvelin {

namespace {

// Fixed-point text independent of the locale; a value that rounds to zero has no sign.
std::string_view Fixed(char (&buffer)[64], double value, int decimals) {
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  std::string_view text(buffer, result.ptr - buffer);
  if (text.starts_with('-') && text.find_first_not_of("-0.") == std::string_view::npos) text.remove_prefix(1);
  return text;
}

}  // namespace

Response SumResponses(const std::vector<CurveEntry>& entries) {
  Response sum{};
  Response one;
  for (const CurveEntry& e : entries) {
    one.fill(0.0f);
    BandResponse(one, NearestInt(e.frequency), e.gain, e.q, e.type);
    for (int i = 0; i < GridPoints; ++i) sum[i] += one[i];
  }
  return sum;
}

std::optional<Response> BlockCurve(const Image& device, int block) {
  if (block < 0 || block >= kBlockCount || !CurveLayoutOf(block)) return std::nullopt;
  return SumResponses(CurveEntries(device[block], block));
}

void WriteCurveCsv(std::ostream& out, const Response& curve) {
  out << "index,frequency_hz,db\n";
  char buffer[64];
  for (int i = 0; i < GridPoints; ++i) {
    out << i << ',' << Fixed(buffer, GridToFreq(i), 2);
    out << ',' << Fixed(buffer, curve[i], 4) << '\n';
  }
}

std::string CurveCsv(const Response& curve) {
  std::ostringstream out;
  WriteCurveCsv(out, curve);
  return out.str();
}

}  // namespace morvelin
