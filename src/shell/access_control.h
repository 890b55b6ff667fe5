#pragma once
// Access control on the window: the password fields and their key filter, the panel and system
// password changes, the access-level unlock, the panel-lock prompt and its unlock, the notes on
// passwords of an unexpected length, and the access code that reveals the hidden page's button.

#include <QObject>
#include <QString>

#include "access/access_rules.h"

class QLineEdit;
class QWidget;

namespace morvelin {

struct EditorState;
class FormComponents;
class LinkController;
class MessageBoxes;
class ParamStore;
struct ChangeGroup;

class AccessControl : public QObject {
  Q_OBJECT
 public:
  // `link` may be null: every check then runs as while not online and nothing is sent.
  AccessControl(QWidget& owner, FormComponents& components, ParamStore& store, EditorState& state,
                LinkController* link, MessageBoxes& boxes);

  // Key handlers of the two change groups; true when the group was cleared.
  bool PassPanelLabel1KeyPress();
  bool SysPanelLabel1KeyPress();
  void RzBmpButton118Click();
  void RzBmpButton4Click();
  void SysEffNormalVolPaneDblClick();
  void SysLogoEditKeyPress(char key);

  // After the refresh has shown the access level and the panel lock: the password notes.
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

  QWidget& owner_;
  FormComponents& comps_;
  ParamStore& store_;
  EditorState& state_;
  LinkController* link_;
  MessageBoxes& boxes_;
};

}  // namespace morvelin
