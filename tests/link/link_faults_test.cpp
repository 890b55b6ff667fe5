// The link against a unit that misbehaves: lost and late acknowledgements, slow and noisy
// answers, corrupted reports, a failing port, and a unit that goes away and comes back.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "link/link_controller.h"
#include "link_rig.h"

namespace morvelin {
namespace {

using testing::kKeepAlive;
using testing::LinkRig;
using Button = LinkController::Button;

constexpr int kGainA = 0x0203;  // plain words, no side effects at the unit
constexpr int kGainB = 0x0204;

bool IsWordWrite(const Bytes& f) {
  return f.size() == 9 && f[3] == WriteType && f[4] < kStatusBlock;
}
int AddressOf(const Bytes& f) {
  return f[4] * 256 + f[5];
}
int ValueOf(const Bytes& f) {
  return f[6] + 256 * f[7];
}

// Online and idle right after a keep-alive reached the unit; its acknowledgement is on the way.
void RunToKeepAlive(LinkRig& rig) {
  rig.TakeReceived();
  ASSERT_TRUE(rig.RunUntil([&] {
    const auto& r = rig.unit.ReceivedFrames();
    return !r.empty() && r.back() == kKeepAlive;
  }));
  rig.TakeReceived();
}

void ExpectImageOfUnit(const LinkRig& rig) {
  for (int b = 0; b < kStatusBlock; ++b)
    for (int i = 0; i < BlockLengths(b); ++i)
      ASSERT_EQ(rig.store.DeviceImage[b][i], rig.unit.WordAt(b, i)) << "block " << b << " word " << i;
  for (int i : {1, 2, 3, 4, 8, 20}) EXPECT_EQ(rig.store.DeviceImage[kStatusBlock][i], rig.unit.WordAt(30, i));
  for (int k = 0; k < kModeCount; ++k) {
    std::string name = rig.unit.ModeName(k);
    name.resize(kModeNameLength, ' ');
    EXPECT_EQ(rig.store.Unit.ModeNames[k], name) << "mode " << k;
  }
  EXPECT_EQ(rig.store.Unit.PanelPassword, rig.unit.PanelPassword());
}

// Gives every word a value of its own, so a word read into the wrong place shows.
void MarkEveryWord(VirtualUnit& unit) {
  for (int b = 0; b < kStatusBlock; ++b)
    for (int i = 0; i < BlockLengths(b); ++i) unit.SetWord(b, i, (b * 7 + i * 3) % 251 + 1);
  for (int k = 0; k < kModeCount; ++k) unit.SetModeName(k, "Name" + std::to_string(k * 11));
  unit.SetWord(30, 20, 2);
}

// ---- lost acknowledgements

TEST(LinkLostAck, FirstQueuedEditIsResentAndNoOtherWord) {
  LinkRig rig;
  ASSERT_TRUE(rig.BringOnline());
  rig.unit.faults.latencyMs = 30;
  RunToKeepAlive(rig);
  rig.store.SetParam(kGainA, 55);  // waits for the keep-alive's acknowledgement
  EXPECT_TRUE(rig.TakeReceived().empty());
  rig.unit.faults.dropNextAcks = 1;  // the edit's own acknowledgement goes missing
  std::vector<Bytes> words;
  int keepAlives = 0;
  for (long end = rig.nowMs + 4000; rig.nowMs < end;) {
    rig.Step();
    for (const Bytes& f : rig.TakeReceived()) {
      if (f == kKeepAlive) ++keepAlives;
      if (IsWordWrite(f)) words.push_back(f);
    }
  }
  EXPECT_EQ(words, (std::vector<Bytes>{WordFrame(WriteType, kGainA, 55), WordFrame(WriteType, kGainA, 55)}));
  EXPECT_GE(keepAlives, 1);
  EXPECT_TRUE(rig.link.LinkOnline());
  EXPECT_TRUE(rig.ui.Messages.empty());
}

TEST(LinkLostAck, EditSentAtOnceIsResentWithItsLatestValue) {
  LinkRig rig;
  ASSERT_TRUE(rig.BringOnline());
  rig.Run(200);  // the first keep-alive is a second away: edits go out at once
  rig.TakeReceived();
  rig.unit.faults.dropNextAcks = 1;
  rig.store.SetParam(kGainA, 40);
  rig.store.SetParam(kGainB, 41);
  rig.store.SetParam(kGainA, 42);
  EXPECT_EQ(rig.TakeReceived().size(), 3u);
  rig.unit.SetWord(kGainA, 0);  // as if the unit had missed the edit
  rig.unit.SetWord(kGainB, 0);
  std::vector<Bytes> words;
  for (long end = rig.nowMs + 3000; rig.nowMs < end;) {
    rig.Step();
    for (const Bytes& f : rig.TakeReceived())
      if (IsWordWrite(f)) words.push_back(f);
  }
  // Every word sent since everything was last acknowledged goes again, each with its latest value.
  EXPECT_EQ(words, (std::vector<Bytes>{WordFrame(WriteType, kGainB, 41), WordFrame(WriteType, kGainA, 42)}));
  EXPECT_EQ(rig.unit.WordAt(kGainA), 42);
  EXPECT_EQ(rig.unit.WordAt(kGainB), 41);
  EXPECT_TRUE(rig.link.Unacknowledged().empty());
}

TEST(LinkLostAck, DragStartingWithALostAcknowledgementEndsOnTheFinalValues) {
  LinkRig rig;
  ASSERT_TRUE(rig.BringOnline());
  rig.unit.faults.dropNextAcks = 1;  // the next keep-alive is never acknowledged
  RunToKeepAlive(rig);
  std::map<int, std::vector<int>> set;
  int largestQueue = 0;
  int value = 0;
  for (long end = rig.nowMs + 10'000; rig.nowMs < end;) {
    const int address = value % 2 == 0 ? kGainA : kGainB;  // frequency and gain alternate
    rig.store.SetParam(address, ++value % 180);
    set[address].push_back(value % 180);
    largestQueue = std::max(largestQueue, rig.link.Queue().Size());
    rig.Step();
  }
  const long release = rig.nowMs;
  ASSERT_TRUE(rig.RunUntil([&] {
    return rig.unit.WordAt(kGainA) == set[kGainA].back() && rig.unit.WordAt(kGainB) == set[kGainB].back();
  }));
  EXPECT_LE(rig.nowMs - release, 1000);
  EXPECT_GE(largestQueue, 1);  // the edits did wait for the lost acknowledgement
  EXPECT_LE(largestQueue, 2);
  // No frame carries a value that was not set, nor an older value after a newer one.
  std::map<int, std::size_t> position;
  for (const Bytes& f : rig.TakeReceived()) {
    if (!IsWordWrite(f)) continue;
    const std::vector<int>& values = set[AddressOf(f)];
    std::size_t& p = position[AddressOf(f)];
    const auto it = std::find(values.begin() + static_cast<std::ptrdiff_t>(p), values.end(), ValueOf(f));
    ASSERT_NE(it, values.end()) << "address " << AddressOf(f) << " value " << ValueOf(f);
    p = static_cast<std::size_t>(it - values.begin());
  }
  EXPECT_TRUE(rig.link.LinkOnline());
}

TEST(LinkLostAck, LostProbeAnswerIsProbedAgain) {
  LinkRig rig({"COM1", "COM2"}, "COM2");
  rig.unit.faults.dropNextAcks = 1;
  rig.Search();
  ASSERT_TRUE(rig.RunUntil([&] { return rig.link.LinkOnline(); }, 20'000));
  EXPECT_TRUE(rig.ui.Messages.empty());
}

// ---- slow, noisy and corrupted answers

TEST(LinkSlowUnit, ImageAndModeNamesComeOutExact) {
  struct Case {
    const char* what;
    int latencyMs;
    int wordsPerReport;
  };
  for (const Case& c : {Case{"150 ms, one report a block", 150, kMaxWordsPerReport},
                        Case{"150 ms, 7 words a report", 150, 7}, Case{"40 ms, 1 word a report", 40, 1}}) {
    LinkRig rig;
    MarkEveryWord(rig.unit);
    rig.unit.faults.latencyMs = c.latencyMs;
    rig.unit.wordsPerReport = c.wordsPerReport;
    ASSERT_TRUE(rig.BringOnline()) << c.what;
    ExpectImageOfUnit(rig);
    EXPECT_TRUE(rig.ui.Messages.empty()) << c.what;
  }
}

TEST(LinkNoisyUnit, NoiseEndingInEEAndBadChecksumsStillGiveAnExactImage) {
  LinkRig rig;
  MarkEveryWord(rig.unit);
  rig.unit.faults.noiseBetweenFrames = true;
  rig.unit.faults.noise = {0x00, 0x13, 0xB2, 0xEE};
  rig.unit.faults.noisePercent = 30;
  rig.unit.faults.badChecksumPercent = 3;
  rig.unit.wordsPerReport = 50;
  rig.unit.Seed(7);
  ASSERT_TRUE(rig.BringOnline());
  ExpectImageOfUnit(rig);
  EXPECT_GT(rig.link.Receiver().BadChecksums(), 0);
  EXPECT_TRUE(std::any_of(rig.ui.Diagnostics.begin(), rig.ui.Diagnostics.end(),
                          [](const std::string& l) { return l.find("dropped") != std::string::npos; }));
}

TEST(LinkNoisyUnit, StrayAcknowledgementNeverStallsARead) {
  // A read step goes on when its answer comes, however many acknowledgements arrive meanwhile...
  LinkRig rig;
  rig.Search();
  ASSERT_TRUE(rig.RunUntil([&] { return rig.link.Done() == 13; }));
  rig.link.SendLinkCode(KeepAlive);  // the unit acknowledges it: a stray EE BB for the read
  ASSERT_TRUE(rig.RunUntil([&] { return rig.link.LinkOnline(); }));
  ExpectImageOfUnit(rig);

  // ...and times out when it does not.
  LinkRig silent;
  silent.Search();
  ASSERT_TRUE(silent.RunUntil([&] { return silent.link.Done() == 13; }));
  silent.unit.faults.silent = true;
  silent.port.DeliverNow();
  silent.link.Flags().TransferPhase = kPhaseAcked;
  ASSERT_TRUE(silent.RunUntil([&] { return !silent.ui.Messages.empty(); }, 14'000));
  EXPECT_EQ(silent.ui.Messages[0].text, "连接失败!");
  EXPECT_FALSE(silent.link.LinkOnline());
}

// ---- full write

TEST(LinkWrite, SlowAcknowledgementsEndTheWriteOnlyAfterTheLast) {
  LinkRig rig;
  ASSERT_TRUE(rig.BringOnline());
  rig.unit.faults.latencyMs = 150;
  RunToKeepAlive(rig);  // its late acknowledgement must not count for the first step
  for (int b = 0; b < kStatusBlock; ++b) rig.store.DeviceImage[b][0] = 100 + b;
  rig.store.DeviceImage[30][20] = 1;
  rig.link.StartDownload();
  rig.SyncClocks();
  int framesAtUnit = 0;
  bool deviceIdSent = false;
  while (!rig.link.LinkOnline()) {
    ASSERT_LT(rig.nowMs, 60'000) << "the write never ended";
    rig.Step();
    for (const Bytes& f : rig.TakeReceived())
      if (AddressOf(f) == BlockWriteAddr || AddressOf(f) == InputSourceAddr) ++framesAtUnit;
    if (!deviceIdSent && rig.link.Done() == 10) {
      rig.unit.SendDeviceId();  // a report: it must not count for a write step
      deviceIdSent = true;
    }
  }
  EXPECT_EQ(framesAtUnit, 32);  // block 0 in two frames, blocks 1..29, the input-source word
  EXPECT_EQ(rig.unit.DelayedAnswers(), 0) << "online before the last acknowledgement arrived";
  EXPECT_EQ(rig.port.PendingBytes(), 0);
  EXPECT_EQ(rig.unit.WordAt(29, 0), 129);
  EXPECT_EQ(rig.unit.WordAt(30, 20), 1);
}

TEST(LinkWrite, InterruptedWriteSaysWhatItLeftBehind) {
  for (int language : {1, 0}) {
    LinkRig rig;
    rig.ui.Language = language;
    ASSERT_TRUE(rig.BringOnline());
    rig.link.StartDownload();
    rig.SyncClocks();
    ASSERT_TRUE(rig.RunUntil([&] { return rig.link.Done() == 8; }));
    rig.unit.faults.silent = true;
    ASSERT_TRUE(rig.RunUntil([&] { return !rig.ui.Messages.empty(); }, 14'000));
    EXPECT_EQ(rig.ui.Messages[0].text,
              language == 1 ? "连接失败! 设备现在可能混有新旧两套设置。连接恢复后请重新载入。"
                            : "Off Line! The unit may now hold a mix of old and new settings. Load the file "
                              "again once the link is back.");
  }
}

// ---- a failing port

TEST(LinkPortError, LosesTheLinkAtOnceAndTheEditorIsQuiet) {
  LinkRig rig;
  ASSERT_TRUE(rig.BringOnline());
  rig.Run(300);
  rig.TakeReceived();
  rig.port.Fail();
  EXPECT_FALSE(rig.link.LinkOnline());
  ASSERT_EQ(rig.ui.Messages.size(), 1u);
  EXPECT_EQ(rig.ui.Messages[0].text, "已断开连接!");
  EXPECT_EQ(rig.ui.StatusCaption, "设备未连接");
  EXPECT_FALSE(rig.link.HoldTimer().Running());
  rig.store.SetParam(kGainA, 3);
  rig.Run(900);
  EXPECT_TRUE(rig.TakeReceived().empty());
  EXPECT_FALSE(rig.port.IsOpen());
  EXPECT_EQ(rig.ui.Messages.size(), 1u);

  // While transferring, the search fails.
  LinkRig reading;
  reading.Search();
  ASSERT_TRUE(reading.RunUntil([&] { return reading.link.Done() == 5; }));
  reading.port.Fail();
  ASSERT_EQ(reading.ui.Messages.size(), 1u);
  EXPECT_EQ(reading.ui.Messages[0].text, "连接失败!");
  EXPECT_FALSE(reading.link.Timer2().Running());
}

// A mode command cut off by the user's take-down or by the loss completes nothing: a port that
// fails afterwards is no loss of a link, and tells nothing.
TEST(LinkPortError, AfterACommandCutOffTheEditorIsQuiet) {
  for (const bool takeDown : {true, false}) {
    SCOPED_TRACE(takeDown ? "taken down" : "lost");
    LinkRig rig;
    ASSERT_TRUE(rig.BringOnline());
    rig.unit.faults.silent = true;
    rig.store.SetParam(ModeRecallAddr, 2);
    if (takeDown)
      rig.link.LinkBtnClick(Button::UnLinkBtn);
    else
      ASSERT_TRUE(rig.RunUntil([&] { return !rig.ui.Messages.empty(); }, 52'000));
    const std::size_t messages = rig.ui.Messages.size();
    EXPECT_EQ(rig.link.Pending(), LinkController::PendingCommand::None);
    rig.port.Fail();
    EXPECT_EQ(rig.ui.Messages.size(), messages);
    EXPECT_EQ(rig.link.HealTimer().Running(), !takeDown);
  }
}

// ---- self-healing

// Seconds from each failed attempt (or the loss) to the next automatic search.
std::vector<long> HealGaps(LinkRig& rig, int attempts) {
  std::vector<long> gaps;
  long since = rig.nowMs;
  bool searching = false;
  while (static_cast<int>(gaps.size()) < attempts && rig.nowMs < 600'000) {
    rig.Step();
    const bool now = rig.link.Timer1().Running() || rig.link.Timer2().Running();
    if (now && !searching) gaps.push_back((rig.nowMs - since + 500) / 1000);
    if (!now && searching) since = rig.nowMs;
    searching = now;
  }
  return gaps;
}

TEST(LinkHeal, SearchesAgainAfterOneTwoFiveTenThirtySecondsThenEveryThirty) {
  LinkRig rig;
  ASSERT_TRUE(rig.BringOnline());
  rig.unit.faults.silent = true;
  ASSERT_TRUE(rig.RunUntil([&] { return !rig.link.LinkOnline(); }, 7000));
  EXPECT_EQ(HealGaps(rig, 7), (std::vector<long>{1, 2, 5, 10, 30, 30, 30}));
  ASSERT_EQ(rig.ui.Messages.size(), 1u);  // the loss, once; the failed attempts say nothing
  EXPECT_EQ(rig.ui.Messages[0].text, "已断开连接!");
  EXPECT_FALSE(rig.ui.StatusWindow.Visible);
}

TEST(LinkHeal, LinkButtonStopsTheAutomaticSearch) {
  LinkRig rig;
  ASSERT_TRUE(rig.BringOnline());
  rig.port.Fail();
  EXPECT_TRUE(rig.link.HealTimer().Running());
  rig.link.LinkBtnClick(Button::UnLinkBtn);
  rig.Run(60'000);
  EXPECT_FALSE(rig.link.Timer1().Running());
  EXPECT_FALSE(rig.link.HealTimer().Running());
  EXPECT_EQ(rig.ui.Messages.size(), 1u);
}

TEST(LinkHeal, RelinksWhenTheUnitComesBackAndAsksAboutOfflineEdits) {
  struct Case {
    const char* what;
    bool editOffline;
    bool answer;
    int language;
  };
  const Case cases[] = {
      {"no offline edits: no question", false, false, 1},
      {"Yes sends the latest offline values", true, true, 0},
      {"No keeps the unit's values", true, false, 1},
  };
  for (const Case& c : cases) {
    LinkRig rig;
    rig.ui.Language = c.language;
    rig.ui.Answer = c.answer;
    rig.unit.SetWord(kGainA, 10);
    rig.unit.SetWord(kGainB, 20);
    ASSERT_TRUE(rig.BringOnline()) << c.what;
    rig.unit.faults.silent = true;
    ASSERT_TRUE(rig.RunUntil([&] { return !rig.link.LinkOnline(); }, 7000)) << c.what;
    rig.Run(3000);
    if (c.editOffline) {
      rig.store.SetParam(kGainA, 11);
      rig.store.SetParam(kGainA, 12);
      rig.store.SetParam(kGainB, 22);
    }
    rig.unit.faults.silent = false;
    ASSERT_TRUE(rig.RunUntil([&] { return rig.link.LinkOnline(); }, 60'000)) << c.what;
    rig.Run(1000);
    EXPECT_EQ(rig.ui.Messages.size(), 1u) << c.what;
    if (!c.editOffline) {
      EXPECT_TRUE(rig.ui.Questions.empty()) << c.what;
      continue;
    }
    ASSERT_EQ(rig.ui.Questions.size(), 1u) << c.what;
    EXPECT_EQ(rig.ui.Questions[0].caption, "Confirm");
    EXPECT_EQ(rig.ui.Questions[0].text,
              c.language == 1 ? "离线期间做了 2 处修改。要把它们发送到设备吗？"
                              : "2 changes were made while the unit was offline. Send them to the unit?");
    const int a = c.answer ? 12 : 10, b = c.answer ? 22 : 20;
    EXPECT_EQ(rig.unit.WordAt(kGainA), a) << c.what;
    EXPECT_EQ(rig.unit.WordAt(kGainB), b) << c.what;
    EXPECT_EQ(rig.store.Device(kGainA), a) << c.what;
    EXPECT_EQ(rig.store.Device(kGainB), b) << c.what;
    EXPECT_TRUE(rig.link.OfflineEdits().empty()) << c.what;
  }
}

}  // namespace
}  // namespace morvelin
