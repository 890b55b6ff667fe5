#pragma once
// The whole program on the virtual unit with the link's time on the fixture's stepped clock.
// Nothing waits for real time.

#include <vector>

#include "shell/shell_fixture.h"
#include "unit/loopback_port.h"

namespace morvelin::test {

class SteppedProgram : public Program {
 public:
  VirtualUnit& Unit() { return *app.Form3().DemoUnit(); }
  LoopbackPort& Port() { return *app.Form3().DemoLine(); }

  template <typename F>
  bool RunUntil(F condition, long limitMs = 60'000) {
    return clock.RunUntil(condition, limitMs);
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
};

}  // namespace morvelin::test
