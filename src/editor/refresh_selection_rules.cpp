#include "editor/refresh_selection_rules.h"

#include <array>

#include "params/block_table.h"

namespace morvelin {

namespace {

// The view blocks whose pages show an EQ with an all-pass word before its bands.
constexpr std::array<int, 6> kAllPassPages{0, 2, 4, 5, 6, 25};

}  // namespace

int PairSelectionAfterRefresh(int selection, int linkWord) {
  if (linkWord == 1) return 1;
  return selection == 1 ? 0 : selection;
}

std::optional<int> AllPassWordOf(int pageBlock) {
  for (int b : kAllPassPages)
    if (b == pageBlock) return MakeAddress(b, EqBandStart(b) - 1);
  return std::nullopt;
}

}  // namespace morvelin
