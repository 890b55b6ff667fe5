#pragma once
// The response graph's coordinates: a logarithmic frequency axis (10 Hz at the left edge,
// 24000 Hz at the right) and a linear dB axis (12 dB at the top, -24 dB at the bottom), with
// the grid lines and axis labels that follow from the image size.

#include <cstdint>
#include <string>
#include <vector>

#include "graphs/response_grid.h"
#include "params/rgb.h"

namespace morvelin {

inline constexpr double AxisMinDb = -24.0;
inline constexpr double AxisMaxDb = 12.0;

// Design size of the graph image and its place inside the labels' parent pane.
inline constexpr int kGraphDesignWidth = 1142;
inline constexpr int kGraphDesignHeight = 256;
inline constexpr int kGraphPanelLeft = 46;
inline constexpr int kGraphPanelTop = 10;

inline constexpr Rgb kGridBackground{5, 5, 5};
inline constexpr Rgb kGridMajor{110, 110, 110};
inline constexpr Rgb kGridMinor{64, 64, 64};
inline constexpr Rgb kAxisLabelText{161, 161, 161};

// Pixel mapping for one image size. A zero-sized image (minimised window) is taken as
// 1 x 2 pixels so that the inverse mappings never divide by zero.
class GraphGeometry {
 public:
  GraphGeometry(int width = kGraphDesignWidth, int height = kGraphDesignHeight);

  int Width() const { return width_; }
  int Height() const { return height_; }
  // Pixels per grid step; grid index i lies at x = i * GridScale().
  double GridScale() const { return gridScale_; }

  double FreqToX(double hz) const;  // below 1 Hz counts as 1 Hz
  double XToFreq(double x) const;
  double DbToY(double db) const;
  double YToDb(double y) const;

 private:
  int width_;
  int height_;
  double gridScale_;
};

// One grid line, end points already rounded; the end point itself is not painted.
struct GridLine {
  int x1, y1, x2, y2;
  bool major;
};

// Every line of the clean grid, in painting order.
std::vector<GridLine> GridLines(const GraphGeometry& geometry);

struct AxisLabel {
  std::string name;  // "EQLabelY0".."EQLabelY6", "EQLabelX11".."EQLabelX20"
  std::string text;  // "-24dB".."12dB", "20Hz".."20KHz"
  int left, top, width, height;
};

inline constexpr int kLevelLabelWidth = 32;
inline constexpr int kFreqLabelWidth = 36;
inline constexpr int kAxisLabelHeight = 13;

// The seven level labels then the ten frequency labels, placed for an image whose top-left
// corner is at (panelLeft, panelTop) in the labels' parent.
std::vector<AxisLabel> AxisLabels(const GraphGeometry& geometry, int panelLeft = kGraphPanelLeft,
                                  int panelTop = kGraphPanelTop);

}  // namespace morvelin
