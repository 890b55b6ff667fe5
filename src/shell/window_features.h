#pragma once
// The main window's features on the editor session, made in the order they subscribe: the
// binding, band editing with the switches, access control, the response graph, the spectrum
// analyser on it, the language switch, the edit history, accessibility and keyboard use. A new
// feature is one more member here, given the session and what it needs.

#include <memory>

#include "editor/widgets/accessibility/accessible_form.h"
#include "editor/widgets/editor_binding.h"
#include "editor/widgets/eq_handlers.h"
#include "platform/audio_capture.h"
#include "shell/access_control.h"
#include "shell/eq_file_menu.h"
#include "shell/graph_wiring.h"
#include "shell/keyboard_access.h"
#include "shell/language_switch.h"
#include "shell/message_boxes.h"
#include "shell/preset_dialogs.h"
#include "shell/spectrum_feature.h"
#include "shell/undo_feature.h"

namespace morvelin {

class MainWindow;

struct WindowFeatures {
  // Ends with the window's FormCreate, which announces the form to every feature. Messages and
  // notices go to `messages` (modal boxes when null); the spectrum listens to `capture` (the
  // default recording device when null).
  explicit WindowFeatures(MainWindow& window, MessageBoxes* messages = nullptr,
                          std::unique_ptr<AudioCapture> capture = nullptr);
  ~WindowFeatures();
  WindowFeatures(const WindowFeatures&) = delete;
  WindowFeatures& operator=(const WindowFeatures&) = delete;

  ModalMessageBoxes modalBoxes;
  EditorBinding binding;
  EqHandlers eq;  // after binding: uninstalls itself first
  AccessControl access;
  GraphWiring graph;
  EqFileMenu eqFiles;  // after graph: its menu sits on the graph
  BoxNotifier notices;
  SpectrumFeature spectrum;
  LanguageSwitch language;
  UndoFeature undo;
  AccessibleForm accessible;  // after language: names are read once the captions have switched
  KeyboardAccess keyboard;    // last: orders the widgets every feature has put on the form

 private:
  MainWindow& window_;
};

}  // namespace morvelin
