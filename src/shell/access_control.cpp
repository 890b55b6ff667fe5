#include "shell/access_control.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>

#include "editor/editor_session.h"
#include "editor/widgets/controls/bmp_button.h"
#include "editor/widgets/controls/text_controls.h"
#include "editor/widgets/editor_binding.h"
#include "editor/widgets/form_components.h"
#include "link/frames.h"
#include "link/link_controller.h"
#include "shell/message_boxes.h"

namespace morvelin {

// A password-change group: its three fields and the note on a password of unexpected length.
struct ChangeGroup {
  access::Password which;
  const char* current;
  const char* fresh;
  const char* again;
  const char* note;
};

namespace {

using access::Password;

constexpr ChangeGroup kGroups[] = {
    {Password::Panel, "PassPanelLabel1", "NewPassLabel1", "NewPassLabel2", "SysPanelPassNote"},
    {Password::System, "SysPanelLabel1", "NewSysPassLabel1", "NewSysPassLabel2", "SysPassNote"},
};

// The two fields that only check a password; the change groups have their own three each.
constexpr const char* kCheckFields[] = {"SysPassEdit", "PanelPassWordEdit"};
// Disabled while the panel-lock prompt shows: every page and the graph panel.
constexpr const char* kLockedByPrompt[] = {"FormPageItem", "AdvPanel1"};

// The system pairs shown from the unit's words: off and on button, and the word.
struct AccessPair {
  const char* off;
  const char* on;
  int word;
};
constexpr AccessPair kAccessPairs[] = {{"SysUserBtn", "SysManagerBtn", AccessLevelAddr},
                                       {"SysPanelBtn1", "SysPanelBtn2", PanelSwitchAddr},
                                       {"SysVolRunBtn1", "SysVolRunBtn2", MakeAddress(29, 9)}};

// What a key press hands to a field as a character: Backspace and Enter by their codes,
// nothing for keys that type no character (arrows, Delete, Tab, modifiers), which pass.
char TypedChar(const QKeyEvent& e) {
  switch (e.key()) {
    case Qt::Key_Backspace:
      return access::kBackspace;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return access::kEnter;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return 0;
    default:
      break;
  }
  const QString text = e.text();
  if (text.isEmpty()) return 0;
  const char16_t c = text.at(0).unicode();
  return c > 0 && c < 0x80 ? static_cast<char>(c) : '\x7f';
}

QString Text(const char* utf8) {
  return QString::fromUtf8(utf8);
}

}  // namespace

AccessControl::AccessControl(EditorSession& session, EditorBinding& binding, QWidget& owner,
                             MessageBoxes& boxes)
    : session_(session), binding_(binding), comps_(binding.Components()), owner_(owner), boxes_(boxes) {
  QObject::connect(&session, &EditorSession::PageRefreshed, this, [this] { ShowAccessState(); });
  QObject::connect(&session, &EditorSession::RefreshFinished, this, [this] { FirstConnectionCheck(); });
  Connect();
}

void AccessControl::Connect() {
  // Pasting is no way around the key filter.
  auto* digits = new QRegularExpressionValidator(QRegularExpression("[0-9]*"), this);
  auto watch = [&](const char* name) {
    if (QLineEdit* f = Field(name)) {
      f->installEventFilter(this);
      f->setValidator(digits);
    }
  };
  for (const auto& g : kGroups)
    for (const char* name : {g.current, g.fresh, g.again}) watch(name);
  for (const char* name : kCheckFields) watch(name);
  if (QLineEdit* f = Field("PanelPassWordEdit")) f->setMaxLength(access::kSystemPasswordLength);
  if (QLineEdit* f = Field("SysLogoEdit")) f->installEventFilter(this);
  for (const ChangeGroup& g : kGroups) {
    if (auto* note = comps_.Get<Label>(g.note)) {
      note->setWordWrap(true);
      note->SetCaptionColor(QColor(200, 0, 0));
    }
  }

  if (auto* b = comps_.Get(handle::RzBmpButton118))
    connect(b, &BmpButton::Clicked, this, [this] { RzBmpButton118Click(); });
  if (auto* b = comps_.Get(handle::RzBmpButton4))
    connect(b, &BmpButton::Clicked, this, [this] { RzBmpButton4Click(); });
  if (auto* pane = comps_.Get(handle::SysEffNormalVolPane))
    connect(pane, &StatusPane::DoubleClicked, this, [this] { SysEffNormalVolPaneDblClick(); });
  if (auto* label = comps_.Get(handle::LinkLabel))
    connect(label, &Label::DoubleClicked, this, [this] { SysEffNormalVolPaneDblClick(); });
}

QLineEdit* AccessControl::Field(const char* name) const {
  return comps_.Get<Edit>(name);
}

bool AccessControl::Online() const {
  return session_.Link() && session_.Link()->LinkOnline();
}

void AccessControl::Message(const TextPair& text) {
  const int language = session_.State().UiLanguage;
  boxes_.Show(&owner_, Text(InLanguage(access::kMessageCaption, language)), Text(InLanguage(text, language)));
}

const ChangeGroup* AccessControl::GroupOf(QObject* field) const {
  for (const ChangeGroup& g : kGroups)
    for (const char* name : {g.current, g.fresh, g.again})
      if (field == Field(name)) return &g;
  return nullptr;
}

bool AccessControl::IsPasswordField(QObject* field) const {
  if (GroupOf(field)) return true;
  for (const char* name : kCheckFields)
    if (field == Field(name)) return true;
  return false;
}

bool AccessControl::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const char key = TypedChar(*static_cast<QKeyEvent*>(event));
  if (key == 0) return false;
  if (watched == Field("SysLogoEdit")) {
    SysLogoEditKeyPress(key);
    return false;
  }
  if (!IsPasswordField(watched)) return false;
  // The change checks see the fields as they were before this key.
  bool cleared = false;
  if (const ChangeGroup* g = GroupOf(watched)) cleared = ChangeKeyPress(*g);
  // A key that cleared its group does not land in the emptied field.
  return cleared || !access::KeyPasses(key);
}

