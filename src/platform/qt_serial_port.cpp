#include "platform/qt_serial_port.h"

namespace morvelin {

QtSerialPort::QtSerialPort() {
  QObject::connect(&port_, &QSerialPort::readyRead, [this] { NotifyReceived(BytesAvailable()); });
  QObject::connect(&port_, &QSerialPort::errorOccurred,
                   [this](QSerialPort::SerialPortError e) { OnError(e); });
}

void QtSerialPort::OnError(QSerialPort::SerialPortError error) {
  switch (error) {
    case QSerialPort::NoError:
    case QSerialPort::TimeoutError:
    case QSerialPort::OpenError:  // Open() reports it
    case QSerialPort::NotOpenError:
      return;
    default:
      break;
  }
  if (opening_ || !port_.isOpen()) return;  // the modem-line ioctls a pseudo-terminal refuses
  // Out of the failing call: the owner may act on the port from its handler.
  QMetaObject::invokeMethod(
      &port_,
      [this, opened = opened_] {
        if (!port_.isOpen() || opened != opened_) return;  // closed, or opened again, meanwhile
        port_.close();
        port_.clearError();
        NotifyError();
      },
      Qt::QueuedConnection);
}

QtSerialPort::~QtSerialPort() {
  // What went out last (the link release of a program that ends) still reaches the line.
  constexpr int kFlushOnCloseMs = 200;
  if (port_.isOpen() && port_.bytesToWrite() > 0) port_.waitForBytesWritten(kFlushOnCloseMs);
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
  ++opened_;
  // A pseudo-terminal has no modem lines and refuses these ("Inappropriate ioctl"); it works anyway.
  opening_ = true;
  port_.setDataTerminalReady(true);
  port_.setRequestToSend(true);
  opening_ = false;
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
  if (port_.write(reinterpret_cast<const char*>(bytes.data()), n) != n) return false;
  // Out now, not when the event loop comes round after the redraw the edit asks for.
  port_.flush();
  return true;
}

Bytes QtSerialPort::Read(int n) {
  if (n <= 0 || !port_.isOpen()) return {};
  const QByteArray got = port_.read(n);
  return Bytes(got.begin(), got.end());
}

}  // namespace morvelin
