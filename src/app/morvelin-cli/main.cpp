#include <QCommandLineParser>
#include <QCoreApplication>
#include <array>
#include <iostream>
#if defined(__unix__)
#include <unistd.h>
#endif

#include "cli/cli_command.h"
#include "cli/cli_session.h"
#include "unit/port_choice.h"
#if defined(__unix__)
#include "platform/posix/termination_signals.h"
#endif

namespace {

// The parser takes "-1" for an option; such words reach it behind this mark and are given back
// among the command's words, where they are refused as values out of range.
const QString kNumberMark = QStringLiteral("\x1f");

bool StderrIsTerminal() {
#if defined(__unix__)
  return ::isatty(STDERR_FILENO) == 1;
#else
  return false;
#endif
}

}  // namespace

int main(int argc, char** argv) {
#if defined(__unix__)
  // Before anything starts a thread: the signals are taken on the event loop, never by default.
  morvelin::BlockTerminationSignals();
#endif
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName("morvelin-cli");
  QCoreApplication::setApplicationVersion(MORVELIN_VERSION);

  QCommandLineParser parser;
  parser.setApplicationDescription(
      "Talks to the unit without a window.\n"
      "Commands: ports | dump | set ADDR VALUE (ADDR as B:I or 0xHHHH) | recall N (1..16) |\n"
      "curve BLOCK (0..27: the block's response as CSV) | backup FILE (read the unit, save it as a backup\n"
      "file) | restore FILE (load it, write the unit) | snapshots (the safety backups, newest first) |\n"
      "eq export BLOCK [--bank left|right] | eq import BLOCK FILE [--bank left|right] (filter-settings text) "
      "|\n"
      "export [--from FILE] [--format json|csv] | import FILE.json [--to FILE] | diff A B (files or 'unit')");
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  const QCommandLineOption port(
      "port", "Search only this port (repeatable, in order; DEMO: the built-in unit).", "name");
  const QCommandLineOption quiet({"q", "quiet"}, "Print only results and errors, no progress.");
  parser.addOption(port);
  // Options of the file commands, handed to them with their words.
  const std::array<QCommandLineOption, 4> fileOptions{
      QCommandLineOption("bank", "eq: the music block's bank, left or right.", "left|right"),
      QCommandLineOption("from", "export: read this backup file or JSON export instead of the unit.", "file"),
      QCommandLineOption("format", "export: json (default) or csv.", "json|csv"),
      QCommandLineOption("to", "import: write into this backup file instead of the unit.", "file")};
  for (const QCommandLineOption& o : fileOptions) parser.addOption(o);
  parser.addOption(quiet);
  parser.addPositionalArgument(
      "command",
      "ports, dump, set, recall, curve, backup, restore, eq, export, import or diff, with its arguments.");
  QStringList arguments = QCoreApplication::arguments();
  for (qsizetype k = 1; k < arguments.size(); ++k)
    if (morvelin::IsNegativeNumberWord(arguments[k].toStdString())) arguments[k].prepend(kNumberMark);
  const auto unmarked = [](QString word) {
    if (word.startsWith(kNumberMark)) word.remove(0, kNumberMark.size());
    return word.toStdString();
  };
  // Parsed by hand so that every usage error, an unknown option included, exits with 2.
  if (!parser.parse(arguments)) {
    std::cerr << "morvelin-cli: " << parser.errorText().toStdString() << " (see --help)\n";
    return 2;
  }
  // Prints the help or the version and exits.
  if (parser.isSet(help) || parser.isSet("help-all") || parser.isSet(version)) parser.process(app);

  morvelin::CliOptions options;
  for (const QString& p : parser.values(port))
    options.ports.names.push_back(morvelin::PortNameFromArgument(unmarked(p)));
  std::vector<std::string> words;
  for (const QString& w : parser.positionalArguments()) words.push_back(unmarked(w));
  for (const QCommandLineOption& o : fileOptions)
    for (const QString& v : parser.values(o)) {
      words.push_back("--" + o.names().front().toStdString());
      words.push_back(unmarked(v));
    }
  std::string error;
  const auto command = morvelin::ParseCliCommand(words, &error);
  if (!command) {
    std::cerr << "morvelin-cli: " << error << '\n';
    return 2;
  }
  options.command = *command;
  if (parser.isSet(quiet))
    options.progress = morvelin::CliProgress::Quiet;
  else if (StderrIsTerminal())
    options.progress = morvelin::CliProgress::OneLine;
  options.watchSignals = true;
  return morvelin::RunCli(options, std::cout, std::cerr);
}
