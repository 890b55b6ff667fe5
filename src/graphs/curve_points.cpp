#include "graphs/curve_points.h"

#include <algorithm>

#include "graphs/band_response.h"
#include "params/scales.h"

namespace morvelin {

namespace {

bool IsFilter(const CurveEntry& e) {
  return e.point == kHighPassPoint || e.point == kLowPassPoint;
}

}  // namespace

Rgb CurveColour(bool micPageShowsMicB) {
  return micPageShowsMicB ? kCurveOrange : kCurveGreen;
}

void UpdateCurveBands(CurveBands& bands, const std::vector<CurveEntry>& entries, int selection) {
  if (selection > kSelectAll) return;
  const int count = std::min<int>(int(entries.size()), kCurvePointCount);
  for (int i = 0; i < count; ++i) {
    const CurveEntry& e = entries[i];
    const bool redrawn = selection == kSelectAll || selection == i;
    if (!redrawn && !IsFilter(e)) continue;
    CurveBand& band = bands[i];
    band.entry = e;
    if (IsFilter(e)) band.entry.gain = 0.0f;
    if (redrawn)
      BandResponse(band.response, NearestInt(band.entry.frequency), band.entry.gain, band.entry.q,
                   band.entry.type);
  }
}

Response SumCurveBands(const CurveBands& bands, int last) {
  Response sum{};
  for (int e = 0; e <= last && e < kCurvePointCount; ++e)
    for (int i = 0; i < GridPoints; ++i) sum[i] += bands[e].response[i];
  return sum;
}

CurvePointList CurvePoints(const Response& sum, const GraphGeometry& g) {
  CurvePointList points{};
  for (int i = 0; i < GridPoints; ++i)
    points[i] = {NearestInt(i * g.GridScale()), NearestInt(g.DbToY(sum[i]))};
  return points;
}

int PageBandsCode(int block) {
  const CurveLayout* layout = CurveLayoutOf(block);
  if (!layout) return -1;
  return EqBandCount(layout->block) - 1 + (layout->highPassWord >= 0 ? 200 : 0);
}

std::array<bool, kCurvePointCount> VisiblePoints(int code) {
  std::array<bool, kCurvePointCount> shown{};
  if (code < 0) return shown;
  for (int p = 0; p <= code % 100 && p < kCurvePointCount; ++p) shown[p] = true;
  const bool filters = code / 100 == 2;
  shown[kHighPassPoint] = filters;
  shown[kLowPassPoint] = filters;
  return shown;
}

PixelRect PointRect(const CurveEntry& e, const GraphGeometry& g, int pointSize) {
  const int half = pointSize / 2;
  const double gain = IsFilter(e) ? 0.0 : e.gain;
  return {NearestInt(g.FreqToX(e.frequency) - half), NearestInt(g.DbToY(gain) - half), pointSize, pointSize};
}

std::string EqLabelText(const CurveEntry& e) {
  const std::string hz = FormatFixed(e.frequency, 2) + "Hz";
  if (e.point == kHighPassPoint) return "HPF:" + hz;
  if (e.point == kLowPassPoint) return "LPF:" + hz;
  return FormatFixed(e.gain, 1) + "dB\rQ:" + FormatFixed(e.q, 2) + "\r" + hz;
}

PixelRect EqLabelRect(const CurveEntry& e, const PixelRect& p, int labelWidth, int labelHeight) {
  const double gain = IsFilter(e) ? 0.0 : e.gain;
  const int left = p.left + p.width / 2 - labelWidth / 2;
  const int top = gain >= 0 ? p.top + p.height : p.top - labelHeight - 1;
  return {left, top, labelWidth, labelHeight};
}

PixelRect KeepInside(const PixelRect& r, int width, int height) {
  PixelRect in = r;
  in.left = std::max(0, std::min(r.left, width - r.width));
  in.top = std::max(0, std::min(r.top, height - r.height));
  return in;
}

}  // namespace morvelin
