#pragma once
// The command line's commands and their parsing, without any Qt option handling.

#include <optional>
#include <string>
#include <vector>

#include "cli/cli_safety.h"
#include "platform/stepped_clock.h"
#include "unit/port_choice.h"

namespace morvelin {

enum class CliCommandKind {
  Ports,
  Dump,
  Set,
  Recall,
  Backup,
  Restore,
  Curve,
  Snapshots,
  EqExport,
  EqImport,
  Export,
  Import,
  Diff
};

// Whether the command needs the unit's whole memory read first; the others link (probe and
// acknowledgement) and go at once.
bool CommandReadsMemory(CliCommandKind kind);

struct CliCommand {
  CliCommandKind kind = CliCommandKind::Ports;
  int address = 0;   // set: device address
  int value = 0;     // set: word value
  int mode = 0;      // recall: 1..16
  int block = 0;     // curve: device block 0..27
  std::string file;  // backup, restore: the backup file, any path; eq import, import: the file read; diff: A
  // Filter and parameter files (cli_exchange_command.cpp).
  bool rightBank = false;  // eq: the music block's right bank
  bool csv = false;        // export: CSV instead of JSON
  std::string from;        // export: a backup file instead of the unit
  std::string to;          // import: a backup file instead of the unit
  std::string second;      // diff: B
};

// A word such as "-1" or "-0x10": a (refused) value, never an option.
bool IsNegativeNumberWord(const std::string& word);
// "B:I" (decimal block and index) or "0xHHHH"; nullopt outside the store.
std::optional<int> ParseDeviceAddress(const std::string& text);
// A word value: decimal or 0x hexadecimal, 0..65535.
std::optional<int> ParseWordValue(const std::string& text);
// The file commands eq, export, import and diff (cli_exchange_command.cpp); nullopt with error
// set on a usage error.
bool IsExchangeCommandWord(const std::string& name);
std::optional<CliCommand> ParseExchangeCommand(const std::vector<std::string>& words, std::string* error);
// The command word and its arguments; on failure, error says why.
std::optional<CliCommand> ParseCliCommand(const std::vector<std::string>& words, std::string* error);

// How progress reaches stderr: a line per change, one line rewritten in place (a terminal),
// or not at all (--quiet: results and errors only).
enum class CliProgress { Lines, OneLine, Quiet };

struct CliOptions {
  PortChoice ports;
  CliCommand command;
  CliProgress progress = CliProgress::Lines;
  // SIGINT and SIGTERM release the unit and end the run with 130 and 143 (the program sets it;
  // a test process keeps its signals).
  bool watchSignals = false;
  // The link's time: the event loop's when null; tests step a clock of their own.
  SteppedClock* clock = nullptr;
  CliSafetyOptions safety;
};

}  // namespace morvelin
