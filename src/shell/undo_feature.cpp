#include "shell/undo_feature.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QShortcut>
#include <QToolButton>
#include <QUndoCommand>
#include <algorithm>

#include "editor/editor_session.h"
#include "editor/widgets/form_components.h"
#include "link/frames.h"
#include "params/block_table.h"

namespace morvelin {

namespace {

constexpr int kStepId = 1;

// Of the command and status block only the two input choices are settings; the rest are
// commands (recall, save), the access level, the panel lock and the passwords.
bool IsSetting(int deviceAddress) {
  return BlockOf(deviceAddress) != kStatusBlock || deviceAddress == MusicInputLevelAddr ||
         deviceAddress == InputSourceAddr;
}
constexpr int kButtonSize = 24;
constexpr int kButtonGap = 2;

const QKeySequence kUndoKeys[] = {QKeySequence(Qt::CTRL | Qt::Key_Z)};
const QKeySequence kRedoKeys[] = {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                                  QKeySequence(Qt::CTRL | Qt::Key_Y)};

class EditStep : public QUndoCommand {
 public:
  EditStep(UndoFeature& owner, long gesture, const StoreChange& change)
      : owner_(owner), gesture_(gesture), changes_{change} {}

  int id() const override { return kStepId; }
  // The words already hold the step's values when it is pushed.
  void redo() override {
    if (pushed_) owner_.Replay(changes_, StepDirection::Redo);
    pushed_ = true;
  }
  void undo() override { owner_.Replay(changes_, StepDirection::Undo); }

  bool mergeWith(const QUndoCommand* other) override {
    const auto* next = static_cast<const EditStep*>(other);
    if (next->gesture_ != gesture_) return false;
    for (const StoreChange& c : next->changes_) {
      auto same = std::find_if(changes_.begin(), changes_.end(),
                               [&](const StoreChange& k) { return k.deviceAddress == c.deviceAddress; });
      if (same == changes_.end()) {
        changes_.push_back(c);
        continue;
      }
      same->after = c.after;
      same->sent = same->sent || c.sent;
      if (c.sent) same->viewAddress = c.viewAddress;
    }
    // A move that ends where it began leaves nothing to take back.
    setObsolete(std::all_of(changes_.begin(), changes_.end(),
                            [](const StoreChange& k) { return k.before == k.after; }));
    return true;
  }

  long Gesture() const { return gesture_; }
  const std::vector<StoreChange>& Changes() const { return changes_; }

