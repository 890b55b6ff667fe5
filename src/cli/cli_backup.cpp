#include "cli/cli_backup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <memory>

#include "presets/backup_file.h"
#include "presets/backup_folders.h"

namespace morvelin {

QString CliPath(const std::string& file) {
  return QFile::decodeName(QByteArray::fromStdString(file));
}

QString ShownCliPath(const std::string& file) {
  return QDir::toNativeSeparators(QFileInfo(CliPath(file)).absoluteFilePath());
}

bool BackupWritable(const std::string& file, std::ostream& err) {
  const QFileInfo target(CliPath(file));
  // The save writes a new file beside the target and renames it over the target.
  QTemporaryFile probe(target.absolutePath() + QLatin1Char('/') + QLatin1String(kSaveTempPrefix) +
                       QStringLiteral("XXXXXX"));
  if (!target.isDir() && probe.open()) return true;
  err << "Cannot save file: " << ShownCliPath(file).toStdString() << '\n';
  return false;
}

int BackupToFile(const std::string& file, const ParamStore& store, std::ostream& err) {
  StreamNotifier notifier(err, ShownCliPath(file));
  return SaveBackupToPath(CliPath(file), store, notifier) ? 0 : kCliFileError;
}

namespace {

struct OfflineDownload : DownloadLink {
  bool LinkOnline() const override { return false; }
  void StartDownload() override {}
};

}  // namespace

bool RestorableFile(const std::string& file, std::ostream& err) {
  StreamNotifier notifier(err, ShownCliPath(file));
  OfflineDownload offline;
  EditSelection selection;
  // Two images of 31 blocks: too large for the stack.
  auto scratch = std::make_unique<ParamStore>(selection);
  return LoadBackupFromPath(CliPath(file), *scratch, notifier, offline);
}

bool RestoreFromFile(const std::string& file, ParamStore& store, LinkController& link, std::ostream& err) {
  StreamNotifier notifier(err, ShownCliPath(file));
  ControllerDownload download(link);
  return LoadBackupFromPath(CliPath(file), store, notifier, download);
}

}  // namespace morvelin
