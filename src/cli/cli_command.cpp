#include "cli/cli_command.h"

#include <cctype>
#include <charconv>

#include "graphs/curve_layout.h"
#include "params/block_table.h"
#include "params/param_store.h"

namespace morvelin {

namespace {

constexpr const char* kCommandList =
    "(ports, dump, set ADDR VALUE, recall N, curve BLOCK, backup FILE, restore FILE, snapshots, "
    "eq export|import, export, import, diff)";

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

// A number of any size and sign, decimal or 0x hexadecimal.
bool IsNumberWord(const std::string& text) {
  const std::size_t sign = !text.empty() && text[0] == '-' ? 1 : 0;
  std::size_t digits = sign;
  bool hex = false;
  if (text.size() > sign + 2 && text[sign] == '0' && (text[sign + 1] == 'x' || text[sign + 1] == 'X')) {
    digits += 2;
    hex = true;
  }
  if (digits >= text.size()) return false;
  for (std::size_t k = digits; k < text.size(); ++k)
    if (!(hex ? std::isxdigit(static_cast<unsigned char>(text[k]))
              : std::isdigit(static_cast<unsigned char>(text[k]))))
      return false;
  return true;
}

}  // namespace

bool CommandReadsMemory(CliCommandKind kind) {
  switch (kind) {
    case CliCommandKind::Ports:
    case CliCommandKind::Snapshots:
    case CliCommandKind::Set:
      return false;
    case CliCommandKind::Dump:
    case CliCommandKind::Recall:
    case CliCommandKind::Backup:
    // The full write sends every block, also those a backup does not hold: they must be the unit's.
    case CliCommandKind::Restore:
    case CliCommandKind::Curve:
    // The file commands compare with, or print, what the unit holds.
    case CliCommandKind::EqExport:
    case CliCommandKind::EqImport:
    case CliCommandKind::Export:
    case CliCommandKind::Import:
    case CliCommandKind::Diff:
      return true;
  }
  return true;
}

bool IsNegativeNumberWord(const std::string& word) {
  return word.size() >= 2 && word[0] == '-' && word[1] >= '0' && word[1] <= '9';
}

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
  if (IsExchangeCommandWord(name)) return ParseExchangeCommand(words, error);
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
    if (!value && IsNumberWord(words[2])) return fail("value '" + words[2] + "' out of range (0..65535)");
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
