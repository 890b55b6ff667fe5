#pragma once
// What every form control carries besides its Qt widget: the class it stands for (the language
// switch and the binding treat controls by class), its Tag (a ParamAddress or a small value)
// and its Hint (English text, display kind or a "0"/"1" state).

#include <QColor>
#include <QString>

class QObject;
class QWidget;

namespace morvelin {

enum class ControlClass {
  Label,        // plain label: caption and hint swap with the language
  StyledLabel,  // styled label: keeps its caption
  GroupBox,
  TabSheet,
  PageControl,
  Panel,
  ScrollBox,
  PushButton,
  ToolButton,
  BmpButton,  // picture button: captions come from a fixed table
  Edit,
  SpinButtons,
  ComboBox,
  TrackBar,
  ScrollBar,
  StatusPane,
  Progress,
  ListEditor,
  Image,
};

class Control {
 public:
  explicit Control(ControlClass cls) : class_(cls) {}
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  ControlClass Class() const { return class_; }
  int Tag() const { return tag_; }
  void SetTag(int tag) { tag_ = tag; }
  const QString& Hint() const { return hint_; }
  void SetHint(const QString& hint) { hint_ = hint; }

  virtual QString Caption() const { return {}; }
  virtual void SetCaption(const QString&) {}
  virtual void SetCaptionColor(const QColor&) {}

  virtual QWidget* Widget() = 0;

 private:
  ControlClass class_;
  int tag_ = 0;
  QString hint_;
};

// The control behind a widget of the form, or nullptr for plain Qt widgets.
Control* AsControl(QObject* object);

}  // namespace morvelin
