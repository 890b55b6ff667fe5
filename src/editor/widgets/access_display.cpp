#include "editor/widgets/access_display.h"

#include <QWidget>

#include "editor/editor_session.h"
#include "editor/widgets/controls/bmp_button.h"
#include "editor/widgets/editor_binding.h"

namespace morvelin {

AccessDisplay::AccessDisplay(EditorSession& session, EditorBinding& binding) : b_(binding) {
  QObject::connect(&session, &EditorSession::PageRefreshed, &context_, [this] { ShowAccessState(); });
  QObject::connect(&session, &EditorSession::RefreshFinished, &context_, [this] { FirstConnectionCheck(); });
}

void AccessDisplay::ShowAccessState() {
  struct Pair {
    const char* off;
    const char* on;
    int word;
  };
  static constexpr Pair kPairs[] = {{"SysUserBtn", "SysManagerBtn", MakeAddress(30, 8)},
                                    {"SysPanelBtn1", "SysPanelBtn2", MakeAddress(30, 4)},
                                    {"SysVolRunBtn1", "SysVolRunBtn2", MakeAddress(29, 9)}};
  for (const Pair& p : kPairs) {
    const bool on = b_.Store().View(p.word) != 0;
    if (auto* button = b_.Components().Get<BmpButton>(on ? p.on : p.off))
      b_.Handlers().SysMusInputLevelClick(*button);
  }
}

void AccessDisplay::FirstConnectionCheck() {
  EditorState& s = b_.State();
  if (s.FirstCheckState != 1 || b_.Store().View(MakeAddress(30, 4)) == 0) return;
  s.FirstCheckState = 2;
  FormComponents& c = b_.Components();
  b_.Tabs().ClickTab(9);
  if (QWidget* prompt = c.Widget("FirstCheckGrop")) {
    prompt->show();
    prompt->raise();
  }
  if (QWidget* edit = c.Widget("PanelPassWordEdit")) edit->setFocus();
  for (const char* name : {"FormPageItem", "AdvPanel1"})
    if (QWidget* w = c.Widget(name)) w->setEnabled(false);
}

}  // namespace morvelin
