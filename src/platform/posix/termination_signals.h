#pragma once
// Turns SIGINT and SIGTERM into a call on the event loop's thread (through a signalfd), so a
// program can end cleanly without a signal handler or global state.

#include <QSocketNotifier>
#include <functional>
#include <memory>

namespace morvelin {

// Blocks SIGINT and SIGTERM in the calling thread; threads started afterwards inherit that, so
// a signal can only be taken through the signalfd. Call it first in main(), before any library
// may start a thread (a signal delivered to an unblocked thread would end the process at once).
bool BlockTerminationSignals();

class TerminationSignals {
 public:
  // Blocks both signals in the calling thread (threads started later inherit that); create it
  // early, after the application object.
  explicit TerminationSignals(std::function<void(int signal)> onSignal);
  ~TerminationSignals();
  TerminationSignals(const TerminationSignals&) = delete;
  TerminationSignals& operator=(const TerminationSignals&) = delete;

  bool IsWatching() const { return fd_ >= 0; }

 private:
  void OnReadable();

  std::function<void(int)> onSignal_;
  int fd_ = -1;
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace morvelin
