#include "cli/cli_command.h"

#include <charconv>

#include "graphs/curve_layout.h"
#include "params/block_table.h"
#include "params/param_store.h"

namespace morvelin {

namespace {

constexpr const char* kCommandList =
    "(ports, dump, set ADDR VALUE, recall N, curve BLOCK, backup FILE, restore FILE, snapshots)";

std::optional<int> ParseNumber(const std::string& text, int base) {
  if (text.empty()) return std::nullopt;
  int v = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, v, base);
  if (ec != std::errc() || ptr != end) return std::nullopt;
  return v;
}

std::optional<int> ParseDecimalOrHex(const std::string& text) {
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
    return ParseNumber(text.substr(2), 16);
  return ParseNumber(text, 10);
}

}  // namespace

std::optional<int> ParseDeviceAddress(const std::string& text) {
  std::optional<int> address;
  if (const auto colon = text.find(':'); colon != std::string::npos) {
    const auto block = ParseNumber(text.substr(0, colon), 10);
    const auto index = ParseNumber(text.substr(colon + 1), 10);
    if (!block || !index || *index < 0 || *index >= kBlockWords) return std::nullopt;
    address = MakeAddress(*block, *index);
  } else if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    address = ParseNumber(text.substr(2), 16);
  }
  if (!address || !IsValidAddress(*address)) return std::nullopt;
  return address;
}

std::optional<int> ParseWordValue(const std::string& text) {
  const auto v = ParseDecimalOrHex(text);
  if (!v || *v < 0 || *v > 0xFFFF) return std::nullopt;
  return v;
}

std::optional<CliCommand> ParseCliCommand(const std::vector<std::string>& words, std::string* error) {
  auto fail = [&](const std::string& why) -> std::optional<CliCommand> {
    if (error) *error = why;
    return std::nullopt;
  };
  if (words.empty()) return fail(std::string("no command given ") + kCommandList);
  const std::string& name = words[0];
  const std::size_t args = words.size() - 1;
  CliCommand c;
  if (name == "ports" || name == "dump" || name == "snapshots") {
    if (args != 0) return fail(name + " takes no arguments");
    c.kind = name == "ports"  ? CliCommandKind::Ports
             : name == "dump" ? CliCommandKind::Dump
                              : CliCommandKind::Snapshots;
    return c;
  }
  if (name == "set") {
    if (args != 2) return fail("usage: set ADDR VALUE (ADDR as B:I or 0xHHHH)");
    const auto address = ParseDeviceAddress(words[1]);
    if (!address)
      return fail("bad address '" + words[1] + "': give B:I (block 0..30, index 0..245) or 0xHHHH");
    const auto value = ParseWordValue(words[2]);
    if (!value) return fail("bad value '" + words[2] + "': give 0..65535");
    c.kind = CliCommandKind::Set;
    c.address = *address;
    c.value = *value;
    return c;
  }
  if (name == "recall") {
    if (args != 1) return fail("usage: recall N (1..16)");
    const auto mode = ParseNumber(words[1], 10);
    if (!mode || *mode < 1 || *mode > kModeCount) return fail("bad mode '" + words[1] + "': give 1..16");
    c.kind = CliCommandKind::Recall;
    c.mode = *mode;
    return c;
  }
  if (name == "curve") {
    if (args != 1) return fail("usage: curve BLOCK (0..27)");
    const auto block = ParseNumber(words[1], 10);
    if (!block || !CurveLayoutOf(*block)) return fail("bad block '" + words[1] + "': give 0..27");
    c.kind = CliCommandKind::Curve;
    c.block = *block;
    return c;
  }
  if (name == "backup" || name == "restore") {
    if (args != 1 || words[1].empty()) return fail("usage: " + name + " FILE");
    c.kind = name == "backup" ? CliCommandKind::Backup : CliCommandKind::Restore;
    c.file = words[1];
    return c;
  }
  return fail("unknown command '" + name + "' " + kCommandList);
}

}  // namespace morvelin
