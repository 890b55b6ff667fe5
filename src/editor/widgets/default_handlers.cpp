#include "editor/widgets/default_handlers.h"

#include <QWidget>

#include "editor/apply_value_rules.h"
#include "editor/display_kinds.h"
#include "editor/typed_value.h"
#include "editor/widgets/controls/bmp_button.h"
#include "editor/widgets/controls/combo_box.h"
#include "editor/widgets/controls/containers.h"
#include "editor/widgets/controls/spin_buttons.h"
#include "editor/widgets/controls/text_controls.h"
#include "editor/widgets/controls/track_bar.h"
#include "editor/widgets/editor_binding.h"
#include "params/mode_words.h"

namespace morvelin {

namespace {

std::optional<int> KindOf(const Control& c) {
  return KindFromHint(c.Hint().toStdString());
}

}  // namespace

void DefaultEditorHandlers::EchoEffPhaseBtnClick(BmpButton& button) {
  b_.Store().SetParam(button.Tag(), b_.SwitchState(&button, kOpPhase));
}

void DefaultEditorHandlers::MainLmuteBtnClick(BmpButton& button) {
  b_.Store().SetParam(button.Tag(), b_.SwitchState(&button, kOpToggle));
}

void DefaultEditorHandlers::MusModeBox1Change(ComboBox& list) {
  const int index = list.ItemIndex();
  if (index < 0) return;
  const int address = list.Tag();
  const ControlRegistry& reg = b_.Registry();
  Control* slot0 = reg.AuxControl(address, 0);
  TypeAux aux = TypeAux::None;
  if (dynamic_cast<BmpButton*>(slot0)) aux = TypeAux::DeqTypeButton;
  if (dynamic_cast<Label*>(slot0)) aux = TypeAux::BandTypeLabel;
  const TypeChoice choice = TypeChoiceOf(index, aux);
  if (choice.switchOp)
    if (Control* c = reg.AuxControl(address, choice.value)) b_.SwitchState(c, *choice.switchOp);
  if (b_.Store().SendSuppressed) return;
  b_.Store().SetParam(address, choice.value);
  if (aux == TypeAux::BandTypeLabel) {
    const int q = QAddressForType(address, choice.value);
    if (Control* edit = reg.ValueControl(q)) {
      b_.Flags().CurrentEdit = edit;
      b_.ApplyValue(edit, StepNone, true, b_.Store().View(q));
    }
  }
  b_.Flags().LastEdit = EditRecord{address, choice.value};
}

void DefaultEditorHandlers::AutoModeBtnClick(BmpButton& button) {
  const int v = b_.SwitchState(&button, kOpAutoManual);
  b_.Store().SetParam(kAutoManualWord, v);
  b_.State().AutoManual = v;
}

void DefaultEditorHandlers::SysMusInputLevelClick(BmpButton& button) {
  b_.Store().SetParam(button.Tag(), b_.SwitchState(&button, kOpSystemPair));
}

void DefaultEditorHandlers::EchoFormBtnClick(BmpButton& button) {
  EditorState& s = b_.State();
  const ControlRegistry& reg = b_.Registry();
  if (std::find(reg.FormButtons.begin(), reg.FormButtons.end(), &button) != reg.FormButtons.end()) {
    s.EchoForm = b_.SwitchState(&button, kOpEchoForm);
    b_.Store().SetParam(kEchoFormWord, s.EchoForm);
  } else {
    s.EffectEQSel = b_.SwitchState(&button, kOpEffectEq);
  }
  const int tool = s.EffectEQSel == 0 ? 0 : s.EchoForm == 0 ? 1 : 2;
  if (tool < static_cast<int>(reg.ToolButtons.size()))
    if (auto* t = dynamic_cast<BmpButton*>(reg.ToolButtons[static_cast<std::size_t>(tool)]))
      b_.Handlers().EchoAToolButtonClick(*t);
  if (!reg.TabButtons.empty() && reg.TabButtons.size() > 4) b_.SwitchState(reg.TabButtons[4], kOpTab);
}

void DefaultEditorHandlers::EchoAToolButtonClick(BmpButton& button) {
  const ControlRegistry& reg = b_.Registry();
  const auto it = std::find(reg.ToolButtons.begin(), reg.ToolButtons.end(), &button);
  if (it == reg.ToolButtons.end()) return;
  const int tool = static_cast<int>(it - reg.ToolButtons.begin());
  EditorState& s = b_.State();
  b_.SwitchState(&button, kOpEffectTool);
  s.EffectTool = tool;
  if (auto* sheets = b_.Components().Get(handle::EffPageControl))
    sheets->SetActivePageIndex(tool == 2 ? 1 : 0);
  s.PageBlock = tool == 2 ? 5 : 4;
  s.PageAddress = MakeAddress(s.PageBlock, kGroupEffect);
  b_.RefreshPage(s.PageBlock);
  b_.Session().RedrawCurves(s.PageBlock);
}

void DefaultEditorHandlers::MusEQGainBar1Change(TrackBar& slider) {
  // ApplyValue's own slider moves are not the user's touch: neither highlight nor apply.
  BindingState& f = b_.Flags();
  if (f.ProgrammaticMove) return;
  if (f.HighlightedGainBar != &slider) {
    if (auto* old = dynamic_cast<TrackBar*>(f.HighlightedGainBar)) old->SetHighlighted(false);
    slider.SetHighlighted(true);
    f.HighlightedGainBar = &slider;
  }
  if (Control* edit = b_.Registry().ValueControl(slider.Tag()); edit && edit->Class() == ControlClass::Edit) {
    f.CurrentEdit = edit;
    b_.ApplyValue(edit, StepNone, false, slider.Position());
  }
}

void DefaultEditorHandlers::MusEQTrackBar1Change(TrackBar& slider) {
  if (b_.Flags().ProgrammaticMove) return;
  if (Control* edit = b_.Registry().ValueControl(slider.Tag()); edit && edit->Class() == ControlClass::Edit) {
    b_.Flags().CurrentEdit = edit;
    b_.ApplyValue(edit, StepNone, false, slider.Position());
  }
}

void DefaultEditorHandlers::MusFreEdit1Click(Edit& edit) {
  if (b_.Registry().ValueControl(edit.Tag()) != &edit) return;
  BindingState& f = b_.Flags();
  f.CurrentEdit = &edit;
  const int kind = KindOf(edit).value_or(0);
  auto* bar = dynamic_cast<TrackBar*>(b_.Registry().AuxControl(GainAddressForEdit(kind, edit.Tag()), 0));
  if (bar && bar != f.HighlightedGainBar) {
    if (auto* old = dynamic_cast<TrackBar*>(f.HighlightedGainBar)) old->SetHighlighted(false);
    bar->SetHighlighted(true);
    f.HighlightedGainBar = bar;
  }
  savedText_ = edit.text();
  ParamStore& store = b_.Store();
  const bool was = store.SendSuppressed;
  store.SendSuppressed = true;
  CommitEdit(StepNone);
  store.SendSuppressed = was;
}

void DefaultEditorHandlers::MusFreEdit1Exit(Edit& edit) {
  if (edit.text().isEmpty()) {
    edit.setText(savedText_);
    return;
  }
  if (!edit.isModified()) return;
  b_.Flags().CurrentEdit = &edit;
  b_.Handlers().CommitEdit(StepNone);
  edit.setModified(false);
}

void DefaultEditorHandlers::MusFreEdit1Enter(Edit& edit) {
  MusFreEdit1Exit(edit);
}

void DefaultEditorHandlers::CommitEdit(int step) {
  Control* c = b_.Flags().CurrentEdit;
  if (!c || c == b_.Example() || c->Class() != ControlClass::Edit) return;
  const CommitDecision d = DecideCommit(false, c->Caption().toStdString(), KindOf(*c));
  if (d.outcome != CommitOutcome::Apply) {
    c->SetCaption(savedText_);
    return;
  }
  b_.ApplyValue(c, step, false, d.value);
  savedText_ = c->Caption();
}

void DefaultEditorHandlers::Spin(SpinButtons& spin, bool upRight) {
  Control* target = b_.Registry().ValueControl(spin.Tag());
  const bool servesEdit = target && target->Class() == ControlClass::Edit;
  const SpinAction a = SpinButtonAction(upRight, servesEdit);
  if (servesEdit) {
    // The edit being left commits itself on losing the focus, before this one becomes current.
    target->Widget()->setFocus();
    b_.Flags().CurrentEdit = target;
    b_.Handlers().CommitEdit(a.step);
  } else if (auto* bar = dynamic_cast<TrackBar*>(target)) {
    bar->SetPosition(bar->Position() + a.sliderDelta);
  }
}

void DefaultEditorHandlers::MusFreUpDownBtn1UpRightClick(SpinButtons& spin) {
  Spin(spin, true);
}

void DefaultEditorHandlers::MusFreUpDownBtn1DownLeftClick(SpinButtons& spin) {
  Spin(spin, false);
}

void DefaultEditorHandlers::MusPEQtn1Click(Control& label) {
  if (auto* list = dynamic_cast<ComboBox*>(b_.Registry().ValueControl(label.Tag()))) {
    list->SetItemIndex(label.Hint().toInt());
    b_.Handlers().MusModeBox1Change(*list);
  }
}

void DefaultEditorHandlers::DEQTYpeOffBtn1Click(BmpButton& button) {
  const int address = b_.Registry().AddressOf(&button);
  if (auto* list = dynamic_cast<ComboBox*>(b_.Registry().ValueControl(address))) {
    list->SetItemIndex(button.Tag());
    b_.Handlers().MusModeBox1Change(*list);
  }
}

void DefaultEditorHandlers::MusEQAllpassBtnClick(BmpButton& button) {
  const int v = b_.SwitchState(&button, kOpToggleCaption);
  const int block = b_.State().PageBlock;
  if (block >= 0 && block < kBlockCount) b_.Flags().AllPassState[static_cast<std::size_t>(block)] = v;
  b_.Store().SetParam(button.Tag(), v);
  FormComponents& c = b_.Components();
  if (QWidget* label = c.Widget(handle::EQPassLabel)) label->setVisible(v != 0);
  QWidget* group = c.Widget(handle::EQPassGrop);
  if (QWidget* reset = c.Widget(handle::EQResetBtn))
    reset->setEnabled(v == 0 && (!group || group->isEnabled()));
}

void DefaultEditorHandlers::MainHPTypeBoxChange(ComboBox& list) {
  b_.Store().SetParam(list.Tag(), list.ItemIndex());
  b_.Session().RedrawCurves(b_.State().PageBlock);
}

void DefaultEditorHandlers::SysInputBoxChange(ComboBox& list) {
  b_.Store().SetParam(list.Tag(), list.ItemIndex());
}

void DefaultEditorHandlers::SysMusNormalVolBarChange(TrackBar& slider) {
  QString pane = slider.objectName();
  pane.replace("Bar", "Pane");
  if (Control* p = b_.Components().Find(pane)) p->SetCaption(QString::number(slider.Position()));
  b_.Store().SetParam(slider.Tag(), slider.Position());
}

}  // namespace morvelin
