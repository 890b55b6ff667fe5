// Typed entry, stepping and band types on the band strips, checked on the widgets and on the
// words the demo unit receives.

#include <gtest/gtest.h>

#include <cmath>

#include "editor/widgets/controls/spin_buttons.h"
#include "eq_rig.h"
#include "params/scales.h"
#include "params/value_tables.h"

namespace morvelin::test {
namespace {

class BandEditingTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { rig_ = std::make_unique<EqRig>(); }
  static void TearDownTestSuite() { rig_.reset(); }
  void SetUp() override {
    ASSERT_TRUE(rig_->online);
    rig_->ClickTab(0);
    rig_->ClearWrites();
  }
  EqRig& r() { return *rig_; }
  static std::unique_ptr<EqRig> rig_;
};
std::unique_ptr<EqRig> BandEditingTest::rig_;

// Two neighbouring whole-hertz entries whose midpoint is a whole number.
int LowerOfEvenGap() {
  for (int k = 0; k + 1 < static_cast<int>(FreqValues.size()); ++k) {
    const double a = FreqValues[static_cast<std::size_t>(k)], b = FreqValues[static_cast<std::size_t>(k) + 1];
    if (a >= 1000 && std::fmod(a, 1) == 0 && std::fmod(b - a, 2) == 0) return k;
  }
  return -1;
}

TEST_F(BandEditingTest, TypedFrequencyTakesTheNearestEntryAndATieGoesLow) {
  auto* edit = r().Get<Edit>("MusFreEdit1");
  const int nearest = FreqIndexOf(1000);
  r().Type(edit, "1000");
  EXPECT_EQ(edit->text().toStdString(), std::string(FreqList[static_cast<std::size_t>(nearest)]));
  EXPECT_EQ(r().Store().View(MakeAddress(0, 11)), nearest);
  EXPECT_EQ(r().Writes(), (std::vector<WordWrite>{r().Write(0, 11, nearest)}));

  const int k = LowerOfEvenGap();
  ASSERT_GE(k, 0);
  const int mid = static_cast<int>(
      (FreqValues[static_cast<std::size_t>(k)] + FreqValues[static_cast<std::size_t>(k) + 1]) / 2);
  r().ClearWrites();
  r().Type(r().Get<Edit>("MusFreEdit2"), std::to_string(mid).c_str());
  EXPECT_EQ(r().Store().View(MakeAddress(0, 16)), k);
  EXPECT_EQ(r().Writes(), (std::vector<WordWrite>{r().Write(0, 16, k)}));
}

TEST_F(BandEditingTest, TypedQTakesTheNextLargerEntryAndStopsAtTheBandsLimit) {
  auto* q = r().Get<Edit>("MusQEdit3");
  const int q13 = QIndexOf(1.3);
  r().Type(q, "1.3");
  EXPECT_EQ(q->text(), "1.30");
  EXPECT_EQ(r().Writes(), (std::vector<WordWrite>{r().Write(0, 23, q13)}));
  r().ClearWrites();
  r().Type(q, "200");
  EXPECT_EQ(q->text(), "128.00");
  EXPECT_EQ(r().Writes(), (std::vector<WordWrite>{r().Write(0, 23, 100)}));
}

TEST_F(BandEditingTest, AShelfShowsItsOwnQAndLimitsItToOnePointSix) {
  auto* list = r().Get<ComboBox>("MusModeBox4");
  auto* q = r().Get<Edit>("MusQEdit4");
  ASSERT_EQ(list->ItemIndex(), 1);  // PEQ
  const int shelfQ = r().Store().View(MakeAddress(0, 29));
  // The user picks LSEQ through its label.
  r().Click(r().Get<Label>("MusLSQBtn4"));
  EXPECT_EQ(list->ItemIndex(), 2);
  EXPECT_EQ(q->text().toStdString(), std::string(QList[static_cast<std::size_t>(shelfQ)]));
  EXPECT_EQ(r().Get<Label>("MusLSQBtn4")->Background(), QColor(248, 241, 128));
  EXPECT_EQ(r().Get<Label>("MusPEQBtn4")->Background(), QColor(191, 191, 191));
  EXPECT_EQ(r().Writes(), (std::vector<WordWrite>{r().Write(0, 25, 2)}));
  r().ClearWrites();
  r().Type(q, "200");
  EXPECT_EQ(q->text(), "1.60");
  EXPECT_EQ(r().Writes(), (std::vector<WordWrite>{r().Write(0, 29, 24)}));
  // Back to PEQ: the peaking Q word is shown again.
  list->SetItemIndex(1);
  r().Eq().MusModeBox1Change(*list);
  EXPECT_EQ(q->text().toStdString(),
            std::string(QList[static_cast<std::size_t>(r().Store().View(MakeAddress(0, 28)))]));
}

TEST_F(BandEditingTest, UpInAFrequencyEditRaisesTheBandsGainByOneStep) {
  auto* freq = r().Get<Edit>("MusFreEdit5");
  auto* gain = r().Get<Edit>("MusGainEdit5");
  const int before = r().Store().View(MakeAddress(0, 32));
  r().Click(freq);
  QTest::keyClick(freq, Qt::Key_Up);
  EXPECT_EQ(r().Binding().Flags().CurrentEdit, gain);
  EXPECT_EQ(r().Store().View(MakeAddress(0, 32)), before + 1);
  EXPECT_EQ(gain->text(), QString::number((before + 1) / 5.0 - 24, 'f', 1));
  EXPECT_EQ(r().Writes(), (std::vector<WordWrite>{r().Write(0, 32, before + 1)}));
  // Left in the gain edit steps the frequency down.
  const int freqBefore = r().Store().View(MakeAddress(0, 31));
  r().ClearWrites();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
  EXPECT_EQ(r().Writes(), (std::vector<WordWrite>{r().Write(0, 31, freqBefore - 1)}));
}

TEST_F(BandEditingTest, EmptyOrBrokenTextRestoresThePreviousTextAndWritesNothing) {
  auto* gain = r().Get<Edit>("MusGainEdit6");
  r().Click(gain);
  const QString shown = gain->text();
  for (const char* typed : {"", "--5", "1.2.3", "-"}) {
    gain->selectAll();
    QTest::keyClick(gain, Qt::Key_Backspace);
    QTest::keyClicks(gain, typed);
    QTest::keyClick(gain, Qt::Key_Return);
    EXPECT_EQ(gain->text(), shown) << typed;
  }
  // Letters never reach the edit.
  QTest::keyClicks(gain, "xz");
  EXPECT_EQ(gain->text(), shown);
  EXPECT_EQ(r().Writes(), std::vector<WordWrite>{});
}

TEST_F(BandEditingTest, TypedGainsAreClampedAndStoredAsClamped) {
  auto* gain = r().Get<Edit>("MusGainEdit7");
  r().Type(gain, "20");
  EXPECT_EQ(gain->text(), "12.0");
  EXPECT_EQ(r().Store().View(MakeAddress(0, 42)), 180);
  EXPECT_EQ(r().Get<TrackBar>("MusEQGainBar7")->Position(), 180);
  EXPECT_EQ(r().Writes(), (std::vector<WordWrite>{r().Write(0, 42, 180)}));
  r().ClearWrites();
  r().Type(gain, "-30");
  EXPECT_EQ(gain->text(), "-24.0");
  EXPECT_EQ(r().Writes(), (std::vector<WordWrite>{r().Write(0, 42, 0)}));
}

TEST_F(BandEditingTest, InputGainEditsUseTheSameEntry) {
  auto* edit = r().Get<Edit>("MusGain3Edit");
  r().Type(edit, "-3");
  EXPECT_EQ(edit->text(), "-3.0dB");
  EXPECT_EQ(r().Writes(), (std::vector<WordWrite>{r().Write(0, 2, 14)}));
  r().ClearWrites();
  auto* spin = r().Get<SpinButtons>("MusGain3UpDown");
  QTest::mouseClick(spin, Qt::LeftButton, {}, QPoint(spin->width() / 2, 2));  // upper half: half a decibel up
  EXPECT_EQ(edit->text(), "-2.5dB");
  EXPECT_EQ(r().Writes(), (std::vector<WordWrite>{r().Write(0, 2, 15)}));
}

TEST_F(BandEditingTest, QSpinButtonsStepTheirEditAndTheDeqGainStopsAtMinusTwelve) {
  auto* q = r().Get<Edit>("MusQEdit2");
  auto* spin = r().Get<SpinButtons>("MusQUpDownBtn2");
  const int before = r().Store().View(MakeAddress(0, 18));
  QTest::mouseClick(spin, Qt::LeftButton, {}, QPoint(spin->width() / 2, spin->height() - 2));
  EXPECT_EQ(r().Binding().Flags().CurrentEdit, q);
  EXPECT_EQ(q->text().toStdString(), std::string(QList[static_cast<std::size_t>(before - 1)]));
  EXPECT_EQ(r().Writes(), (std::vector<WordWrite>{r().Write(0, 18, before - 1)}));

  r().ClickTab(1);
  r().ClearWrites();
  auto* deqGain = r().Get<Edit>("DEQGainEdit1");
  r().Type(deqGain, "-20");
  EXPECT_EQ(deqGain->text(), "-12.0");
  EXPECT_EQ(r().Writes(), (std::vector<WordWrite>{r().Write(1, 4, 60)}));
}

TEST_F(BandEditingTest, TheWheelStepsOnlyAfterAnEditWasClicked) {
  auto* gain = r().Get<Edit>("MusGainEdit8");
  QWidget* over = r().Get<QWidget>("AdvPanel1");
  r().Wheel(over, 120);
  EXPECT_TRUE(r().Writes().empty());
  const int before = r().Store().View(MakeAddress(0, 47));
  r().Click(gain);
  r().Wheel(over, 120);
  r().Wheel(over, 120);
  r().Wheel(over, -120);
  EXPECT_EQ(r().Store().View(MakeAddress(0, 47)), before + 1);
  r().ClickTab(0);
  r().ClearWrites();
  r().Wheel(over, 120);
  EXPECT_TRUE(r().Writes().empty());
}

TEST_F(BandEditingTest, AGainSliderWritesItsBandAndCarriesTheHighlightedThumb) {
  auto* bar = r().Get<TrackBar>("MusEQGainBar9");
  bar->SetPosition(150);
  EXPECT_TRUE(bar->Highlighted());
  EXPECT_EQ(r().Get<Edit>("MusGainEdit9")->text(), "6.0");
  EXPECT_EQ(r().Writes(), (std::vector<WordWrite>{r().Write(0, 52, 150)}));
  r().Click(r().Get<Edit>("MusFreEdit10"));
  EXPECT_FALSE(bar->Highlighted());
  EXPECT_TRUE(r().Get<TrackBar>("MusEQGainBar10")->Highlighted());
  // A band title focuses its frequency edit.
  r().Click(r().Get<Label>("MusEQPointLabel2"));
  EXPECT_EQ(r().Binding().Flags().CurrentEdit, r().Get<Edit>("MusFreEdit2"));
  EXPECT_TRUE(r().Get<TrackBar>("MusEQGainBar2")->Highlighted());
}

TEST_F(BandEditingTest, ARefreshRepaintsTheTypeLabelsButWritesNothing) {
  const EditRecord last = r().Binding().Flags().LastEdit;
  r().Store().SetDevice(r().Store().DeviceAddressOf(MakeAddress(0, 10)), 3);
  r().Binding().RefreshPage(0);
  EXPECT_EQ(r().Get<ComboBox>("MusModeBox1")->ItemIndex(), 3);
  EXPECT_EQ(r().Get<Label>("MusHSQBtn1")->Background(), QColor(248, 241, 128));
  EXPECT_EQ(r().Binding().Flags().LastEdit, last);
  EXPECT_TRUE(r().Writes().empty());
}

TEST_F(BandEditingTest, DeqTypeButtonsChooseTheWorkType) {
  r().ClickTab(1);
  r().ClearWrites();
  r().Click(r().Get<BmpButton>("DEQTYpeAboveBtn2"));
  EXPECT_EQ(r().Get<ComboBox>("DEQTypeBox2")->ItemIndex(), 2);
  EXPECT_TRUE(r().Get<BmpButton>("DEQTYpeAboveBtn2")->Down());
  EXPECT_FALSE(r().Get<BmpButton>("DEQTYpeOffBtn2")->Down());
  EXPECT_EQ(r().Writes(), (std::vector<WordWrite>{r().Write(1, 11, 2)}));
}

TEST_F(BandEditingTest, AllPassAndResetOfTheMusicEq) {
  auto* pass = r().Get<BmpButton>("MusEQAllpassBtn");
  r().Click(pass);
  EXPECT_FALSE(r().Get<QWidget>("EQPassLabel")->isHidden());
  EXPECT_FALSE(r().Get<QWidget>("EQResetBtn")->isEnabled());
  EXPECT_EQ(r().Writes(), (std::vector<WordWrite>{r().Write(0, 9, 1)}));
  r().Click(pass);
  EXPECT_TRUE(r().Get<QWidget>("EQPassLabel")->isHidden());
  EXPECT_TRUE(r().Get<QWidget>("EQResetBtn")->isEnabled());

  r().Type(r().Get<Edit>("MusGainEdit1"), "6");
  r().ClearWrites();
  r().Click(r().Get<BmpButton>("EQResetBtn"));
  EXPECT_EQ(r().Get<Edit>("MusGainEdit1")->text(), "0.0");
  // Every band word of the music EQ goes out, paced one per acknowledgement.
  const int gainWord = r().Store().DeviceAddressOf(MakeAddress(0, 12));
  EXPECT_TRUE(QTest::qWaitFor([&] { return r().Unit().WordAt(gainWord) == 120; }, 5000));
  EXPECT_TRUE(QTest::qWaitFor([&] { return r().Writes().size() >= 50u; }, 5000));
}

}  // namespace
}  // namespace morvelin::test
