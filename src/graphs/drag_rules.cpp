#include "graphs/drag_rules.h"

#include <algorithm>

#include "params/scales.h"

namespace morvelin {

namespace {

const PageDragRule* RuleOf(int page) {
  for (const PageDragRule& r : kPageDragRules)
    if (r.page == page) return &r;
  return nullptr;
}

}  // namespace

DragAxes PointDragAxes(int page, int point) {
  const PageDragRule* rule = RuleOf(page);
  if (!rule || point <= rule->lastBoth) return DragAxes::Both;
  return rule->rest;
}

bool DragRefusedInAllPass(int page, int point) {
  const PageDragRule* rule = RuleOf(page);
  return rule && point >= 0 && point <= rule->lastRefused;
}

bool PointPressAllowed(int page, int autoManual) {
  return !(page == kOutputPageIndex && autoManual == kAutoMode);
}

DragStep DragPointStep(const GraphGeometry& g, const DragMotion& m) {
  DragStep s{};
  s.left = m.left;
  s.top = m.top;
  if (m.allPass && DragRefusedInAllPass(m.page, m.point)) {
    s.refused = true;
    return s;
  }
  const DragAxes axes = PointDragAxes(m.page, m.point);
  if (axes != DragAxes::None) s.left += m.dx;
  if (axes == DragAxes::Both) s.top += m.dy;

  // The point's centre stays on the image vertically and at or right of 19.5 Hz.
  const int half = m.pointSize / 2;
  s.top = std::clamp(s.top, -half, std::max(-half, NearestInt(g.Height() - half)));
  s.left = std::max(s.left, NearestInt(g.FreqToX(kDragMinHz)) - half);

  s.frequencyHz = NearestInt(g.XToFreq(s.left + half));
  s.gainDb = g.YToDb(s.top + half);
  if (s.frequencyHz > kDragMaxHz) {
    s.frequencyHz = kDragMaxHz;
    s.left = NearestInt(g.FreqToX(kDragMaxHz) - half);
  }
  s.gainDb = std::clamp(s.gainDb, kDragMinDb, kDragMaxDb);
  if (m.page == kDeqPageIndex && s.gainDb < kDeqDragMinDb) {
    s.gainDb = kDeqDragMinDb;
    s.top = NearestInt(g.DbToY(kDeqDragMinDb) - half);
  }
  s.freqIndex = FreqIndexOf(s.frequencyHz);
  s.gainWord = GainWordOf(s.gainDb);
  return s;
}

int QGestureStep(int anchorX, int x) {
  if (x > anchorX + kQStepPixels) return 1;
  if (x < anchorX - kQStepPixels) return -1;
  return 0;
}

bool QGesturePoint(int point) {
  return point >= 0 && point <= kLastQGesturePoint;
}

DragApply TakeDragWords(DragWords& w, bool hasGainControl) {
  const bool freq = w.pendingFreq != w.appliedFreq;
  const bool gain = w.pendingGain != w.appliedGain;
  w.appliedFreq = w.pendingFreq;
  w.appliedGain = w.pendingGain;
  if (freq && gain) return hasGainControl ? DragApply::FreqThenGain : DragApply::Freq;
  if (freq) return DragApply::Freq;
  if (gain) return hasGainControl ? DragApply::Gain : DragApply::None;
  return DragApply::None;
}

}  // namespace morvelin
