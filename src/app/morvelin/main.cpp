#include <cstdio>
#include <cstring>

#include "shell/application.h"

// Options: --demo (one in-process virtual unit on the port "DEMO"), --port NAME (repeatable:
// search exactly these ports). Without them the machine's serial ports are searched.
int main(int argc, char** argv) {
  morvelin::StartupOptions options;
  options.settings.user = true;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--demo") == 0) {
      options.ports.demo = true;
    } else if (std::strcmp(argv[i], "--port") == 0 && i + 1 < argc) {
      options.ports.names.emplace_back(argv[++i]);
    } else if (std::strcmp(argv[i], "--bench-startup") == 0) {
      options.benchStartup = true;
    } else if (std::strcmp(argv[i], "--help") == 0) {
      std::printf("usage: morvelin [--demo] [--port NAME]...\n");
      return 0;
    }
  }
  return morvelin::RunMorvelin(argc, argv, options);
}
