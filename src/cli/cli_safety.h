#pragma once
// The editor's safety backups from the command line: one is saved before `restore` and
// `recall` overwrite the unit's settings, and `snapshots` lists them.

#include <QDateTime>
#include <QString>
#include <functional>
#include <ostream>

#include "params/param_store.h"
#include "presets/backup_folders.h"
#include "presets/safety_backups.h"

namespace morvelin {

// Where the backup folder is (empty: as the editor finds it) and the time of the file names
// (empty: the local clock); tests give their own.
struct CliSafetyOptions {
  QString programFolder;
  QString fallbackBase;
  std::function<QDateTime()> clock;
};

class CliSafety {
 public:
  explicit CliSafety(const CliSafetyOptions& options);
  // A failed save is one warning line on err; the command goes on.
  void SaveBefore(const ParamStore& store, const QString& reason, std::ostream& err);
  // One path a line, newest first.
  void List(std::ostream& out) const;

 private:
  BackupFolders folders_;
  SafetyBackups backups_;
};

}  // namespace morvelin
