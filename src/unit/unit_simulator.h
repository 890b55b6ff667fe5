#pragma once
// The unit simulator program: a VirtualUnit on a pseudo-terminal until SIGINT or SIGTERM.

#include <ostream>
#include <string>

namespace morvelin {

struct UnitSimulatorOptions {
  std::string linkPath;    // empty: no symbolic link
  int wordsPerReport = 0;  // 0: the unit's default
};

// Runs the event loop of the existing application object; returns the exit code.
int RunUnitSimulator(const UnitSimulatorOptions& options, std::ostream& out, std::ostream& err);

}  // namespace morvelin
