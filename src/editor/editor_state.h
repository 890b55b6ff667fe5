#pragma once
// The editor's single-instance state that the page switch reads and writes. Later parts of the
// editor (binding, band editing, switches, refresh) add their own fields here.

#include <QColor>

#include "presets/preset_view.h"

namespace morvelin {

// UiLanguage (1 Chinese, 0 English) and StartupDone come from UiFlags, which the preset groups read.
struct EditorState : UiFlags {
  int FirstCheckState = 0;  // 0 search started, 1 link came up, 2 panel lock applied

  int CurrentTab = 0;
  int PageAddress = 0;  // high byte: view block of the page shown; low byte: its curve group
  int PageBlock = 0;

  // Pair selections: 0 left, 1 linked, 2 right.
  int MicChannelSel = 0;
  int MainChannelSel = 0;
  int SurChannelSel = 0;
  int AutoManual = 1;   // 0 Auto, 1 Manual
  int EchoForm = 1;     // 0 Echo+Echo, 1 Echo+Rvb
  int EffectEQSel = 1;  // 0 Echo A EQ, 1 the second effect's EQ
  int EffectTool = 0;   // 0 Echo A, 1 Echo B, 2 reverb

  QColor CurveColor{0, 255, 0};
};

}  // namespace morvelin
