// The capture on a real audio server. tests/audio/with-pulseaudio starts a private PulseAudio
// with a null sink whose monitor is remapped into the only recording source, plays a 1 kHz
// tone into the sink and runs this program with MORVELIN_AUDIO_SERVER set.

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "graphs/spectrum.h"
#include "platform/qt_audio_capture.h"

namespace morvelin {
namespace {

bool ServerStarted() {
  return !qEnvironmentVariableIsEmpty("MORVELIN_AUDIO_SERVER");
}

// The bin of the largest magnitude above the damped ones, in Hz.
double PeakHz(std::span<const float> magnitudes) {
  const auto half = magnitudes.subspan(3, kFftLength / 2 - 3);
  const auto peak = std::max_element(half.begin(), half.end());
  return double(peak - half.begin() + 3) * kCaptureSampleRate / kFftLength;
}

TEST(RealAudio, CapturedToneSpectrumPeaksAtOneKilohertz) {
  if (!ServerStarted()) GTEST_SKIP() << "run through tests/audio/with-pulseaudio";
  SpectrumAnalyser analyser;
  analyser.ResetTransform();
  analyser.SpectrumOn = true;
  QtAudioCapture capture;
  int buffers = 0;
  QElapsedTimer clock;
  clock.start();
  ASSERT_TRUE(capture.Start([&](const char* data, std::size_t size) {
    EXPECT_EQ(size, std::size_t(kCaptureBufferBytes));
    ++buffers;
    analyser.OnAudioData(data, size, false);
  }));
  // Starting does not wait for the first data.
  EXPECT_LT(clock.elapsed(), 3000);
  // The first buffers can take about two seconds; later ones hold the tone.
  constexpr int kSettledBuffers = 60;
  EXPECT_TRUE(QTest::qWaitFor([&] { return buffers >= kSettledBuffers; }, 20000)) << buffers << " buffers";
  capture.Stop();
  ASSERT_EQ(analyser.SampleBlock().size(), std::size_t(kCaptureBufferBytes));
  analyser.ComputeSpectrum();
  const double peak = PeakHz(analyser.Magnitudes());
  std::printf(
      "captured %d buffers; spectrum peak at %.1f Hz, magnitude %.1f\n", buffers, peak,
      double(*std::max_element(analyser.Magnitudes().begin() + 3, analyser.Magnitudes().begin() + 1024)));
  EXPECT_NEAR(peak, 1000.0, 30.0);
  // The tone is near full scale: the bars around 1 kHz reach the top of the graph.
  const GraphGeometry geometry;
  const std::vector<SpectrumBar> bars = analyser.Bars(geometry);
  const int g = SpectrumBarWidth(geometry.Width());
  int highest = geometry.Height();
  for (const SpectrumBar& b : bars) {
    const double hz = geometry.XToFreq(b.left + g / 2);
    if (hz > 970 && hz < 1030) highest = std::min(highest, b.top);
  }
  EXPECT_LE(highest, 20);
}

TEST(RealAudio, CaptureStopsAndStartsAgain) {
  if (!ServerStarted()) GTEST_SKIP() << "run through tests/audio/with-pulseaudio";
  QtAudioCapture capture;
  int buffers = 0;
  for (int round = 0; round < 2; ++round) {
    buffers = 0;
    ASSERT_TRUE(capture.Start([&](const char*, std::size_t) { ++buffers; }));
    EXPECT_TRUE(QTest::qWaitFor([&] { return buffers > 0; }, 20000));
    capture.Stop();
  }
}

// Run with PULSE_SERVER naming a socket nobody serves.
TEST(NoAudioServer, StartFailsQuickly) {
  if (qEnvironmentVariableIsEmpty("MORVELIN_NO_AUDIO_SERVER"))
    GTEST_SKIP() << "run through tests/audio/with-pulseaudio";
  QElapsedTimer clock;
  clock.start();
  QtAudioCapture capture;
  EXPECT_FALSE(capture.Start([](const char*, std::size_t) {}));
  EXPECT_LT(clock.elapsed(), 5000);
  capture.Stop();
}

}  // namespace
}  // namespace morvelin
