#include "shell/preset_wiring.h"

#include <QTableWidget>

#include "editor/widgets/controls/bmp_button.h"
#include "editor/widgets/controls/combo_box.h"
#include "editor/widgets/controls/misc_controls.h"
#include "shell/main_window.h"

namespace morvelin {

PresetWiring::PresetWiring(MainWindow& window, LinkController& link, MessageBoxes& boxes,
                           const BackupPlaces& places)
    : folders_(places.programFolder, places.fallbackBase),
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