 private:
  UndoFeature& owner_;
  long gesture_;
  std::vector<StoreChange> changes_;
  bool pushed_ = false;
};

bool Matches(const QKeyEvent& key, const QKeySequence& sequence) {
  return QKeySequence(key.keyCombination()) == sequence;
}

template <std::size_t N>
bool MatchesAny(const QKeyEvent& key, const QKeySequence (&sequences)[N]) {
  return std::any_of(std::begin(sequences), std::end(sequences),
                     [&](const QKeySequence& s) { return Matches(key, s); });
}

}  // namespace

UndoFeature::UndoFeature(EditorSession& session, FormComponents& components, QWidget& window)
    : session_(session), components_(components), window_(window) {
  stack_.setUndoLimit(kUndoSteps);
  session_.Store().SetChangeHook([this](const StoreChange& c) { Record(c); });
  qApp->installEventFilter(this);

  for (const QKeySequence& keys : kUndoKeys) {
    auto* s = new QShortcut(keys, &window_);
    connect(s, &QShortcut::activated, this, &UndoFeature::Undo);
    shortcuts_.push_back(s);
  }
  for (const QKeySequence& keys : kRedoKeys) {
    auto* s = new QShortcut(keys, &window_);
    connect(s, &QShortcut::activated, this, &UndoFeature::Redo);
    shortcuts_.push_back(s);
  }

  connect(&session_, &EditorSession::FormCreated, &context_, [this] { FormCreate(); });
  connect(&session_, &EditorSession::LanguageChanged, &context_, [this] { UpdateButtons(); });
  // Between ticks without a pressed button, the gesture has ended.
  connect(&session_, &EditorSession::Ticked, &context_, [this] {
    if (!pointerHeld_ && !oneStep_) NewGesture();
  });
  // The unit's settings are then read or written as a whole.
  connect(&session_, &EditorSession::LinkStateChanged, &context_, [this](LinkEventKind kind) {
    switch (kind) {
      case LinkEventKind::StartLinking:
      case LinkEventKind::StartLoading:
      case LinkEventKind::StartDownload:
      case LinkEventKind::Online:
        stack_.clear();
        break;
      default:
        break;
    }
  });
  connect(&stack_, &QUndoStack::indexChanged, this, [this] { UpdateButtons(); });
}

UndoFeature::~UndoFeature() {
  qApp->removeEventFilter(this);
  session_.Store().SetChangeHook({});
  for (const QPointer<QShortcut>& s : shortcuts_) delete s.data();
}

void UndoFeature::Record(const StoreChange& change) {
  if (replaying_ || !IsSetting(change.deviceAddress)) return;
  if (!session_.State().StartupDone) return;
  const auto* top =
      stack_.index() > 0 ? static_cast<const EditStep*>(stack_.command(stack_.index() - 1)) : nullptr;
  const bool merges = top != nullptr && stack_.index() == stack_.count() && top->Gesture() == gesture_;
  // A value set again as it was is no step (and keeps what can be redone).
  if (change.before == change.after && !merges) return;
  stack_.push(new EditStep(*this, gesture_, change));
}

void UndoFeature::RunAsOneStep(const std::function<void()>& edit) {
  const bool outer = oneStep_;
  if (!outer) NewGesture();
  oneStep_ = true;
  edit();
  oneStep_ = outer;
  if (!outer) NewGesture();
}

void UndoFeature::Undo() {
  NewGesture();
  if (stack_.canUndo()) stack_.undo();
  NewGesture();
}

void UndoFeature::Redo() {
  NewGesture();
  if (stack_.canRedo()) stack_.redo();
  NewGesture();
}

void UndoFeature::Replay(const std::vector<StoreChange>& changes, StepDirection direction) {
  const bool undo = direction == StepDirection::Undo;
  // The unit makes a link's copy itself when it gets the link word; it does not take it back.
  auto sends = [undo](const StoreChange& c) { return undo || c.sent; };
  const auto frames = std::count_if(changes.begin(), changes.end(), sends);
  ParamStore& store = session_.Store();
  replaying_ = true;
  for (const StoreChange& c : changes) {
    const Word v = undo ? c.before : c.after;
    if (sends(c))
      store.SetDeviceParam(c.deviceAddress, v, frames > 1);
    else
      store.SetDevice(c.deviceAddress, v);
  }
  replaying_ = false;
  EditorState& s = session_.State();
  session_.RefreshPage(kAllBlocks);
  session_.RefreshPage(s.PageBlock);
}

QString UndoFeature::Hint(StepDirection direction) const {
  const int i = direction == StepDirection::Undo ? stack_.index() - 1 : stack_.index();
  const auto* step = i >= 0 && i < stack_.count() ? static_cast<const EditStep*>(stack_.command(i)) : nullptr;
  return StepHint(session_.Store(), step ? step->Changes() : std::vector<StoreChange>{}, direction,
                  session_.State().UiLanguage);
}

bool UndoFeature::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      pointerHeld_ = true;
      if (!oneStep_) NewGesture();
      break;
    case QEvent::MouseButtonRelease:
      if (static_cast<QMouseEvent*>(event)->buttons() == Qt::NoButton) pointerHeld_ = false;
      break;
    case QEvent::KeyPress:
    case QEvent::Wheel:
    case QEvent::FocusIn:
      // A typed commit on leaving an edit is a step apart from the drag that took the focus.
      if (!oneStep_) NewGesture();
      break;
    case QEvent::ShortcutOverride: {
      const auto* key = static_cast<QKeyEvent*>(event);
      if (!MatchesAny(*key, kUndoKeys) && !MatchesAny(*key, kRedoKeys)) break;
      // An edit with typed, un-entered text undoes its own typing; otherwise the history acts.
      const auto* edit = qobject_cast<QLineEdit*>(watched);
      if (edit && edit->isModified() && !edit->isReadOnly()) break;
      return true;
    }
    case QEvent::Move:
    case QEvent::Resize:
      if (undoButton_ && watched == components_.Widget(QStringLiteral("LinkLabel"))) PlaceButtons();
      break;
    default:
      break;
  }
  return false;
}

void UndoFeature::FormCreate() {
  // On the title bar left of the link status, above the link button: the top bar is full.
  QWidget* status = components_.Widget(QStringLiteral("LinkLabel"));
  QWidget* bar = status ? status->parentWidget() : nullptr;
  if (bar == nullptr) return;
  auto make = [&](const char* name, const QString& glyph, void (UndoFeature::*act)()) {
    auto* b = new QToolButton(bar);
    b->setObjectName(QLatin1String(name));
    b->setText(glyph);
    b->setFocusPolicy(Qt::StrongFocus);
    b->setAutoRaise(true);
    b->resize(kButtonSize, kButtonSize);
    connect(b, &QToolButton::clicked, this, act);
    b->show();
    return b;
  };
  undoButton_ = make("UndoBtn", QStringLiteral("\u21B6"), &UndoFeature::Undo);
  redoButton_ = make("RedoBtn", QStringLiteral("\u21B7"), &UndoFeature::Redo);
  PlaceButtons();
  UpdateButtons();
}

void UndoFeature::PlaceButtons() {
  QWidget* status = components_.Widget(QStringLiteral("LinkLabel"));
  if (!status || !undoButton_) return;
  const int y = status->y() + (status->height() - kButtonSize) / 2;
  redoButton_->move(status->x() - kButtonGap - kButtonSize, y);
  undoButton_->move(redoButton_->x() - kButtonGap - kButtonSize, y);
}

void UndoFeature::UpdateButtons() {
  if (!undoButton_) return;
  const bool chinese = session_.State().UiLanguage == 1;
  auto show = [&](QToolButton* b, StepDirection d, bool enabled, const char* zh, const char* en) {
    const QString hint = Hint(d);
    b->setEnabled(enabled);
    b->setToolTip(hint);
    b->setAccessibleName(QString::fromUtf8(chinese ? zh : en));
    b->setAccessibleDescription(hint);
  };
  show(undoButton_, StepDirection::Undo, stack_.canUndo(), "撤销", "Undo");
  show(redoButton_, StepDirection::Redo, stack_.canRedo(), "重做", "Redo");
}

}  // namespace morvelin
