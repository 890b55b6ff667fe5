#pragma once
// A link controller wired to a virtual unit through the loopback port, stepped on a simulated
// clock of 20 ms steps: the unit's clock follows, its answers arrive at the start of each step,
// then the timers that are due fire in the order search, transfer, hold, heal.

#include <array>
#include <string>
#include <vector>

#include "link/frames.h"
#include "link/link_controller.h"
#include "platform/fixed_port_lister.h"
#include "support/recording_link_ui.h"
#include "unit/loopback_port.h"
#include "unit/virtual_unit.h"

namespace morvelin::testing {

inline const Bytes kKeepAlive = LinkCodeFrame(KeepAlive);

class LinkRig {
 public:
  static constexpr int kStepMs = 20;

  explicit LinkRig(std::vector<std::string> ports = {"COM1"}, std::string unitPort = "COM1")
      : port(unit, unitPort), lister(ports) {
    for (const std::string& p : ports)
      if (p != unitPort) port.AddSilentPort(p);
    link.FillPortList();
  }

  VirtualUnit unit;
  LoopbackPort port;
  FixedPortLister lister;
  EditSelection sel;
  ParamStore store{sel};
  RecordingLinkUi ui;
  LinkController link{port, lister, store, ui, TimerDrive::Manual};
  long nowMs = 0;

  void Step() {
    nowMs += kStepMs;
    unit.SetTime(nowMs);
    port.DeliverNow();
    for (std::size_t k = 0; k < kTimers; ++k) {
      const LinkTimer& t = Timer(k);
      if (!t.Running() || nowMs < clocks_[k].due) continue;
      clocks_[k].due += t.IntervalMs();
      if (k == 0) link.Timer1Timer();
      if (k == 1) link.Timer2Timer();
      if (k == 2) link.HoldTimerTimer();
      if (k == 3) link.HealTimerTimer();
      port.DeliverNow();
      SyncClocks();
    }
  }
  void Run(long ms) {
    for (long end = nowMs + ms; nowMs < end;) Step();
  }
  // Steps until the condition holds; false after limitMs.
  template <typename F>
  bool RunUntil(F condition, long limitMs = 60'000) {
    for (long end = nowMs + limitMs; nowMs < end;) {
      if (condition()) return true;
      Step();
    }
    return condition();
  }

  void Search() {
    link.LinkBtnClick(LinkController::Button::LinkBtn);
    SyncClocks();
  }
  // Search, link and read everything; true once online.
  bool BringOnline() {
    Search();
    return RunUntil([&] { return link.LinkOnline(); });
  }
  // A timer started since the last look counts from now; call after acting from outside a step.
  void SyncClocks() {
    for (std::size_t k = 0; k < kTimers; ++k) {
      if (Timer(k).Starts() == clocks_[k].starts) continue;
      clocks_[k].starts = Timer(k).Starts();
      clocks_[k].due = nowMs + Timer(k).IntervalMs();
    }
  }

  // Frames the unit received since the last call.
  std::vector<Bytes> TakeReceived() {
    std::vector<Bytes> r = unit.ReceivedFrames();
    unit.ClearReceived();
    return r;
  }

 private:
  static constexpr std::size_t kTimers = 4;
  struct Clock {
    int starts = 0;
    long due = 0;
  };
  const LinkTimer& Timer(std::size_t k) const {
    return k == 0 ? link.Timer1() : k == 1 ? link.Timer2() : k == 2 ? link.HoldTimer() : link.HealTimer();
  }
  std::array<Clock, kTimers> clocks_{};
};

inline Bytes ModeNameRequest(int k) {
  return ParamFrame(ReadType, ModeNameAddr, Bytes{static_cast<std::uint8_t>(k), 0});
}

}  // namespace morvelin::testing
