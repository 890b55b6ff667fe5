#pragma once
// A word for every address that differs between addresses and between seeds, so that a transfer
// that drops, repeats or moves a word shows.

#include "params/param_store.h"

namespace morvelin::testing {

inline Word Pattern(int block, int index, int seed) {
  return static_cast<Word>((block * 7919 + index * 104729 + seed * 3571) % 65536);
}

}  // namespace morvelin::testing
