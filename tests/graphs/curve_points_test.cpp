#include "graphs/curve_points.h"

#include <gtest/gtest.h>

#include "graphs/block_curve.h"
#include "params/scales.h"

namespace morvelin {
namespace {

TEST(CurveColour, GreenUnlessMicB) {
  EXPECT_EQ(CurveColour(false).green, 255);
  EXPECT_EQ(CurveColour(false).red, 0);
  EXPECT_EQ(CurveColour(true).red, 243);
  EXPECT_EQ(CurveColour(true).green, 152);
  EXPECT_EQ(CurveColour(true).blue, 0);
}

TEST(PagePoints, CodesAndVisiblePoints) {
  struct Case {
    int block, code, bands;
    bool filters;
  };
  const Case cases[] = {{0, 209, 10, true}, {1, 2, 3, false},   {2, 214, 15, true}, {3, 214, 15, true},
                        {4, 206, 7, true},  {24, 206, 7, true}, {5, 206, 7, true},  {6, 209, 10, true},
                        {25, 4, 5, false},  {27, 4, 5, false},  {28, -1, 0, false}, {30, -1, 0, false}};
  for (const Case& c : cases) {
    EXPECT_EQ(PageBandsCode(c.block), c.code) << c.block;
    const auto shown = VisiblePoints(PageBandsCode(c.block));
    for (int p = 0; p < 20; ++p) EXPECT_EQ(shown[p], p < c.bands) << c.block << " point " << p;
    EXPECT_EQ(shown[kHighPassPoint], c.filters) << c.block;
    EXPECT_EQ(shown[kLowPassPoint], c.filters) << c.block;
  }
}

struct CurveBandsTest : ::testing::Test {
  EditSelection sel;
  ParamStore store{sel};
  CurveBands bands{};
  void SetUp() override { store.ResetBands(kAllBlocks); }
  void SetGain(int block, int band, int word) { store.DeviceImage[block][21 + 5 * band + 2] = word; }
  std::vector<CurveEntry> Entries() { return CurveEntries(store.DeviceImage[6], 6); }
};

TEST_F(CurveBandsTest, FullRedrawSumsEveryEntry) {
  SetGain(6, 3, 150);
  SetGain(6, 7, 60);
  store.DeviceImage[6][16] = 3;
  store.DeviceImage[6][17] = 120;
  UpdateCurveBands(bands, Entries(), kSelectAll);
  EXPECT_EQ(SumCurveBands(bands, 11), *BlockCurve(store.DeviceImage, 6));
  EXPECT_EQ(bands[10].entry.point, kHighPassPoint);
  EXPECT_EQ(bands[10].entry.type, 103);
}

TEST_F(CurveBandsTest, SingleRedrawKeepsTheOtherResponses) {
  UpdateCurveBands(bands, Entries(), kSelectAll);
  SetGain(6, 3, 150);
  SetGain(6, 5, 60);
  store.DeviceImage[6][17] = 120;  // high-pass frequency
  UpdateCurveBands(bands, Entries(), 3);
  EXPECT_NEAR(bands[3].entry.gain, 6.0f, 1e-5);
  EXPECT_NEAR(bands[3].response[GridIndexOf(SnapToGrid(bands[3].entry.frequency))], 6.0f, 1e-3);
  // Band 5 was not redrawn: its settings and response are the old ones.
  EXPECT_EQ(bands[5].entry.gain, 0.0f);
  for (float v : bands[5].response) ASSERT_EQ(v, 0.0f);
  // Filters take their settings at every redraw, their responses only when redrawn.
  EXPECT_FLOAT_EQ(bands[10].entry.frequency, 198.0f);
  UpdateCurveBands(bands, Entries(), 101);
  EXPECT_EQ(bands[5].entry.gain, 0.0f);
}

TEST(CurvePoints, FollowTheSumOnTheGrid) {
  const GraphGeometry g;
  Response sum{};
  sum[100] = 12.0f;
  sum[200] = -24.0f;
  sum[300] = 40.0f;
  const CurvePointList points = CurvePoints(sum, g);
  EXPECT_EQ(points[0], (PixelPoint{0, 85}));
  EXPECT_EQ(points[1], (PixelPoint{2, 85}));
  EXPECT_EQ(points[100], (PixelPoint{247, 0}));
  EXPECT_EQ(points[200], (PixelPoint{494, 255}));
  EXPECT_EQ(points[300].y, -198);  // beyond the top: the curve leaves the image
  EXPECT_EQ(points[GridSteps], (PixelPoint{1142, 85}));
}

TEST(PointRect, CentredOnFrequencyAndGain) {
  const GraphGeometry g;
  struct Case {
    int point;
    float hz, gain;
    PixelRect rect;
  };
  const Case cases[] = {
      {0, 1000, 0, {669, 78, 15, 15}},
      {4, 1000, 12, {669, -7, 15, 15}},
      {4, 1000, -24, {669, 248, 15, 15}},
      {kHighPassPoint, 19.0f, 6, {NearestInt(g.FreqToX(19) - 7), 78, 15, 15}},
      {kLowPassPoint, 20600, -3, {NearestInt(g.FreqToX(20600) - 7), 78, 15, 15}},
  };
  for (const Case& c : cases) {
    CurveEntry e{};
    e.point = c.point;
    e.frequency = c.hz;
    e.gain = c.gain;
    EXPECT_EQ(PointRect(e, g), c.rect) << c.point << " " << c.hz;
  }
}

TEST(EqLabel, TextsAndPlaces) {
  struct Case {
    int point;
    float hz, gain, q;
    const char* text;
    bool above;
  };
  const Case cases[] = {
      {2, 1000, 3, 1, "3.0dB\rQ:1.00\r1000.00Hz", false},
      {2, 28.9f, -3, 0.71f, "-3.0dB\rQ:0.71\r28.90Hz", true},
      {0, 20600, 0, 128, "0.0dB\rQ:128.00\r20600.00Hz", false},
      {1, 480, -0.2f, 4.5f, "-0.2dB\rQ:4.50\r480.00Hz", true},
      {kHighPassPoint, 19, 0, 0, "HPF:19.00Hz", false},
      {kLowPassPoint, 20600, 0, 0, "LPF:20600.00Hz", false},
  };
  const PixelRect p{100, 50, 15, 15};
  for (const Case& c : cases) {
    CurveEntry e{};
    e.point = c.point;
    e.frequency = c.hz;
    e.gain = c.gain;
    e.q = c.q;
    EXPECT_EQ(EqLabelText(e), c.text);
    const PixelRect r = EqLabelRect(e, p, 61, 40);
    EXPECT_EQ(r.left, 100 + 7 - 30);
    EXPECT_EQ(r.top, c.above ? 50 - 40 - 1 : 65) << c.text;
  }
}

TEST(EqLabel, KeptInsideTheImage) {
  struct Case {
    PixelRect label;
    PixelRect inside;
  };
  const Case cases[] = {
      {{500, 100, 80, 40}, {500, 100, 80, 40}},    // already inside
      {{1100, 100, 80, 40}, {1062, 100, 80, 40}},  // past the right edge
      {{-20, -30, 80, 40}, {0, 0, 80, 40}},        // past the top left corner
      {{10, 240, 80, 40}, {10, 216, 80, 40}},      // past the bottom
      {{10, 10, 2000, 400}, {0, 0, 2000, 400}},    // larger than the image
  };
  for (const Case& c : cases) EXPECT_EQ(KeepInside(c.label, 1142, 256), c.inside) << c.label.left;
}

}  // namespace
}  // namespace morvelin
