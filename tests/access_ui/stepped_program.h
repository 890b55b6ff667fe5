#pragma once
// The whole program on the virtual unit with the link's timers stepped on a simulated clock of
// 20 ms steps: the unit's answers arrive at the start of each step, then the timers that are due
// fire in the order search, transfer, hold. Nothing waits for real time.

#include <array>
#include <vector>

#include "platform/loopback_port.h"
#include "shell/shell_fixture.h"

namespace morvelin::test {

inline StartupOptions SteppedDemoOptions() {
  StartupOptions o = DemoOptions();
  o.linkTimers = TimerDrive::Manual;
  return o;
}

class SteppedProgram : public Program {
 public:
  static constexpr int kStepMs = 20;

  SteppedProgram() : Program(SteppedDemoOptions()) {}

  VirtualUnit& Unit() { return *app.Form3().DemoUnit(); }
  LoopbackPort& Port() { return static_cast<LoopbackPort&>(app.Form3().Port()); }

  void Step() {
    SyncClocks();
    nowMs_ += kStepMs;
    Port().DeliverNow();
    for (std::size_t k = 0; k < clocks_.size(); ++k) {
      const LinkTimer& t = Timer(k);
      if (!t.Running() || nowMs_ < clocks_[k].due) continue;
      clocks_[k].due += t.IntervalMs();
      if (k == 0) Link().Timer1Timer();
      if (k == 1) Link().Timer2Timer();
      if (k == 2) Link().HoldTimerTimer();
      Port().DeliverNow();
      SyncClocks();
    }
  }
  void Run(long ms) {
    for (const long end = nowMs_ + ms; nowMs_ < end;) Step();
  }
  template <typename F>
  bool RunUntil(F condition, long limitMs = 60'000) {
    for (const long end = nowMs_ + limitMs; nowMs_ < end; Step())
      if (condition()) return true;
    return condition();
  }
  // Shows the window (start-up starts the search) and steps until the full read is done.
  bool ShowOnline() {
    Show();
    return StepOnline();
  }
  bool StepOnline() {
    return RunUntil([&] { return Link().LinkOnline(); });
  }

  // Frames the unit received since the last call.
  std::vector<Bytes> TakeReceived() {
    Port().DeliverNow();
    std::vector<Bytes> r = Unit().ReceivedFrames();
    Unit().ClearReceived();
    return r;
  }

 private:
  // A timer started since the last look counts from now.
  void SyncClocks() {
    for (std::size_t k = 0; k < clocks_.size(); ++k) {
      if (Timer(k).Starts() == clocks_[k].starts) continue;
      clocks_[k].starts = Timer(k).Starts();
      clocks_[k].due = nowMs_ + Timer(k).IntervalMs();
    }
  }
  const LinkTimer& Timer(std::size_t k) {
    return k == 0 ? Link().Timer1() : k == 1 ? Link().Timer2() : Link().HoldTimer();
  }
  struct Clock {
    int starts = 0;
    long due = 0;
  };
  std::array<Clock, 3> clocks_{};
  long nowMs_ = 0;
};

}  // namespace morvelin::test
