#pragma once
// The system page's mode and backup groups put together: the widgets, the questions and
// notices, the link and the backup folder around one PresetManager, and the widgets'
// signals connected to its handlers.

#include <QObject>
#include <QString>

#include "editor/default_handlers.h"
#include "presets/backup_file.h"
#include "presets/backup_folders.h"
#include "presets/preset_manager.h"
#include "shell/preset_dialogs.h"
#include "shell/preset_link.h"
#include "shell/preset_widgets.h"

namespace morvelin {

class LinkController;
class MainWindow;
class MessageBoxes;

// Where the backup folders go; empty: beside the program, and the user's application data
// when that cannot be written.
struct BackupPlaces {
  QString programFolder;
  QString fallbackBase;
};

class PresetWiring;

// Step 11 of the page refresh goes to the mode group; the other steps stay the binding's.
class PresetRefreshHooks : public DefaultRefreshHooks {
 public:
  PresetRefreshHooks(EditorBinding& binding, PresetWiring& presets)
      : DefaultRefreshHooks(binding), presets_(presets) {}
  void RefreshModeList() override;

 private:
  PresetWiring& presets_;
};

class PresetWiring {
 public:
  // Shows the mode list's start shape at once and takes over the refresh's mode list step.
  PresetWiring(MainWindow& window, LinkController& link, MessageBoxes& boxes,
               const BackupPlaces& places = {});
  ~PresetWiring();
  PresetWiring(const PresetWiring&) = delete;
  PresetWiring& operator=(const PresetWiring&) = delete;

  // Start-up, in FormShow.
  void EnsureFolders() { folders_.EnsureFolders(); }
  void RefreshBackupList() { manager_.RefreshBackupList(); }
  // Near the end of every page refresh.
  void RefreshModeList() { manager_.RefreshModeList(); }
  // The unit acknowledged a mode save.
  void ModeSaved() { manager_.ModeSaved(); }

  PresetManager& Manager() { return manager_; }
  const BackupFolders& Folders() const { return folders_; }

 private:
  void Connect(MainWindow& window);

  MainWindow& window_;
  BackupFolders folders_;
  BoxPresetDialogs dialogs_;
  BoxNotifier notifier_;
  PresetLink link_;
  BackupFiles files_;
  WidgetPresetView view_;
  PresetManager manager_;
  GridTypingFilter typingFilter_;
  PresetRefreshHooks refreshHooks_;
  // The widgets' connections end with it, before the parts they reach.
  QObject context_;
};

}  // namespace morvelin
