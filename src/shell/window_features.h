#pragma once
// The main window's features on the editor session, made in the order they subscribe: the
// binding, band editing with the switches, the access display, the response graph and the
// language switch. A new feature is one more member here, given the session and what it needs.

#include "editor/widgets/access_display.h"
#include "editor/widgets/editor_binding.h"
#include "editor/widgets/eq_handlers.h"
#include "shell/graph_wiring.h"
#include "shell/language_switch.h"

namespace morvelin {

class MainWindow;

struct WindowFeatures {
  // Ends with the window's FormCreate, which announces the form to every feature.
  explicit WindowFeatures(MainWindow& window);
  WindowFeatures(const WindowFeatures&) = delete;
  WindowFeatures& operator=(const WindowFeatures&) = delete;

  EditorBinding binding;
  EqHandlers eq;  // after binding: uninstalls itself first
  AccessDisplay access;
  GraphWiring graph;
  LanguageSwitch language;
};

}  // namespace morvelin
