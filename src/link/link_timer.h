#pragma once
// A link timer: a QTimer calling a handler, or, for tick-stepped tests, only the running flag
// with the ticks delivered by the caller.

#include <QTimer>
#include <functional>

namespace morvelin {

enum class TimerDrive { Qt, Manual };

class LinkTimer {
 public:
  LinkTimer(int intervalMs, TimerDrive drive, std::function<void()> onTick) : drive_(drive) {
    timer_.setInterval(intervalMs);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, std::move(onTick));
  }
  LinkTimer(const LinkTimer&) = delete;
  LinkTimer& operator=(const LinkTimer&) = delete;

  void Start() {
    if (running_) return;  // an enabled timer keeps its phase
    running_ = true;
    ++starts_;
    if (drive_ == TimerDrive::Qt) timer_.start();
  }
  void Stop() {
    running_ = false;
    timer_.stop();
  }
  bool Running() const { return running_; }
  int IntervalMs() const { return timer_.interval(); }
  // How often it was started: a manual driver sees a restart between two of its steps.
  int Starts() const { return starts_; }

 private:
  TimerDrive drive_;
  bool running_ = false;
  int starts_ = 0;
  QTimer timer_;
};

}  // namespace morvelin
