#pragma once
// The system page's mode group (recall and save of the unit's modes) and PC backup group
// (save and load of backup files), independent of the widgets that show them.

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "params/param_store.h"
#include "presets/backup_file.h"
#include "presets/backup_folders.h"
#include "presets/preset_view.h"
#include "presets/safety_backups.h"

namespace morvelin {

class PresetManager {
 public:
  enum class ModeButton { Load, Save };  // SysLoadModeBtn, SysSaveModeBtn

  PresetManager(ParamStore& store, PresetView& view, PresetDialogs& dialogs, ModeSaveLink& link,
                BackupFiles& files, BackupFolders& folders, const UiFlags& flags);

  // The start shape: placeholders "1-" .. "22-" with the first selected, "(当前模式：1)".
  void ShowInitialModeList();
  // 16 items from ModeNames with the current mode selected, the name field and the label.
  void RefreshModeList();
  // The user picked an item: its name goes into PresetModeEdit.
  void SysModeBoxChange();
  // Recall (no access level needed) or save (manager level only) of the selected mode.
  void SysLoadModeBtnClick(ModeButton button);
  // The unit acknowledged a save: 22 items with the "MF" entries, the selection kept.
  void ModeSaved();

  // Told before a recall or a loaded backup overwrites the unit's settings, with the reason of
  // the safety backup to make and the safety backup about to be loaded (which must stay); the
  // action goes on whatever it does.
  using BeforeOverwrite = std::function<void(const QString& reason, const QString& loading)>;
  void SetBeforeOverwrite(BeforeOverwrite hook) { beforeOverwrite_ = std::move(hook); }
  // With `safety` given, the grid lists its safety backups, newest first, and the load button
  // loads the one named in FileEdit from there; null lists the backup folder again.
  void ShowSafetyBackups(const SafetyBackups* safety);
  bool ShowsSafetyBackups() const { return safety_ != nullptr; }

  // The grid from the backup folder, and FileEdit from its first row.
  void RefreshBackupList();
  void ValueListEditor1Click();
  // True when the key press carries a character, which the grid discards; keys without one
  // (the arrows) still move the current row.
  static bool ValueListEditor1KeyPress(const QString& keyText) { return !keyText.isEmpty(); }
  // Save a backup under the FileEdit name, asking before a file is replaced.
  void RzBmpButton120Click();
  // Load the backup named in FileEdit after asking.
  void RzBmpButton119Click();

  // What the list and the grid hold now.
  const QStringList& ModeList() const { return modeItems_; }
  const std::vector<BackupRow>& BackupList() const { return backupRows_; }

 private:
  void Recall();
  void Save();
  void ShowModeItems(QStringList items, int selected);
  bool ReplaceConfirmed(const QString& name);
  QString RowName(int row) const;

  ParamStore& store_;
  PresetView& view_;
  PresetDialogs& dialogs_;
  ModeSaveLink& link_;
  BackupFiles& files_;
  BackupFolders& folders_;
  const UiFlags& flags_;
  QStringList modeItems_;
  std::vector<BackupRow> backupRows_;
  BeforeOverwrite beforeOverwrite_;
  const SafetyBackups* safety_ = nullptr;
  std::vector<SafetyFile> safetyFiles_;
};

}  // namespace morvelin
