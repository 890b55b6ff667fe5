#pragma once
// The window hooks with the response graph: the binding's hooks plus the graph built in
// FormCreate, its 10 ms tick, the curve redraws and the curve colour.

#include <memory>

#include "editor/binding_window_hooks.h"
#include "editor/graph_host_adapter.h"
#include "shell/graph_wiring.h"

namespace morvelin {

class GraphWindowHooks : public BindingWindowHooks {
 public:
  GraphWindowHooks();
  ~GraphWindowHooks() override;

  EditorGraphHost& Host() { return host_; }
  GraphWiring& Wiring() { return wiring_; }

  void FormCreate(FormComponents& components) override;
  void Timer1Timer() override;
  void RedrawCurves(int block) override;
  void RedrawCurve(int selection, int block) override;
  void CurveColorChanged(const QColor& color) override;

 private:
  EditorGraphHost host_{*this};
  GraphWiring wiring_{host_};
};

}  // namespace morvelin
