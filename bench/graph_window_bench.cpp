// The editor as the user has it: the whole program, online, its window shown at the design size
// (the graph 1142 x 256), at 1920 x 1040 and at 3840 x 2100 (run again with QT_SCALE_FACTOR=2 for
// the high-DPI figures: scripts/bench does). Each figure includes the paint the event loop does
// for it; the screen's scale factor, the graph's size and the process's peak memory so far are
// printed beside it.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMouseEvent>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>

#include "../tests/support/fake_audio_capture.h"
#include "../tests/support/recorded_message_boxes.h"
#include "event_loop.h"
#include "graphs/widgets/band_point.h"
#include "graphs/widgets/graph_image.h"
#include "graphs/widgets/response_graph.h"
#include "link/link_controller.h"
#include "platform/posix/pty_server.h"
#include "shell/application.h"
#include "unit/loopback_port.h"
#include "unit/virtual_unit.h"

namespace morvelin {
namespace {

std::int64_t NowNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

double CpuSeconds(int who) {
  rusage usage{};
  getrusage(who, &usage);
  return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double PeakRssMb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return double(usage.ru_maxrss) / 1024.0;
}

// The virtual unit on a pseudo-terminal, answering from a thread of its own, so that the moment
// each frame's bytes arrive is taken as they arrive, whatever the editor's thread is doing.
class PtyUnitThread : public QThread {
 public:
  ~PtyUnitThread() override {
    quit();
    wait();
  }
  // The terminal's name for the editor, empty when it could not be opened.
  std::string Start() {
    QThread::start();
    std::unique_lock lock(mutex_);
    ready_.wait(lock, [this] { return started_; });
    return slave_;
  }
  std::int64_t Arrivals() const { return arrivals_.load(); }
  std::int64_t LastArrivalNs() const { return lastArrivalNs_.load(); }

 protected:
  void run() override {
    VirtualUnit unit;
    PtyServer server([&](std::span<const std::uint8_t> bytes) {
      lastArrivalNs_.store(NowNs());
      arrivals_.fetch_add(1);
      unit.Receive(bytes);
    });
    std::string error;
    const bool ok = server.Start(&error);
    if (ok) unit.SetOutputHandler([&] { server.Send(unit.TakeOutput()); });
    {
      std::lock_guard lock(mutex_);
      slave_ = ok ? server.SlavePath() : std::string();
      started_ = true;
    }
    ready_.notify_all();
    if (ok) exec();
    unit.SetOutputHandler(nullptr);
  }

 private:
  std::mutex mutex_;
  std::condition_variable ready_;
  bool started_ = false;
  std::string slave_;
  std::atomic<std::int64_t> arrivals_{0};
  std::atomic<std::int64_t> lastArrivalNs_{0};
};

// The whole program online after the full read, music page shown, window at the size asked for.
// Its port is the built-in virtual unit's in-process line, or a real serial port (QSerialPort)
// on a pseudo-terminal served by PtyUnitThread.
struct OnlineWindow {
  OnlineWindow(QSize size, const std::string& portName) {
    PrepareApplication();
    StartupOptions options;
    options.ports.names = {portName};
    // No sound card: the capture stays quiet, as on a PC without one.
    options.audioCapture = [] { return std::make_unique<testing::FakeAudioCapture>(); };
    app = std::make_unique<Morvelin>(options, &messages);
    app->Form1().resize(size);
    app->Form1().show();
    QElapsedTimer clock;
    clock.start();
    while (!app->Form3().Link().LinkOnline() && clock.elapsed() < 30000) RunEventLoopFor(10);
    app->Form1().Tabs().ClickTab(0);
    RunEventLoopFor(50);
    line = app->Form3().DemoLine();
  }
  bool Online() { return app->Form3().Link().LinkOnline(); }
  ResponseGraph& Graph() { return *app->Features().graph.Graph(); }
  // What the event loop would do next: the paint of what was invalidated, received bytes.
  static void Settle() { QApplication::processEvents(); }
  void Report(benchmark::State& state) {
    state.counters["dpr"] = app->Form1().devicePixelRatioF();
    state.counters["graph_w"] = Graph().width();
    state.counters["graph_h"] = Graph().height();
    state.counters["peak_rss_MB"] = PeakRssMb();
  }

