#include "presets/backup_file.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include "presets/backup_content.h"

namespace morvelin {

bool WriteLinesReplacing(const QString& path, const std::vector<std::string>& lines,
                         const std::function<bool()>& beforeRename) {
  QSaveFile file(path);
  file.setDirectWriteFallback(false);  // never write into the old file itself
  if (!file.open(QIODevice::WriteOnly)) return false;
  for (const std::string& line : lines) {
    const qint64 size = static_cast<qint64>(line.size());
    if (file.write(line.data(), size) != size || file.write("\r\n", 2) != 2) {
      file.cancelWriting();
      return false;
    }
  }
  if (beforeRename && !beforeRename()) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

bool ReadLines(const QString& path, std::vector<std::string>& lines) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  const QByteArray data = file.readAll();
  if (file.error() != QFileDevice::NoError) return false;
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
  return true;
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

}  // namespace

bool SaveBackupToPath(const QString& path, const ParamStore& store, Notifier& notifier) {
  return WriteLinesReplacing(path, BackupLines(store.DeviceImage)) || CannotSave(path, notifier);
}

bool LoadBackupFromPath(const QString& path, ParamStore& store, Notifier& notifier, DownloadLink& link) {
  std::vector<std::string> lines;
  if (!ReadLines(path, lines)) return NotFound(notifier);
  const CheckedBackup backup = CheckBackup(lines);
  switch (backup.result) {
    case BackupCheck::Ok:
      break;
    case BackupCheck::FormatError:
      notifier.ShowNotice(QStringLiteral("文件格式错误!"), QStringLiteral("File format error!"));
      return false;
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

}  // namespace morvelin
