#pragma once
// The window hooks of the program: the steps of the main window's start-up and refresh that
// the parts built on the window carry out (here the backup folders and the backup list).

#include "shell/preset_wiring.h"
#include "shell/window_hooks.h"

namespace morvelin {

class ProgramWindowHooks : public WindowHooks {
 public:
  // Set once the preset groups exist (after the link); until then their steps are skipped.
  void SetPresets(PresetWiring* presets) { presets_ = presets; }

  void EnsureFolders() override {
    if (presets_) presets_->EnsureFolders();
  }
  void RefreshBackupList() override {
    if (presets_) presets_->RefreshBackupList();
  }

 private:
  PresetWiring* presets_ = nullptr;
};

}  // namespace morvelin