  RecordedMessageBoxes messages;
  std::unique_ptr<Morvelin> app;
  LoopbackPort* line = nullptr;
};

// False, with the benchmark marked, when the unit did not come online (or, for the drag, the
// built-in unit's line is missing).
bool CameOnline(OnlineWindow& w, benchmark::State& state, bool lineThere = true) {
  if (w.Online() && lineThere) return true;
  state.SkipWithError("the unit did not come online");
  return false;
}

// The unit's terminal, or empty with the benchmark marked.
std::string ServeUnit(PtyUnitThread& unit, benchmark::State& state) {
  std::string slave = unit.Start();
  if (slave.empty()) state.SkipWithError("no pseudo-terminal");
  return slave;
}

// A held band point, moved back and forth by a few pixels so that both words change each time.
struct HeldPoint {
  explicit HeldPoint(ResponseGraph& graph) : point(graph.Point(3)) {
    QMouseEvent press(QEvent::MouseButtonPress, kGrip, point->mapToGlobal(kGrip), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(point, &press);
    start = point->pos() + kGrip;
  }
  ~HeldPoint() {
    QMouseEvent release(QEvent::MouseButtonRelease, kGrip, point->mapToGlobal(kGrip), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(point, &release);
  }
  void Move() {
    const QPoint target = start + ((k++ % 2) ? QPoint(6, -6) : QPoint(0, 0));
    const QPoint local = target - point->pos();
    QMouseEvent move(QEvent::MouseMove, local, point->mapToGlobal(local), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(point, &move);
  }
  static constexpr QPoint kGrip{7, 7};
  BandPoint* point;
  QPoint start;
  int k = 1;  // the first motion already moves
};

void WindowSizes(benchmark::internal::Benchmark* b) {
  b->ArgNames({"w", "h"})->Args({1198, 618})->Args({1920, 1040})->Args({3840, 2100});
}

QSize SizeOf(const benchmark::State& state) {
  return QSize(int(state.range(0)), int(state.range(1)));
}

// One pointer motion of a held band point: the event, the drag rules, both words through the
// editor's ApplyValue, both frames written to the port (the unit's acknowledgements delivered at
// once), and the paint of what changed on the screen.
void BM_WindowDragMotion(benchmark::State& state) {
  OnlineWindow w(SizeOf(state), kDemoPortName);
  if (!CameOnline(w, state, w.line != nullptr)) return;
  VirtualUnit& unit = w.line->Unit();
  HeldPoint held(w.Graph());
  OnlineWindow::Settle();
  unit.ClearReceived();
  std::size_t frames = 0;
  for (auto _ : state) {
    held.Move();
    w.line->DeliverNow();
    OnlineWindow::Settle();
    if (unit.ReceivedFrames().size() > 10000) {
      frames += unit.ReceivedFrames().size();
      unit.ClearReceived();
    }
  }
  state.counters["frames/motion"] = benchmark::Counter(double(frames + unit.ReceivedFrames().size()) /
                                                       double(std::max<int64_t>(1, state.iterations())));
  w.Report(state);
}
BENCHMARK(BM_WindowDragMotion)->Apply(WindowSizes)->Unit(benchmark::kMillisecond);

// Every curve of the page redrawn (a page switch, a refresh) and painted.
void BM_WindowFullRedraw(benchmark::State& state) {
  OnlineWindow w(SizeOf(state), kDemoPortName);
  if (!CameOnline(w, state)) return;
  ParamStore& store = w.app->Session().Store();
  int k = 0;
  for (auto _ : state) {
    store.ViewImage[0][22] = 100 + (k++ % 40);
    w.Graph().RedrawCurve(kSelectAll, 0);
    OnlineWindow::Settle();
  }
  w.Report(state);
}
BENCHMARK(BM_WindowFullRedraw)->Apply(WindowSizes)->Unit(benchmark::kMillisecond);

// Every control of every page shown from the store (as after a full read), and painted.
void BM_WindowRefreshPage(benchmark::State& state) {
  OnlineWindow w(SizeOf(state), kDemoPortName);
  if (!CameOnline(w, state)) return;
  for (auto _ : state) {
    w.app->Session().RefreshPage(100);
    OnlineWindow::Settle();
  }
  w.Report(state);
}
BENCHMARK(BM_WindowRefreshPage)->Apply(WindowSizes)->Unit(benchmark::kMillisecond);

// From the pointer event of a drag motion to the first byte of its frame read on the far side
// of a real serial port (QSerialPort on a pseudo-terminal), timed by the reading thread. The
// editor's thread does not return to its event loop before the byte is there, so a frame that
// waited for the paint would not arrive at all (reported as an error). Between motions the
// event loop runs: the paint, the unit's acknowledgements and the queued second word.
void BM_PtyEventToByte(benchmark::State& state) {
  PtyUnitThread unit;
  const std::string slave = ServeUnit(unit, state);
  if (slave.empty()) return;
  OnlineWindow w(SizeOf(state), slave);
  if (!CameOnline(w, state)) return;
  LinkController& link = w.app->Form3().Link();
  // Until the unit has acknowledged everything: the next edit then goes out at once.
  const auto settle = [&link] {
    QElapsedTimer clock;
    clock.start();
    do RunEventLoopFor(5);
    while ((link.Flags().SendReady != 1 || !link.Queue().Empty()) && clock.elapsed() < 1000);
  };
  HeldPoint held(w.Graph());
  settle();
  double worst = 0;
  int lost = 0;
  for (auto _ : state) {
    const std::int64_t before = unit.Arrivals();
    const std::int64_t t0 = NowNs();
    held.Move();
    while (unit.Arrivals() == before && NowNs() - t0 < 50'000'000) QThread::yieldCurrentThread();
    const double seconds = unit.Arrivals() == before ? 0.05 : double(unit.LastArrivalNs() - t0) / 1e9;
    lost += unit.Arrivals() == before;
    worst = std::max(worst, seconds);
    state.SetIterationTime(seconds);
    state.PauseTiming();
    settle();  // the paint, the acknowledgements, the hold step's queued second word
    state.ResumeTiming();
  }
  state.counters["worst_ms"] = worst * 1e3;
  if (lost > 0) state.SkipWithError("a frame did not leave before the event loop ran again");
  w.Report(state);
}
BENCHMARK(BM_PtyEventToByte)
    ->Apply(WindowSizes)
    ->Iterations(40)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

// The editor online on the real serial port, left alone for five seconds: the CPU time of its
// thread (the unit's thread not counted) over the wall time, in percent of one core.
void BM_IdleCpuOnline(benchmark::State& state) {
  PtyUnitThread unit;
  const std::string slave = ServeUnit(unit, state);
  if (slave.empty()) return;
  OnlineWindow w(QSize(1198, 618), slave);
  if (!CameOnline(w, state)) return;
  RunEventLoopFor(1000);
  int ticks = 0;
  QObject counting;
  QObject::connect(&w.app->Session(), &EditorSession::Ticked, &counting, [&ticks] { ++ticks; });
  double cpu = 0, wall = 0;
  for (auto _ : state) {
    const double before = CpuSeconds(RUSAGE_THREAD);
    QElapsedTimer clock;
    clock.start();
    RunEventLoopFor(5000);
    wall += double(clock.nsecsElapsed()) / 1e9;
    cpu += CpuSeconds(RUSAGE_THREAD) - before;
  }
  state.counters["cpu_percent"] = wall > 0 ? 100.0 * cpu / wall : 0.0;
  state.counters["graph_ticks_per_s"] = wall > 0 ? ticks / wall : 0.0;
  w.Report(state);
}
BENCHMARK(BM_IdleCpuOnline)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace morvelin
