#pragma once
// Saving the device image as a backup file and loading one back, with the notices the user
// sees when something is wrong.

#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "params/param_store.h"
#include "presets/backup_folders.h"
#include "presets/download_link.h"
#include "presets/notifier.h"

namespace morvelin {

// Writes the lines, each ended by CR LF, into a hidden temporary file beside `path` (its name
// begins with kSaveTempPrefix, never listed as a backup) and renames it over `path`, so a
// failed save never destroys the old file. `beforeRename` (for tests) may abandon
// the save at its last step by returning false.
bool WriteLinesReplacing(const QString& path, const std::vector<std::string>& lines,
                         const std::function<bool()>& beforeRename = {});

// Every line of a text file without its line end (LF or CR LF); false when it cannot be read.
bool ReadLines(const QString& path, std::vector<std::string>& lines);

// A backup is about 40 KiB; anything above this is refused before it is read.
inline constexpr qint64 kMaxBackupFileBytes = 1024 * 1024;
enum class ReadOutcome { Ok, Unreadable, TooLarge };
// ReadLines for a file of at most `maxBytes`; a larger file is refused by its size, unread.
ReadOutcome ReadLinesUpTo(const QString& path, qint64 maxBytes, std::vector<std::string>& lines);

// The same save and load for a file anywhere (the command line's FILE); BackupFiles uses them
// for the backups of the backup folder.
bool SaveBackupToPath(const QString& path, const ParamStore& store, Notifier& notifier);
bool LoadBackupFromPath(const QString& path, ParamStore& store, Notifier& notifier, DownloadLink& link);

class BackupFiles {
 public:
  BackupFiles(ParamStore& store, const BackupFolders& folders, Notifier& notifier, DownloadLink& link)
      : store_(store), folders_(folders), notifier_(notifier), link_(link) {}

  // Writes DeviceImage as backup `name`, replacing a file of that name; on failure shows a
  // notice naming the file. The overwrite question is the caller's.
  bool SaveBackupFile(const QString& name);

  // Reads and checks the whole backup first; only a file that passes every check reaches
  // DeviceImage, and then, while the unit is online, the full write sends it.
  bool LoadBackupFile(const QString& name);
  // The same for a file outside the backup folder (a safety backup).
  bool LoadBackupAt(const QString& path);

 private:
  ParamStore& store_;
  const BackupFolders& folders_;
  Notifier& notifier_;
  DownloadLink& link_;
};

}  // namespace morvelin
