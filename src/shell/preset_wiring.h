#pragma once
// The system page's mode and backup groups put together, a feature of the editor session: the
// widgets, the questions and notices, the link and the backup folder around one PresetManager,
// the widgets' signals connected to its handlers, and its start-up steps and the mode list of
// every page refresh taken from the session.

#include <QDateTime>
#include <QObject>
#include <QString>
#include <functional>

#include "presets/backup_file.h"
#include "presets/backup_folders.h"
#include "presets/preset_manager.h"
#include "presets/safety_backups.h"
#include "shell/preset_dialogs.h"
#include "shell/preset_link.h"
#include "shell/preset_widgets.h"

class QCheckBox;
class QLabel;

namespace morvelin {

class LinkController;
class MainWindow;
class MessageBoxes;

// Where the backup folders go; empty: beside the program, and the user's application data
// when that cannot be written.
struct BackupPlaces {
  QString programFolder;
  QString fallbackBase;
  // The time in the safety backups' names; empty: the local clock.
  std::function<QDateTime()> clock;
};

inline constexpr const char* kSafetySwitchName = "SysSafetyListBtn";
inline constexpr const char* kSafetyWarningName = "SafetyWarnLabel";

class PresetWiring {
 public:
  // Shows the mode list's start shape at once; subscribes to the window's session.
  PresetWiring(MainWindow& window, LinkController& link, MessageBoxes& boxes,
               const BackupPlaces& places = {});
  ~PresetWiring();
  PresetWiring(const PresetWiring&) = delete;
  PresetWiring& operator=(const PresetWiring&) = delete;

  // The unit acknowledged a mode save.
  void ModeSaved() { manager_.ModeSaved(); }

  PresetManager& Manager() { return manager_; }
  const BackupFolders& Folders() const { return folders_; }
  const SafetyBackups& Safety() const { return safety_; }

 private:
  void Connect(MainWindow& window);
  // The safety switch of the backup group and the warning beside the link status.
  void AddSafetyWidgets();
  void SaveSafety(const QString& reason, const QString& keep = {});
  void ShowSafetyTexts();

  MainWindow& window_;
  BackupFolders folders_;
  SafetyBackups safety_;
  BoxPresetDialogs dialogs_;
  BoxNotifier notifier_;
  PresetLink link_;
  BackupFiles files_;
  WidgetPresetView view_;
  PresetManager manager_;
  GridTypingFilter typingFilter_;
  QCheckBox* safetySwitch_ = nullptr;
  QLabel* safetyWarning_ = nullptr;
  bool safetyFailed_ = false;
  bool linking_ = false;
  // The widgets' and the session's connections end with it, before the parts they reach.
  QObject context_;
};

}  // namespace morvelin
