// Undo and redo of edits on the whole program, online with the demo unit: what one step is,
// and that taking it back or forward reaches the unit with the edit path's frames.

#include <gtest/gtest.h>

#include <QTest>
#include <QToolButton>
#include <array>

#include "band_editing/eq_rig.h"
#include "graphs/widgets/band_point.h"
#include "graphs/widgets/response_graph.h"
#include "link/link_controller.h"
#include "shell/undo_feature.h"
#include "shell/window_features.h"

namespace morvelin::test {
namespace {

constexpr int kMusGain3 = 0x0016;  // block 0 word 22: the gain of music band 3
constexpr int kMusFreq3 = 0x0015;

class UndoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    rig_ = std::make_unique<EqRig>();
    ASSERT_TRUE(rig_->online);
  }
  EqRig& r() { return *rig_; }
  UndoFeature& undo() { return r().Features().undo; }
  QUndoStack& stack() { return undo().Stack(); }
  int UnitWord(int viewAddress) { return r().Unit().WordAt(r().Store().DeviceAddressOf(viewAddress)); }
  // The unit's words of a block, after the edits in flight have reached it.
  std::vector<int> UnitBlock(int block, int first, int last) {
    Drain();
    std::vector<int> words;
    for (int i = first; i <= last; ++i) words.push_back(r().Unit().WordAt(MakeAddress(block, i)));
    return words;
  }
  // Until the paced edits have all reached the unit.
  void Drain() {
    std::size_t seen = 0;
    do {
      seen = r().Unit().ReceivedFrames().size();
      r().Settle();
    } while (r().Unit().ReceivedFrames().size() != seen);
  }
  // A press on the slider, moves along it and the release.
  void DragSlider(TrackBar* bar, std::initializer_list<int> ys) {
    const int x = bar->width() / 2;
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(x, *ys.begin()));
    for (int y : ys) QTest::mouseMove(bar, QPoint(x, y));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(x, *(ys.end() - 1)));
  }

  std::unique_ptr<EqRig> rig_;
};

TEST_F(UndoTest, SliderDragIsOneStepAndItsUndoSendsOneFrameWithTheOldValue) {
  auto* bar = r().Get<TrackBar>("MusEQGainBar3");
  const int old = r().Store().View(kMusGain3);
  DragSlider(bar, {20, 30, 40, 50, 60, 70});
  const int dragged = r().Store().View(kMusGain3);
  ASSERT_NE(dragged, old);
  EXPECT_EQ(stack().count(), 1);
  EXPECT_EQ(UnitWord(kMusGain3), dragged);

  r().ClearWrites();
  undo().Undo();
  EXPECT_EQ(r().Writes(), (std::vector<WordWrite>{r().Write(0, 22, old)}));
  EXPECT_EQ(UnitWord(kMusGain3), old);
  EXPECT_EQ(bar->Position(), old);
  EXPECT_EQ(r().Get<Edit>("MusGainEdit3")->text(), QString::number(old / 5.0 - 24, 'f', 1));

  // Redo brings the dragged value back the same way.
  r().ClearWrites();
  undo().Redo();
  EXPECT_EQ(r().Writes(), (std::vector<WordWrite>{r().Write(0, 22, dragged)}));
  EXPECT_EQ(bar->Position(), dragged);
  // A new edit after an undo drops what could be redone.
  undo().Undo();
  r().Type(r().Get<Edit>("MusGainEdit1"), "3");
  EXPECT_FALSE(stack().canRedo());
}

TEST_F(UndoTest, SeparateGesturesAreSeparateStepsAndUndoWalksBackThroughThem) {
  auto* edit = r().Get<Edit>("MusGainEdit3");
  const int old = r().Store().View(kMusGain3);
  r().Type(edit, "-3");
  r().Type(edit, "1.6");
  auto* bar = r().Get<TrackBar>("MusEQGainBar3");
  bar->setFocus();
  QTest::keyClick(bar, Qt::Key_Up);
  EXPECT_EQ(stack().count(), 3);
  EXPECT_EQ(UnitWord(kMusGain3), 128 + 1);

  for (int expected : {128, 105, old}) {
    undo().Undo();
    r().Settle();
    EXPECT_EQ(UnitWord(kMusGain3), expected);
  }
  EXPECT_FALSE(stack().canUndo());
  for (int expected : {105, 128, 129}) {
    undo().Redo();
    r().Settle();
    EXPECT_EQ(UnitWord(kMusGain3), expected);
  }
}

