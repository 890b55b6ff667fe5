#include "unit/loopback_port.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>
#include <cmath>

#include "link/frames.h"
#include "support/answer_frames.h"

namespace morvelin {
namespace {

using test::kAck;
using test::SplitAnswers;

struct Received {
  std::vector<int> waiting;  // the count of every notification
};

// Opens the unit's port and records every notification's count.
void OpenRecording(LoopbackPort& port, Received& got) {
  port.SetReceiveHandler([&got](int waiting) { got.waiting.push_back(waiting); });
  port.SetPortName("DEMO");
  ASSERT_TRUE(port.Open());
}

TEST(LoopbackPortTest, OpensOnlyTheUnitsNameAndSilentPorts) {
  VirtualUnit unit;
  LoopbackPort port(unit, "DEMO");
  port.AddSilentPort("COM1");
  struct Case {
    const char* name;
    bool opens;
    bool reachesUnit;
  };
  for (const Case& c : {Case{"DEMO", true, true}, Case{"COM1", true, false}, Case{"COM2", false, false},
                        Case{"", false, false}}) {
    unit.ClearReceived();
    port.SetPortName(c.name);
    EXPECT_EQ(port.PortName(), c.name);
    EXPECT_EQ(port.Open(), c.opens) << c.name;
    EXPECT_EQ(port.IsOpen(), c.opens) << c.name;
    EXPECT_EQ(port.Write(LinkCodeFrame(LinkProbe)), c.opens) << c.name;
    EXPECT_EQ(unit.ReceivedFrames().size(), c.reachesUnit ? 1u : 0u) << c.name;
    port.DeliverNow();
    EXPECT_EQ(port.BytesAvailable(), c.reachesUnit ? 2 : 0) << c.name;
    port.Close();
    EXPECT_FALSE(port.IsOpen());
  }
}

TEST(LoopbackPortTest, AnswersArriveLaterAndAreAnnounced) {
  VirtualUnit unit;
  LoopbackPort port(unit);
  Received got;
  ASSERT_NO_FATAL_FAILURE(OpenRecording(port, got));

  ASSERT_TRUE(port.Write(LinkCodeFrame(LinkProbe)));
  EXPECT_EQ(port.BytesAvailable(), 0);  // nothing arrives within the write
  EXPECT_EQ(port.PendingBytes(), 2);
  ASSERT_TRUE(QTest::qWaitFor([&] { return port.BytesAvailable() == 2; }, 1000));
  ASSERT_FALSE(got.waiting.empty());
  EXPECT_EQ(got.waiting.back(), 2);
  EXPECT_EQ(port.Read(10), kAck);
  EXPECT_EQ(port.BytesAvailable(), 0);
}

TEST(LoopbackPortTest, PacesAnswersLikeTheSerialLine) {
  VirtualUnit unit;
  LoopbackPort port(unit);
  QElapsedTimer clock;
  // Every notification with the time it came at, from the write on.
  std::vector<std::pair<qint64, int>> arrivals;
  port.SetReceiveHandler([&](int waiting) { arrivals.emplace_back(clock.elapsed(), waiting); });
  port.SetPortName("DEMO");
  ASSERT_TRUE(port.Open());

  clock.start();
  port.Write(WordFrame(ReadType, BlockReadAddr, 0));  // 165 words: 344 bytes in two reports
  const int total = port.PendingBytes();
  ASSERT_EQ(total, (7 + 2 * 125) + (7 + 2 * 40));
  // A loaded machine may be slow to deliver, never fast: no upper bound on the time.
  ASSERT_TRUE(QTest::qWaitFor([&] { return port.BytesAvailable() == total; }, 20000));
  EXPECT_GE(clock.elapsed(), static_cast<qint64>(0.8 * total / LoopbackPort::kBytesPerMs));
  ASSERT_FALSE(arrivals.empty());
  for (std::size_t k = 0; k < arrivals.size(); ++k) {
    const auto [atMs, waiting] = arrivals[k];
    // Never more bytes than the line can carry by then (one millisecond's tick of slack).
    EXPECT_LE(waiting, (atMs + 1) * LoopbackPort::kBytesPerMs + 1)
        << "notification " << k << " at " << atMs << " ms";
    if (k > 0) {
      EXPECT_GT(waiting, arrivals[k - 1].second);
    }
  }

  const auto answers = SplitAnswers(port.Read(total));
  ASSERT_EQ(answers.frames.size(), 2u);
  EXPECT_EQ(test::ReportAddress(answers.frames[1]), MakeAddress(0, 125));
}

TEST(LoopbackPortTest, OnASteppedClockAnswersTakeTheLinesTime) {
  SteppedClock clock;
  VirtualUnit unit;
  LoopbackPort port(unit, "DEMO", &clock);
  Received got;
  ASSERT_NO_FATAL_FAILURE(OpenRecording(port, got));

  port.Write(WordFrame(ReadType, BlockReadAddr, 0));
  const int total = port.PendingBytes();
  QCoreApplication::processEvents();
  EXPECT_EQ(port.BytesAvailable(), 0) << "the line needs the clock";
  const auto lineMs = static_cast<std::int64_t>(std::ceil(total / LoopbackPort::kBytesPerMs));
  clock.Advance(lineMs - 1);
  EXPECT_GT(port.BytesAvailable(), 0);
  EXPECT_LT(port.BytesAvailable(), total);
  clock.Advance(1);
  EXPECT_EQ(port.BytesAvailable(), total);
  EXPECT_EQ(static_cast<std::int64_t>(got.waiting.size()), lineMs);  // one notification a millisecond
}

TEST(LoopbackPortTest, DeliverNowHandsOverEveryAnswerWithItsOwnNotification) {
  VirtualUnit unit;
  unit.wordsPerReport = 50;
  LoopbackPort port(unit);
  Received got;
  ASSERT_NO_FATAL_FAILURE(OpenRecording(port, got));

  port.Write(LinkCodeFrame(LinkProbe));
  port.Write(WordFrame(ReadType, BlockReadAddr, 0));  // 4 reports
  port.DeliverNow();
  EXPECT_EQ(port.PendingBytes(), 0);
  const std::vector<int> expected{2, 2 + 107, 2 + 2 * 107, 2 + 3 * 107, 2 + 3 * 107 + 37};
  EXPECT_EQ(got.waiting, expected);
  EXPECT_EQ(SplitAnswers(port.Read(1000)).frames.size(), 5u);
  QTest::qWait(5);
  EXPECT_EQ(got.waiting.size(), expected.size());  // nothing comes twice
}

TEST(LoopbackPortTest, AnswersProvokedWhileDeliveringStayPaced) {
  VirtualUnit unit;
  LoopbackPort port(unit);
  int notifications = 0;
  port.SetReceiveHandler([&](int) {
    ++notifications;
    port.Read(100);
    port.Write(LinkCodeFrame(KeepAlive));  // every ack provokes another
  });
  port.SetPortName("DEMO");
  ASSERT_TRUE(port.Open());
  port.Write(LinkCodeFrame(LinkProbe));
  port.DeliverNow();
  EXPECT_EQ(notifications, 1);
  EXPECT_EQ(port.PendingBytes(), 2);
  port.Close();
}

TEST(LoopbackPortTest, ClosingDropsWhatIsOnTheLine) {
  VirtualUnit unit;
  LoopbackPort port(unit);
  port.SetPortName("DEMO");
  ASSERT_TRUE(port.Open());
  port.Write(WordFrame(ReadType, BlockReadAddr, 0));
  port.Close();
  EXPECT_EQ(port.PendingBytes(), 0);
  EXPECT_FALSE(port.Write(LinkCodeFrame(LinkProbe)));
  unit.SendDeviceId();  // nobody listening
  ASSERT_TRUE(port.Open());
  port.DeliverNow();
  EXPECT_EQ(port.BytesAvailable(), 0);

  unit.SendDeviceId();
  port.DeliverNow();
  EXPECT_EQ(port.Read(100), ParamFrame(WriteType, DeviceIdAddr, Bytes{0x56, 0x54, 0x56, 0x45}));
}

TEST(LoopbackPortTest, ReadTakesAtMostWhatWasAskedFor) {
  VirtualUnit unit;
  LoopbackPort port(unit);
  port.SetPortName("DEMO");
  ASSERT_TRUE(port.Open());
  port.Write(LinkCodeFrame(LinkProbe));
  port.Write(LinkCodeFrame(KeepAlive));
  port.DeliverNow();
  EXPECT_EQ(port.Read(3), (Bytes{0xEE, 0xBB, 0xEE}));
  EXPECT_EQ(port.Read(0), Bytes{});
  EXPECT_EQ(port.Read(-1), Bytes{});
  EXPECT_EQ(port.Read(3), Bytes{0xBB});
}

}  // namespace
}  // namespace morvelin
