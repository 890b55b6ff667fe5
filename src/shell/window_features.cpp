#include "shell/window_features.h"

#include <QApplication>
#include <QMessageBox>

#include "shell/main_window.h"

namespace morvelin {

WindowFeatures::WindowFeatures(MainWindow& window, MessageBoxes* messages,
                               std::unique_ptr<AudioCapture> capture)
    : binding(window.Components(), window.Session(), window.Tabs()),
      eq(binding, &window,
         [&window](const QString& text) {
           QMessageBox::information(&window, QApplication::applicationDisplayName(), text);
         }),
      access(window.Session(), binding),
      graph(window.Session(), binding),
      notices(window, messages ? *messages : modal, window.State()),
      spectrum(window.Session(), graph, binding, notices, std::move(capture)) {
  window.FormCreate();
}

}  // namespace morvelin