TEST_F(UndoTest, BandDragUndoRestoresFrequencyAndGainAtTheUnit) {
  ResponseGraph& graph = *r().Features().graph.Graph();
  BandPoint* p = graph.Point(2);
  ASSERT_NE(p, nullptr);
  const int freq = UnitWord(kMusFreq3);
  const int gain = UnitWord(kMusGain3);
  constexpr QPoint kGrip{7, 7};
  const QPoint start = p->pos() + kGrip;
  QTest::mousePress(p, Qt::LeftButton, {}, kGrip);
  for (int k = 1; k <= 8; ++k) QTest::mouseMove(p, start + QPoint(60, -40) * k / 8 - p->pos());
  QTest::mouseRelease(p, Qt::LeftButton, {}, start + QPoint(60, -40) - p->pos());
  r().Settle();
  ASSERT_NE(UnitWord(kMusFreq3), freq);
  ASSERT_NE(UnitWord(kMusGain3), gain);
  EXPECT_EQ(stack().count(), 1);

  undo().Undo();
  r().Settle();
  EXPECT_EQ(UnitWord(kMusFreq3), freq);
  EXPECT_EQ(UnitWord(kMusGain3), gain);
  EXPECT_EQ(r().Store().View(kMusFreq3), freq);
}

TEST_F(UndoTest, EqResetIsOneStepAndItsUndoRestoresEveryWord) {
  r().Type(r().Get<Edit>("MusGainEdit1"), "6");
  r().Type(r().Get<Edit>("MusGainEdit2"), "-4");
  r().Type(r().Get<Edit>("MusFreEdit5"), "2000");
  const std::vector<int> before = UnitBlock(0, 10, 84);
  const int steps = stack().count();

  r().Click(r().Get<BmpButton>("EQResetBtn"));
  ASSERT_NE(UnitBlock(0, 10, 84), before);
  EXPECT_EQ(stack().count(), steps + 1);

  undo().Undo();
  EXPECT_EQ(UnitBlock(0, 10, 84), before);
  EXPECT_EQ(r().Get<Edit>("MusGainEdit1")->text(), "6.0");
  EXPECT_EQ(r().Get<Edit>("MusGainEdit2")->text(), "-4.0");
}

TEST_F(UndoTest, ChannelLinkWithItsCopyIsOneStep) {
  r().ClickTab(2);
  r().Click(r().Get<BmpButton>("RightBtn"));
  r().Type(r().Get<Edit>("MicGainEdit1"), "-5");
  r().Click(r().Get<BmpButton>("LeftBtn"));
  r().Type(r().Get<Edit>("MicGainEdit1"), "7");
  const std::vector<int> micB = UnitBlock(3, 15, 113);
  const int steps = stack().count();

  r().Click(r().Get<BmpButton>("SameBtn"));
  ASSERT_NE(UnitBlock(3, 15, 113), micB);
  EXPECT_EQ(r().Unit().WordAt(MakeAddress(2, 13)), 1);
  EXPECT_EQ(stack().count(), steps + 1);

  undo().Undo();
  EXPECT_EQ(UnitBlock(3, 15, 113), micB);
  EXPECT_EQ(r().Unit().WordAt(MakeAddress(2, 13)), 0);
  EXPECT_EQ(r().Store().DeviceImage[3][15 + 2], micB[2]);
}

TEST_F(UndoTest, InputChoiceOfTheSystemPageIsAStep) {
  r().ClickTab(9);
  auto* box = r().Get<ComboBox>("SysInputBox");
  const int old = r().Store().Device(InputSourceAddr);
  box->setFocus();
  QTest::keyClick(box, old == 0 ? Qt::Key_Down : Qt::Key_Up);
  const int chosen = r().Store().Device(InputSourceAddr);
  ASSERT_NE(chosen, old);
  EXPECT_EQ(stack().count(), 1);
  r().ClearWrites();
  undo().Undo();
  EXPECT_EQ(r().Writes(), (std::vector<WordWrite>{{InputSourceAddr, old}}));
  EXPECT_EQ(box->ItemIndex(), old);
}

TEST_F(UndoTest, FullReadClearsTheHistory) {
  r().Type(r().Get<Edit>("MusGainEdit1"), "6");
  ASSERT_TRUE(stack().canUndo());
  LinkController& link = *r().Main().Session().Link();
  link.LinkBtnClick(LinkController::Button::UnLinkBtn);
  r().Settle();
  link.LinkBtnClick(LinkController::Button::LinkBtn);
  ASSERT_TRUE(r().clock.RunUntil([&] { return link.LinkOnline(); }, 15000));
  EXPECT_EQ(stack().count(), 0);
  EXPECT_FALSE(undo().UndoButton()->isEnabled());
}

