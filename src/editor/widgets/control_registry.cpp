#include "editor/widgets/control_registry.h"

#include <initializer_list>
#include <span>

#include "editor/binding_entries.h"
#include "editor/page_tables.h"
#include "editor/widgets/form_components.h"

namespace morvelin {

namespace {

std::vector<Control*> Lookup(const FormComponents& comps, std::span<const char* const> names) {
  std::vector<Control*> out;
  for (const char* n : names) out.push_back(comps.Find(QString::fromUtf8(n)));
  return out;
}

std::vector<Control*> Lookup(const FormComponents& comps, std::initializer_list<const char*> names) {
  return Lookup(comps, std::span<const char* const>(names.begin(), names.size()));
}

std::vector<Control*> Numbered(const FormComponents& comps, const char* stem, int count) {
  std::vector<Control*> out;
  for (int n = 1; n <= count; ++n) out.push_back(comps.Find(QString::fromUtf8(stem) + QString::number(n)));
  return out;
}

}  // namespace

bool ControlRegistry::InTable(int address) {
  return address >= 0 && BlockOf(address) < kBlockCount && IndexOf(address) < kIndexes;
}

void ControlRegistry::Fill(const FormComponents& comps) {
  std::fill(value_.begin(), value_.end(), nullptr);
  std::fill(readout_.begin(), readout_.end(), nullptr);
  std::fill(aux_.begin(), aux_.end(), std::array<Control*, kAuxSlots>{});
  addresses_.clear();
  example_ = comps.Find(handle::Example);

  for (const BindingEntry& e : BindingEntries()) {
    if (!InTable(e.address)) continue;
    const std::size_t s = Slot(e.address);
    value_[s] = e.value.isEmpty() ? nullptr : comps.Find(e.value);
    readout_[s] = e.readout.isEmpty() ? nullptr : comps.Find(e.readout);
    for (std::size_t k = 0; k < e.aux.size(); ++k)
      aux_[s][k] = e.aux[k].isEmpty() ? nullptr : comps.Find(e.aux[k]);
    addresses_.push_back(e.address);
  }

  TabButtons = Lookup(comps, pages::kTabButtons);
  ToolButtons = Lookup(comps, {"EchoAToolButton", "EchoBToolButton", "RvbToolButton"});
  HintButtons = Lookup(comps, {"HintMusBtn", "HintMicABtn", "HintMicBBtn"});
  PairButtons = Lookup(comps, {"LeftBtn", "SameBtn", "RightBtn"});
  FormButtons = Lookup(comps, {"EchoFormBtn", "RvbFormBtn"});
  EffectEqButtons = Lookup(comps, {"EchoAEQBtn", "RvbEQBtn"});
  SceneButtons = Lookup(comps, {"SingModeBtn", "DiscoModeBtn", "CodeModeBtn"});
  BandTitles = {Numbered(comps, "MusEQPointLabel", 15), Numbered(comps, "MicEQPointLabel", 20),
                Numbered(comps, "EffEQPointLabel", 7),  Numbered(comps, "MainEQPointLabel", 10),
                Numbered(comps, "HintEQPointLabel", 5), Numbered(comps, "RvbEQPointLabel", 7),
                Numbered(comps, "DEQPointLabel", 3)};
}

Control* ControlRegistry::ValueControl(int address) const {
  return InTable(address) ? value_[Slot(address)] : nullptr;
}

Control* ControlRegistry::ReadoutControl(int address) const {
  Control* c = InTable(address) ? readout_[Slot(address)] : nullptr;
  return c ? c : example_;
}

Control* ControlRegistry::AuxControl(int address, int slot) const {
  if (!InTable(address) || slot < 0 || slot >= kAuxSlots) return nullptr;
  return aux_[Slot(address)][static_cast<std::size_t>(slot)];
}

int ControlRegistry::AddressOf(const Control* control) const {
  if (!control) return -1;
  int found = -1;
  for (int a : addresses_) {
    const std::size_t s = Slot(a);
    if (value_[s] == control || readout_[s] == control) found = a;
    for (Control* x : aux_[s])
      if (x == control) found = a;
  }
  return found;
}

}  // namespace morvelin
