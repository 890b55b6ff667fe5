#pragma once
// The editor flags and selections that binding, band editing and the graph share. One object,
// owned by the editor binding; SendSuppressed is the store's flag, PageAddress and PageBlock
// are EditorState's.

#include <array>

#include "graphs/widgets/graph_host.h"

namespace morvelin {

class Control;

struct BindingState {
  bool Refreshing = false;                // a page refresh is running
  bool ProgrammaticMove = false;          // ApplyValue is moving a slider: its change handler ignores it
  Control* CurrentEdit = nullptr;         // typed entry, spin buttons and the wheel act on it (Example: none)
  Control* HighlightedEdit = nullptr;     // drawn with the highlight colour
  Control* HighlightedGainBar = nullptr;  // EQ gain slider with the highlighted thumb
  EditRecord LastEdit;                    // the user's last change; the graph follows it
  std::array<int, 9> SelectedBand{};      // per curve group 0..4 (8, the DEQ, is not tracked)
  std::array<int, 31> AllPassState{};     // all-pass state last shown, per view block
};

}  // namespace morvelin
