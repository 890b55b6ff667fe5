#pragma once
// Program entry: the application object, its title and font, and the three windows created in
// order (main window, link window, status window).

#include <functional>
#include <memory>

#include "editor/editor_session.h"
#include "shell/language_memory.h"
#include "shell/link_window.h"
#include "shell/main_window.h"
#include "shell/message_boxes.h"
#include "shell/preset_wiring.h"
#include "shell/status_window.h"
#include "shell/window_features.h"
#include "shell/window_link_ui.h"

namespace morvelin {

struct StartupOptions {
  PortChoice ports;
  // Print the time from process start to the first completely painted frame and the peak memory, then quit.
  bool benchStartup = false;
  // Where the backup folders go (tests use temporary ones).
  BackupPlaces backups;
  // The link's time: the event loop's when null; tests step a clock of their own.
  SteppedClock* clock = nullptr;
  // The spectrum analyser's audio input; the PC's default recording device when empty.
  std::function<std::unique_ptr<AudioCapture>()> audioCapture;
  // Where the chosen language is remembered (the program gives the user's settings).
  SettingsPlace settings;
};

// Sets the application's title, font and memory policy; needs the QApplication to exist.
void PrepareApplication();

// The program's single-instance objects, created in the order of the program entry: the
// session, the main window with its features, the link and status windows, the presets; last the
// remembered language is applied, before anything is shown.
class Morvelin {
 public:
  explicit Morvelin(const StartupOptions& options, MessageBoxes* messages = nullptr);
  ~Morvelin();

  EditorSession& Session() { return session_; }
  EditSelection& Selection() { return session_.Selection(); }
  ParamStore& Store() { return session_.Store(); }
  EditorState& State() { return session_.State(); }
  MainWindow& Form1() { return *form1_; }
  WindowFeatures& Features() { return *features_; }
  LinkWindow& Form3() { return *form3_; }
  StatusWindow& Form2() { return *form2_; }
  WindowLinkUi& LinkUiAdapter() { return *linkUi_; }
  PresetWiring& Presets() { return *presets_; }

 private:
  EditorSession session_;
  ModalMessageBoxes modal_;
  std::unique_ptr<MainWindow> form1_;
  std::unique_ptr<WindowFeatures> features_;  // after form1_: goes before the window
  std::unique_ptr<WindowLinkUi> linkUi_;
  std::unique_ptr<LinkWindow> form3_;
  std::unique_ptr<StatusWindow> form2_;
  std::unique_ptr<PresetWiring> presets_;
  std::unique_ptr<LanguageMemory> language_;
};

// The whole program: returns the exit code.
int RunMorvelin(int argc, char** argv, const StartupOptions& options);

}  // namespace morvelin
