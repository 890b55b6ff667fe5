#include "presets/safety_backups.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

#include "presets/backup_content.h"
#include "presets/backup_file.h"
#include "presets/backup_folders.h"

namespace morvelin {

namespace {

constexpr int kStampLength = 19;  // "2026-12-10 21-04-33"

bool IsSafetyFileName(const QString& fileName) {
  static const QRegularExpression pattern(QStringLiteral(R"(^\d{4}-\d\d-\d\d \d\d-\d\d-\d\d .+\.nddt$)"),
                                          QRegularExpression::CaseInsensitiveOption);
  return pattern.match(fileName).hasMatch();
}

// The place of a file among the saves of its second: " (n)" before the extension, else 1.
int SequenceOf(const QString& fileName) {
  static const QRegularExpression pattern(QStringLiteral(R"( \((\d+)\)\.nddt$)"),
                                          QRegularExpression::CaseInsensitiveOption);
  const QRegularExpressionMatch m = pattern.match(fileName);
  return m.hasMatch() ? m.captured(1).toInt() : 1;
}

}  // namespace

QString BeforeRecallReason(int mode) {
  return QStringLiteral("before recall %1").arg(mode);
}
QString BeforeLoadReason(const QString& backupName) {
  return QStringLiteral("before loading ") + backupName;
}
QString BeforeRestoreReason() {
  return QStringLiteral("before restore");
}
QString AtLinkUpReason() {
  return QStringLiteral("at link-up");
}

SafetyBackups::SafetyBackups(std::function<QString()> folder, Clock now)
    : folder_(std::move(folder)),
      now_(now ? std::move(now) : Clock([] { return QDateTime::currentDateTime(); })) {}

bool SafetyBackups::Save(const ParamStore& store, const QString& reason, const QString& keep) {
  const QString folder = folder_();
  if (folder.isEmpty() || !QDir().mkpath(folder)) return false;
  // Folder separators in a reason (a backup's name) would leave the folder.
  QString why = reason;
  why.replace(QLatin1Char('/'), QLatin1Char('_')).replace(QLatin1Char('\\'), QLatin1Char('_'));
  const QString stem = now_().toString(QStringLiteral("yyyy-MM-dd HH-mm-ss")) + QLatin1Char(' ') + why;
  // The saves of one second are numbered from the second on, which orders them.
  int n = 1;
  for (const SafetyFile& f : List())
    if (f.name.startsWith(stem.left(kStampLength))) n = std::max(n, SequenceOf(f.path) + 1);
  const QString suffix = n > 1 ? QStringLiteral(" (%1)").arg(n) : QString();
  const QString path = folder + QLatin1Char('/') + stem + suffix + QLatin1String(kBackupExtension);
  if (!WriteLinesReplacing(path, BackupLines(store.DeviceImage))) return false;
  const std::vector<SafetyFile> files = List();
  for (std::size_t k = kSafetyBackupsKept; k < files.size(); ++k)
    if (files[k].path != keep) QFile::remove(files[k].path);
  return true;
}

std::vector<SafetyFile> SafetyBackups::List() const {
  QDir dir(folder_());
  if (folder_().isEmpty() || !dir.exists()) return {};
  QFileInfoList infos = dir.entryInfoList(QDir::Files, QDir::NoSort);
  infos.removeIf([](const QFileInfo& f) { return !IsSafetyFileName(f.fileName()); });
  // By the time in the name, then by the number within its second.
  std::sort(infos.begin(), infos.end(), [](const QFileInfo& a, const QFileInfo& b) {
    const int c = a.fileName().left(kStampLength).compare(b.fileName().left(kStampLength));
    if (c != 0) return c > 0;
    const int sa = SequenceOf(a.fileName());
    const int sb = SequenceOf(b.fileName());
    return sa != sb ? sa > sb : a.fileName() > b.fileName();
  });
  std::vector<SafetyFile> out;
  for (const QFileInfo& f : infos) out.push_back({f.absoluteFilePath(), StripExtension(f.fileName())});
  return out;
}

}  // namespace morvelin