bool AccessControl::PassPanelLabel1KeyPress() {
  return ChangeKeyPress(*GroupOf(Field("PassPanelLabel1")));
}

bool AccessControl::SysPanelLabel1KeyPress() {
  return ChangeKeyPress(*GroupOf(Field("SysPanelLabel1")));
}

bool AccessControl::ChangeKeyPress(const ChangeGroup& g) {
  QLineEdit* current = Field(g.current);
  QLineEdit* fresh = Field(g.fresh);
  QLineEdit* again = Field(g.again);
  if (!current || !fresh || !again) return false;
  const access::ChangeFields fields{current->text().toStdString(), fresh->text().toStdString(),
                                    again->text().toStdString()};
  const access::ChangeStep step = access::CheckChange(session_.Store().Unit, g.which, Online(), fields);
  if (step.enableNew) fresh->setEnabled(true);
  if (step.enableAgain) again->setEnabled(true);
  switch (step.outcome) {
    case access::ChangeOutcome::None:
      return false;
    case access::ChangeOutcome::Changed:
      access::Hold(session_.Store().Unit, g.which, fields.fresh);
      if (g.which == Password::Panel)
        session_.Link()->ChangePanelPassword(fields.fresh);
      else
        session_.Link()->ChangeSystemPassword(fields.fresh);
      break;
    case access::ChangeOutcome::Mismatch:
      Message(access::kMismatchMessage);
      break;
    case access::ChangeOutcome::Unchanged:
      break;
  }
  ClearGroup(g);
  ShowPasswordNotes();
  return true;
}

void AccessControl::ClearGroup(const ChangeGroup& g) {
  for (const char* name : {g.fresh, g.again}) {
    if (QLineEdit* f = Field(name)) {
      f->setEnabled(false);
      f->clear();
    }
  }
  if (QLineEdit* f = Field(g.current)) f->clear();
}

