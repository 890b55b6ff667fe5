#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <memory>

#include "editor/widgets/controls/bmp_button.h"
#include "event_loop.h"
#include "shell/application.h"
#include "support/recorded_message_boxes.h"

namespace morvelin {
namespace {

double ProcessCpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The whole editor online with the virtual unit, the analyser off (0) or on (1), for a few
// seconds of its own timers and capture: the process's CPU time over the wall time, in percent
// of one core. It needs a signal at the default recording device: scripts/spectrum-cpu.
void BM_EditorCpuShare(benchmark::State& state) {
  if (qEnvironmentVariableIsEmpty("MORVELIN_AUDIO_SERVER")) {
    state.SkipWithError("needs an audio server playing a tone: run scripts/spectrum-cpu");
    return;
  }
  PrepareApplication();
  StartupOptions options;
  options.ports.names = {kDemoPortName};
  RecordedMessageBoxes messages;
  auto app = std::make_unique<Morvelin>(options, &messages);
  app->Form1().show();
  QElapsedTimer clock;
  clock.start();
  while (!app->Form3().Link().LinkOnline() && clock.elapsed() < 20000) RunEventLoopFor(20);
  RunEventLoopFor(2000);  // the first buffers can take about two seconds
  if (state.range(0) == 1) {
    BmpButton* on = app->Form1().Components().Get<BmpButton>("PinPPBtn");
    if (on) emit on->Clicked();
    if (!on || on->Hint() != QStringLiteral("1")) {
      state.SkipWithError("the analyser did not switch on (no recording device)");
      return;
    }
  }
  double cpu = 0, wall = 0;
  for (auto _ : state) {
    const double before = ProcessCpuSeconds();
    clock.restart();
    RunEventLoopFor(5000);
    wall += clock.nsecsElapsed() / 1e9;
    cpu += ProcessCpuSeconds() - before;
  }
  state.counters["cpu_percent"] = wall > 0 ? 100.0 * cpu / wall : 0.0;
  app.reset();
}
BENCHMARK(BM_EditorCpuShare)
    ->ArgName("analyser")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace morvelin
