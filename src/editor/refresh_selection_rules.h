#pragma once
// What a page refresh takes from the store besides the values of the bound controls: the pair
// selections, the on/off selections and the all-pass word of the page's EQ.

#include <optional>

namespace morvelin {

// A pair selection (0 left, 1 linked, 2 right) after a refresh, from the pair's stored link
// word: linked when the word is 1, otherwise a linked selection falls back to the left side.
int PairSelectionAfterRefresh(int selection, int linkWord);

// Auto/Manual and the echo form: any non-zero word counts as 1.
inline int OnOffFromWord(int word) {
  return word != 0 ? 1 : 0;
}

// The EQ all-pass word of a page block (the word just before its first band). Pages without an
// EQ of their own, and the dynamic EQ page, have none: the all-pass state shown there is 0.
std::optional<int> AllPassWordOf(int pageBlock);

}  // namespace morvelin
