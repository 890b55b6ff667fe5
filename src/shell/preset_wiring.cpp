#include "shell/preset_wiring.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QTableWidget>

#include "editor/widgets/controls/bmp_button.h"
#include "editor/widgets/controls/combo_box.h"
#include "editor/widgets/controls/misc_controls.h"
#include "shell/main_window.h"

namespace morvelin {

namespace {

constexpr int kWarningWidth = 256;
constexpr int kSwitchRow = 24;

// Keeps the warning just left of the link status wherever the window's layout moves that.
class LeftOfAnchor : public QObject {
 public:
  LeftOfAnchor(QWidget& label, QWidget& anchor) : QObject(&label), label_(label), anchor_(anchor) {
    anchor.installEventFilter(this);
    Place();
  }
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Move || e->type() == QEvent::Resize) Place();
    return false;
  }

 private:
  void Place() {
    label_.setGeometry(anchor_.x() - kWarningWidth - 4, anchor_.y(), kWarningWidth, anchor_.height());
  }
  QWidget& label_;
  QWidget& anchor_;
};

}  // namespace

PresetWiring::PresetWiring(MainWindow& window, LinkController& link, MessageBoxes& boxes,
                           const BackupPlaces& places)
    : window_(window),
      folders_(places.programFolder, places.fallbackBase),
      safety_(
          [this] { return folders_.BackupFolder() + QLatin1Char('/') + QLatin1String(kSafetyFolderName); },
          places.clock),
      dialogs_(window, boxes),
      notifier_(window, boxes, window.State()),
      link_(link),
      files_(window.Store(), folders_, notifier_, link_),
      view_(window.Components()),
      manager_(window.Store(), view_, dialogs_, link_, files_, folders_, window.State()) {
  Connect(window);
  manager_.ShowInitialModeList();
  EditorSession& session = window.Session();
  QObject::connect(&session, &EditorSession::StartupStepRun, &context_, [this](StartupStep step) {
    if (step == StartupStep::EnsureFolders) folders_.EnsureFolders();
    if (step == StartupStep::RefreshBackupList) manager_.RefreshBackupList();
  });
  QObject::connect(&session, &EditorSession::PageRefreshed, &context_,
                   [this] { manager_.RefreshModeList(); });
  manager_.SetBeforeOverwrite(
      [this](const QString& reason, const QString& loading) { SaveSafety(reason, loading); });
  // The unit as it was found: after the full read of a link-up (not after a recall's).
  QObject::connect(&session, &EditorSession::LinkStateChanged, &context_, [this](LinkEventKind kind) {
    if (kind == LinkEventKind::Online && linking_) SaveSafety(AtLinkUpReason());
    linking_ = kind == LinkEventKind::StartLinking;
  });
  QObject::connect(&session, &EditorSession::LanguageChanged, &context_, [this] { ShowSafetyTexts(); });
  AddSafetyWidgets();
}

void PresetWiring::SaveSafety(const QString& reason, const QString& keep) {
  safetyFailed_ = !safety_.Save(window_.Store(), reason, keep);
  ShowSafetyTexts();
  if (manager_.ShowsSafetyBackups()) manager_.RefreshBackupList();
}

void PresetWiring::AddSafetyWidgets() {
  const FormComponents& c = window_.Components();
  QWidget* grid = view_.Grid();
  if (QWidget* group = grid ? grid->parentWidget() : nullptr) {
    // Below the grid, which gives up a row for it.
    grid->resize(grid->width(), grid->height() - kSwitchRow);
    safetySwitch_ = new QCheckBox(group);
    safetySwitch_->setObjectName(QLatin1String(kSafetySwitchName));
    safetySwitch_->setGeometry(grid->x(), grid->geometry().bottom() + 3, grid->width(), kSwitchRow - 4);
    QObject::connect(safetySwitch_, &QCheckBox::toggled, &context_,
                     [this](bool on) { manager_.ShowSafetyBackups(on ? &safety_ : nullptr); });
  }
  if (QWidget* status = c.Widget(handle::LinkLabel)) {
    // One line beside the link status; it stays until a safety backup is saved again.
    safetyWarning_ = new QLabel(status->parentWidget());
    safetyWarning_->setObjectName(QLatin1String(kSafetyWarningName));
    safetyWarning_->setStyleSheet(QStringLiteral("color: rgb(255, 200, 0);"));
    safetyWarning_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Left of the undo buttons where they stand there.
    QWidget* undo = window_.findChild<QWidget*>(QStringLiteral("UndoBtn"));
    new LeftOfAnchor(*safetyWarning_,
                     undo && undo->parentWidget() == status->parentWidget() ? *undo : *status);
    safetyWarning_->hide();
  }
  ShowSafetyTexts();
}

void PresetWiring::ShowSafetyTexts() {
  const bool chinese = window_.State().UiLanguage == 1;
  auto pair = [chinese](const char* zh, const char* en, QString& shown, QString& other) {
    shown = QString::fromUtf8(chinese ? zh : en);
    other = QString::fromUtf8(chinese ? en : zh);
  };
  QString shown;
  QString other;
  if (safetySwitch_) {
    pair("显示自动备份", "Show safety backups", shown, other);
    safetySwitch_->setText(shown);
    safetySwitch_->setToolTip(other);
  }
  if (safetyWarning_) {
    pair(kSafetySaveFailedZh, kSafetySaveFailedEn, shown, other);
    safetyWarning_->setText(shown);
    safetyWarning_->setToolTip(other);
    safetyWarning_->setVisible(safetyFailed_);
  }
}

PresetWiring::~PresetWiring() = default;

void PresetWiring::Connect(MainWindow& window) {
  const FormComponents& c = window.Components();
  if (ComboBox* box = view_.ModeBox())
    QObject::connect(box, &ComboBox::UserChanged, &context_, [this] { manager_.SysModeBoxChange(); });
  const std::pair<const char*, PresetManager::ModeButton> modeButtons[] = {
      {"SysLoadModeBtn", PresetManager::ModeButton::Load},
      {"SysSaveModeBtn", PresetManager::ModeButton::Save}};
  for (const auto& [name, which] : modeButtons) {
    if (auto* b = c.Get<BmpButton>(name))
      QObject::connect(b, &BmpButton::Clicked, &context_,
                       [this, which] { manager_.SysLoadModeBtnClick(which); });
  }
  if (auto* b = c.Get(handle::RzBmpButton120))
    QObject::connect(b, &BmpButton::Clicked, &context_, [this] { manager_.RzBmpButton120Click(); });
  if (auto* b = c.Get(handle::RzBmpButton119))
    QObject::connect(b, &BmpButton::Clicked, &context_, [this] { manager_.RzBmpButton119Click(); });
  if (ListEditor* grid = view_.Grid()) {
    QObject::connect(grid, &QTableWidget::cellClicked, &context_,
                     [this] { manager_.ValueListEditor1Click(); });
    grid->installEventFilter(&typingFilter_);
  }
}

}  // namespace morvelin
