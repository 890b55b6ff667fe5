#pragma once
// The registry's content as generated from the page tables: per registered address its value
// control, readout pane and aux controls, by name. BuildRegistry resolves the names through the
// form's components.

#include <QString>
#include <array>
#include <vector>

namespace morvelin {

struct BindingEntry {
  int address = 0;
  QString value;               // the control holding the value ("Example" for words shown by other means)
  QString readout;             // the pane showing it in units; empty: `Example`
  std::array<QString, 4> aux;  // gain slider or spin buttons (slot 0), type labels or DEQ type buttons
};

// Every registered address once, in address order.
std::vector<BindingEntry> BindingEntries();

}  // namespace morvelin
