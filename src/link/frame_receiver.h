#pragma once
// Finds frames and acknowledgements in the bytes the port has received. One frame per pass;
// a header or body that has not fully arrived is completed on a later notification. A header
// that turns out wrong is searched again for a start byte, so noise that ends in 0xEE cannot
// swallow the 0xF5 of the frame behind it; a frame whose checksum is wrong is dropped.

#include <cstdint>
#include <functional>
#include <string>

#include "platform/serial_port.h"

namespace morvelin {

class FrameReceiver {
 public:
  enum class State { Hunt, Header, Body };

  struct Handlers {
    std::function<void()> onAck;
    // The whole frame: F5 B2 length type address data checksum.
    std::function<void(const Bytes&)> onFrame;
    std::function<void(const std::string&)> onLog;
  };

  explicit FrameReceiver(SerialPort& port) : port_(port) {}

  void SetHandlers(Handlers handlers) { handlers_ = std::move(handlers); }

  // The port's notification: runs passes while whole frames are waiting.
  void OnBytesAvailable(int count);
  // One pass over at most count waiting bytes; completes at most one frame.
  // True when it took a byte off the port.
  bool RunPass(int count);
  void Reset();

  State CurrentState() const { return state_; }
  // Frames dropped for a wrong checksum since the start.
  int BadChecksums() const { return badChecksums_; }
  const Bytes& Collected() const { return bytes_; }

 private:
  void Hunt(int& budget);
  void Header(int count);
  void Body(int count);
  std::uint8_t ReadByte(bool& ok);
  int Waiting() const;
  void Rehunt();

  SerialPort& port_;
  Handlers handlers_;
  State state_ = State::Hunt;
  Bytes bytes_;
  int expected_ = 0;
  int collected_ = 0;
  bool consumed_ = false;
  Bytes replay_;  // bytes of a rejected header after its first, read again before the port
  int badChecksums_ = 0;
};

}  // namespace morvelin
