#include "editor/widgets/accessibility/control_accessibles.h"

#include <QAccessibleWidget>
#include <functional>

#include "editor/widgets/accessibility/accessible_names.h"
#include "editor/widgets/controls/bmp_button.h"
#include "editor/widgets/controls/combo_box.h"
#include "editor/widgets/controls/containers.h"
#include "editor/widgets/controls/led_progress.h"
#include "editor/widgets/controls/misc_controls.h"
#include "editor/widgets/controls/spin_buttons.h"
#include "editor/widgets/controls/text_controls.h"
#include "editor/widgets/controls/track_bar.h"

namespace morvelin::a11y {

namespace {

// The value shown for a control: its readout's text when it has one.
QString ReadoutOf(const QWidget* control) {
  return ShownText(Linked(control, kReadoutProperty)).trimmed();
}

// Common to all: the composed name; the control's own actions (carried out only while it is
// enabled) before the focus action of the controls that take the focus.
class ControlAccessible : public QAccessibleWidget {
 public:
  ControlAccessible(QWidget* w, QAccessible::Role role, OwnCaption own)
      : QAccessibleWidget(w, role), own_(own) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return NameOf(widget(), own_);
    return QAccessibleWidget::text(t);
  }
  QStringList actionNames() const override { return OwnActions() + QAccessibleWidget::actionNames(); }
  void doAction(const QString& action) override {
    if (!OwnActions().contains(action)) {
      QAccessibleWidget::doAction(action);
      return;
    }
    if (widget()->isEnabled()) Act(action);
  }

 protected:
  virtual QStringList OwnActions() const { return {}; }
  virtual void Act(const QString&) {}

 private:
  OwnCaption own_;
};

class ButtonAccessible : public ControlAccessible {
 public:
  explicit ButtonAccessible(BmpButton* b) : ControlAccessible(b, QAccessible::Button, OwnCaption::First) {}

  QAccessible::State state() const override {
    QAccessible::State s = ControlAccessible::state();
    if (TwoState()) {
      s.checkable = true;
      s.checked = Button()->Down();
    } else {
      s.pressed = Button()->Down();
    }
    return s;
  }

 protected:
  QStringList OwnActions() const override { return {pressAction()}; }
  void Act(const QString&) override { Button()->Click(); }

 private:
  BmpButton* Button() const { return static_cast<BmpButton*>(widget()); }
  // Buttons of a group, and the on/off buttons that keep their state in the Hint.
  bool TwoState() const {
    const QString& hint = Button()->Hint();
    return widget()->property(kTwoStateProperty).toBool() || hint == "0" || hint == "1";
  }
};

class SliderAccessible : public ControlAccessible, public QAccessibleValueInterface {
 public:
  explicit SliderAccessible(TrackBar* t)
      : ControlAccessible(
            t, t->Class() == ControlClass::ScrollBar ? QAccessible::ScrollBar : QAccessible::Slider,
            OwnCaption::Ignored) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return ControlAccessible::interface_cast(type);
  }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) {
      const QString readout = ReadoutOf(widget());
      return readout.isEmpty() ? QString::number(Bar()->Position()) : readout;
    }
    return ControlAccessible::text(t);
  }

  QVariant currentValue() const override { return Bar()->Position(); }
  // Moves the slider as a drag does: its change handler sends the new word to the unit.
  void setCurrentValue(const QVariant& value) override {
    if (widget()->isEnabled()) Bar()->SetPosition(value.toInt());
  }
  QVariant maximumValue() const override { return Bar()->Max(); }
  QVariant minimumValue() const override { return Bar()->Min(); }
  QVariant minimumStepSize() const override { return 1; }

 protected:
  QStringList OwnActions() const override { return {increaseAction(), decreaseAction()}; }
  void Act(const QString& action) override {
    Bar()->SetPosition(Bar()->Position() + (action == increaseAction() ? 1 : -1));
  }

 private:
  TrackBar* Bar() const { return static_cast<TrackBar*>(widget()); }
};

class SpinAccessible : public ControlAccessible {
 public:
  explicit SpinAccessible(SpinButtons* s) : ControlAccessible(s, QAccessible::SpinBox, OwnCaption::Ignored) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return ReadoutOf(widget());
    return ControlAccessible::text(t);
  }

 protected:
  QStringList OwnActions() const override { return {increaseAction(), decreaseAction()}; }
  void Act(const QString& action) override {
    auto* spin = static_cast<SpinButtons*>(widget());
    if (action == increaseAction())
      emit spin->UpClicked();
    else
      emit spin->DownClicked();
  }
};

