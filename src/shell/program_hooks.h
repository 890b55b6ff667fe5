#pragma once
// The window hooks of the program: the steps of the main window's start-up and refresh that
// the parts built on the window carry out: the binding's (registry, page refresh), and the
// backup folders and the backup list of the preset groups.

#include "editor/binding_window_hooks.h"
#include "shell/preset_wiring.h"

namespace morvelin {

class ProgramWindowHooks : public BindingWindowHooks {
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
