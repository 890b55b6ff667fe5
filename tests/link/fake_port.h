#pragma once
// A serial port for tests: bytes fed in wait until read, writes are recorded, and a responder
// may answer them; answers arrive only at DeliverNow(), as they would between events.

#include <algorithm>
#include <deque>
#include <functional>
#include <set>

#include "platform/serial_port.h"

namespace morvelin::testing {

class FakePort : public SerialPort {
 public:
  std::set<std::string> existing;
  std::vector<Bytes> writes;
  // Called for every write on the named port; returns the bytes the far end will answer.
  std::function<Bytes(const std::string& port, const Bytes& written)> responder;

  void SetPortName(const std::string& name) override { name_ = name; }
  std::string PortName() const override { return name_; }
  bool Open() override {
    if (open_ || !existing.contains(name_)) return false;
    open_ = true;
    ++opens;
    return true;
  }
  void Close() override { open_ = false; }
  bool IsOpen() const override { return open_; }
  bool Write(std::span<const std::uint8_t> bytes) override {
    if (!open_) return false;
    writes.emplace_back(bytes.begin(), bytes.end());
    writtenOn.push_back(name_);
    if (responder) {
      const Bytes answer = responder(name_, writes.back());
      pending_.insert(pending_.end(), answer.begin(), answer.end());
    }
    return true;
  }
  int BytesAvailable() const override { return static_cast<int>(rx_.size()); }
  Bytes Read(int n) override {
    const auto k = static_cast<std::size_t>(std::clamp(n, 0, BytesAvailable()));
    Bytes out(rx_.begin(), rx_.begin() + static_cast<std::ptrdiff_t>(k));
    rx_.erase(rx_.begin(), rx_.begin() + static_cast<std::ptrdiff_t>(k));
    return out;
  }

  // Bytes arrive and the port tells its owner once.
  void Feed(const Bytes& bytes) {
    rx_.insert(rx_.end(), bytes.begin(), bytes.end());
    NotifyReceived(BytesAvailable());
  }
  // Bytes arrive without a notification.
  void FeedQuietly(const Bytes& bytes) { rx_.insert(rx_.end(), bytes.begin(), bytes.end()); }
  void DeliverNow() {
    if (pending_.empty()) return;
    Bytes b(pending_.begin(), pending_.end());
    pending_.clear();
    Feed(b);
  }
  void ClearWrites() {
    writes.clear();
    writtenOn.clear();
  }

  std::vector<std::string> writtenOn;
  int opens = 0;

 private:
  std::string name_ = "COM1";
  bool open_ = false;
  std::deque<std::uint8_t> rx_;
  std::deque<std::uint8_t> pending_;
};

class FakeLister : public PortLister {
 public:
  std::vector<std::string> names;
  std::vector<std::string> PortNames() const override { return names; }
};

}  // namespace morvelin::testing
