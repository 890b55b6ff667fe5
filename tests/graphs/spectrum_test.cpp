#include "graphs/spectrum.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>
#include <random>
#include <vector>

#include "params/scales.h"
#include "support/fake_audio_capture.h"

namespace morvelin {
namespace {

constexpr int kH = kGraphDesignHeight;

std::vector<char> Block(int size, auto sample) {
  std::vector<char> b(size);
  for (int n = 0; n < size; ++n) b[n] = char(std::uint8_t(sample(n)));
  return b;
}

std::vector<char> Sine(double hz) {
  return testing::ToneBuffer({hz});
}

// The analyser on, one buffer taken and transformed.
struct Computed {
  explicit Computed(const std::vector<char>& block) {
    a.ResetTransform();
    a.SpectrumOn = true;
    a.OnAudioData(block.data(), block.size(), false);
    a.ComputeSpectrum();
  }
  SpectrumAnalyser a;
};

TEST(LevelToY, Limits) {
  const double top = 20 * std::log10(120.0 / 128.0);  // -0.56 dB
  struct Case {
    double magnitude;
    int floor;
    double y;
  } cases[] = {
      {0.0, 0, kH - 2},                                  // silence counts as 0.001
      {std::nan(""), 0, kH - 2},                         // as does a broken transform
      {128 * std::pow(10.0, -52 / 20.0), 0, kH - 2},     // exactly the floor
      {128 * std::pow(10.0, -70 / 20.0), 0, kH - 2},     // below it
      {120, 0, (kH - 2) - (top + 52) / 52 * (kH - 1)},   // the loudest level drawn
      {5000, 0, (kH - 2) - (top + 52) / 52 * (kH - 1)},  // louder ones count as 120
      {128 * std::pow(10.0, -26 / 20.0), 0, (kH - 2) - 0.5 * (kH - 1)},
      {128 * std::pow(10.0, -58 / 20.0), 1, (kH - 2) - 6.0 / 64 * (kH - 1)},
      {128 * std::pow(10.0, -58 / 20.0), 0, kH - 2},  // under the -52 dB floor
      {0.0, 1, kH - 2},
  };
  for (const Case& c : cases) EXPECT_NEAR(LevelToY(c.magnitude, kH, c.floor), c.y, 1e-3) << c.magnitude;
  // The top level ends within two pixels of the top at the design height.
  EXPECT_EQ(NearestInt(LevelToY(1e6, kH, 0)), 2);
  EXPECT_EQ(NearestInt(LevelToY(1e6, kH, 1)), 1);
}

TEST(SpectrumBars, GeometryAtDesignWidth) {
  const GraphGeometry geometry(1142, kH);
  EXPECT_EQ(SpectrumBarWidth(1142), 9);
  const std::vector<float> silence(kFftLength, 0.0f);
  const std::vector<SpectrumBar> bars = SpectrumBars(geometry, silence, 0);
  ASSERT_EQ(bars.size(), 127u);
  for (std::size_t i = 0; i < bars.size(); ++i) {
    EXPECT_EQ(bars[i].left, int(i) * 9);
    EXPECT_EQ(bars[i].columns, 7) << i;
  }
}

TEST(SpectrumBars, NarrowAndWideImages) {
  struct Case {
    int width, barWidth, bars, columns, lastColumns;
  } cases[] = {
      {100, 1, 101, 1, 1},  // one column a bar, all drawn
      {240, 2, 121, 1, 1},  // the second column of each bar stays empty
      {360, 3, 121, 1, 1},
      {1900, 15, 127, 13, 11},  // the last bar ends at column W
  };
  const std::vector<float> silence(kFftLength, 0.0f);
  for (const Case& c : cases) {
    const std::vector<SpectrumBar> bars = SpectrumBars(GraphGeometry(c.width, kH), silence, 0);
    EXPECT_EQ(SpectrumBarWidth(c.width), c.barWidth) << c.width;
    ASSERT_EQ(int(bars.size()), c.bars) << c.width;
    EXPECT_EQ(bars.front().columns, c.columns) << c.width;
    EXPECT_EQ(bars.back().columns, c.lastColumns) << c.width;
    EXPECT_LE(bars.back().left + bars.back().columns - 1, c.width);
  }
}

TEST(ComputeSpectrum, SilenceLeavesBarsOnTheFloorButTheWeightedOnes) {
  const Computed silent(Block(kSpectrumSamples, [](int) { return 128; }));
  SpectrumAnalyser none;  // nothing captured yet counts as silence too
  none.ResetTransform();
  none.ComputeSpectrum();
  for (const SpectrumAnalyser* a : {&silent.a, static_cast<const SpectrumAnalyser*>(&none)}) {
    const std::vector<SpectrumBar> bars = a->Bars(GraphGeometry());
    ASSERT_EQ(bars.size(), 127u);
    for (std::size_t i = 0; i < bars.size(); ++i) {
      const int expected = i < LowColumnWeights.size() ? NearestInt((kH - 2) * LowColumnWeights[i]) : kH - 2;
      EXPECT_EQ(bars[i].top, expected) << i;
    }
    // Bar 2, weight 0.25, rises to a quarter of H - 2 from the top.
    EXPECT_EQ(bars[2].top, 64);
  }
}

TEST(ComputeSpectrum, FullScaleSineReachesTheTopAroundItsFrequency) {
  const Computed sine(Sine(1000.0));
  const GraphGeometry geometry;
  const std::vector<SpectrumBar> bars = sine.a.Bars(geometry);
  const int g = SpectrumBarWidth(geometry.Width());
  int near = 0;
  for (std::size_t i = LowColumnWeights.size(); i < bars.size(); ++i) {
    const double centre = geometry.XToFreq(bars[i].left + g / 2);
    if (centre > 960 && centre < 1040) {
      ++near;
      EXPECT_LE(bars[i].top, 2) << centre;
    }
    // Far from the tone the bars stay low.
    if (centre > 4000) {
      EXPECT_GT(bars[i].top, kH / 2) << centre;
    }
  }
  EXPECT_GE(near, 2);
}

// The transform is the plain forward DFT of the 1024 samples, zero-padded, not normalised.
TEST(ComputeSpectrum, MatchesTheUnnormalisedTransform) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> byte(0, 255);
  const std::vector<char> block = Block(kSpectrumSamples, [&](int) { return byte(random); });
  const Computed c(block);
  for (int k : {0, 1, 2, 3, 17, 43, 512, 1023, 1024, 1500, 2047}) {
    std::complex<double> sum = 0;
    for (int n = 0; n < kSpectrumSamples; ++n)
      sum += (std::uint8_t(block[n]) / 128.0 - 1.0) *
             std::polar(1.0, -2 * std::numbers::pi * k * n / kFftLength);
    const double damping = k < 3 ? 0.1 * k * k * k : 1.0;
    EXPECT_NEAR(c.a.Magnitudes()[k], std::abs(sum) * damping, 1e-3 * (1 + std::abs(sum))) << k;
  }
}

TEST(ComputeSpectrum, ShortBufferCountsTheMissingSamplesAsSilence) {
  const std::vector<char> full = Sine(3000.0);
  std::vector<char> half(full.begin(), full.begin() + kSpectrumSamples / 2);
  std::vector<char> padded = half;
  padded.resize(kSpectrumSamples, char(128));
  const Computed shortBlock(half), paddedBlock(padded);
  for (int k = 0; k < kFftLength; ++k)
    ASSERT_NEAR(shortBlock.a.Magnitudes()[k], paddedBlock.a.Magnitudes()[k], 1e-3) << k;
  // Only the first 1024 samples of a longer buffer are transformed.
  std::vector<char> longer = full;
  longer.resize(3 * kSpectrumSamples, char(255));
  const Computed longBlock(longer), exact(full);
  for (int k = 0; k < kFftLength; ++k) ASSERT_EQ(longBlock.a.Magnitudes()[k], exact.a.Magnitudes()[k]) << k;
}

TEST(SpectrumAnalyser, BuffersAreTakenOnlyWhileOnAndNotDragging) {
  const std::vector<char> first = Sine(1000.0), second = Sine(2000.0);
  struct Case {
    bool on, dragging;
    std::size_t size;
    bool taken;
  } cases[] = {
      {false, false, second.size(), false}, {true, true, second.size(), false}, {true, false, 0, false},
      {true, false, second.size(), true},   {true, false, 100, true},
  };
  for (const Case& c : cases) {
    SpectrumAnalyser a;
    a.SpectrumOn = true;
    a.OnAudioData(first.data(), first.size(), false);
    a.SpectrumOn = c.on;
    a.OnAudioData(second.data(), c.size, c.dragging);
    const std::span<const std::uint8_t> kept = a.SampleBlock();
    const std::vector<char>& expected = c.taken ? second : first;
    const std::size_t size = c.taken ? c.size : first.size();
    ASSERT_EQ(kept.size(), size);
    EXPECT_TRUE(std::equal(kept.begin(), kept.end(), reinterpret_cast<const std::uint8_t*>(expected.data())));
  }
}

TEST(SpectrumAnalyser, TicksComputeAtTheFifthAndDrawAfterTheTenth) {
  SpectrumAnalyser a;
  a.ResetTransform();
  EXPECT_EQ(a.SpectrumTick(), SpectrumStep::None);  // off: nothing counts
  EXPECT_EQ(a.SpectrumTicks, 0);
  a.SpectrumOn = true;
  std::vector<int> computed, drawn;
  for (int tick = 1; tick <= 33; ++tick) {
    const SpectrumStep step = a.SpectrumTick();
    if (step == SpectrumStep::Computed) computed.push_back(tick);
    if (step == SpectrumStep::Draw) drawn.push_back(tick);
  }
  EXPECT_EQ(computed, (std::vector<int>{5, 16, 27}));
  EXPECT_EQ(drawn, (std::vector<int>{11, 22, 33}));
  EXPECT_EQ(a.SpectrumTicks, 0);
}

TEST(SpectrumAnalyser, TickComputesTheLatestBuffer) {
  SpectrumAnalyser a;
  a.ResetTransform();
  a.SpectrumOn = true;
  const std::vector<char> tone = Sine(1000.0);
  a.OnAudioData(tone.data(), tone.size(), false);
  for (int tick = 1; tick < kSpectrumComputeTick; ++tick) a.SpectrumTick();
  EXPECT_EQ(a.Magnitudes()[43], 0.0f);
  a.SpectrumTick();
  EXPECT_GT(a.Magnitudes()[43], 120.0f);
}

}  // namespace
}  // namespace morvelin
