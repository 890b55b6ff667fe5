#pragma once
// The link's view of the windows: the main window's status label, link button, mode list and
// hidden page tab, the status window and the message boxes.

#include <QStringList>

#include "link/link_ui.h"

namespace morvelin {

class MainWindow;
class StatusWindow;
class MessageBoxes;
class PresetWiring;

class WindowLinkUi : public LinkUi {
 public:
  WindowLinkUi(MainWindow& window, MessageBoxes& messages);
  void SetStatusWindow(StatusWindow* status) { status_ = status; }
  // The mode group that rebuilds SysModeBox after a save; without it the list is filled here.
  void SetPresets(PresetWiring* presets) { presets_ = presets; }

  int UiLanguage() const override;
  int FirstCheckState() const override;
  void SetFirstCheckState(int state) override;
  void HideHiddenPageTab() override;
  void RefreshAllPages() override;
  void ShowMainWindow() override;
  void SetLinkStatus(const std::string& caption, const std::string& hint) override;
  void SetLinkColour(Rgb colour) override;
  void SetLinkButton(bool pressed, const std::string& caption) override;
  void SetModeList(const std::array<std::string, kModeNameSlots>& entries) override;
  void SetDeviceId(const std::string& caption) override;
  void AppendDiagnostic(const std::string& line) override;
  void UpdateStatusWindow(const StatusWindowModel& model, bool bringToFront) override;
  void ShowMessage(const std::string& caption, const std::string& text) override;
  void LinkEventDone(LinkEventKind kind) override;

  // The hidden diagnostic memo: the newest lines, at most kDiagnosticLines.
  static constexpr int kDiagnosticLines = 2000;
  const QStringList& Diagnostics() const { return diagnostics_; }

 private:
  MainWindow& window_;
  MessageBoxes& messages_;
  StatusWindow* status_ = nullptr;
  PresetWiring* presets_ = nullptr;
  QStringList diagnostics_;
};

}  // namespace morvelin
