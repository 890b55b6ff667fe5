#pragma once
// The link's window side for the command line: English status texts and the percentage on
// stderr, messages as lines, events handed to the running command.

#include <functional>
#include <ostream>

#include "link/recording_link_ui.h"

namespace morvelin {

class CliLinkUi : public RecordingLinkUi {
 public:
  explicit CliLinkUi(std::ostream& err) : err_(err) { Language = 0; }

  std::function<void(LinkEventKind)> onEvent;
  std::function<void()> onAck;

  void SetLinkStatus(const std::string& caption, const std::string& hint) override {
    RecordingLinkUi::SetLinkStatus(caption, hint);
    if (caption == shownStatus_) return;
    shownStatus_ = caption;
    shownPercent_ = -1;
    err_ << caption << '\n';
  }
  void UpdateStatusWindow(const StatusWindowModel& model, bool front) override {
    RecordingLinkUi::UpdateStatusWindow(model, front);
    if (!model.Visible || model.Percent == shownPercent_) return;
    shownPercent_ = model.Percent;
    err_ << model.StatusCopy << ' ' << model.Percent << "%\n";
  }
  void ShowMessage(const std::string& caption, const std::string& text) override {
    RecordingLinkUi::ShowMessage(caption, text);
    err_ << text << '\n';
  }
  void LinkEventDone(LinkEventKind kind) override {
    RecordingLinkUi::LinkEventDone(kind);
    if (onEvent) onEvent(kind);
  }
  void Acknowledged() override {
    RecordingLinkUi::Acknowledged();
    if (onAck) onAck();
  }

 private:
  std::ostream& err_;
  std::string shownStatus_;
  int shownPercent_ = -1;
};

}  // namespace morvelin
