#pragma once
// The command line's commands and their parsing, without any Qt option handling.

#include <optional>
#include <string>
#include <vector>

namespace morvelin {

enum class CliCommandKind { Ports, Dump, Set, Recall, Curve };

struct CliCommand {
  CliCommandKind kind = CliCommandKind::Ports;
  int address = 0;  // set: device address
  int value = 0;    // set: word value
  int mode = 0;     // recall: 1..16
  int block = 0;    // curve: device block 0..27
};

// "B:I" (decimal block and index) or "0xHHHH"; nullopt outside the store.
std::optional<int> ParseDeviceAddress(const std::string& text);
// A word value: decimal or 0x hexadecimal, 0..65535.
std::optional<int> ParseWordValue(const std::string& text);
// The command word and its arguments; on failure, error says why.
std::optional<CliCommand> ParseCliCommand(const std::vector<std::string>& words, std::string* error);

struct CliOptions {
  std::vector<std::string> ports;  // empty: the machine's ports
  CliCommand command;
};

inline constexpr const char* kDemoPortName = "DEMO";

}  // namespace morvelin
