#pragma once
// A port list given by the caller, for the loopback port and tests.

#include <string>
#include <utility>
#include <vector>

#include "platform/serial_port.h"

namespace morvelin {

class FixedPortLister : public PortLister {
 public:
  explicit FixedPortLister(std::vector<std::string> names) : names_(std::move(names)) {}
  std::vector<std::string> PortNames() const override { return names_; }
  void SetPortNames(std::vector<std::string> names) { names_ = std::move(names); }

 private:
  std::vector<std::string> names_;
};

}  // namespace morvelin
