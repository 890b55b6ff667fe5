#pragma once
// What the spectrum analyser needs of the PC's audio input: the default recording device as
// 8-bit unsigned mono at 48000 samples a second, delivered in buffers of 1024 samples on the
// UI thread. The Qt capture and test fakes implement it.

#include <cstddef>
#include <functional>

namespace morvelin {

inline constexpr int kCaptureRate = 48000;
inline constexpr int kCaptureBufferBytes = 1024;  // one byte per sample
inline constexpr int kCaptureBufferCount = 16;

class AudioCapture {
 public:
  // A filled buffer; the pointer is only valid during the call.
  using DataHandler = std::function<void(const char* data, std::size_t size)>;

  virtual ~AudioCapture() = default;
  // Opens and starts the default recording device. False when there is none or it cannot be
  // opened or started; the device's own error texts are not passed on.
  virtual bool Start(DataHandler onData) = 0;
  // Stops and closes the device; safe to repeat.
  virtual void Stop() = 0;
};

}  // namespace morvelin
