#include "platform/posix/termination_signals.h"

#include <sys/signalfd.h>
#include <unistd.h>

#include <csignal>

namespace morvelin {

namespace {

sigset_t TerminationSet() {
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, SIGINT);
  sigaddset(&set, SIGTERM);
  return set;
}

}  // namespace

bool BlockTerminationSignals() {
  const sigset_t set = TerminationSet();
  return pthread_sigmask(SIG_BLOCK, &set, nullptr) == 0;
}

TerminationSignals::TerminationSignals(std::function<void(int)> onSignal) : onSignal_(std::move(onSignal)) {
  if (!BlockTerminationSignals()) return;
  const sigset_t set = TerminationSet();
  fd_ = ::signalfd(-1, &set, SFD_NONBLOCK | SFD_CLOEXEC);
  if (fd_ < 0) return;
  notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { OnReadable(); });
}

TerminationSignals::~TerminationSignals() {
  notifier_.reset();
  if (fd_ >= 0) ::close(fd_);
}

void TerminationSignals::OnReadable() {
  signalfd_siginfo info{};
  while (::read(fd_, &info, sizeof info) == static_cast<ssize_t>(sizeof info))
    if (onSignal_) onSignal_(static_cast<int>(info.ssi_signo));
}

}  // namespace morvelin
