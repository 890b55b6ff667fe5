#include <QCommandLineParser>
#include <QCoreApplication>
#include <functional>
#include <iostream>

#include "unit/unit_simulator.h"
#include "unit/virtual_unit.h"

namespace {

constexpr int kUsageError = 2;

struct NumberOption {
  QCommandLineOption option;
  int min;
  int max;
  std::function<void(morvelin::UnitSimulatorOptions&, int)> apply;
};

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName("morvelin-unitsim");
  QCoreApplication::setApplicationVersion(MORVELIN_VERSION);

  using Options = morvelin::UnitSimulatorOptions;
  QCommandLineParser parser;
  parser.setApplicationDescription(
      "Serves a simulated unit on a pseudo-terminal and prints its path. The fault options make it "
      "behave like a unit on a poor line.");
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  const QCommandLineOption link("link", "Also make a symbolic link to the terminal at <path>.", "path");
  parser.addOption(link);
  const QCommandLineOption logFrames(
      "log-frames", "After the path, print a line \"received F5 B2 ...\" per frame the unit takes in.");
  parser.addOption(logFrames);
  const std::vector<NumberOption> numbers{
      {{"words-per-report", "Words per block report (1..125).", "n"},
       1,
       morvelin::kMaxWordsPerReport,
       [](Options& o, int v) { o.wordsPerReport = v; }},
      {{"latency", "Answer every frame <ms> milliseconds after it arrived (0..10000).", "ms"},
       0,
       10000,
       [](Options& o, int v) { o.latencyMs = v; }},
      {{"noise",
        "Put a burst of line noise, half of them ending in 0xEE, in front of <percent> of the "
        "answers (0..100).",
        "percent"},
       0,
       100,
       [](Options& o, int v) { o.noisePercent = v; }},
      {{"bad-checksum", "Give <percent> of the reports a wrong checksum (0..100).", "percent"},
       0,
       100,
       [](Options& o, int v) { o.badChecksumPercent = v; }},
      {{"drop-acks", "Never send <percent> of the acknowledgements (0..100).", "percent"},
       0,
       100,
       [](Options& o, int v) { o.dropAckPercent = v; }},
      {{"silent-after", "Stop answering <seconds> seconds after the start (0..86400).", "seconds"},
       0,
       86400,
       [](Options& o, int v) { o.silentAfterS = v; }},
      {{"seed", "Seed of the random faults (0..2147483647; default 1).", "n"},
       0,
       2147483647,
       [](Options& o, int v) { o.seed = static_cast<std::uint32_t>(v); }},
  };
  for (const NumberOption& n : numbers) parser.addOption(n.option);
  const QCommandLineOption panelLock("panel-lock", "The unit's panel-lock switch: on or off.", "on|off");
  const QCommandLineOption level("access-level", "The unit's access level: user or manager.", "level");
  const QCommandLineOption panelPass("panel-password", "The unit's panel password (any text).", "text");
  const QCommandLineOption systemPass("system-password", "The unit's system password (any text).", "text");
  parser.addOptions({panelLock, level, panelPass, systemPass});

  if (!parser.parse(app.arguments())) {
    std::cerr << parser.errorText().toStdString() << "\nTry --help.\n";
    return kUsageError;
  }
  if (parser.isSet(help)) {
    std::cout << parser.helpText().toStdString();
    return 0;
  }
  if (parser.isSet(version)) {
    std::cout << "morvelin-unitsim " << MORVELIN_VERSION << '\n';
    return 0;
  }
  if (!parser.positionalArguments().isEmpty()) {
    std::cerr << "unexpected argument: " << parser.positionalArguments().first().toStdString()
              << "\nTry --help.\n";
    return kUsageError;
  }

  Options options;
  options.linkPath = parser.value(link).toStdString();
  options.logFrames = parser.isSet(logFrames);
  for (const NumberOption& n : numbers) {
    if (!parser.isSet(n.option)) continue;
    bool ok = false;
    const int v = parser.value(n.option).toInt(&ok);
    if (!ok || v < n.min || v > n.max) {
      std::cerr << "--" << n.option.names().first().toStdString() << " takes a number from " << n.min
                << " to " << n.max << '\n';
      return kUsageError;
    }
    n.apply(options, v);
  }
  if (parser.isSet(panelLock) &&
      !(options.panelLock = morvelin::PanelLockOption(parser.value(panelLock).toStdString()))) {
    std::cerr << "--panel-lock takes on or off\n";
    return kUsageError;
  }
  if (parser.isSet(level) &&
      !(options.accessLevel = morvelin::AccessLevelOption(parser.value(level).toStdString()))) {
    std::cerr << "--access-level takes user or manager\n";
    return kUsageError;
  }
  if (parser.isSet(panelPass)) options.panelPassword = parser.value(panelPass).toStdString();
  if (parser.isSet(systemPass)) options.systemPassword = parser.value(systemPass).toStdString();
  return morvelin::RunUnitSimulator(options, std::cout, std::cerr);
}
