#include "platform/stepped_clock.h"

#include <QCoreApplication>
#include <algorithm>

namespace morvelin {

namespace {

void ProcessPostedEvents() {
  if (QCoreApplication::instance()) QCoreApplication::processEvents();
}

}  // namespace

SteppedClock::~SteppedClock() {
  for (ClockTimer* t : timers_) t->clock_ = nullptr;
}

void SteppedClock::Remove(ClockTimer* timer) {
  timers_.erase(std::remove(timers_.begin(), timers_.end(), timer), timers_.end());
}

ClockTimer* SteppedClock::DueBy(std::int64_t until) const {
  ClockTimer* first = nullptr;
  for (ClockTimer* t : timers_) {
    if (!t->active_ || t->due_ > until) continue;
    if (!first || t->due_ < first->due_ || (t->due_ == first->due_ && t->order_ < first->order_)) first = t;
  }
  return first;
}

void SteppedClock::Fire(ClockTimer& timer) {
  now_ = std::max(now_, timer.due_);
  if (timer.singleShot_) {
    timer.active_ = false;
  } else {
    // A repeating timer keeps its phase; one of 0 ms comes round on the next step.
    timer.due_ += std::max(timer.intervalMs_, 1);
    timer.order_ = NextSequence();
  }
  const auto onTimeout = timer.onTimeout_;  // the handler may destroy the timer
  onTimeout();
  ProcessPostedEvents();
}

void SteppedClock::Advance(std::int64_t ms) {
  const std::int64_t end = now_ + std::max<std::int64_t>(ms, 0);
  ProcessPostedEvents();
  while (ClockTimer* t = DueBy(end)) Fire(*t);
  now_ = end;
  ProcessPostedEvents();
}

bool SteppedClock::RunUntil(const std::function<bool()>& done, std::int64_t limitMs) {
  const std::int64_t end = now_ + std::max<std::int64_t>(limitMs, 0);
  ProcessPostedEvents();
  while (!done()) {
    ClockTimer* t = DueBy(end);
    if (!t) {
      now_ = end;
      ProcessPostedEvents();
      return done();
    }
    Fire(*t);
  }
  return true;
}

ClockTimer::ClockTimer(SteppedClock* clock, int intervalMs, std::function<void()> onTimeout)
    : clock_(clock), intervalMs_(intervalMs), onTimeout_(std::move(onTimeout)) {
  if (clock_) {
    clock_->Add(this);
  } else {
    timer_.setInterval(intervalMs);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] { onTimeout_(); });
  }
}

ClockTimer::~ClockTimer() {
  if (clock_) clock_->Remove(this);
}

void ClockTimer::SetSingleShot(bool singleShot) {
  singleShot_ = singleShot;
  timer_.setSingleShot(singleShot);
}

void ClockTimer::Start() {
  if (!clock_) {
    timer_.start();
    return;
  }
  active_ = true;
  due_ = clock_->NowMs() + intervalMs_;
  order_ = clock_->NextSequence();
}

void ClockTimer::Stop() {
  active_ = false;
  timer_.stop();
}

bool ClockTimer::IsActive() const {
  return clock_ ? active_ : timer_.isActive();
}

void ClockStopwatch::Start() {
  if (clock_)
    startMs_ = clock_->NowMs();
  else
    elapsed_.start();
}

double ClockStopwatch::Restart() {
  if (!clock_) {
    const double ms = static_cast<double>(elapsed_.nsecsElapsed()) / 1e6;
    elapsed_.restart();
    return ms;
  }
  const std::int64_t now = clock_->NowMs();
  const double ms = static_cast<double>(now - startMs_);
  startMs_ = now;
  return ms;
}

}  // namespace morvelin
