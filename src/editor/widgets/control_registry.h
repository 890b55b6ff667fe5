#pragma once
// Which controls stand for each view word: the value control, the readout pane and up to four
// aux controls (gain slider or spin buttons in slot 0, the type labels or DEQ type buttons),
// plus the small button lists that the button groups walk.

#include <array>
#include <vector>

#include "editor/widgets/controls/control.h"
#include "params/block_table.h"

namespace morvelin {

class FormComponents;

class ControlRegistry {
 public:
  static constexpr int kIndexes = 166;  // word indexes 0..165 of every view block
  static constexpr int kAuxSlots = 4;

  // Empties the tables, then fills them from BindingEntries() through the form's names.
  void Fill(const FormComponents& components);

  // nullptr where the word has no control (or the address lies outside the tables).
  Control* ValueControl(int address) const;
  // The readout pane; `Example` where the word has none.
  Control* ReadoutControl(int address) const;
  Control* AuxControl(int address, int slot) const;
  // The address a control is registered at last (its Tag after BuildRegistry); -1 when none.
  int AddressOf(const Control* control) const;

  // Every registered address, in address order.
  const std::vector<int>& Addresses() const { return addresses_; }

  // The small lookup lists, in their fixed orders.
  std::vector<Control*> TabButtons;       // FormMusTabBtn .. FormSysTabBtn (tab index 0..9)
  std::vector<Control*> ToolButtons;      // EchoAToolButton, EchoBToolButton, RvbToolButton
  std::vector<Control*> HintButtons;      // HintMusBtn, HintMicABtn, HintMicBBtn
  std::vector<Control*> PairButtons;      // LeftBtn, SameBtn, RightBtn
  std::vector<Control*> FormButtons;      // EchoFormBtn, RvbFormBtn
  std::vector<Control*> EffectEqButtons;  // EchoAEQBtn, RvbEQBtn
  std::vector<Control*> SceneButtons;     // SingModeBtn, DiscoModeBtn, CodeModeBtn
  // Band title labels of each graph in band order: Mus, Mic, Eff, Main, Hint, Rvb, DEQ.
  std::vector<std::vector<Control*>> BandTitles;

 private:
  static bool InTable(int address);
  static std::size_t Slot(int address) {
    return static_cast<std::size_t>(BlockOf(address) * kIndexes + IndexOf(address));
  }
  std::vector<Control*> value_ = std::vector<Control*>(kBlockCount * kIndexes, nullptr);
  std::vector<Control*> readout_ = std::vector<Control*>(kBlockCount * kIndexes, nullptr);
  std::vector<std::array<Control*, kAuxSlots>> aux_ = std::vector<std::array<Control*, kAuxSlots>>(
      kBlockCount * kIndexes, {nullptr, nullptr, nullptr, nullptr});
  std::vector<int> addresses_;
  Control* example_ = nullptr;
};

}  // namespace morvelin
