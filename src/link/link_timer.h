#pragma once
// A link timer: a timer calling a handler (on the event loop or on a stepped clock), or, for
// tick-stepped tests, only the running flag with the ticks delivered by the caller.

#include <functional>

#include "platform/stepped_clock.h"

namespace morvelin {

enum class TimerDrive { Qt, Manual };

class LinkTimer {
 public:
  LinkTimer(int intervalMs, TimerDrive drive, SteppedClock* clock, std::function<void()> onTick)
      : drive_(drive), timer_(clock, intervalMs, std::move(onTick)) {}
  LinkTimer(const LinkTimer&) = delete;
  LinkTimer& operator=(const LinkTimer&) = delete;

  void Start() {
    if (running_) return;  // an enabled timer keeps its phase
    running_ = true;
    ++starts_;
    if (drive_ == TimerDrive::Qt) timer_.Start();
  }
  void Stop() {
    running_ = false;
    timer_.Stop();
  }
  bool Running() const { return running_; }
  int IntervalMs() const { return timer_.IntervalMs(); }
  // How often it was started: a manual driver sees a restart between two of its steps.
  int Starts() const { return starts_; }

 private:
  TimerDrive drive_;
  bool running_ = false;
  int starts_ = 0;
  ClockTimer timer_;
};

}  // namespace morvelin
