#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>

#include "../tests/graphs_widgets/fake_graph_host.h"
#include "graphs/widgets/band_point.h"
#include "graphs/widgets/graph_pane.h"
#include "graphs/widgets/response_graph.h"

namespace morvelin {
namespace {

using testing::FakeGraphHost;

// The music page at the design size with a few bands boosted so the curve has shape, shown
// (offscreen): each figure includes the paint of what it changed.
struct MusicGraph {
  MusicGraph() {
    for (int band = 0; band < 10; ++band) {
      host.store.ViewImage[0][BandWordIndex(10, band, 0)] = 1 + band % 3;
      host.store.ViewImage[0][BandWordIndex(10, band, 2)] = 90 + 9 * band;
    }
    host.store.ViewImage[0][4] = 8;
    host.store.ViewImage[0][5] = 20;
    host.store.ViewImage[0][6] = 11;
    host.store.ViewImage[0][7] = 330;
    graph.RedrawCurve(kSelectAll, 0);
    pane.show();
    QApplication::processEvents();
  }
  FakeGraphHost host;
  GraphPane pane{host};
  ResponseGraph& graph = *pane.Graph();
};

// One band's response recomputed, the 22 entries summed, the changed part of the picture painted.
void BM_GraphSingleBandRedraw(benchmark::State& state) {
  MusicGraph g;
  int k = 0;
  for (auto _ : state) {
    g.host.store.ViewImage[0][22] = 100 + (k++ % 40);
    g.graph.RedrawCurve(2, 0);
    QApplication::processEvents();  // the paint of what changed
  }
}
BENCHMARK(BM_GraphSingleBandRedraw)->Unit(benchmark::kMicrosecond);

void BM_GraphFullRedraw(benchmark::State& state) {
  MusicGraph g;
  int k = 0;
  for (auto _ : state) {
    g.host.store.ViewImage[0][22] = 100 + (k++ % 40);
    g.graph.RedrawCurve(kSelectAll, 0);
    QApplication::processEvents();  // the paint of what changed
  }
}
BENCHMARK(BM_GraphFullRedraw)->Unit(benchmark::kMicrosecond);

// One pointer motion of a held band point: the event, the drag rules, the frequency and gain
// words through ApplyValue, and the band's curve redrawn.
void BM_GraphDragMotion(benchmark::State& state) {
  MusicGraph g;
  BandPoint* point = g.graph.Point(3);
  const QPoint grip(7, 7);
  QMouseEvent press(QEvent::MouseButtonPress, grip, point->mapToGlobal(grip), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(point, &press);
  const QPoint start = point->pos() + grip;
  int k = 0;
  std::size_t writes = 0;
  for (auto _ : state) {
    // Back and forth by a few pixels: both words change at every motion.
    const QPoint target = start + ((k++ % 2) ? QPoint(6, -6) : QPoint(0, 0));
    const QPoint local = target - point->pos();
    QMouseEvent move(QEvent::MouseMove, local, point->mapToGlobal(local), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(point, &move);
    QApplication::processEvents();  // the paint of what changed
    if (g.host.sender.sent.size() > 100000) g.host.sender.sent.clear();
    if (g.host.applied.size() > 100000) {
      writes += g.host.applied.size();
      g.host.applied.clear();
    }
  }
  state.counters["writes/motion"] = benchmark::Counter(double(writes + g.host.applied.size()) /
                                                       double(std::max<int64_t>(1, state.iterations())));
}
BENCHMARK(BM_GraphDragMotion)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace morvelin