TEST_F(UndoTest, CtrlZInAnEditWithTypedTextUndoesOnlyTheTyping) {
  // As the keyboard sends them: Ctrl+letter carries its control character as text.
  auto ctrl = [](QWidget* w, Qt::Key key, Qt::KeyboardModifiers more = {}) {
    QTest::sendKeyEvent(QTest::Click, w, key, QString(QChar(key - Qt::Key_A + 1)),
                        Qt::ControlModifier | more);
  };
  auto* edit = r().Get<Edit>("MusGainEdit1");
  r().Type(edit, "6");
  r().TypeWithoutEnter(edit, "9");
  r().ClearWrites();
  ctrl(edit, Qt::Key_Z);
  EXPECT_NE(edit->text(), "9");
  EXPECT_TRUE(r().Writes().empty());
  EXPECT_EQ(stack().index(), 1);

  // Without typed text the same keys take the last step back, and forward again.
  r().Type(edit, "6");
  r().ClearWrites();
  ctrl(edit, Qt::Key_Z);
  EXPECT_EQ(stack().index(), 0);
  EXPECT_EQ(r().Writes(), (std::vector<WordWrite>{r().Write(0, 12, 120)}));
  ctrl(edit, Qt::Key_Z, Qt::ShiftModifier);
  EXPECT_EQ(stack().index(), 1);
  ctrl(edit, Qt::Key_Z);
  ctrl(edit, Qt::Key_Y);
  EXPECT_EQ(stack().index(), 1);
  EXPECT_EQ(r().Writes(), (std::vector<WordWrite>{r().Write(0, 12, 120), r().Write(0, 12, 150),
                                                  r().Write(0, 12, 120), r().Write(0, 12, 150)}));
}

TEST_F(UndoTest, HistoryKeepsTheNewest200Steps) {
  auto* bar = r().Get<TrackBar>("MusEQGainBar3");
  for (int k = 0; k < kUndoSteps + 5; ++k) undo().RunAsOneStep([&] { bar->SetPosition(k % 2 ? 100 : 110); });
  EXPECT_EQ(stack().count(), kUndoSteps);
  int taken = 0;
  while (stack().canUndo()) {
    undo().Undo();
    ++taken;
  }
  EXPECT_EQ(taken, kUndoSteps);
}

TEST_F(UndoTest, OneStepEntryJoinsEveryWordItWrites) {
  undo().RunAsOneStep([&] {
    r().Get<TrackBar>("MusEQGainBar1")->SetPosition(100);
    r().Get<TrackBar>("MusEQGainBar2")->SetPosition(101);
    r().Get<TrackBar>("MusEQGainBar3")->SetPosition(102);
  });
  EXPECT_EQ(stack().count(), 1);
  undo().Undo();
  r().Settle();
  EXPECT_EQ(UnitWord(MakeAddress(0, 12)), 120);
  EXPECT_EQ(UnitWord(MakeAddress(0, 17)), 120);
  EXPECT_EQ(UnitWord(kMusGain3), 120);
}

TEST_F(UndoTest, ButtonsNameTheStepInBothLanguages) {
  auto* edit = r().Get<Edit>("MusGainEdit3");
  r().Type(edit, "-3");
  r().Type(edit, "1.6");
  QToolButton* u = undo().UndoButton();
  QToolButton* d = undo().RedoButton();
  ASSERT_NE(u, nullptr);
  EXPECT_EQ(u->toolTip(), QStringLiteral("撤销 EQ3 增益 \u22123.0 \u2192 +1.6 dB"));
  EXPECT_EQ(u->accessibleName(), QStringLiteral("撤销"));
  EXPECT_FALSE(d->isEnabled());
  r().Main().Session().SetLanguage(0);
  EXPECT_EQ(u->toolTip(), QStringLiteral("Undo EQ3 gain \u22123.0 \u2192 +1.6 dB"));
  EXPECT_EQ(u->accessibleName(), QStringLiteral("Undo"));

  r().Click(u);
  EXPECT_EQ(UnitWord(kMusGain3), 105);
  EXPECT_TRUE(d->isEnabled());
  EXPECT_EQ(d->toolTip(), QStringLiteral("Redo EQ3 gain \u22123.0 \u2192 +1.6 dB"));
  EXPECT_NE(u->focusPolicy() & Qt::TabFocus, 0);

  // A frequency names its unit too.
  r().Type(r().Get<Edit>("MusFreEdit3"), "1000");
  EXPECT_TRUE(u->toolTip().startsWith(QStringLiteral("Undo EQ3 frequency ")));
}

}  // namespace
}  // namespace morvelin::test
