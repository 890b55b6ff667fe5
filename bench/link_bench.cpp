// The link's two hot paths: an online edit from SetParam to the frame on the port, and the
// receiver and dispatcher taking in the unit's reports.

#include <benchmark/benchmark.h>

#include <algorithm>

#include "link/frames.h"
#include "link/link_controller.h"
#include "platform/fixed_port_lister.h"
#include "support/recording_link_ui.h"
#include "unit/loopback_port.h"
#include "unit/virtual_unit.h"

namespace morvelin {
namespace {

// Received bytes served from memory, so that only the receiver's own work is measured.
class MemoryPort : public SerialPort {
 public:
  Bytes rx;
  std::size_t at = 0;
  void SetPortName(const std::string&) override {}
  std::string PortName() const override { return "MEM"; }
  bool Open() override { return true; }
  void Close() override {}
  bool IsOpen() const override { return true; }
  bool Write(std::span<const std::uint8_t>) override { return true; }
  int BytesAvailable() const override { return static_cast<int>(rx.size() - at); }
  Bytes Read(int n) override {
    const std::size_t k = std::min<std::size_t>(static_cast<std::size_t>(std::max(n, 0)), rx.size() - at);
    Bytes out(rx.begin() + static_cast<std::ptrdiff_t>(at), rx.begin() + static_cast<std::ptrdiff_t>(at + k));
    at += k;
    return out;
  }
  void Arrive(std::size_t n) { NotifyReceived(static_cast<int>(std::min(n, rx.size() - at))); }
};

void BM_OnlineEditToPort(benchmark::State& state) {
  VirtualUnit unit;
  LoopbackPort port(unit, "DEMO");
  FixedPortLister lister({"DEMO"});
  EditSelection sel;
  ParamStore store(sel);
  RecordingLinkUi ui;
  LinkController link(port, lister, store, ui, TimerDrive::Manual);
  link.FillPortList();
  link.LinkBtnClick(LinkController::Button::LinkBtn);
  for (int k = 0; k < 5 && !link.Timer2().Running(); ++k) {
    link.Timer1Timer();
    port.DeliverNow();
  }
  for (int k = 0; k < 1000 && !link.LinkOnline(); ++k) {
    port.DeliverNow();
    link.Timer2Timer();
  }
  if (!link.LinkOnline()) {
    state.SkipWithError("the link did not come up");
    return;
  }
  port.DeliverNow();
  int v = 0;
  std::int64_t n = 0;
  for (auto _ : state) {
    store.SetParam(0x0016, v);
    v = (v + 1) % 181;
    if (++n % 1024 == 0) {
      state.PauseTiming();
      port.DeliverNow();
      state.ResumeTiming();
    }
  }
  if (unit.WordAt(0, 22) != (v + 180) % 181) state.SkipWithError("edits did not reach the unit");
}
BENCHMARK(BM_OnlineEditToPort);

void BM_ReceiverThroughput(benchmark::State& state) {
  MemoryPort port;
  FixedPortLister lister({});
  EditSelection sel;
  ParamStore store(sel);
  RecordingLinkUi ui;
  LinkController link(port, lister, store, ui, TimerDrive::Manual);
  // A full read's worth of reports, acknowledgements and a little noise between them.
  Bytes stream;
  for (int b = 0; b < 30; ++b) {
    for (int first = 0; first < BlockLengths(b); first += 125) {
      const int count = std::min(125, BlockLengths(b) - first);
      const Bytes data(static_cast<std::size_t>(2 * count), static_cast<std::uint8_t>(b));
      const Bytes f = ParamFrame(WriteType, b * 256 + first, data);
      stream.insert(stream.end(), f.begin(), f.end());
    }
    stream.insert(stream.end(), {0xEE, 0xBB, 0x00, 0x7E});
  }
  const std::size_t chunk = static_cast<std::size_t>(state.range(0));
  for (auto _ : state) {
    port.rx = stream;
    port.at = 0;
    ui.Diagnostics.clear();
    while (port.at < port.rx.size()) port.Arrive(chunk);
    benchmark::DoNotOptimize(store.DeviceImage[29][9]);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(stream.size()));
}
// Arrivals as a serial port delivers them: a few bytes, and whole reports at once.
BENCHMARK(BM_ReceiverThroughput)->Arg(32)->Arg(4096);

}  // namespace
}  // namespace morvelin
