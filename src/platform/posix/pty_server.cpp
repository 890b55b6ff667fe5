#include "platform/posix/pty_server.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace morvelin {

namespace {

// Beyond this nobody is reading; older answers are of no use to a late client.
constexpr std::size_t kMaxUnsent = 64 * 1024;

std::string Reason(const char* what) {
  return std::string(what) + ": " + std::strerror(errno);
}

}  // namespace

PtyServer::PtyServer(std::function<void(std::span<const std::uint8_t>)> onReceived)
    : onReceived_(std::move(onReceived)) {}

PtyServer::~PtyServer() {
  readNotifier_.reset();
  writeNotifier_.reset();
  if (!linkPath_.empty()) {
    struct stat st {};
    if (::lstat(linkPath_.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) ::unlink(linkPath_.c_str());
  }
  if (slave_ >= 0) ::close(slave_);
  if (master_ >= 0) ::close(master_);
}

bool PtyServer::Start(std::string* error) {
  if (master_ >= 0) return true;
  const int m = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
  if (m < 0) {
    if (error) *error = Reason("posix_openpt");
    return false;
  }
  if (::grantpt(m) != 0 || ::unlockpt(m) != 0) {
    if (error) *error = Reason("grantpt/unlockpt");
    ::close(m);
    return false;
  }
  const char* name = ::ptsname(m);
  const int s = name ? ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK) : -1;
  if (s < 0) {
    if (error) *error = Reason("open slave");
    ::close(m);
    return false;
  }
  termios tio{};
  if (::tcgetattr(s, &tio) == 0) {
    ::cfmakeraw(&tio);
    ::cfsetispeed(&tio, B115200);
    ::cfsetospeed(&tio, B115200);
    ::tcsetattr(s, TCSANOW, &tio);
  }
  master_ = m;
  slave_ = s;
  slavePath_ = name;
  readNotifier_ = std::make_unique<QSocketNotifier>(master_, QSocketNotifier::Read);
  QObject::connect(readNotifier_.get(), &QSocketNotifier::activated, [this] { OnReadable(); });
  writeNotifier_ = std::make_unique<QSocketNotifier>(master_, QSocketNotifier::Write);
  writeNotifier_->setEnabled(false);
  QObject::connect(writeNotifier_.get(), &QSocketNotifier::activated, [this] { Flush(); });
  return true;
}

bool PtyServer::MakeLink(const std::string& path, std::string* error) {
  if (slavePath_.empty()) {
    if (error) *error = "the terminal is not open";
    return false;
  }
  struct stat st {};
  if (::lstat(path.c_str(), &st) == 0) {
    if (!S_ISLNK(st.st_mode)) {
      if (error) *error = path + " exists and is not a symbolic link";
      return false;
    }
    ::unlink(path.c_str());
  }
  if (::symlink(slavePath_.c_str(), path.c_str()) != 0) {
    if (error) *error = Reason("symlink");
    return false;
  }
  linkPath_ = path;
  return true;
}

void PtyServer::OnReadable() {
  std::uint8_t buf[512];
  for (;;) {
    const ssize_t n = ::read(master_, buf, sizeof buf);
    if (n > 0) {
      onReceived_(std::span<const std::uint8_t>(buf, static_cast<std::size_t>(n)));
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    break;  // EAGAIN: all read; EIO cannot happen while our own slave descriptor is open
  }
}

void PtyServer::Send(const Bytes& bytes) {
  if (master_ < 0) return;
  if (unsent_.size() + bytes.size() > kMaxUnsent) unsent_.clear();
  unsent_.insert(unsent_.end(), bytes.begin(), bytes.end());
  Flush();
}

void PtyServer::Flush() {
  while (!unsent_.empty()) {
    const ssize_t n = ::write(master_, unsent_.data(), unsent_.size());
    if (n > 0) {
      unsent_.erase(unsent_.begin(), unsent_.begin() + n);
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    break;
  }
  writeNotifier_->setEnabled(!unsent_.empty());
}

}  // namespace morvelin
