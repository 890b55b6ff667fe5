#include "shell/application.h"

#include <QApplication>
#include <cstdio>

#include "editor/widgets/controls/desk_style.h"
#include "platform/memory_policy.h"
#include "platform/process_stats.h"
#if defined(__unix__)
#include "platform/posix/termination_signals.h"
#endif

namespace morvelin {

void PrepareApplication() {
  ReturnLargeBlocksToTheSystem();
  QApplication::setApplicationName("Morvelin");
  QApplication::setApplicationDisplayName("Morvelin");
  QApplication::setFont(desk::Font(12));
}

Morvelin::Morvelin(const StartupOptions& options, MessageBoxes* messages) {
  MessageBoxes& boxes = messages ? *messages : modal_;
  form1_ = std::make_unique<MainWindow>(session_);
  features_ = std::make_unique<WindowFeatures>(*form1_, &boxes,
                                               options.audioCapture ? options.audioCapture() : nullptr);
  linkUi_ = std::make_unique<WindowLinkUi>(*form1_, boxes);
  form3_ = std::make_unique<LinkWindow>(options.ports, session_.Store(), *linkUi_, options.clock);
  form2_ = std::make_unique<StatusWindow>();
  linkUi_->SetStatusWindow(form2_.get());
  session_.SetLink(&form3_->Link());
  presets_ = std::make_unique<PresetWiring>(*form1_, form3_->Link(), boxes, options.backups);
  linkUi_->SetPresets(presets_.get());
  language_ = std::make_unique<LanguageMemory>(session_, options.settings);
}

Morvelin::~Morvelin() {
  language_.reset();
  // The preset groups use the link, and the link reaches them through its UI adapter.
  linkUi_->SetPresets(nullptr);
  presets_.reset();
  // The link refers to the windows through its UI adapter: it goes first.
  session_.SetLink(nullptr);
  form3_.reset();
  linkUi_->SetStatusWindow(nullptr);
}

int RunMorvelin(int argc, char** argv, const StartupOptions& options) {
  QApplication app(argc, argv);
  PrepareApplication();
  app.setQuitOnLastWindowClosed(false);
  Morvelin program(options);
  MainWindow& main = program.Form1();
  // A control the code needs that the pages did not build is a fault of this build: refuse to run.
  if (!main.BuildProblems().isEmpty()) {
    std::fprintf(stderr, "morvelin: the window is incomplete: %s\n",
                 qPrintable(main.BuildProblems().join("; ")));
    return 1;
  }
  // Closing the main window ends the program, whatever else is still shown.
  QObject::connect(&main, &MainWindow::Closed, &app, &QApplication::quit, Qt::QueuedConnection);
#if defined(__unix__)
  // SIGINT and SIGTERM close the window as the user would: the unit is released when online.
  TerminationSignals stopSignals([&main](int) { main.close(); });
#endif
  bool benchDone = false;
  if (options.benchStartup) {
    QObject::connect(&main, &MainWindow::FirstFrame, &app, [&benchDone] {
      std::printf("first-frame-ms %.1f\npeak-rss-kb %ld\n", MillisecondsSinceProcessStart(),
                  PeakResidentKilobytes());
      std::fflush(stdout);
      benchDone = true;
      QCoreApplication::exit(0);
    });
  }
  main.show();
  // The first frame may come before the event loop runs (start-up processes events itself).
  if (benchDone) return 0;
  return app.exec();
}

}  // namespace morvelin
