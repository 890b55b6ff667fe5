#include "editor/widgets/control_handles.h"

#include "editor/widgets/form_components.h"

namespace morvelin {

QStringList HandleProblems(const FormComponents& components) {
  QStringList problems;
  auto check = [&]<class T>(ControlHandle<T> h, const char* type) {
    Control* c = components.Find(h.Name());
    if (!c)
      problems << QStringLiteral("no control %1").arg(h.Name());
    else if (!dynamic_cast<T*>(c))
      problems << QStringLiteral("%1 is not a %2").arg(h.Name(), QString::fromUtf8(type));
  };
#define MORVELIN_CHECK_HANDLE(name, type) check(handle::name, #type);
  MORVELIN_CONTROL_HANDLES(MORVELIN_CHECK_HANDLE)
#undef MORVELIN_CHECK_HANDLE
  return problems;
}

}  // namespace morvelin
