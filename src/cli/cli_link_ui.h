#pragma once
// The link's window side for the command line: English status texts and the percentage on
// stderr, messages as lines, events handed to the running command.

#include <functional>
#include <ostream>
#include <string>

#include "cli/cli_command.h"
#include "link/link_ui.h"

namespace morvelin {

class CliLinkUi : public LinkUi {
 public:
  explicit CliLinkUi(std::ostream& err, CliProgress progress = CliProgress::Lines)
      : err_(err), progress_(progress) {}
  ~CliLinkUi() override { EndProgressLine(); }

  std::function<void(LinkEventKind)> onEvent;
  std::function<void()> onAck;
  // What a link message adds in parentheses (which port failed); none when empty.
  std::function<std::string()> messageDetail;
  // Acknowledgements seen so far.
  int Acks = 0;

  // A line of progress or of confirmation; --quiet leaves it out.
  void Note(const std::string& text) {
    if (progress_ == CliProgress::Quiet) return;
    EndProgressLine();
    err_ << text << '\n';
  }
  // A failure, always shown.
  void Error(const std::string& text) {
    EndProgressLine();
    err_ << text << '\n';
  }
  // The command has ended: the release's status is no news.
  void CloseProgress() {
    EndProgressLine();
    progressClosed_ = true;
  }
  // Ends a rewritten progress line, so that what follows starts a line of its own.
  void EndProgressLine() {
    if (!progressOpen_) return;
    progressOpen_ = false;
    err_ << '\n' << std::flush;
  }

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
    Progress(caption);
  }
  void UpdateStatusWindow(const StatusWindowModel& model, bool) override {
    if (!model.Visible || model.Percent == shownPercent_) return;
    shownPercent_ = model.Percent;
    Progress(model.StatusCopy + ' ' + std::to_string(model.Percent) + '%');
  }
  void ShowMessage(const std::string&, const std::string& text) override {
    const std::string detail = messageDetail ? messageDetail() : std::string();
    Error(detail.empty() ? text : text + " (" + detail + ')');
  }
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
  void Progress(const std::string& text) {
    if (progressClosed_) return;
    switch (progress_) {
      case CliProgress::Quiet:
        return;
      case CliProgress::Lines:
        err_ << text << '\n';
        return;
      case CliProgress::OneLine:
        // Back to the line's start, the new text, the rest of the old one erased.
        err_ << '\r' << text << "\x1b[K" << std::flush;
        progressOpen_ = true;
        return;
    }
  }

  std::ostream& err_;
  CliProgress progress_;
  bool progressOpen_ = false;
  bool progressClosed_ = false;
  int checkState_ = 0;
  std::string shownStatus_;
  int shownPercent_ = -1;
};

}  // namespace morvelin
