#include "editor/binding_window_hooks.h"

#include "editor/controls/bmp_button.h"
#include "editor/controls/track_bar.h"

namespace morvelin {

void BindingWindowHooks::BuildRegistry() {
  if (binding_) binding_->BuildRegistry();
}

void BindingWindowHooks::RefreshPage(int block) {
  if (binding_) binding_->RefreshPage(block);
}

bool BindingWindowHooks::ClickEffectTool(int tool) {
  if (!binding_) return false;
  const auto& tools = binding_->Registry().ToolButtons;
  if (tool < 0 || tool >= static_cast<int>(tools.size())) return false;
  auto* button = dynamic_cast<BmpButton*>(tools[static_cast<std::size_t>(tool)]);
  if (!button) return false;
  binding_->Handlers().EchoAToolButtonClick(*button);
  return true;
}

void BindingWindowHooks::ResetHighlightedGainBar() {
  if (!binding_) return;
  BindingState& f = binding_->Flags();
  if (auto* bar = dynamic_cast<TrackBar*>(f.HighlightedGainBar)) bar->SetHighlighted(false);
  f.HighlightedGainBar = binding_->ExampleBar();
}

}  // namespace morvelin
