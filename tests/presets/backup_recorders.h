#pragma once
// Stand-ins for the dialog and the link in backup tests.

#include <QString>
#include <utility>
#include <vector>

#include "presets/download_link.h"
#include "presets/notifier.h"

namespace morvelin {

struct RecordingNotifier : Notifier {
  std::vector<std::pair<QString, QString>> notices;
  void ShowNotice(const QString& chinese, const QString& english) override {
    notices.emplace_back(chinese, english);
  }
};

struct RecordingLink : DownloadLink {
  bool online = true;
  int downloads = 0;
  bool LinkOnline() const override { return online; }
  void StartDownload() override { ++downloads; }
};

}  // namespace morvelin
