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
      access(window.Session(), binding, window, messages ? *messages : modalBoxes),
      graph(window.Session(), binding),
      eqFiles(window.Session(), graph),
      notices(window, messages ? *messages : modalBoxes, window.State()),
      spectrum(window.Session(), graph, binding, notices, std::move(capture)),
      language(window.Session(), window.Components(), window.Tabs()),
      undo(window.Session(), window.Components(), window),
      accessible(window.Session(), window.Components(), window),
      keyboard(window.Session(), window.Components(), window),
      window_(window) {
  window.SetValueEditRule(
      [this](const Control& c) { return binding.Registry().ValueControl(c.Tag()) == &c; });
  eqFiles.SetStepRunner([this](const std::function<void()>& edit) { undo.RunAsOneStep(edit); });
  window.FormCreate();
}

WindowFeatures::~WindowFeatures() {
  window_.SetValueEditRule({});
}

}  // namespace morvelin
