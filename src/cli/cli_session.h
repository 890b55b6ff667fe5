#pragma once
// One run of the command line: search for the unit, link, read, carry out the command and
// release the unit. Progress and failures go to err, results to out.

#include <ostream>

#include "cli/cli_command.h"

namespace morvelin {

class VirtualUnit;

// Runs the command in a local event loop of the existing application object; returns the
// exit code: 0 done, 1 the link failed, 2 nothing to search.
int RunCli(const CliOptions& options, std::ostream& out, std::ostream& err);
// The same with the unit behind the "DEMO" port given, so that its memory can be prepared.
int RunCli(const CliOptions& options, VirtualUnit& demoUnit, std::ostream& out, std::ostream& err);

}  // namespace morvelin
