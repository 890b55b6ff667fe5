#pragma once
// The main window's features on the editor session, made in the order they subscribe: the
// binding, band editing with the switches, the access display, the response graph and the
// spectrum analyser on it. A new feature is one more member here, given the session and what
// it needs.

#include <memory>

#include "editor/access_display.h"
#include "editor/editor_binding.h"
#include "editor/eq_handlers.h"
#include "platform/audio_capture.h"
#include "shell/graph_wiring.h"
#include "shell/message_boxes.h"
#include "shell/preset_dialogs.h"
#include "shell/spectrum_feature.h"

namespace morvelin {

class MainWindow;

struct WindowFeatures {
  // Ends with the window's FormCreate, which announces the form to every feature. Notices go
  // to `messages` (modal boxes when null); the spectrum listens to `capture` (the default
  // recording device when null).
  explicit WindowFeatures(MainWindow& window, MessageBoxes* messages = nullptr,
                          std::unique_ptr<AudioCapture> capture = nullptr);
  WindowFeatures(const WindowFeatures&) = delete;
  WindowFeatures& operator=(const WindowFeatures&) = delete;

  EditorBinding binding;
  EqHandlers eq;  // after binding: uninstalls itself first
  AccessDisplay access;
  GraphWiring graph;
  ModalMessageBoxes modal;
  BoxNotifier notices;
  SpectrumFeature spectrum;
};

}  // namespace morvelin
