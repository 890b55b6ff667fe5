#pragma once
// The machine's serial ports through QSerialPort: 115200 8N1, no flow control, DTR and RTS on.
// A port that fails while open (device removed, I/O error) is closed at once and reported: left
// open, a vanished device keeps the event loop spinning on its descriptor.

#include <QSerialPort>
#include <string>

#include "platform/serial_port.h"

namespace morvelin {

class QtSerialPort : public SerialPort {
 public:
  QtSerialPort();
  ~QtSerialPort() override;
  QtSerialPort(const QtSerialPort&) = delete;
  QtSerialPort& operator=(const QtSerialPort&) = delete;

  void SetPortName(const std::string& name) override;
  std::string PortName() const override;
  bool Open() override;
  void Close() override;
  bool IsOpen() const override { return port_.isOpen(); }
  bool Write(std::span<const std::uint8_t> bytes) override;
  int BytesAvailable() const override { return static_cast<int>(port_.bytesAvailable()); }
  Bytes Read(int n) override;

  // The last error text of the port (empty when none), for diagnostics.
  std::string ErrorText() const {
    return port_.error() == QSerialPort::NoError ? std::string() : port_.errorString().toStdString();
  }

 private:
  void OnError(QSerialPort::SerialPortError error);

  QSerialPort port_;
  bool opening_ = false;
  int opened_ = 0;  // counts the opens, so a failure is only acted on for the port it hit
};

}  // namespace morvelin
