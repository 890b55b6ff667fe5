#include "graphs/drag_rules.h"

#include <gtest/gtest.h>

#include "params/scales.h"

namespace morvelin {
namespace {

TEST(DragRules, PageTable) {
  struct Case {
    int page, point;
    DragAxes axes;
    bool refusedInAllPass;
  };
  using A = DragAxes;
  const Case cases[] = {
      {0, 0, A::Both, true},
      {0, 14, A::Both, true},
      {0, 15, A::HorizontalOnly, true},
      {0, 21, A::HorizontalOnly, true},
      {1, 19, A::Both, true},
      {1, 20, A::HorizontalOnly, false},
      {2, 6, A::Both, true},
      {2, 7, A::HorizontalOnly, false},
      {2, 21, A::HorizontalOnly, false},
      {3, 9, A::Both, true},
      {3, 10, A::HorizontalOnly, false},
      {4, 4, A::Both, true},
      {4, 5, A::None, false},
      {4, 21, A::None, false},
      {8, 2, A::Both, true},
      {8, 3, A::None, false},
      {7, 21, A::Both, false},
      {5, 0, A::Both, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PointDragAxes(c.page, c.point), c.axes) << c.page << "/" << c.point;
    EXPECT_EQ(DragRefusedInAllPass(c.page, c.point), c.refusedInAllPass) << c.page << "/" << c.point;
  }
}

TEST(DragRules, OutputPageInAutoMode) {
  EXPECT_FALSE(PointPressAllowed(kOutputPageIndex, kAutoMode));
  EXPECT_TRUE(PointPressAllowed(kOutputPageIndex, 1));
  EXPECT_TRUE(PointPressAllowed(kMusicPageIndex, kAutoMode));
}

// A band point at 1000 Hz and 0 dB on the design-size graph: left 669, top 78; its centre
// pixel reads back as 1002 Hz.
DragMotion Motion(int page, int point, int dx, int dy, bool allPass = false) {
  return {page, point, allPass, 669, 78, dx, dy};
}

TEST(DragRules, LimitsAndWords) {
  const GraphGeometry g;
  struct Case {
    const char* what;
    DragMotion motion;
    bool refused;
    int left, top, hz;
    double db;
    int freqIndex, gainWord;
  };
  const int rightLeft = NearestInt(g.FreqToX(20600) - 7);
  const Case cases[] = {
      {"none", Motion(0, 0, 0, 0), false, 669, 78, 1002, 0.0, 204, 120},
      {"far right", Motion(0, 0, 2000, 0), false, rightLeft, 78, 20600, 0.0, 361, 120},
      {"far left", Motion(0, 0, -2000, 0), false, 91, 78, 20, 0.0, 1, 120},
      {"above", Motion(0, 0, 0, -1000), false, 669, -7, 1002, 12.0, 204, 180},
      {"below", Motion(0, 0, 0, 1000), false, 669, 249, 1002, -24.0, 204, 0},
      {"dynamic EQ below -12", Motion(8, 1, 0, 1000), false, 669, 163, 1002, -12.0, 204, 60},
      {"dynamic EQ above", Motion(8, 1, 0, -1000), false, 669, -7, 1002, 12.0, 204, 180},
      {"HPF upward", Motion(0, 20, 10, -50), false, 679, 78, 1073, 0.0, 208, 120},
      {"music band 16 sideways only", Motion(0, 15, 0, 40), false, 669, 78, 1002, 0.0, 204, 120},
      {"hidden page point 6 fixed", Motion(4, 6, 300, 40), false, 669, 78, 1002, 0.0, 204, 120},
      {"all-pass refused", Motion(1, 3, 100, 40, true), true, 669, 78, 0, 0.0, 0, 0},
      {"all-pass filter allowed", Motion(1, 20, 100, 40, true), false, 769, 78, 1981, 0.0, 240, 120},
      {"all-pass music filter refused", Motion(0, 21, 100, 0, true), true, 669, 78, 0, 0.0, 0, 0},
  };
  for (const Case& c : cases) {
    const DragStep s = DragPointStep(g, c.motion);
    EXPECT_EQ(s.refused, c.refused) << c.what;
    EXPECT_EQ(s.left, c.left) << c.what;
    EXPECT_EQ(s.top, c.top) << c.what;
    if (c.refused) continue;
    EXPECT_EQ(s.frequencyHz, c.hz) << c.what;
    EXPECT_NEAR(s.gainDb, c.db, 1e-9) << c.what;
    EXPECT_EQ(s.freqIndex, c.freqIndex) << c.what;
    EXPECT_EQ(s.gainWord, c.gainWord) << c.what;
  }
}

TEST(DragRules, SmallMotionWritesNothing) {
  const GraphGeometry g;
  DragWords words;
  const DragStep start = DragPointStep(g, Motion(0, 0, 0, 0));
  words.pendingFreq = start.freqIndex;
  words.pendingGain = start.gainWord;
  EXPECT_EQ(TakeDragWords(words, true), DragApply::FreqThenGain);
  const DragStep nudged = DragPointStep(g, Motion(0, 0, 1, 0));
  words.pendingFreq = nudged.freqIndex;
  words.pendingGain = nudged.gainWord;
  EXPECT_EQ(TakeDragWords(words, true), DragApply::None);
}

TEST(DragRules, SyncHandsOnlyChangedWords) {
  struct Case {
    DragWords before;
    bool hasGain;
    DragApply apply;
  };
  const Case cases[] = {
      {{10, 120, 10, 120}, true, DragApply::None},  {{11, 120, 10, 120}, true, DragApply::Freq},
      {{10, 121, 10, 120}, true, DragApply::Gain},  {{11, 121, 10, 120}, true, DragApply::FreqThenGain},
      {{11, 121, 10, 120}, false, DragApply::Freq}, {{10, 121, 10, 120}, false, DragApply::None},
  };
  for (const Case& c : cases) {
    DragWords w = c.before;
    EXPECT_EQ(TakeDragWords(w, c.hasGain), c.apply);
    EXPECT_EQ(w.appliedFreq, c.before.pendingFreq);
    EXPECT_EQ(w.appliedGain, c.before.pendingGain);
  }
}

TEST(QGesture, StepsEveryThreePixels) {
  EXPECT_EQ(QGestureStep(100, 102), 0);
  EXPECT_EQ(QGestureStep(100, 103), 1);
  EXPECT_EQ(QGestureStep(100, 98), 0);
  EXPECT_EQ(QGestureStep(100, 97), -1);
  // Ten motions of one pixel to the right raise the Q by three entries.
  int anchor = 0, steps = 0;
  for (int x = 1; x <= 10; ++x) {
    if (const int s = QGestureStep(anchor, x)) {
      steps += s;
      anchor = x;
    }
  }
  EXPECT_EQ(steps, 3);
  EXPECT_TRUE(QGesturePoint(0));
  EXPECT_TRUE(QGesturePoint(14));
  EXPECT_FALSE(QGesturePoint(15));
  EXPECT_FALSE(QGesturePoint(-1));
}

}  // namespace
}  // namespace morvelin
