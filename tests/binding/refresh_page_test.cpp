// RefreshPage: stored values on every control, the mute and phase buttons from the store
// whatever they showed, the right channel of the output pair, the stand-in left alone, and
// nothing written to the link.

#include <gtest/gtest.h>

#include "binding_fixture.h"
#include "editor/widgets/controls/bmp_button.h"
#include "editor/widgets/controls/combo_box.h"
#include "editor/widgets/controls/text_controls.h"
#include "editor/widgets/controls/track_bar.h"

namespace morvelin::test {
namespace {

TEST(RefreshPage, ShowsStoredValuesAndWritesNothing) {
  BoundWindow w;
  w.store.DeviceImage[0][3] = 10;     // key +3
  w.store.DeviceImage[0][12] = 100;   // music band 1 gain -4.0
  w.store.DeviceImage[4][4] = 0;      // echo pre-delay -100ms
  w.store.DeviceImage[0][4] = 3;      // HP type
  w.store.DeviceImage[30][20] = 2;    // input IN2
  w.store.DeviceImage[30][5] = 4321;  // panel password word: the stand-in must not touch it
  w.Binding().RefreshPage(kAllBlocks);
  EXPECT_EQ(w.Find("MusPitchPane")->Caption(), "3");
  EXPECT_EQ(w.Get<TrackBar>("MusPitchBar")->Position(), 10);
  EXPECT_EQ(w.Find("MusGainEdit1")->Caption(), "-4.0");
  EXPECT_EQ(w.Get<TrackBar>("MusEQGainBar1")->Position(), 100);
  EXPECT_EQ(w.Find("EchoPreDelayPane")->Caption(), "-100ms");
  EXPECT_EQ(w.Get<ComboBox>("MusHPTypeBox")->ItemIndex(), 3);
  EXPECT_EQ(w.Get<ComboBox>("SysInputBox")->ItemIndex(), 2);
  EXPECT_EQ(w.store.DeviceImage[30][5], 4321);
  EXPECT_TRUE(w.sender.sent.empty());
  EXPECT_FALSE(w.Binding().Flags().Refreshing);
  EXPECT_FALSE(w.store.SendSuppressed);
  // The refresh is not the user's change.
  EXPECT_EQ(w.Binding().Flags().LastEdit, EditRecord{});
}

TEST(RefreshPage, ShowsThePaneEvenWhenTheSliderAlreadyStandsThere) {
  BoundWindow w;
  w.Find("MicRmsLevelPane")->SetCaption("stale");
  w.Binding().RefreshPage(2);
  EXPECT_EQ(w.Find("MicRmsLevelPane")->Caption(), "-34dB");
}

struct ButtonCase {
  const char* button;
  int address;
  int stored;
  const char* previousHint;
  const char* hint;  // shown afterwards
  bool down;
};

// Mute: pressed for "1"; phase: the pressed set of the phase template for "0".
const ButtonCase kButtonCases[] = {
    {"MainLmuteBtn", MakeAddress(6, 11), 1, "1", "1", true},
    {"MainLmuteBtn", MakeAddress(6, 11), 1, "0", "1", true},
    {"MainLmuteBtn", MakeAddress(6, 11), 0, "1", "0", false},
    {"MainLmuteBtn", MakeAddress(6, 11), 0, "0", "0", false},
    {"MainMusPhaseBtn", MakeAddress(6, 1), 1, "0", "1", false},
    {"MainMusPhaseBtn", MakeAddress(6, 1), 1, "1", "1", false},
    {"EchoEffPhaseBtn", MakeAddress(4, 1), 0, "0", "0", true},
    {"EchoEffPhaseBtn", MakeAddress(4, 1), 0, "1", "0", true},
};

TEST(RefreshPage, MuteAndPhaseButtonsShowTheStoredStateWhateverTheyShowed) {
  BoundWindow w;
  for (const ButtonCase& c : kButtonCases) {
    SCOPED_TRACE(std::string(c.button) + " stored " + std::to_string(c.stored) + " was " + c.previousHint);
    w.store.SetDevice(w.store.DeviceAddressOf(c.address), c.stored);
    auto* b = w.Get<BmpButton>(c.button);
    b->SetHint(c.previousHint);
    b->SetDown(!c.down);
    w.Binding().RefreshPage(BlockOf(c.address));
    EXPECT_EQ(b->Hint(), c.hint);
    EXPECT_EQ(b->Down(), c.down);
  }
  EXPECT_TRUE(w.sender.sent.empty());
}

TEST(RefreshPage, RightChannelOfTheOutputPairComesFromItsOwnBlock) {
  BoundWindow w;
  for (int scene = 0; scene < 3; ++scene) {
    w.store.DeviceImage[6 + scene][10] = 7;
    w.store.DeviceImage[9 + scene][10] = 123;
    w.store.DeviceImage[9 + scene][11] = 1;
    w.store.DeviceImage[15 + scene][10] = 200;
    w.store.DeviceImage[15 + scene][11] = 0;
  }
  for (int selection : {0, 2}) {
    SCOPED_TRACE(selection);
    w.state.MainChannelSel = selection;
    w.window.Tabs().ClickTab(5);
    EXPECT_EQ(w.sel.CurOutBlock, selection == 2 ? 9 : 6);
    EXPECT_EQ(w.Find("MainLdelayPane")->Caption(), "0.7ms");
    EXPECT_EQ(w.Get<TrackBar>("MainRdelayBar")->Position(), 123);
    EXPECT_EQ(w.Find("MainRdelayPane")->Caption(), "12.3ms");
    EXPECT_EQ(w.Find("MainRmuteBtn")->Hint(), "1");
    EXPECT_EQ(w.Find("MainRdelayBar")->Tag(), MakeAddress(9, 10));
    EXPECT_EQ(w.Find("MainRmuteBtn")->Tag(), MakeAddress(9, 11));
  }
  w.window.Tabs().ClickTab(6);
  EXPECT_EQ(w.Find("MainRdelayPane")->Caption(), "20.0ms");
  EXPECT_EQ(w.Find("MainRmuteBtn")->Hint(), "0");
  EXPECT_EQ(w.Find("MainRdelayPane")->Tag(), MakeAddress(15, 10));
  // The right delay writes the right channel's block of the current scene.
  w.sender.sent.clear();
  w.Get<TrackBar>("MainRdelayBar")->SetPosition(250);
  ASSERT_EQ(w.sender.sent.size(), 1u);
  EXPECT_EQ(w.sender.sent[0], std::make_pair(MakeAddress(15, 10), 250));
}

TEST(RefreshPage, AllPassButtonFollowsThePageWord) {
  BoundWindow w;
  w.store.DeviceImage[2][14] = 1;
  w.window.Tabs().ClickTab(2);
  auto* pass = w.Get<BmpButton>("MusEQAllpassBtn");
  EXPECT_EQ(pass->Tag(), MakeAddress(2, 14));
  EXPECT_EQ(pass->Hint(), "1");
  EXPECT_FALSE(w.window.Components().Widget("EQPassLabel")->isHidden());
  w.window.Tabs().ClickTab(0);
  EXPECT_EQ(pass->Tag(), MakeAddress(0, 9));
  EXPECT_EQ(pass->Hint(), "0");
  EXPECT_TRUE(w.window.Components().Widget("EQPassLabel")->isHidden());
}

}  // namespace
}  // namespace morvelin::test
