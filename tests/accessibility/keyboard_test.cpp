// The window by keyboard on the virtual unit: the Tab order of the music page, Ctrl+1 .. Ctrl+9,
// Space and Enter on a focused button, the arrow keys on a focused slider, and a band strip
// out of view scrolled in when Tab reaches it.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "editor/widgets/controls/bmp_button.h"
#include "editor/widgets/controls/containers.h"
#include "editor/widgets/controls/track_bar.h"
#include "shell/keyboard_access.h"
#include "shell/shell_fixture.h"
#include "support/qstring_print.h"

namespace morvelin::test {
namespace {

struct Keyboard : ::testing::Test {
  Program p;

  void SetUp() override {
    p.Show();
    W().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&W()));
    ASSERT_TRUE(p.WaitOnline());
  }
  MainWindow& W() { return p.Main(); }
  QWidget* Focused() { return QApplication::focusWidget(); }
  QString FocusedName() { return Focused() ? Focused()->objectName() : QString("(none)"); }
  void Press(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::keyClick(Focused() ? Focused() : &W(), Qt::Key(key), mods);
  }
};

// Through the input group row by row (the spin buttons after their edit, the two type lists
// above the two frequency sliders), then the band strips band by band, then the right panel.
TEST_F(Keyboard, TabOnTheMusicPageFollowsTheLayout) {
  W().Tabs().ClickTab(0);
  const char* const order[] = {
      "SysInputBox",   "SysMusInputLevelBox", "MusGain3Edit",   "MusGain3UpDown", "MusPitchBar",
      "MusHPTypeBox",  "MusLPTypeBox",        "MusHPFREBar",    "MusLPFREBar",    "MusEQGainBar1",
      "MusGainEdit1",  "MusQEdit1",           "MusQUpDownBtn1", "MusFreEdit1",    "MusModeBox1",
      "MusEQGainBar2", "MusGainEdit2",        "MusQEdit2",      "MusQUpDownBtn2", "MusFreEdit2",
      "MusModeBox2",
  };
  std::vector<QString> seen;
  for (std::size_t i = 0; i < std::size(order); ++i) {
    Press(Qt::Key_Tab);
    seen.push_back(FocusedName());
  }
  std::vector<QString> expected(std::begin(order), std::end(order));
  EXPECT_EQ(seen, expected);
  // Shift+Tab goes back the same way.
  Press(Qt::Key_Backtab);
  EXPECT_EQ(FocusedName(), "MusFreEdit2");
  // The fifteen strips follow one another, each as the first two; the last ones, beyond the
  // box's view, are scrolled in. The right panel's buttons come next.
  for (int i = 0; i < 1 + 13 * 6; ++i) Press(Qt::Key_Tab);
  EXPECT_EQ(FocusedName(), "MusModeBox15");
  auto* box = W().Components().Get<ScrollBox>(QString("MusScrollBox"));
  EXPECT_LE(Focused()->x() + Focused()->width() - box->ScrollX(), box->width());
  Press(Qt::Key_Tab);
  EXPECT_EQ(FocusedName(), "EQResetBtn");
}

TEST_F(Keyboard, CtrlDigitsOpenThePagesInTabBarOrder) {
  // The tab bar from the left: music, DEQ, microphone, effect, main, surround, center, sub, system.
  const int tabOfKey[] = {0, 1, 2, 4, 5, 6, 7, 8, 9};
  for (int n = 9; n >= 1; --n) {
    QTest::keyClick(&W(), Qt::Key(Qt::Key_0 + n), Qt::ControlModifier);
    EXPECT_EQ(p.app.State().CurrentTab, tabOfKey[n - 1]) << "Ctrl+" << n;
  }
}

TEST_F(Keyboard, SpaceAndEnterPressTheFocusedButton) {
  const std::pair<int, const char*> cases[] = {
      {Qt::Key_Space, "FormMICATabBtn"}, {Qt::Key_Return, "FormEFFTabBtn"}, {Qt::Key_Enter, "FormSysTabBtn"}};
  for (const auto& [key, button] : cases) {
    auto* b = W().Components().Get<BmpButton>(QString(button));
    b->setFocus();
    Press(key);
    EXPECT_EQ(p.app.State().CurrentTab, b->Tag()) << button;
  }
}

TEST_F(Keyboard, ArrowsStepTheFocusedSliderAndTheStepIsStored) {
  W().Tabs().ClickTab(2);
  auto* bar = W().Components().Get<TrackBar>(QString("MicFBEBar"));
  bar->setFocus();
  ASSERT_EQ(Focused(), bar);
  const int start = bar->Position();
  const int steps[][2] = {{Qt::Key_Down, -1}, {Qt::Key_Left, -1}, {Qt::Key_Up, +1}, {Qt::Key_Right, +1}};
  int expected = start;
  for (const auto& [key, step] : steps) {
    Press(key);
    expected = std::clamp(expected + step, bar->Min(), bar->Max());
    EXPECT_EQ(bar->Position(), expected);
    EXPECT_EQ(W().Store().View(bar->Tag()), expected);
  }
}

// Tab into a strip beyond the box's view scrolls the box so that the focused control shows.
TEST_F(Keyboard, AStripOutOfViewIsScrolledInWhenItTakesTheFocus) {
  W().Tabs().ClickTab(2);
  auto* box = W().Components().Get<ScrollBox>(QString("MicScrollBox"));
  ASSERT_NE(box, nullptr);
  QWidget* last = W().Components().Widget(QString("MicFreEdit20"));
  ASSERT_NE(last, nullptr);
  ASSERT_GT(last->x(), box->width());
  last->setFocus();
  ASSERT_EQ(Focused(), last);
  const int left = last->x() - box->ScrollX();
  EXPECT_GE(left, 0);
  EXPECT_LE(left + last->width(), box->width());
}

}  // namespace
}  // namespace morvelin::test
