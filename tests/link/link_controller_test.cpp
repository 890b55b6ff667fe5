#include "link/link_controller.h"

#include <gtest/gtest.h>

#include "link_rig.h"

namespace morvelin {
namespace {

using testing::kKeepAlive;
using testing::LinkRig;
using testing::ModeNameRequest;
using Button = LinkController::Button;

const Bytes kProbe = LinkCodeFrame(LinkProbe);
const Bytes kRelease = LinkCodeFrame(LinkRelease);

Bytes BlockRequest(int b) {
  return WordFrame(ReadType, BlockReadAddr, b);
}

std::vector<Bytes> FullReadRequests(int firstName) {
  std::vector<Bytes> r;
  for (int b = 0; b < 30; ++b) r.push_back(BlockRequest(b));
  for (int k = firstName; k < 16; ++k) r.push_back(ModeNameRequest(k));
  for (int a : {0x1E01, 0x1E02, 0x1E03, 0x1E04, 0x1E08, 0x1E07, 0x1E05, 0x1E14})
    r.push_back(ParamFrame(ReadType, a, {}));
  return r;
}

struct Arrival {
  long ms;
  Bytes frame;
};

// Runs the rig for ms and notes when each frame reached the unit.
std::vector<Arrival> Record(LinkRig& rig, long ms) {
  std::vector<Arrival> out;
  for (long end = rig.nowMs + ms; rig.nowMs < end;) {
    rig.Step();
    for (Bytes& f : rig.TakeReceived()) out.push_back({rig.nowMs, std::move(f)});
  }
  return out;
}

// ---- search

TEST(LinkSearch, NoPortFailsOnTheFirstTick) {
  for (int language : {1, 0}) {
    LinkRig rig({}, "COM1");
    rig.ui.Language = language;
    rig.Search();
    EXPECT_TRUE(rig.link.Timer1().Running());
    EXPECT_EQ(rig.ui.StatusCaption, language == 1 ? "设备搜索..." : "Search...");
    EXPECT_TRUE(rig.ui.StatusWindow.Visible);
    rig.Run(1000);
    ASSERT_EQ(rig.ui.Messages.size(), 1u);
    EXPECT_EQ(rig.ui.Messages[0].caption, language == 1 ? "提示" : "Confirm");
    EXPECT_EQ(rig.ui.Messages[0].text, language == 1 ? "连接失败!" : "Off Line!");
    EXPECT_EQ(rig.ui.StatusCaption, language == 1 ? "设备未连接" : "Off Line");
    EXPECT_EQ(rig.ui.StatusHint, language == 1 ? "Off Line" : "设备未连接");
    EXPECT_EQ(rig.ui.StatusColour, kOfflineColour);
    EXPECT_FALSE(rig.link.Timer1().Running());
    EXPECT_FALSE(rig.ui.LinkButtonPressed);
    EXPECT_FALSE(rig.ui.StatusWindow.Visible);
  }
}

TEST(LinkSearch, UnitOnTheSecondPortIsLinkedOnTickThree) {
  LinkRig rig({"COM1", "COM2"}, "COM2");
  rig.ui.CheckState = 2;
  rig.Search();
  EXPECT_EQ(rig.ui.CheckState, 0);
  EXPECT_EQ(rig.ui.HiddenTabHides, 1);
  EXPECT_TRUE(rig.ui.LinkButtonPressed);
  EXPECT_EQ(rig.ui.LinkButtonCaption, "断开");
  rig.Run(1000);
  EXPECT_EQ(rig.ui.StatusWindow.PortName, "COM1");
  EXPECT_TRUE(rig.TakeReceived().empty());
  rig.Run(1000);
  EXPECT_EQ(rig.ui.StatusWindow.PortName, "COM2");
  EXPECT_EQ(rig.TakeReceived(), std::vector<Bytes>{kProbe});
  EXPECT_EQ(rig.link.Flags().LinkAcked, 1);
  EXPECT_FALSE(rig.link.Timer2().Running());
  rig.Run(1000);
  EXPECT_FALSE(rig.link.Timer1().Running());
  EXPECT_TRUE(rig.link.Timer2().Running());
  EXPECT_EQ(rig.ui.StatusCaption, "连接中...");
  EXPECT_EQ(rig.port.PortName(), "COM2");
  EXPECT_EQ(rig.TakeReceived(), std::vector<Bytes>{BlockRequest(0)});
  EXPECT_TRUE(rig.ui.Messages.empty());
}

TEST(LinkSearch, WithoutTheReadTheProbesAcknowledgementIsTheLink) {
  LinkRig rig({"COM1", "COM2"}, "COM2");
  rig.link.SetReadOnLink(false);
  rig.Search();
  rig.Run(2000);
  // Online on the probe's own tick: no block request, the edit goes out and is acknowledged.
  EXPECT_TRUE(rig.link.LinkOnline());
  EXPECT_FALSE(rig.link.Timer1().Running());
  EXPECT_FALSE(rig.link.Timer2().Running());
  EXPECT_TRUE(rig.link.HoldTimer().Running());
  EXPECT_FALSE(rig.ui.StatusWindow.Visible);
  EXPECT_EQ(rig.ui.Events, std::vector<LinkEventKind>{LinkEventKind::Online});
  EXPECT_EQ(rig.TakeReceived(), std::vector<Bytes>{kProbe});
  rig.link.SendEdit(0x0205, 4321);
  rig.Run(100);
  EXPECT_EQ(rig.TakeReceived(), std::vector<Bytes>{WordFrame(WriteType, 0x0205, 4321)});
  EXPECT_EQ(rig.unit.WordAt(2, 5), 4321);
  EXPECT_EQ(rig.link.Flags().SendReady, 1);
  // The supervision is the usual one: a unit that falls silent is lost.
  rig.unit.faults.silent = true;
  EXPECT_TRUE(rig.RunUntil([&] { return !rig.link.LinkOnline(); }, 10'000));
  EXPECT_EQ(rig.ui.Messages.size(), 1u);
}

TEST(LinkSearch, NoUnitOnTwoPortsFailsAfterProbingEachTwice) {
  LinkRig rig({"COM1", "COM2"}, "COM9");
  rig.Search();
  // Ticks 1, 2 and 4, 5 probe the ports; 3 and 6 find the end of the list; 7 fails.
  std::vector<std::string> probed;
  for (int tick = 1; tick <= 6; ++tick) {
    rig.Run(1000);
    probed.push_back(rig.ui.StatusWindow.PortName);
  }
  EXPECT_EQ(probed, (std::vector<std::string>{"COM1", "COM2", "", "COM1", "COM2", ""}));
  EXPECT_TRUE(rig.ui.Messages.empty());
  EXPECT_TRUE(rig.link.Timer1().Running());
  rig.Run(1000);
  ASSERT_EQ(rig.ui.Messages.size(), 1u);
  EXPECT_EQ(rig.ui.Messages[0].text, "连接失败!");
  EXPECT_FALSE(rig.link.Timer1().Running());
}

// ---- full read and link up

TEST(LinkTransfer, FullReadSendsFiftyFourRequestsInOrderAndComesOnline) {
  LinkRig rig;
  rig.unit.SetWord(0, 161, 1);
  rig.unit.SetWord(5, 3, 300);
  rig.unit.SetWord(29, 9, 1);
  rig.unit.SetWord(ModeRecallAddr, 6);
  rig.unit.SetModeName(0, "First");
  rig.unit.SetModeName(15, "Last");
  rig.unit.SetPanelPassword("1234");
  rig.unit.SetSystemPassword("654321");
  ASSERT_TRUE(rig.BringOnline());

  std::vector<Bytes> expected{kProbe};
  for (Bytes& r : FullReadRequests(0)) expected.push_back(std::move(r));
  EXPECT_EQ(rig.TakeReceived(), expected);

  EXPECT_EQ(rig.ui.StatusCaption, "设备已连接");
  EXPECT_EQ(rig.ui.StatusColour, kOnlineColour);
  EXPECT_EQ(rig.ui.StatusWindow.Percent, 100);
  EXPECT_FALSE(rig.ui.StatusWindow.Visible);
  EXPECT_EQ(rig.ui.CheckState, 1);
  EXPECT_EQ(rig.ui.PageRefreshes, 1);
  EXPECT_EQ(rig.ui.MainWindowShows, 1);
  EXPECT_TRUE(rig.link.HoldTimer().Running());
  EXPECT_FALSE(rig.link.Timer2().Running());
  EXPECT_EQ(rig.sel.SceneIndex, 1);
  EXPECT_EQ(rig.store.DeviceImage[5][3], 300);
  EXPECT_EQ(rig.store.DeviceImage[29][9], 1);
  EXPECT_EQ(rig.store.DeviceImage[30][2], 6);
  EXPECT_EQ(rig.store.Unit.ModeNames[0].substr(0, 5), "First");
  EXPECT_EQ(rig.store.Unit.ModeNames[15].substr(0, 4), "Last");
  EXPECT_EQ(rig.store.Unit.PanelPassword, "1234");
  EXPECT_EQ(rig.store.Unit.SystemPassword, "654321");
  EXPECT_EQ(rig.link.ModeNameCounter(), 0);
  for (int b = 0; b < 30; ++b)
    for (int i = 0; i < BlockLengths(b); ++i) ASSERT_EQ(rig.store.DeviceImage[b][i], rig.unit.WordAt(b, i));
  EXPECT_EQ(rig.ui.Events, (std::vector<LinkEventKind>{LinkEventKind::StartLinking, LinkEventKind::Online}));
}

TEST(LinkTransfer, BlocksInSeveralReportsAndNoisyAnswers) {
  LinkRig rig;
  rig.unit.wordsPerReport = 7;
  rig.unit.faults.noiseBetweenFrames = true;
  rig.unit.faults.reportAsRead = true;
  for (int i = 0; i < BlockLengths(0); ++i) rig.unit.SetWord(0, i, 1000 + i);
  ASSERT_TRUE(rig.BringOnline());
  for (int i = 0; i < BlockLengths(0); ++i) ASSERT_EQ(rig.store.DeviceImage[0][i], 1000 + i);
}

TEST(LinkTransfer, SceneWordAboveTwoIsTakenAsSceneZero) {
  LinkRig rig;
  rig.unit.SetWord(0, 161, 7);
  rig.sel.SceneIndex = 2;
  ASSERT_TRUE(rig.BringOnline());
  EXPECT_EQ(rig.sel.SceneIndex, 0);
}

// ---- hold step

TEST(LinkHold, KeepAliveEverySecondWhileAcknowledged) {
  LinkRig rig;
  ASSERT_TRUE(rig.BringOnline());
  rig.TakeReceived();
  const long t0 = rig.nowMs;
  const auto arrivals = Record(rig, 5000);
  ASSERT_EQ(arrivals.size(), 5u);
  for (std::size_t k = 0; k < arrivals.size(); ++k) {
    EXPECT_EQ(arrivals[k].frame, kKeepAlive);
    EXPECT_EQ(arrivals[k].ms - t0, 1000 * static_cast<long>(k + 1));
  }
  EXPECT_TRUE(rig.link.LinkOnline());
  EXPECT_TRUE(rig.ui.Messages.empty());
}

TEST(LinkHold, UnitSwitchedOffIsLostAfterSixSeconds) {
  LinkRig rig;
  ASSERT_TRUE(rig.BringOnline());
  rig.TakeReceived();
  rig.unit.faults.silent = true;
  const long t0 = rig.nowMs;
  auto arrivals = Record(rig, 5980);
  ASSERT_EQ(arrivals.size(), 3u);
  const long at[] = {1000, 3000, 5000};
  for (std::size_t k = 0; k < 3; ++k) {
    EXPECT_EQ(arrivals[k].frame, kKeepAlive);
    EXPECT_EQ(arrivals[k].ms - t0, at[k]);
  }
  EXPECT_TRUE(rig.ui.Messages.empty());
  rig.Step();
  ASSERT_EQ(rig.ui.Messages.size(), 1u);
  EXPECT_EQ(rig.ui.Messages[0].text, "已断开连接!");
  EXPECT_FALSE(rig.link.LinkOnline());
  EXPECT_FALSE(rig.link.HoldTimer().Running());
  EXPECT_EQ(rig.ui.StatusCaption, "设备未连接");
  EXPECT_FALSE(rig.ui.LinkButtonPressed);
  EXPECT_EQ(rig.ui.LinkButtonCaption, "联机");
  EXPECT_TRUE(rig.port.IsOpen());
}

TEST(LinkHold, LinkButtonWhileOnlineReleasesThenSearchesAgain) {
  LinkRig rig;
  ASSERT_TRUE(rig.BringOnline());
  rig.TakeReceived();
  rig.link.LinkBtnClick(Button::LinkBtn);
  EXPECT_EQ(rig.TakeReceived(), std::vector<Bytes>{kRelease});
  EXPECT_FALSE(rig.link.LinkOnline());
  EXPECT_FALSE(rig.link.Timer1().Running());
  EXPECT_FALSE(rig.link.Timer2().Running());
  EXPECT_FALSE(rig.link.HoldTimer().Running());
  EXPECT_TRUE(rig.ui.Messages.empty());
  EXPECT_EQ(rig.ui.StatusCaption, "设备未连接");
  EXPECT_EQ(rig.ui.StatusColour, kOfflineColour) << "silver once the link is down";
  EXPECT_FALSE(rig.ui.LinkButtonPressed);
  rig.link.CloseQuery();  // not online: nothing is sent
  EXPECT_TRUE(rig.TakeReceived().empty());

  rig.Search();
  EXPECT_TRUE(rig.link.Timer1().Running());
  EXPECT_EQ(rig.ui.StatusCaption, "设备搜索...");
  ASSERT_TRUE(rig.RunUntil([&] { return rig.link.LinkOnline(); }));
  EXPECT_EQ(rig.ui.StatusColour, kOnlineColour);
  rig.link.CloseQuery();
  EXPECT_EQ(rig.TakeReceived().back(), kRelease);
  // Any way out of the online state turns the label silver.
  rig.link.LinkBtnClick(Button::UnLinkBtn);
  EXPECT_EQ(rig.ui.StatusColour, kOfflineColour);
}

TEST(LinkHold, UnlinkButtonAlwaysTakesTheLinkDown) {
  LinkRig rig;
  rig.Search();
  rig.link.LinkBtnClick(Button::UnLinkBtn);
  EXPECT_FALSE(rig.link.Timer1().Running());
  EXPECT_EQ(rig.link.Total(), LinkController::kWriteSteps);
}

TEST(LinkHold, LinkButtonDuringATransferStartsANewSearch) {
  LinkRig rig;
  rig.Search();
  ASSERT_TRUE(rig.RunUntil([&] { return rig.link.Timer2().Running(); }));
  rig.Run(500);
  rig.link.LinkBtnClick(Button::LinkBtn);
  EXPECT_FALSE(rig.link.Timer2().Running());
  EXPECT_TRUE(rig.link.Timer1().Running());
  EXPECT_EQ(rig.link.SearchPosition(), 0);
  EXPECT_EQ(rig.link.Flags().LinkAcked, 0);
  rig.TakeReceived();
  rig.Run(1000);
  EXPECT_EQ(rig.TakeReceived(), std::vector<Bytes>{kProbe});
  ASSERT_TRUE(rig.RunUntil([&] { return rig.link.LinkOnline(); }));
}

// ---- transfer steps and time-outs

TEST(LinkTransfer, UnansweredStepIsResentAtThreePointTwoAndFailsAtThirteenPointTwo) {
  LinkRig rig;
  rig.Search();
  // Block 3 is still answered; the request for block 4 is not.
  ASSERT_TRUE(rig.RunUntil([&] {
    const auto& r = rig.unit.ReceivedFrames();
    return !r.empty() && r.back() == BlockRequest(3);
  }));
  rig.unit.faults.silent = true;
  rig.TakeReceived();
  auto arrivals = Record(rig, 200);
  ASSERT_EQ(arrivals.size(), 1u);
  EXPECT_EQ(arrivals[0].frame, BlockRequest(4));
  const long sent = arrivals[0].ms;
  arrivals = Record(rig, sent + 13180 - rig.nowMs);
  ASSERT_EQ(arrivals.size(), 1u);
  EXPECT_EQ(arrivals[0].frame, BlockRequest(4));
  EXPECT_EQ(arrivals[0].ms - sent, 3200);
  EXPECT_TRUE(rig.ui.Messages.empty());
  rig.Run(20);
  ASSERT_EQ(rig.ui.Messages.size(), 1u);
  EXPECT_EQ(rig.ui.Messages[0].text, "连接失败!");
  EXPECT_FALSE(rig.link.Timer2().Running());
  EXPECT_EQ(rig.ui.StatusCaption, "设备未连接");
}

TEST(LinkTransfer, FirstStepTimesOutLikeTheOthers) {
  LinkRig rig;
  rig.Search();
  ASSERT_TRUE(rig.RunUntil([&] { return rig.link.Flags().LinkAcked == 1; }));
  rig.unit.faults.silent = true;
  ASSERT_TRUE(rig.RunUntil([&] { return !rig.ui.Messages.empty(); }, 20'000));
  EXPECT_EQ(rig.ui.Messages[0].text, "连接失败!");
}

// A read that fails during the mode names goes on from the name it was waiting for; one that
// failed waiting for the last name reads them all again, never asking for a seventeenth mode.
TEST(LinkTransfer, ModeNameCounterSurvivesAFailedRead) {
  struct Case {
    int lastAnswered;  // the unit falls silent once this mode's name has been answered
    int counterAfter;
    int firstNext;  // the first name the next read asks for
  };
  for (const Case c : {Case{3, 5, 5}, Case{14, 16, 0}}) {
    SCOPED_TRACE(c.lastAnswered);
    LinkRig rig;
    for (int k = 0; k < 16; ++k) rig.unit.SetModeName(k, "Old" + std::to_string(k));
    rig.Search();
    ASSERT_TRUE(rig.RunUntil([&] {
      const auto& r = rig.unit.ReceivedFrames();
      return !r.empty() && r.back() == ModeNameRequest(c.lastAnswered);
    }));
    rig.unit.faults.silent = true;
    ASSERT_TRUE(rig.RunUntil([&] { return !rig.ui.Messages.empty(); }));
    EXPECT_EQ(rig.link.ModeNameCounter(), c.counterAfter);
    EXPECT_EQ(rig.unit.ReceivedFrames().back(), ModeNameRequest(c.lastAnswered + 1));

    rig.unit.faults.silent = false;
    for (int k = 0; k < 16; ++k) rig.unit.SetModeName(k, "New" + std::to_string(k));
    rig.TakeReceived();
    ASSERT_TRUE(rig.BringOnline());
    std::vector<Bytes> expected{kProbe};
    for (Bytes& r : FullReadRequests(c.firstNext)) expected.push_back(std::move(r));
    EXPECT_EQ(rig.TakeReceived(), expected);
    for (int k = 0; k < 16; ++k) {
      std::string name = rig.store.Unit.ModeNames[k];
      name.erase(name.find_last_not_of(' ') + 1);  // the unit pads names with spaces
      const std::string expected = k >= c.firstNext      ? "New" + std::to_string(k)
                                   : k <= c.lastAnswered ? "Old" + std::to_string(k)
                                                         : "";
      EXPECT_EQ(name, expected) << k;
    }
    EXPECT_EQ(rig.link.ModeNameCounter(), 0);
  }
}

TEST(LinkTransfer, FullWriteSendsBlockZeroAsTwoFramesThenEveryBlock) {
  LinkRig rig;
  ASSERT_TRUE(rig.BringOnline());
  rig.TakeReceived();
  for (auto& block : rig.store.DeviceImage) block.fill(0);
  rig.link.StartDownload();
  rig.SyncClocks();
  EXPECT_EQ(rig.ui.StatusCaption, "下载数据...");
  EXPECT_FALSE(rig.link.LinkOnline());
  const std::vector<Bytes> first = rig.TakeReceived();
  ASSERT_EQ(first.size(), 2u);
  Bytes a{0xF5, 0xB2, 0xE6, 0xB7, 0x1E, 0x0F, 0x00, 0x00};
  a.resize(8 + 224, 0);
  a.push_back(0xD9);
  Bytes b{0xF5, 0xB2, 0x70, 0xB7, 0x1E, 0x0F, 0x00, 0xE0};
  b.resize(8 + 106, 0);
  b.push_back(0xB9);
  EXPECT_EQ(first[0], a);
  EXPECT_EQ(first[1], b);
  EXPECT_EQ(a.size(), 233u);

  // A pattern goes out and lands in the unit's memory word for word.
  for (int blk = 0; blk < 30; ++blk)
    for (int i = 0; i < BlockLengths(blk); ++i) rig.store.DeviceImage[blk][i] = (blk * 977 + i * 31) % 65536;
  rig.store.DeviceImage[30][20] = 2;
  ASSERT_TRUE(rig.RunUntil([&] { return rig.link.LinkOnline(); }));
  const std::vector<Bytes> rest = rig.TakeReceived();
  ASSERT_EQ(rest.size(), 30u);
  for (int blk = 1; blk < 30; ++blk) {
    EXPECT_EQ(rest[blk - 1][4], 0x1E);
    EXPECT_EQ(rest[blk - 1][5], 0x0F);
    EXPECT_EQ(rest[blk - 1][6], blk);
    EXPECT_EQ(rest[blk - 1].size(), static_cast<std::size_t>(2 * BlockLengths(blk) + 2 + 7));
  }
  EXPECT_EQ(rest.back(), WordFrame(WriteType, InputSourceAddr, 2));
  EXPECT_EQ(rig.unit.WordAt(30, 20), 2);
  for (int blk = 1; blk < 30; ++blk)
    for (int i = 0; i < BlockLengths(blk); ++i)
      ASSERT_EQ(rig.unit.WordAt(blk, i), rig.store.DeviceImage[blk][i]);
  EXPECT_EQ(rig.ui.StatusCaption, "设备已连接");
}

TEST(LinkTransfer, DownloadOnlyWhileOnline) {
  LinkRig rig;
  rig.link.StartDownload();
  EXPECT_FALSE(rig.link.Timer2().Running());
}

// ---- edits

TEST(LinkEdits, OnlineEditsGoOutAtOnceWhileNothingWaits) {
  LinkRig rig;
  ASSERT_TRUE(rig.BringOnline());
  rig.TakeReceived();
  rig.store.SetParam(0x0016, 150);
  rig.store.SetParam(0x0017, 151);
  EXPECT_EQ(rig.TakeReceived(),
            (std::vector<Bytes>{WordFrame(WriteType, 0x0016, 150), WordFrame(WriteType, 0x0017, 151)}));
  EXPECT_EQ(rig.link.Flags().SendReady, 1);
  rig.store.SendSuppressed = true;
  rig.store.SetParam(0x0016, 1);
  EXPECT_TRUE(rig.TakeReceived().empty());
}

TEST(LinkEdits, WaitingEditsMerge) {
  const int A = 0x0203, B = 0x0204, X = 0x0100;
  const struct {
    const char* name;
    std::vector<std::pair<int, int>> edits;
    std::vector<Bytes> sent;
  } cases[] = {
      {"A A", {{A, 1}, {A, 2}}, {WordFrame(WriteType, A, 2)}},
      {"A B A: the second A replaces the first where it waits",
       {{A, 1}, {B, 5}, {A, 2}},
       {WordFrame(WriteType, A, 2), WordFrame(WriteType, B, 5)}},
      {"A link B A: no merge past the link word",
       {{A, 1}, {X, 1}, {B, 5}, {A, 2}},
       {WordFrame(WriteType, A, 1), WordFrame(WriteType, X, 1), WordFrame(WriteType, B, 5),
        WordFrame(WriteType, A, 2)}},
  };
  for (const auto& c : cases) {
    LinkRig rig;
    ASSERT_TRUE(rig.BringOnline());
    rig.TakeReceived();
    rig.store.SetParamPaced(X, 9);  // sent at once; what follows waits for its acknowledgement
    for (auto [a, v] : c.edits) rig.store.SetParam(a, v);
    EXPECT_EQ(rig.TakeReceived(), std::vector<Bytes>{WordFrame(WriteType, X, 9)}) << c.name;
    rig.Run(20 * static_cast<long>(c.edits.size() + 2));
    EXPECT_EQ(rig.TakeReceived(), c.sent) << c.name;
    EXPECT_TRUE(rig.link.Queue().Empty()) << c.name;
  }
}

TEST(LinkEdits, UnacknowledgedLastQueuedEditIsSentAgain) {
  LinkRig rig;
  ASSERT_TRUE(rig.BringOnline());
  rig.TakeReceived();
  rig.store.SetParamPaced(0x0100, 1);
  rig.store.SetParam(0x0203, 55);
  rig.unit.faults.silent = true;  // the first edit's acknowledgement is already on its way
  rig.Step();                     // the queued one goes out and is lost
  EXPECT_EQ(rig.TakeReceived(),
            (std::vector<Bytes>{WordFrame(WriteType, 0x0100, 1), WordFrame(WriteType, 0x0203, 55)}));
  EXPECT_NE(rig.unit.WordAt(2, 3), 55);
  rig.unit.faults.silent = false;
  const auto arrivals = Record(rig, 2000);
  ASSERT_EQ(arrivals.size(), 1u);
  EXPECT_EQ(arrivals[0].frame, WordFrame(WriteType, 0x0203, 55));
  EXPECT_EQ(rig.unit.WordAt(2, 3), 55);
  EXPECT_TRUE(rig.link.LinkOnline());
}

TEST(LinkEdits, SearchDropsWaitingEdits) {
  LinkRig rig;
  ASSERT_TRUE(rig.BringOnline());
  rig.unit.faults.silent = true;
  rig.store.SetParamPaced(0x0100, 1);
  rig.store.SetParam(0x0101, 2);
  EXPECT_FALSE(rig.link.Queue().Empty());
  rig.link.LinkBtnClick(Button::UnLinkBtn);
  rig.Search();
  EXPECT_TRUE(rig.link.Queue().Empty());
}

// ---- mode commands

TEST(LinkModes, RecallReadsTheRecalledMode) {
  LinkRig rig;
  rig.unit.SetWord(0, 3, 11);
  rig.unit.StoreMode(4, "Four");
  rig.unit.SetWord(0, 3, 22);
  ASSERT_TRUE(rig.BringOnline());
  EXPECT_EQ(rig.store.DeviceImage[0][3], 22);
  rig.TakeReceived();
  rig.store.SetParam(ModeRecallAddr, 4);
  EXPECT_EQ(rig.TakeReceived(), std::vector<Bytes>{WordFrame(WriteType, ModeRecallAddr, 4)});
  EXPECT_EQ(rig.ui.StatusCaption, "加载中...");
  EXPECT_FALSE(rig.link.LinkOnline());
  EXPECT_EQ(rig.link.Pending(), LinkController::PendingCommand::Recall);
  ASSERT_TRUE(rig.RunUntil([&] { return rig.link.LinkOnline(); }));
  EXPECT_EQ(rig.link.Pending(), LinkController::PendingCommand::None);
  EXPECT_EQ(rig.store.DeviceImage[0][3], 11);
  EXPECT_EQ(rig.store.DeviceImage[30][2], 4);
  EXPECT_EQ(rig.ui.PageRefreshes, 2);
  const std::vector<Bytes> read = rig.TakeReceived();
  ASSERT_FALSE(read.empty());
  EXPECT_EQ(read.front(), BlockRequest(0));
  EXPECT_EQ(rig.ui.Events.back(), LinkEventKind::Online);
}

TEST(LinkModes, RecallThatHadToWaitStillReloads) {
  LinkRig rig;
  rig.unit.SetWord(0, 3, 11);
  rig.unit.StoreMode(5, "Five");
  rig.unit.SetWord(0, 3, 22);
  ASSERT_TRUE(rig.BringOnline());
  rig.TakeReceived();
  rig.store.SetParamPaced(0x0100, 1);
  rig.store.SetParam(ModeRecallAddr, 5);
  EXPECT_EQ(rig.TakeReceived(), std::vector<Bytes>{WordFrame(WriteType, 0x0100, 1)});
  EXPECT_TRUE(rig.link.LinkOnline());
  rig.Run(20);
  EXPECT_EQ(rig.TakeReceived(), std::vector<Bytes>{WordFrame(WriteType, ModeRecallAddr, 5)});
  EXPECT_EQ(rig.link.Pending(), LinkController::PendingCommand::Recall);
  EXPECT_EQ(rig.ui.StatusCaption, "加载中...");
  ASSERT_TRUE(rig.RunUntil([&] { return rig.link.LinkOnline(); }));
  EXPECT_EQ(rig.store.DeviceImage[0][3], 11);
}

TEST(LinkModes, SaveSendsTheNameAndReportsSuccessOnTheAcknowledgement) {
  LinkRig rig;
  ASSERT_TRUE(rig.BringOnline());
  rig.TakeReceived();
  ASSERT_TRUE(rig.link.SaveMode(3, "Party"));
  const std::vector<Bytes> sent = rig.TakeReceived();
  ASSERT_EQ(sent.size(), 1u);
  const Bytes data(sent[0].begin() + 6, sent[0].end() - 1);
  Bytes expected{3, 0, 'P', 'a', 'r', 't', 'y'};
  expected.resize(22, ' ');
  EXPECT_EQ(data, expected);
  EXPECT_EQ(rig.ui.StatusCaption, "保存中...");
  EXPECT_FALSE(rig.link.LinkOnline());
  // The save is complete only once the unit has acknowledged it, not on an earlier ready flag.
  EXPECT_EQ(rig.link.Flags().SendReady, 0);
  ASSERT_TRUE(rig.RunUntil([&] { return rig.link.LinkOnline(); }, 1000));
  EXPECT_EQ(rig.ui.ModeList[3], "4-Party");
  EXPECT_EQ(rig.ui.ModeList[16], "MF1-");
  ASSERT_EQ(rig.ui.Messages.size(), 1u);
  EXPECT_EQ(rig.ui.Messages[0].text, "保存成功!");
  EXPECT_EQ(rig.ui.StatusCaption, "设备已连接");
  EXPECT_EQ(rig.unit.ModeName(3).substr(0, 5), "Party");
  EXPECT_EQ(rig.store.Unit.ModeNames[3], "Party");
}

TEST(LinkModes, UnacknowledgedCommandIsLostAfterFiftyOneSeconds) {
  LinkRig rig;
  ASSERT_TRUE(rig.BringOnline());
  rig.unit.faults.silent = true;
  rig.store.SetParam(ModeRecallAddr, 2);
  rig.Run(50'980);
  EXPECT_TRUE(rig.ui.Messages.empty());
  EXPECT_TRUE(rig.link.HoldTimer().Running());
  rig.Run(20);
  ASSERT_EQ(rig.ui.Messages.size(), 1u);
  EXPECT_EQ(rig.ui.Messages[0].text, "已断开连接!");
  EXPECT_FALSE(rig.link.HoldTimer().Running());

  LinkRig save;
  ASSERT_TRUE(save.BringOnline());
  save.unit.faults.silent = true;
  save.link.SaveMode(0, "X");
  save.Run(50'000);
  EXPECT_TRUE(save.ui.Messages.empty());
  save.Run(1000);
  ASSERT_EQ(save.ui.Messages.size(), 1u);
  EXPECT_EQ(save.ui.Messages[0].text, "已断开连接!");
}

TEST(LinkModes, SaveWhileNotOnlineIsNotSent) {
  LinkRig rig;
  ASSERT_TRUE(rig.BringOnline());
  rig.link.LinkBtnClick(Button::UnLinkBtn);
  rig.TakeReceived();
  const std::string before = rig.store.Unit.ModeNames[1];
  rig.ui.Language = 0;
  EXPECT_FALSE(rig.link.SaveMode(1, "Never"));
  EXPECT_TRUE(rig.TakeReceived().empty());
  ASSERT_EQ(rig.ui.Messages.size(), 1u);
  EXPECT_EQ(rig.ui.Messages[0].caption, "Confirm");
  EXPECT_EQ(rig.ui.Messages[0].text, "Off Line!");
  EXPECT_EQ(rig.link.Pending(), LinkController::PendingCommand::None);
  EXPECT_EQ(rig.ui.StatusCaption, "设备未连接");
  EXPECT_EQ(rig.store.Unit.ModeNames[1], before);
}

TEST(LinkModes, PasswordsAreSentAtOnce) {
  LinkRig rig;
  ASSERT_TRUE(rig.BringOnline());
  rig.TakeReceived();
  rig.link.ChangePanelPassword("4321");
  rig.link.ChangeSystemPassword("111222");
  EXPECT_EQ(rig.TakeReceived(),
            (std::vector<Bytes>{TextFrame(PanelPassAddr, "4321"), TextFrame(SystemPassAddr, "111222")}));
  rig.Run(100);
  EXPECT_EQ(rig.unit.PanelPassword(), "4321");
  EXPECT_EQ(rig.unit.SystemPassword(), "111222");
}

TEST(LinkEdits, EditsWhileNotOnlineAreKeptAndSentByAFullWrite) {
  LinkRig rig;
  ASSERT_TRUE(rig.BringOnline());
  rig.link.SaveMode(2, "Two");
  rig.TakeReceived();
  rig.store.SetParam(0x0203, 777);  // not online while the save waits
  EXPECT_EQ(rig.store.DeviceImage[2][3], 777);
  ASSERT_TRUE(rig.RunUntil([&] { return rig.link.LinkOnline(); }));
  EXPECT_TRUE(rig.TakeReceived().empty());
  EXPECT_NE(rig.unit.WordAt(2, 3), 777);
  rig.link.StartDownload();
  rig.SyncClocks();
  ASSERT_TRUE(rig.RunUntil([&] { return rig.link.LinkOnline(); }));
  EXPECT_EQ(rig.unit.WordAt(2, 3), 777);
}

TEST(LinkReceive, DeviceIdentifierAndDiagnostics) {
  LinkRig rig;
  ASSERT_TRUE(rig.BringOnline());
  rig.unit.SetDeviceId({0x56, 0x54, 0x56, 0x45});
  rig.unit.SendDeviceId();
  rig.Run(20);
  EXPECT_EQ(rig.ui.DeviceId, "56545645");
  EXPECT_FALSE(rig.ui.Diagnostics.empty());
  EXPECT_EQ(rig.ui.Diagnostics.back().rfind("缓存长度K:C:L=", 0), 0u);
}

}  // namespace
}  // namespace morvelin

namespace morvelin {
namespace {

TEST(LinkTexts, LanguageSwitchTurnsTheLinkTexts) {
  LinkRig rig;
  rig.Search();
  EXPECT_EQ(rig.ui.StatusWindow.Caption, "设备状态");
  EXPECT_EQ(rig.ui.StatusWindow.WaitText, "请稍等,可能需要几秒钟才能完成操作！");
  EXPECT_EQ(rig.ui.StatusWindow.StatusCopy, "设备搜索...");
  rig.ui.Language = 0;
  rig.link.ApplyLanguage();
  EXPECT_EQ(rig.ui.StatusCaption, "Search...");
  EXPECT_EQ(rig.ui.StatusHint, "设备搜索...");
  EXPECT_EQ(rig.ui.StatusWindow.Caption, "Device Staus");
  EXPECT_EQ(rig.ui.StatusWindow.WaitText, "Please Wait for a moment!");
  EXPECT_EQ(rig.ui.StatusWindow.StatusCopy, "Search...");
  ASSERT_TRUE(rig.RunUntil([&] { return rig.link.LinkOnline(); }));
  EXPECT_EQ(rig.ui.StatusCaption, "Online");
  EXPECT_EQ(rig.ui.LinkButtonCaption, "Unlink");
}

}  // namespace
}  // namespace morvelin
