#pragma once
// An audio capture stand-in: the test decides whether starting succeeds and feeds buffers.

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <numbers>
#include <vector>

#include "platform/audio_capture.h"

namespace morvelin::testing {

// One capture buffer of 8-bit unsigned samples: the sum of sines at the frequencies, each of
// the amplitude (127 is full scale).
inline std::vector<char> ToneBuffer(std::initializer_list<double> hz, double amplitude = 127.0) {
  std::vector<char> b(kCaptureBufferBytes);
  for (int n = 0; n < kCaptureBufferBytes; ++n) {
    double x = 128;
    for (double f : hz) x += amplitude * std::sin(2 * std::numbers::pi * f * n / kCaptureRate);
    b[n] = char(std::uint8_t(std::lround(x)));
  }
  return b;
}

class FakeAudioCapture : public AudioCapture {
 public:
  bool Start(DataHandler onData) override {
    ++starts;
    if (startSucceeds) handler_ = std::move(onData);
    return startSucceeds;
  }
  void Stop() override {
    ++stops;
    handler_ = nullptr;
  }
  bool Running() const { return bool(handler_); }
  // One filled buffer, as the device would deliver it.
  void Feed(const std::vector<char>& buffer) {
    if (handler_) handler_(buffer.data(), buffer.size());
  }

  bool startSucceeds = true;
  int starts = 0;
  int stops = 0;

 private:
  DataHandler handler_;
};

}  // namespace morvelin::testing