class EditAccessible : public ControlAccessible, public QAccessibleTextInterface {
 public:
  explicit EditAccessible(Edit* e) : ControlAccessible(e, QAccessible::EditableText, OwnCaption::Ignored) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return ControlAccessible::interface_cast(type);
  }
  QAccessible::State state() const override {
    QAccessible::State s = ControlAccessible::state();
    s.editable = !Line()->isReadOnly();
    s.readOnly = Line()->isReadOnly();
    s.selectableText = true;
    s.passwordEdit = Line()->echoMode() != QLineEdit::Normal;
    return s;
  }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return Line()->displayText();
    return ControlAccessible::text(t);
  }

  // The text as shown (masked in a password edit).
  void selection(int index, int* start, int* end) const override {
    *start = *end = 0;
    if (index != 0 || !Line()->hasSelectedText()) return;
    *start = Line()->selectionStart();
    *end = Line()->selectionEnd();
  }
  int selectionCount() const override { return Line()->hasSelectedText() ? 1 : 0; }
  void addSelection(int start, int end) override { setSelection(0, start, end); }
  void removeSelection(int) override { Line()->deselect(); }
  void setSelection(int, int start, int end) override { Line()->setSelection(start, end - start); }
  int cursorPosition() const override { return Line()->cursorPosition(); }
  void setCursorPosition(int position) override { Line()->setCursorPosition(position); }
  QString text(int start, int end) const override { return Line()->displayText().mid(start, end - start); }
  int characterCount() const override { return static_cast<int>(Line()->displayText().size()); }
  QRect characterRect(int) const override { return {}; }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int offset, int* start, int* end) const override {
    *start = *end = offset;
    return {};
  }

 private:
  Edit* Line() const { return static_cast<Edit*>(widget()); }
};

class ListAccessible : public ControlAccessible {
 public:
  explicit ListAccessible(ComboBox* c) : ControlAccessible(c, QAccessible::ComboBox, OwnCaption::Ignored) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return List()->currentText();
    return ControlAccessible::text(t);
  }

 protected:
  QStringList OwnActions() const override { return {showMenuAction()}; }
  void Act(const QString&) override { List()->showPopup(); }

 private:
  ComboBox* List() const { return static_cast<ComboBox*>(widget()); }
};

// Readouts and other shown values: the value as text, named after their line.
class ReadoutAccessible : public ControlAccessible {
 public:
  ReadoutAccessible(QWidget* w, QAccessible::Role role, std::function<QString()> value)
      : ControlAccessible(w, role, OwnCaption::Ignored), value_(std::move(value)) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value || t == QAccessible::Description) return value_();
    return ControlAccessible::text(t);
  }

 private:
  std::function<QString()> value_;
};

// The pages: named after the page shown.
class PagesAccessible : public ControlAccessible {
 public:
  explicit PagesAccessible(PageControl* p)
      : ControlAccessible(p, QAccessible::LayeredPane, OwnCaption::Ignored) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) {
      const QString page = CaptionOf(static_cast<PageControl*>(widget())->currentWidget());
      if (!page.isEmpty()) return page;
    }
    return ControlAccessible::text(t);
  }
};

QAccessible::Role ContainerRole(ControlClass cls) {
  switch (cls) {
    case ControlClass::GroupBox:
      return QAccessible::Grouping;
    case ControlClass::TabSheet:
      return QAccessible::PropertyPage;
    default:
      return QAccessible::Pane;
  }
}

}  // namespace

QAccessibleInterface* ControlInterface(QObject* object) {
  Control* c = AsControl(object);
  if (!c) return nullptr;
  if (auto* b = dynamic_cast<BmpButton*>(c)) return new ButtonAccessible(b);
  if (auto* t = dynamic_cast<TrackBar*>(c)) return new SliderAccessible(t);
  if (auto* s = dynamic_cast<SpinButtons*>(c)) return new SpinAccessible(s);
  if (auto* e = dynamic_cast<Edit*>(c)) return new EditAccessible(e);
  if (auto* l = dynamic_cast<ComboBox*>(c)) return new ListAccessible(l);
  if (auto* p = dynamic_cast<StatusPane*>(c))
    return new ReadoutAccessible(p, QAccessible::StaticText, [p] { return p->Caption(); });
  if (auto* p = dynamic_cast<LedProgress*>(c))
    return new ReadoutAccessible(p, QAccessible::ProgressBar,
                                 [p] { return QString("%1%").arg(p->Percent()); });
  if (auto* p = dynamic_cast<PageControl*>(c)) return new PagesAccessible(p);
  if (auto* i = dynamic_cast<ImageBox*>(c))
    return new ControlAccessible(i, QAccessible::Graphic, OwnCaption::Ignored);
  switch (c->Class()) {
    case ControlClass::GroupBox:
    case ControlClass::TabSheet:
    case ControlClass::Panel:
    case ControlClass::ScrollBox:
      return new ControlAccessible(c->Widget(), ContainerRole(c->Class()), OwnCaption::First);
    default:
      // Labels and the key/value grid are Qt's own widgets with Qt's interfaces.
      return nullptr;
  }
}

}  // namespace morvelin::a11y
