#pragma once
// The response graph's view of the real editor: the store, the page and mode state, the
// binding's flags and registry, ApplyValue and the band-edit click path. Everything is read
// from the binding at the moment of the call, so handlers installed later take effect at once.

#include "editor/binding_state.h"
#include "graphs/widgets/graph_host.h"
#include "params/edit_selection.h"
#include "params/param_store.h"

namespace morvelin {

class BindingWindowHooks;
class Edit;
class EditorBinding;

class EditorGraphHost : public GraphHost {
 public:
  // The binding is the one the window attaches to `hooks`, looked up at every call.
  explicit EditorGraphHost(const BindingWindowHooks& hooks) : hooks_(hooks) {}
  EditorBinding* Binding() const;

  const ParamStore& Store() const override;
  int PageAddress() const override;
  int PageBlock() const override;
  int AutoManual() const override;
  bool Refreshing() const override;
  bool StartupDone() const override;
  EditRecord LastEdit() const override;
  int SelectedBand(int curveGroup) const override;

  QWidget* ValueControl(int address) const override;
  QWidget* ReadoutControl(int address) const override;
  bool IsEdit(const QWidget* control) const override;
  bool CanFocus(const QWidget* control) const override;

  void ApplyValue(QWidget* control, int step, int displayOnly, double value) override;
  void MusFreEdit1Click(QWidget* edit) override;
  void CommitEdit(int step) override;

 private:
  const BindingWindowHooks& hooks_;
  // An empty store stands in until the binding is attached (the window may lay the graph out
  // before its binding exists).
  EditSelection emptySelection_;
  ParamStore emptyStore_{emptySelection_};
};

}  // namespace morvelin
