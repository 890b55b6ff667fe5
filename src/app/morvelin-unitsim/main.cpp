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
  return morvelin::RunUnitSimulator(options, std::cout, std::cerr);
}
