#pragma once
// The rules of dragging band points on the response graph, as pure functions: which points a
// page lets move and how, the limits of a dragged point, the words it stands for, and the
// right-button Q gesture.

#include <array>

#include "graphs/curve_points.h"
#include "graphs/graph_geometry.h"

namespace morvelin {

// Page indexes of the editor that have drag rules of their own.
inline constexpr int kMusicPageIndex = 0;
inline constexpr int kMicPageIndex = 1;
inline constexpr int kEffectPageIndex = 2;
inline constexpr int kOutputPageIndex = 3;
inline constexpr int kHiddenPageIndex = 4;
inline constexpr int kDeqPageIndex = 8;

inline constexpr int kAutoMode = 0;  // AutoManual value of the output page's Auto mode

enum class DragAxes { Both, HorizontalOnly, None };

// Points lastBoth+1 .. 21 move as `rest`; points 0 .. lastRefused are refused while the page's
// equaliser is in all-pass.
struct PageDragRule {
  int page;
  int lastBoth;
  DragAxes rest;
  int lastRefused;
};

inline constexpr std::array<PageDragRule, 6> kPageDragRules{{
    {kMusicPageIndex, 14, DragAxes::HorizontalOnly, 21},
    {kMicPageIndex, 19, DragAxes::HorizontalOnly, 19},
    {kEffectPageIndex, 6, DragAxes::HorizontalOnly, 6},
    {kOutputPageIndex, 9, DragAxes::HorizontalOnly, 9},
    {kHiddenPageIndex, 4, DragAxes::None, 4},
    {kDeqPageIndex, 2, DragAxes::None, 2},
}};

DragAxes PointDragAxes(int page, int point);
bool DragRefusedInAllPass(int page, int point);

// Output equalisers are neither dragged nor selected from the graph in Auto mode.
bool PointPressAllowed(int page, int autoManual);

// Highest and lowest values a drag hands to the editor.
inline constexpr double kDragMinHz = 19.5;
inline constexpr int kDragMaxHz = 20600;
inline constexpr double kDragMaxDb = 12.0;
inline constexpr double kDragMinDb = -24.0;
inline constexpr double kDeqDragMinDb = -12.0;

struct DragMotion {
  int page;
  int point;
  bool allPass;   // the page's equaliser is switched to all-pass
  int left, top;  // the point's place before the motion (within the image)
  int dx, dy;     // pointer position minus the drag anchor
  int pointSize = kPointSize;
};

struct DragStep {
  bool refused;   // nothing changes for this motion
  int left, top;  // the point's new place
  int frequencyHz;
  double gainDb;
  int freqIndex;  // PendingFreqIndex
  int gainWord;   // PendingGainIndex
};

// One pointer motion of a dragged point.
DragStep DragPointStep(const GraphGeometry& geometry, const DragMotion& motion);

// Right-button Q gesture: more than 2 pixels right of the anchor steps the Q up (+1), more
// than 2 pixels left steps it down (-1), smaller motions do nothing (0).
inline constexpr int kQStepPixels = 2;
int QGestureStep(int anchorX, int x);
// Band points whose Q the gesture steps: 0..kLastQGesturePoint.
inline constexpr int kLastQGesturePoint = 14;
bool QGesturePoint(int point);

// Words of a drag waiting for the editor, and the ones last handed to it.
struct DragWords {
  int pendingFreq = 0, pendingGain = 0;
  int appliedFreq = 0, appliedGain = 0;
};

enum class DragApply { None, Freq, Gain, FreqThenGain };

// What the periodic sync hands to the editor, marking those words applied. A filter point
// has no gain control, so only its frequency goes.
DragApply TakeDragWords(DragWords& words, bool hasGainControl);

}  // namespace morvelin
