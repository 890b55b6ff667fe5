#pragma once
// The window hooks that run the editor binding: the registry at start-up, the page refresh,
// the effect tool click and the gain-slider highlight. The main window uses these when it is
// given no hooks of its own and attaches its binding; parts built on top derive from it and
// pass an instance to the window (override, then call the base for what they do not replace).

#include "editor/editor_binding.h"
#include "shell/window_hooks.h"

namespace morvelin {

class BindingWindowHooks : public WindowHooks {
 public:
  void Attach(EditorBinding& binding) { binding_ = &binding; }
  EditorBinding* Binding() const { return binding_; }

  void BuildRegistry() override;
  void RefreshPage(int block) override;
  bool ClickEffectTool(int tool) override;
  void ResetHighlightedGainBar() override;

 private:
  EditorBinding* binding_ = nullptr;
};

}  // namespace morvelin
