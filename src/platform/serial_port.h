#pragma once
// What the link needs of a serial port. The Qt port, the in-process loopback to a virtual
// unit and test fakes implement it.

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace morvelin {

using Bytes = std::vector<std::uint8_t>;

class SerialPort {
 public:
  virtual ~SerialPort() = default;

  virtual void SetPortName(const std::string& name) = 0;
  virtual std::string PortName() const = 0;
  // 115200 8N1, no flow control, DTR and RTS on. False when the port does not exist or is busy.
  virtual bool Open() = 0;
  virtual void Close() = 0;
  virtual bool IsOpen() const = 0;
  // False on a write error; callers decide whether that matters.
  virtual bool Write(std::span<const std::uint8_t> bytes) = 0;
  virtual int BytesAvailable() const = 0;
  // Up to n bytes that have already arrived; never waits.
  virtual Bytes Read(int n) = 0;

  // Called on the UI thread when bytes have arrived, with the number waiting.
  void SetReceiveHandler(std::function<void(int)> handler) { onReceived_ = std::move(handler); }
  // Called on the UI thread after an open port failed (device removed, I/O error) and was closed.
  void SetErrorHandler(std::function<void()> handler) { onError_ = std::move(handler); }

 protected:
  void NotifyReceived(int waiting) {
    if (onReceived_) onReceived_(waiting);
  }
  void NotifyError() {
    if (onError_) onError_();
  }

 private:
  std::function<void(int)> onReceived_;
  std::function<void()> onError_;
};

// The machine's serial port names, in a fixed order.
class PortLister {
 public:
  virtual ~PortLister() = default;
  virtual std::vector<std::string> PortNames() const = 0;
};

}  // namespace morvelin
