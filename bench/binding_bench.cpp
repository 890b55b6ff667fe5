#include <benchmark/benchmark.h>

#include "../tests/link/link_rig.h"
#include "editor/widgets/controls/track_bar.h"
#include "shell/main_window.h"
#include "shell/window_features.h"

namespace morvelin {
namespace {

// The main window on a store read from the virtual unit, its edits sent by the online link.
struct BoundWindow {
  BoundWindow() {
    binding.BuildRegistry();
    binding.BuildRegistry();
    ParamStore& store = session.Store();
    store.ResetBands(100);
    rig.BringOnline();
    store.DeviceImage = rig.store.DeviceImage;
    store.Unit = rig.store.Unit;
    store.SetEditSender(&rig.link);
  }
  testing::LinkRig rig;
  EditorSession session;
  MainWindow window{session};
  WindowFeatures features{window};
  EditorBinding& binding = features.binding;
};

// Every registered control of every view block shown from the store, nothing sent.
void BM_RefreshAllPages(benchmark::State& state) {
  BoundWindow w;
  w.rig.TakeReceived();
  for (auto _ : state) w.binding.RefreshPage(100);
  if (!w.rig.TakeReceived().empty()) state.SkipWithError("the refresh wrote to the unit");
}
BENCHMARK(BM_RefreshAllPages)->Unit(benchmark::kMillisecond);

// One user move of a value slider: generic slider path, ApplyValue, SetParam, the word frame
// written to the port.
void BM_SliderEditToFrame(benchmark::State& state) {
  BoundWindow w;
  w.binding.RefreshPage(100);
  auto* bar = w.window.Components().Get<TrackBar>("MicNoiseLevelBar");
  int value = 0;
  long frames = 0;
  for (auto _ : state) {
    value = (value + 1) % 60;
    bar->SetPosition(value);
    state.PauseTiming();
    // The port hands written bytes to the unit at once: the frame is there now.
    frames += static_cast<long>(w.rig.TakeReceived().size());
    w.rig.Step();  // the unit's acknowledgement, so the next edit goes out at once
    w.rig.TakeReceived();
    state.ResumeTiming();
  }
  if (frames < static_cast<long>(state.iterations())) state.SkipWithError("an edit was not written at once");
}
BENCHMARK(BM_SliderEditToFrame)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace morvelin
