#include "params/param_store.h"

#include <gtest/gtest.h>

#include <vector>

namespace morvelin {
namespace {

struct RecordingSender : EditSender {
  bool online = true;
  int notReady = 0;
  std::vector<std::pair<int, int>> sent;
  bool LinkOnline() const override { return online; }
  void SendEdit(int d, int v) override { sent.emplace_back(d, v); }
  void MarkNotReady() override { ++notReady; }
};

struct StoreTest : ::testing::Test {
  EditSelection sel;
  ParamStore store{sel};
  RecordingSender sender;
  void SetUp() override { store.SetEditSender(&sender); }
};

struct MapCase {
  int mic, echo, out, scene;
  int view, device;
};

TEST_F(StoreTest, MapsViewAddressesUnderTheSelection) {
  const MapCase cases[] = {
      {3, 4, 6, 0, 2 * 256 + 20, 3 * 256 + 20},   // microphone page follows CurMicBlock
      {3, 4, 6, 0, 2 * 256 + 13, 2 * 256 + 13},   // ...except its link word
      {2, 24, 6, 0, 4 * 256 + 12, 4 * 256 + 12},  // echo words up to 12 stay in echo A
      {2, 24, 6, 0, 4 * 256 + 13, 24 * 256 + 13},
      {2, 5, 6, 0, 4 * 256 + 30, 4 * 256 + 30},  // reverb selected: nothing redirected
      {2, 4, 10, 1, 6 * 256 + 3, 10 * 256 + 3},
      {2, 4, 10, 1, 6 * 256 + 13, 7 * 256 + 13},
      {2, 4, 10, 1, 6 * 256 + 10, 7 * 256 + 10},
      {2, 4, 10, 1, 9 * 256 + 10, 10 * 256 + 10},
      {2, 4, 19, 1, 6 * 256 + 13, 19 * 256 + 13},  // center has no scene-shared words
      {2, 4, 19, 1, 6 * 256 + 10, 19 * 256 + 10},
      {2, 4, 6, 0, 29 * 256 + 3, 29 * 256 + 3},
  };
  for (const auto& c : cases) {
    sel.CurMicBlock = c.mic;
    sel.CurEchoBlock = c.echo;
    sel.CurOutBlock = c.out;
    sel.SceneIndex = c.scene;
    EXPECT_EQ(store.MapViewToDevice(c.view), c.device) << std::hex << c.view;
  }
}

TEST_F(StoreTest, SetParamWritesBothImagesAndSendsOnlyWhenOnline) {
  sel.MusChannelSel = kMusRight;
  store.SetParam(10, 7);
  EXPECT_EQ(store.ViewImage[0][10], 7);
  EXPECT_EQ(store.DeviceImage[0][85], 7);
  EXPECT_EQ(store.DeviceImage[0][10], 0);
  store.SetParam(8, 1);  // the channel link word is never shifted
  EXPECT_EQ(store.DeviceImage[0][8], 1);
  ASSERT_EQ(sender.sent.size(), 2u);
  EXPECT_EQ(sender.sent[0], std::make_pair(85, 7));

  store.SendSuppressed = true;
  store.SetParam(11, 3);  // only showing: neither stored nor sent
  EXPECT_EQ(store.ViewImage[0][11], 0);
  EXPECT_EQ(store.DeviceImage[0][86], 0);
  sender.online = false;
  store.SendSuppressed = false;
  store.SetParam(12, 3);
  EXPECT_EQ(sender.sent.size(), 2u);
  EXPECT_EQ(store.DeviceImage[0][87], 3);
}

TEST_F(StoreTest, AddressesOutsideTheStoreTouchNothing) {
  const Image before = store.DeviceImage;
  for (int a : {31 * 256, 255, 30 * 256 + 246, -1, 0xFFFF}) {
    store.SetParam(a, 99);
    store.SetDevice(a, 99);
    EXPECT_EQ(store.Device(a), 0);
  }
  EXPECT_EQ(store.DeviceImage, before);
  EXPECT_TRUE(sender.sent.empty());
}

TEST_F(StoreTest, LocatesBandsAndFilters) {
  struct {
    int address, result;
  } cases[] = {
      {9, 0 * 256 + 0xFF},
      {17, 1 * 256 + 2},
      {4, 10 * 256},
      {7, 11 * 256},
      {256 + 2, 0},
      {256 + 16, 1 * 256 + 4},
      {256 + 7, 0xFF},
      {2 * 256 + 10, 15 * 256},
      {5 * 256 + 9, 8 * 256},
      {6 * 256 + 16, 10 * 256},
      {6 * 256 + 21 + 12, 2 * 256 + 2},
      {25 * 256, 0xFF},
      {25 * 256 + 6, 1 * 256},
  };
  for (const auto& c : cases) EXPECT_EQ(store.LocateBand(c.address), c.result) << c.address;
}

TEST_F(StoreTest, ActiveQWordFollowsTheBandType) {
  const int type = 20;  // band 2 of the music block
  for (int t : {0, 1, 2, 3}) {
    store.ViewImage[0][type] = t;
    const int expected = t >= 2 ? type + 4 : type + 3;
    EXPECT_EQ(store.ActiveQWord(type + 3), expected);
    EXPECT_EQ(store.ActiveQWord(type + 4), expected);
  }
  EXPECT_EQ(store.ActiveQWord(type + 2), type + 2);
}

TEST_F(StoreTest, ResetAllWritesDefaultBandsEverywhereWithoutSending) {
  int refreshed = -1;
  store.SetRefreshHook([&](int sel) { refreshed = sel; });
  store.ResetBands(kAllBlocks);
  EXPECT_EQ(refreshed, 100);
  EXPECT_TRUE(sender.sent.empty());
  EXPECT_EQ(sel.MusChannelSel, kMusLinked);
  // music band 3 left and right bank, microphone band 14, DEQ band 2, hidden band 4
  EXPECT_EQ(store.DeviceImage[0][20 + 1], 80);
  EXPECT_EQ(store.DeviceImage[0][95 + 1], 80);
  EXPECT_EQ(store.ViewImage[0][95 + 1], 0);
  EXPECT_EQ(store.DeviceImage[3][15 + 70 + 1], 333);
  EXPECT_EQ(store.DeviceImage[1][22 + 1], 280);
  EXPECT_EQ(store.DeviceImage[27][1 + 20 + 1], 220);
  EXPECT_EQ(store.DeviceImage[23][21 + 45 + 2], 120);
  EXPECT_EQ(store.DeviceImage[5][11 + 3], 16);
  EXPECT_EQ(store.DeviceImage[5][11 + 4], 10);
  EXPECT_EQ(store.DeviceImage[28][48], 0);  // no bands there
}

TEST_F(StoreTest, ResetOfOneBlockIsPacedToTheUnit) {
  sel.CurOutBlock = 10;
  store.ResetBands(6);
  EXPECT_EQ(sender.sent.size(), 50u);
  EXPECT_EQ(sender.notReady, 50);
  EXPECT_EQ(sender.sent.front(), std::make_pair(10 * 256 + 21, 1));
  EXPECT_EQ(store.DeviceImage[6][21], 0);
}

TEST_F(StoreTest, RefreshViewFollowsSelectionAndRightChannelWords) {
  sel.CurOutBlock = 13;
  sel.SceneIndex = 1;
  store.DeviceImage[13][30] = 5;
  store.DeviceImage[13][14] = 6;  // shared word lives in the left block of the scene
  store.DeviceImage[10][10] = 7;
  store.DeviceImage[16][11] = 8;
  store.DeviceImage[0][90] = 9;
  sel.MusChannelSel = kMusRight;
  bool rebound = false;
  store.SetRebindHook([&] { rebound = true; });
  store.RefreshView();
  EXPECT_EQ(store.ViewImage[6][30], 5);
  EXPECT_EQ(store.ViewImage[6][14], 6);
  EXPECT_EQ(store.ViewImage[9][10], 7);
  EXPECT_EQ(store.ViewImage[15][11], 8);
  EXPECT_EQ(store.ViewImage[0][15], 9);
  EXPECT_TRUE(rebound);
}

TEST_F(StoreTest, CopyBankCopiesTheFirstSideOnly) {
  for (int i = 0; i < 165; ++i) store.DeviceImage[0][i] = i + 1;
  store.CopyBank(ParamStore::Family::Music);
  EXPECT_EQ(store.DeviceImage[0][85], 11);
  EXPECT_EQ(store.DeviceImage[0][159], 85);
  EXPECT_EQ(store.DeviceImage[0][160], 161);  // auto/manual word untouched
  for (int v = 0; v < 3; ++v) store.DeviceImage[12 + v][69] = 40 + v;
  store.CopyBank(ParamStore::Family::Surround);
  EXPECT_EQ(store.DeviceImage[17][69], 42);
  store.DeviceImage[2][14] = 3;
  store.DeviceImage[2][15] = 4;
  store.CopyBank(ParamStore::Family::Mic);
  EXPECT_EQ(store.DeviceImage[3][14], 0);
  EXPECT_EQ(store.DeviceImage[3][15], 4);
}

TEST_F(StoreTest, ChangesAreReportedWithTheWordAsItWas) {
  std::vector<StoreChange> changes;
  store.SetChangeHook([&](const StoreChange& c) { changes.push_back(c); });
  sel.MusChannelSel = kMusRight;
  store.DeviceImage[0][22 + 75] = 105;
  store.SetParam(MakeAddress(0, 22), 128);
  ASSERT_EQ(changes.size(), 1u);
  EXPECT_EQ(changes[0].viewAddress, MakeAddress(0, 22));
  EXPECT_EQ(changes[0].deviceAddress, MakeAddress(0, 97));
  EXPECT_EQ(changes[0].before, 105);
  EXPECT_EQ(changes[0].after, 128);
  EXPECT_TRUE(changes[0].sent);

  // A copy reports the words it changes, as not sent: the unit copies them itself.
  changes.clear();
  store.DeviceImage[2][20] = 9;
  store.DeviceImage[2][21] = 4;
  store.DeviceImage[3][21] = 4;
  store.CopyBank(ParamStore::Family::Mic);
  ASSERT_EQ(changes.size(), 1u);
  EXPECT_EQ(changes[0].deviceAddress, MakeAddress(3, 20));
  EXPECT_FALSE(changes[0].sent);

  // A reset reports every word before it is written; a shown value (suppressed) nothing.
  changes.clear();
  store.DeviceImage[4][14 + 2] = 77;
  sel.CurEchoBlock = 4;
  store.ResetBands(4);
  EXPECT_EQ(changes.size(), 35u);
  EXPECT_EQ(changes[2].before, 77);
  changes.clear();
  store.SendSuppressed = true;
  store.SetParam(MakeAddress(0, 22), 1);
  EXPECT_TRUE(changes.empty());
}

TEST_F(StoreTest, DeviceWordsAreSentWithoutTheSelectionAndUnreported) {
  int reported = 0;
  store.SetChangeHook([&](const StoreChange&) { ++reported; });
  sel.CurMicBlock = 2;
  store.SetDeviceParam(MakeAddress(3, 20), 11, false);
  store.SetDeviceParam(MakeAddress(3, 21), 12, true);
  EXPECT_EQ(store.DeviceImage[3][20], 11);
  EXPECT_EQ(sender.sent,
            (std::vector<std::pair<int, int>>{{MakeAddress(3, 20), 11}, {MakeAddress(3, 21), 12}}));
  EXPECT_EQ(sender.notReady, 1);
  EXPECT_EQ(reported, 0);
  sender.online = false;
  store.SetDeviceParam(MakeAddress(3, 22), 13, false);
  EXPECT_EQ(sender.sent.size(), 2u);
  EXPECT_EQ(store.DeviceImage[3][22], 13);
}

}  // namespace
}  // namespace morvelin