void AccessControl::RzBmpButton118Click() {
  QLineEdit* field = Field("SysPassEdit");
  if (!field) return;
  const access::LevelUnlock outcome =
      access::CheckLevelUnlock(session_.Store().Unit, Online(), field->text().toStdString());
  field->clear();
  if (outcome == access::LevelUnlock::Wrong) {
    Message(access::kWrongPasswordMessage);
    return;
  }
  if (outcome == access::LevelUnlock::Unlocked)
    if (QWidget* group = comps_.Widget(handle::SysUserMangerGrop)) group->setEnabled(true);
}

void AccessControl::RzBmpButton4Click() {
  QLineEdit* field = Field("PanelPassWordEdit");
  if (!field) return;
  const bool unlocks = access::UnlocksFirstCheck(session_.Store().Unit, field->text().toStdString());
  field->clear();
  if (!unlocks) return;
  if (QWidget* prompt = comps_.Widget(handle::FirstCheckGrop)) prompt->hide();
  for (const char* name : kLockedByPrompt)
    if (QWidget* w = comps_.Widget(name)) w->setEnabled(true);
  // A plain notice: the application's title as caption.
  boxes_.Show(&owner_, QApplication::applicationDisplayName(),
              Text(InLanguage(access::kUnlockedNotice, session_.State().UiLanguage)));
}

void AccessControl::SysEffNormalVolPaneDblClick() {
  for (const char* name : {"SysLogoLabel", "SysLogoEdit"})
    if (QWidget* w = comps_.Widget(name)) w->show();
  if (QLineEdit* f = Field("SysLogoEdit")) f->clear();
}

void AccessControl::SysLogoEditKeyPress(char key) {
  if (key != access::kEnter) return;
  QLineEdit* field = Field("SysLogoEdit");
  QWidget* tab = comps_.Widget(handle::FormHintTabBtn);
  if (!field || !tab) return;
  if (!access::AccessCodeMatches(field->text().toStdString())) {
    tab->hide();
    return;
  }
  tab->show();
  for (const char* name : {"SysLogoLabel", "SysLogoEdit"})
    if (QWidget* w = comps_.Widget(name)) w->hide();
}

void AccessControl::ShowAccessState() {
  // Clicking the level pair also disables the level group, as every click on it does.
  for (const AccessPair& p : kAccessPairs) {
    const bool on = session_.Store().View(p.word) != 0;
    if (auto* button = comps_.Get<BmpButton>(on ? p.on : p.off))
      binding_.Handlers().SysMusInputLevelClick(*button);
  }
  ShowPasswordNotes();
}

void AccessControl::FirstConnectionCheck() {
  EditorState& s = session_.State();
  if (!access::LocksAtRefresh(s.FirstCheckState, session_.Store().View(PanelSwitchAddr))) return;
  s.FirstCheckState = access::kLockApplied;
  binding_.Tabs().ClickTab(9);
  if (QWidget* prompt = comps_.Widget(handle::FirstCheckGrop)) {
    prompt->show();
    prompt->raise();
  }
  if (QWidget* edit = comps_.Widget(handle::PanelPassWordEdit)) edit->setFocus();
  for (const char* name : kLockedByPrompt)
    if (QWidget* w = comps_.Widget(name)) w->setEnabled(false);
}

void AccessControl::ShowPasswordNotes() {
  for (const auto& g : kGroups) {
    Control* note = comps_.Find(g.note);
    if (!note) continue;
    const TextPair* text = access::LengthNote(session_.Store().Unit, g.which);
    if (text) {
      note->SetCaption(Text(InLanguage(*text, session_.State().UiLanguage)));
      note->SetHint(Text(OtherLanguage(*text, session_.State().UiLanguage)));
    }
    if (QWidget* w = comps_.Widget(g.note)) w->setVisible(text != nullptr);
  }
}

}  // namespace morvelin
