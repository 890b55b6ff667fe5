#pragma once
// An audio capture stand-in: the test decides whether starting succeeds and feeds buffers.

#include <vector>

#include "platform/audio_capture.h"

namespace morvelin::testing {

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
