#pragma once
// What the main window's start-up and handlers ask of the parts built on top of the window
// (binding, band editing, switches, graphs, backups, access control). The defaults keep the
// window working on its own.

#include "editor/page_hooks.h"

namespace morvelin {

class FormComponents;
class TrackBar;

class WindowHooks : public PageHooks {
 public:
  // FormCreate: hand the graph image and panels to the graph code, set up the audio capture.
  virtual void FormCreate(FormComponents& /*components*/) {}
  // FormShow, in this order around the window's own steps.
  virtual void BuildRegistry() {}
  virtual void EnsureFolders() {}
  virtual void RefreshBackupList() {}
  // The 10 ms graph timer.
  virtual void Timer1Timer() {}
  // SysMusNormalVolBarChange for the nine system volume sliders. Return false to let the window
  // apply the plain rule (the pane shows the position, the word is stored and sent).
  virtual bool SysMusNormalVolBarChange(TrackBar& /*slider*/) { return false; }
};

}  // namespace morvelin
