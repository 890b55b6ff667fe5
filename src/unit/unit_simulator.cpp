#include "unit/unit_simulator.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include "platform/posix/termination_signals.h"
#include "unit/pty_unit_server.h"
#include "unit/virtual_unit.h"

namespace morvelin {

namespace {

constexpr int kClockMs = 2;  // how finely held-back answers are released
constexpr int kFrameLogMs = 10;

}  // namespace

std::string ReceivedFrameLine(std::span<const std::uint8_t> frame) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text = "received";
  for (const std::uint8_t b : frame) {
    text += ' ';
    text += kDigits[b >> 4];
    text += kDigits[b & 0xF];
  }
  return text;
}

std::optional<bool> PanelLockOption(const std::string& text) {
  if (text == "on") return true;
  if (text == "off") return false;
  return std::nullopt;
}

std::optional<int> AccessLevelOption(const std::string& text) {
  if (text == "user") return 0;
  if (text == "manager") return 1;
  return std::nullopt;
}

int RunUnitSimulator(const UnitSimulatorOptions& options, std::ostream& out, std::ostream& err) {
  TerminationSignals stopSignals([](int) { QCoreApplication::quit(); });
  if (!stopSignals.IsWatching()) err << "warning: cannot watch SIGINT/SIGTERM\n";

  VirtualUnit unit;
  if (options.wordsPerReport > 0) unit.wordsPerReport = options.wordsPerReport;
  unit.faults.latencyMs = options.latencyMs;
  unit.faults.noisePercent = options.noisePercent;
  unit.faults.badChecksumPercent = options.badChecksumPercent;
  unit.faults.dropAckPercent = options.dropAckPercent;
  unit.Seed(options.seed);
  if (options.panelLock) unit.SetPanelLock(*options.panelLock);
  if (options.accessLevel) unit.SetAccessLevel(*options.accessLevel);
  if (options.panelPassword) unit.SetPanelPassword(*options.panelPassword);
  if (options.systemPassword) unit.SetSystemPassword(*options.systemPassword);
  PtyUnitServer server(unit);
  std::string error;
  if (!server.Start(&error)) {
    err << "cannot open a pseudo-terminal: " << error << '\n';
    return 1;
  }
  if (!options.linkPath.empty() && !server.MakeLink(options.linkPath, &error)) {
    err << "cannot link " << options.linkPath << ": " << error << '\n';
    return 1;
  }

  QElapsedTimer elapsed;
  elapsed.start();
  QTimer clock;
  if (options.latencyMs > 0) {
    QObject::connect(&clock, &QTimer::timeout, [&] { unit.SetTime(elapsed.elapsed()); });
    clock.setTimerType(Qt::PreciseTimer);
    clock.start(kClockMs);
  }
  QTimer silence;
  if (options.silentAfterS >= 0) {
    silence.setSingleShot(true);
    QObject::connect(&silence, &QTimer::timeout, [&] {
      unit.faults.silent = true;
      err << "silent from now on\n";
    });
    silence.start(options.silentAfterS * 1000);
  }

  QTimer frameLog;
  std::size_t framesLogged = 0;
  if (options.logFrames) {
    QObject::connect(&frameLog, &QTimer::timeout, [&] {
      const auto& frames = unit.ReceivedFrames();
      for (; framesLogged < frames.size(); ++framesLogged)
        out << ReceivedFrameLine(frames[framesLogged]) << '\n';
      out << std::flush;
    });
    frameLog.start(kFrameLogMs);
  }

  out << server.SlavePath() << std::endl;
  return QCoreApplication::exec();
}

}  // namespace morvelin
