// Auto/Manual, scenes, the pair selector, the effect and hidden-page selectors, phase and mute,
// and the system volume trios, checked on the widgets and on the words the demo unit receives.

#include <gtest/gtest.h>

#include <algorithm>

#include "editor/widgets/controls/containers.h"
#include "eq_rig.h"

namespace morvelin::test {
namespace {

class ModeSwitchesTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { rig_ = std::make_unique<EqRig>(); }
  static void TearDownTestSuite() { rig_.reset(); }
  void SetUp() override {
    ASSERT_TRUE(rig_->online);
    rig_->ClickTab(5);
    // Manual, Sing, Main L: the state the tests start from.
    r().Click(r().Get<BmpButton>("ManulModeBtn"));
    r().Click(r().Get<BmpButton>("SingModeBtn"));
    r().Click(r().Get<BmpButton>("LeftBtn"));
    rig_->ClearWrites();
  }
  static EqRig& r() { return *rig_; }
  static std::unique_ptr<EqRig> rig_;
};
std::unique_ptr<EqRig> ModeSwitchesTest::rig_;

bool Contains(const std::vector<WordWrite>& writes, const WordWrite& w) {
  return std::find(writes.begin(), writes.end(), w) != writes.end();
}

TEST_F(ModeSwitchesTest, AutoModeLocksTheOutputPageButManualStaysAvailable) {
  r().Click(r().Get<BmpButton>("AutoModeBtn"));
  EXPECT_EQ(r().State().AutoManual, 0);
  for (const char* name :
       {"MainMusLevelBar", "MainRmsLevelBar", "MainLdelayBar", "AutoModeBtn", "SingModeBtn", "DiscoModeBtn",
        "MainLmuteBtn", "OutLimiteGroup", "CopyGrop", "EQPassGrop"})
    EXPECT_FALSE(r().Get<QWidget>(name)->isEnabled()) << name;
  EXPECT_FALSE(r().Get<QWidget>("EQResetBtn")->isEnabled());
  EXPECT_TRUE(r().Get<QWidget>("ManulModeBtn")->isEnabled());
  EXPECT_EQ(r().Writes(), (std::vector<WordWrite>{r().Write(0, 160, 0)}));

  r().ClearWrites();
  r().Click(r().Get<BmpButton>("ManulModeBtn"));
  EXPECT_EQ(r().State().AutoManual, 1);
  for (const char* name : {"MainMusLevelBar", "AutoModeBtn", "SingModeBtn", "CopyGrop", "EQResetBtn"})
    EXPECT_TRUE(r().Get<QWidget>(name)->isEnabled()) << name;
  EXPECT_EQ(r().Writes(), (std::vector<WordWrite>{r().Write(0, 160, 1)}));
}

TEST_F(ModeSwitchesTest, DiscoOnTheMainTabShowsMainLDisco) {
  r().Store().SetDevice(MakeAddress(7, 0), 77);
  r().Click(r().Get<BmpButton>("DiscoModeBtn"));
  EXPECT_EQ(r().Selection().SceneIndex, 1);
  EXPECT_EQ(r().Selection().CurOutBlock, 7);
  EXPECT_EQ(r().Get<TrackBar>("MainMusLevelBar")->Position(), 77);
  EXPECT_TRUE(r().Get<BmpButton>("DiscoModeBtn")->Down());
  EXPECT_FALSE(r().Get<BmpButton>("SingModeBtn")->Down());
  EXPECT_EQ(r().Writes(), (std::vector<WordWrite>{r().Write(0, 161, 1)}));
}

TEST_F(ModeSwitchesTest, RightShowsMainRAndSameLinksAndCopiesLeftOntoRight) {
  r().Store().SetDevice(MakeAddress(9, 0), 55);
  r().Click(r().Get<BmpButton>("RightBtn"));
  EXPECT_EQ(r().State().MainChannelSel, 2);
  EXPECT_EQ(r().Selection().CurOutBlock, 9);
  EXPECT_EQ(r().Get<TrackBar>("MainMusLevelBar")->Position(), 55);
  EXPECT_EQ(r().Writes(), (std::vector<WordWrite>{r().Write(0, 162, 0)}));

  r().ClearWrites();
  r().Store().SetDevice(MakeAddress(6, 0), 66);
  r().Store().SetDevice(MakeAddress(8, 15), 7);
  r().Click(r().Get<BmpButton>("SameBtn"));
  EXPECT_EQ(r().State().MainChannelSel, 1);
  EXPECT_EQ(r().Selection().CurOutBlock, 6);
  EXPECT_EQ(r().Writes(), (std::vector<WordWrite>{r().Write(0, 162, 1)}));
  for (int scene = 0; scene < 3; ++scene)
    for (int i = 0; i < 70; ++i)
      ASSERT_EQ(r().Store().DeviceImage[9 + scene][i], r().Store().DeviceImage[6 + scene][i])
          << scene << "," << i;
  EXPECT_EQ(r().Get<TrackBar>("MainMusLevelBar")->Position(), 66);
}

struct PairCase {
  int tab;
  int linkWord;  // index in block 0, or the microphone's (2,13)
  int linkBlock;
};

TEST_F(ModeSwitchesTest, EveryPairWritesItsOwnLinkWordAndShowsItsRightSide) {
  const PairCase cases[] = {{0, 8, 0}, {2, 13, 2}, {5, 162, 0}, {6, 163, 0}};
  for (const PairCase& c : cases) {
    SCOPED_TRACE(c.tab);
    r().ClickTab(c.tab);
    r().ClearWrites();
    r().Click(r().Get<BmpButton>("RightBtn"));
    r().Click(r().Get<BmpButton>("SameBtn"));
    r().Click(r().Get<BmpButton>("LeftBtn"));
    EXPECT_EQ(r().Writes(), (std::vector<WordWrite>{r().Write(c.linkBlock, c.linkWord, 0),
                                                    r().Write(c.linkBlock, c.linkWord, 1),
                                                    r().Write(c.linkBlock, c.linkWord, 0)}));
    EXPECT_TRUE(r().Get<BmpButton>("LeftBtn")->Down());
    EXPECT_FALSE(r().Get<BmpButton>("SameBtn")->Down());
  }
  r().ClickTab(2);
  r().Click(r().Get<BmpButton>("RightBtn"));
  EXPECT_EQ(r().Selection().CurMicBlock, 3);
  EXPECT_EQ(r().Get<Control>("AdvGroupBox1")->Caption(), QString::fromUtf8("麦克风B压限"));
  r().ClickTab(6);
  r().Click(r().Get<BmpButton>("RightBtn"));
  EXPECT_EQ(r().Selection().CurOutBlock, 15);
  r().ClickTab(0);
  r().Click(r().Get<BmpButton>("RightBtn"));
  EXPECT_EQ(r().Selection().MusChannelSel, 2);
  r().Click(r().Get<BmpButton>("LeftBtn"));
}

TEST_F(ModeSwitchesTest, ARefreshOfAutoModeFromTheUnitLocksTheOutputs) {
  r().Store().SetDevice(MakeAddress(0, 160), 0);
  r().Binding().RefreshPage(6);
  EXPECT_EQ(r().State().AutoManual, 0);
  EXPECT_FALSE(r().Get<QWidget>("MainMusLevelBar")->isEnabled());
  EXPECT_TRUE(r().Get<BmpButton>("AutoModeBtn")->Down());
  EXPECT_TRUE(r().Writes().empty());
}

TEST_F(ModeSwitchesTest, LeavingTheLinkedStateCopiesBeforeTheSelectionChanges) {
  r().Click(r().Get<BmpButton>("SameBtn"));
  // While linked the first side is edited; the second is brought in line on leaving.
  r().Store().SetDevice(MakeAddress(6, 4), 123);
  r().Store().SetDevice(MakeAddress(9, 4), 1);
  r().ClearWrites();
  r().Click(r().Get<BmpButton>("RightBtn"));
  EXPECT_EQ(r().Store().DeviceImage[9][4], 123);
  EXPECT_EQ(r().Get<TrackBar>("MainEchoALevelBar")->Position(), 123);
  EXPECT_EQ(r().Writes(), (std::vector<WordWrite>{r().Write(0, 162, 0)}));
}

TEST_F(ModeSwitchesTest, PhaseAndMuteToggleTheirWords) {
  auto* phase = r().Get<BmpButton>("MainMusPhaseBtn");
  const int before = r().Store().View(MakeAddress(6, 1));
  r().Click(phase);
  EXPECT_EQ(r().Store().View(MakeAddress(6, 1)), 1 - before);
  auto* mute = r().Get<BmpButton>("MainLmuteBtn");
  const int muted = r().Store().View(MakeAddress(6, 11));
  r().Click(mute);
  EXPECT_EQ(mute->Down(), muted == 0);
  EXPECT_EQ(r().Writes(), (std::vector<WordWrite>{r().Write(6, 1, 1 - before), r().Write(6, 11, 1 - muted)}));
}

TEST_F(ModeSwitchesTest, TheEffectSelectorsChooseTheEqShown) {
  r().ClickTab(4);
  r().Click(r().Get<BmpButton>("EchoFormBtn"));
  EXPECT_EQ(r().State().EchoForm, 0);
  EXPECT_FALSE(r().Get<QWidget>("EchoBGroup")->isHidden());
  r().Click(r().Get<BmpButton>("RvbEQBtn"));
  EXPECT_EQ(r().State().EffectTool, 1);
  EXPECT_EQ(r().Selection().CurEchoBlock, 24);
  r().Click(r().Get<BmpButton>("RvbFormBtn"));
  EXPECT_EQ(r().State().EchoForm, 1);
  EXPECT_EQ(r().State().EffectTool, 2);
  EXPECT_EQ(r().State().PageBlock, 5);
  EXPECT_EQ(r().Get<PageControl>("EffPageControl")->ActivePageIndex(), 1);
  r().Click(r().Get<BmpButton>("EchoAToolButton"));
  EXPECT_EQ(r().Selection().CurEchoBlock, 4);
  EXPECT_EQ(r().State().PageAddress, MakeAddress(4, 2));
  const auto writes = r().Writes();
  EXPECT_TRUE(Contains(writes, r().Write(0, 164, 0)));
  EXPECT_TRUE(Contains(writes, r().Write(0, 164, 1)));
}

TEST_F(ModeSwitchesTest, AFilterTypeOfAnotherEffectBringsThatEffectsEq) {
  r().ClickTab(4);
  r().Click(r().Get<BmpButton>("EchoFormBtn"));
  r().Click(r().Get<BmpButton>("EchoAEQBtn"));
  ASSERT_EQ(r().Selection().CurEchoBlock, 4);
  r().ClearWrites();
  auto* list = r().Get<ComboBox>("EchoBHPTypeBox");
  list->SetItemIndex(3);
  emit list->UserChanged(3);
  EXPECT_EQ(r().Selection().CurEchoBlock, 24);
  EXPECT_EQ(r().State().EffectEQSel, 1);
  EXPECT_EQ(list->ItemIndex(), 3);
  EXPECT_EQ(r().Writes(), (std::vector<WordWrite>{r().Write(24, 9, 3)}));
  // A type of the effect whose EQ is shown only redraws.
  r().ClearWrites();
  list->SetItemIndex(4);
  emit list->UserChanged(4);
  EXPECT_EQ(r().Selection().CurEchoBlock, 24);
  EXPECT_EQ(r().Writes(), (std::vector<WordWrite>{r().Write(24, 9, 4)}));
}

TEST_F(ModeSwitchesTest, TheHiddenPageSelectorPicksItsBlock) {
  r().ClickTab(3);
  r().Store().SetDevice(MakeAddress(26, 3), 150);
  r().Click(r().Get<BmpButton>("HintMicABtn"));
  EXPECT_EQ(r().Selection().CurHideBlock, 26);
  EXPECT_EQ(r().State().PageAddress, MakeAddress(25, 4));
  EXPECT_EQ(r().Get<Edit>("HintGainEdit1")->text(), "6.0");
  EXPECT_TRUE(r().Writes().empty());
}

TEST_F(ModeSwitchesTest, TheNormalVolumeRisesOneStepPerChangeAndFallsAtOnce) {
  auto* bar = r().Get<TrackBar>("SysMusNormalVolBar");
  ASSERT_EQ(bar->Position(), r().Store().View(MakeAddress(29, 1)));
  bar->SetPosition(10);
  r().ClearWrites();
  bar->SetPosition(40);
  EXPECT_EQ(bar->Position(), 11);
  EXPECT_EQ(r().Get<StatusPane>("SysMusNormalVolPane")->Caption(), "11");
  EXPECT_EQ(r().Writes(), (std::vector<WordWrite>{r().Write(29, 1, 11)}));
  while (bar->Position() < 40) bar->SetPosition(bar->Position() + 1);
  r().ClearWrites();
  bar->SetPosition(5);
  EXPECT_EQ(bar->Position(), 5);
  EXPECT_EQ(r().Writes(), (std::vector<WordWrite>{r().Write(29, 1, 5)}));
}

TEST_F(ModeSwitchesTest, LoweringTheMaximumPullsTheStartVolumeDown) {
  r().ClickTab(9);
  auto* start = r().Get<TrackBar>("SysMusStartVolBar");
  auto* max = r().Get<TrackBar>("SysMusMaxVolBar");
  auto* normal = r().Get<TrackBar>("SysMusNormalVolBar");
  max->SetPosition(84);
  start->SetPosition(60);
  normal->SetPosition(3);  // lowering is free
  r().ClearWrites();
  max->SetPosition(30);
  EXPECT_EQ(start->Position(), 30);
  EXPECT_EQ(normal->Position(), 3);
  EXPECT_EQ(r().Get<StatusPane>("SysMusStartVolPane")->Caption(), "30");
  const auto writes = r().Writes();
  EXPECT_TRUE(Contains(writes, r().Write(29, 6, 30)));
  EXPECT_TRUE(Contains(writes, r().Write(29, 5, 30)));
  EXPECT_EQ(writes.size(), 2u);
}

TEST_F(ModeSwitchesTest, SystemPairsAndInputListsWriteTheirWords) {
  r().ClickTab(9);
  r().Click(r().Get<BmpButton>("SysVolRunBtn2"));
  EXPECT_TRUE(r().Get<BmpButton>("SysVolRunBtn2")->Down());
  EXPECT_FALSE(r().Get<BmpButton>("SysVolRunBtn1")->Down());
  r().Click(r().Get<BmpButton>("SysVolRunBtn1"));
  EXPECT_EQ(r().Writes(), (std::vector<WordWrite>{r().Write(29, 9, 1), r().Write(29, 9, 0)}));

  // The remote pair shows its choice only: its word is also the outputs' high-pass frequency.
  r().ClearWrites();
  const int hpFrequency = r().Store().View(MakeAddress(6, 17));
  r().Click(r().Get<BmpButton>("SysRemoteBtn2"));
  EXPECT_TRUE(r().Get<BmpButton>("SysRemoteBtn2")->Down());
  EXPECT_FALSE(r().Get<BmpButton>("SysRemoteBtn1")->Down());
  EXPECT_EQ(r().Store().View(MakeAddress(6, 17)), hpFrequency);
  EXPECT_TRUE(r().Writes().empty());

  r().ClearWrites();
  auto* input = r().Get<ComboBox>("SysInputBox");
  input->SetItemIndex(2);
  emit input->UserChanged(2);
  EXPECT_EQ(r().Writes(), (std::vector<WordWrite>{r().Write(30, 20, 2)}));
}

}  // namespace
}  // namespace morvelin::test
