#include "presets/backup_folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <algorithm>

namespace morvelin {

namespace {

bool CanWriteIn(const QString& folder) {
  QTemporaryFile probe(folder + QStringLiteral("/XXXXXX.probe"));
  return probe.open();
}

bool MakeWritable(const QString& folder) {
  return QDir().mkpath(folder) && QFileInfo(folder).isDir() && CanWriteIn(folder);
}

}  // namespace

BackupFolders::BackupFolders(QString programFolder, QString fallbackBase)
    : programFolder_(programFolder.isEmpty() ? QCoreApplication::applicationDirPath()
                                             : std::move(programFolder)),
      fallbackBase_(fallbackBase.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                                           : std::move(fallbackBase)) {
  UseBase(programFolder_);
}

void BackupFolders::UseBase(const QString& base) {
  QString b = base;
  while (b.size() > 1 && (b.endsWith(QLatin1Char('/')) || b.endsWith(QLatin1Char('\\')))) b.chop(1);
  modeFolder_ = b + QStringLiteral("/Mode");
  backupFolder_ = modeFolder_ + QStringLiteral("/QelMode");
}

void BackupFolders::EnsureFolders() {
  UseBase(programFolder_);
  if (MakeWritable(backupFolder_)) return;
  // A program folder we may not write to (installed read-only): keep backups with the user.
  if (fallbackBase_.isEmpty()) return;
  const QString primaryMode = modeFolder_;
  const QString primaryBackup = backupFolder_;
  UseBase(fallbackBase_);
  if (MakeWritable(backupFolder_)) return;
  modeFolder_ = primaryMode;
  backupFolder_ = primaryBackup;
}

QString BackupFolders::BackupPath(const QString& name) const {
  const QString exact = backupFolder_ + QLatin1Char('/') + name + QLatin1String(kBackupExtension);
  if (QFileInfo::exists(exact)) return exact;
  const QLatin1String extension(kBackupExtension);
  QDir dir(backupFolder_);
  // Files whose name begins with `name` + "."; only the extension may differ in letter case.
  QString pattern = name + extension;
  for (QChar& c : pattern)
    if (c == QLatin1Char('*') || c == QLatin1Char('?') || c == QLatin1Char('[')) c = QLatin1Char('?');
  const QStringList files = dir.entryList({pattern}, QDir::Files | QDir::Hidden, QDir::Name);
  for (const QString& f : files)
    if (f.size() == pattern.size() && f.startsWith(name) && f.endsWith(extension, Qt::CaseInsensitive))
      return dir.filePath(f);
  return exact;
}

bool BackupFolders::IsPlainName(const QString& name) {
  return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
         !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) && !name.contains(QChar(0));
}

std::vector<BackupRow> BackupFolders::ListBackupFiles() {
  QDir dir(backupFolder_);
  // Name filters ignore letter case unless QDir::CaseSensitive is given.
  QStringList files =
      dir.entryList({QStringLiteral("*") + QLatin1String(kBackupExtension) + QStringLiteral("*")},
                    QDir::Files, QDir::NoSort);
  // A save in progress (or one stopped half way) is no backup.
  files.removeIf([](const QString& f) { return f.startsWith(QLatin1String(kSaveTempPrefix)); });
  std::sort(files.begin(), files.end(), [](const QString& a, const QString& b) {
    const int c = QString::compare(a, b, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : a < b;
  });
  std::vector<BackupRow> rows;
  rows.reserve(static_cast<std::size_t>(files.size()));
  backupNames_.clear();
  for (qsizetype n = 0; n < files.size(); ++n) {
    const QString name = StripExtension(files[n]);
    rows.push_back({QString::number(n), name});
    if (backupNames_.size() < kMaxBackupNames) backupNames_.append(name);
  }
  return rows;
}

QString StripExtension(const QString& fileName) {
  const qsizetype dot = fileName.size() - 5;
  if (dot >= 0 && fileName[dot] == QLatin1Char('.')) return fileName.left(dot);
  return fileName;
}

}  // namespace morvelin
