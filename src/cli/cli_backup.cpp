#include "cli/cli_backup.h"

#include <QDir>
#include <QFile>
#include <memory>

#include "presets/backup_file.h"

namespace morvelin {

QString CliPath(const std::string& file) {
  return QFile::decodeName(QByteArray::fromStdString(file));
}

int BackupToFile(const std::string& file, const ParamStore& store, std::ostream& err) {
  StreamNotifier notifier(err);
  const QString path = CliPath(file);
  if (!SaveBackupToPath(path, store, notifier)) return kCliFileError;
  err << "Saved " << QDir::toNativeSeparators(path).toStdString() << '\n';
  return 0;
}

namespace {

struct OfflineDownload : DownloadLink {
  bool LinkOnline() const override { return false; }
  void StartDownload() override {}
};

}  // namespace

bool RestorableFile(const std::string& file, std::ostream& err) {
  StreamNotifier notifier(err);
  OfflineDownload offline;
  EditSelection selection;
  // Two images of 31 blocks: too large for the stack.
  auto scratch = std::make_unique<ParamStore>(selection);
  return LoadBackupFromPath(CliPath(file), *scratch, notifier, offline);
}

bool RestoreFromFile(const std::string& file, ParamStore& store, LinkController& link, std::ostream& err) {
  StreamNotifier notifier(err);
  ControllerDownload download(link);
  return LoadBackupFromPath(CliPath(file), store, notifier, download);
}

}  // namespace morvelin
