#pragma once
// The link as the preset groups use it: the mode save, and the full write after a loaded backup.

#include "link/link_controller.h"
#include "presets/download_link.h"
#include "presets/preset_view.h"

namespace morvelin {

class PresetLink : public ModeSaveLink, public DownloadLink {
 public:
  explicit PresetLink(LinkController& link) : link_(link) {}
  bool SaveMode(int modeIndex, const std::string& name) override { return link_.SaveMode(modeIndex, name); }
  bool LinkOnline() const override { return link_.LinkOnline(); }
  void StartDownload() override { link_.StartDownload(); }

 private:
  LinkController& link_;
};

}  // namespace morvelin
