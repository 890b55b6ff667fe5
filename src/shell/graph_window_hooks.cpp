#include "shell/graph_window_hooks.h"

namespace morvelin {

GraphWindowHooks::GraphWindowHooks() = default;

GraphWindowHooks::~GraphWindowHooks() = default;

void GraphWindowHooks::FormCreate(FormComponents& components) {
  BindingWindowHooks::FormCreate(components);
  wiring_.FormCreate(components);
}

void GraphWindowHooks::Timer1Timer() {
  BindingWindowHooks::Timer1Timer();
  wiring_.Timer1Timer();
}

void GraphWindowHooks::RedrawCurves(int block) {
  BindingWindowHooks::RedrawCurves(block);
  wiring_.RedrawCurves(block);
}

void GraphWindowHooks::RedrawCurve(int selection, int block) {
  BindingWindowHooks::RedrawCurve(selection, block);
  wiring_.RedrawCurve(selection, block);
}

void GraphWindowHooks::CurveColorChanged(const QColor& color) {
  BindingWindowHooks::CurveColorChanged(color);
  wiring_.CurveColorChanged(color);
}

}  // namespace morvelin
