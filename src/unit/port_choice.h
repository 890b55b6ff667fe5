#pragma once
// Which ports the search goes through, and the one way the editor and the command line make the
// port, its lister and the built-in unit from that choice.

#include <memory>
#include <string>
#include <vector>

#include "platform/serial_port.h"
#include "platform/stepped_clock.h"

namespace morvelin {

class LoopbackPort;
class QtSerialPort;
class VirtualUnit;

// The port name of the built-in virtual unit, wired in-process instead of a serial port.
inline constexpr const char* kDemoPortName = "DEMO";

// A --port argument as the port opens it: a name with a folder in it is a path, and a relative
// one is taken from the current folder (the serial port would look it up under /dev); a plain
// name such as "ttyUSB0", "COM3" or "DEMO" stays as it is.
std::string PortNameFromArgument(const std::string& argument);

struct PortChoice {
  // Exactly these names, in order; empty: the machine's serial ports. kDemoPortName in the list
  // is the built-in unit, the other names are the machine's ports.
  std::vector<std::string> names;
};

// The port the link uses: the built-in unit's name opens the loopback, any other name the
// machine's serial port; the receive notifications come from whichever is open.
class PortSetup {
 public:
  // The built-in unit is demoUnit when given, else one of its own (made only when the list
  // names it). The loopback keeps its pace on the clock when one is given.
  explicit PortSetup(const PortChoice& choice, VirtualUnit* demoUnit = nullptr,
                     SteppedClock* clock = nullptr);
  ~PortSetup();
  PortSetup(const PortSetup&) = delete;
  PortSetup& operator=(const PortSetup&) = delete;

  SerialPort& Port();
  PortLister& Lister() { return *lister_; }
  // The built-in unit and its line, or nullptr when the list does not name it.
  VirtualUnit* DemoUnit() { return unit_; }
  LoopbackPort* Loopback() { return loopback_.get(); }

 private:
  class Routed;
  std::unique_ptr<VirtualUnit> ownUnit_;
  VirtualUnit* unit_ = nullptr;
  std::unique_ptr<LoopbackPort> loopback_;
  std::unique_ptr<QtSerialPort> machine_;
  std::unique_ptr<Routed> port_;
  std::unique_ptr<PortLister> lister_;
};

}  // namespace morvelin
