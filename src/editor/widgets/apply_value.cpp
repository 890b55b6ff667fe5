// ApplyValue: the rules worked out by ApplyValueRules, applied to the form's widgets.

#include "editor/apply_value_rules.h"
#include "editor/display_kinds.h"
#include "editor/widgets/controls/combo_box.h"
#include "editor/widgets/controls/track_bar.h"
#include "editor/widgets/editor_binding.h"

namespace morvelin {

void EditorBinding::ApplyValue(Control* control, int step, bool displayOnly, double value) {
  if (!control) return;
  ValueTarget target;
  switch (control->Class()) {
    case ControlClass::Edit:
      target = ValueTarget::Edit;
      break;
    case ControlClass::StatusPane:
      target = ValueTarget::Pane;
      break;
    case ControlClass::ComboBox:
      if (control->Hint().isEmpty()) return;
      target = ValueTarget::List;
      break;
    default:
      return;
  }
  const int kind = KindFromHint(control->Hint().toStdString()).value_or(0);
  const ValueContext context = ValueContextFor(store_, control->Tag(), state_.PageBlock, flags_.Refreshing);
  const AppliedValue r = ApplyValueRules(target, kind, step, displayOnly, value, context);
  if (!r.applies) return;

  if (r.text) control->SetCaption(QString::fromStdString(*r.text));
  if (r.listIndex)
    if (auto* list = dynamic_cast<ComboBox*>(control)) list->SetItemIndex(*r.listIndex);
  if (r.focusesValueControl)
    if (Control* v = registry_.ValueControl(r.address)) flags_.CurrentEdit = v;
  if (r.highlightGroup) SwitchState(control, *r.highlightGroup);

  auto* slider = dynamic_cast<TrackBar*>(registry_.ValueControl(r.address));
  if (!slider) slider = dynamic_cast<TrackBar*>(registry_.AuxControl(r.address, 0));
  if (slider) {
    const bool was = flags_.ProgrammaticMove;
    flags_.ProgrammaticMove = true;
    slider->SetPosition(r.sliderPosition);
    flags_.ProgrammaticMove = was;
  }

  WriteAppliedValue(store_, r);
  if (r.recordsLastEdit) flags_.LastEdit = EditRecord{r.address, r.n};
}

}  // namespace morvelin
