#pragma once
// The link's window side for the command line: English status texts and the percentage on
// stderr, messages as lines, events handed to the running command.

#include <functional>
#include <ostream>

#include "link/link_ui.h"

namespace morvelin {

class CliLinkUi : public LinkUi {
 public:
  explicit CliLinkUi(std::ostream& err) : err_(err) {}

  std::function<void(LinkEventKind)> onEvent;
  std::function<void()> onAck;
  // Acknowledgements seen so far.
  int Acks = 0;

  int UiLanguage() const override { return 0; }
  int FirstCheckState() const override { return checkState_; }
  void SetFirstCheckState(int state) override { checkState_ = state; }
  void HideHiddenPageTab() override {}
  void RefreshAllPages() override {}
  void ShowMainWindow() override {}
  void SetLinkColour(Rgb) override {}
  void SetLinkButton(bool, const std::string&) override {}
  void SetModeList(const std::array<std::string, kModeNameSlots>&) override {}
  void SetDeviceId(const std::string&) override {}
  void AppendDiagnostic(const std::string&) override {}

  void SetLinkStatus(const std::string& caption, const std::string&) override {
    if (caption == shownStatus_) return;
    shownStatus_ = caption;
    shownPercent_ = -1;
    err_ << caption << '\n';
  }
  void UpdateStatusWindow(const StatusWindowModel& model, bool) override {
    if (!model.Visible || model.Percent == shownPercent_) return;
    shownPercent_ = model.Percent;
    err_ << model.StatusCopy << ' ' << model.Percent << "%\n";
  }
  void ShowMessage(const std::string&, const std::string& text) override { err_ << text << '\n'; }
  // The command line never heals its link, so nothing is asked; a question would find no one.
  bool AskYesNo(const std::string&, const std::string&) override { return false; }
  void LinkEventDone(LinkEventKind kind) override {
    if (onEvent) onEvent(kind);
  }
  void Acknowledged() override {
    ++Acks;
    if (onAck) onAck();
  }

 private:
  std::ostream& err_;
  int checkState_ = 0;
  std::string shownStatus_;
  int shownPercent_ = -1;
};

}  // namespace morvelin
