#pragma once
// Serves a byte stream on a pseudo-terminal, so that a real serial port (the editor's) can talk
// to an in-process peer. The server keeps the slave side open itself, so the peer stays
// reachable while clients come and go. POSIX only.

#include <QSocketNotifier>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>

#include "platform/serial_port.h"

namespace morvelin {

class PtyServer {
 public:
  // onReceived gets every byte a client writes, as it arrives.
  explicit PtyServer(std::function<void(std::span<const std::uint8_t>)> onReceived);
  ~PtyServer();
  PtyServer(const PtyServer&) = delete;
  PtyServer& operator=(const PtyServer&) = delete;

  // Opens the pseudo-terminal in raw mode and starts serving. False with a reason on failure.
  bool Start(std::string* error);
  bool IsRunning() const { return master_ >= 0; }
  // The path a client opens, e.g. /dev/pts/7; empty before Start.
  const std::string& SlavePath() const { return slavePath_; }

  // A symbolic link to the slave, removed again by the destructor. An existing symbolic link at
  // the path is replaced; any other file there is left alone and the call fails.
  bool MakeLink(const std::string& path, std::string* error);
  const std::string& LinkPath() const { return linkPath_; }

  // Queues bytes for the client; what the terminal cannot take yet goes later.
  void Send(const Bytes& bytes);

 private:
  void OnReadable();
  void Flush();

  std::function<void(std::span<const std::uint8_t>)> onReceived_;
  int master_ = -1;
  int slave_ = -1;
  std::string slavePath_;
  std::string linkPath_;
  std::unique_ptr<QSocketNotifier> readNotifier_;
  std::unique_ptr<QSocketNotifier> writeNotifier_;
  Bytes unsent_;  // bytes the terminal could not take yet
};

}  // namespace morvelin
