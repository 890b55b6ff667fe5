#pragma once
// Time for the program's timers: the Qt event loop's, or a clock that a test moves forward, so
// that whole-program tests run the real intervals (transfer steps, keep-alives, time-outs)
// without waiting for them.

#include <QElapsedTimer>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <vector>

namespace morvelin {

class ClockTimer;

// Time that moves only when told to. Timers on it fire in the order of their due times; the
// events they post are processed after each of them, as the event loop would.
class SteppedClock {
 public:
  SteppedClock() = default;
  ~SteppedClock();
  SteppedClock(const SteppedClock&) = delete;
  SteppedClock& operator=(const SteppedClock&) = delete;

  std::int64_t NowMs() const { return now_; }
  // Moves the time forward by ms, firing every timer that falls due on the way.
  void Advance(std::int64_t ms);
  // Moves the time forward until done() holds, at most by limitMs; returns done().
  bool RunUntil(const std::function<bool()>& done, std::int64_t limitMs);

 private:
  friend class ClockTimer;
  void Add(ClockTimer* timer) { timers_.push_back(timer); }
  void Remove(ClockTimer* timer);
  std::uint64_t NextSequence() { return ++sequence_; }
  // The timer due first (the first started among equals) if it is due by `until`, else nullptr.
  ClockTimer* DueBy(std::int64_t until) const;
  void Fire(ClockTimer& timer);

  std::vector<ClockTimer*> timers_;
  std::int64_t now_ = 0;
  std::uint64_t sequence_ = 0;
};

// A timer on a SteppedClock, or a precise QTimer when there is none.
class ClockTimer {
 public:
  ClockTimer(SteppedClock* clock, int intervalMs, std::function<void()> onTimeout);
  ~ClockTimer();
  ClockTimer(const ClockTimer&) = delete;
  ClockTimer& operator=(const ClockTimer&) = delete;

  void SetSingleShot(bool singleShot);
  // Starts or restarts the interval.
  void Start();
  void Stop();
  bool IsActive() const;
  int IntervalMs() const { return intervalMs_; }

 private:
  friend class SteppedClock;
  SteppedClock* clock_;
  int intervalMs_;
  std::function<void()> onTimeout_;
  QTimer timer_;
  bool singleShot_ = false;
  bool active_ = false;
  std::int64_t due_ = 0;
  std::uint64_t order_ = 0;
};

// Milliseconds since it was started, on the clock or on the system's steady time.
class ClockStopwatch {
 public:
  explicit ClockStopwatch(SteppedClock* clock) : clock_(clock) {}
  void Start();
  // Milliseconds since the last Start, and starts again.
  double Restart();

 private:
  SteppedClock* clock_;
  QElapsedTimer elapsed_;
  std::int64_t startMs_ = 0;
};

}  // namespace morvelin
