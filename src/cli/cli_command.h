#pragma once
// The command line's commands and their parsing, without any Qt option handling.

#include <optional>
#include <string>
#include <vector>

#include "cli/cli_safety.h"
#include "platform/stepped_clock.h"
#include "unit/port_choice.h"

namespace morvelin {

enum class CliCommandKind { Ports, Dump, Set, Recall, Backup, Restore, Curve, Snapshots };

struct CliCommand {
  CliCommandKind kind = CliCommandKind::Ports;
  int address = 0;   // set: device address
  int value = 0;     // set: word value
  int mode = 0;      // recall: 1..16
  int block = 0;     // curve: device block 0..27
  std::string file;  // backup, restore: the backup file, any path
};

// "B:I" (decimal block and index) or "0xHHHH"; nullopt outside the store.
std::optional<int> ParseDeviceAddress(const std::string& text);
// A word value: decimal or 0x hexadecimal, 0..65535.
std::optional<int> ParseWordValue(const std::string& text);
// The command word and its arguments; on failure, error says why.
std::optional<CliCommand> ParseCliCommand(const std::vector<std::string>& words, std::string* error);

struct CliOptions {
  PortChoice ports;
  CliCommand command;
  // The link's time: the event loop's when null; tests step a clock of their own.
  SteppedClock* clock = nullptr;
  CliSafetyOptions safety;
};

}  // namespace morvelin
