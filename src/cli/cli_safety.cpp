#include "cli/cli_safety.h"

#include <QDir>

namespace morvelin {

CliSafety::CliSafety(const CliSafetyOptions& options)
    : folders_(options.programFolder, options.fallbackBase),
      backups_(
          [this] { return folders_.BackupFolder() + QLatin1Char('/') + QLatin1String(kSafetyFolderName); },
          options.clock) {
  folders_.EnsureFolders();
}

void CliSafety::SaveBefore(const ParamStore& store, const QString& reason, std::ostream& err) {
  if (!backups_.Save(store, reason)) err << kSafetySaveFailedEn << '\n';
}

void CliSafety::List(std::ostream& out) const {
  for (const SafetyFile& f : backups_.List()) out << QDir::toNativeSeparators(f.path).toStdString() << '\n';
}

}  // namespace morvelin
