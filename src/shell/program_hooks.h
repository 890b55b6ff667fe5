#pragma once
// The window hooks of the program: the main window's own hooks (binding, band editing, graph)
// plus the start-up steps of the preset groups, the backup folders and the backup list.

#include "shell/access_control.h"
#include "shell/graph_window_hooks.h"
#include "shell/preset_wiring.h"

namespace morvelin {

class ProgramWindowHooks : public GraphWindowHooks {
 public:
  // Set once the preset groups exist (after the link); until then their steps are skipped.
  void SetPresets(PresetWiring* presets) { presets_ = presets; }
  void SetAccess(AccessControl* access) { access_ = access; }

  void EnsureFolders() override {
    GraphWindowHooks::EnsureFolders();
    if (presets_) presets_->EnsureFolders();
  }
  void RefreshBackupList() override {
    GraphWindowHooks::RefreshBackupList();
    if (presets_) presets_->RefreshBackupList();
  }

  void RefreshPage(int block) override {
    GraphWindowHooks::RefreshPage(block);
    if (access_) access_->ShowPasswordNotes();
  }

 private:
  PresetWiring* presets_ = nullptr;
  AccessControl* access_ = nullptr;
};

}  // namespace morvelin
