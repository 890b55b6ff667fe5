#pragma once
// What the mode and backup groups need around them: their widgets, the question dialogs,
// the link's mode save, and the shell's language and start-up flag. The editor implements
// the widget side; tests record it.

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

#include "presets/backup_folders.h"

namespace morvelin {

// The shell's state that these groups read; owned by the application.
struct UiFlags {
  int UiLanguage = 1;  // 1 Chinese, 0 English
  bool StartupDone = false;
};

class PresetView {
 public:
  virtual ~PresetView() = default;

  // SysModeBox, selection only. Selecting from here must not run SysModeBoxChange: only the
  // user's choice does.
  virtual void SetModeItems(const QStringList& items) = 0;
  virtual int ModeIndex() const = 0;  // -1: nothing selected
  virtual void SetModeIndex(int index) = 0;

  // PresetModeEdit (at most 20 characters) and CurrentModeLabel.
  virtual QString PresetModeText() const = 0;
  virtual void SetPresetModeText(const QString& text) = 0;
  virtual void SetCurrentModeText(const QString& text) = 0;

  // ValueListEditor1: one row per backup, key and name.
  virtual void SetBackupRows(const std::vector<BackupRow>& rows) = 0;
  virtual int BackupRowIndex() const = 0;  // -1: no rows
  virtual void SetBackupRowIndex(int row) = 0;

  // FileEdit.
  virtual QString FileText() const = 0;
  virtual void SetFileText(const QString& text) = 0;
  virtual void FocusFileEdit() = 0;
};

// Modal dialogs; each returns when the user has answered.
class PresetDialogs {
 public:
  virtual ~PresetDialogs() = default;
  // True for Yes; closing the dialog counts as No.
  virtual bool AskYesNo(const QString& caption, const QString& text) = 0;
  // True for OK; anything else is Cancel.
  virtual bool AskOkCancel(const QString& caption, const QString& text) = 0;
  // One OK button.
  virtual void ShowMessage(const QString& caption, const QString& text) = 0;
};

// The link's mode save. While the link is not online the link itself refuses it and says so.
class ModeSaveLink {
 public:
  virtual ~ModeSaveLink() = default;
  // Stores the name as ModeNames[modeIndex] and sends the save; true when it went out.
  virtual bool SaveMode(int modeIndex, const std::string& name) = 0;
};

}  // namespace morvelin
