#pragma once
// What the response graph shows of a page's curve, as data: the stored band entries with
// their responses, the curve's pixel points and colour, the places of the 22 band points and
// the value label's text and place.

#include <array>
#include <string>
#include <vector>

#include "graphs/curve_layout.h"
#include "graphs/graph_geometry.h"

namespace morvelin {

inline constexpr Rgb kCurveGreen{0, 255, 0};
inline constexpr Rgb kCurveOrange{243, 152, 0};  // the microphone page showing microphone B
inline constexpr double kCurvePenWidth = 1.8;
inline constexpr double kCurveTension = 0.4;

inline constexpr Rgb kBandPointColour{255, 255, 0};
inline constexpr Rgb kEqLabelColour{199, 255, 255};
inline constexpr int kPointSize = 15;  // band points are 15 x 15

Rgb CurveColour(bool micPageShowsMicB);

// Redraw with every entry and no selection.
inline constexpr int kSelectAll = 100;

// One entry of the page last drawn; its response is kept between redraws.
struct CurveBand {
  CurveEntry entry{};
  Response response{};
};
using CurveBands = std::array<CurveBand, kCurvePointCount>;

// Takes the entries of a redraw: with kSelectAll every entry, otherwise the selected entry and
// the filters' settings; only the redrawn entries get a new response. A selection above 100
// changes nothing.
void UpdateCurveBands(CurveBands& bands, const std::vector<CurveEntry>& entries, int selection);

// Sum of the stored responses of entries 0..last.
Response SumCurveBands(const CurveBands& bands, int last);

struct PixelPoint {
  int x, y;
  friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};
using CurvePointList = std::array<PixelPoint, GridPoints>;

// (nearest(i * GridScale), nearest(DbToY(sum[i]))) for every grid point; the spline is drawn
// through the first GridSteps of them.
CurvePointList CurvePoints(const Response& sum, const GraphGeometry& geometry);

// The code of a page's entries: last band index, plus 200 when the page has filters.
// -1 for a block without a curve.
int PageBandsCode(int block);
// Which of the 22 points a page shows: its bands' points, and HPF/LPF when it has filters.
std::array<bool, kCurvePointCount> VisiblePoints(int pageBandsCode);

struct PixelRect {
  int left, top, width, height;
  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// A point centred on the entry's frequency and gain (a filter's point sits on the 0 dB line).
PixelRect PointRect(const CurveEntry& entry, const GraphGeometry& geometry, int pointSize = kPointSize);

// "3.0dB\rQ:1.00\r1000.00Hz" for a band, "HPF:19.00Hz" / "LPF:20600.00Hz" for the filters.
std::string EqLabelText(const CurveEntry& entry);

// The value label centred under its point for a gain of 0 dB or more, above it otherwise.
PixelRect EqLabelRect(const CurveEntry& entry, const PixelRect& point, int labelWidth, int labelHeight);

// `r` moved the least so that it lies inside a `width` x `height` image (its top left corner
// wins when it is larger than the image).
PixelRect KeepInside(const PixelRect& r, int width, int height);

}  // namespace morvelin
