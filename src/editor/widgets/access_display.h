#pragma once
// The access state on the system page after every page refresh: the user/manager, panel-lock and
// volume-run pairs shown from the unit's words, and the panel-lock prompt once per search for
// the unit (FirstCheckState).

#include <QObject>

namespace morvelin {

class EditorBinding;
class EditorSession;

class AccessDisplay {
 public:
  AccessDisplay(EditorSession& session, EditorBinding& binding);

  void ShowAccessState();
  void FirstConnectionCheck();

 private:
  EditorBinding& b_;
  QObject context_;
};

}  // namespace morvelin
