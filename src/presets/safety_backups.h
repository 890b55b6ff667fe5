#pragma once
// Safety backups: the memory image as the editor holds it, saved before anything overwrites
// the unit's settings as a whole (a mode recall, a backup loaded to the unit, a restore) and
// at every link-up, in the folder "Auto" inside the backup folder. File names say when and
// why ("2026-12-10 21-04-33 before recall 5.Nddt"); the newest 50 are kept.

#include <QDateTime>
#include <QString>
#include <functional>
#include <vector>

#include "params/param_store.h"

namespace morvelin {

inline constexpr const char* kSafetyFolderName = "Auto";
inline constexpr int kSafetyBackupsKept = 50;

// Why a safety backup is made; the words of its file name.
QString BeforeRecallReason(int mode);                 // "before recall 5" (mode 1..16)
QString BeforeLoadReason(const QString& backupName);  // "before loading Party"
QString BeforeRestoreReason();                        // "before restore"
QString AtLinkUpReason();                             // "at link-up"

// The warning of a safety backup that could not be saved.
inline constexpr const char* kSafetySaveFailedZh = "无法保存自动备份";
inline constexpr const char* kSafetySaveFailedEn = "Safety backup could not be saved";

struct SafetyFile {
  QString path;
  QString name;  // without the extension
};

class SafetyBackups {
 public:
  using Clock = std::function<QDateTime()>;
  // `folder`: the Auto folder, asked at each use (the backup folder may change at start-up);
  // `now`: the time of the file names (the local clock when empty).
  explicit SafetyBackups(std::function<QString()> folder, Clock now = {});

  // Saves DeviceImage under the time and `reason`, then removes all but the newest 50 (and
  // `keep`, a safety backup about to be loaded). False when nothing could be saved; the
  // caller's action goes on all the same.
  bool Save(const ParamStore& store, const QString& reason, const QString& keep = {});
  // The safety backups in the folder, newest first; other files there are not listed.
  std::vector<SafetyFile> List() const;
  QString Folder() const { return folder_(); }

 private:
  std::function<QString()> folder_;
  Clock now_;
};

}  // namespace morvelin
