#include <QCommandLineParser>
#include <QCoreApplication>
#include <iostream>

#include "shell/application.h"
#include "unit/port_choice.h"
#if defined(__unix__)
#include "platform/posix/termination_signals.h"
#endif

int main(int argc, char** argv) {
#if defined(__unix__)
  // Before anything starts a thread: the signals are taken on the event loop, never by default.
  morvelin::BlockTerminationSignals();
#endif
  morvelin::StartupOptions options;
  options.settings.user = true;
  {
    // The options are read before the window system is touched, so --help works without a display.
    QCoreApplication reader(argc, argv);
    QCoreApplication::setApplicationName("morvelin");
    QCoreApplication::setApplicationVersion(MORVELIN_VERSION);
    QCommandLineParser parser;
    parser.setApplicationDescription("Editor and remote control of the unit on a serial port.");
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption demo("demo", "Search only the built-in virtual unit (the port DEMO).");
    const QCommandLineOption port(
        "port", "Search only this port (repeatable, in order; DEMO: the built-in unit).", "name");
    const QCommandLineOption bench(
        "bench-startup",
        "Print the time to the first completely painted frame and the peak memory, then quit.");
    parser.addOption(demo);
    parser.addOption(port);
    parser.addOption(bench);
    if (!parser.parse(QCoreApplication::arguments())) {
      std::cerr << "morvelin: " << parser.errorText().toStdString() << " (see --help)\n";
      return 2;
    }
    if (parser.isSet(help) || parser.isSet("help-all") || parser.isSet(version)) parser.process(reader);
    if (!parser.positionalArguments().isEmpty()) {
      std::cerr << "morvelin: unexpected argument '" << parser.positionalArguments().first().toStdString()
                << "' (see --help)\n";
      return 2;
    }
    for (const QString& p : parser.values(port))
      options.ports.names.push_back(morvelin::PortNameFromArgument(p.toStdString()));
    if (parser.isSet(demo)) options.ports.names = {morvelin::kDemoPortName};
    options.benchStartup = parser.isSet(bench);
  }
  return morvelin::RunMorvelin(argc, argv, options);
}
