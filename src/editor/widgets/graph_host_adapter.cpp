#include "editor/widgets/graph_host_adapter.h"

#include "editor/widgets/controls/text_controls.h"
#include "editor/widgets/editor_binding.h"

namespace morvelin {

namespace {

// Graph groups whose band selection the editor tracks (music .. hidden page).
constexpr int kLastTrackedGroup = kGroupHidden;
constexpr int kNoSelection = 100;

QWidget* WidgetOf(Control* control) {
  return control ? control->Widget() : nullptr;
}

}  // namespace

const ParamStore& EditorGraphHost::Store() const {
  return b_.Store();
}

int EditorGraphHost::PageAddress() const {
  return b_.State().PageAddress;
}

int EditorGraphHost::PageBlock() const {
  return b_.State().PageBlock;
}

int EditorGraphHost::AutoManual() const {
  return b_.State().AutoManual;
}

bool EditorGraphHost::Refreshing() const {
  return b_.Flags().Refreshing;
}

bool EditorGraphHost::StartupDone() const {
  return b_.State().StartupDone;
}

EditRecord EditorGraphHost::LastEdit() const {
  return b_.Flags().LastEdit;
}

int EditorGraphHost::SelectedBand(int curveGroup) const {
  // The dynamic EQ's graph (and a page without a graph) keeps no selection.
  if (curveGroup < 0 || curveGroup > kLastTrackedGroup) return kNoSelection;
  return b_.Flags().SelectedBand[static_cast<std::size_t>(curveGroup)];
}

QWidget* EditorGraphHost::ValueControl(int address) const {
  return WidgetOf(b_.Registry().ValueControl(address));
}

QWidget* EditorGraphHost::ReadoutControl(int address) const {
  return WidgetOf(b_.Registry().ReadoutControl(address));
}

bool EditorGraphHost::IsEdit(const QWidget* control) const {
  return dynamic_cast<const Edit*>(control) != nullptr;
}

bool EditorGraphHost::CanFocus(const QWidget* control) const {
  return control && control->isVisible() && control->isEnabled();
}

void EditorGraphHost::ApplyValue(QWidget* control, int step, int displayOnly, double value) {
  if (Control* c = AsControl(control)) b_.ApplyValue(c, step, displayOnly != 0, value);
}

void EditorGraphHost::MusFreEdit1Click(QWidget* edit) {
  if (auto* e = dynamic_cast<Edit*>(edit)) b_.Handlers().MusFreEdit1Click(*e);
}

void EditorGraphHost::CommitEdit(int step) {
  b_.Handlers().CommitEdit(step);
}

}  // namespace morvelin
