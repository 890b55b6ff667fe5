#include "platform/stepped_clock.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>
#include <QTimer>
#include <memory>
#include <string>

namespace morvelin {
namespace {

TEST(SteppedClockTest, TimersFireAtTheirTimesInOrder) {
  SteppedClock clock;
  std::string log;
  auto note = [&](const char* name) { log += std::string(name) + "@" + std::to_string(clock.NowMs()) + " "; };
  ClockTimer fast(&clock, 20, [&] { note("fast"); });
  ClockTimer slow(&clock, 50, [&] { note("slow"); });
  ClockTimer once(&clock, 40, [&] { note("once"); });
  once.SetSingleShot(true);
  fast.Start();
  slow.Start();
  once.Start();
  clock.Advance(100);
  // Among timers due together, the one set first goes first.
  EXPECT_EQ(log, "fast@20 once@40 fast@40 slow@50 fast@60 fast@80 slow@100 fast@100 ");
  EXPECT_EQ(clock.NowMs(), 100);
  EXPECT_TRUE(fast.IsActive());
  EXPECT_FALSE(once.IsActive());
}

TEST(SteppedClockTest, NothingMovesWithoutTheClock) {
  SteppedClock clock;
  int ticks = 0;
  ClockTimer t(&clock, 1, [&] { ++ticks; });
  t.Start();
  QCoreApplication::processEvents();
  EXPECT_EQ(ticks, 0);
  clock.Advance(5);
  EXPECT_EQ(ticks, 5);
  t.Stop();
  clock.Advance(5);
  EXPECT_EQ(ticks, 5);
}

TEST(SteppedClockTest, ARestartBeginsTheIntervalAgain) {
  SteppedClock clock;
  std::vector<std::int64_t> at;
  ClockTimer t(&clock, 100, [&] { at.push_back(clock.NowMs()); });
  t.Start();
  clock.Advance(60);
  t.Start();
  clock.Advance(200);
  EXPECT_EQ(at, (std::vector<std::int64_t>{160, 260}));
}

TEST(SteppedClockTest, RunUntilStopsAtTheConditionOrTheLimit) {
  SteppedClock clock;
  int ticks = 0;
  ClockTimer t(&clock, 100, [&] { ++ticks; });
  t.Start();
  EXPECT_TRUE(clock.RunUntil([&] { return ticks == 3; }, 1000));
  EXPECT_EQ(clock.NowMs(), 300);
  EXPECT_FALSE(clock.RunUntil([&] { return ticks == 100; }, 250));
  EXPECT_EQ(clock.NowMs(), 550);
  EXPECT_EQ(ticks, 5);
}

TEST(SteppedClockTest, PostedEventsRunBetweenTimersAndAHandlerMayEndItsTimer) {
  SteppedClock clock;
  std::string log;
  std::unique_ptr<ClockTimer> once;
  once = std::make_unique<ClockTimer>(&clock, 10, [&] {
    log += "timer ";
    QTimer::singleShot(0, [&] { log += "posted "; });
    once.reset();
  });
  ClockTimer later(&clock, 20, [&] { log += "later "; });
  once->Start();
  later.Start();
  clock.Advance(30);
  EXPECT_EQ(log, "timer posted later ");
  EXPECT_EQ(once, nullptr);
}

TEST(SteppedClockTest, WithoutAClockATimerRunsOnTheEventLoop) {
  int ticks = 0;
  ClockTimer t(nullptr, 1, [&] { ++ticks; });
  t.SetSingleShot(true);
  t.Start();
  EXPECT_TRUE(t.IsActive());
  EXPECT_TRUE(QTest::qWaitFor([&] { return ticks == 1; }, 2000));
  EXPECT_FALSE(t.IsActive());
}

}  // namespace
}  // namespace morvelin
