#include "platform/qt_audio_capture.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QMediaDevices>
#include <algorithm>

namespace morvelin {

CaptureSink::CaptureSink(AudioCapture::DataHandler onData, QObject* parent)
    : QIODevice(parent), onData_(std::move(onData)) {
  pending_.reserve(kCaptureBufferBytes);
  open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 CaptureSink::writeData(const char* data, qint64 size) {
  if (size <= 0) return 0;
  const char* at = data;
  qint64 left = size;
  if (!pending_.empty()) {
    const qint64 take = std::min<qint64>(left, kCaptureBufferBytes - qint64(pending_.size()));
    pending_.insert(pending_.end(), at, at + take);
    at += take;
    left -= take;
    if (pending_.size() == std::size_t(kCaptureBufferBytes)) {
      if (onData_) onData_(pending_.data(), pending_.size());
      pending_.clear();
    }
  }
  for (; left >= kCaptureBufferBytes; at += kCaptureBufferBytes, left -= kCaptureBufferBytes)
    if (onData_) onData_(at, kCaptureBufferBytes);
  if (left > 0) pending_.insert(pending_.end(), at, at + left);
  return size;
}

QtAudioCapture::QtAudioCapture() = default;

QtAudioCapture::~QtAudioCapture() {
  Stop();
}

bool QtAudioCapture::Start(DataHandler onData) {
  Stop();
  // Without an audio server there is no default device (a null one).
  const QAudioDevice device = QMediaDevices::defaultAudioInput();
  if (device.isNull()) return false;
  QAudioFormat format;
  format.setSampleRate(kCaptureRate);
  format.setChannelCount(1);
  format.setSampleFormat(QAudioFormat::UInt8);
  source_ = std::make_unique<QAudioSource>(device, format);
  source_->setBufferSize(kCaptureBufferBytes * kCaptureBufferCount);
  sink_ = std::make_unique<CaptureSink>(std::move(onData));
  source_->start(sink_.get());
  if (source_->error() != QAudio::NoError || source_->state() == QAudio::StoppedState) {
    Stop();
    return false;
  }
  return true;
}

void QtAudioCapture::Stop() {
  if (source_) {
    source_->stop();
    source_.reset();
  }
  sink_.reset();
}

}  // namespace morvelin
