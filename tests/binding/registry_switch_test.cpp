// The registry built twice at start-up, its tags, hints and presets; the button groups.

#include <gtest/gtest.h>

#include "binding_fixture.h"
#include "editor/binding_entries.h"
#include "editor/widgets/controls/bmp_button.h"
#include "editor/widgets/controls/text_controls.h"
#include "editor/widgets/controls/track_bar.h"

namespace morvelin::test {
namespace {

TEST(BuildRegistry, EveryEntryResolvesAndTagsAreTheRegisteredAddresses) {
  BoundWindow w;
  const ControlRegistry& reg = w.Binding().Registry();
  for (const BindingEntry& e : BindingEntries()) {
    SCOPED_TRACE(e.address);
    Control* v = reg.ValueControl(e.address);
    ASSERT_NE(v, nullptr) << e.value.toStdString();
    // The stand-in, the all-pass button and the right channel are re-bound after the build.
    const bool rebound = v == w.Binding().Example() || e.value == "MusEQAllpassBtn" ||
                         e.value == "MainRdelayBar" || e.value == "MainRmuteBtn";
    if (!rebound) {
      EXPECT_EQ(w.store.ActiveQWord(v->Tag()), w.store.ActiveQWord(e.address)) << e.value.toStdString();
    }
    EXPECT_NE(reg.ReadoutControl(e.address), nullptr);
  }
  // The shelf-Q words of the last strips lie at their block's length and are tagged all the same.
  for (int a : {MakeAddress(2, 114), MakeAddress(4, 48), MakeAddress(5, 45), MakeAddress(6, 70)}) {
    ASSERT_NE(reg.ValueControl(a), nullptr);
    EXPECT_EQ(reg.ValueControl(a)->Tag(), a);
  }
  EXPECT_EQ(w.Find("MusQEdit3")->Tag(), MakeAddress(0, 24));  // the last of its two words
  EXPECT_EQ(w.Find("MusHSQBtn2")->Hint(), "3");
  EXPECT_EQ(w.Find("MusHSQBtn2")->Tag(), MakeAddress(0, 15));
  EXPECT_EQ(w.Find("DEQTYpeAboveBtn2")->Tag(), 2);  // its value, not an address
  EXPECT_EQ(w.Find("MicEQPointLabel7")->Tag(), 6);
  EXPECT_EQ(reg.AuxControl(MakeAddress(1, 11), 1), w.Find("DEQTYpeBelowBtn2"));
  EXPECT_EQ(reg.ReadoutControl(MakeAddress(0, 0)), w.Binding().Example());
}

TEST(BuildRegistry, RunningItAgainChangesNothing) {
  BoundWindow w;
  auto snapshot = [&] {
    std::vector<std::string> s;
    for (Control* c : w.window.Components().InOrder())
      s.push_back(c->Widget()->objectName().toStdString() + " " + std::to_string(c->Tag()) + " " +
                  c->Hint().toStdString());
    return s;
  };
  w.Binding().BuildRegistry();
  const std::vector<std::string> before = snapshot();
  const std::vector<int> addresses = w.Binding().Registry().Addresses();
  w.Binding().BuildRegistry();
  EXPECT_EQ(before, snapshot());
  EXPECT_EQ(addresses, w.Binding().Registry().Addresses());
}

TEST(BuildRegistry, PresetsTheLowPassWordsAndTheSliderLooks) {
  EditorSession session;
  ParamStore& store = session.Store();
  MainWindow window(session);
  WindowFeatures features(window);
  features.binding.BuildRegistry();
  for (auto [block, word] : {std::pair{0, 7}, {2, 12}, {3, 12}, {4, 12}, {24, 12}, {5, 9}, {6, 19}, {23, 19}})
    EXPECT_EQ(store.DeviceImage[block][word], 360) << block;
  EXPECT_EQ(store.DeviceImage[1][9], 0);
  auto* value = window.Components().Get<TrackBar>("EchoTimeBar");
  auto* valueLook = window.Components().Get<TrackBar>("MicHPFreBar");
  EXPECT_EQ(value->Look().thumb, valueLook->Look().thumb);
  EXPECT_EQ(features.binding.Flags().HighlightedGainBar, window.Components().Find("ExampleBar"));
}

TEST(SwitchState, GroupsReturnTheirValues) {
  BoundWindow w;
  EditorBinding& b = w.Binding();
  struct Case {
    const char* button;
    int op;
    int result;
  };
  const Case cases[] = {
      {"SameBtn", kOpPair, 1},
      {"LeftBtn", kOpPair, 0},
      {"RightBtn", kOpPair, 0},
      {"RvbToolButton", kOpEffectTool, 0x0501},
      {"EchoBToolButton", kOpEffectTool, 0x0400},
      {"HintMicBBtn", kOpHiddenPage, 0x1900},
      {"ManulModeBtn", kOpAutoManual, 1},
      {"AutoModeBtn", kOpAutoManual, 0},
      {"CodeModeBtn", kOpScene, 2},
      {"RvbFormBtn", kOpEchoForm, 1},
      {"EchoAEQBtn", kOpEffectEq, 0},
      {"SysManagerBtn", kOpSystemPair, 1},
      {"SysPanelBtn1", kOpSystemPair, 0},
      {"UnLinkBtn", kOpLink, 1},
      {"LinkBtn", kOpLink, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button);
    EXPECT_EQ(b.SwitchState(w.Find(c.button), c.op), c.result);
    EXPECT_TRUE(w.Get<BmpButton>(c.button)->Down());
  }
  EXPECT_FALSE(w.Get<BmpButton>("SameBtn")->Down());
  EXPECT_FALSE(w.Get<BmpButton>("SysPanelBtn2")->Down());
  EXPECT_EQ(w.sel.CurEchoBlock, 24);
  EXPECT_EQ(w.sel.CurHideBlock, 27);
  EXPECT_EQ(w.Find("LinkBtn")->Caption(), "断开");
  // Echo+Rvb hides the Echo B controls and shows the reverb mix level.
  EXPECT_TRUE(w.window.Components().Widget("EchoBGroup")->isHidden());
  EXPECT_FALSE(w.window.Components().Widget("MainRvbLevelBar")->isHidden());
}

TEST(SwitchState, TogglesAndTypeLabels) {
  BoundWindow w;
  EditorBinding& b = w.Binding();
  auto* mute = w.Get<BmpButton>("MainLmuteBtn");
  mute->SetHint("0");
  EXPECT_EQ(b.SwitchState(mute, kOpToggle), 1);
  EXPECT_TRUE(mute->Down());
  EXPECT_EQ(b.SwitchState(mute, kOpToggle), 0);
  EXPECT_FALSE(mute->Down());
  auto* phase = w.Get<BmpButton>("EchoEffPhaseBtn");
  phase->SetHint("1");
  EXPECT_EQ(b.SwitchState(phase, kOpPhase), 0);
  EXPECT_TRUE(phase->Down());
  EXPECT_TRUE(phase->Caption().isEmpty());

  b.SwitchState(w.Find("MicLSQBtn4"), kOpBandTypeLabel);
  EXPECT_EQ(w.Get<Label>("MicLSQBtn4")->Background(), QColor(248, 241, 128));
  EXPECT_EQ(w.Get<Label>("MicPEQBtn4")->Background(), QColor(191, 191, 191));
  EXPECT_EQ(b.SwitchState(w.Find("DEQTYpeBelowBtn3"), kOpDeqType), 1);
  EXPECT_TRUE(w.Get<BmpButton>("DEQTYpeBelowBtn3")->Down());
  EXPECT_FALSE(w.Get<BmpButton>("DEQTYpeOffBtn3")->Down());
}

TEST(SwitchState, BandEditHighlightSelectsTheBandAndScrollsItIntoView) {
  BoundWindow w;
  EditorBinding& b = w.Binding();
  w.window.Tabs().ClickTab(2);
  auto* edit = w.Get<Edit>("MicFreEdit13");
  b.Flags().CurrentEdit = edit;
  EXPECT_EQ(b.SwitchState(edit, kGroupMic), 0);
  EXPECT_EQ(b.Flags().SelectedBand[kGroupMic], 12);
  EXPECT_EQ(b.Flags().HighlightedEdit, edit);
  EXPECT_EQ(edit->Background(), QColor(200, 200, 200));
  EXPECT_EQ(w.Get<TrackBar>("MicPanScrollBar")->Position(), 3);
  // Nothing moves while a refresh runs.
  b.Flags().Refreshing = true;
  b.Flags().CurrentEdit = w.Find("MicFreEdit1");
  b.SwitchState(w.Find("MicFreEdit1"), kGroupMic);
  EXPECT_EQ(b.Flags().SelectedBand[kGroupMic], 12);
  b.Flags().Refreshing = false;
}

}  // namespace
}  // namespace morvelin::test
