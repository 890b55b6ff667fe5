#include "graphs/graph_geometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "params/scales.h"

namespace morvelin {
namespace {

TEST(GraphGeometry, DesignSizeMapping) {
  const GraphGeometry g(1142, 256);
  EXPECT_NEAR(g.GridScale(), 2.471861, 1e-6);
  EXPECT_NEAR(g.FreqToX(1000), 675.7, 0.05);
  EXPECT_DOUBLE_EQ(g.DbToY(0), 85.0);
  EXPECT_DOUBLE_EQ(g.DbToY(-24), 255.0);
  EXPECT_DOUBLE_EQ(g.DbToY(12), 0.0);
  EXPECT_NEAR(g.FreqToX(10), 0.0, 1e-9);
  EXPECT_NEAR(g.FreqToX(24000), 1142.0, 1e-9);
}

TEST(GraphGeometry, InverseMappingsRoundTrip) {
  for (const auto& [w, h] : {std::pair{1142, 256}, std::pair{600, 120}, std::pair{1900, 700}}) {
    const GraphGeometry g(w, h);
    for (double f = 10; f <= 24000; f *= 1.0137) EXPECT_NEAR(g.XToFreq(g.FreqToX(f)), f, f * 1e-12) << w;
    EXPECT_NEAR(g.XToFreq(g.FreqToX(24000)), 24000, 1e-8);
    for (double db = -24; db <= 12; db += 0.2) EXPECT_NEAR(g.YToDb(g.DbToY(db)), db, 1e-12);
  }
}

TEST(GraphGeometry, DegenerateSizeStaysFinite) {
  const GraphGeometry g(0, 0);
  EXPECT_TRUE(std::isfinite(g.XToFreq(5)));
  EXPECT_TRUE(std::isfinite(g.YToDb(5)));
}

TEST(GridSnapping, TwoStepSnap) {
  struct Case {
    double hz;
    double grid;
    int index;
    int snapped;
  };
  const Case cases[] = {{1000, 273.36, 273, 994},  {19.7, 40.25, 40, 20}, {20, 41.14, 41, 20},
                        {10, 0.0, 0, 10},          {5, -41.14, 0, 5},     {20600, 452.93, 453, 20624},
                        {24000, 462.0, 462, 24000}};
  for (const Case& c : cases) {
    EXPECT_NEAR(FreqToGrid(c.hz), c.grid, 0.01) << c.hz;
    EXPECT_EQ(GridIndexOf(c.hz), c.index) << c.hz;
    EXPECT_EQ(SnapToGrid(c.hz), c.snapped) << c.hz;
  }
  // The snap can move a band by one grid step: 19.7 Hz is drawn at index 41.
  EXPECT_EQ(GridIndexOf(SnapToGrid(19.7)), 41);
  EXPECT_EQ(FreqToGrid(0), FreqToGrid(1));
  EXPECT_DOUBLE_EQ(FreqToGrid(-50), -GridSteps / AxisDecades);
  EXPECT_NEAR(GridToFreq(GridSteps), 24000, 1e-8);
}

TEST(GridLines, DesignGrid) {
  const GraphGeometry g;
  const auto lines = GridLines(g);
  // 13 level lines, left border, 3 major and 25 minor frequency lines, right border, top, bottom.
  ASSERT_EQ(lines.size(), 13u + 1 + 3 + 25 + 3);
  const auto isVertical = [](const GridLine& l) { return l.x1 == l.x2 && l.y1 == 0; };
  EXPECT_EQ(std::count_if(lines.begin(), lines.end(), isVertical), 1 + 3 + 25 + 1);
  const GridLine& zeroDb = lines[8];
  EXPECT_EQ(zeroDb.y1, 85);
  EXPECT_TRUE(zeroDb.major);
  EXPECT_FALSE(lines[1].major);  // -21 dB
  const GridLine& kHz = lines[15];
  EXPECT_EQ(kHz.x1, 676);
  EXPECT_TRUE(kHz.major);
  const GridLine& right = lines[lines.size() - 3];
  EXPECT_EQ(right.x1, 1140);
  EXPECT_EQ(lines.back().y1, 255);
  // No line at 10 Hz or 24000 Hz other than the borders.
  for (std::size_t i = 14; i < lines.size() - 3; ++i) EXPECT_GT(lines[i].x1, 0) << i;
  for (std::size_t i = 14; i < lines.size() - 3; ++i) EXPECT_LT(lines[i].x1, 1140) << i;
}

TEST(AxisLabels, NamesTextsAndPlaces) {
  const GraphGeometry g;
  const auto labels = AxisLabels(g);
  ASSERT_EQ(labels.size(), 17u);
  struct Case {
    int i;
    const char* name;
    const char* text;
    int left, top, width;
  };
  const Case cases[] = {{0, "EQLabelY0", "-24dB", 12, 259, 32},   {4, "EQLabelY4", "0dB", 12, 89, 32},
                        {6, "EQLabelY6", "12dB", 12, 4, 32},      {7, "EQLabelX11", "20Hz", 130, 266, 36},
                        {12, "EQLabelX16", "1KHz", 704, 266, 36}, {16, "EQLabelX20", "20KHz", 1143, 266, 36},
                        {2, "EQLabelY2", "-12dB", 12, 174, 32}};
  for (const Case& c : cases) {
    const AxisLabel& l = labels[c.i];
    EXPECT_EQ(l.name, c.name);
    EXPECT_EQ(l.text, c.text);
    EXPECT_EQ(l.left, c.left) << c.name;
    EXPECT_EQ(l.top, c.top) << c.name;
    EXPECT_EQ(l.width, c.width);
    EXPECT_EQ(l.height, 13);
  }
  // The 20 Hz and 20 kHz labels are centred on the first and last minor lines.
  const auto lines = GridLines(g);
  EXPECT_EQ(labels[7].left + 18 - kGraphPanelLeft, lines[17].x1);
  EXPECT_EQ(labels[16].left + 18 - kGraphPanelLeft, lines[lines.size() - 4].x1);
}

TEST(AxisLabels, FollowResize) {
  const GraphGeometry g(800, 180);
  const auto labels = AxisLabels(g, 46, 10);
  EXPECT_EQ(labels[0].top, 179 + 10 - 6);
  EXPECT_EQ(labels[7].top, 190);
  EXPECT_EQ(labels[16].left, NearestInt(g.FreqToX(20000)) + 46 - 18);
}

}  // namespace
}  // namespace morvelin
