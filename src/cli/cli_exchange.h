#pragma once
// The filter and parameter file commands of the command line: eq export and import, export,
// import and diff. Files are read and checked before the unit is searched for, so a bad file
// never reaches the unit; what needs no unit runs without a link.

#include <functional>
#include <optional>
#include <ostream>
#include <utility>
#include <vector>

#include "cli/cli_command.h"
#include "link/link_controller.h"
#include "params/param_store.h"
#include "platform/stepped_clock.h"

namespace morvelin {

bool IsExchangeCommand(CliCommandKind kind);

// Runs the command when it needs no unit and returns its exit code; for one that needs the
// unit, checks its input file and returns kCliFileError when it fails, nullopt to go on.
std::optional<int> ExchangeWithoutUnit(const CliCommand& command, std::ostream& out, std::ostream& err);

// The part of a command that runs on the linked unit, after the full read.
class CliExchange {
 public:
  CliExchange(const CliCommand& command, ParamStore& store, LinkController& link, std::ostream& out,
              std::ostream& err, SteppedClock* clock, std::function<void(int)> finish);

  void Start();

 private:
  void Send(std::vector<std::pair<int, Word>> words, std::vector<std::string> report);
  void Poll();
  void Done(int code);

  CliCommand command_;
  ParamStore& store_;
  LinkController& link_;
  std::ostream& out_;
  std::ostream& err_;
  std::function<void(int)> finish_;
  ClockTimer poll_;
  std::vector<std::pair<int, Word>> pending_;
  std::size_t next_ = 0;
  std::vector<std::string> report_;
  bool done_ = false;
};

}  // namespace morvelin
