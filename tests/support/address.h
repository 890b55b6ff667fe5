#pragma once
// A short name for a word's address, for tests that list many of them.

#include "params/block_table.h"

namespace morvelin::test {

constexpr int A(int block, int index) {
  return MakeAddress(block, index);
}

}  // namespace morvelin::test
