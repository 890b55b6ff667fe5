#pragma once
// Serves a VirtualUnit on a pseudo-terminal, so that a real serial port (the editor's) can talk
// to it. The server keeps the slave side open itself, so the unit stays reachable while clients
// come and go.

#include <QSocketNotifier>
#include <memory>
#include <string>

#include "platform/serial_port.h"
#include "unit/virtual_unit.h"

namespace morvelin {

class PtyUnitServer {
 public:
  explicit PtyUnitServer(VirtualUnit& unit);
  ~PtyUnitServer();
  PtyUnitServer(const PtyUnitServer&) = delete;
  PtyUnitServer& operator=(const PtyUnitServer&) = delete;

  // Opens the pseudo-terminal in raw mode and starts answering. False with a reason on failure.
  bool Start(std::string* error);
  bool IsRunning() const { return master_ >= 0; }
  // The path a client opens, e.g. /dev/pts/7; empty before Start.
  const std::string& SlavePath() const { return slavePath_; }

  // A symbolic link to the slave, removed again by the destructor. An existing symbolic link at
  // the path is replaced; any other file there is left alone and the call fails.
  bool MakeLink(const std::string& path, std::string* error);
  const std::string& LinkPath() const { return linkPath_; }

 private:
  void OnReadable();
  void OnWritable();
  void SendUnitOutput();
  void Flush();

  VirtualUnit& unit_;
  int master_ = -1;
  int slave_ = -1;
  std::string slavePath_;
  std::string linkPath_;
  std::unique_ptr<QSocketNotifier> readNotifier_;
  std::unique_ptr<QSocketNotifier> writeNotifier_;
  Bytes unsent_;  // answers the terminal could not take yet
};

}  // namespace morvelin
