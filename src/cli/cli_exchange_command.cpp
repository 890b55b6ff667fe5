// The words of the filter and parameter file commands.

#include <charconv>

#include "cli/cli_command.h"
#include "graphs/eq_exchange.h"

namespace morvelin {

namespace {

struct Words {
  std::vector<std::string> positional;
  std::vector<std::pair<std::string, std::string>> options;  // --name value
};

// Splits "--name value" pairs from the rest; a name without a value is an error.
std::optional<Words> SplitOptions(const std::vector<std::string>& words, std::size_t first,
                                  std::string* why) {
  Words w;
  for (std::size_t i = first; i < words.size(); ++i) {
    if (!words[i].starts_with("--")) {
      w.positional.push_back(words[i]);
      continue;
    }
    if (i + 1 >= words.size() || words[i + 1].empty()) {
      *why = words[i] + " needs a value";
      return std::nullopt;
    }
    w.options.emplace_back(words[i].substr(2), words[i + 1]);
    ++i;
  }
  return w;
}

}  // namespace

bool IsExchangeCommandWord(const std::string& name) {
  return name == "eq" || name == "export" || name == "import" || name == "diff";
}

std::optional<CliCommand> ParseExchangeCommand(const std::vector<std::string>& words, std::string* error) {
  std::string why;
  auto fail = [&](const std::string& text) -> std::optional<CliCommand> {
    if (error) *error = text;
    return std::nullopt;
  };
  const std::string& name = words.at(0);
  const bool eq = name == "eq";
  const auto split = SplitOptions(words, eq ? 2 : 1, &why);
  if (!split) return fail(why);
  CliCommand c;
  auto allowOnly = [&](std::initializer_list<const char*> allowed) {
    for (const auto& [option, value] : split->options) {
      bool ok = false;
      for (const char* a : allowed) ok = ok || option == a;
      if (!ok) return "unknown option --" + option + " for " + name;
    }
    return std::string();
  };
  if (eq) {
    const std::string verb = words.size() > 1 ? words[1] : "";
    const std::size_t want = verb == "import" ? 2 : 1;
    if ((verb != "export" && verb != "import") || split->positional.size() != want)
      return fail("usage: eq export BLOCK [--bank left|right] | eq import BLOCK FILE [--bank left|right]");
    if (const std::string bad = allowOnly({"bank"}); !bad.empty()) return fail(bad);
    const std::string& blockText = split->positional[0];
    int block = -1;
    const auto [ptr, ec] = std::from_chars(blockText.data(), blockText.data() + blockText.size(), block);
    if (ec != std::errc() || ptr != blockText.data() + blockText.size() || !HasEqPage(block))
      return fail("bad block '" + blockText + "': give an EQ block 0 or 2..27");
    for (const auto& [option, value] : split->options) {
      if (value != "left" && value != "right") return fail("bad bank '" + value + "': give left or right");
      if (block != 0) return fail("--bank is for the music block 0 only");
      c.rightBank = value == "right";
    }
    c.kind = verb == "export" ? CliCommandKind::EqExport : CliCommandKind::EqImport;
    c.block = block;
    if (verb == "import") c.file = split->positional[1];
    return c;
  }
  if (name == "export") {
    if (!split->positional.empty()) return fail("usage: export [--from FILE] [--format json|csv]");
    if (const std::string bad = allowOnly({"from", "format"}); !bad.empty()) return fail(bad);
    for (const auto& [option, value] : split->options) {
      if (option == "from") c.from = value;
      if (option == "format" && value != "json" && value != "csv")
        return fail("bad format '" + value + "': give json or csv");
      if (option == "format") c.csv = value == "csv";
    }
    c.kind = CliCommandKind::Export;
    return c;
  }
  if (name == "import") {
    if (split->positional.size() != 1) return fail("usage: import FILE.json [--to FILE]");
    if (const std::string bad = allowOnly({"to"}); !bad.empty()) return fail(bad);
    for (const auto& [option, value] : split->options) c.to = value;
    c.kind = CliCommandKind::Import;
    c.file = split->positional[0];
    return c;
  }
  if (split->positional.size() != 2 || !split->options.empty())
    return fail("usage: diff A B (each a backup file, a JSON export or 'unit')");
  c.kind = CliCommandKind::Diff;
  c.file = split->positional[0];
  c.second = split->positional[1];
  return c;
}

}  // namespace morvelin
