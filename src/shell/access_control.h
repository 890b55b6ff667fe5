#pragma once
// Access control on the window: the password fields and their key filter, the panel and system
// password changes, the access-level unlock, the access state shown at every page refresh, the
// panel-lock prompt once per search for the unit and its unlock, the notes on passwords of an
// unexpected length, and the access code that reveals the hidden page's button.

#include <QObject>
#include <QString>

#include "access/access_rules.h"

class QLineEdit;
class QWidget;

namespace morvelin {

class EditorBinding;
class EditorSession;
class FormComponents;
class MessageBoxes;
struct ChangeGroup;

class AccessControl : public QObject {
  Q_OBJECT
 public:
  // Subscribes to the session's page refresh. Without the session's link every check runs as
  // while not online and nothing is sent. Messages go to `boxes`, owned by `owner`.
  AccessControl(EditorSession& session, EditorBinding& binding, QWidget& owner, MessageBoxes& boxes);

  // Key handlers of the two change groups; true when the group was cleared.
  bool PassPanelLabel1KeyPress();
  bool SysPanelLabel1KeyPress();
  void RzBmpButton118Click();
  void RzBmpButton4Click();
  void SysEffNormalVolPaneDblClick();
  void SysLogoEditKeyPress(char key);

  // Steps of the page refresh: the user/manager, panel-lock and volume-run pairs from the unit's
  // words with the password notes, and at its end the panel-lock prompt.
  void ShowAccessState();
  void FirstConnectionCheck();
  void ShowPasswordNotes();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool ChangeKeyPress(const ChangeGroup& group);
  void ClearGroup(const ChangeGroup& group);
  const ChangeGroup* GroupOf(QObject* field) const;
  bool IsPasswordField(QObject* field) const;
  QLineEdit* Field(const char* name) const;
  bool Online() const;
  void Message(const TextPair& text);
  void Connect();

  EditorSession& session_;
  EditorBinding& binding_;
  FormComponents& comps_;
  QWidget& owner_;
  MessageBoxes& boxes_;
};

}  // namespace morvelin
