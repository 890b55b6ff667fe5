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

bool BackupFiles::SaveBackupFile(const QString& name) {
  const QString path = folders_.BackupPath(name);
  if (WriteLinesReplacing(path, BackupLines(store_.DeviceImage))) return true;
  const QString shown = QDir::toNativeSeparators(path);
  notifier_.ShowNotice(QStringLiteral("无法保存文件: ") + shown,
                       QStringLiteral("Cannot save file: ") + shown);
  return false;
}

bool BackupFiles::LoadBackupFile(const QString& name) {
  std::vector<std::string> lines;
  if (!ReadLines(folders_.BackupPath(name), lines)) {
    notifier_.ShowNotice(QStringLiteral("文件不存在"), QStringLiteral("File not find!"));
    return false;
  }
  const CheckedBackup backup = CheckBackup(lines);
  switch (backup.result) {
    case BackupCheck::Ok:
      break;
    case BackupCheck::FormatError:
      notifier_.ShowNotice(QStringLiteral("文件格式错误!"), QStringLiteral("File format error!"));
      return false;
    case BackupCheck::Corrupted:
      notifier_.ShowNotice(QStringLiteral("数据文件损坏!"), QStringLiteral("Data file is corrupted!"));
      return false;
  }
  ApplyBackup(backup.words, store_);
  if (link_.LinkOnline()) link_.StartDownload();
  return true;
}

}  // namespace morvelin
