#pragma once
// Backup files from the command line: the unit's memory saved to a file anywhere, and a file
// loaded with the editor's checks and written to the unit. Notices go to the error stream.

#include <ostream>
#include <string>

#include "link/link_controller.h"
#include "params/param_store.h"
#include "presets/download_link.h"
#include "presets/notifier.h"

namespace morvelin {

// Exit code of a backup file that could not be written, or that failed its checks.
inline constexpr int kCliFileError = 3;

// The backup files' notices as English lines, each naming the file when its text does not.
class StreamNotifier : public Notifier {
 public:
  explicit StreamNotifier(std::ostream& err, QString shownPath = {})
      : err_(err), path_(std::move(shownPath)) {}
  void ShowNotice(const QString&, const QString& englishText) override {
    err_ << englishText.toStdString();
    if (!path_.isEmpty() && !englishText.contains(path_)) err_ << " (" << path_.toStdString() << ')';
    err_ << '\n';
  }

 private:
  std::ostream& err_;
  QString path_;
};

// The full write of the link controller, for the backup loader.
class ControllerDownload : public DownloadLink {
 public:
  explicit ControllerDownload(LinkController& link) : link_(link) {}
  bool LinkOnline() const override { return link_.LinkOnline(); }
  void StartDownload() override { link_.StartDownload(); }

 private:
  LinkController& link_;
};

// A command-line path as the file system names it.
QString CliPath(const std::string& file);

// The file as the messages show it: absolute, in the system's separators.
QString ShownCliPath(const std::string& file);

// Whether the backup file `file` can be written (its folder takes a new file and the name is no
// folder), checked before the unit is read; false with the save's notice on err.
bool BackupWritable(const std::string& file, std::ostream& err);

// Saves the device image (after a full read) as the backup file `file`; 0 or kCliFileError.
int BackupToFile(const std::string& file, const ParamStore& store, std::ostream& err);

// Reads and checks `file` as a restore would, without touching the unit: a bad file is
// refused before the search. False when it failed (its notice is on err).
bool RestorableFile(const std::string& file, std::ostream& err);

// Loads `file` into the device image and, the link being online, starts the full write.
// False when the file failed (its notice is on err); nothing is sent then.
bool RestoreFromFile(const std::string& file, ParamStore& store, LinkController& link, std::ostream& err);

}  // namespace morvelin
