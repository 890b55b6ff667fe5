#pragma once
// Serves a VirtualUnit on a pseudo-terminal, so that a real serial port (the editor's) can talk
// to it. POSIX only, as its terminal.

#include <string>

#include "platform/posix/pty_server.h"
#include "unit/virtual_unit.h"

namespace morvelin {

class PtyUnitServer {
 public:
  explicit PtyUnitServer(VirtualUnit& unit)
      : unit_(unit), server_([this](std::span<const std::uint8_t> bytes) { unit_.Receive(bytes); }) {}
  ~PtyUnitServer() { unit_.SetOutputHandler(nullptr); }
  PtyUnitServer(const PtyUnitServer&) = delete;
  PtyUnitServer& operator=(const PtyUnitServer&) = delete;

  // Opens the pseudo-terminal in raw mode and starts answering. False with a reason on failure.
  bool Start(std::string* error) {
    if (server_.IsRunning()) return true;
    if (!server_.Start(error)) return false;
    unit_.SetOutputHandler([this] { server_.Send(unit_.TakeOutput()); });
    server_.Send(unit_.TakeOutput());
    return true;
  }
  bool IsRunning() const { return server_.IsRunning(); }
  const std::string& SlavePath() const { return server_.SlavePath(); }
  bool MakeLink(const std::string& path, std::string* error) { return server_.MakeLink(path, error); }
  const std::string& LinkPath() const { return server_.LinkPath(); }

 private:
  VirtualUnit& unit_;
  PtyServer server_;
};

}  // namespace morvelin
