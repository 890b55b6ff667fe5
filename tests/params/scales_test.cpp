#include "params/scales.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

namespace morvelin {
namespace {

TEST(ValueTables, SizesEndPointsAndTextRules) {
  EXPECT_EQ(FreqList.size(), 362u);
  EXPECT_EQ(QList.size(), 101u);
  EXPECT_EQ(RatioList.size(), 41u);
  EXPECT_EQ(ReleaseList.size(), 8u);
  EXPECT_EQ(AttackList.size(), 20u);

  struct Entry {
    std::string_view text, expected;
  };
  const Entry entries[] = {
      {FreqList[0], "19.7"},       {FreqList[8], "23.0"},        {FreqList[80], "91.9"},
      {FreqList[81], "94.0"},      {FreqList[203], "981.0"},     {FreqList[204], "1000"},
      {FreqList[212], "1170"},     {FreqList[324], "10100"},     {FreqList[361], "20600"},
      {QList[0], "0.40"},          {QList[10], "0.71"},          {QList[16], "1.00"},
      {QList[24], "1.60"},         {QList[56], "10.10"},         {QList[100], "128.00"},
      {RatioList[0], "1.0"},       {RatioList[27], "12"},        {RatioList[40], "100"},
      {ReleaseList[0], "Atk x 2"}, {ReleaseList[7], "Atk x 32"}, {AttackList[0], "0.5"},
      {AttackList[9], "11"},       {AttackList[19], "400"},
  };
  for (const auto& e : entries) EXPECT_EQ(e.text, e.expected);

  // Each number equals its text; the lists rise strictly.
  for (int i = 0; i < kFreqCount; ++i) {
    EXPECT_EQ(FreqValues[i], std::stof(std::string(FreqList[i]))) << i;
    if (i > 0) {
      EXPECT_LT(FreqValues[i - 1], FreqValues[i]) << i;
    }
    EXPECT_EQ(FreqList[i].find('.') == std::string_view::npos, FreqValues[i] >= 1000.0f) << i;
  }
  for (int i = 0; i < kQCount; ++i) {
    EXPECT_EQ(QValues[i], std::stof(std::string(QList[i]))) << i;
    EXPECT_EQ(QList[i].size() - QList[i].find('.'), 3u) << i;  // always two decimals
    if (i > 0) {
      EXPECT_LT(QValues[i - 1], QValues[i]) << i;
    }
  }
}

TEST(ValueTables, LookupsClampAnyWord) {
  EXPECT_EQ(FreqListAt(-1), "19.7");
  EXPECT_EQ(FreqListAt(65535), "20600");
  EXPECT_EQ(FreqValueAt(362), 20600.0f);
  EXPECT_EQ(QListAt(101), "128.00");
  EXPECT_EQ(QValueAt(-5), 0.4f);
  EXPECT_EQ(RatioListAt(41), "100");
  EXPECT_EQ(ReleaseListAt(0xFFFF), "Atk x 32");
  EXPECT_EQ(AttackListAt(std::numeric_limits<int>::min()), "0.5");
  EXPECT_EQ(BandTypeListAt(9), "HSEQ");
}

// Every midpoint between two entries, typed as its shortest decimal, goes to the lower entry;
// a hundredth above it goes to the upper one.
TEST(TypedLookups, EveryFrequencyMidpointTiesLow) {
  for (int k = 0; k + 1 < kFreqCount; ++k) {
    const int hundredths = (value_tables_detail::kFreqTenths[static_cast<std::size_t>(k)] +
                            value_tables_detail::kFreqTenths[static_cast<std::size_t>(k) + 1]) *
                           5;
    char text[32];
    std::snprintf(text, sizeof text, "%d.%02d", hundredths / 100, hundredths % 100);
    const double typed = std::strtod(text, nullptr);  // as a typed entry is read
    EXPECT_EQ(FreqIndexOf(typed), k) << text;
    EXPECT_EQ(FreqIndexOf(typed + 0.01), k + 1) << text;
  }
}

TEST(TypedLookups, FrequencyAndQ) {
  struct Case {
    double in;
    int freq;
  };
  const Case freq[] = {
      {1000, 204},  {1010, 204},  // a tie goes to the lower entry
      {1011, 205},  {5, 0},       {19.7, 0},           {19.9, 0},    {19.91, 1},
      {20.1, 1},    {30000, 361}, {20500, 361},        {20400, 360},  // a tie below the top entry goes low
      {20200, 360}, {-1, 0},      {std::nan(""), 361},
  };
  for (const auto& c : freq) EXPECT_EQ(FreqIndexOf(c.in), c.freq) << c.in;

  const Case q[] = {
      {1.0, 16}, {1.01, 17}, {1.06, 17},  // a typed table value finds itself
      {0.1, 0},  {0.4, 0},   {128, 100}, {128.01, 101}, {200, 101}, {1.59, 24},
  };
  for (const auto& c : q) EXPECT_EQ(QIndexOf(c.in), c.freq) << c.in;
}

TEST(TypedLookups, GainWordsRoundHalvesToEven) {
  struct Case {
    double db;
    int word;
  };
  const Case gain[] = {{0, 120},   {-24, 0},   {12, 180},
                       {0.1, 120}, {0.3, 122}, {-0.1, 120},
                       {0.2, 121}, {-30, -30}, {1e12, std::numeric_limits<int>::max()}};
  for (const auto& c : gain) EXPECT_EQ(GainWordOf(c.db), c.word) << c.db;

  const Case half[] = {{0, 20},    {-10, 0},   {10, 40},   {-9.75, 0},
                       {-9.25, 2}, {0.25, 20}, {0.75, 22}, {-9.5, 1}};
  for (const auto& c : half) EXPECT_EQ(HalfDbWordOf(c.db), c.word) << c.db;
  EXPECT_EQ(NearestInt(std::nan("")), 0);
  EXPECT_EQ(NearestInt(-1e300), std::numeric_limits<int>::min());
}

TEST(ScaleText, EveryScaleClampsThenFormats) {
  struct Case {
    Quantity q;
    int word;
    const char* text;
  };
  const Case cases[] = {
      {Quantity::BandFrequency, 204, "1000"},
      {Quantity::BandFrequency, 400, "20600"},
      {Quantity::FilterFrequency, 0, "19.7Hz"},
      {Quantity::FilterFrequency, -3, "19.7Hz"},
      {Quantity::BandGain, 120, "0.0"},
      {Quantity::BandGain, 0, "-24.0"},
      {Quantity::BandGain, 180, "12.0"},
      {Quantity::BandGain, 119, "-0.2"},
      {Quantity::BandGain, 65535, "12.0"},
      {Quantity::DeqBandGain, 0, "-12.0"},
      {Quantity::PeakQ, 16, "1.00"},
      {Quantity::PeakQ, 150, "128.00"},
      {Quantity::ShelfQ, 100, "1.60"},
      {Quantity::BandType, 2, "LSEQ"},
      {Quantity::MusicInputGain, 0, "-10.0dB"},
      {Quantity::MusicInputGain, 1, "-9.5dB"},
      {Quantity::MusicInputGain, 41, "10.0dB"},
      {Quantity::MicInputGain, 20, "0dB"},
      {Quantity::MicInputGain, 1, "-10dB"},  // a half goes away from zero
      {Quantity::MicInputGain, 39, "10dB"},
      {Quantity::Level, 100, "100%"},
      {Quantity::Level, 101, "100%"},
      {Quantity::MixLevel, 200, "200%"},
      {Quantity::SubMusicMixLevel, 150, "300%"},
      {Quantity::EchoRightTime, 0, "-50%"},
      {Quantity::EchoTime, 250, "500ms"},
      {Quantity::ReverbTime, 80, "5000ms"},
      {Quantity::ReverbTime, 1, "63ms"},
      {Quantity::EchoPreDelay, 0, "-100ms"},
      {Quantity::OutputDelay, 500, "50.0ms"},
      {Quantity::OutputDelay, 7, "0.7ms"},
      {Quantity::OutputLimiter, 0, "-20dBu"},
      {Quantity::DeqLevel, 60, "0dBu"},
      {Quantity::MicLimiter, 0, "-34dB"},
      {Quantity::NoiseGate, 60, "-30dB"},
      {Quantity::MusicKey, 0, "-7"},
      {Quantity::MusicKey, 14, "7"},
      {Quantity::Feedback, 9, "4"},
      {Quantity::Ratio, 40, "100"},
      {Quantity::Release, 3, "Atk x 8"},
      {Quantity::Attack, 0, "0.5ms"},
      {Quantity::Attack, 19, "400ms"},
      {Quantity::SystemVolume, 90, "84"},
      {Quantity::SystemVolume, -1, "0"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ScaleText(c.q, c.word), c.text) << static_cast<int>(c.q) << " " << c.word;
}

TEST(ScaleText, RangesAndValues) {
  EXPECT_EQ(ScaleMin(Quantity::DeqBandGain), 60);
  EXPECT_EQ(ScaleMax(Quantity::OutputDelay), 500);
  EXPECT_EQ(ClampToScale(Quantity::ShelfQ, 30), 24);
  EXPECT_EQ(ClampToScale(Quantity::BandGain, -5), 0);
  EXPECT_DOUBLE_EQ(ScaleValue(Quantity::BandGain, 121), 0.2);
  EXPECT_DOUBLE_EQ(ScaleValue(Quantity::FilterFrequency, 1), 20.1);
  EXPECT_DOUBLE_EQ(ScaleValue(Quantity::PeakQ, 16), 1.0);
  EXPECT_DOUBLE_EQ(ScaleValue(Quantity::ReverbTime, 3), 187.5);
  EXPECT_DOUBLE_EQ(ScaleValue(Quantity::Release, 9), 7);
  for (int k = 0; k < kQuantityCount; ++k) {
    const auto q = static_cast<Quantity>(k);
    EXPECT_EQ(ScaleOf(q).quantity, q);
    EXPECT_LE(ScaleMin(q), ScaleMax(q));
    EXPECT_EQ(ScaleText(q, ScaleMax(q) + 1000), ScaleText(q, ScaleMax(q))) << k;
    EXPECT_EQ(ScaleText(q, ScaleMin(q) - 1000), ScaleText(q, ScaleMin(q))) << k;
  }
}

TEST(FormatFixed, DecimalsRoundingAndSign) {
  struct Case {
    double value;
    int decimals;
    const char* text;
  };
  const Case cases[] = {
      {0, 0, "0"},
      {0, 1, "0.0"},
      {0, 2, "0.00"},
      {1.005, 1, "1.0"},
      {2.25, 1, "2.3"},
      {-2.25, 1, "-2.3"},
      {-0.04, 1, "0.0"},
      {-0.4, 0, "0"},
      {0.5, 0, "1"},
      {-9.5, 0, "-10"},
      {1.0, 2, "1.00"},
      {0.705, 2, "0.71"},
      {-12.345, 2, "-12.35"},
      {20600, 0, "20600"},
      {3.14159, 2, "3.14"},
      {-0.001, 2, "0.00"},
      {1e20, 0, "100000000000000000000"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FormatFixed(c.value, c.decimals), c.text) << c.value << " " << c.decimals;
}

TEST(LinkVolumeBars, MaximumBoundsNormalAndStart) {
  struct Case {
    VolumeBars in;
    int which;
    bool suppressed;
    VolumeBars out;
    const char* pane;
  };
  const Case cases[] = {
      {{60, 10, 40}, kNormalBar, false, {40, 10, 40}, "40"},  // moving normal above max snaps back
      {{60, 10, 40}, kNormalBar, true, {60, 10, 40}, "60"},   // a refresh shows the stored value
      {{30, 10, 40}, kNormalBar, false, {30, 10, 40}, "30"},
      {{30, 50, 40}, kStartBar, false, {30, 40, 40}, "40"},
      {{30, 50, 40}, kStartBar, true, {30, 50, 40}, "50"},
      {{50, 60, 20}, kMaxBar, false, {20, 20, 20}, "20"},  // lowering max pulls both down
      {{10, 15, 20}, kMaxBar, false, {10, 15, 20}, "20"},
      {{50, 60, 20}, kMaxBar, true, {50, 60, 20}, "20"},
      {{50, 60, 20}, 3, false, {50, 60, 20}, ""},
  };
  for (const auto& c : cases) {
    const LinkedVolume r = LinkVolumeBars(c.in, c.which, c.suppressed);
    EXPECT_EQ(r.bars, c.out) << c.which;
    EXPECT_EQ(r.pane, c.pane) << c.which;
  }
}

}  // namespace
}  // namespace morvelin
