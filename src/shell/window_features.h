#pragma once
// The main window's features on the editor session, made in the order they subscribe: the
// binding, band editing with the switches, access control and the response graph. A new
// feature is one more member here, given the session and what it needs.

#include "editor/widgets/editor_binding.h"
#include "editor/widgets/eq_handlers.h"
#include "shell/access_control.h"
#include "shell/graph_wiring.h"
#include "shell/message_boxes.h"

namespace morvelin {

class MainWindow;

struct WindowFeatures {
  // Ends with the window's FormCreate, which announces the form to every feature. Messages of
  // access control go to `boxes`; without them they are shown modally.
  explicit WindowFeatures(MainWindow& window, MessageBoxes* boxes = nullptr);
  ~WindowFeatures();
  WindowFeatures(const WindowFeatures&) = delete;
  WindowFeatures& operator=(const WindowFeatures&) = delete;

  ModalMessageBoxes modalBoxes;
  EditorBinding binding;
  EqHandlers eq;  // after binding: uninstalls itself first
  AccessControl access;
  GraphWiring graph;

 private:
  MainWindow& window_;
};

}  // namespace morvelin
