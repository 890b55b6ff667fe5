#pragma once
// What a loaded backup needs from the link: whether the unit is online, and the full write
// that sends the whole device image to it.

namespace morvelin {

class DownloadLink {
 public:
  virtual ~DownloadLink() = default;
  virtual bool LinkOnline() const = 0;
  virtual void StartDownload() = 0;
};

}  // namespace morvelin
