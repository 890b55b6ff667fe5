#pragma once
// The whole program on the demo unit, online, driven through its widgets; the unit's received
// word writes are what the tests check.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWheelEvent>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "editor/widgets/controls/bmp_button.h"
#include "editor/widgets/controls/combo_box.h"
#include "editor/widgets/controls/text_controls.h"
#include "editor/widgets/controls/track_bar.h"
#include "editor/widgets/editor_binding.h"
#include "editor/widgets/eq_handlers.h"
#include "link/frames.h"
#include "platform/stepped_clock.h"
#include "shell/application.h"
#include "shell/link_window.h"
#include "shell/message_boxes.h"
#include "support/recorded_message_boxes.h"
#include "unit/virtual_unit.h"

namespace morvelin::test {

struct WordWrite {
  int address;
  int value;
  friend bool operator==(const WordWrite&, const WordWrite&) = default;
};

inline std::ostream& operator<<(std::ostream& os, const WordWrite& w) {
  return os << "(" << w.address / 256 << "," << w.address % 256 << ")=" << w.value;
}

class EqRig {
 public:
  // `backups`: where the backup folders go (beside the test program when empty).
  explicit EqRig(const BackupPlaces& backups = {}) : app_(Options(backups), &messages) {
    PrepareApplication();
    Main().show();
    (void)QTest::qWaitForWindowExposed(&Main());
    Main().activateWindow();
    (void)QTest::qWaitForWindowActive(&Main());
    online = clock.RunUntil([&] { return app_.Form3().Link().LinkOnline(); }, 15000);
    // Let the refresh after the full read finish.
    clock.Advance(50);
  }

  MainWindow& Main() { return app_.Form1(); }
  EditorBinding& Binding() { return app_.Features().binding; }
  ParamStore& Store() { return Main().Store(); }
  EditorState& State() { return Main().State(); }
  EditSelection& Selection() { return Main().Store().Selection(); }
  VirtualUnit& Unit() { return *app_.Form3().DemoUnit(); }
  EqHandlers& Eq() { return app_.Features().eq; }
  WindowFeatures& Features() { return app_.Features(); }
  PresetWiring& Presets() { return app_.Presets(); }

  template <class T>
  T* Get(const char* name) {
    T* c = Main().Components().Get<T>(name);
    EXPECT_NE(c, nullptr) << name;
    return c;
  }

  // Forget what the unit received so far (after the edits in flight have arrived).
  void ClearWrites() {
    Settle();
    Unit().ClearReceived();
  }
  // Word writes the unit received, in order (link codes left out).
  std::vector<WordWrite> Writes() {
    Settle();
    std::vector<WordWrite> out;
    for (const Bytes& f : Unit().ReceivedFrames()) {
      if (f.size() != 9 || f[3] != WriteType) continue;
      const int address = f[4] * 256 + f[5];
      if (address == LinkCodeAddr) continue;
      out.push_back({address, f[6] | (f[7] << 8)});
    }
    return out;
  }
  // The write of a view word as the unit receives it (mapped to its device address).
  WordWrite Write(int block, int index, int value) {
    return {Store().DeviceAddressOf(block * 256 + index), value};
  }

  // The link's time moves on; the edits in flight reach the unit and are acknowledged.
  void Settle() { clock.Advance(120); }

  void Click(QWidget* w) {
    ASSERT_NE(w, nullptr);
    QTest::mouseClick(w, Qt::LeftButton);
  }
  void ClickTab(int tab) { Main().Tabs().ClickTab(tab); }

  // Click an edit, replace its text by typing, then press Enter.
  void Type(Edit* edit, const char* text) {
    TypeWithoutEnter(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
  }
  // The same, leaving the typed text un-entered in the edit.
  void TypeWithoutEnter(Edit* edit, const char* text) {
    ASSERT_NE(edit, nullptr);
    Click(edit);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
  }

  void Wheel(QWidget* over, int delta) {
    QWheelEvent e(QPointF(2, 2), over->mapToGlobal(QPointF(2, 2)), QPoint(), QPoint(0, delta), Qt::NoButton,
                  Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(over, &e);
  }

  SteppedClock clock;
  RecordedMessageBoxes messages;
  bool online = false;

 private:
  StartupOptions Options(const BackupPlaces& backups) {
    StartupOptions o;
    o.backups = backups;
    o.ports.names = {kDemoPortName};
    o.clock = &clock;
    return o;
  }
  Morvelin app_;
};

}  // namespace morvelin::test
