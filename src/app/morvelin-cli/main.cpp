#include <QCommandLineParser>
#include <QCoreApplication>
#include <iostream>

#include "cli/cli_command.h"
#include "cli/cli_session.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName("morvelin-cli");
  QCoreApplication::setApplicationVersion(MORVELIN_VERSION);

  QCommandLineParser parser;
  parser.setApplicationDescription(
      "Talks to the unit without a window.\n"
      "Commands: ports | dump | set ADDR VALUE (ADDR as B:I or 0xHHHH) | recall N (1..16) |\n"
      "curve BLOCK (0..27: the block's response as CSV) | backup FILE (read the unit, save it as a backup\n"
      "file) | restore FILE (load it, write the unit) | snapshots (the safety backups, newest first)");
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  const QCommandLineOption port(
      "port", "Search only this port (repeatable, in order; DEMO: the built-in unit).", "name");
  parser.addOption(port);
  parser.addPositionalArgument("command",
                               "ports, dump, set, recall, curve, backup or restore, with its arguments.");
  // Parsed by hand so that every usage error, an unknown option included, exits with 2.
  if (!parser.parse(QCoreApplication::arguments())) {
    std::cerr << "morvelin-cli: " << parser.errorText().toStdString() << " (see --help)\n";
    return 2;
  }
  // Prints the help or the version and exits.
  if (parser.isSet(help) || parser.isSet("help-all") || parser.isSet(version)) parser.process(app);

  morvelin::CliOptions options;
  for (const QString& p : parser.values(port)) options.ports.names.push_back(p.toStdString());
  std::vector<std::string> words;
  for (const QString& w : parser.positionalArguments()) words.push_back(w.toStdString());
  std::string error;
  const auto command = morvelin::ParseCliCommand(words, &error);
  if (!command) {
    std::cerr << "morvelin-cli: " << error << '\n';
    return 2;
  }
  options.command = *command;
  return morvelin::RunCli(options, std::cout, std::cerr);
}
