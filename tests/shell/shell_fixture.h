#pragma once
// The whole program on the virtual unit, with recorded message boxes, for the shell tests.

#include <QApplication>
#include <QTest>
#include <memory>

#include "link/link_controller.h"
#include "platform/stepped_clock.h"
#include "shell/application.h"
#include "support/fake_audio_capture.h"
#include "support/recorded_message_boxes.h"
#include "unit/virtual_unit.h"

namespace morvelin::test {

// The virtual unit, and an audio input that starts but stays silent (tests feed it).
inline StartupOptions DemoOptions() {
  StartupOptions o;
  o.ports.names = {kDemoPortName};
  o.audioCapture = [] { return std::make_unique<testing::FakeAudioCapture>(); };
  return o;
}

// The link's time is a stepped clock: the tests move it on instead of waiting.
struct Program {
  explicit Program(const StartupOptions& options = DemoOptions()) : app(OnClock(options), &messages) {
    PrepareApplication();
  }
  SteppedClock clock;
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
    return clock.RunUntil([&] { return Link().LinkOnline(); }, ms);
  }

 private:
  StartupOptions OnClock(StartupOptions options) {
    options.clock = &clock;
    return options;
  }
};

}  // namespace morvelin::test
