#include "editor/graph_host_adapter.h"

#include "editor/binding_window_hooks.h"
#include "editor/controls/text_controls.h"
#include "editor/editor_binding.h"

namespace morvelin {

namespace {

// Graph groups whose band selection the editor tracks (music .. hidden page).
constexpr int kLastTrackedGroup = kGroupHidden;
constexpr int kNoSelection = 100;

QWidget* WidgetOf(Control* control) {
  return control ? control->Widget() : nullptr;
}

}  // namespace

EditorBinding* EditorGraphHost::Binding() const {
  return hooks_.Binding();
}

const ParamStore& EditorGraphHost::Store() const {
  EditorBinding* b = Binding();
  return b ? b->Store() : emptyStore_;
}

int EditorGraphHost::PageAddress() const {
  EditorBinding* b = Binding();
  return b ? b->State().PageAddress : 0;
}

int EditorGraphHost::PageBlock() const {
  EditorBinding* b = Binding();
  return b ? b->State().PageBlock : 0;
}

int EditorGraphHost::AutoManual() const {
  EditorBinding* b = Binding();
  return b ? b->State().AutoManual : 1;
}

bool EditorGraphHost::Refreshing() const {
  EditorBinding* b = Binding();
  return b && b->Flags().Refreshing;
}

bool EditorGraphHost::StartupDone() const {
  EditorBinding* b = Binding();
  return b && b->State().StartupDone;
}

EditRecord EditorGraphHost::LastEdit() const {
  EditorBinding* b = Binding();
  return b ? b->Flags().LastEdit : EditRecord{};
}

int EditorGraphHost::SelectedBand(int curveGroup) const {
  EditorBinding* b = Binding();
  // The dynamic EQ's graph (and a page without a graph) keeps no selection.
  if (!b || curveGroup < 0 || curveGroup > kLastTrackedGroup) return kNoSelection;
  return b->Flags().SelectedBand[static_cast<std::size_t>(curveGroup)];
}

QWidget* EditorGraphHost::ValueControl(int address) const {
  EditorBinding* b = Binding();
  return b ? WidgetOf(b->Registry().ValueControl(address)) : nullptr;
}

QWidget* EditorGraphHost::ReadoutControl(int address) const {
  EditorBinding* b = Binding();
  return b ? WidgetOf(b->Registry().ReadoutControl(address)) : nullptr;
}

bool EditorGraphHost::IsEdit(const QWidget* control) const {
  return dynamic_cast<const Edit*>(control) != nullptr;
}

bool EditorGraphHost::CanFocus(const QWidget* control) const {
  return control && control->isVisible() && control->isEnabled();
}

void EditorGraphHost::ApplyValue(QWidget* control, int step, int displayOnly, double value) {
  EditorBinding* b = Binding();
  if (!b) return;
  if (Control* c = AsControl(control)) b->ApplyValue(c, step, displayOnly != 0, value);
}

void EditorGraphHost::MusFreEdit1Click(QWidget* edit) {
  EditorBinding* b = Binding();
  if (!b) return;
  if (auto* e = dynamic_cast<Edit*>(edit)) b->Handlers().MusFreEdit1Click(*e);
}

void EditorGraphHost::CommitEdit(int step) {
  EditorBinding* b = Binding();
  if (b) b->Handlers().CommitEdit(step);
}

}  // namespace morvelin
