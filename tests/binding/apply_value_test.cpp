// ApplyValue on the form's real widgets: clamps and texts per display kind, the stores, the one
// write per change, the slider moved without re-entering its handler, the Q bound by band type.

#include <gtest/gtest.h>

#include "binding_fixture.h"
#include "editor/typed_value.h"
#include "editor/widgets/controls/combo_box.h"
#include "editor/widgets/controls/text_controls.h"
#include "editor/widgets/controls/track_bar.h"

namespace morvelin::test {
namespace {

struct ApplyCase {
  const char* control;
  double value;  // a user's raw value (typed values go through ParseTypedValue first)
  int pageBlock;
  int outBlock;  // CurOutBlock during the case
  const char* text;
  int stored;  // ViewImage at the control's word afterwards
};

// clang-format off
const ApplyCase kApplyCases[] = {
    {"MainLdelayPane", 500, 6, 6, "50.0ms", 500},
    {"MainLdelayPane", 900, 6, 6, "50.0ms", 500},
    {"EchoPreDelayPane", 0, 4, 6, "-100ms", 0},
    {"EchoTimePane", 250, 4, 6, "500ms", 250},
    {"RvbTimePane", 80, 5, 6, "5000ms", 80},
    {"RvbTimePane", 120, 5, 6, "5000ms", 80},
    {"EchoRTimePane", 0, 4, 6, "-50%", 0},
    {"MainMusLevelPane", 50, 6, 21, "100%", 50},   // Sub: the music mix level shows doubled
    {"MainMusLevelPane", 50, 6, 6, "50%", 50},
    {"MainMicLevelPane", 50, 6, 21, "50%", 50},    // only word 0 is doubled
    {"MainRmsLevelPane", 0, 6, 6, "-20dBu", 0},
    {"DEQRmsLevelPane1", 0, 1, 6, "-60dBu", 0},
    {"MicRmsLevelPane", 0, 2, 6, "-34dB", 0},
    {"MicNoiseLevelPane", 60, 2, 6, "-30dB", 60},
    {"MicInputGainPane", 40, 2, 6, "10dB", 40},
    {"MicFBEPane", 9, 2, 6, "4", 4},
    {"MusPitchPane", 0, 0, 6, "-7", 0},
    {"MusHPFREPane", 204, 0, 6, "1000Hz", 204},
    {"MicRmsRatioPane", 40, 2, 6, "100", 40},
    {"MicRmsReleasePane", 0, 2, 6, "Atk x 2", 0},
    {"MicRmsAttackPane", 19, 2, 6, "400ms", 19},
    {"MusFreEdit1", 400, 0, 6, "20600", 361},
    {"MusFreEdit1", -5, 0, 6, "19.7", 0},
    {"MusGain3Edit", 50, 0, 6, "10.0dB", 40},
    {"MusGain3Edit", 0, 0, 6, "-10.0dB", 0},
    {"MusGainEdit1", -30, 0, 6, "-24.0", 0},     // typed -30 dB on music
    {"DEQGainEdit1", -30, 1, 6, "-12.0", 60},    // typed -30 dB on the dynamic EQ page
    {"MusGainEdit1", 20, 0, 6, "12.0", 180},     // typed +20 dB
};
// clang-format on

TEST(ApplyValue, ClampsAndTextsPerDisplayKind) {
  BoundWindow w;
  for (const ApplyCase& c : kApplyCases) {
    SCOPED_TRACE(std::string(c.control) + " " + std::to_string(c.value));
    w.state.PageBlock = c.pageBlock;
    w.sel.CurOutBlock = c.outBlock;
    Control* control = w.Find(c.control);
    ASSERT_NE(control, nullptr);
    const int kind = control->Hint().toInt();
    const bool typedGain = kind == 3;  // the gain cases are typed in dB
    const double raw = typedGain ? ParseTypedValue(kind, c.value) : c.value;
    w.sender.sent.clear();
    w.Binding().ApplyValue(control, StepNone, false, raw);
    EXPECT_EQ(control->Caption().toStdString(), c.text);
    const int address = w.store.ActiveQWord(control->Tag());
    EXPECT_EQ(w.store.View(address), c.stored);
    ASSERT_EQ(w.sender.sent.size(), 1u);  // one write, however many widgets moved
    EXPECT_EQ(w.sender.sent[0], std::make_pair(w.store.DeviceAddressOf(address), c.stored));
  }
}

TEST(ApplyValue, MovesTheSliderOfTheWordWithoutReenteringIt) {
  BoundWindow w;
  auto* pane = w.Get<StatusPane>("MainLdelayPane");
  auto* bar = w.Get<TrackBar>("MainLdelayBar");
  w.Binding().ApplyValue(pane, StepNone, false, 321);
  EXPECT_EQ(bar->Position(), 321);
  EXPECT_EQ(w.sender.sent.size(), 1u);
  EXPECT_FALSE(w.Binding().Flags().ProgrammaticMove);

  // The gain edit moves its band's gain slider (aux slot 0), also without a second write.
  auto* gainBar = w.Get<TrackBar>("MusEQGainBar2");
  w.sender.sent.clear();
  w.Binding().ApplyValue(w.Find("MusGainEdit2"), StepUp, false, 150);
  EXPECT_EQ(gainBar->Position(), 151);
  EXPECT_EQ(w.Find("MusGainEdit2")->Caption(), "6.2");
  ASSERT_EQ(w.sender.sent.size(), 1u);
  EXPECT_EQ(w.sender.sent[0], std::make_pair(MakeAddress(0, 17), 151));
  EXPECT_EQ(w.Binding().Flags().LastEdit, (EditRecord{MakeAddress(0, 17), 151}));
}

TEST(ApplyValue, UserSliderMoveWritesOnceAndShowsTheUnit) {
  BoundWindow w;
  auto* bar = w.Get<TrackBar>("MicHPFreBar");
  bar->SetPosition(204);  // as a drag does
  EXPECT_EQ(w.Find("MicHPFrePane")->Caption(), "1000Hz");
  ASSERT_EQ(w.sender.sent.size(), 1u);
  EXPECT_EQ(w.sender.sent[0], std::make_pair(MakeAddress(2, 10), 204));
  EXPECT_EQ(w.Binding().Flags().CurrentEdit, w.Binding().Example());

  // A gain slider drag shows the gain in its edit and writes the gain word once.
  w.sender.sent.clear();
  w.Get<TrackBar>("MicEQGainBar3")->SetPosition(100);
  EXPECT_EQ(w.Find("MicGainEdit3")->Caption(), "-4.0");
  ASSERT_EQ(w.sender.sent.size(), 1u);
  EXPECT_EQ(w.sender.sent[0], std::make_pair(MakeAddress(2, 27), 100));
}

TEST(ApplyValue, QFollowsTheBandType) {
  BoundWindow w;
  const int type = MakeAddress(0, 10);
  w.store.SetView(type + 3, 40);  // peaking Q 4.00
  w.store.SetView(type + 4, 10);  // shelving Q 0.71
  auto* list = w.Get<ComboBox>("MusModeBox1");
  Control* q = w.Find("MusQEdit1");

  list->SetItemIndex(2);  // LSEQ, as the user picks it
  emit list->UserChanged(2);
  EXPECT_EQ(q->Caption(), "0.71");
  w.Binding().Flags().CurrentEdit = q;
  w.Binding().ApplyValue(q, StepNone, false, 30);
  EXPECT_EQ(q->Caption(), "1.60");  // a shelf stops at index 24
  EXPECT_EQ(w.store.View(type + 4), 24);
  EXPECT_EQ(w.store.View(type + 3), 40);

  list->SetItemIndex(1);  // back to PEQ
  emit list->UserChanged(1);
  EXPECT_EQ(q->Caption(), "4.00");
  w.Binding().ApplyValue(q, StepUp, false, 99);
  EXPECT_EQ(q->Caption(), "128.00");
  EXPECT_EQ(w.store.View(type + 3), 100);
}

TEST(ApplyValue, LeavesOtherControlsAlone) {
  BoundWindow w;
  // A pane of an edit kind, a list without a kind, a slider: nothing shown, nothing written.
  Control* pane = w.Find("MainLdelayPane");
  pane->SetHint("3");
  w.Binding().ApplyValue(pane, StepNone, false, 100);
  auto* hp = w.Get<ComboBox>("MusHPTypeBox");
  hp->SetHint("");
  w.Binding().ApplyValue(hp, StepNone, false, 2);
  w.Binding().ApplyValue(w.Find("MainLdelayBar"), StepNone, false, 2);
  EXPECT_TRUE(w.sender.sent.empty());
}

}  // namespace
}  // namespace morvelin::test
