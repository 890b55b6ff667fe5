#pragma once
// TForm3: the hidden window that owns the serial port, the port list and the link controller.

#include <QWidget>
#include <memory>

#include "link/link_controller.h"
#include "unit/port_choice.h"

namespace morvelin {

class LoopbackPort;
class VirtualUnit;

class LinkWindow : public QWidget {
  Q_OBJECT
 public:
  // The link's timers and the built-in unit's line run on the clock when one is given.
  LinkWindow(const PortChoice& ports, ParamStore& store, LinkUi& ui, SteppedClock* clock = nullptr,
             QWidget* parent = nullptr);
  ~LinkWindow() override;

  LinkController& Link() { return *link_; }
  SerialPort& Port() { return ports_.Port(); }
  const PortLister& Lister() { return ports_.Lister(); }
  // The virtual unit behind the "DEMO" port and its line, or nullptr.
  VirtualUnit* DemoUnit() { return ports_.DemoUnit(); }
  LoopbackPort* DemoLine() { return ports_.Loopback(); }

 protected:
  void closeEvent(QCloseEvent*) override;

 private:
  PortSetup ports_;
  std::unique_ptr<LinkController> link_;
};

}  // namespace morvelin
