#include "editor/widgets/controls/control.h"

#include <QObject>

namespace morvelin {

Control* AsControl(QObject* object) {
  return dynamic_cast<Control*>(object);
}

}  // namespace morvelin
