#include "unit/loopback_port.h"

#include <algorithm>
#include <cmath>

namespace morvelin {

LoopbackPort::LoopbackPort(VirtualUnit& unit, std::string unitPortName, SteppedClock* clock)
    : unit_(unit), unitName_(std::move(unitPortName)), timer_(clock, 1, [this] { Tick(); }), clock_(clock) {
  unit_.SetOutputHandler([this] { OnUnitOutput(); });
}

LoopbackPort::~LoopbackPort() {
  unit_.SetOutputHandler(nullptr);
}

bool LoopbackPort::Open() {
  if (open_) return false;  // as a real port: already open is busy
  connected_ = name_ == unitName_;
  if (!connected_ && !silentNames_.contains(name_)) return false;
  open_ = true;
  unit_.TakeOutput();  // whatever the unit said before the line was connected is lost
  return true;
}

void LoopbackPort::Close() {
  open_ = false;
  connected_ = false;
  timer_.Stop();
  inFlight_.clear();
  headSent_ = 0;
  rx_.clear();
}

bool LoopbackPort::Write(std::span<const std::uint8_t> bytes) {
  if (!open_) return false;
  if (connected_) unit_.Receive(bytes);
  return true;
}

Bytes LoopbackPort::Read(int n) {
  const auto count = static_cast<std::ptrdiff_t>(std::clamp<std::size_t>(n < 0 ? 0 : n, 0, rx_.size()));
  Bytes out(rx_.begin(), rx_.begin() + count);
  rx_.erase(rx_.begin(), rx_.begin() + count);
  return out;
}

int LoopbackPort::PendingBytes() const {
  std::size_t n = 0;
  for (const Bytes& t : inFlight_) n += t.size();
  return static_cast<int>(n - headSent_);
}

void LoopbackPort::OnUnitOutput() {
  if (!ConnectedToUnit()) {
    unit_.TakeOutput();
    return;
  }
  for (Bytes& t : unit_.TakeTransmissions()) inFlight_.push_back(std::move(t));
  if (!timer_.IsActive() && !inFlight_.empty()) {
    clock_.Start();
    credit_ = 0;
    timer_.Start();
  }
}

void LoopbackPort::Tick() {
  credit_ += clock_.Restart() * kBytesPerMs;
  auto budget = static_cast<std::size_t>(std::floor(credit_));
  if (budget == 0) return;
  credit_ -= static_cast<double>(budget);
  bool moved = false;
  while (budget > 0 && !inFlight_.empty()) {
    const Bytes& head = inFlight_.front();
    const std::size_t n = std::min(budget, head.size() - headSent_);
    rx_.insert(rx_.end(), head.begin() + static_cast<std::ptrdiff_t>(headSent_),
               head.begin() + static_cast<std::ptrdiff_t>(headSent_ + n));
    headSent_ += n;
    budget -= n;
    moved = moved || n > 0;
    if (headSent_ == head.size()) {
      inFlight_.pop_front();
      headSent_ = 0;
    }
  }
  if (inFlight_.empty()) timer_.Stop();
  if (moved) NotifyReceived(BytesAvailable());
}

void LoopbackPort::Fail() {
  if (!open_) return;
  Close();
  NotifyError();
}

void LoopbackPort::DeliverNow() {
  // Answers provoked by the handlers below stay paced, so a chatty handler cannot loop here.
  for (std::size_t n = inFlight_.size(); n > 0 && !inFlight_.empty(); --n) {
    const Bytes head = std::move(inFlight_.front());
    inFlight_.pop_front();
    rx_.insert(rx_.end(), head.begin() + static_cast<std::ptrdiff_t>(headSent_), head.end());
    headSent_ = 0;
    NotifyReceived(BytesAvailable());
  }
  if (inFlight_.empty()) timer_.Stop();
}

}  // namespace morvelin
