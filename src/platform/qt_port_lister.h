#pragma once
// The machine's serial port names from QSerialPortInfo, in a stable order.

#include <string>
#include <vector>

#include "platform/serial_port.h"

namespace morvelin {

// Sorted by name with embedded numbers compared as numbers ("COM2" before "COM10"); duplicates go.
std::vector<std::string> SortedPortNames(std::vector<std::string> names);

class QtPortLister : public PortLister {
 public:
  // Extra names (a simulator's pseudo-terminal, say) are listed after the machine's ports.
  explicit QtPortLister(std::vector<std::string> extraNames = {}) : extra_(std::move(extraNames)) {}
  std::vector<std::string> PortNames() const override;

 private:
  std::vector<std::string> extra_;
};

}  // namespace morvelin
