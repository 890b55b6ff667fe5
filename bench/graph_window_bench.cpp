#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <memory>

#include "../tests/support/recorded_message_boxes.h"
#include "graphs/widgets/band_point.h"
#include "graphs/widgets/graph_image.h"
#include "graphs/widgets/response_graph.h"
#include "platform/loopback_port.h"
#include "shell/application.h"
#include "unit/virtual_unit.h"

namespace morvelin {
namespace {

// The whole program on the virtual unit, online after the full read, music page shown.
struct OnlineWindow {
  OnlineWindow() {
    PrepareApplication();
    StartupOptions options;
    options.ports.demo = true;
    app = std::make_unique<Morvelin>(options, &messages);
    app->Form1().show();
    QElapsedTimer clock;
    clock.start();
    while (!app->Form3().Link().LinkOnline() && clock.elapsed() < 20000)
      QApplication::processEvents(QEventLoop::AllEvents, 5);
    app->Form1().Tabs().ClickTab(0);
    port = dynamic_cast<LoopbackPort*>(&app->Form3().Port());
  }
  ~OnlineWindow() { app.reset(); }
  bool Online() { return app->Form3().Link().LinkOnline() && port; }
  ResponseGraph& Graph() { return *app->Features().graph.Graph(); }

  RecordedMessageBoxes messages;
  std::unique_ptr<Morvelin> app;
  LoopbackPort* port = nullptr;
};

// One pointer motion of a held band point in the real window: the event, the drag rules, the
// frequency and gain words through the editor's ApplyValue, both frames written to the port
// (the unit's acknowledgements delivered at once so nothing queues), and the curve repainted on
// the bitmap and on the screen.
void BM_GraphWindowDragMotion(benchmark::State& state) {
  OnlineWindow w;
  if (!w.Online()) {
    state.SkipWithError("the virtual unit did not come online");
    return;
  }
  BandPoint* point = w.Graph().Point(3);
  const QPoint grip(7, 7);
  QMouseEvent press(QEvent::MouseButtonPress, grip, point->mapToGlobal(grip), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(point, &press);
  const QPoint start = point->pos() + grip;
  VirtualUnit& unit = w.port->Unit();
  unit.ClearReceived();
  std::size_t frames = 0;
  int k = 0;
  for (auto _ : state) {
    // Back and forth by a few pixels: both words change at every motion.
    const QPoint target = start + ((k++ % 2) ? QPoint(6, -6) : QPoint(0, 0));
    const QPoint local = target - point->pos();
    QMouseEvent move(QEvent::MouseMove, local, point->mapToGlobal(local), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(point, &move);
    w.port->DeliverNow();
    // The image widget painted from the new bitmap, as the next frame shows it.
    w.Graph().Image1()->repaint();
    benchmark::DoNotOptimize(w.Graph().Picture().constBits());
    if (unit.ReceivedFrames().size() > 10000) {
      frames += unit.ReceivedFrames().size();
      unit.ClearReceived();
    }
  }
  QMouseEvent release(QEvent::MouseButtonRelease, grip, point->mapToGlobal(grip), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(point, &release);
  state.counters["frames/motion"] = benchmark::Counter(double(frames + unit.ReceivedFrames().size()) /
                                                       double(std::max<int64_t>(1, state.iterations())));
}
BENCHMARK(BM_GraphWindowDragMotion)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace morvelin
