#include "editor/widgets/band_editing.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWheelEvent>

#include "editor/apply_value_rules.h"
#include "editor/display_kinds.h"
#include "editor/editor_state.h"
#include "editor/page_tables.h"
#include "editor/typed_value.h"
#include "editor/widgets/controls/bmp_button.h"
#include "editor/widgets/controls/combo_box.h"
#include "editor/widgets/controls/desk_style.h"
#include "editor/widgets/controls/spin_buttons.h"
#include "editor/widgets/controls/text_controls.h"
#include "editor/widgets/controls/track_bar.h"
#include "editor/widgets/editor_binding.h"
#include "editor/widgets/form_components.h"
#include "editor/widgets/page_builder.h"
#include "editor/widgets/tab_switch.h"

namespace morvelin {

namespace {

std::optional<ArrowKey> ArrowOf(int key) {
  switch (key) {
    case Qt::Key_Left:
      return ArrowKey::Left;
    case Qt::Key_Up:
      return ArrowKey::Up;
    case Qt::Key_Right:
      return ArrowKey::Right;
    case Qt::Key_Down:
      return ArrowKey::Down;
    default:
      return std::nullopt;
  }
}

bool IsReturn(int key) {
  return key == Qt::Key_Return || key == Qt::Key_Enter;
}

bool IsWithin(QObject* object, const QWidget* window) {
  for (auto* w = qobject_cast<QWidget*>(object); w; w = w->parentWidget())
    if (w == window) return true;
  return false;
}

}  // namespace

BandEditing::BandEditing(FormComponents& components, EditorState& state, EditorBinding& binding,
                         TabSwitch& tabs, std::function<void(const QString&)> notice)
    : comps_(components), state_(state), binding_(binding), tabs_(tabs), notice_(std::move(notice)) {}

void BandEditing::Connect(QWidget* window) {
  window_ = window;
  // The binding wires the edits, sliders, lists, labels and buttons it registers; the titles,
  // the reset button, the keys and the wheel are wired here.
  for (const pages::StripRow& s : pages::StripRows())
    for (int n = 1; n <= s.strips; ++n)
      if (auto* title = comps_.Get<Label>(NumberedName(s.title, n)))
        connect(title, &Label::Clicked, this, [this, title] { MusEQPointLabel1Click(title); });
  if (auto* b = comps_.Get(handle::EQResetBtn))
    connect(b, &BmpButton::Clicked, this, [this] { EQResetBtnClick(); });
  qApp->installEventFilter(this);
}

bool BandEditing::IsRegisteredEdit(const Control* control) const {
  return control && control != binding_.Example() && dynamic_cast<const Edit*>(control) &&
         binding_.Registry().ValueControl(control->Tag()) == control;
}

void BandEditing::CommitEdit(int step) {
  CommitOn(binding_.Flags().CurrentEdit, step);
}

void BandEditing::CommitOn(Control* control, int step) {
  auto* edit = dynamic_cast<Edit*>(control);
  const CommitDecision d =
      DecideCommit(!edit || control == binding_.Example(), edit ? edit->text().toStdString() : std::string{},
                   edit ? KindFromHint(edit->Hint().toStdString()) : std::nullopt);
  switch (d.outcome) {
    case CommitOutcome::Ignore:
      return;
    case CommitOutcome::Restore:
      edit->setText(SavedText);
      return;
    case CommitOutcome::Error:
      if (notice_) notice_(QString::fromUtf8(kNoKindMessage.data(), static_cast<int>(kNoKindMessage.size())));
      edit->setText(SavedText);
      return;
    case CommitOutcome::Apply:
      binding_.ApplyValue(edit, step, 0, d.value);
      SavedText = edit->text();
      return;
  }
}

void BandEditing::HighlightGainBar(TrackBar* bar) {
  BindingState& f = binding_.Flags();
  if (!bar || f.HighlightedGainBar == bar) return;
  if (auto* old = dynamic_cast<TrackBar*>(f.HighlightedGainBar)) old->SetHighlighted(false);
  bar->SetHighlighted(bar != binding_.ExampleBar());
  f.HighlightedGainBar = bar;
}

void BandEditing::MusFreEdit1Click(Control* control) {
  auto* edit = dynamic_cast<Edit*>(control);
  if (!edit || !IsRegisteredEdit(edit)) return;
  WheelTarget = true;
  const auto kind = KindFromHint(edit->Hint().toStdString()).value_or(kKindNone);
  const int gainAddress = GainAddressForEdit(kind, edit->Tag());
  if (auto* bar = dynamic_cast<TrackBar*>(binding_.Registry().AuxControl(gainAddress, 0)))
    HighlightGainBar(bar);
  // The edit being left commits itself before this one becomes current.
  if (edit->isVisible() && edit->isEnabled()) edit->setFocus();
  LeaveOtherEdit(edit);
  binding_.Flags().CurrentEdit = edit;
  SavedText = edit->text();
  ParamStore& store = binding_.Store();
  const bool keep = store.SendSuppressed;
  store.SendSuppressed = true;
  CommitEdit(StepNone);
  store.SendSuppressed = keep;
}

bool BandEditing::MusFreEdit1KeyPress(Edit* edit, QChar key) {
  binding_.Flags().CurrentEdit = edit;
  EditDirty = true;
  if (!IsAcceptedEditKey(key.unicode())) return false;
  if (key == QChar('\r') || key == QChar('\n')) MusFreEdit1Exit(edit);
  return true;
}

void BandEditing::LeaveOtherEdit(Edit* next) {
  // Where the focus could not move (a hidden or disabled edit, a window without focus), the
  // edit typed in is left all the same.
  auto* left = dynamic_cast<Edit*>(binding_.Flags().CurrentEdit);
  if (left && left != next && EditDirty) MusFreEdit1Exit(left);
}

void BandEditing::MusFreEdit1Escape(Edit* edit) {
  if (!edit) return;
  // Back to the stored value as shown before typing; nothing is sent, now or on leaving.
  const bool keep = binding_.Flags().Refreshing;
  binding_.Flags().Refreshing = true;
  binding_.ApplyValue(edit, StepNone, true, binding_.Store().View(edit->Tag()));
  binding_.Flags().Refreshing = keep;
  if (binding_.Flags().CurrentEdit == edit) SavedText = edit->text();
  edit->setModified(false);
  EditDirty = false;
}

void BandEditing::MusFreEdit1Exit(Edit* edit) {
  if (!edit) return;
  if (edit->text().isEmpty())
    edit->setText(SavedText);
  else if (EditDirty)
    CommitOn(edit, StepNone);
  EditDirty = false;
}

bool BandEditing::MusFreEdit1KeyDown(Edit* edit, int key) {
  const auto arrow = ArrowOf(key);
  if (!arrow) return false;
  Control* current = binding_.Flags().CurrentEdit;
  if (!current || current == binding_.Example()) return false;
  auto* target = dynamic_cast<Edit*>(current);
  if (!target) target = edit;
  const auto kind = KindFromHint(target->Hint().toStdString()).value_or(kKindNone);
  const ArrowAction a = ArrowKeyAction(kind, target->Tag(), *arrow);
  // Moving to the band's other edit lets the edit left commit what was typed in it.
  if (a.focusAddress) MusFreEdit1Click(binding_.Registry().ValueControl(*a.focusAddress));
  CommitEdit(a.step);
  // The step has committed the edit's text: leaving it later writes nothing more.
  EditDirty = false;
  return true;
}

void BandEditing::Spin(SpinButtons* spin, bool upRight) {
  if (!spin) return;
  Control* value = binding_.Registry().ValueControl(spin->Tag());
  if (auto* edit = dynamic_cast<Edit*>(value); edit && edit != binding_.Example()) {
    const SpinAction a = SpinButtonAction(upRight, true);
    // The edit being left commits its own text to its own word before this one steps.
    if (edit->isVisible() && edit->isEnabled()) edit->setFocus();
    LeaveOtherEdit(edit);
    binding_.Flags().CurrentEdit = edit;
    SavedText = edit->text();
    CommitEdit(a.step);
  } else if (auto* bar = dynamic_cast<TrackBar*>(value)) {
    bar->SetPosition(bar->Position() + SpinButtonAction(upRight, false).sliderDelta);
  }
}

void BandEditing::MusFreUpDownBtn1UpRightClick(SpinButtons* spin) {
  Spin(spin, true);
}

void BandEditing::MusFreUpDownBtn1DownLeftClick(SpinButtons* spin) {
  Spin(spin, false);
}

bool BandEditing::FormMouseWheel(int delta) {
  const WheelAction a = WheelStepAction(WheelTarget, delta);
  if (a.commit) CommitEdit(a.step);
  return a.handled;
}

void BandEditing::MusEQGainBar1Change(TrackBar* bar) {
  BindingState& f = binding_.Flags();
  // A refresh moves every gain slider; only the user's band is marked.
  if (!f.Refreshing) HighlightGainBar(bar);
  if (f.ProgrammaticMove) return;
  Control* edit = binding_.Registry().ValueControl(bar->Tag());
  if (!dynamic_cast<Edit*>(edit)) return;
  f.CurrentEdit = edit;
  binding_.ApplyValue(edit, StepNone, 0, bar->Position());
}

void BandEditing::MusEQTrackBar1Change(TrackBar* bar) {
  BindingState& f = binding_.Flags();
  if (f.ProgrammaticMove) return;
  Control* edit = binding_.Registry().ValueControl(bar->Tag());
  if (!dynamic_cast<Edit*>(edit)) return;
  f.CurrentEdit = edit;
  binding_.ApplyValue(edit, StepNone, 0, bar->Position());
}

void BandEditing::MusModeBox1Change(ComboBox* list) {
  if (!list) return;
  const int address = list->Tag();
  Control* first = binding_.Registry().AuxControl(address, 0);
  const TypeAux aux = dynamic_cast<BmpButton*>(first) ? TypeAux::DeqTypeButton
                      : dynamic_cast<Label*>(first)   ? TypeAux::BandTypeLabel
                                                      : TypeAux::None;
  const int index = list->ItemIndex();
  if (index < 0) {
    // A stored type the list has no entry for: no label or button may keep another band's state.
    for (int s = 0; s < ControlRegistry::kAuxSlots; ++s) {
      Control* c = binding_.Registry().AuxControl(address, s);
      if (auto* label = dynamic_cast<Label*>(c)) {
        label->SetBackground(desk::kTypeLabelOff);
        label->SetCaptionColor(Qt::black);
      } else if (auto* button = dynamic_cast<BmpButton*>(c)) {
        button->SetDown(false);
      }
    }
    return;
  }
  const TypeChoice choice = TypeChoiceOf(index, aux);
  if (choice.switchOp && choice.value < 4)
    if (Control* shown = binding_.Registry().AuxControl(address, choice.value))
      binding_.SwitchState(shown, *choice.switchOp);
  ParamStore& store = binding_.Store();
  if (store.SendSuppressed) return;
  store.SetParam(address, choice.value);
  if (aux != TypeAux::DeqTypeButton) {
    const int q = QAddressForType(address, choice.value);
    if (Control* qEdit = binding_.Registry().ValueControl(q); dynamic_cast<Edit*>(qEdit)) {
      binding_.Flags().CurrentEdit = qEdit;
      binding_.ApplyValue(qEdit, StepNone, 1, store.View(q));
    }
  }
  binding_.Flags().LastEdit = {address, choice.value};
}

void BandEditing::MusPEQtn1Click(Label* label) {
  if (!label) return;
  auto* list = dynamic_cast<ComboBox*>(binding_.Registry().ValueControl(label->Tag()));
  if (!list) return;
  list->SetItemIndex(label->Hint().toInt());
  MusModeBox1Change(list);
}

void BandEditing::DEQTYpeOffBtn1Click(BmpButton* button) {
  if (!button) return;
  // The band number ends the button's name.
  const QString name = button->objectName();
  const QString band = name.right(1);
  auto* list = comps_.Get<ComboBox>("DEQTypeBox" + band);
  if (!list) return;
  list->SetItemIndex(button->Tag());
  MusModeBox1Change(list);
}

void BandEditing::EQResetBtnClick() {
  ParamStore& store = binding_.Store();
  store.ResetBands(state_.PageBlock);
  state_.PageAddress = tabs_.PageCaptions(state_.CurrentTab);
  binding_.RefreshPage(state_.PageBlock);
  binding_.Session().RedrawCurves(state_.PageBlock);
}

void BandEditing::UpdateResetButton() {
  QWidget* reset = comps_.Widget(handle::EQResetBtn);
  QWidget* group = comps_.Widget(handle::EQPassGrop);
  if (!reset) return;
  const bool pass =
      binding_.Flags()
          .AllPassState[static_cast<std::size_t>(std::clamp(state_.PageBlock, 0, kBlockCount - 1))] != 0;
  reset->setEnabled(!pass && (!group || group->isEnabled()));
}

void BandEditing::MusEQAllpassBtnClick() {
  auto* button = comps_.Get(handle::MusEQAllpassBtn);
  if (!button) return;
  const int on = binding_.SwitchState(button, 12);
  binding_.Flags().AllPassState[static_cast<std::size_t>(std::clamp(state_.PageBlock, 0, kBlockCount - 1))] =
      on;
  binding_.Store().SetParam(button->Tag(), on);
  if (QWidget* label = comps_.Widget(handle::EQPassLabel)) label->setVisible(on != 0);
  UpdateResetButton();
}

void BandEditing::MusEQPointLabel1Click(Label* title) {
  if (!title) return;
  const QString name = title->objectName();
  for (const pages::StripRow& s : pages::StripRows()) {
    for (int n = 1; n <= s.strips; ++n) {
      if (NumberedName(s.title, n) != name) continue;
      MusFreEdit1Click(comps_.Find(QString::fromUtf8(s.prefix) + "FreEdit" + QString::number(n)));
      return;
    }
  }
}

bool BandEditing::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Wheel && window_ && IsWithin(watched, window_)) {
    // A slider under the pointer takes the wheel itself, one step per notch.
    if (auto* bar = dynamic_cast<TrackBar*>(watched); bar && bar->isEnabled()) return false;
    auto* wheel = static_cast<QWheelEvent*>(event);
    const int delta = wheel->angleDelta().y() != 0 ? wheel->angleDelta().y() : wheel->angleDelta().x();
    if (WheelTarget && FormMouseWheel(delta)) {
      wheel->accept();
      return true;
    }
    return false;
  }
  if (event->type() != QEvent::KeyPress) return false;
  auto* edit = dynamic_cast<Edit*>(watched);
  if (!edit || !IsRegisteredEdit(edit)) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  if (key->key() == Qt::Key_Escape) {
    MusFreEdit1Escape(edit);
    return true;
  }
  if (MusFreEdit1KeyDown(edit, key->key())) return true;
  if (IsReturn(key->key())) {
    MusFreEdit1KeyPress(edit, QChar('\r'));
    return true;
  }
  if (key->key() == Qt::Key_Backspace) {
    MusFreEdit1KeyPress(edit, QChar('\b'));
    return false;
  }
  const QString text = key->text();
  if (text.isEmpty() || !text[0].isPrint()) {
    EditDirty = true;
    return false;
  }
  for (QChar c : text)
    if (!MusFreEdit1KeyPress(edit, c)) return true;
  return false;
}

}  // namespace morvelin
