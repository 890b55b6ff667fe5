#include "graphs/band_response.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "graphs/response_template.h"

namespace morvelin {
namespace {

constexpr float kPi = 3.14159265f;

Response Band(int hz, float gain, float q, FilterTypeCode code) {
  Response r;
  r.fill(0.0f);
  BandResponse(r, hz, gain, q, code);
  return r;
}

int OwnIndex(int hz) {
  return GridIndexOf(SnapToGrid(hz));
}

TEST(IndexWarp, CutsAndCentre) {
  struct Case {
    int j, cut;
    bool inclusive;
    float m;  // w = m * pi / N
  };
  const Case cases[] = {
      {0, 108, true, 1},      {107, 108, true, 1},    {108, 108, true, 0},    {231, 108, true, 231},
      {354, 108, true, 462},  {355, 108, true, 461},  {126, 126, false, 1},   {127, 126, false, 2.2f},
      {231, 126, false, 231}, {336, 126, false, 462}, {337, 126, false, 461}, {462, 126, false, 461},
  };
  for (const Case& c : cases)
    EXPECT_NEAR(IndexWarp(c.j, c.cut, c.inclusive), c.m * kPi / GridSteps, 1e-5) << c.j << " " << c.cut;
}

TEST(PlaceTemplate, CentreAndEdges) {
  ResponseTemplate ramp;
  for (int j = 0; j < GridPoints; ++j) ramp[j] = float(j);
  struct Case {
    double hz;
    int index;
    float value;
  };
  // Left of the template repeats T[0]; right of it repeats T[N-1], never T[N].
  const Case cases[] = {{1000, 273, 231},  {1000, 0, 0},      {1000, 42, 0},  {1000, 43, 1},
                        {1000, 462, 420},  {10, 0, 231},      {10, 230, 461}, {10, 231, 461},
                        {5, 0, 231},       {24000, 462, 231}, {24000, 0, 0},  {20600, 453, 231},
                        {20600, 462, 240}, {1e9, 462, 231}};
  for (const Case& c : cases) {
    Response r;
    r.fill(-1.0f);
    PlaceTemplate(ramp, c.hz, r);
    EXPECT_EQ(r[c.index], c.value) << c.hz << " @" << c.index;
    for (float v : r) ASSERT_GE(v, 0.0f) << c.hz;
  }
}

TEST(BandResponse, PeakingGainAtOwnIndexFlatAtEnds) {
  for (int hz : {100, 1000, 2000}) {
    for (float gain : {-24.0f, -6.0f, 3.0f, 12.0f}) {
      const Response r = Band(hz, gain, 1.0f, kTypePeaking);
      EXPECT_NEAR(r[OwnIndex(hz)], gain, 1e-4) << hz;
    }
  }
  for (float gain : {-24.0f, -6.0f, 3.0f, 12.0f}) {
    const Response r = Band(1000, gain, 4.0f, kTypePeaking);
    EXPECT_EQ(r[0], 0.0f);
    EXPECT_NEAR(r[GridSteps], 0.0f, 0.02) << gain;
  }
}

TEST(BandResponse, FlatCodesAreExactlyZero) {
  struct Case {
    float gain;
    FilterTypeCode code;
  };
  const Case cases[] = {{0, kTypePeaking}, {6, kTypeBypass}, {-12, 4}, {12, 99}, {9, 256 + 0}, {9, 300}};
  for (const Case& c : cases) {
    Response r;
    r.fill(5.0f);
    BandResponse(r, 1000, c.gain, 1.0f, c.code);
    for (float v : r) ASSERT_EQ(v, 0.0f) << c.code;
  }
}

TEST(BandResponse, CodeIsOneByte) {
  EXPECT_EQ(Band(500, 6, 2, 256 + kTypePeaking), Band(500, 6, 2, kTypePeaking));
  EXPECT_EQ(Band(500, 0, 0, 512 + 203), Band(500, 0, 0, 203));
}

TEST(BandResponse, ShelvesAtEndsAndCentre) {
  for (float gain : {-12.0f, 6.0f, 12.0f}) {
    const Response low = Band(1000, gain, 0.71f, kTypeLowShelf);
    const Response high = Band(1000, gain, 0.71f, kTypeHighShelf);
    EXPECT_NEAR(low[0], gain, 1e-3);
    EXPECT_NEAR(low[273], gain / 2, 1e-3);
    EXPECT_NEAR(low[GridSteps], 0.0f, 1e-3);
    EXPECT_NEAR(high[0], 0.0f, 1e-3);
    EXPECT_NEAR(high[273], gain / 2, 1e-3);
    EXPECT_NEAR(high[GridSteps], gain, 1e-3);
  }
}

TEST(BandResponse, ShelfSlopeAboveFourCountsAsFour) {
  EXPECT_EQ(Band(300, 9, 4.0f, kTypeLowShelf), Band(300, 9, 40.0f, kTypeLowShelf));
  EXPECT_NE(Band(300, 9, 1.0f, kTypeLowShelf), Band(300, 9, 4.0f, kTypeLowShelf));
}

// Value of every pass kind at the filter's own grid index, high-pass and low-pass alike.
TEST(BandResponse, PassKindsAtOwnIndex) {
  const float atOwnIndex[kPassKindCount] = {0,      -3.01f, -4.77f, -3.01f,  -6.02f, -7.78f, -6.02f,
                                            -9.54f, -3.01f, -6.02f, -14.31f, -8.34f, -6.02f};
  for (int k = 0; k < kPassKindCount; ++k) {
    for (int hz : {80, 1000, 8000}) {
      EXPECT_NEAR(Band(hz, 0, 0, kTypeHighPass + k)[OwnIndex(hz)], atOwnIndex[k], 0.005) << k << " HP " << hz;
      EXPECT_NEAR(Band(hz, 0, 0, kTypeLowPass + k)[OwnIndex(hz)], atOwnIndex[k], 0.005) << k << " LP " << hz;
    }
  }
}

TEST(BandResponse, PassFiltersPassAndStop) {
  const int e = OwnIndex(1000);
  for (int k = 1; k < kPassKindCount; ++k) {
    const Response hp = Band(1000, 0, 0, kTypeHighPass + k);
    const Response lp = Band(1000, 0, 0, kTypeLowPass + k);
    EXPECT_NEAR(hp[GridSteps], 0.0f, 0.05) << k;
    EXPECT_LT(hp[e - 100], -10.0f) << k;
    EXPECT_NEAR(lp[0], 0.0f, 0.05) << k;
    EXPECT_LT(lp[e + 100], -10.0f) << k;
    for (int i = 0; i < GridPoints; ++i) ASSERT_TRUE(std::isfinite(hp[i]) && std::isfinite(lp[i])) << k;
  }
}

TEST(BandResponse, ButterworthSectionsOfTheFourthOrder) {
  const int e = OwnIndex(1000);
  Response first, second;
  PlaceTemplate(LowPassTemplate(ButterSection(4, 0)), SnapToGrid(1000), first);
  PlaceTemplate(LowPassTemplate(ButterSection(4, 1)), SnapToGrid(1000), second);
  EXPECT_NEAR(first[e], 2.32f, 0.005);
  EXPECT_NEAR(second[e], -5.33f, 0.005);
  EXPECT_NEAR(SectionQ(ButterSection(4, 0)), 1.3066f, 1e-4);
  EXPECT_NEAR(SectionQ(ButterSection(4, 1)), 0.5412f, 1e-4);
  EXPECT_NEAR(SectionQ(ButterSection(3, 0)), 1.0f, 1e-6);
}

TEST(BandResponse, HighestQValuesDrawNarrower) {
  struct Case {
    float q, drawn;
  };
  const Case cases[] = {{102, 98},  {108, 100}, {114, 101}, {121, 102},
                        {128, 103}, {96, 96},   {1, 1},     {127.9f, 127.9f}};
  // One replacement at most: 121 draws as 102, not as 98.
  for (const Case& c : cases) {
    EXPECT_EQ(DrawnQ(c.q), c.drawn);
    Response direct;
    PlaceTemplate(PeakTemplate(8, c.drawn), 2000, direct);
    EXPECT_EQ(Band(2000, 8, c.q, kTypePeaking), direct) << c.q;
  }
  EXPECT_EQ(Band(2000, 8, 128, kTypePeaking), Band(2000, 8, 103, kTypePeaking));
  EXPECT_NE(Band(2000, 8, 128, kTypePeaking), Band(2000, 8, 127.5f, kTypePeaking));
  // Past the top of the Q list a Q counts as the top.
  EXPECT_EQ(Band(2000, 8, 5000, kTypePeaking), Band(2000, 8, 103, kTypePeaking));
}

TEST(BandResponse, UnknownPassKindsLeaveDestination) {
  for (FilterTypeCode code : {113, 119, 133, 213, 219, 255}) {
    Response r;
    r.fill(7.5f);
    BandResponse(r, 1000, 6, 1, code);
    for (float v : r) ASSERT_EQ(v, 7.5f) << code;
  }
}

TEST(BandResponse, BandsAtTheGridEnds) {
  // At 10 Hz or below the centre is index 0; at 20600 Hz index 453.
  for (int hz : {10, 3, 0, -40}) EXPECT_NEAR(Band(hz, 6, 1, kTypePeaking)[0], 6.0f, 1e-4) << hz;
  EXPECT_NEAR(Band(20600, 6, 1, kTypePeaking)[453], 6.0f, 1e-4);
  // 20 Hz, where 19.7 Hz snaps to, is drawn at index 41, not 40.
  EXPECT_NEAR(Band(20, -9, 2, kTypePeaking)[41], -9.0f, 1e-3);
}

// Words from the unit or a file can be anything: nothing may crash, read out of bounds or
// produce a value the drawing cannot use.
TEST(BandResponse, RandomWordsStayFinite) {
  std::mt19937 rng(20261210);
  std::uniform_int_distribution<int> word(0, 65535);
  for (int n = 0; n < 3000; ++n) {
    const int hz = word(rng);
    const int gainWord = word(rng);
    const float gain = n % 2 ? gainWord / 5.0f - 24.0f : float(gainWord - 32768);
    const float q = n % 3 ? word(rng) / 100.0f : float(word(rng));
    const int code = word(rng);
    Response r;
    r.fill(0.0f);
    BandResponse(r, hz, gain, q, code);
    for (float v : r) ASSERT_TRUE(std::isfinite(v)) << hz << " " << gain << " " << q << " " << code;
  }
  // A gain far outside the band range is drawn at the limit of 48 dB.
  EXPECT_EQ(Band(1000, 13083, 1, kTypePeaking), Band(1000, 48, 1, kTypePeaking));
  EXPECT_EQ(Band(1000, -1e9f, 1, kTypeLowShelf), Band(1000, -48, 1, kTypeLowShelf));
  for (float q : {0.0f, -1.0f, NAN, INFINITY})
    for (FilterTypeCode code : {1, 2, 3}) {
      Response r;
      r.fill(0.0f);
      BandResponse(r, 500, 12, q, code);
      for (float v : r) ASSERT_TRUE(std::isfinite(v)) << q << " " << code;
    }
}

}  // namespace
}  // namespace morvelin
