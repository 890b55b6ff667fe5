#include "unit/port_choice.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "platform/fixed_port_lister.h"
#include "platform/qt_port_lister.h"
#include "platform/qt_serial_port.h"
#include "unit/loopback_port.h"
#include "unit/virtual_unit.h"

namespace morvelin {

class PortSetup::Routed : public SerialPort {
 public:
  Routed(LoopbackPort* loopback, QtSerialPort& machine) : loopback_(loopback), machine_(machine) {
    if (loopback_) loopback_->SetReceiveHandler([this](int n) { Forward(*loopback_, n); });
    machine_.SetReceiveHandler([this](int n) { Forward(machine_, n); });
  }
  ~Routed() override {
    if (loopback_) loopback_->SetReceiveHandler(nullptr);
    machine_.SetReceiveHandler(nullptr);
  }

  void SetPortName(const std::string& name) override {
    // An open port keeps its line, as a serial port does.
    if (!active_->IsOpen())
      active_ = loopback_ && name == kDemoPortName ? static_cast<SerialPort*>(loopback_) : &machine_;
    active_->SetPortName(name);
  }
  std::string PortName() const override { return active_->PortName(); }
  bool Open() override { return active_->Open(); }
  void Close() override { active_->Close(); }
  bool IsOpen() const override { return active_->IsOpen(); }
  bool Write(std::span<const std::uint8_t> bytes) override { return active_->Write(bytes); }
  int BytesAvailable() const override { return active_->BytesAvailable(); }
  Bytes Read(int n) override { return active_->Read(n); }

 private:
  void Forward(SerialPort& from, int waiting) {
    if (&from == active_) NotifyReceived(waiting);
  }

  LoopbackPort* loopback_;
  QtSerialPort& machine_;
  SerialPort* active_ = loopback_ ? static_cast<SerialPort*>(loopback_) : &machine_;
};

std::string PortNameFromArgument(const std::string& argument) {
  const QString name = QString::fromStdString(argument);
  if (!name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'))) return argument;
  if (!QFileInfo(name).isRelative()) return argument;
  return QDir::cleanPath(QDir::current().absoluteFilePath(name)).toStdString();
}

PortSetup::PortSetup(const PortChoice& choice, VirtualUnit* demoUnit, SteppedClock* clock) {
  const auto& names = choice.names;
  if (std::find(names.begin(), names.end(), kDemoPortName) != names.end()) {
    if (!demoUnit) {
      ownUnit_ = std::make_unique<VirtualUnit>();
      demoUnit = ownUnit_.get();
    }
    unit_ = demoUnit;
    loopback_ = std::make_unique<LoopbackPort>(*unit_, kDemoPortName, clock);
  }
  machine_ = std::make_unique<QtSerialPort>();
  port_ = std::make_unique<Routed>(loopback_.get(), *machine_);
  if (names.empty())
    lister_ = std::make_unique<QtPortLister>();
  else
    lister_ = std::make_unique<FixedPortLister>(names);
}

// The port goes before the lines it routes to, the loopback before its unit.
PortSetup::~PortSetup() {
  port_.reset();
  machine_.reset();
  loopback_.reset();
}

SerialPort& PortSetup::Port() {
  return *port_;
}

}  // namespace morvelin
