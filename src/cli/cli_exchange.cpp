#include "cli/cli_exchange.h"

#include <QDir>
#include <QFile>
#include <memory>

#include "cli/cli_backup.h"
#include "editor/parameter_file.h"
#include "graphs/eq_exchange.h"
#include "params/scales.h"
#include "presets/backup_content.h"

namespace morvelin {

namespace {

constexpr int kPollMs = 20;
// Edits in the queue at a time, well inside its ring.
constexpr int kQueueRoom = 100;
constexpr qint64 kMaxInputBytes = 4 * 1024 * 1024;
constexpr const char* kUnitSource = "unit";

std::string Shown(const std::string& file) {
  return QDir::toNativeSeparators(CliPath(file)).toStdString();
}

std::optional<std::string> ReadText(const std::string& file, std::ostream& err) {
  QFile f(CliPath(file));
  if (!f.open(QIODevice::ReadOnly)) {
    err << Shown(file) << ": cannot be read\n";
    return std::nullopt;
  }
  if (f.size() > kMaxInputBytes) {
    err << Shown(file) << ": too large\n";
    return std::nullopt;
  }
  const QByteArray bytes = f.readAll();
  if (f.error() != QFileDevice::NoError) {
    err << Shown(file) << ": cannot be read\n";
    return std::nullopt;
  }
  return bytes.toStdString();
}

void Refused(const std::string& file, int line, const std::string& why, std::ostream& err) {
  err << Shown(file) << ":" << (line > 0 ? std::to_string(line) + ":" : "") << ' ' << why << '\n';
}

std::optional<EqFile> ReadEqFile(const std::string& file, std::ostream& err) {
  const auto text = ReadText(file, err);
  if (!text) return std::nullopt;
  EqParse parse = ParseEqText(*text);
  if (!parse.file) Refused(file, parse.errorLine, parse.error, err);
  return std::move(parse.file);
}

// A JSON export, or with anyKind also a backup file, told apart by the first character.
std::optional<ParameterSet> ReadParameterSource(const std::string& file, std::ostream& err,
                                                bool anyKind = true) {
  const auto text = ReadText(file, err);
  if (!text) return std::nullopt;
  const auto first = text->find_first_not_of(" \t\r\n");
  const bool json = !anyKind || (first != std::string::npos && (*text)[first] == '{');
  ParameterRead read = json ? ReadParameterJson(*text) : ReadBackupWords(CliPath(file));
  if (!read.words) Refused(file, read.errorLine, read.error, err);
  return std::move(read.words);
}

std::optional<ParameterSet> ReadJsonFile(const std::string& file, std::ostream& err) {
  return ReadParameterSource(file, err, false);
}

// Results are the command's product: output that cannot be written is a failed command.
int Written(std::ostream& out, std::ostream& err) {
  out.flush();
  if (out) return 0;
  err << "The output cannot be written\n";
  return kCliFileError;
}

int PrintDiff(const ParameterSet& a, const ParameterSet& b, std::ostream& out, std::ostream& err) {
  const std::vector<std::string> lines = DiffParameters(a, b);
  for (const std::string& line : lines) out << line << '\n';
  if (const int code = Written(out, err)) return code;
  err << (lines.empty() ? "No differences\n" : std::to_string(lines.size()) + " differences\n");
  return lines.empty() ? 0 : 1;
}

// The words the unit holds and takes one by one: the transferred words and the input source.
bool UnitTakes(int address) {
  return address == kBackupExtraAddress ||
         (BlockOf(address) < kStatusBlock && IndexOf(address) < BlockLengths(BlockOf(address)));
}

}  // namespace

bool IsExchangeCommand(CliCommandKind kind) {
  switch (kind) {
    case CliCommandKind::EqExport:
    case CliCommandKind::EqImport:
    case CliCommandKind::Export:
    case CliCommandKind::Import:
    case CliCommandKind::Diff:
      return true;
    default:
      return false;
  }
}

std::optional<int> ExchangeWithoutUnit(const CliCommand& c, std::ostream& out, std::ostream& err) {
  switch (c.kind) {
    case CliCommandKind::EqImport:
      if (!ReadEqFile(c.file, err)) return kCliFileError;
      return std::nullopt;
    case CliCommandKind::Export: {
      if (c.from.empty()) return std::nullopt;
      const auto words = ReadParameterSource(c.from, err);
      if (!words) return kCliFileError;
      out << ParameterFileText(*words, c.csv ? ParameterFormat::Csv : ParameterFormat::Json);
      return Written(out, err);
    }
    case CliCommandKind::Import: {
      const auto words = ReadJsonFile(c.file, err);
      if (!words) return kCliFileError;
      if (c.to.empty()) return std::nullopt;
      StreamNotifier notifier(err);
      int skipped = 0;
      if (!WriteWordsToBackup(CliPath(c.to), *words, notifier, &skipped)) return kCliFileError;
      err << "Saved " << Shown(c.to) << '\n';
      if (skipped > 0) err << skipped << " words are not held by backup files and were left out\n";
      return 0;
    }
    case CliCommandKind::Diff: {
      std::optional<ParameterSet> a, b;
      if (c.file != kUnitSource && !(a = ReadParameterSource(c.file, err))) return kCliFileError;
      if (c.second != kUnitSource && !(b = ReadParameterSource(c.second, err))) return kCliFileError;
      if (c.file == kUnitSource || c.second == kUnitSource) return std::nullopt;
      return PrintDiff(*a, *b, out, err);
    }
    default:
      return std::nullopt;
  }
}

CliExchange::CliExchange(const CliCommand& command, ParamStore& store, LinkController& link,
                         std::ostream& out, std::ostream& err, SteppedClock* clock,
                         std::function<void(int)> finish)
    : command_(command),
      store_(store),
      link_(link),
      out_(out),
      err_(err),
      finish_(std::move(finish)),
      poll_(clock, kPollMs, [this] { Poll(); }) {}

void CliExchange::Done(int code) {
  if (done_) return;
  done_ = true;
  poll_.Stop();
  finish_(code);
}

void CliExchange::Start() {
  const CliCommand& c = command_;
  const int block = c.block;
  switch (c.kind) {
    case CliCommandKind::EqExport:
      out_ << ExportEqText(EqPageWords(store_.DeviceImage, block, c.rightBank), block,
                           EqPageTitle(block, c.rightBank));
      Done(Written(out_, err_));
      return;
    case CliCommandKind::EqImport: {
      // Checked before the search; read again, as the file may have changed meanwhile.
      const auto file = ReadEqFile(c.file, err_);
      if (!file) {
        Done(kCliFileError);
        return;
      }
      const EqFit fit = FitEqFile(*file, EqPageWords(store_.DeviceImage, block, c.rightBank), block);
      std::vector<std::pair<int, Word>> words;
      for (const PageWordChange& ch : fit.changes)
        words.emplace_back(MakeAddress(block, EqDeviceIndex(block, c.rightBank, ch.index)), ch.value);
      std::vector<std::string> report = fit.report;
      report.push_back(EqPageTitle(block, c.rightBank) + ": " + std::to_string(words.size()) +
                       " words changed");
      report.push_back("largest difference between the file and the unit's words: " +
                       FormatFixed(fit.maxDifferenceDb, 2) + " dB");
      Send(std::move(words), std::move(report));
      return;
    }
    case CliCommandKind::Export:
      out_ << ParameterFileText(WordsOf(store_.DeviceImage, UnitAddresses()),
                                c.csv ? ParameterFormat::Csv : ParameterFormat::Json);
      Done(Written(out_, err_));
      return;
    case CliCommandKind::Import: {
      const auto read = ReadJsonFile(c.file, err_);
      if (!read) {
        Done(kCliFileError);
        return;
      }
      std::vector<std::pair<int, Word>> words;
      int notHeld = 0;
      for (const ParameterWord& w : *read) {
        if (!UnitTakes(w.address)) {
          ++notHeld;
          continue;
        }
        if (store_.Device(w.address) != w.word) words.emplace_back(w.address, w.word);
      }
      std::vector<std::string> report{std::to_string(words.size()) + " words changed, " +
                                      std::to_string(read->size() - words.size() - notHeld) + " already so"};
      if (notHeld > 0)
        report.push_back(std::to_string(notHeld) + " words of the file are not held by the unit");
      Send(std::move(words), std::move(report));
      return;
    }
    case CliCommandKind::Diff: {
      const ParameterSet unit = WordsOf(store_.DeviceImage, UnitAddresses());
      const auto a = c.file == kUnitSource ? std::optional(unit) : ReadParameterSource(c.file, err_);
      const auto b = c.second == kUnitSource ? std::optional(unit) : ReadParameterSource(c.second, err_);
      Done(a && b ? PrintDiff(*a, *b, out_, err_) : kCliFileError);
      return;
    }
    default:
      Done(2);
      return;
  }
}

// Every word goes paced, one per acknowledgement, through the link's edit queue.
void CliExchange::Send(std::vector<std::pair<int, Word>> words, std::vector<std::string> report) {
  pending_ = std::move(words);
  report_ = std::move(report);
  next_ = 0;
  poll_.Start();
  Poll();
}

void CliExchange::Poll() {
  if (done_ || !link_.LinkOnline()) return;
  while (next_ < pending_.size() && link_.Queue().Size() < kQueueRoom) {
    const auto [address, value] = pending_[next_++];
    store_.SetDevice(address, value);
    link_.SendEdit(address, value);
    link_.MarkNotReady();
  }
  if (next_ < pending_.size() || !link_.Queue().Empty() || link_.Flags().SendReady != 1) return;
  for (const std::string& line : report_) out_ << line << '\n';
  if (!pending_.empty()) err_ << "Acknowledged\n";
  Done(Written(out_, err_));
}

}  // namespace morvelin
