#include "graphs/band_response.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "graphs/response_template.h"

namespace morvelin {

namespace {

struct QReplacement {
  float from, to;
};
constexpr std::array<QReplacement, 5> kQReplacements{
    {{102, 98}, {108, 100}, {114, 101}, {121, 102}, {128, 103}}};

// Words from the unit or from files can make any gain or Q. Beyond the Q list's top and a
// gain far past the band range the single-precision terms lose all precision or overflow and
// the drawing would turn into NaN; no real band comes near these limits.
constexpr float kGainLimitDb = 48.0f;
constexpr float kQLimit = 128.0f;

float SafeGain(float gainDb) {
  return std::isnan(gainDb) ? 0.0f : std::clamp(gainDb, -kGainLimitDb, kGainLimitDb);
}

float SafeQ(float q) {
  return std::isnan(q) ? 0.0f : std::clamp(q, 0.0f, kQLimit);
}

void PlacePass(const PassKind& kind, bool lowPass, int hz, std::span<float, GridPoints> destination) {
  auto make = [lowPass](const PassSection& s) { return lowPass ? LowPassTemplate(s) : HighPassTemplate(s); };
  if (kind.combine == PassCombine::Single) {
    PlaceTemplate(make(kind.first), hz, destination);
    return;
  }
  Response p1, p2;
  PlaceTemplate(make(kind.first), hz, p1);
  PlaceTemplate(make(kind.second), hz, p2);
  for (int i = 0; i < GridPoints; ++i) {
    switch (kind.combine) {
      case PassCombine::Sum:
        destination[i] = p1[i] + p2[i];
        break;
      case PassCombine::SumTwiceSecond:
        destination[i] = p1[i] + 2.0f * p2[i];
        break;
      case PassCombine::TwiceSum:
        destination[i] = 2.0f * (p1[i] + p2[i]);
        break;
      case PassCombine::Single:
        break;
    }
  }
}

}  // namespace

float DrawnQ(float q) {
  for (const QReplacement& r : kQReplacements)
    if (q == r.from) return r.to;
  return q;
}

void BandResponse(std::span<float, GridPoints> destination, int frequencyHz, float gainDb, float q,
                  FilterTypeCode code) {
  const int hz = SnapToGrid(frequencyHz);
  const float drawnQ = DrawnQ(SafeQ(q));
  const float gain = SafeGain(gainDb);
  const int byte = code & 0xFF;
  const int family = byte / 100;
  if (family == 0) {
    ResponseTemplate t;
    switch (byte) {
      case kTypePeaking:
        t = PeakTemplate(gain, drawnQ);
        break;
      case kTypeLowShelf:
        t = ShelfTemplate(gain, drawnQ, false);
        break;
      case kTypeHighShelf:
        t = ShelfTemplate(gain, drawnQ, true);
        break;
      default:
        t = PeakTemplate(0.0f, drawnQ);
        break;
    }
    PlaceTemplate(t, hz, destination);
    return;
  }
  const int kind = byte % 20;
  if (kind >= kPassKindCount) return;
  PlacePass(kPassKinds[kind], family == 2, hz, destination);
}

}  // namespace morvelin
