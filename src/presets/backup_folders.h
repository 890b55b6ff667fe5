#pragma once
// Where backups live: "Mode/QelMode" beside the program, or the same two folders under the
// user's application data when the program's folder cannot take them; and their listing.

#include <QString>
#include <QStringList>
#include <vector>

namespace morvelin {

inline constexpr int kMaxBackupNames = 201;
inline constexpr const char* kBackupExtension = ".Nddt";
// The start of the name of a save's temporary file in the backup folder.
inline constexpr const char* kSaveTempPrefix = ".morvelin-save-";

struct BackupRow {
  QString key;   // the 0-based position in the listing, as decimal text
  QString name;  // the file name without its extension
};

class BackupFolders {
 public:
  // Both bases are injectable so tests can use temporary folders; empty means the defaults
  // (the running program's folder, and QStandardPaths::AppDataLocation).
  explicit BackupFolders(QString programFolder = {}, QString fallbackBase = {});

  // Creates ModeFolder and BackupFolder; when they cannot be created or written, switches to
  // the fallback base. Without any message: a later save reports the failure.
  void EnsureFolders();

  const QString& ModeFolder() const { return modeFolder_; }
  const QString& BackupFolder() const { return backupFolder_; }
  // The file of a backup named `name`, the name used exactly as typed: name + ".Nddt", or an
  // existing file whose extension differs only in letter case ("name.NDDT"), so that loading
  // and saving over a listed backup reach that very file.
  QString BackupPath(const QString& name) const;
  // A name that stays inside the backup folder: not empty, no folder separators, not "." or "..".
  static bool IsPlainName(const QString& name);

  // One row per "*.Nddt*" file, sorted ignoring letter case; refills BackupNames.
  std::vector<BackupRow> ListBackupFiles();
  // The names of the last listing, at most 201.
  const QStringList& BackupNames() const { return backupNames_; }

 private:
  void UseBase(const QString& base);

  QString programFolder_;
  QString fallbackBase_;
  QString modeFolder_;
  QString backupFolder_;
  QStringList backupNames_;
};

// The name without a final four-character extension: "Party.Nddt" -> "Party", "a.Nddtx" stays.
QString StripExtension(const QString& fileName);

}  // namespace morvelin
