#include "graphs/graph_geometry.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "params/scales.h"

namespace morvelin {

namespace {

constexpr std::array<double, 3> kMajorFreqLines{100, 1000, 10000};
constexpr std::array<double, 25> kMinorFreqLines{20,   30,   40,   50,   60,   70,   80,   90,   200,
                                                 300,  400,  500,  600,  700,  800,  900,  2000, 3000,
                                                 4000, 5000, 6000, 7000, 8000, 9000, 20000};
constexpr int kLevelLineStep = 3;
constexpr int kLevelLabelStep = 6;

struct FreqLabel {
  double hz;
  const char* text;
};
constexpr std::array<FreqLabel, 10> kFreqLabels{{{20, "20Hz"},
                                                 {50, "50Hz"},
                                                 {100, "100Hz"},
                                                 {200, "200Hz"},
                                                 {500, "500Hz"},
                                                 {1000, "1KHz"},
                                                 {2000, "2KHz"},
                                                 {5000, "5KHz"},
                                                 {10000, "10KHz"},
                                                 {20000, "20KHz"}}};
constexpr int kFirstFreqLabelNumber = 11;

}  // namespace

GraphGeometry::GraphGeometry(int width, int height)
    : width_(std::max(width, 1)), height_(std::max(height, 2)), gridScale_(double(width_) / GridSteps) {}

double GraphGeometry::FreqToX(double hz) const {
  return (std::log10(std::max(hz, 1.0)) - 1.0) / AxisDecades * GridSteps * gridScale_;
}

double GraphGeometry::XToFreq(double x) const {
  return std::pow(10.0, x * AxisDecades / (GridSteps * gridScale_) + 1.0);
}

double GraphGeometry::DbToY(double db) const {
  return (AxisMaxDb - db) / (AxisMaxDb - AxisMinDb) * (height_ - 1);
}

double GraphGeometry::YToDb(double y) const {
  return AxisMaxDb - y / (height_ - 1) * (AxisMaxDb - AxisMinDb);
}

std::vector<GridLine> GridLines(const GraphGeometry& g) {
  std::vector<GridLine> lines;
  const int w = g.Width();
  const int h = g.Height();
  auto horizontal = [&](double db, bool major) {
    const int y = NearestInt(g.DbToY(db));
    lines.push_back({0, y, w, y, major});
  };
  auto vertical = [&](double x, bool major) {
    const int xi = NearestInt(x);
    lines.push_back({xi, 0, xi, h, major});
  };
  for (int v = int(AxisMinDb); v <= int(AxisMaxDb); v += kLevelLineStep)
    horizontal(v, v == int(AxisMinDb) || v == 0 || v == int(AxisMaxDb));
  vertical(0, true);
  for (double f : kMajorFreqLines) vertical(g.FreqToX(f), true);
  for (double f : kMinorFreqLines) vertical(g.FreqToX(f), false);
  vertical(GridSteps * g.GridScale() - 2, true);
  horizontal(AxisMaxDb, true);
  horizontal(AxisMinDb, true);
  return lines;
}

std::vector<AxisLabel> AxisLabels(const GraphGeometry& g, int panelLeft, int panelTop) {
  std::vector<AxisLabel> labels;
  int number = 0;
  for (int v = int(AxisMinDb); v <= int(AxisMaxDb); v += kLevelLabelStep, ++number) {
    labels.push_back(
        {"EQLabelY" + std::to_string(number), std::to_string(v) + "dB", panelLeft - kLevelLabelWidth - 2,
         NearestInt(g.DbToY(v)) + panelTop - kAxisLabelHeight / 2, kLevelLabelWidth, kAxisLabelHeight});
  }
  number = kFirstFreqLabelNumber;
  for (const FreqLabel& f : kFreqLabels) {
    labels.push_back({"EQLabelX" + std::to_string(number++), f.text,
                      NearestInt(g.FreqToX(f.hz)) + panelLeft - kFreqLabelWidth / 2, panelTop + g.Height(),
                      kFreqLabelWidth, kAxisLabelHeight});
  }
  return labels;
}

}  // namespace morvelin
