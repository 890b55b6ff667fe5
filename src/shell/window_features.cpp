#include "shell/window_features.h"

#include <QApplication>
#include <QMessageBox>

#include "shell/main_window.h"

namespace morvelin {

WindowFeatures::WindowFeatures(MainWindow& window)
    : binding(window.Components(), window.Session(), window.Tabs()),
      eq(binding, &window,
         [&window](const QString& text) {
           QMessageBox::information(&window, QApplication::applicationDisplayName(), text);
         }),
      access(window.Session(), binding),
      graph(window.Session(), binding),
      language(window.Session(), window.Components(), window.Tabs()) {
  window.FormCreate();
}

}  // namespace morvelin
