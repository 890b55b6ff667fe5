#pragma once
// TForm3: the hidden window that owns the serial port, the port list and the link controller.

#include <QWidget>
#include <memory>

#include "link/link_controller.h"
#include "platform/serial_port.h"

namespace morvelin {

class VirtualUnit;

// Which ports the search goes through.
struct PortChoice {
  bool demo = false;               // one in-process virtual unit on the port "DEMO"
  std::vector<std::string> names;  // exactly these names; empty: the machine's serial ports
};

class LinkWindow : public QWidget {
  Q_OBJECT
 public:
  // Manual timers are stepped by the caller (tests).
  LinkWindow(const PortChoice& ports, ParamStore& store, LinkUi& ui, TimerDrive drive = TimerDrive::Qt,
             QWidget* parent = nullptr);
  ~LinkWindow() override;

  LinkController& Link() { return *link_; }
  SerialPort& Port() { return *port_; }
  const PortLister& Lister() const { return *lister_; }
  // The virtual unit behind the "DEMO" port, or nullptr.
  VirtualUnit* DemoUnit() { return unit_.get(); }

 protected:
  void closeEvent(QCloseEvent*) override;

 private:
  std::unique_ptr<VirtualUnit> unit_;
  std::unique_ptr<SerialPort> port_;
  std::unique_ptr<PortLister> lister_;
  std::unique_ptr<LinkController> link_;
};

}  // namespace morvelin
