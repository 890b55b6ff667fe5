#include "params/scales.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>

namespace morvelin {

namespace {

using Q = Quantity;
using S = ScaleSource;

// clang-format off
constexpr std::array<ScaleRow, kQuantityCount> kScales{{
    // quantity            min  max  source            num den offset dec unit
    {Q::BandFrequency,      0, 361, S::FreqTable,       1,  1,    0, 0, ""},
    {Q::FilterFrequency,    0, 361, S::FreqTable,       1,  1,    0, 0, "Hz"},
    {Q::BandGain,           0, 180, S::Linear,          1,  5,  -24, 1, ""},
    {Q::DeqBandGain,       60, 180, S::Linear,          1,  5,  -24, 1, ""},
    {Q::PeakQ,              0, 100, S::QTable,          1,  1,    0, 2, ""},
    {Q::ShelfQ,             0,  24, S::QTable,          1,  1,    0, 2, ""},
    {Q::BandType,           0,   3, S::BandTypeTable,   1,  1,    0, 0, ""},
    {Q::MusicInputGain,     0,  40, S::Linear,          1,  2,  -10, 1, "dB"},
    {Q::MicInputGain,       0,  40, S::Linear,          1,  2,  -10, 0, "dB"},
    {Q::Level,              0, 100, S::Linear,          1,  1,    0, 0, "%"},
    {Q::MixLevel,           0, 200, S::Linear,          1,  1,    0, 0, "%"},
    {Q::SubMusicMixLevel,   0, 200, S::Linear,          2,  1,    0, 0, "%"},
    {Q::EchoRightTime,      0, 100, S::Linear,          1,  1,  -50, 0, "%"},
    {Q::EchoTime,           0, 250, S::Linear,          2,  1,    0, 0, "ms"},
    {Q::ReverbTime,         0,  80, S::Linear,        125,  2,    0, 0, "ms"},
    {Q::EchoPreDelay,       0, 250, S::Linear,          1,  1, -100, 0, "ms"},
    {Q::OutputDelay,        0, 500, S::Linear,          1, 10,    0, 1, "ms"},
    {Q::OutputLimiter,      0,  34, S::Linear,          1,  1,  -20, 0, "dBu"},
    {Q::DeqLevel,           0,  60, S::Linear,          1,  1,  -60, 0, "dBu"},
    {Q::MicLimiter,         0,  34, S::Linear,          1,  1,  -34, 0, "dB"},
    {Q::NoiseGate,          0,  60, S::Linear,          1,  1,  -90, 0, "dB"},
    {Q::MusicKey,           0,  14, S::Linear,          1,  1,   -7, 0, ""},
    {Q::Feedback,           0,   4, S::Linear,          1,  1,    0, 0, ""},
    {Q::Ratio,              0,  40, S::RatioTable,      1,  1,    0, 0, ""},
    {Q::Release,            0,   7, S::ReleaseTable,    1,  1,    0, 0, ""},
    {Q::Attack,             0,  19, S::AttackTable,     1,  1,    0, 0, "ms"},
    {Q::SystemVolume,       0,  84, S::Linear,          1,  1,    0, 0, ""},
}};
// clang-format on

constexpr bool RowsInEnumOrder() {
  for (int k = 0; k < kQuantityCount; ++k)
    if (static_cast<int>(kScales[static_cast<std::size_t>(k)].quantity) != k) return false;
  return true;
}
static_assert(RowsInEnumOrder(), "scale rows must follow the Quantity order");

constexpr std::int64_t Pow10(int n) {
  std::int64_t p = 1;
  while (n-- > 0) p *= 10;
  return p;
}

// A fixed-point number `scaled` / 10^decimals as text; zero never carries a sign.
std::string FixedText(std::int64_t scaled, int decimals) {
  const std::int64_t unit = Pow10(decimals);
  const bool negative = scaled < 0;
  const std::uint64_t mag =
      negative ? 0 - static_cast<std::uint64_t>(scaled) : static_cast<std::uint64_t>(scaled);
  std::string text = negative ? "-" : "";
  text += std::to_string(mag / static_cast<std::uint64_t>(unit));
  if (decimals > 0) {
    std::string frac = std::to_string(mag % static_cast<std::uint64_t>(unit));
    text += '.';
    text.append(static_cast<std::size_t>(decimals) - frac.size(), '0');
    text += frac;
  }
  return text;
}

// n / d rounded to the nearest integer, halves away from zero (d > 0).
std::int64_t DivideRounded(std::int64_t n, std::int64_t d) {
  std::int64_t q = n / d;
  const std::int64_t r = n % d;
  if (2 * (r < 0 ? -r : r) >= d) q += n < 0 ? -1 : 1;
  return q;
}

std::string_view ListText(S source, int v) {
  switch (source) {
    case S::FreqTable:
      return FreqListAt(v);
    case S::QTable:
      return QListAt(v);
    case S::BandTypeTable:
      return BandTypeListAt(v);
    case S::RatioTable:
      return RatioListAt(v);
    case S::ReleaseTable:
      return ReleaseListAt(v);
    case S::AttackTable:
      return AttackListAt(v);
    case S::Linear:
      break;
  }
  return {};
}

}  // namespace

const ScaleRow& ScaleOf(Quantity q) {
  return kScales[static_cast<std::size_t>(std::clamp(static_cast<int>(q), 0, kQuantityCount - 1))];
}

int ScaleMin(Quantity q) {
  return ScaleOf(q).min;
}

int ScaleMax(Quantity q) {
  return ScaleOf(q).max;
}

int ClampToScale(Quantity q, int word) {
  const ScaleRow& row = ScaleOf(q);
  return std::clamp(word, row.min, row.max);
}

double ScaleValue(Quantity q, int word) {
  const ScaleRow& row = ScaleOf(q);
  const int v = std::clamp(word, row.min, row.max);
  switch (row.source) {
    case S::Linear:
      return static_cast<double>(v * row.num + row.offset * row.den) / row.den;  // one rounding only
    case S::FreqTable:
      return FreqNumber(v);
    case S::QTable:
      return QNumber(v);
    default:
      return v;
  }
}

std::string ScaleText(Quantity q, int word) {
  const ScaleRow& row = ScaleOf(q);
  const int v = std::clamp(word, row.min, row.max);
  std::string text;
  if (row.source == S::Linear) {
    // Exact: the shown value in units of the last digit is a ratio of small integers.
    const std::int64_t unit = Pow10(row.decimals);
    const std::int64_t n =
        (static_cast<std::int64_t>(v) * row.num + static_cast<std::int64_t>(row.offset) * row.den) * unit;
    text = FixedText(DivideRounded(n, row.den), row.decimals);
  } else {
    text = ListText(row.source, v);
  }
  text += row.unit;
  return text;
}

std::string FormatFixed(double value, int decimals) {
  decimals = std::clamp(decimals, 0, 6);
  const double scaled = std::round(value * static_cast<double>(Pow10(decimals)));
  if (std::isfinite(scaled) && std::fabs(scaled) < 1e15)
    return FixedText(static_cast<std::int64_t>(scaled), decimals);
  char buffer[400];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
  return buffer;
}

int NearestInt(double x) {
  if (std::isnan(x)) return 0;
  constexpr double lo = std::numeric_limits<int>::min();
  constexpr double hi = std::numeric_limits<int>::max();
  return static_cast<int>(std::clamp(std::nearbyint(x), lo, hi));
}

int FreqIndexOf(double hz) {
  if (std::isnan(hz)) return kFreqTop;
  // In millionths of a hertz a typed decimal keeps its exact value, so a midpoint between two
  // entries is an exact tie (as doubles, 21.1 lies a hair above the midpoint of 21.0 and 21.2).
  constexpr long long kPerTenth = 100000;
  const long long x = std::llround(std::clamp(hz, -1e7, 1e7) * 1e6);
  for (int i = 0; i < kFreqCount; ++i) {
    const long long entry = value_tables_detail::kFreqTenths[static_cast<std::size_t>(i)] * kPerTenth;
    if (x <= entry) {
      const long long below =
          i > 0 ? value_tables_detail::kFreqTenths[static_cast<std::size_t>(i) - 1] * kPerTenth : 0;
      if (i > 0 && entry - x >= x - below) return i - 1;
      return i;
    }
  }
  return kFreqTop;
}

int QIndexOf(double q) {
  for (int i = 0; i < kQCount; ++i)
    if (q <= QNumber(i)) return i;
  return kQCount;
}

int GainWordOf(double db) {
  // db * 5 + 120 rather than (db + 24) * 5: no rounding in the sum, so typed ties stay ties.
  return NearestInt(db * 5.0 + 120.0);
}

int HalfDbWordOf(double db) {
  return NearestInt(db * 2.0 + 20.0);
}

LinkedVolume LinkVolumeBars(VolumeBars bars, int which, bool sendSuppressed) {
  LinkedVolume out{bars, {}};
  VolumeBars& b = out.bars;
  const bool limit = !sendSuppressed;
  switch (which) {
    case kNormalBar:
      if (limit && b.normal > b.max) b.normal = b.max;
      out.pane = std::to_string(b.normal);
      break;
    case kStartBar:
      if (limit && b.start > b.max) b.start = b.max;
      out.pane = std::to_string(b.start);
      break;
    case kMaxBar:
      if (limit && b.start > b.max) b.start = b.max;
      if (limit && b.normal > b.max) b.normal = b.max;
      out.pane = std::to_string(b.max);
      break;
    default:
      break;
  }
  return out;
}

}  // namespace morvelin
