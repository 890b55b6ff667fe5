#pragma once
// Program entry: the application object, its title and font, and the three windows created in
// order (main window, link window, status window).

#include <memory>

#include "editor/editor_state.h"
#include "params/edit_selection.h"
#include "params/param_store.h"
#include "shell/access_control.h"
#include "shell/link_window.h"
#include "shell/main_window.h"
#include "shell/message_boxes.h"
#include "shell/preset_wiring.h"
#include "shell/program_hooks.h"
#include "shell/status_window.h"
#include "shell/window_link_ui.h"

namespace morvelin {

struct StartupOptions {
  PortChoice ports;
  // Print the time from process start to the first painted frame and the peak memory, then quit.
  bool benchStartup = false;
  // Where the backup folders go (tests use temporary ones).
  BackupPlaces backups;
  // Manual: the link's timers only keep their running state; tests deliver the ticks.
  TimerDrive linkTimers = TimerDrive::Qt;
};

// Sets the application's title and font; needs the QApplication to exist.
void PrepareApplication();

// The program's single-instance objects, created in the order of the program entry.
class Morvelin {
 public:
  explicit Morvelin(const StartupOptions& options, MessageBoxes* messages = nullptr,
                    WindowHooks* hooks = nullptr);
  ~Morvelin();

  EditSelection& Selection() { return selection_; }
  ParamStore& Store() { return store_; }
  EditorState& State() { return state_; }
  MainWindow& Form1() { return *form1_; }
  LinkWindow& Form3() { return *form3_; }
  StatusWindow& Form2() { return *form2_; }
  WindowLinkUi& LinkUiAdapter() { return *linkUi_; }
  PresetWiring& Presets() { return *presets_; }
  AccessControl& Access() { return *access_; }

 private:
  EditSelection selection_;
  ParamStore store_{selection_};
  EditorState state_;
  ModalMessageBoxes modal_;
  ProgramWindowHooks hooks_;
  std::unique_ptr<MainWindow> form1_;
  std::unique_ptr<WindowLinkUi> linkUi_;
  std::unique_ptr<LinkWindow> form3_;
  std::unique_ptr<StatusWindow> form2_;
  std::unique_ptr<PresetWiring> presets_;
  std::unique_ptr<AccessControl> access_;
};

// The whole program: returns the exit code.
int RunMorvelin(int argc, char** argv, const StartupOptions& options);

// Milliseconds since this process started, as the system counts it.
double MillisecondsSinceProcessStart();
// Peak resident memory of this process in kilobytes.
long PeakResidentKilobytes();

}  // namespace morvelin
