#pragma once
// The whole program on the virtual unit, with recorded message boxes, for the shell tests.

#include <QApplication>
#include <QTest>
#include <memory>

#include "link/link_controller.h"
#include "platform/loopback_port.h"
#include "shell/application.h"
#include "support/recorded_message_boxes.h"
#include "unit/virtual_unit.h"

namespace morvelin::test {

inline StartupOptions DemoOptions() {
  StartupOptions o;
  o.ports.demo = true;
  return o;
}

struct Program {
  explicit Program(const StartupOptions& options = DemoOptions()) : app(options, &messages) {
    PrepareApplication();
  }
  RecordedMessageBoxes messages;
  Morvelin app;

  MainWindow& Main() { return app.Form1(); }
  LinkController& Link() { return app.Form3().Link(); }
  // Shows the main window (running FormShow) and waits until it has been exposed.
  void Show() {
    Main().show();
    (void)QTest::qWaitForWindowExposed(&Main());
  }
  // Lets the link run until it is online or the time is up.
  bool WaitOnline(int ms = 8000) {
    return QTest::qWaitFor([&] { return Link().LinkOnline(); }, ms);
  }
};

}  // namespace morvelin::test
