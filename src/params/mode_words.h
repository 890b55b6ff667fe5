#pragma once
// The words of block 0 that hold the unit's modes: the editor switches them and reads them back
// after a refresh, the virtual unit links channels by them.

#include "params/block_table.h"

namespace morvelin {

inline constexpr int kAutoManualWord = MakeAddress(0, 160);
inline constexpr int kSceneWord = MakeAddress(0, 161);
inline constexpr int kMainLinkWord = MakeAddress(0, 162);
inline constexpr int kSurLinkWord = MakeAddress(0, 163);
inline constexpr int kEchoFormWord = MakeAddress(0, 164);

}  // namespace morvelin
