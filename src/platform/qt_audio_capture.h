#pragma once
// The audio capture on QtMultimedia's QAudioSource. The source writes into a small sink that
// cuts what arrives into buffers of 1024 samples and hands each one on without copying it
// (only a piece left over between two writes is kept).

#include <QAudioSource>
#include <QIODevice>
#include <memory>
#include <vector>

#include "platform/audio_capture.h"

namespace morvelin {

class CaptureSink : public QIODevice {
 public:
  explicit CaptureSink(AudioCapture::DataHandler onData, QObject* parent = nullptr);

 protected:
  qint64 readData(char*, qint64) override { return -1; }
  qint64 writeData(const char* data, qint64 size) override;

 private:
  AudioCapture::DataHandler onData_;
  std::vector<char> pending_;
};

class QtAudioCapture : public AudioCapture {
 public:
  QtAudioCapture();
  ~QtAudioCapture() override;

  bool Start(DataHandler onData) override;
  void Stop() override;

 private:
  std::unique_ptr<QAudioSource> source_;
  std::unique_ptr<CaptureSink> sink_;
};

}  // namespace morvelin
