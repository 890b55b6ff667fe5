#pragma once
// The whole program with the response graph on the virtual unit ("DEMO"), and helpers that
// press, drag and look at points.

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <algorithm>
#include <memory>
#include <vector>

#include "editor/widgets/editor_binding.h"
#include "graphs/widgets/band_point.h"
#include "graphs/widgets/response_graph.h"
#include "link/frames.h"
#include "shell/application.h"
#include "shell/shell_fixture.h"
#include "unit/virtual_unit.h"

namespace morvelin::test {

struct GraphProgram {
  GraphProgram() { PrepareApplication(); }

  RecordedMessageBoxes messages;
  Morvelin app{DemoOptions(), &messages};

  MainWindow& Main() { return app.Form1(); }
  LinkController& Link() { return app.Form3().Link(); }
  VirtualUnit& Unit() { return *app.Form3().DemoUnit(); }
  ResponseGraph& Graph() { return *app.Features().graph.Graph(); }
  BandPoint* Point(int p) { return Graph().Point(p); }
  template <class T>
  T* Get(const char* name) {
    return Main().Components().Get<T>(QString::fromUtf8(name));
  }

  void Show() {
    Main().show();
    (void)QTest::qWaitForWindowExposed(&Main());
  }
  bool WaitOnline(int ms = 15000) {
    return QTest::qWaitFor([&] { return Link().LinkOnline(); }, ms);
  }

  // Write frames the unit received for a view address (as the link maps it now).
  int FramesWriting(int viewAddress, int value) {
    const Bytes want = WordFrame(WriteType, app.Store().DeviceAddressOf(viewAddress), value);
    const auto& frames = Unit().ReceivedFrames();
    return static_cast<int>(std::count(frames.begin(), frames.end(), want));
  }
  // Every address the unit was told to write since the last ClearReceived.
  std::vector<int> WrittenAddresses() {
    std::vector<int> out;
    for (const Bytes& f : Unit().ReceivedFrames())
      if (f.size() >= 8 && f[3] == WriteType) out.push_back(f[4] << 8 | f[5]);
    return out;
  }
  // Lets the link hand queued edits to the unit.
  void WaitForFrame(int viewAddress, int value, int ms = 2000) {
    (void)QTest::qWaitFor([&] { return FramesWriting(viewAddress, value) > 0; }, ms);
  }

  // Waits until the link has handed every queued edit to the unit (no frame for 80 ms).
  void Settle(int ms = 5000) {
    QElapsedTimer clock;
    clock.start();
    std::size_t seen = Unit().ReceivedFrames().size();
    do {
      QTest::qWait(80);
      const std::size_t now = Unit().ReceivedFrames().size();
      if (now == seen) return;
      seen = now;
    } while (clock.elapsed() < ms);
  }

  // A press on a point, `steps` motions by `delta` in all, and the release.
  void Drag(int point, QPoint delta, int steps = 10) {
    constexpr QPoint kGrip{7, 7};
    BandPoint* p = Point(point);
    const QPoint start = p->pos() + kGrip;
    QTest::mousePress(p, Qt::LeftButton, {}, kGrip);
    for (int k = 1; k <= steps; ++k) QTest::mouseMove(p, start + delta * k / steps - p->pos());
    QTest::mouseRelease(p, Qt::LeftButton, {}, start + delta - p->pos());
  }
};

}  // namespace morvelin::test
