#pragma once
// The binding of the form's controls to the parameter words: the registry, the single path from
// a value to a control and the unit (ApplyValue), the button groups (SwitchState), the refresh of
// the pages from the store (RefreshPage), and the generic slider path. One object, a feature of
// the editor session: it serves the session's refresh requests and its registry start-up step,
// and announces each refresh's steps back through the session.
//
// Band editing and the switches plug in through SetHandlers (the click/change handlers,
// EditorHandlers); derive from DefaultEditorHandlers to replace only some of them.

#include <QObject>
#include <memory>

#include "editor/apply_value_rules.h"
#include "editor/editor_session.h"
#include "editor/editor_state.h"
#include "editor/widgets/binding_state.h"
#include "editor/widgets/control_registry.h"
#include "editor/widgets/editor_handlers.h"
#include "editor/widgets/form_components.h"
#include "editor/widgets/tab_switch.h"
#include "params/param_store.h"

namespace morvelin {

class BmpButton;
class ComboBox;
class Edit;
class TrackBar;

// SwitchState ops that are not 0..7 (the band-edit highlight, op = the edit's curve group).
enum SwitchOp : int {
  kOpTab = 10,
  kOpToggle = 11,
  kOpToggleCaption = 12,
  kOpPhase = 14,
  kOpAutoManual = 16,
  kOpScene = 17,
  kOpSystemPair = 18,
  kOpPair = 19,
  kOpLink = 20,
  kOpBandTypeLabel = 21,
  kOpDeqType = 23,
  kOpEffectTool = 24,
  kOpHiddenPage = 25,
  kOpEchoForm = 26,
  kOpEffectEq = 27,
};

class EditorBinding {
 public:
  EditorBinding(FormComponents& components, EditorSession& session, TabSwitch& tabs);
  ~EditorBinding();
  EditorBinding(const EditorBinding&) = delete;
  EditorBinding& operator=(const EditorBinding&) = delete;

  // Wires every bound slider, edit, list, spin and button of the form to its handler; once
  // (the constructor does it).
  void Connect();

  // Fills the registry, tags, hints, slider looks and the low-pass presets; idempotent.
  void BuildRegistry();

  // The single path from a number to a control and, unless displayOnly, to the unit.
  // `control`: an edit, a text pane or a band-type list; step StepNone/StepUp/StepDown.
  void ApplyValue(Control* control, int step, bool displayOnly, double value);

  // Shows a button group's new state and returns the value it stands for; ops 0..7 highlight
  // a band edit instead (op = its curve group).
  int SwitchState(Control* control, int op);

  // Shows ViewImage on every control of a view block (100: all of them); sends nothing.
  void RefreshPage(int block);

  // The generic slider path of the value sliders with a readout pane.
  void MicHPFreBarChange(TrackBar& slider);

  // The store's RefreshView rebind: right-channel delay and mute tags follow the output pair.
  void RebindRightChannel();

  void SetHandlers(EditorHandlers* handlers);  // nullptr: the defaults again
  EditorHandlers& Handlers() { return *handlers_; }

  ControlRegistry& Registry() { return registry_; }
  const ControlRegistry& Registry() const { return registry_; }
  BindingState& Flags() { return flags_; }
  const BindingState& Flags() const { return flags_; }
  FormComponents& Components() { return comps_; }
  EditorSession& Session() { return session_; }
  ParamStore& Store() { return store_; }
  EditorState& State() { return state_; }
  TabSwitch& Tabs() { return tabs_; }

  // The hidden stand-ins.
  Control* Example() const { return example_; }
  Control* ExampleBar() const { return exampleBar_; }

 private:
  void ShowSliderValue(TrackBar& slider, int value);
  void RefreshWord(int address);
  bool ClickEffectTool(int tool);
  void ResetHighlightedGainBar();

  FormComponents& comps_;
  EditorSession& session_;
  ParamStore& store_;
  EditorState& state_;
  TabSwitch& tabs_;
  ControlRegistry registry_;
  BindingState flags_;
  Control* example_ = nullptr;
  Control* exampleBar_ = nullptr;
  std::unique_ptr<EditorHandlers> defaultHandlers_;
  EditorHandlers* handlers_ = nullptr;
  bool connected_ = false;
  // Context of the form and session connections: they end with the binding, before the
  // widgets go.
  QObject context_;
};

}  // namespace morvelin
