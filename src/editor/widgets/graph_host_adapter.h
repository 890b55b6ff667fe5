#pragma once
// The response graph's view of the real editor: the store, the page and mode state, the
// binding's flags and registry, ApplyValue and the band-edit click path. Everything is read
// from the binding at the moment of the call, so handlers installed later take effect at once.

#include "editor/widgets/binding_state.h"
#include "graphs/widgets/graph_host.h"
#include "params/param_store.h"

namespace morvelin {

class Edit;
class EditorBinding;

class EditorGraphHost : public GraphHost {
 public:
  explicit EditorGraphHost(EditorBinding& binding) : b_(binding) {}

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
  EditorBinding& b_;
};

}  // namespace morvelin
