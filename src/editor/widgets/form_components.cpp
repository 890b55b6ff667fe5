#include "editor/widgets/form_components.h"

#include <QWidget>

namespace morvelin {

bool FormComponents::Add(Control* control) {
  const QString name = control->Widget()->objectName();
  if (name.isEmpty() || byName_.contains(name)) return false;
  byName_.insert(name, control);
  ordered_.push_back(control);
  return true;
}

QWidget* FormComponents::Widget(const QString& name) const {
  Control* c = Find(name);
  return c ? c->Widget() : nullptr;
}

}  // namespace morvelin
