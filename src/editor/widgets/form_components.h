#pragma once
// The main window's components by name, in the order the window created them (the order the
// language switch walks). The window owns the widgets; this is only the lookup.

#include <QHash>
#include <QString>
#include <vector>

#include "editor/widgets/control_handles.h"
#include "editor/widgets/controls/control.h"

namespace morvelin {

class FormComponents {
 public:
  // Registers a control under its widget's objectName; a name given twice is a build error of
  // the tables and is refused.
  bool Add(Control* control);

  Control* Find(const QString& name) const { return byName_.value(name, nullptr); }
  QWidget* Widget(const QString& name) const;
  template <class T>
  T* Get(const QString& name) const {
    return dynamic_cast<T*>(Find(name));
  }
  // The same through the generated handles (editor/widgets/control_handles.h).
  template <class T>
  Control* Find(ControlHandle<T> h) const {
    return Find(h.Name());
  }
  template <class T>
  QWidget* Widget(ControlHandle<T> h) const {
    return Widget(h.Name());
  }
  template <class T>
  T* Get(ControlHandle<T> h) const {
    return Get<T>(h.Name());
  }
  const std::vector<Control*>& InOrder() const { return ordered_; }
  int Count() const { return static_cast<int>(ordered_.size()); }

 private:
  QHash<QString, Control*> byName_;
  std::vector<Control*> ordered_;
};

}  // namespace morvelin
