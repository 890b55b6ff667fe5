#include "unit/unit_simulator.h"

#include <QCoreApplication>

#include "platform/posix/termination_signals.h"
#include "unit/pty_unit_server.h"
#include "unit/virtual_unit.h"

namespace morvelin {

int RunUnitSimulator(const UnitSimulatorOptions& options, std::ostream& out, std::ostream& err) {
  TerminationSignals stopSignals([](int) { QCoreApplication::quit(); });
  if (!stopSignals.IsWatching()) err << "warning: cannot watch SIGINT/SIGTERM\n";

  VirtualUnit unit;
  if (options.wordsPerReport > 0) unit.wordsPerReport = options.wordsPerReport;
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
  out << server.SlavePath() << std::endl;
  return QCoreApplication::exec();
}

}  // namespace morvelin
