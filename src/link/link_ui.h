#pragma once
// What the link touches outside itself: the main window's status label, link button, mode list,
// hidden panes and start-up flags, the status window, and message boxes. The editor and the
// command line implement these.

#include <array>
#include <string>
#include <vector>

#include "link/status_texts.h"
#include "params/param_store.h"

namespace morvelin {

// What the status window shows.
struct StatusWindowModel {
  std::string Caption;     // "设备状态" / "Device Staus"
  std::string WaitText;    // WarnLabel
  std::string StatusCopy;  // copy of the main window's status caption
  int Percent = 0;         // round(done / total * 100)
  std::string PortName;    // ComLabel
  bool Visible = false;
  bool operator==(const StatusWindowModel&) const = default;
};

enum class LinkEventKind {
  StartLinking,
  StartLoading,
  StartDownload,
  Online,
  LinkLost,
  SearchFailed,
  ModeSaved
};

class LinkUi {
 public:
  virtual ~LinkUi() = default;

  virtual int UiLanguage() const = 0;
  // FirstCheckState: reset by a search, raised when the link first comes up.
  virtual int FirstCheckState() const = 0;
  virtual void SetFirstCheckState(int state) = 0;

  virtual void HideHiddenPageTab() = 0;  // FormHintTabBtn
  // Link up: RefreshPage(kAllBlocks), then the current page's curve address and that page again.
  virtual void RefreshAllPages() = 0;
  virtual void ShowMainWindow() = 0;

  // LinkLabel: caption in the current language, hint in the other.
  virtual void SetLinkStatus(const std::string& caption, const std::string& hint) = 0;
  virtual void SetLinkColour(Rgb colour) = 0;
  // LinkBtn look: pressed while searching, transferring or online.
  virtual void SetLinkButton(bool pressed, const std::string& caption) = 0;
  // SysModeBox after a save; the list keeps its selected position.
  virtual void SetModeList(const std::array<std::string, kModeNameSlots>& entries) = 0;
  virtual void SetDeviceId(const std::string& caption) = 0;    // DeviceIDLabel
  virtual void AppendDiagnostic(const std::string& line) = 0;  // Memo2

  virtual void UpdateStatusWindow(const StatusWindowModel& model, bool bringToFront) = 0;
  // One OK button.
  virtual void ShowMessage(const std::string& caption, const std::string& text) = 0;
  // A Yes/No question; true for Yes.
  virtual bool AskYesNo(const std::string& caption, const std::string& text) = 0;

  // Told after every state change of the link, once it has been carried out.
  virtual void LinkEventDone(LinkEventKind) {}
  // Told on every acknowledgement from the unit.
  virtual void Acknowledged() {}
};

}  // namespace morvelin
