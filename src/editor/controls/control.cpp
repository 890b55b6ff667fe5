#include "editor/controls/control.h"

#include <QObject>

namespace morvelin {

Control* AsControl(QObject* object) {
  return dynamic_cast<Control*>(object);
}

bool SwapsCaptionWithLanguage(ControlClass cls) {
  switch (cls) {
    case ControlClass::Label:
    case ControlClass::PushButton:
    case ControlClass::ToolButton:
    case ControlClass::GroupBox:
    case ControlClass::TabSheet:
      return true;
    default:
      return false;
  }
}

}  // namespace morvelin
