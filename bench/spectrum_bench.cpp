#include <benchmark/benchmark.h>

#include <QApplication>
#include <cmath>
#include <numbers>
#include <vector>

#include "../tests/graphs_widgets/fake_graph_host.h"
#include "../tests/support/fake_audio_capture.h"
#include "graphs/spectrum.h"
#include "graphs/widgets/graph_pane.h"
#include "graphs/widgets/graph_spectrum.h"
#include "graphs/widgets/response_graph.h"
#include "presets/notifier.h"

namespace morvelin {
namespace {

// Music: a few tones over a little noise, as an 8-bit unsigned buffer.
std::vector<char> Music() {
  std::vector<char> b(kSpectrumSamples);
  unsigned noise = 1;
  for (int n = 0; n < kSpectrumSamples; ++n) {
    noise = noise * 1103515245u + 12345u;
    double x = 0;
    for (double hz : {110.0, 440.0, 1000.0, 3500.0})
      x += 25 * std::sin(2 * std::numbers::pi * hz * n / kCaptureSampleRate);
    b[n] = char(std::uint8_t(std::lround(128 + x + int(noise >> 28) - 8)));
  }
  return b;
}

// The 2048-point transform of one buffer, the lowest bins damped, the magnitudes taken.
void BM_ComputeSpectrum(benchmark::State& state) {
  SpectrumAnalyser a;
  a.ResetTransform();
  a.SpectrumOn = true;
  const std::vector<char> music = Music();
  a.OnAudioData(music.data(), music.size(), false);
  for (auto _ : state) {
    a.ComputeSpectrum();
    benchmark::DoNotOptimize(a.Magnitudes().data());
  }
}
BENCHMARK(BM_ComputeSpectrum)->Unit(benchmark::kMicrosecond);

struct NoNotices : Notifier {
  void ShowNotice(const QString&, const QString&) override {}
};

// One drawing from the timer at 1142 x 256, painted: the grid, 127 bars, the curve again.
void BM_DrawSpectrum(benchmark::State& state) {
  testing::FakeGraphHost host;
  for (int band = 0; band < 10; ++band) host.store.ViewImage[0][BandWordIndex(10, band, 2)] = 90 + 9 * band;
  GraphPane pane{host};
  ResponseGraph& graph = *pane.Graph();
  graph.RedrawCurve(kSelectAll, 0);
  pane.show();
  testing::FakeAudioCapture capture;
  GraphSpectrum spectrum(graph, host, capture);
  spectrum.StartSpectrumCapture();
  NoNotices notices;
  spectrum.PinPPBtnClick(1, notices);
  capture.Feed(Music());
  for (int tick = 0; tick < kSpectrumDrawTick + 1; ++tick) spectrum.SpectrumTick();
  for (auto _ : state) {
    spectrum.DrawSpectrum();
    QApplication::processEvents();  // the paint
  }
}
BENCHMARK(BM_DrawSpectrum)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace morvelin
