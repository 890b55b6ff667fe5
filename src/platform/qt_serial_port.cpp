#include "platform/qt_serial_port.h"

namespace morvelin {

QtSerialPort::QtSerialPort() {
  QObject::connect(&port_, &QSerialPort::readyRead, [this] { NotifyReceived(BytesAvailable()); });
}

QtSerialPort::~QtSerialPort() {
  port_.close();
}

void QtSerialPort::SetPortName(const std::string& name) {
  port_.setPortName(QString::fromStdString(name));
}

std::string QtSerialPort::PortName() const {
  return port_.portName().toStdString();
}

bool QtSerialPort::Open() {
  if (port_.isOpen()) return false;  // as busy: the caller closes first
  port_.setBaudRate(QSerialPort::Baud115200);
  port_.setDataBits(QSerialPort::Data8);
  port_.setParity(QSerialPort::NoParity);
  port_.setStopBits(QSerialPort::OneStop);
  port_.setFlowControl(QSerialPort::NoFlowControl);
  if (!port_.open(QIODevice::ReadWrite)) return false;
  // A pseudo-terminal has no modem lines and refuses these ("Inappropriate ioctl"); it works anyway.
  port_.setDataTerminalReady(true);
  port_.setRequestToSend(true);
  port_.clearError();
  return true;
}

void QtSerialPort::Close() {
  port_.close();
  port_.clearError();
}

bool QtSerialPort::Write(std::span<const std::uint8_t> bytes) {
  if (!port_.isOpen()) return false;
  const auto n = static_cast<qint64>(bytes.size());
  return port_.write(reinterpret_cast<const char*>(bytes.data()), n) == n;
}

Bytes QtSerialPort::Read(int n) {
  if (n <= 0 || !port_.isOpen()) return {};
  const QByteArray got = port_.read(n);
  return Bytes(got.begin(), got.end());
}

}  // namespace morvelin
