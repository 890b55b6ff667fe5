#pragma once
// A LinkUi without a window: keeps what the link showed, for tests and the command line.

#include <utility>

#include "link/link_ui.h"

namespace morvelin {

class RecordingLinkUi : public LinkUi {
 public:
  struct Message {
    std::string caption, text;
  };

  int Language = 1;
  int CheckState = 0;
  int HiddenTabHides = 0;
  int PageRefreshes = 0;
  int MainWindowShows = 0;
  std::string StatusCaption, StatusHint;
  Rgb StatusColour{};
  bool LinkButtonPressed = false;
  std::string LinkButtonCaption;
  std::array<std::string, kModeNameSlots> ModeList{};
  int ModeListUpdates = 0;
  std::string DeviceId;
  std::vector<std::string> Diagnostics;
  StatusWindowModel StatusWindow;
  std::vector<Message> Messages;
  std::vector<Message> Questions;
  bool Answer = false;  // the answer to every question
  std::vector<LinkEventKind> Events;
  int Acks = 0;

  int UiLanguage() const override { return Language; }
  int FirstCheckState() const override { return CheckState; }
  void SetFirstCheckState(int state) override { CheckState = state; }
  void HideHiddenPageTab() override { ++HiddenTabHides; }
  void RefreshAllPages() override { ++PageRefreshes; }
  void ShowMainWindow() override { ++MainWindowShows; }
  void SetLinkStatus(const std::string& caption, const std::string& hint) override {
    StatusCaption = caption;
    StatusHint = hint;
  }
  void SetLinkColour(Rgb colour) override { StatusColour = colour; }
  void SetLinkButton(bool pressed, const std::string& caption) override {
    LinkButtonPressed = pressed;
    LinkButtonCaption = caption;
  }
  void SetModeList(const std::array<std::string, kModeNameSlots>& entries) override {
    ModeList = entries;
    ++ModeListUpdates;
  }
  void SetDeviceId(const std::string& caption) override { DeviceId = caption; }
  void AppendDiagnostic(const std::string& line) override { Diagnostics.push_back(line); }
  void UpdateStatusWindow(const StatusWindowModel& model, bool) override { StatusWindow = model; }
  void ShowMessage(const std::string& caption, const std::string& text) override {
    Messages.push_back({caption, text});
  }
  bool AskYesNo(const std::string& caption, const std::string& text) override {
    Questions.push_back({caption, text});
    return Answer;
  }
  void LinkEventDone(LinkEventKind kind) override { Events.push_back(kind); }
  void Acknowledged() override { ++Acks; }
};

}  // namespace morvelin
