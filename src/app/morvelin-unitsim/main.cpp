#include <QCommandLineParser>
#include <QCoreApplication>
#include <iostream>

#include "unit/unit_simulator.h"
#include "unit/virtual_unit.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName("morvelin-unitsim");

  QCommandLineParser parser;
  parser.setApplicationDescription("Serves a simulated unit on a pseudo-terminal and prints its path.");
  parser.addHelpOption();
  const QCommandLineOption link("link", "Also make a symbolic link to the terminal at <path>.", "path");
  const QCommandLineOption words("words-per-report", "Words per block report (1..125).", "n");
  parser.addOption(link);
  parser.addOption(words);
  const QCommandLineOption panelLock("panel-lock", "The unit's panel-lock switch: on or off.", "on|off");
  const QCommandLineOption level("access-level", "The unit's access level: user or manager.", "level");
  const QCommandLineOption panelPass("panel-password", "The unit's panel password (any text).", "text");
  const QCommandLineOption systemPass("system-password", "The unit's system password (any text).", "text");
  parser.addOptions({panelLock, level, panelPass, systemPass});
  parser.process(app);

  morvelin::UnitSimulatorOptions options;
  options.linkPath = parser.value(link).toStdString();
  if (parser.isSet(words)) {
    bool ok = false;
    options.wordsPerReport = parser.value(words).toInt(&ok);
    if (!ok || options.wordsPerReport < 1 || options.wordsPerReport > morvelin::kMaxWordsPerReport) {
      std::cerr << "--words-per-report takes a number from 1 to " << morvelin::kMaxWordsPerReport << '\n';
      return 2;
    }
  }
  if (parser.isSet(panelLock) &&
      !(options.panelLock = morvelin::PanelLockOption(parser.value(panelLock).toStdString()))) {
    std::cerr << "--panel-lock takes on or off\n";
    return 2;
  }
  if (parser.isSet(level) &&
      !(options.accessLevel = morvelin::AccessLevelOption(parser.value(level).toStdString()))) {
    std::cerr << "--access-level takes user or manager\n";
    return 2;
  }
  if (parser.isSet(panelPass)) options.panelPassword = parser.value(panelPass).toStdString();
  if (parser.isSet(systemPass)) options.systemPassword = parser.value(systemPass).toStdString();
  return morvelin::RunUnitSimulator(options, std::cout, std::cerr);
}
