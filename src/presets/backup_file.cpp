#include "presets/backup_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <filesystem>
#include <limits>
#include <system_error>

#include "presets/backup_content.h"

namespace morvelin {

bool WriteLinesReplacing(const QString& path, const std::vector<std::string>& lines,
                         const std::function<bool()>& beforeRename) {
  // The new content goes into a hidden file of the same folder first, named so that no listing
  // of backups ever shows it, and replaces the old file only when it is complete.
  const QFileInfo target(path);
  if (target.isDir()) return false;
  QTemporaryFile file(target.absolutePath() + QLatin1Char('/') + QLatin1String(kSaveTempPrefix) +
                      QStringLiteral("XXXXXX"));
  if (!file.open()) return false;
  for (const std::string& line : lines) {
    const qint64 size = static_cast<qint64>(line.size());
    if (file.write(line.data(), size) != size || file.write("\r\n", 2) != 2) return false;
  }
  if (!file.flush()) return false;
  file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                      QFileDevice::ReadOther);
  file.close();
  if (file.error() != QFileDevice::NoError) return false;
  if (beforeRename && !beforeRename()) return false;
  std::error_code failed;
  std::filesystem::rename(std::filesystem::path(file.fileName().toStdU16String()),
                          std::filesystem::path(path.toStdU16String()), failed);
  if (failed) return false;
  file.setAutoRemove(false);
  return true;
}

ReadOutcome ReadLinesUpTo(const QString& path, qint64 maxBytes, std::vector<std::string>& lines) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return ReadOutcome::Unreadable;
  // Refused by its size alone: a huge file is never read into memory.
  if (file.size() > maxBytes) return ReadOutcome::TooLarge;
  // As much as the file holds: a read of maxBytes would reserve that much first.
  const QByteArray data = file.read(file.size());
  if (file.error() != QFileDevice::NoError) return ReadOutcome::Unreadable;
  if (!file.atEnd()) return ReadOutcome::TooLarge;  // grew while being read, or a device
  lines.clear();
  qsizetype start = 0;
  while (start < data.size()) {
    qsizetype end = data.indexOf('\n', start);
    if (end < 0) end = data.size();
    qsizetype stop = end;
    if (stop > start && data[stop - 1] == '\r') --stop;
    lines.emplace_back(data.constData() + start, static_cast<std::size_t>(stop - start));
    start = end + 1;
  }
  return ReadOutcome::Ok;
}

bool ReadLines(const QString& path, std::vector<std::string>& lines) {
  return ReadLinesUpTo(path, std::numeric_limits<int>::max(), lines) == ReadOutcome::Ok;
}

namespace {

bool CannotSave(const QString& path, Notifier& notifier) {
  const QString shown = QDir::toNativeSeparators(path);
  notifier.ShowNotice(QStringLiteral("无法保存文件: ") + shown, QStringLiteral("Cannot save file: ") + shown);
  return false;
}

bool NotFound(Notifier& notifier) {
  notifier.ShowNotice(QStringLiteral("文件不存在"), QStringLiteral("File not find!"));
  return false;
}

bool FormatError(Notifier& notifier) {
  notifier.ShowNotice(QStringLiteral("文件格式错误!"), QStringLiteral("File format error!"));
  return false;
}

}  // namespace

bool SaveBackupToPath(const QString& path, const ParamStore& store, Notifier& notifier) {
  return WriteLinesReplacing(path, BackupLines(store.DeviceImage)) || CannotSave(path, notifier);
}

bool LoadBackupFromPath(const QString& path, ParamStore& store, Notifier& notifier, DownloadLink& link) {
  std::vector<std::string> lines;
  switch (ReadLinesUpTo(path, kMaxBackupFileBytes, lines)) {
    case ReadOutcome::Ok:
      break;
    case ReadOutcome::Unreadable:
      return NotFound(notifier);
    case ReadOutcome::TooLarge:
      return FormatError(notifier);
  }
  const CheckedBackup backup = CheckBackup(lines);
  switch (backup.result) {
    case BackupCheck::Ok:
      break;
    case BackupCheck::FormatError:
      return FormatError(notifier);
    case BackupCheck::Corrupted:
      notifier.ShowNotice(QStringLiteral("数据文件损坏!"), QStringLiteral("Data file is corrupted!"));
      return false;
  }
  ApplyBackup(backup.words, store);
  if (link.LinkOnline()) link.StartDownload();
  return true;
}

// A typed name never reaches outside the backup folder.
bool BackupFiles::SaveBackupFile(const QString& name) {
  if (!BackupFolders::IsPlainName(name)) return CannotSave(name, notifier_);
  return SaveBackupToPath(folders_.BackupPath(name), store_, notifier_);
}

bool BackupFiles::LoadBackupFile(const QString& name) {
  if (!BackupFolders::IsPlainName(name)) return NotFound(notifier_);
  return LoadBackupFromPath(folders_.BackupPath(name), store_, notifier_, link_);
}

bool BackupFiles::LoadBackupAt(const QString& path) {
  return LoadBackupFromPath(path, store_, notifier_, link_);
}

}  // namespace morvelin
